// SPDX-License-Identifier: GPL-3.0-or-later
// The memory a test process holds, for bounds on what a session keeps.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <fstream>

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer runtime's allocator interface (GCC ships no header for it).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace quirn::test {

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer holds freed blocks in quarantine, so the resident size grows with every
// allocation there; the bytes still allocated are what a leak would add to.
inline long ResidentBytes() {
    return static_cast<long>(__sanitizer_get_current_allocated_bytes());
}
#else
// Resident set size in bytes, from /proc/self/statm.
inline long ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * ::sysconf(_SC_PAGESIZE);
}
#endif

}  // namespace quirn::test
