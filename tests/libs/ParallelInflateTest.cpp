// The parallel inflater against zlib's own inflate of the same stream: equal
// output whenever zlib reads the stream, and a failure whenever zlib fails.
#include "ParallelInflate.h"

#include "Table.h"
#include <cstring>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>
#include <zlib.h>

using namespace amx;

namespace {

std::string mixedContent(size_t size, uint32_t seed)
{
    static const char *words[] = { "archive ", "member ", "deflate ", "window ", "block " };
    std::mt19937 rnd(seed);
    std::string out;
    while (out.size() < size) {
        switch (rnd() % 4) {
        case 0: // incompressible
            for (int i = 0; i < 20000; ++i)
                out += char(rnd());
            break;
        case 1: // zeros
            out.append(30000, '\0');
            break;
        default: // text, with repeats from far back
            for (int i = 0; i < 5000; ++i)
                out += words[rnd() % 5];
            if (out.size() > 40000)
                out.append(out, out.size() - 40000, 20000);
            break;
        }
    }
    out.resize(size);
    return out;
}

struct StreamCase
{
    const char *name;
    int level;
    int memLevel; // smaller: smaller blocks
    int strategy = Z_DEFAULT_STRATEGY;
    bool storedParts = false; // every other part at level 0
};
AMX_ROW_PRINTS_NAME(StreamCase)

std::string deflateRaw(const std::string &data, const StreamCase &c)
{
    z_stream z {};
    deflateInit2(&z, c.level, Z_DEFLATED, -15, c.memLevel, c.strategy);
    std::string out(deflateBound(&z, uLong(data.size())) + (data.size() >> 6) + 4096, '\0');
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(out.size());
    const size_t part = 700000;
    for (size_t at = 0, i = 0; at < data.size(); at += part, ++i) {
        if (c.storedParts)
            deflateParams(&z, i % 2 ? 0 : c.level, c.strategy);
        z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data() + at));
        z.avail_in = uInt(std::min(part, data.size() - at));
        deflate(&z, at + part >= data.size() ? Z_FINISH : Z_NO_FLUSH);
    }
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

// zlib's verdict: the output, or nothing when the stream is bad.
std::optional<std::string> zlibInflate(const std::string &packed)
{
    z_stream z {};
    inflateInit2(&z, -15);
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.data()));
    z.avail_in = uInt(packed.size());
    std::string out, buf(1 << 20, '\0');
    int rc;
    do {
        z.next_out = reinterpret_cast<Bytef *>(buf.data());
        z.avail_out = uInt(buf.size());
        rc = inflate(&z, Z_NO_FLUSH);
        out.append(buf.data(), buf.size() - z.avail_out);
    } while (rc == Z_OK);
    inflateEnd(&z);
    if (rc != Z_STREAM_END)
        return std::nullopt;
    return out;
}

struct Parallel
{
    ParallelInflateResult result;
    std::string out;
    bool crcsRight = true;
};

Parallel parallel(const std::string &packed, uint64_t chunkPlain = 64 << 10)
{
    Pipeline workers(2);
    Parallel p;
    ParallelInflateOptions o;
    o.chunkPlain = chunkPlain;
    o.ratio = 2.5;
    o.reach = 256 << 10;
    p.result = parallelInflate(
        workers, packed.size(),
        [&](char *buf, size_t n, uint64_t at) {
            if (at + n > packed.size())
                return false;
            std::memcpy(buf, packed.data() + at, n);
            return true;
        },
        [&](const char *data, size_t n, uint32_t crc) {
            p.crcsRight = p.crcsRight && crc == uint32_t(crc32(0, (const Bytef *)data, uInt(n)));
            p.out.append(data, n);
        },
        o);
    return p;
}

class ParallelInflateTest : public testing::TestWithParam<StreamCase>
{
};

TEST_P(ParallelInflateTest, SameAsZlib)
{
    const std::string data = mixedContent(6 << 20, 7);
    const std::string packed = deflateRaw(data, GetParam());
    Parallel p = parallel(packed);
    ASSERT_EQ(p.result, ParallelInflateResult::Ok);
    EXPECT_TRUE(p.out == data);
    EXPECT_TRUE(p.crcsRight);
}

// Fixed-code blocks are never taken for a chunk's start: every chunk is then
// inflated in one piece from the last good one, and still right.
INSTANTIATE_TEST_SUITE_P(Cases, ParallelInflateTest,
    testing::Values(StreamCase { "Level1SmallBlocks", 1, 1 }, StreamCase { "Level6", 6, 8 },
        StreamCase { "Level9", 9, 9 },
        StreamCase { "StoredPartsBetween", 6, 8, Z_DEFAULT_STRATEGY, true },
        StreamCase { "HuffmanOnly", 6, 8, Z_HUFFMAN_ONLY },
        StreamCase { "FixedCodes", 6, 8, Z_FIXED }),
    amxtest::RowName());

TEST(ParallelInflateTest, DamagedOrShortStreamsFailAsZlibDoes)
{
    const std::string data = mixedContent(3 << 20, 11);
    const std::string packed = deflateRaw(data, { "", 6, 8 });
    std::mt19937 rnd(5);
    for (int i = 0; i < 12; ++i) {
        std::string bad = packed;
        size_t at = packed.size() / 4 + rnd() % (packed.size() / 2);
        if (i % 3 == 2)
            bad.resize(at); // cut short
        else
            for (int k = 0; k < 4; ++k)
                bad[at + k] = char(rnd());
        SCOPED_TRACE(at);
        auto reference = zlibInflate(bad);
        Parallel p = parallel(bad);
        if (reference) {
            EXPECT_EQ(p.result, ParallelInflateResult::Ok);
            EXPECT_TRUE(p.out == *reference);
        } else {
            EXPECT_EQ(p.result, ParallelInflateResult::BadData);
        }
    }
}

} // namespace
