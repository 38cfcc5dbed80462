#include "ParallelInflate.h"

#include "Codec.h"
#include "DeflateScan.h"

#include <algorithm>
#include <cstring>
#include <libdeflate.h>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace amx {

namespace {

using deflate::BlockStart;
using deflate::windowSize;

constexpr size_t partSize = 1u << 20; // what the sink gets at a time
// Room before a chunk's data for the blocks that carry its window to libdeflate.
constexpr size_t prefixRoom = 40u << 10;
// Room after a chunk's data for the blocks that close it.
constexpr size_t closeRoom = 32;
// A chunk is closed with a final stored block of these bytes: a stream that
// ended on a block of its own where the close begins would have to produce
// them too, to be taken for one that reached the close.
constexpr uint8_t closeMark[8] = { 0x9e, 0x3a, 0x5b, 0xd1, 0x27, 0xc4, 0x80, 0x6f };

struct Plan
{
    uint64_t packed;
    uint64_t chunk; // packed bytes per chunk
    size_t reach;
    size_t count;
    double ratio;
    uint64_t plainCap; // largest output one chunk may hold

    uint64_t begin(size_t i) const { return std::min<uint64_t>(i * chunk, packed); }
    // Memory a chunk holds in flight, about.
    uint64_t weight() const { return chunk + reach + uint64_t(double(chunk) * ratio * 1.25); }
    // Bits in which chunk k looks for its first block.
    uint64_t searchBits(size_t k) const
    {
        return std::min<uint64_t>(std::min<uint64_t>(reach / 2, chunk), visible(k)) * 8;
    }
    // The packed bytes the search of chunk k may see, the same whoever searches.
    size_t visible(size_t k) const { return size_t(std::min<uint64_t>(reach, packed - begin(k))); }
};

// The first block of each chunk, found once by whichever job needs it first:
// a chunk's own job, or the one before it, which must stop there.
class Starts
{
public:
    explicit Starts(size_t n)
        : m_state(n, 0)
        , m_at(n)
    {
    }

    // `data` holds the packed bytes from the start of chunk k on, at least
    // visible(k) of them. Empty when there is none, or on stop.
    std::optional<BlockStart> get(size_t k, const Plan &plan, const uint8_t *data,
        deflate::Symbols &scratch, const std::atomic<bool> &stop)
    {
        {
            std::lock_guard lock(m_mutex);
            if (m_state[k] == 1)
                return m_at[k];
            if (m_state[k] == 2)
                return std::nullopt;
        }
        auto found =
            deflate::findStart(data, plan.visible(k), 0, plan.searchBits(k), scratch, &stop);
        if (stop)
            return std::nullopt;
        if (found)
            found->bit += plan.begin(k) * 8;
        std::lock_guard lock(m_mutex);
        m_state[k] = found ? 1 : 2;
        if (found)
            m_at[k] = *found;
        return found;
    }

    std::optional<BlockStart> known(size_t k)
    {
        std::lock_guard lock(m_mutex);
        if (k < m_state.size() && m_state[k] == 1)
            return m_at[k];
        return std::nullopt;
    }

private:
    std::mutex m_mutex;
    std::vector<int8_t> m_state; // 0 not yet looked for, 1 found, 2 none
    std::vector<BlockStart> m_at;
};

// A buffer that is not zero-filled; a large one in huge pages, so that
// filling it costs few page faults.
struct Bytes
{
    std::unique_ptr<ByteBuffer> buffer;
    uint8_t *data = nullptr;
    size_t size = 0;

    Bytes() = default;
    Bytes(Bytes &&o) noexcept { *this = std::move(o); }
    Bytes &operator=(Bytes &&o) noexcept
    {
        buffer = std::move(o.buffer);
        data = std::exchange(o.data, nullptr);
        size = std::exchange(o.size, 0);
        return *this;
    }

