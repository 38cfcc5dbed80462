#include "Codec.h"

#include "ZipError.h"

#include <libdeflate.h>
#include <new>

namespace amx {

uint32_t crc32Update(uint32_t crc, const void *data, size_t n)
{
    return libdeflate_crc32(crc, data, n);
}

namespace {

struct CompressorDeleter
{
    void operator()(libdeflate_compressor *c) const { libdeflate_free_compressor(c); }
};
struct DecompressorDeleter
{
    void operator()(libdeflate_decompressor *d) const { libdeflate_free_decompressor(d); }
};

libdeflate_compressor *threadCompressor(int level)
{
    thread_local std::unique_ptr<libdeflate_compressor, CompressorDeleter> compressors[10];
    auto &c = compressors[level];
    if (!c)
        c.reset(libdeflate_alloc_compressor(level));
    if (!c)
        throw std::bad_alloc();
    return c.get();
}

libdeflate_decompressor *threadDecompressor()
{
    thread_local std::unique_ptr<libdeflate_decompressor, DecompressorDeleter> d;
    if (!d)
        d.reset(libdeflate_alloc_decompressor());
    if (!d)
        throw std::bad_alloc();
    return d.get();
}

} // namespace

bool deflateBuffer(int level, const std::string &in, std::string &out)
{
    libdeflate_compressor *c = threadCompressor(level);
    if (in.empty())
        return false;
    // Anything not smaller is stored instead, so the bound is the input size.
    out.resize(in.size());
    size_t n = libdeflate_deflate_compress(c, in.data(), in.size(), out.data(), out.size());
    if (n == 0 || n >= in.size())
        return false;
    out.resize(n);
    return true;
}

InflateResult inflateBuffer(const char *in, size_t inSize, char *out, size_t outSize)
{
    size_t got = 0;
    auto r = libdeflate_deflate_decompress(threadDecompressor(), in, inSize, out, outSize, &got);
    if (r == LIBDEFLATE_SUCCESS)
        return got == outSize ? InflateResult::Ok : InflateResult::WrongSize;
    if (r == LIBDEFLATE_INSUFFICIENT_SPACE)
        return InflateResult::WrongSize;
    return InflateResult::BadData;
}

void ZStreamDeleter::operator()(z_stream *s) const
{
    if (inflating)
        inflateEnd(s);
    else
        deflateEnd(s);
    delete s;
}

ZStream makeDeflater(int level)
{
    auto s = new z_stream {};
    if (deflateInit2(s, level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        delete s;
        throw std::bad_alloc();
    }
    return ZStream(s, ZStreamDeleter { false });
}

ZStream makeInflater()
{
    auto s = new z_stream {};
    if (inflateInit2(s, -15) != Z_OK) {
        delete s;
        throw std::bad_alloc();
    }
    return ZStream(s, ZStreamDeleter { true });
}

} // namespace amx
