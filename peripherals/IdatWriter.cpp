// SPDX-License-Identifier: GPL-3.0-or-later
#include "peripherals/IdatWriter.h"

#include <zlib.h>

#include <QIODevice>
#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <limits>
#include <mutex>
#include <thread>
#include <vector>

#include "peripherals/RunDeflate.h"

namespace quirn {
namespace {

// Raw rows per batch: enough that a flush and a fresh dictionary every batch cost nothing
// measurable, few enough that the batches in flight stay within the painting's own memory.
constexpr std::size_t kBatchBytes = std::size_t{4} << 20;
constexpr std::size_t kChunkBytes = std::size_t{1} << 20;
constexpr std::size_t kOutputStep = std::size_t{256} << 10;
// A batch coded as runs into more than this share of its bytes goes to zlib instead.
constexpr std::size_t kRunShare = 8;
constexpr int kMostWorkers = 4;

void PutBigEndian(std::uint32_t value, uchar* to) {
    to[0] = uchar(value >> 24);
    to[1] = uchar(value >> 16);
    to[2] = uchar(value >> 8);
    to[3] = uchar(value);
}

// The filter byte, then the row as it is or less the row above, eight bytes at a time: bytes
// subtracted within a word without borrowing from their neighbours.
void FilterRow(RowFilter filter, const uchar* row, const uchar* above, std::size_t length,
               uchar* out) {
    *out++ = uchar(filter);
    if (filter == RowFilter::None) {
        std::memcpy(out, row, length);
        return;
    }
    constexpr std::uint64_t kHigh = 0x8080808080808080ULL;
    std::size_t i = 0;
    for (; i + 8 <= length; i += 8) {
        std::uint64_t a, b;
        std::memcpy(&a, row + i, 8);
        std::memcpy(&b, above + i, 8);
        const std::uint64_t difference = ((a | kHigh) - (b & ~kHigh)) ^ ((a ^ ~b) & kHigh);
        std::memcpy(out + i, &difference, 8);
    }
    for (; i < length; ++i) out[i] = uchar(row[i] - above[i]);
}

struct Batch {
    enum class State { Waiting, Compressing, Done, Failed };
    // The row above the batch (zeros above the first), then the batch's rows.
    std::vector<uchar> rows;
    int count = 0;
    bool first = false;
    bool last = false;
    State state = State::Waiting;
    // The compressed bytes, and the adler32 of the filtered bytes they stand for.
    std::vector<uchar> packed;
    std::uint32_t adler = 1;
    std::size_t filtered = 0;
};

// Compresses data into packed from used on, growing it as deflate asks.
bool Deflate(z_stream& z, std::vector<uchar>& packed, std::size_t& used, const uchar* data,
             std::size_t length, int flush) {
    while (true) {
        const std::size_t piece = std::min<std::size_t>(length, std::numeric_limits<uInt>::max());
        z.next_in = const_cast<Bytef*>(data);
        z.avail_in = uInt(piece);
        data += piece;
        length -= piece;
        const int pieceFlush = length == 0 ? flush : Z_NO_FLUSH;
        while (true) {
            if (packed.size() - used < kOutputStep) packed.resize(used + 2 * kOutputStep);
            const std::size_t room = std::min<std::size_t>(packed.size() - used, kOutputStep);
            z.next_out = packed.data() + used;
            z.avail_out = uInt(room);
            const int result = deflate(&z, pieceFlush);
            used += room - z.avail_out;
            if (result == Z_STREAM_END) break;
            if (result != Z_OK && result != Z_BUF_ERROR) return false;
            // Room left over means deflate took all the input and flushed what was asked.
            if (z.avail_out != 0 && pieceFlush != Z_FINISH) break;
        }
        if (length == 0) return true;
    }
}

// What one worker keeps from batch to batch.
struct Coder {
    z_stream z{};
    bool ready = false;
    std::vector<uchar> line;  // a filtered row: the filter's byte, then the row
};

bool Compress(Coder& coder, Batch& batch, std::size_t rowBytes, RowFilter filter) {
    batch.packed.clear();
    if (batch.first) {
        // zlib's header: deflate with a 32 KB window, the fastest level, no dictionary, and a
        // check that makes the pair a multiple of 31.
        batch.packed.assign({0x78, 0x01});
    }
    const std::size_t start = batch.packed.size();
    if (batch.first) std::fill_n(batch.rows.begin(), rowBytes, uchar(0));
    const auto filtered = [&](int y) {
        const uchar* above = batch.rows.data() + std::size_t(y) * rowBytes;
        FilterRow(filter, above + rowBytes, above, rowBytes, coder.line.data());
        return coder.line.data();
    };
    RunDeflate runs(batch.packed);
    for (int y = 0; y < batch.count; ++y) runs.add(filtered(y), coder.line.size());
    runs.finish(batch.last ? RunDeflate::Ending::Last : RunDeflate::Ending::Continued);
    batch.adler = runs.adler();
    batch.filtered = runs.added();
    if ((batch.packed.size() - start) * kRunShare <= batch.filtered) return true;

    std::size_t used = start;
    if (!coder.ready || deflateReset(&coder.z) != Z_OK) return false;
    for (int y = 0; y < batch.count; ++y) {
        int flush = Z_NO_FLUSH;
        if (y + 1 == batch.count) flush = batch.last ? Z_FINISH : Z_FULL_FLUSH;
        if (!Deflate(coder.z, batch.packed, used, filtered(y), coder.line.size(), flush))
            return false;
    }
    batch.packed.resize(used);
    return true;
}

}  // namespace

bool WritePngChunk(QIODevice& out, const char (&type)[5], std::span<const uchar> data) {
    uchar head[8];
    PutBigEndian(std::uint32_t(data.size()), head);
    std::memcpy(head + 4, type, 4);
    uLong crc = crc32(0, head + 4, 4);
    // Given no bytes at all, zlib would start the CRC afresh.
    if (!data.empty()) crc = crc32_z(crc, data.data(), data.size());
    uchar tail[4];
    PutBigEndian(std::uint32_t(crc), tail);
    const auto bytes = qint64(data.size());
    return out.write(reinterpret_cast<const char*>(head), 8) == 8 &&
           (bytes == 0 || out.write(reinterpret_cast<const char*>(data.data()), bytes) == bytes) &&
           out.write(reinterpret_cast<const char*>(tail), 4) == 4;
}

struct IdatWriter::Pool {
    Pool(QIODevice& device, std::size_t bytes, int rows, RowFilter predicted,
         const CompressionBatches& batches)
        : out(device), rowBytes(bytes), height(rows), filter(predicted) {
        batchRows = batches.rows > 0
                        ? batches.rows
                        : int(std::clamp<std::size_t>(kBatchBytes / std::max<std::size_t>(bytes, 1),
                                                      1, std::size_t(std::max(rows, 1))));
        int workers = batches.workers;
        if (workers <= 0)
            workers = std::clamp(int(std::thread::hardware_concurrency()), 1, kMostWorkers);
        // One batch filling while each worker has one: the painting goes on as they compress.
        mostInFlight = std::size_t(workers) + 1;
        for (int i = 0; i < workers; ++i) threads.emplace_back([this] { work(); });
    }

