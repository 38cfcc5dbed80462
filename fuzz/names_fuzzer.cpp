// libFuzzer target: member names decoded as CP437 and as UTF-8, and name
// patterns matched against names. Checks what must hold for any bytes: the
// name decoded without the UTF-8 flag is valid UTF-8 (with it, the bytes
// stay as they are, escaped only when shown), CP437 decoding gives one character per byte,
// a pattern without wildcards matches exactly the name it stands for, and
// "*" crossing slashes matches every name.
#include "NameCodec.h"
#include "Wildcard.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

size_t characters(std::string_view utf8)
{
    size_t n = 0;
    for (unsigned char c : utf8)
        n += (c & 0xC0) != 0x80;
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The first byte splits the input into a pattern and a name.
    if (size < 1)
        return 0;
    const std::string_view rest(reinterpret_cast<const char *>(data) + 1, size - 1);
    const size_t cut = rest.empty() ? 0 : data[0] % (rest.size() + 1);
    const std::string_view pattern = rest.substr(0, cut), raw = rest.substr(cut);

    const std::string cp437 = amx::cp437ToUtf8(raw);
    check(amx::isValidUtf8(cp437));
    check(characters(cp437) == raw.size());
    for (bool flag : { false, true }) {
        const std::string name = amx::decodeName(raw, flag);
        check(flag ? name == raw : amx::isValidUtf8(name));
        check(amx::wildcardMatch("*", name, true));
        check(amx::specMatches({ name, false }, name));
        if (!amx::hasWildcard(pattern)) {
            const std::string plain = amx::unescapeName(pattern);
            check(amx::wildcardMatch(pattern, name, true) == (plain == name));
        }
        amx::wildcardMatch(pattern, name, false);
        amx::specText(amx::NameSpec { std::string(pattern), true });
    }
    return 0;
}
