// Compression and checksums: libdeflate for whole buffers, zlib for streams.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <zlib.h>

namespace amx {

// Members up to this size are handled whole in memory by libdeflate.
constexpr uint64_t bufferBudget = 16u << 20;

uint32_t crc32Update(uint32_t crc, const void *data, size_t n);

// Deflates a whole buffer at a level of 1..9 with this thread's compressor.
// Returns false when the result would not be smaller than the input.
bool deflateBuffer(int level, const std::string &in, std::string &out);

enum class InflateResult { Ok, BadData, WrongSize };
// Inflates a whole member whose size is known.
InflateResult inflateBuffer(const char *in, size_t inSize, char *out, size_t outSize);

// zlib streams for members too large for the budget.
struct ZStreamDeleter
{
    bool inflating;
    void operator()(z_stream *s) const;
};
using ZStream = std::unique_ptr<z_stream, ZStreamDeleter>;
ZStream makeDeflater(int level); // raw deflate
ZStream makeInflater(); // raw inflate

} // namespace amx
