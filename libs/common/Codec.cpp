#include "Codec.h"

#include "ZipError.h"

#include <algorithm>
#include <cstdlib>
#include <libdeflate.h>
#include <new>
#include <sys/mman.h>

namespace amx {

ByteBuffer::ByteBuffer(size_t size)
    : m_size(size)
{
    if (size < (1u << 20)) {
        m_small.reset(new char[size]);
        m_data = m_small.get();
        return;
    }
    void *p = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED)
        throw std::bad_alloc();
    ::madvise(p, size, MADV_HUGEPAGE);
    m_data = static_cast<char *>(p);
}

ByteBuffer::~ByteBuffer()
{
    if (!m_small)
        ::munmap(m_data, m_size);
}

uint32_t crc32Update(uint32_t crc, const void *data, size_t n)
{
    return libdeflate_crc32(crc, data, n);
}

uint32_t crc32Combine(uint32_t first, uint32_t second, uint64_t secondSize)
{
    return uint32_t(crc32_combine(first, second, z_off_t(secondSize)));
}

MemoryLimits memoryLimits()
{
    MemoryLimits m;
    auto lowered = [](const char *name, uint64_t limit) {
        const char *text = std::getenv(name);
        uint64_t v = text ? std::strtoull(text, nullptr, 10) : 0;
        return v > 0 && v < limit ? v : limit;
    };
    m.buffer = lowered("AMX_BUFFER_BUDGET", bufferBudget);
    m.piece = size_t(lowered("AMX_PIECE_SIZE", pieceSize));
    m.inflate = std::min(inflateBudget, m.buffer * (inflateBudget / bufferBudget));
    m.records = lowered("AMX_RECORD_BUDGET", recordBudget);
    return m;
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

namespace {

void appendStored(const char *in, size_t n, bool last, std::string &out)
{
    do {
        size_t len = std::min<size_t>(n, 0xffff);
        n -= len;
        out += char(last && n == 0 ? 1 : 0);
        out += char(len & 0xff);
        out += char(len >> 8);
        out += char(~len & 0xff);
        out += char((~len >> 8) & 0xff);
        out.append(in, len);
        in += len;
    } while (n > 0);
}

// Walks the blocks of a whole deflate stream, clears the final-block mark of
// its last block and ends it on a byte boundary with an empty stored block, so
// that another stream can follow. False when the stream does not parse.
bool openEnd(std::string &piece)
{
    thread_local ZStream z = makeInflater();
    thread_local std::string scratch(32u << 10, '\0');
    inflateReset(z.get());
    auto *bytes = reinterpret_cast<unsigned char *>(piece.data());
    z->next_in = bytes;
    z->avail_in = uInt(piece.size());
    size_t markAt = 0;
    unsigned mark = 1;
    bool isLast = bytes[0] & 1;
    for (;;) {
        z->next_out = reinterpret_cast<Bytef *>(scratch.data());
        z->avail_out = uInt(scratch.size());
        int rc = inflate(z.get(), Z_BLOCK);
        if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR)
            return false;
        if (z->data_type & 128) {
            if (isLast)
                break;
            // The next block's header starts in the last byte read or in the next one.
            unsigned unused = unsigned(z->data_type & 7);
            size_t used = size_t(z->next_in - bytes);
            if (unused) {
                markAt = used - 1;
                mark = 0x100u >> unused;
            } else {
                if (used >= piece.size())
                    return false;
                markAt = used;
                mark = 1;
            }
            isLast = bytes[markAt] & mark;
        } else if (rc != Z_OK) {
            return false;
        }
    }
    if (z->avail_in != 0)
        return false;
    bytes[markAt] &= ~mark;
    unsigned unused = unsigned(z->data_type & 7);
    if (unused) {
        piece.back() = char(piece.back() & ((0x100u >> unused) - 1));
        if (unused < 3) // the stored block's 3 header bits need another byte
            piece += '\0';
        piece.append("\0\0\xff\xff", 4);
    }
    return true;
}

} // namespace

void deflatePiece(int level, const char *in, size_t n, bool last, std::string &out)
{
    out.clear();
    if (n == 0) {
        if (last)
            appendStored(in, 0, true, out);
        return;
    }
    out.resize(n);
    size_t got = libdeflate_deflate_compress(threadCompressor(level), in, n, out.data(), n);
    out.resize(got);
    if (got > 0 && (last || openEnd(out)))
        return;
    out.clear();
    appendStored(in, n, last, out);
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

InflateResult inflatePiece(char *in, size_t inSize, bool last, char *out, size_t outSize)
{
    if (!last) {
        // A fixed-code block holding only its end code, marked final.
        in[inSize++] = 0x03;
        in[inSize++] = 0x00;
    }
    size_t used = 0, got = 0;
    auto r = libdeflate_deflate_decompress_ex(
        threadDecompressor(), in, inSize, out, outSize, &used, &got);
    if (r == LIBDEFLATE_SUCCESS && used == inSize)
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
