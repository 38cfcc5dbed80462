// Reading a raw deflate stream from the middle: finding where a block starts
// without knowing what came before, and inflating from there while the 32 KiB
// that came before are still unknown. The output is 16-bit symbols: a byte, or
// a marker naming the byte of the unknown window it copies, to be replaced once
// that window is known.
#pragma once

#include "Codec.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>

namespace amx::deflate {

constexpr size_t windowSize = 32768;
// A marker is markerBase + the position of a byte in the unknown window.
constexpr uint16_t markerBase = 256;

// Inflated symbols: grows without initialising what it adds, since the
// inflater sizes it ahead and writes every element it keeps.
class Symbols
{
public:
    size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    void clear() { m_size = 0; }
    uint16_t *data() { return m_data; }
    const uint16_t *data() const { return m_data; }
    uint16_t operator[](size_t i) const { return m_data[i]; }
    void resize(size_t n)
    {
        if (n > m_capacity) {
            size_t capacity = std::max(n, m_capacity * 2);
            auto bigger = std::make_unique<ByteBuffer>(capacity * sizeof(uint16_t));
            if (m_size)
                std::memcpy(bigger->data(), m_data, m_size * sizeof(uint16_t));
            m_buffer = std::move(bigger);
            m_data = reinterpret_cast<uint16_t *>(m_buffer->data());
            m_capacity = capacity;
        }
        m_size = n;
    }

    Symbols() = default;
    Symbols(Symbols &&o) noexcept { *this = std::move(o); }
    Symbols &operator=(Symbols &&o) noexcept
    {
        m_buffer = std::move(o.m_buffer);
        m_data = std::exchange(o.m_data, nullptr);
        m_size = std::exchange(o.m_size, 0);
        m_capacity = std::exchange(o.m_capacity, 0);
        return *this;
    }

private:
    std::unique_ptr<ByteBuffer> m_buffer; // large ones in huge pages: fewer faults
    uint16_t *m_data = nullptr;
    size_t m_size = 0;
    size_t m_capacity = 0;
};

// Where a block starts. A stored block is named by the byte where its length
// field starts: the bits between its header and that byte say nothing, and a
// search cannot tell where among them the header began.
struct BlockStart
{
    uint64_t bit = 0;
    bool stored = false;
    bool final = false; // of a stored block only

    bool sameAs(const BlockStart &o) const { return bit == o.bit && stored == o.stored; }
};

// The start of the block whose header begins at `bit`, as a search would name it.
BlockStart startAt(const uint8_t *data, size_t size, uint64_t bit);

enum class BlockResult {
    Ok, // a block was inflated; position() is where the next one starts
    End, // the block was the stream's last
    Bad, // not a valid stream from here
    Short, // the data ran out inside the block
};

class MarkedInflater
{
public:
    MarkedInflater(const uint8_t *data, size_t size);
    ~MarkedInflater();
    MarkedInflater(const MarkedInflater &) = delete;
    MarkedInflater &operator=(const MarkedInflater &) = delete;

    void begin(const BlockStart &at);
    // Inflates one block onto the end of `out`.
    BlockResult block(Symbols &out);
    // Bit position of the next block's header.
    uint64_t position() const;
    // True when none of the last 32 KiB of `out` depends on the unknown window.
    bool clean(size_t outSize) const
    {
        return int64_t(outSize) > m_lastMarker + int64_t(windowSize);
    }
    // The type of the last block begun: 0 stored, 1 fixed codes, 2 dynamic codes.
    unsigned lastType() const { return m_lastType; }

    struct Tables;

private:
    bool readHeader(unsigned type);
    bool storedBlock(Symbols &out, bool final);
    BlockResult codes(Symbols &out);

    const uint8_t *m_data;
    size_t m_size;
    size_t m_next = 0; // next byte to load into m_bits
    uint64_t m_bits = 0;
    unsigned m_count = 0;
    bool m_pendingStored = false;
    bool m_pendingFinal = false;
    int64_t m_lastMarker = -1;
    unsigned m_lastType = 0;
    Tables *m_tables;

    friend struct Reader;
};

// The first block start in [from, to) (bits) from which at least two blocks
// inflate and the header after them is sound, using only the bytes given.
// Blocks with fixed codes do not count: random bits pass for them too often.
// `scratch` is used for the trial inflation.
std::optional<BlockStart> findStart(const uint8_t *data, size_t size, uint64_t from, uint64_t to,
    Symbols &scratch, const std::atomic<bool> *stop = nullptr);

} // namespace amx::deflate
