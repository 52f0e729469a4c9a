// Processor time, for the few bounds that only a clock can check: the time this process has
// computed, all its threads together. Other work on a busy machine does not count in it, as it
// does on the wall clock, so a bound on it fails for the code's own work only.
#pragma once

#include <time.h>

#include <chrono>

namespace quirn::test {

inline std::chrono::duration<double> ProcessCpuTime() {
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

}  // namespace quirn::test
