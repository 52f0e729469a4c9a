// SPDX-License-Identifier: GPL-3.0-or-later
// A PNG file read back by two decoders that share nothing with the writer: libpng, which any
// error or warning stops, and a walk of the chunks whose data zlib alone inflates.
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <cstddef>
#include <string>
#include <vector>

namespace quirn::test {

struct DecodedPng {
    int width = 0;
    int height = 0;
    int colourType = -1;
    std::vector<uchar> rgb;  // rows of red, green and blue bytes, a palette's colours looked up
    std::string complaint;   // what libpng objected to; empty when nothing
};
DecodedPng ReadWithLibpng(const QByteArray& file);

// What is wrong with the file's chunks and its zlib stream: a chunk whose CRC does not match, data
// apart from the chunks, image data chunks split by others, a stream that does not inflate with
// its checksum, ends early or late, or holds other than filteredBytes. Empty when nothing is.
std::string StreamFaults(const QByteArray& file, std::size_t filteredBytes);

}  // namespace quirn::test
