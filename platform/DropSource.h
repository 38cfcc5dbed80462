// The data object a drag out of the list offers: the list of extracted files
// in the shell's file-drop layout (DROPFILES), with the format enumerator and
// the drag-source answers. Plain code, so that every answer is tested; the
// desktop's drag (FileDrag.h) reads the names back out of it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace dnd {

using HResult = int32_t;

constexpr HResult S_OK = 0;
constexpr HResult S_FALSE = 1;
constexpr HResult E_NOTIMPL = HResult(0x80004001u);
constexpr HResult E_OUTOFMEMORY = HResult(0x8007000Eu);
constexpr HResult E_INVALIDARG = HResult(0x80070057u);
constexpr HResult DV_E_FORMATETC = HResult(0x80040064u);
constexpr HResult OLE_E_ADVISENOTSUPPORTED = HResult(0x80040003u);
constexpr HResult STG_E_MEDIUMFULL = HResult(0x80030070u);
constexpr HResult DRAGDROP_S_DROP = 0x00040100;
constexpr HResult DRAGDROP_S_CANCEL = 0x00040101;
constexpr HResult DRAGDROP_S_USEDEFAULTCURSORS = 0x00040102;

constexpr uint16_t CF_HDROP = 15;
constexpr uint32_t DVASPECT_CONTENT = 1;
constexpr uint32_t DVASPECT_ICON = 4;
constexpr uint32_t TYMED_HGLOBAL = 1;
constexpr uint32_t TYMED_NULL = 0;
constexpr uint32_t MK_LBUTTON = 1;
constexpr uint32_t MK_RBUTTON = 2;

enum class DataDir { Get = 1, Set = 2 };

struct FormatEtc
{
    uint16_t format = 0;
    const void *targetDevice = nullptr;
    uint32_t aspect = 0;
    int32_t index = -1;
    uint32_t storage = 0;
    bool operator==(const FormatEtc &) const = default;
};

// A storage medium; here always a memory block (or none).
struct StgMedium
{
    uint32_t storage = TYMED_NULL;
    std::shared_ptr<std::vector<uint8_t>> block;
    const void *releaseObject = nullptr;
};

// The names in the file-drop layout: a 20-byte header (first-name offset 20,
// drop point 0,0, non-client 0, wide 0), each name and a zero byte, one more
// zero byte at the end.
std::vector<uint8_t> dropFilesBlock(const std::vector<std::string> &names);
size_t dropFilesSize(const std::vector<std::string> &names);
// The names of such a block. A block whose header or names run past its end
// gives the names that are complete, and ok false.
std::vector<std::string> dropFilesNames(const std::vector<uint8_t> &block, bool *ok = nullptr);

// Walks a table of formats it does not own.
class TEnumFormatEtc
{
public:
    TEnumFormatEtc(const FormatEtc *table, size_t count, size_t position = 0);
    HResult Next(size_t count, FormatEtc *records, size_t *fetched);
    HResult Skip(size_t count);
    HResult Reset();
    HResult Clone(std::unique_ptr<TEnumFormatEtc> &out) const;
    size_t position() const { return m_position; }

private:
    const FormatEtc *m_table;
    size_t m_count;
    size_t m_position;
};

// The drag source and the data object in one; the data operations answer
// "invalid format" until a subclass offers one.
class TDropSource
{
public:
    virtual ~TDropSource() = default;

    // The drag source.
    HResult QueryContinueDrag(bool escapePressed, uint32_t keyState) const;
    HResult GiveFeedback(uint32_t effect) const;

    // The data object.
    virtual HResult GetData(const FormatEtc &format, StgMedium &medium);
    virtual HResult GetDataHere(const FormatEtc &format, StgMedium &medium);
    virtual HResult QueryGetData(const FormatEtc &format) const = 0;
    virtual HResult EnumFormatEtc(
        DataDir direction, std::unique_ptr<TEnumFormatEtc> &out) const = 0;
    HResult GetCanonicalFormatEtc(const FormatEtc &in, FormatEtc &out) const;
    HResult SetData(const FormatEtc &format, const StgMedium &medium, bool release);
    HResult DAdvise() const;
    HResult DUnadvise() const;
    HResult EnumDAdvise(const void **out) const;
};

// Offers files by full path as the shell's file-drop list.
class TFileDropSource : public TDropSource
{
public:
    std::vector<std::string> Files;

    HResult GetData(const FormatEtc &format, StgMedium &medium) override;
    HResult GetDataHere(const FormatEtc &format, StgMedium &medium) override;
    HResult QueryGetData(const FormatEtc &format) const override;
    HResult EnumFormatEtc(DataDir direction, std::unique_ptr<TEnumFormatEtc> &out) const override;

    // The file list once more, as a drop target reads it.
    static const FormatEtc kContent;
};

} // namespace dnd