    void reserve(size_t n)
    {
        if (n > size) {
            buffer.reset();
            buffer = std::make_unique<ByteBuffer>(n);
            data = reinterpret_cast<uint8_t *>(buffer->data());
            size = n;
        }
    }
};

// Plain output buffers go back to a pool once handed on, so that the next
// chunks do not fault in fresh pages.
class Pool
{
public:
    Bytes take()
    {
        std::lock_guard lock(m_mutex);
        if (m_free.empty())
            return {};
        Bytes b = std::move(m_free.back());
        m_free.pop_back();
        return b;
    }
    void give(Bytes b)
    {
        std::lock_guard lock(m_mutex);
        if (b.buffer && m_free.size() < 4)
            m_free.push_back(std::move(b));
    }
    deflate::Symbols takeSymbols()
    {
        std::lock_guard lock(m_mutex);
        if (m_freeSymbols.empty())
            return {};
        deflate::Symbols s = std::move(m_freeSymbols.back());
        m_freeSymbols.pop_back();
        return s;
    }
    void give(deflate::Symbols s)
    {
        std::lock_guard lock(m_mutex);
        if (m_freeSymbols.size() < 4)
            m_freeSymbols.push_back(std::move(s));
    }

private:
    std::mutex m_mutex;
    std::vector<Bytes> m_free;
    std::vector<deflate::Symbols> m_freeSymbols;
};

struct DecompressorDeleter
{
    void operator()(libdeflate_decompressor *d) const { libdeflate_free_decompressor(d); }
};

libdeflate_decompressor *decompressor()
{
    thread_local std::unique_ptr<libdeflate_decompressor, DecompressorDeleter> d(
        libdeflate_alloc_decompressor());
    if (!d)
        throw std::bad_alloc();
    return d.get();
}

// Writes deflate bits, first bit lowest, as the format packs them.
class BitWriter
{
public:
    explicit BitWriter(std::vector<uint8_t> &out)
        : m_out(out)
    {
    }
    void put(uint32_t value, unsigned n)
    {
        m_acc |= uint64_t(value) << m_count;
        m_count += n;
        while (m_count >= 8) {
            m_out.push_back(uint8_t(m_acc));
            m_acc >>= 8;
            m_count -= 8;
        }
    }
    // A fixed-code literal; the codes are sent highest bit first.
    void literal(uint8_t c)
    {
        if (c < 144)
            put(reversed(0x30 + c, 8), 8);
        else
            put(reversed(0x190 + c - 144, 9), 9);
    }
    void emptyBlock() { put(2, 10); } // not final, fixed codes, end code 0000000
    // The bits written so far, the last byte partly filled.
    uint64_t bits() const { return m_out.size() * 8 + m_count; }
    void flush()
    {
        if (m_count)
            m_out.push_back(uint8_t(m_acc));
        m_acc = 0;
        m_count = 0;
    }

private:
    static uint32_t reversed(uint32_t code, unsigned n)
    {
        uint32_t r = 0;
        for (unsigned i = 0; i < n; ++i, code >>= 1)
            r = (r << 1) | (code & 1);
        return r;
    }
    std::vector<uint8_t> &m_out;
    uint64_t m_acc = 0;
    unsigned m_count = 0;
};

// Blocks that produce `window` as the last output before the bit `at`: they
// end at a bit position with the same offset in its byte as `at`, so the
// packed data can follow them unshifted and its stored blocks stay aligned.
// Returns the bits; `outLead` is the count of output bytes before the window.
std::vector<uint8_t> windowBlocks(
    const uint8_t *window, unsigned at, uint64_t &bitCount, size_t &outLead)
{
    uint64_t literalBits = 10;
    for (size_t i = 0; i < windowSize; ++i)
        literalBits += window[i] < 144 ? 8 : 9;
    // Empty blocks add 10 bits each, one holding a 9-bit literal 19: between
    // them every offset in a byte can be reached.
    for (unsigned odd = 0; odd < 2; ++odd)
        for (unsigned empty = 0; empty < 4; ++empty) {
            uint64_t total = literalBits + odd * 19 + empty * 10;
            if (total % 8 != at)
                continue;
            std::vector<uint8_t> out;
            out.reserve(size_t(total / 8 + 2));
            BitWriter w(out);
            if (odd) {
                w.put(2, 3);
                w.literal(0x90);
                w.put(0, 7);
            }
            for (unsigned i = 0; i < empty; ++i)
                w.emptyBlock();
            w.put(2, 3);
            for (size_t i = 0; i < windowSize; ++i)
                w.literal(window[i]);
            w.put(0, 7);
            bitCount = w.bits();
            w.flush();
            outLead = odd;
            return out;
        }
    return {}; // not reached: the search above covers every offset
}

class ChunkJob : public Job
{
public:
    enum class Status { Failed, Ok, NoStart, ReadFailed, TooLarge };

    size_t index = 0;
    const Plan *plan = nullptr;
    Starts *starts = nullptr;
    Pool *pool = nullptr;
    const PackedReader *read = nullptr;

