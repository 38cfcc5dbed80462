#pragma once

// Raw deflate streams made and read by zlib: the reference the parallel
// inflater is held to, in its test and its fuzzer.

#include <algorithm>
#include <optional>
#include <string>
#include <zlib.h>

namespace amxtest {

// Deflates data in parts of 700,000 bytes; with storedParts every other part
// is stored (level 0) between compressed ones.
inline std::string deflateRaw(const std::string &data, int level, int memLevel = 8,
    int strategy = Z_DEFAULT_STRATEGY, bool storedParts = false)
{
    z_stream z {};
    deflateInit2(&z, level, Z_DEFLATED, -15, memLevel, strategy);
    std::string out(deflateBound(&z, uLong(data.size())) + (data.size() >> 6) + 4096, '\0');
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(out.size());
    const size_t part = 700000;
    size_t at = 0, i = 0;
    do {
        if (storedParts)
            deflateParams(&z, i % 2 ? 0 : level, strategy);
        z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data() + at));
        z.avail_in = uInt(std::min(part, data.size() - at));
        deflate(&z, at + part >= data.size() ? Z_FINISH : Z_NO_FLUSH);
        at += part, ++i;
    } while (at < data.size());
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

// zlib's verdict: the output, or nothing when the stream is bad.
inline std::optional<std::string> zlibInflate(const std::string &packed)
{
    z_stream z {};
    inflateInit2(&z, -15);
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.data()));
    z.avail_in = uInt(packed.size());
    std::string out, buf(1 << 16, '\0');
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

} // namespace amxtest
