#include "NameCodec.h"

#include "ZipFormat.h"

#include <cerrno>
#include <cstdint>
#include <iconv.h>
#include <strings.h>
#include <uchardet/uchardet.h>

namespace amx {

size_t utf8Sequence(std::string_view bytes, uint32_t &cp)
{
    if (bytes.empty())
        return 0;
    auto c = static_cast<uint8_t>(bytes[0]);
    if (c < 0x80) {
        cp = c;
        return 1;
    }
    size_t len;
    if ((c & 0xE0) == 0xC0) {
        len = 2;
        cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        len = 3;
        cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        len = 4;
        cp = c & 0x07;
    } else {
        return 0;
    }
    if (len > bytes.size())
        return 0;
    for (size_t k = 1; k < len; ++k) {
        auto cc = static_cast<uint8_t>(bytes[k]);
        if ((cc & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (cc & 0x3F);
    }
    // Overlong forms, surrogates and values past Unicode are not UTF-8.
    static const uint32_t minimum[] = { 0, 0, 0x80, 0x800, 0x10000 };
    if (cp < minimum[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

bool isValidUtf8(std::string_view bytes)
{
    uint32_t cp;
    while (!bytes.empty()) {
        const size_t len = utf8Sequence(bytes, cp);
        if (len == 0)
            return false;
        bytes.remove_prefix(len);
    }
    return true;
}

void appendUtf8(std::string &out, uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string cp437ToUtf8(std::string_view bytes)
{
    static const uint16_t high[128] = { 0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5,
        0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6,
        0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3,
        0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,
        0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593,
        0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C,
        0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A,
        0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
        0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590,
        0x2580, 0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398,
        0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320,
        0x2321, 0x00F7, 0x2248, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0 };
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        auto c = static_cast<uint8_t>(ch);
        appendUtf8(out, c < 0x80 ? c : high[c - 0x80]);
    }
    return out;
}

std::string decodeName(std::string_view raw, bool utf8Flag)
{
    if (utf8Flag || isValidUtf8(raw))
        return std::string(raw);
    return cp437ToUtf8(raw);
}

namespace {

struct Page
{
    const char *label; // as offered to the user
    const char *iconv; // as iconv knows it
};

// CP932 and CP949 are the Windows forms of Shift-JIS and EUC-KR, which is
// what archives from those systems hold; both read the plain forms too.
const Page pages[] = { { "CP437", "CP437" }, { "CP850", "CP850" }, { "CP852", "CP852" },
    { "CP866", "CP866" }, { "Windows-1250", "WINDOWS-1250" }, { "Windows-1251", "WINDOWS-1251" },
    { "Windows-1252", "WINDOWS-1252" }, { "Shift-JIS", "CP932" }, { "GBK", "GBK" },
    { "GB18030", "GB18030" }, { "Big5", "BIG5" }, { "EUC-KR", "CP949" },
    { "ISO-8859-1", "ISO-8859-1" }, { "ISO-8859-2", "ISO-8859-2" }, { "ISO-8859-5", "ISO-8859-5" },
    { "ISO-8859-7", "ISO-8859-7" }, { "ISO-8859-9", "ISO-8859-9" },
    { "ISO-8859-15", "ISO-8859-15" } };

// Other names of the offered pages, as the detector and users write them.
const Page aliases[] = { { "CP437", "IBM437" }, { "CP850", "IBM850" }, { "CP852", "IBM852" },
    { "CP866", "IBM866" }, { "Shift-JIS", "SHIFT_JIS" }, { "Shift-JIS", "SJIS" },
    { "Shift-JIS", "CP932" }, { "EUC-KR", "CP949" }, { "EUC-KR", "UHC" }, { "Big5", "CP950" },
    { "Windows-1250", "CP1250" }, { "Windows-1251", "CP1251" }, { "Windows-1252", "CP1252" } };

bool sameName(std::string_view a, const char *b)
{
    return a.size() == std::char_traits<char>::length(b)
        && ::strncasecmp(a.data(), b, a.size()) == 0;
}

const Page *findPage(std::string_view name)
{
    for (const Page &p : pages)
        if (sameName(name, p.label) || sameName(name, p.iconv))
            return &p;
    for (const Page &a : aliases)
        if (sameName(name, a.iconv))
            for (const Page &p : pages)
                if (sameName(a.label, p.label))
                    return &p;
    return nullptr;
}

bool isUtf8Name(std::string_view name)
{
    return sameName(name, "UTF-8") || sameName(name, "UTF8");
}

bool isCp437(std::string_view name)
{
    const Page *p = findPage(name);
    return p && sameName(p->label, "CP437");
}

uint32_t nameCrc(std::string_view bytes)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (char ch : bytes) {
        crc ^= static_cast<uint8_t>(ch);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// Western names are too short for the detector to tell the DOS page from
// the Windows one: it names any Latin page. The bytes decide instead.
// Lower-case accented letters lie at 0x80-0xA5 in CP437 (punctuation in
// Windows-1252) and at 0xE0-0xFF in Windows-1252 (Greek and mathematics in
// CP437); the rest could be either, and a tie is CP437's.
std::string latinPage(const std::vector<std::string_view> &names)
{
    long dos = 0, windows = 0;
    for (std::string_view name : names)
        for (char ch : name) {
            auto c = static_cast<uint8_t>(ch);
            if (c >= 0x80 && c <= 0xA5)
                ++dos;
            else if (c >= 0xE0 && c != 0xE1) // 0xE1 is a letter in both
                ++windows;
        }
    return windows > dos ? "Windows-1252" : "CP437";
}

// Whether the detector's answer is one of the Latin pages it cannot tell apart.
bool latinGuess(std::string_view found)
{
    static const char *const latin[] = { "ISO-8859-1", "ISO-8859-2", "ISO-8859-3", "ISO-8859-4",
        "ISO-8859-9", "ISO-8859-10", "ISO-8859-13", "ISO-8859-15", "ISO-8859-16", "WINDOWS-1250",
        "WINDOWS-1252", "WINDOWS-1254", "WINDOWS-1257", "IBM852", "IBM850", "IBM437", "ASCII" };
    if (found.empty() || found.substr(0, 4) == "MAC-")
        return true;
    for (const char *l : latin)
        if (sameName(found, l))
            return true;
    return false;
}

} // namespace

struct NameDecoder::Converter
{
    iconv_t cd = reinterpret_cast<iconv_t>(-1);
    explicit Converter(std::string_view page)
    {
        cd = ::iconv_open("UTF-8", iconvCodePage(page).c_str());
    }
    ~Converter()
    {
        if (valid())
            ::iconv_close(cd);
    }
    bool valid() const { return cd != reinterpret_cast<iconv_t>(-1); }

    // False when a byte had to be replaced.
    bool convert(std::string_view raw, std::string &out)
    {
        out.clear();
        bool clean = true;
        ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char *in = const_cast<char *>(raw.data());
        size_t inLeft = raw.size();
        char buffer[256];
        while (inLeft > 0) {
            char *dst = buffer;
            size_t dstLeft = sizeof buffer;
            const size_t r = ::iconv(cd, &in, &inLeft, &dst, &dstLeft);
            out.append(buffer, size_t(dst - buffer));
            if (r != size_t(-1))
                continue;
            if (errno == E2BIG)
                continue;
            // EILSEQ or a sequence cut short at the end: one byte is lost.
            clean = false;
            appendUtf8(out, 0xFFFD);
            ++in;
            --inLeft;
            ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
        char *dst = buffer;
        size_t dstLeft = sizeof buffer;
        ::iconv(cd, nullptr, nullptr, &dst, &dstLeft);
        out.append(buffer, size_t(dst - buffer));
        return clean;
    }
};

std::vector<std::string> offeredCodePages()
{
    std::vector<std::string> out;
    for (const Page &p : pages)
        if (codePageSupported(p.label))
            out.emplace_back(p.label);
    return out;
}

std::string iconvCodePage(std::string_view name)
{
    const Page *p = findPage(name);
    return p ? p->iconv : std::string(name);
}

std::string codePageLabel(std::string_view name)
{
    if (isUtf8Name(name))
        return "UTF-8";
    const Page *p = findPage(name);
    return p ? p->label : std::string(name);
}

bool codePageSupported(std::string_view name)
{
    if (isUtf8Name(name) || isCp437(name))
        return true;
    if (name.empty())
        return false;
    return NameDecoder::Converter(name).valid();
}

bool unicodePathName(std::string_view extra, std::string_view raw, std::string &out)
{
    constexpr uint16_t unicodePath = 0x7075;
    std::string_view data;
    if (!findExtra(extra, unicodePath, data) || data.size() < 5 || data[0] != 1)
        return false;
    auto b = reinterpret_cast<const unsigned char *>(data.data());
    const uint32_t crc =
        uint32_t(b[1]) | uint32_t(b[2]) << 8 | uint32_t(b[3]) << 16 | uint32_t(b[4]) << 24;
    const std::string_view name = data.substr(5);
    if (crc != nameCrc(raw) || name.empty() || !isValidUtf8(name))
        return false;
    out.assign(name);
    return true;
}

std::string detectCodePage(const std::vector<std::string_view> &names)
{
    if (names.empty())
        return "CP437";
    std::string found;
    if (uchardet_t u = uchardet_new()) {
        // The detector is sure long before this much; a huge archive's
        // names would only cost time.
        constexpr size_t enough = 64 * 1024;
        size_t given = 0;
        for (std::string_view name : names) {
            if (given > enough)
                break;
            uchardet_handle_data(u, name.data(), name.size());
            uchardet_handle_data(u, "\n", 1);
            given += name.size() + 1;
        }
        uchardet_data_end(u);
        if (const char *c = uchardet_get_charset(u))
            found = c;
        uchardet_delete(u);
    }
    if (latinGuess(found) || isUtf8Name(found) || sameName(found.substr(0, 3), "UTF"))
        return latinPage(names);
    // Only a page that reads every name without a lost byte will do.
    NameDecoder::Converter conv(found);
    if (!conv.valid())
        return "CP437";
    std::string text;
    for (std::string_view name : names)
        if (!conv.convert(name, text))
            return "CP437";
    return codePageLabel(found);
}

NameDecoder::NameDecoder(std::string choice)
    : m_choice(std::move(choice))
    , m_automatic(m_choice.empty() || sameName(m_choice, "Automatic"))
{
}

NameDecoder::~NameDecoder() = default;

void NameDecoder::consider(std::string_view raw, bool utf8Flag)
{
    if (m_automatic && !m_settled && !utf8Flag && !isValidUtf8(raw))
        m_legacy.emplace_back(raw);
}

void NameDecoder::settle()
{
    if (m_settled)
        return;
    m_settled = true;
    if (!m_automatic) {
        m_page = isUtf8Name(m_choice) ? "UTF-8" : codePageLabel(m_choice);
    } else if (m_legacy.empty()) {
        m_page = "UTF-8";
    } else {
        std::vector<std::string_view> views(m_legacy.begin(), m_legacy.end());
        m_page = detectCodePage(views);
    }
    std::vector<std::string>().swap(m_legacy);
    if (m_page != "UTF-8" && !isCp437(m_page)) {
        m_conv = std::make_unique<Converter>(m_page);
        if (!m_conv->valid())
            m_conv.reset();
    }
}

const std::string &NameDecoder::codePage()
{
    settle();
    return m_page;
}

std::string NameDecoder::decode(std::string_view raw, bool utf8Flag, std::string_view extra)
{
    settle();
    std::string out;
    if (!utf8Flag && !extra.empty() && unicodePathName(extra, raw, out))
        return out;
    if (utf8Flag || m_page == "UTF-8" || (m_automatic && isValidUtf8(raw)))
        return std::string(raw);
    if (!m_conv)
        return cp437ToUtf8(raw);
    m_conv->convert(raw, out);
    return out;
}

std::string decodeCodePage(std::string_view raw, std::string_view codePage)
{
    NameDecoder decoder { std::string(codePage) };
    return decoder.decode(raw, false);
}

} // namespace amx