    Status status = Status::Failed;
    BlockStart start;
    std::optional<BlockStart> end; // where the next chunk starts; none at the stream's end
    deflate::Symbols marked; // the output before libdeflate took over
    Bytes plain; // the rest, from plainFrom to plainEnd
    size_t plainFrom = 0;
    size_t plainEnd = 0;
    std::vector<uint32_t> crcs; // of each part of the rest

    uint64_t weight() const override { return plan->weight(); }

    void run(const std::atomic<bool> &stop) override
    {
        try {
            work(stop);
        } catch (const std::bad_alloc &) {
            status = Status::Failed;
        }
    }

private:
    void work(const std::atomic<bool> &stop)
    {
        if (stop)
            return;
        const uint64_t from = plan->begin(index);
        const uint64_t next = plan->begin(index + 1);
        const uint64_t to = std::min<uint64_t>(next + plan->reach, plan->packed);
        const size_t n = size_t(to - from);
        thread_local Bytes input;
        input.reserve(prefixRoom + n + closeRoom);
        uint8_t *in = input.data + prefixRoom;
        if (!(*read)(reinterpret_cast<char *>(in), n, from)) {
            status = Status::ReadFailed;
            return;
        }
        std::memset(in + n, 0, closeRoom);
        const uint64_t base = from * 8;
        thread_local deflate::Symbols scratch;
        if (index == 0) {
            start = {};
        } else {
            auto found = starts->get(index, *plan, in, scratch, stop);
            if (!found) {
                status = stop ? Status::Failed : Status::NoStart;
                return;
            }
            start = *found;
        }
        std::optional<BlockStart> target;
        if (next < plan->packed) {
            target = starts->get(index + 1, *plan, in + (next - from), scratch, stop);
            if (stop)
                return;
        }
        end = target;

        uint64_t cleanAt = 0;
        if (index > 0) {
            deflate::MarkedInflater dec(in, n);
            marked = pool->takeSymbols();
            BlockStart at = start;
            at.bit -= base;
            dec.begin(at);
            marked.clear();
            for (;;) {
                if (stop)
                    return;
                deflate::BlockResult r = dec.block(marked);
                if (r == deflate::BlockResult::End) {
                    end.reset();
                    status = Status::Ok;
                    return;
                }
                if (r != deflate::BlockResult::Ok)
                    return;
                uint64_t pos = dec.position() + base;
                if (target) {
                    BlockStart here = deflate::startAt(in, n, pos - base);
                    here.bit += base;
                    if (here.bit >= target->bit) {
                        if (here.sameAs(*target)) {
                            end = here; // with the final bit the search could only guess
                            status = Status::Ok;
                        }
                        return;
                    }
                }
                if (marked.size() > plan->plainCap) {
                    status = Status::TooLarge;
                    return;
                }
                if (dec.clean(marked.size())) {
                    cleanAt = pos;
                    break;
                }
            }
        }
        inflateRest(in, n, base, cleanAt, target);
    }

