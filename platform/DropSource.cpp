#include "DropSource.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace dnd {

namespace {

constexpr uint32_t kHeaderSize = 20;

// Filled again at every enumeration, as the enumerators only point at it.
FormatEtc g_fileFormats[2];

bool isFileFormat(const FormatEtc &f)
{
    return f.format == CF_HDROP && (f.aspect == DVASPECT_CONTENT || f.aspect == DVASPECT_ICON)
        && f.storage == TYMED_HGLOBAL;
}

void put32(uint8_t *at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = uint8_t(value >> (8 * i));
}

uint32_t get32(const uint8_t *at)
{
    return uint32_t(at[0]) | uint32_t(at[1]) << 8 | uint32_t(at[2]) << 16 | uint32_t(at[3]) << 24;
}

} // namespace

const FormatEtc TFileDropSource::kContent { CF_HDROP, nullptr, DVASPECT_CONTENT, -1,
    TYMED_HGLOBAL };

size_t dropFilesSize(const std::vector<std::string> &names)
{
    size_t size = kHeaderSize + 1;
    for (const std::string &name : names)
        size += name.size() + 1;
    return size;
}

std::vector<uint8_t> dropFilesBlock(const std::vector<std::string> &names)
{
    StgMedium medium;
    medium.storage = TYMED_HGLOBAL;
    medium.block = std::make_shared<std::vector<uint8_t>>(dropFilesSize(names));
    TFileDropSource source;
    source.Files = names;
    source.GetDataHere(TFileDropSource::kContent, medium);
    return *medium.block;
}

std::vector<std::string> dropFilesNames(const std::vector<uint8_t> &block, bool *ok)
{
    std::vector<std::string> names;
    bool complete = false;
    if (block.size() >= kHeaderSize) {
        size_t at = get32(block.data());
        while (at < block.size() && block[at] != 0) {
            const auto *start = block.data() + at;
            const auto *end =
                static_cast<const uint8_t *>(std::memchr(start, 0, block.size() - at));
            if (!end)
                break;
            names.emplace_back(reinterpret_cast<const char *>(start), size_t(end - start));
            at += names.back().size() + 1;
        }
        complete = at < block.size() && block[at] == 0;
    }
    if (ok)
        *ok = complete;
    return names;
}

TEnumFormatEtc::TEnumFormatEtc(const FormatEtc *table, size_t count, size_t position)
    : m_table(table)
    , m_count(count)
    , m_position(position)
{
}

HResult TEnumFormatEtc::Next(size_t count, FormatEtc *records, size_t *fetched)
{
    size_t copied = 0;
    while (copied < count && m_position < m_count)
        records[copied++] = m_table[m_position++];
    if (fetched)
        *fetched = copied;
    return copied == count ? S_OK : S_FALSE;
}

HResult TEnumFormatEtc::Skip(size_t count)
{
    if (count > m_count - m_position) {
        m_position = m_count;
        return S_FALSE;
    }
    m_position += count;
    return S_OK;
}

HResult TEnumFormatEtc::Reset()
{
    m_position = 0;
    return S_OK;
}

HResult TEnumFormatEtc::Clone(std::unique_ptr<TEnumFormatEtc> &out) const
{
    out = std::make_unique<TEnumFormatEtc>(m_table, m_count, m_position);
    return S_OK;
}

HResult TDropSource::QueryContinueDrag(bool escapePressed, uint32_t keyState) const
{
    if (escapePressed)
        return DRAGDROP_S_CANCEL;
    if ((keyState & (MK_LBUTTON | MK_RBUTTON)) == 0)
        return DRAGDROP_S_DROP;
    return S_OK;
}

HResult TDropSource::GiveFeedback(uint32_t) const
{
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

HResult TDropSource::GetData(const FormatEtc &, StgMedium &)
{
    return DV_E_FORMATETC;
}

HResult TDropSource::GetDataHere(const FormatEtc &, StgMedium &)
{
    return DV_E_FORMATETC;
}

HResult TDropSource::GetCanonicalFormatEtc(const FormatEtc &, FormatEtc &out) const
{
    out.targetDevice = nullptr;
    return E_NOTIMPL;
}

HResult TDropSource::SetData(const FormatEtc &, const StgMedium &, bool)
{
    return E_NOTIMPL;
}

HResult TDropSource::DAdvise() const
{
    return OLE_E_ADVISENOTSUPPORTED;
}

HResult TDropSource::DUnadvise() const
{
    return OLE_E_ADVISENOTSUPPORTED;
}

HResult TDropSource::EnumDAdvise(const void **out) const
{
    if (out)
        *out = nullptr;
    return OLE_E_ADVISENOTSUPPORTED;
}

HResult TFileDropSource::GetData(const FormatEtc &format, StgMedium &medium)
{
    medium = StgMedium {};
    if (!isFileFormat(format))
        return DV_E_FORMATETC;
    try {
        medium.block = std::make_shared<std::vector<uint8_t>>(dropFilesSize(Files));
    } catch (const std::bad_alloc &) {
        return E_OUTOFMEMORY;
    }
    medium.storage = TYMED_HGLOBAL;
    return GetDataHere(format, medium);
}

HResult TFileDropSource::GetDataHere(const FormatEtc &format, StgMedium &medium)
{
    if (!isFileFormat(format) || medium.storage != TYMED_HGLOBAL)
        return DV_E_FORMATETC;
    if (!medium.block)
        return E_OUTOFMEMORY;
    // A block the target supplied may be too small: nothing is written past it.
    std::vector<uint8_t> &block = *medium.block;
    if (block.size() < dropFilesSize(Files))
        return STG_E_MEDIUMFULL;
    std::fill(block.begin(), block.begin() + kHeaderSize, uint8_t(0));
    put32(block.data(), kHeaderSize);
    put32(block.data() + 16, 0);
    size_t at = kHeaderSize;
    for (const std::string &name : Files) {
        std::memcpy(block.data() + at, name.data(), name.size());
        at += name.size();
        block[at++] = 0;
    }
    block[at] = 0;
    medium.releaseObject = nullptr;
    return S_OK;
}

HResult TFileDropSource::QueryGetData(const FormatEtc &format) const
{
    return isFileFormat(format) ? S_OK : S_FALSE;
}

HResult TFileDropSource::EnumFormatEtc(
    DataDir direction, std::unique_ptr<TEnumFormatEtc> &out) const
{
    out.reset();
    switch (direction) {
    case DataDir::Get:
        g_fileFormats[0] = kContent;
        g_fileFormats[1] = kContent;
        g_fileFormats[1].aspect = DVASPECT_ICON;
        out = std::make_unique<TEnumFormatEtc>(g_fileFormats, 2);
        return S_OK;
    case DataDir::Set:
        return E_NOTIMPL;
    }
    return E_INVALIDARG;
}

} // namespace dnd
