// The parallel inflater against zlib's own inflate of the same stream: equal
// output whenever zlib reads the stream, and a failure whenever zlib fails.
#include "ParallelInflate.h"

#include "RawDeflate.h"
#include "Table.h"
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <zlib.h>

using namespace amx;
using amxtest::deflateRaw;
using amxtest::zlibInflate;

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
    const StreamCase &c = GetParam();
    const std::string packed = deflateRaw(data, c.level, c.memLevel, c.strategy, c.storedParts);
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
    const std::string packed = deflateRaw(data, 6);
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