    // From `cleanAt`, where the window is known, to the target with libdeflate.
    void inflateRest(uint8_t *in, size_t n, uint64_t base, uint64_t cleanAt,
        const std::optional<BlockStart> &target)
    {
        const size_t first = size_t((cleanAt - base) >> 3);
        uint8_t *begin = in + first;
        size_t lead = 0; // output bytes before the chunk's own
        uint8_t window[windowSize];
        if (index > 0) {
            const uint16_t *w = marked.data() + marked.size() - windowSize;
            for (size_t i = 0; i < windowSize; ++i)
                window[i] = uint8_t(w[i]);
            uint64_t bits = 0;
            size_t outLead = 0;
            const unsigned offset = unsigned(cleanAt & 7);
            std::vector<uint8_t> blocks = windowBlocks(window, offset, bits, outLead);
            // The last, partial byte of the blocks shares its byte with the data.
            size_t whole = size_t(bits >> 3);
            begin = in + first - whole;
            std::memcpy(begin, blocks.data(), whole);
            if (offset) {
                uint8_t low = uint8_t((1u << offset) - 1);
                in[first] = uint8_t((blocks[whole] & low) | (in[first] & ~low));
            }
            lead = outLead + windowSize;
        }
        // Close the chunk where the next one starts with a final stored
        // block of the mark.
        size_t stop = n;
        size_t endOk = 0, endAlso = 0;
        uint64_t changed = 0; // the first bit the close replaced, from `begin`
        if (target) {
            const uint64_t t = target->bit - base;
            size_t at = size_t(t >> 3);
            changed = uint64_t(in + at - begin) * 8;
            if (target->stored) {
                // The stored block's own header is kept: give it no data.
                // A final one ends there, before the close.
                static const uint8_t empty[4] = { 0, 0, 0xff, 0xff };
                std::memcpy(in + at, empty, sizeof empty);
                at += sizeof empty;
                endAlso = at;
                in[at++] = 1; // final, stored
            } else {
                const unsigned s = unsigned(t & 7);
                changed += s;
                in[at] = uint8_t((in[at] & ((1u << s) - 1)) | (1u << s));
                ++at;
                if (s > 5) // the header's type bits reach into the next byte
                    in[at++] = 0;
            }
            static const uint8_t length[4] = { sizeof closeMark, 0, 0xff - sizeof closeMark, 0xff };
            std::memcpy(in + at, length, sizeof length);
            std::memcpy(in + at + sizeof length, closeMark, sizeof closeMark);
            stop = at + sizeof length + sizeof closeMark;
            endOk = stop;
        }
        const size_t inSize = size_t(in + stop - begin);
        endOk = endOk ? inSize : 0;
        endAlso = endAlso ? size_t(in + endAlso - begin) : 0;

        plain = pool->take();
        // One size for most chunks, so that the pooled buffers fit again.
        size_t want = lead + size_t(double(stop - first) * plan->ratio * 1.25) + (64u << 10);
        want = std::max(want, lead + size_t(double(plan->chunk) * plan->ratio * 1.5));
        want = size_t(std::min<uint64_t>(want, plan->plainCap + lead));
        want = (want + (1u << 20) - 1) & ~size_t((1u << 20) - 1);
        if (plain.size < want)
            plain.reserve(want);
        for (;;) {
            size_t used = 0, got = 0;
            auto r = libdeflate_deflate_decompress_ex(
                decompressor(), begin, inSize, plain.data, plain.size, &used, &got);
            if (r == LIBDEFLATE_INSUFFICIENT_SPACE) {
                if (plain.size >= plan->plainCap + lead) {
                    status = Status::TooLarge;
                    return;
                }
                plain.reserve(size_t(std::min<uint64_t>(plain.size * 2, plan->plainCap + lead)));
                continue;
            }
            if (r != LIBDEFLATE_SUCCESS || got < lead)
                return;
            if (!target) {
                end.reset();
            } else if (used == endOk) {
                // Through the close, unless a block of the stream's own
                // happened to end in its last byte.
                if (got < lead + sizeof closeMark
                    || std::memcmp(plain.data + got - sizeof closeMark, closeMark, sizeof closeMark)
                        != 0)
                    return;
                got -= sizeof closeMark;
                if (end->stored)
                    end->final = false;
            } else if (used == endAlso) {
                end->final = true; // the stored block is the stream's last
            } else if (uint64_t(used) * 8 <= changed) {
                // The stream ended on a final block of its own before the next chunk.
                end.reset();
            } else {
                // It ended inside what the close replaced: not the stream's
                // own end. Inflated in one piece instead.
                return;
            }
            plainFrom = lead;
            plainEnd = got;
            break;
        }
        if (index > 0 && std::memcmp(plain.data + lead - windowSize, window, windowSize) != 0)
            return;
        for (size_t at = plainFrom; at < plainEnd; at += partSize)
            crcs.push_back(crc32Update(0, plain.data + at, std::min(partSize, plainEnd - at)));
        status = Status::Ok;
    }
};

// Inflates with zlib from a block start whose window is known, to the end of
// the stream, or to the first block start that `stopAt` takes.
class Sequential
{
public:
    Sequential(uint64_t packed, const PackedReader &read, const PlainSink &sink)
        : m_packed(packed)
        , m_read(read)
        , m_sink(sink)
    {
    }

    enum class Outcome { Ended, Stopped, Bad, ReadFailed };