    ~Pool() {
        {
            const std::lock_guard lock(mutex);
            stopping = true;
        }
        waiting.notify_all();
        for (std::thread& t : threads) t.join();
    }

    void work() {
        Coder coder;
        // zlib only for the batches that are pictures rather than runs.
        coder.ready = deflateInit2(&coder.z, 1, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) == Z_OK;
        coder.line.resize(rowBytes + 1);
        while (true) {
            Batch* batch = nullptr;
            {
                std::unique_lock lock(mutex);
                waiting.wait(lock, [this] { return stopping || !queue.empty(); });
                if (stopping) break;
                batch = queue.front();
                queue.pop_front();
                batch->state = Batch::State::Compressing;
            }
            const bool done = Compress(coder, *batch, rowBytes, filter);
            {
                const std::lock_guard lock(mutex);
                batch->state = done ? Batch::State::Done : Batch::State::Failed;
            }
            finished.notify_all();
        }
        if (coder.ready) deflateEnd(&coder.z);
    }

    std::unique_ptr<Batch> freshBatch() {
        std::unique_ptr<Batch> batch;
        if (!spare.empty()) {
            batch = std::move(spare.back());
            spare.pop_back();
        } else {
            batch = std::make_unique<Batch>();
        }
        batch->rows.resize((std::size_t(batchRows) + 1) * rowBytes);
        batch->count = 0;
        batch->first = rowsTaken == 0;
        batch->last = false;
        batch->state = Batch::State::Waiting;
        return batch;
    }

