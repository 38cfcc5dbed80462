// The parallel inflater must agree with zlib on every stream: the same output
// when zlib reads it, a failure when zlib fails (or libdeflate's output, where
// libdeflate is more lenient than zlib), and never a crash. The first
// byte chooses between garbage taken as a stream and a stream deflated here
// (level, block size, a damaged byte), small chunks so that there are many.
#include "ParallelInflate.h"
#include "RawDeflate.h"

#include <cstdlib>
#include <cstring>
#include <libdeflate.h>
#include <string>
#include <zlib.h>

using amxtest::deflateRaw;
using amxtest::zlibInflate;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    const unsigned mode = data[0], shape = data[1];
    std::string input(reinterpret_cast<const char *>(data + 2), size - 2);
    std::string packed;
    if (mode & 1) {
        packed = input;
    } else {
        std::string plain;
        for (unsigned i = 0, reps = 1 + (shape & 15); i < reps; ++i)
            plain += input;
        const int strategies[] = { Z_DEFAULT_STRATEGY, Z_FILTERED, Z_HUFFMAN_ONLY, Z_RLE };
        packed = deflateRaw(
            plain, int((mode >> 1) % 10), 1 + int((mode >> 5) % 3), strategies[(shape >> 4) & 3]);
        if ((shape & 0x40) && !packed.empty())
            packed[(size_t(data[size - 1]) * 7919 + size) % packed.size()] ^=
                char(1 + (shape >> 7));
    }
    auto reference = zlibInflate(packed);
    static amx::Pipeline workers(2);
    amx::ParallelInflateOptions options;
    options.chunkPlain = 512 + (size_t(shape) << 4);
    options.ratio = 1 + (mode >> 4);
    options.reach = 2048;
    std::string out;
    auto result = amx::parallelInflate(
        workers, packed.size(),
        [&](char *buf, size_t n, uint64_t at) {
            if (at + n > packed.size())
                return false;
            std::memcpy(buf, packed.data() + at, n);
            return true;
        },
        [&](const char *p, size_t n, uint32_t crc) {
            if (crc != uint32_t(crc32(0, reinterpret_cast<const Bytef *>(p), uInt(n))))
                std::abort();
            out.append(p, n);
        },
        options);
    if (reference) {
        if (result != amx::ParallelInflateResult::Ok || out != *reference)
            std::abort();
    } else if (result == amx::ParallelInflateResult::Ok) {
        // libdeflate lets code-length repeats run past the declared count,
        // which zlib refuses; the whole-member path has always read such a
        // stream that way, so the parallel result must be libdeflate's.
        std::string whole(out.size() + 1, '\0');
        size_t got = 0;
        auto *d = libdeflate_alloc_decompressor();
        auto r = libdeflate_deflate_decompress(
            d, packed.data(), packed.size(), whole.data(), whole.size(), &got);
        libdeflate_free_decompressor(d);
        if (r != LIBDEFLATE_SUCCESS || whole.compare(0, got, out) != 0 || got != out.size())
            std::abort();
    }
    return 0;
}
