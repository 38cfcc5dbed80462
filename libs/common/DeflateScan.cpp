#include "DeflateScan.h"

#include <algorithm>
#include <cstring>

namespace amx::deflate {

namespace {

constexpr unsigned fastBits = 10;
constexpr unsigned maxBits = 15;

// A canonical prefix code: a table for codes up to fastBits long, the rest
// found by counting (they are rare).
struct Code
{
    uint16_t fast[1u << fastBits]; // symbol << 4 | length; 0: not in the table
    unsigned mask; // of the table's index: as many bits as the longest code, up to fastBits
    uint16_t count[maxBits + 1];
    uint16_t sorted[288];
    bool empty;
};

enum class Kind { Lengths, Symbols };

unsigned reverse(unsigned code, unsigned len)
{
    unsigned r = 0;
    for (unsigned i = 0; i < len; ++i, code >>= 1)
        r = (r << 1) | (code & 1);
    return r;
}

// Builds a code from its lengths by the rules zlib applies, so that a stream
// is sound here exactly when it is sound there.
bool build(Code &c, const uint8_t *lens, unsigned n, Kind kind)
{
    std::memset(c.count, 0, sizeof c.count);
    for (unsigned s = 0; s < n; ++s)
        ++c.count[lens[s]];
    c.count[0] = 0;
    unsigned max = 0;
    for (unsigned l = 1; l <= maxBits; ++l)
        if (c.count[l])
            max = l;
    // A short code needs a short table: the finder builds many that fail.
    const unsigned tableBits = std::max(1u, std::min(max, fastBits));
    c.mask = (1u << tableBits) - 1;
    std::memset(c.fast, 0, sizeof(uint16_t) << tableBits);
    c.empty = max == 0;
    if (c.empty)
        return kind != Kind::Lengths;
    int left = 1;
    for (unsigned l = 1; l <= maxBits; ++l) {
        left <<= 1;
        left -= c.count[l];
        if (left < 0)
            return false;
    }
    if (left > 0 && (kind == Kind::Lengths || max != 1))
        return false;
    uint16_t offs[maxBits + 2];
    offs[1] = 0;
    for (unsigned l = 1; l <= maxBits; ++l)
        offs[l + 1] = uint16_t(offs[l] + c.count[l]);
    for (unsigned s = 0; s < n; ++s)
        if (lens[s])
            c.sorted[offs[lens[s]]++] = uint16_t(s);
    unsigned code = 0, at = 0;
    for (unsigned l = 1; l <= tableBits; ++l) {
        for (unsigned k = 0; k < c.count[l]; ++k, ++code, ++at) {
            unsigned entry = unsigned(c.sorted[at]) << 4 | l;
            for (unsigned i = reverse(code, l); i <= c.mask; i += 1u << l)
                c.fast[i] = uint16_t(entry);
        }
        code <<= 1;
    }
    return true;
}

// Decodes a code longer than the table covers, one bit at a time.
int slowDecode(const Code &c, uint64_t bits, unsigned &len)
{
    int code = 0, first = 0, index = 0;
    for (unsigned l = 1; l <= maxBits; ++l) {
        code |= int(bits & 1);
        bits >>= 1;
        int count = c.count[l];
        if (code - count < first) {
            len = l;
            return c.sorted[index + (code - first)];
        }
        index += count;
        first += count;
        first <<= 1;
        code <<= 1;
    }
    return -1;
}

const uint16_t lengthBase[29] = { 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31, 35, 43,
    51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258 };
const uint8_t lengthExtra[29] = { 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4,
    4, 4, 5, 5, 5, 5, 0 };
const uint16_t distBase[30] = { 1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129, 193, 257, 385,
    513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577 };
const uint8_t distExtra[30] = { 0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9,
    10, 10, 11, 11, 12, 12, 13, 13 };
const uint8_t lengthOrder[19] = { 16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1,
    15 };

// 64 bits of the stream from `bit` on, zeros past the end.
uint64_t peek(const uint8_t *data, size_t size, uint64_t bit)
{
    size_t byte = size_t(bit >> 3);
    uint64_t w = 0;
    if (byte + 8 <= size) {
        std::memcpy(&w, data + byte, 8);
    } else {
        for (size_t i = 0; i < 8 && byte + i < size; ++i)
            w |= uint64_t(data[byte + i]) << (8 * i);
    }
    return w >> (bit & 7);
}

} // namespace

struct MarkedInflater::Tables
{
    Code lit;
    Code dist;
};

namespace {

const MarkedInflater::Tables &fixedTables()
{
    static const MarkedInflater::Tables fixed = [] {
        MarkedInflater::Tables t;
        uint8_t lens[320];
        std::fill(lens, lens + 144, 8);
        std::fill(lens + 144, lens + 256, 9);
        std::fill(lens + 256, lens + 280, 7);
        std::fill(lens + 280, lens + 288, 8);
        std::fill(lens + 288, lens + 320, 5);
        build(t.lit, lens, 288, Kind::Symbols);
        build(t.dist, lens + 288, 32, Kind::Symbols);
        return t;
    }();
    return fixed;
}

} // namespace

// The bit buffer: refilled to at least 56 bits, the way libdeflate does it.
struct Reader
{
    static void refill(MarkedInflater &d)
    {
        if (d.m_next + 8 <= d.m_size) {
            uint64_t w;
            std::memcpy(&w, d.m_data + d.m_next, 8);
            d.m_bits |= w << d.m_count;
            d.m_next += (63 - d.m_count) >> 3;
            d.m_count |= 56;
            return;
        }
        while (d.m_count <= 56) {
            uint64_t b = d.m_next < d.m_size ? d.m_data[d.m_next] : 0;
            d.m_bits |= b << d.m_count;
            ++d.m_next;
            d.m_count += 8;
        }
    }
    static unsigned take(MarkedInflater &d, unsigned n)
    {
        unsigned v = unsigned(d.m_bits & ((uint64_t(1) << n) - 1));
        d.m_bits >>= n;
        d.m_count -= n;
        return v;
    }
    static int decode(MarkedInflater &d, const Code &c)
    {
        unsigned e = c.fast[d.m_bits & c.mask];
        unsigned len;
        int sym;
        if (e) {
            sym = int(e >> 4);
            len = e & 15;
        } else {
            sym = slowDecode(c, d.m_bits, len);
            if (sym < 0)
                return -1;
        }
        d.m_bits >>= len;
        d.m_count -= len;
        return sym;
    }
    // True once the reader has gone past the end of the data.
    static bool over(const MarkedInflater &d) { return d.position() > uint64_t(d.m_size) * 8; }
};

MarkedInflater::MarkedInflater(const uint8_t *data, size_t size)
    : m_data(data)
    , m_size(size)
    , m_tables(new Tables)
{
}

MarkedInflater::~MarkedInflater()
{
    delete m_tables;
}

void MarkedInflater::begin(const BlockStart &at)
{
    m_next = size_t(at.bit >> 3);
    m_bits = 0;
    m_count = 0;
    m_pendingStored = at.stored;
    m_pendingFinal = at.final;
    m_lastMarker = -1;
    if (!at.stored && (at.bit & 7)) {
        Reader::refill(*this);
        Reader::take(*this, unsigned(at.bit & 7));
    }
}

uint64_t MarkedInflater::position() const
{
    return uint64_t(m_next) * 8 - m_count;
}

bool MarkedInflater::readHeader(unsigned type)
{
    if (type == 1) {
        const Tables &f = fixedTables();
        m_tables->lit = f.lit;
        m_tables->dist = f.dist;
        return true;
    }
    Reader::refill(*this);
    unsigned nlen = Reader::take(*this, 5) + 257;
    unsigned ndist = Reader::take(*this, 5) + 1;
    unsigned ncode = Reader::take(*this, 4) + 4;
    if (nlen > 286 || ndist > 30)
        return false;
    uint8_t lens[320] = {};
    Reader::refill(*this);
    for (unsigned i = 0; i < ncode; ++i) {
        if (i == 14)
            Reader::refill(*this);
        lens[lengthOrder[i]] = uint8_t(Reader::take(*this, 3));
    }
    Code &lengths = m_tables->lit; // used for the code lengths first, then rebuilt
    if (!build(lengths, lens, 19, Kind::Lengths))
        return false;
    std::memset(lens, 0, 19);
    unsigned n = nlen + ndist;
    for (unsigned i = 0; i < n;) {
        Reader::refill(*this);
        if (Reader::over(*this))
            return false;
        int sym = Reader::decode(*this, lengths);
        if (sym < 0)
            return false;
        if (sym < 16) {
            lens[i++] = uint8_t(sym);
            continue;
        }
        unsigned rep;
        uint8_t value = 0;
        if (sym == 16) {
            if (i == 0)
                return false;
            value = lens[i - 1];
            rep = 3 + Reader::take(*this, 2);
        } else if (sym == 17) {
            rep = 3 + Reader::take(*this, 3);
        } else {
            rep = 11 + Reader::take(*this, 7);
        }
        if (i + rep > n)
            return false;
        std::fill(lens + i, lens + i + rep, value);
        i += rep;
    }
    if (lens[256] == 0)
        return false;
    return build(m_tables->lit, lens, nlen, Kind::Symbols)
        && build(m_tables->dist, lens + nlen, ndist, Kind::Symbols);
}

bool MarkedInflater::storedBlock(Symbols &out, bool aligned)
{
    if (!aligned)
        Reader::take(*this, unsigned((8 - (position() & 7)) & 7));
    Reader::refill(*this);
    unsigned len = Reader::take(*this, 16);
    unsigned nlen = Reader::take(*this, 16);
    if ((len ^ nlen) != 0xffff)
        return false;
    size_t at = size_t(position() >> 3);
    if (at + len > m_size) {
        m_next = m_size + 16; // past the end: the caller reports the data short
        m_count = 0;
        return true;
    }
    size_t was = out.size();
    out.resize(was + len);
    std::copy(m_data + at, m_data + at + len, out.data() + was);
    m_next = at + len;
    m_bits = 0;
    m_count = 0;
    return true;
}

BlockResult MarkedInflater::codes(Symbols &out)
{
    const Code &lit = m_tables->lit;
    const Code &dist = m_tables->dist;
    size_t pos = out.size();
    out.resize(pos + 65536);
    uint16_t *o = out.data();
    int64_t lastMarker = m_lastMarker;
    BlockResult result = BlockResult::Ok;
    for (;;) {
        if (pos + 258 > out.size()) {
            out.resize(pos + 65536);
            o = out.data();
        }
        Reader::refill(*this);
        if (m_next > m_size + 16) {
            result = BlockResult::Short;
            break;
        }
        int sym = Reader::decode(*this, lit);
        if (sym < 256) {
            if (sym < 0) {
                result = BlockResult::Bad;
                break;
            }
            o[pos++] = uint16_t(sym);
            continue;
        }
        if (sym == 256)
            break;
        sym -= 257;
        if (sym >= 29) {
            result = BlockResult::Bad;
            break;
        }
        unsigned length = lengthBase[sym] + Reader::take(*this, lengthExtra[sym]);
        int dsym = dist.empty ? -1 : Reader::decode(*this, dist);
        if (dsym < 0 || dsym >= 30) {
            result = BlockResult::Bad;
            break;
        }
        size_t d = distBase[dsym] + Reader::take(*this, distExtra[dsym]);
        if (d > pos + windowSize) {
            result = BlockResult::Bad;
            break;
        }
        int64_t src = int64_t(pos) - int64_t(d);
        uint16_t *to = o + pos;
        if (src > lastMarker) {
            const uint16_t *from = o + src;
            for (unsigned k = 0; k < length; ++k)
                to[k] = from[k];
        } else {
            for (unsigned k = 0; k < length; ++k) {
                int64_t s = src + k;
                uint16_t v = s < 0 ? uint16_t(markerBase + (s + int64_t(windowSize))) : o[s];
                to[k] = v;
                if (v >= markerBase)
                    lastMarker = int64_t(pos + k);
            }
        }
        pos += length;
    }
    out.resize(pos);
    m_lastMarker = lastMarker;
    if (result == BlockResult::Ok && Reader::over(*this))
        result = BlockResult::Short;
    return result;
}

BlockResult MarkedInflater::block(Symbols &out)
{
    bool final;
    if (m_pendingStored) {
        m_lastType = 0;
        m_pendingStored = false;
        final = m_pendingFinal;
        if (!storedBlock(out, true))
            return BlockResult::Bad;
    } else {
        Reader::refill(*this);
        if (Reader::over(*this))
            return BlockResult::Short;
        final = Reader::take(*this, 1);
        unsigned type = Reader::take(*this, 2);
        m_lastType = type;
        if (type == 3)
            return BlockResult::Bad;
        if (type == 0) {
            if (!storedBlock(out, false))
                return BlockResult::Bad;
        } else {
            if (!readHeader(type))
                return Reader::over(*this) ? BlockResult::Short : BlockResult::Bad;
            BlockResult r = codes(out);
            if (r != BlockResult::Ok)
                return r;
        }
    }
    if (Reader::over(*this))
        return BlockResult::Short;
    return final ? BlockResult::End : BlockResult::Ok;
}

BlockStart startAt(const uint8_t *data, size_t size, uint64_t bit)
{
    uint64_t w = peek(data, size, bit);
    if (((w >> 1) & 3) != 0)
        return { bit, false, false };
    return { (bit + 3 + 7) & ~uint64_t(7), true, bool(w & 1) };
}

std::optional<BlockStart> findStart(const uint8_t *data, size_t size, uint64_t from, uint64_t to,
    Symbols &scratch, const std::atomic<bool> *stop)
{
    to = std::min<uint64_t>(to, uint64_t(size) * 8);
    MarkedInflater trial(data, size);
    BlockStart passed[3]; // where the blocks of the last trial ended
    int passedCount = 0;
    auto decodes = [&](const BlockStart &at) {
        trial.begin(at);
        scratch.clear();
        passedCount = 0;
        // Two whole blocks, and a third that starts soundly: a false start
        // rarely gets that far.
        for (int n = 0; n < 3; ++n) {
            BlockResult r = trial.block(scratch);
            if (n > 0 && trial.lastType() == 1)
                return false;
            // A final block must end the data: small deflate streams stored
            // whole inside the stream would pass otherwise.
            if (r == BlockResult::End)
                return trial.position() + 64 >= uint64_t(size) * 8;
            if (r == BlockResult::Bad)
                return false;
            if (r == BlockResult::Short)
                return n == 2;
            passed[passedCount++] = startAt(data, size, trial.position());
        }
        return true;
    };
    // A stored block whose length field starts at byte a, by its looks.
    auto storedAt = [&](uint64_t a) -> std::optional<BlockStart> {
        if (a < 1 || a + 4 > size || (data[a - 1] & 0xc0) || (data[a] ^ data[a + 2]) != 0xff
            || (data[a + 1] ^ data[a + 3]) != 0xff)
            return std::nullopt;
        // A header right before the length may be marked final; one earlier,
        // followed by zero bits, is not.
        return BlockStart { a * 8, true, bool(data[a - 1] & 0x20) };
    };
    uint64_t storedNext = std::max<uint64_t>(1, (from + 3 + 7) / 8);
    for (uint64_t p = from; p < to; ++p) {
        if ((p & 0xffff) == 0 && stop && *stop)
            return std::nullopt;
        // A stored block whose header may start here comes first.
        for (; storedNext * 8 - 3 <= p; ++storedNext) {
            auto at = storedAt(storedNext);
            if (at && decodes(*at))
                return at;
        }
        uint64_t w = peek(data, size, p);
        if (((w >> 1) & 3) != 2 || ((w >> 3) & 31) > 29 || ((w >> 8) & 31) > 29)
            continue;
        // The code-length code must be complete.
        unsigned ncode = unsigned((w >> 13) & 15) + 4;
        uint64_t lens = peek(data, size, p + 17);
        unsigned sum = 0;
        for (unsigned i = 0; i < ncode; ++i) {
            unsigned l = unsigned(lens >> (3 * i)) & 7;
            if (l)
                sum += 128u >> l;
        }
        if (sum != 128)
            continue;
        BlockStart at { p, false, false };
        if (!decodes(at))
            continue;
        // Inside a stored block lies whatever the writer could not compress,
        // often other deflate streams, whose blocks look real. Their blocks
        // run past the stored block's end: a sound stored block within the
        // blocks just inflated must be one of their ends.
        const BlockStart ends[3] = { passed[0], passed[1], passed[2] };
        const int endCount = passedCount;
        const uint64_t reached = trial.position();
        bool consistent = true;
        for (uint64_t a = p / 8 + 1; consistent && a * 8 < reached; ++a) {
            auto inside = storedAt(a);
            if (!inside || std::any_of(ends, ends + endCount, [&](const BlockStart &e) {
                    return e.sameAs(*inside);
                }))
                continue;
            consistent = !decodes(*inside);
        }
        if (consistent)
            return at;
    }
    return std::nullopt;
}

} // namespace amx::deflate