    void submit() {
        filling->last = rowsTaken == height;
        Batch* batch = filling.get();
        {
            const std::lock_guard lock(mutex);
            inFlight.push_back(std::move(filling));
            queue.push_back(batch);
        }
        waiting.notify_one();
    }

    // Writes the oldest batch once it is compressed; the stream's checksum after the last.
    bool writeOldest() {
        std::unique_ptr<Batch> batch;
        {
            std::unique_lock lock(mutex);
            finished.wait(lock, [this] {
                const Batch::State state = inFlight.front()->state;
                return state == Batch::State::Done || state == Batch::State::Failed;
            });
            batch = std::move(inFlight.front());
            inFlight.pop_front();
        }
        if (batch->state == Batch::State::Failed) return false;
        adler = adler32_combine(adler, batch->adler, z_off_t(batch->filtered));
        std::vector<uchar>& packed = batch->packed;
        if (batch->last) {
            packed.resize(packed.size() + 4);
            PutBigEndian(std::uint32_t(adler), packed.data() + packed.size() - 4);
        }
        for (std::size_t at = 0; at < packed.size(); at += kChunkBytes) {
            const std::size_t length = std::min(kChunkBytes, packed.size() - at);
            if (!WritePngChunk(out, "IDAT", {packed.data() + at, length})) return false;
        }
        spare.push_back(std::move(batch));
        return true;
    }

    QIODevice& out;
    const std::size_t rowBytes;
    const int height;
    const RowFilter filter;
    int batchRows = 1;
    std::size_t mostInFlight = 2;
    int rowsTaken = 0;
    uLong adler = 1;
    bool failed = false;
    std::unique_ptr<Batch> filling;
    std::vector<uchar> lastRow;
    std::vector<std::unique_ptr<Batch>> spare;

    std::mutex mutex;
    std::condition_variable waiting;   // a batch to compress, or the end
    std::condition_variable finished;  // a batch compressed
    bool stopping = false;
    std::deque<std::unique_ptr<Batch>> inFlight;  // in the order of their rows
    std::deque<Batch*> queue;                     // not yet taken by a worker
    std::vector<std::thread> threads;
};

IdatWriter::IdatWriter(QIODevice& out, std::size_t rowBytes, int height, RowFilter filter,
                       const CompressionBatches& batches)
    : pool_(std::make_unique<Pool>(out, rowBytes, height, filter, batches)) {}

IdatWriter::~IdatWriter() = default;

bool IdatWriter::writeRow(const uchar* row) {
    Pool& p = *pool_;
    if (p.failed || p.rowsTaken >= p.height) return false;
    if (!p.filling) {
        // The row above comes along, for the filters that predict from it.
        p.filling = p.freshBatch();
        if (!p.filling->first) std::copy_n(p.lastRow.data(), p.rowBytes, p.filling->rows.data());
    }
    Batch& batch = *p.filling;
    uchar* to = batch.rows.data() + (std::size_t(batch.count) + 1) * p.rowBytes;
    std::memcpy(to, row, p.rowBytes);
    ++batch.count;
    ++p.rowsTaken;
    if (batch.count < p.batchRows && p.rowsTaken < p.height) return true;
    p.lastRow.assign(to, to + p.rowBytes);
    p.submit();
    while (p.inFlight.size() >= p.mostInFlight) {
        if (!p.writeOldest()) return !(p.failed = true);
    }
    return true;
}

bool IdatWriter::finish() {
    Pool& p = *pool_;
    if (p.failed || p.rowsTaken != p.height || p.height <= 0) return false;
    while (!p.inFlight.empty()) {
        if (!p.writeOldest()) return !(p.failed = true);
    }
    return true;
}

}  // namespace quirn
