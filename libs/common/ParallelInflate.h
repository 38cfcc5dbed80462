// Inflates one raw deflate stream on all cores, whoever wrote it. The packed
// data is cut into chunks; each chunk after the first finds the first block
// that starts in it, inflates from there with the preceding 32 KiB still
// unknown (markers in their place) until its output no longer depends on them,
// and inflates the rest with libdeflate. The chunks are checked to meet
// exactly, their markers resolved and their output handed on in order. When a
// chunk cannot be done that way the rest of the stream is inflated in one
// piece, from where the last good chunk ended.
#pragma once

#include "Pipeline.h"

#include <cstddef>
#include <cstdint>
#include <functional>

namespace amx {

struct ParallelInflateOptions
{
    // Plain bytes a chunk should yield; the packed size of a chunk follows
    // from the expected ratio.
    uint64_t chunkPlain = 16u << 20;
    // Plain bytes per packed byte the stream is expected to have.
    double ratio = 3;
    // How far a block start is looked for, and how much packed data past its
    // end a chunk reads to meet the next one.
    size_t reach = 1u << 20;
};

// Reads n packed bytes at an offset from the stream's start; false on failure.
using PackedReader = std::function<bool(char *buf, size_t n, uint64_t offset)>;
// Takes the plain data in order, in parts of at most 1 MiB, with their CRC-32.
using PlainSink = std::function<void(const char *data, size_t n, uint32_t crc)>;

enum class ParallelInflateResult {
    Ok, // the stream ended; everything before its end was handed on
    BadData, // the stream is damaged or ends early
    ReadFailed,
};

// Runs the chunks on `workers`, which must have nothing in flight; hands the
// output to `sink` on the calling thread. Exceptions from `sink` pass through
// once the chunks in flight are stopped.
ParallelInflateResult parallelInflate(Pipeline &workers, uint64_t packedSize,
    const PackedReader &read, const PlainSink &sink, const ParallelInflateOptions &options = {});

} // namespace amx