    Outcome run(const BlockStart &from, const std::string &window,
        const std::function<bool(const BlockStart &)> &stopAt, std::string &windowOut)
    {
        ZStream z = makeInflater();
        uint64_t at = from.bit >> 3;
        if (from.stored) {
            inflatePrime(z.get(), 3, from.final ? 1 : 0);
        } else if (from.bit & 7) {
            unsigned char b;
            if (!m_read(reinterpret_cast<char *>(&b), 1, at))
                return Outcome::ReadFailed;
            unsigned s = unsigned(from.bit & 7);
            inflatePrime(z.get(), int(8 - s), b >> s);
            ++at;
        }
        if (!window.empty())
            inflateSetDictionary(
                z.get(), reinterpret_cast<const Bytef *>(window.data()), uInt(window.size()));
        windowOut = window;
        std::string in(partSize, '\0'), out(partSize, '\0');
        for (;;) {
            if (z->avail_in == 0 && at < m_packed) {
                size_t n = size_t(std::min<uint64_t>(in.size(), m_packed - at));
                if (!m_read(in.data(), n, at))
                    return Outcome::ReadFailed;
                at += n;
                z->next_in = reinterpret_cast<Bytef *>(in.data());
                z->avail_in = uInt(n);
            }
            z->next_out = reinterpret_cast<Bytef *>(out.data());
            z->avail_out = uInt(out.size());
            int rc = inflate(z.get(), stopAt ? Z_BLOCK : Z_NO_FLUSH);
            if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR)
                return Outcome::Bad;
            size_t got = out.size() - z->avail_out;
            if (got) {
                m_sink(out.data(), got, crc32Update(0, out.data(), got));
                keepWindow(windowOut, out.data(), got);
            } else if (rc == Z_BUF_ERROR) {
                return Outcome::Bad; // no progress: damaged, or the data ends early
            }
            if (rc == Z_STREAM_END)
                return Outcome::Ended;
            if (stopAt && (z->data_type & 128)) {
                uint64_t pos = (at - z->avail_in) * 8 - unsigned(z->data_type & 63);
                unsigned char head[8] = {};
                size_t n = size_t(std::min<uint64_t>(8, m_packed - std::min(m_packed, pos >> 3)));
                if (n && !m_read(reinterpret_cast<char *>(head), n, pos >> 3))
                    return Outcome::ReadFailed;
                BlockStart here = deflate::startAt(head, n, pos & 7);
                here.bit += (pos >> 3) * 8;
                if (stopAt(here))
                    return Outcome::Stopped;
            }
        }
    }

    static void keepWindow(std::string &window, const char *p, size_t n)
    {
        if (n >= windowSize) {
            window.assign(p + n - windowSize, windowSize);
            return;
        }
        window.append(p, n);
        if (window.size() > windowSize)
            window.erase(0, window.size() - windowSize);
    }

private:
    uint64_t m_packed;
    const PackedReader &m_read;
    const PlainSink &m_sink;
};

} // namespace

