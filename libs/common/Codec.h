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
// Larger members are deflated in independent pieces of this size, on all cores.
constexpr size_t pieceSize = 1u << 20;
// One large member inflated whole needs its packed and its plain size at once.
constexpr uint64_t inflateBudget = 192u << 20;
// The central records of an add's new members beyond this size wait in a
// scratch file for the directory instead of in memory.
constexpr uint64_t recordBudget = 1u << 20;

// The limits above; AMX_BUFFER_BUDGET, AMX_PIECE_SIZE and AMX_RECORD_BUDGET
// (bytes) lower them so that the large paths can be exercised with small files.
struct MemoryLimits
{
    uint64_t buffer = bufferBudget;
    size_t piece = pieceSize;
    uint64_t inflate = inflateBudget;
    uint64_t records = recordBudget;
};
MemoryLimits memoryLimits();

// A scratch buffer that is not zero-filled; a large one comes straight from the
// kernel, in huge pages where the system offers them, and goes back whole.
class ByteBuffer
{
public:
    explicit ByteBuffer(size_t size);
    ~ByteBuffer();
    ByteBuffer(const ByteBuffer &) = delete;
    ByteBuffer &operator=(const ByteBuffer &) = delete;
    char *data() { return m_data; }
    size_t size() const { return m_size; }

private:
    std::unique_ptr<char[]> m_small;
    char *m_data = nullptr;
    size_t m_size = 0;
};

uint32_t crc32Update(uint32_t crc, const void *data, size_t n);

// Deflates a whole buffer at a level of 1..9 with this thread's compressor.
// Returns false when the result would not be smaller than the input.
bool deflateBuffer(int level, const std::string &in, std::string &out);

// Deflates one piece of a member so that the pieces, joined in order, form one
// deflate stream: every piece but the last ends on a byte boundary without the
// final-block mark. A piece that deflate does not shrink is kept in stored blocks.
void deflatePiece(int level, const char *in, size_t n, bool last, std::string &out);

uint32_t crc32Combine(uint32_t first, uint32_t second, uint64_t secondSize);

enum class InflateResult { Ok, BadData, WrongSize };
// Inflates a whole member whose size is known.
InflateResult inflateBuffer(const char *in, size_t inSize, char *out, size_t outSize);

// Inflates one piece of a member written with deflatePiece. A piece that is
// not the last is closed with an empty final block first, so `in` must have
// two spare bytes past inSize. The piece must be used up exactly.
InflateResult inflatePiece(char *in, size_t inSize, bool last, char *out, size_t outSize);

// zlib inflate streams for members too large for the budget.
struct ZStreamDeleter
{
    bool inflating;
    void operator()(z_stream *s) const;
};
using ZStream = std::unique_ptr<z_stream, ZStreamDeleter>;
ZStream makeInflater(); // raw inflate

} // namespace amx
