// SPDX-License-Identifier: GPL-3.0-or-later
// The image data of an 8-bit PNG, filtered and compressed a batch of rows at a time on worker
// threads. Each batch is deflate blocks of its own ended on a whole byte, as by zlib's full
// flush, so the batches joined in order, under one zlib header and the adler32 of them all, are
// one zlib stream; it goes out as IDAT chunks. The picture's bytes wait in a few batches at most.
//
// A batch is coded as runs first (RunDeflate), which is what a plate's rows mostly are; one that
// comes out of that at more than an eighth of its size holds a picture's shades rather than runs
// and is coded again by zlib's fastest level, which packs those several times tighter.
#pragma once

#include <QtGlobal>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

class QIODevice;

namespace quirn {

// The prediction every row is written with, by its PNG filter type: none, or the row above.
enum class RowFilter : std::uint8_t { None = 0, Up = 2 };

struct CompressionBatches {
    int rows = 0;     // rows of a batch; 0: as many as make a few megabytes
    int workers = 0;  // threads that compress; 0: one a processor, within a few
};

// One chunk: length, type, data and its CRC, as the format lays them out.
bool WritePngChunk(QIODevice& out, const char (&type)[5], std::span<const uchar> data);

class IdatWriter {
  public:
    IdatWriter(QIODevice& out, std::size_t rowBytes, int height, RowFilter filter,
               const CompressionBatches& batches);
    // Stops the workers; a picture not finished leaves its file incomplete.
    ~IdatWriter();
    IdatWriter(const IdatWriter&) = delete;
    IdatWriter& operator=(const IdatWriter&) = delete;

    // One row of rowBytes bytes; false once writing or compressing has failed.
    bool writeRow(const uchar* row);
    // After the last row: the rest of the data and the stream's checksum.
    bool finish();

  private:
    struct Pool;
    std::unique_ptr<Pool> pool_;
};

}  // namespace quirn