ParallelInflateResult parallelInflate(Pipeline &workers, uint64_t packedSize,
    const PackedReader &read, const PlainSink &sink, const ParallelInflateOptions &options)
{
    Plan plan;
    plan.packed = packedSize;
    plan.ratio = std::max(1.0, options.ratio);
    plan.chunk = std::clamp<uint64_t>(uint64_t(double(options.chunkPlain) / plan.ratio),
        std::min<uint64_t>(64u << 10, options.chunkPlain), 8u << 20);
    plan.reach = std::max<size_t>(options.reach, 1024);
    plan.count = size_t((packedSize + plan.chunk - 1) / plan.chunk);
    plan.plainCap = std::max<uint64_t>(options.chunkPlain * 4, 4 * windowSize);
    Starts starts(plan.count + 1);
    Pool pool;
    Sequential sequential(packedSize, read, sink);

    std::string window; // the last 32 KiB handed on
    std::string part;
    BlockStart expected;
    size_t submitted = 0;

    auto submit = [&] {
        auto job = std::make_unique<ChunkJob>();
        job->index = submitted++;
        job->plan = &plan;
        job->starts = &starts;
        job->pool = &pool;
        job->read = &read;
        workers.submit(std::move(job));
    };
    // Hands on a chunk inflated with markers, once its window is known.
    auto resolve = [&](const deflate::Symbols &marked) {
        const size_t have = window.size();
        for (size_t at = 0; at < marked.size(); at += partSize) {
            size_t n = std::min(partSize, marked.size() - at);
            part.resize(n);
            for (size_t i = 0; i < n; ++i) {
                uint16_t s = marked[at + i];
                if (s < deflate::markerBase) {
                    part[i] = char(s);
                    continue;
                }
                // The window is shorter only at the stream's start.
                size_t w = s - deflate::markerBase;
                if (w < windowSize - have)
                    return false;
                part[i] = window[w - (windowSize - have)];
            }
            // The window moves only after the whole chunk: markers name the one before it.
            sink(part.data(), n, crc32Update(0, part.data(), n));
        }
        return true;
    };
    // Inflates from `from` in one piece until a block starts where a later
    // chunk found its first one; that chunk and those after it go on.
    size_t resumeAt = 0;
    BlockStart resumeStart;
    auto inflateUntilChunk = [&](const BlockStart &from, size_t after) {
        std::string windowAfter;
        auto outcome = sequential.run(
            from, window,
            [&](const BlockStart &here) {
                size_t k = size_t(here.bit / 8 / plan.chunk);
                if (k <= after || k >= plan.count)
                    return false;
                auto found = starts.known(k);
                if (!found || !found->sameAs(here))
                    return false;
                resumeAt = k;
                resumeStart = here;
                return true;
            },
            windowAfter);
        window = std::move(windowAfter);
        return outcome;
    };

    try {
        for (size_t taken = 0; taken < plan.count; ++taken) {
            while (submitted < plan.count && (submitted == taken || workers.hasRoom(plan.weight())))
                submit();
            std::unique_ptr<Job> done = workers.next();
            // The next chunk goes to the worker that just finished, while this one is handed on.
            while (submitted < plan.count && workers.hasRoom(plan.weight()))
                submit();
            auto &c = static_cast<ChunkJob &>(*done);
            if (c.status == ChunkJob::Status::ReadFailed) {
                workers.dropAll();
                return ParallelInflateResult::ReadFailed;
            }
            // A stored block's final bit lies before the byte a search names it
            // by; the chunk before it read the bit, the search only guessed.
            bool good = c.status == ChunkJob::Status::Ok
                && (taken == 0
                    || (c.start.sameAs(expected)
                        && (!expected.stored || c.start.final == expected.final)));
            if (good) {
                std::string before = window;
                if (!resolve(c.marked)) {
                    good = false;
                } else {
                    // The window for the next chunk: this one's last 32 KiB.
                    if (!c.marked.empty()) {
                        size_t n = std::min(c.marked.size(), windowSize);
                        std::string tail(n, '\0');
                        for (size_t i = 0; i < n; ++i) {
                            uint16_t s = c.marked[c.marked.size() - n + i];
                            tail[i] = s < deflate::markerBase
                                ? char(s)
                                : before[s - deflate::markerBase - (windowSize - before.size())];
                        }
                        Sequential::keepWindow(window, tail.data(), tail.size());
                    }
                    const char *p = reinterpret_cast<const char *>(c.plain.data);
                    size_t k = 0;
                    for (size_t at = c.plainFrom; at < c.plainEnd; at += partSize, ++k) {
                        size_t n = std::min(partSize, c.plainEnd - at);
                        sink(p + at, n, c.crcs[k]);
                    }
                    if (c.plainEnd > c.plainFrom)
                        Sequential::keepWindow(window, p + c.plainFrom, c.plainEnd - c.plainFrom);
                    pool.give(std::move(c.plain));
                    pool.give(std::move(c.marked));
                    if (!c.end) {
                        workers.dropAll();
                        return ParallelInflateResult::Ok;
                    }
                    expected = *c.end;
                    continue;
                }
            }
            // This chunk could not be done on its own (a block start was
            // wrongly guessed, or its output is too large): inflate in one
            // piece to the start of a later chunk that was found right.
            pool.give(std::move(c.plain));
            auto outcome = inflateUntilChunk(expected, taken);
            if (outcome == Sequential::Outcome::Stopped) {
                for (size_t k = taken + 1; k < resumeAt; ++k) {
                    if (submitted <= k)
                        submit();
                    auto skipped = workers.next();
                    pool.give(std::move(static_cast<ChunkJob &>(*skipped).plain));
                }
                expected = resumeStart;
                taken = resumeAt - 1;
                continue;
            }
            workers.dropAll();
            if (outcome == Sequential::Outcome::Ended)
                return ParallelInflateResult::Ok;
            return outcome == Sequential::Outcome::ReadFailed ? ParallelInflateResult::ReadFailed
                                                              : ParallelInflateResult::BadData;
        }
    } catch (...) {
        workers.dropAll();
        throw;
    }
    workers.dropAll();
    // Every chunk was handed on and the stream has not ended.
    return ParallelInflateResult::BadData;
}

} // namespace amx
