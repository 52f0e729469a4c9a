// SPDX-License-Identifier: GPL-3.0-or-later
// Deflate blocks that code only runs of a repeated byte, with the format's fixed codes: a
// plate's filtered rows are mostly long runs of zeros, which this codes several times faster
// than zlib's fastest level, while bytes between runs cost about a byte each. Each batch of
// rows is blocks of its own, ended on a whole byte, so that batches coded apart join into one
// stream; the adler32 of the coded bytes comes with them.
#pragma once

#include <QtGlobal>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quirn {

class RunDeflate {
  public:
    // Starts a batch, writing after what out already holds.
    explicit RunDeflate(std::vector<uchar>& out);

    // Codes data, a row for example; runs do not carry on from one call to the next.
    void add(const uchar* data, std::size_t length);
    // Ends the batch: the last of the stream, or one that another batch follows.
    enum class Ending { Continued, Last };
    void finish(Ending ending);

    // The adler32 of the bytes added, and how many there were.
    std::uint32_t adler() const;
    std::size_t added() const { return added_; }

  private:
    void put(std::uint32_t bits, int count);
    void literal(uchar value);
    void run(uchar value, std::size_t length);
    void align();

    std::vector<uchar>& out_;
    std::uint64_t pending_ = 0;
    int pendingBits_ = 0;
    std::uint64_t sum_ = 1;
    std::uint64_t weighted_ = 0;
    std::size_t added_ = 0;
};

}  // namespace quirn
