// Drag and drop without windows: the file-drop block and data object, the
// format enumerator, the library calls of a drop and the extractions of a
// drag out.

#include "app/ListDragDrop.h"
#include "dialogs/DropRun.h"
#include "platform/DropSource.h"
#include "tests/support/Table.h"

#include <gtest/gtest.h>

using namespace amxtest;
using namespace dnd;
using O = AddOptsEnum;
using Names = std::vector<std::string>;

namespace {

std::vector<uint8_t> bytes(const std::string &s)
{
    return { s.begin(), s.end() };
}

const std::string kHeader("\x14\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 20);

} // namespace

// ---- the file-drop block --------------------------------------------------

TEST(DropFilesBlock, LaysOutAndReadsBack)
{
    const struct
    {
        Names files;
        std::string block;
    } cases[] = { { {}, kHeader + std::string(1, '\0') },
        { { "/t/a.txt" }, kHeader + std::string("/t/a.txt\0\0", 10) },
        { { "/t/a", "/t/\xc3\xa9 b" }, kHeader + std::string("/t/a\0/t/\xc3\xa9 b\0\0", 14) } };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.files.size());
        EXPECT_EQ(dropFilesBlock(c.files), bytes(c.block));
        EXPECT_EQ(dropFilesSize(c.files), c.block.size());
        bool ok = false;
        EXPECT_EQ(dropFilesNames(bytes(c.block), &ok), c.files);
        EXPECT_TRUE(ok);
    }
}

TEST(DropFilesBlock, CutBlocksGiveTheCompleteNames)
{
    const std::vector<uint8_t> whole = dropFilesBlock({ "/a", "/bc" });
    bool ok = true;
    EXPECT_EQ(dropFilesNames({ whole.begin(), whole.end() - 2 }, &ok), Names { "/a" });
    EXPECT_FALSE(ok);
    EXPECT_EQ(dropFilesNames({ whole.begin(), whole.begin() + 10 }, &ok), Names {});
    EXPECT_FALSE(ok);
    std::vector<uint8_t> farOffset = whole;
    farOffset[0] = 0xff;
    EXPECT_EQ(dropFilesNames(farOffset, &ok), Names {});
    EXPECT_FALSE(ok);
}

// ---- the data object ------------------------------------------------------

struct FormatCase
{
    const char *name;
    FormatEtc format;
    HResult get; // GetData
    HResult query; // QueryGetData
};
AMX_ROW_PRINTS_NAME(FormatCase)

class DataObject : public ::testing::TestWithParam<FormatCase>
{
};

TEST_P(DataObject, OffersOnlyTheFileList)
{
    const FormatCase &c = GetParam();
    TFileDropSource source;
    source.Files = { "/t/x", "/t/y" };
    StgMedium medium;
    medium.releaseObject = &c;
    EXPECT_EQ(source.GetData(c.format, medium), c.get);
    EXPECT_EQ(source.QueryGetData(c.format), c.query);
    EXPECT_EQ(medium.releaseObject, nullptr);
    if (c.get == S_OK) {
        EXPECT_EQ(medium.storage, TYMED_HGLOBAL);
        EXPECT_EQ(*medium.block, dropFilesBlock(source.Files));
    } else {
        EXPECT_EQ(medium.block, nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(DragOut, DataObject,
    ::testing::Values(FormatCase { "content",
                          { CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL }, S_OK, S_OK },
        FormatCase { "icon", { CF_HDROP, nullptr, DVASPECT_ICON, -1, TYMED_HGLOBAL }, S_OK, S_OK },
        FormatCase {
            "thumbnail", { CF_HDROP, nullptr, 2, -1, TYMED_HGLOBAL }, DV_E_FORMATETC, S_FALSE },
        FormatCase {
            "text", { 1, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL }, DV_E_FORMATETC, S_FALSE },
        FormatCase { "globalOrStream",
            { CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL | 4 }, DV_E_FORMATETC,
            S_FALSE }),
    RowName());

TEST(DataObject, GetDataHereFillsOnlyABlockThatFits)
{
    TFileDropSource source;
    source.Files = { "/t/x" };
    const FormatEtc f = TFileDropSource::kContent;
    StgMedium medium { TYMED_HGLOBAL, nullptr, nullptr };
    EXPECT_EQ(source.GetDataHere(f, medium), E_OUTOFMEMORY);
    medium.block = std::make_shared<std::vector<uint8_t>>(dropFilesSize(source.Files) - 1, 0xee);
    EXPECT_EQ(source.GetDataHere(f, medium), STG_E_MEDIUMFULL);
    EXPECT_EQ(*medium.block, std::vector<uint8_t>(medium.block->size(), 0xee));
    medium.block->resize(40, 0xee);
    EXPECT_EQ(source.GetDataHere(f, medium), S_OK);
    EXPECT_EQ(dropFilesNames(*medium.block), source.Files);
    medium.storage = TYMED_NULL;
    EXPECT_EQ(source.GetDataHere(f, medium), DV_E_FORMATETC);
}

TEST(DataObject, DragEndsAndEnumerationDirections)
{
    TFileDropSource source;
    EXPECT_EQ(source.QueryContinueDrag(true, MK_LBUTTON), DRAGDROP_S_CANCEL);
    EXPECT_EQ(source.QueryContinueDrag(false, 0), DRAGDROP_S_DROP);
    EXPECT_EQ(source.QueryContinueDrag(false, MK_RBUTTON), S_OK);
    std::unique_ptr<TEnumFormatEtc> e;
    EXPECT_EQ(source.EnumFormatEtc(DataDir::Set, e), E_NOTIMPL);
    EXPECT_EQ(source.EnumFormatEtc(DataDir(3), e), E_INVALIDARG);
    EXPECT_EQ(e, nullptr);
}

// ---- the enumerator -------------------------------------------------------

TEST(FormatEnumerator, SkipsAndFetches)
{
    const struct
    {
        size_t skip; // first
        HResult skipped;
        size_t next; // then
        HResult nextResult;
        std::vector<uint32_t> aspects; // fetched
    } cases[] = { { 0, S_OK, 5, S_FALSE, { DVASPECT_CONTENT, DVASPECT_ICON } },
        { 0, S_OK, 1, S_OK, { DVASPECT_CONTENT } }, { 1, S_OK, 2, S_FALSE, { DVASPECT_ICON } },
        { 2, S_OK, 1, S_FALSE, {} }, { 3, S_FALSE, 1, S_FALSE, {} } };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "skip " << c.skip << " next " << c.next);
        std::unique_ptr<TEnumFormatEtc> e;
        ASSERT_EQ(TFileDropSource().EnumFormatEtc(DataDir::Get, e), S_OK);
        EXPECT_EQ(e->Skip(c.skip), c.skipped);
        FormatEtc records[5];
        size_t fetched = 99;
        EXPECT_EQ(e->Next(c.next, records, &fetched), c.nextResult);
        ASSERT_EQ(fetched, c.aspects.size());
        for (size_t i = 0; i < fetched; ++i) {
            FormatEtc expected = TFileDropSource::kContent;
            expected.aspect = c.aspects[i];
            EXPECT_EQ(records[i], expected);
        }
    }
}

TEST(FormatEnumerator, CloneKeepsThePlaceAndResetStartsAgain)
{
    std::unique_ptr<TEnumFormatEtc> e, copy;
    TFileDropSource().EnumFormatEtc(DataDir::Get, e);
    e->Skip(1);
    EXPECT_EQ(e->Clone(copy), S_OK);
    EXPECT_EQ(copy->position(), 1u);
    EXPECT_EQ(copy->Reset(), S_OK);
    FormatEtc f;
    EXPECT_EQ(copy->Next(1, &f, nullptr), S_OK);
    EXPECT_EQ(f, TFileDropSource::kContent);
    EXPECT_EQ(e->position(), 1u);
}

// ---- the calls of a drop --------------------------------------------------

TEST(DropCalls, FoldersThenFiles)
{
    const AddChoices plain, folderInfo { 0, 0, false, false, true, true };
    const AddOpts folders { O::AddRecurseDirs, O::AddHiddenFiles, O::AddDirNames };
    const AddOpts files { O::AddRecurseDirs, O::AddHiddenFiles };
    const struct
    {
        std::vector<DroppedName> dropped;
        AddChoices choices;
        std::vector<AddPass> passes;
    } cases[] = {
        { { { "/s/a" }, { "/s/d", true }, { "/s/b" } }, plain,
            { { "/s/d/", folders, { "*.*" } }, { "/s/", files, { "/s/a", "/s/b" } } } },
        // Each folder's own contents, not the last one's once per folder.
        { { { "/s/d", true }, { "/s/e", true } }, plain,
            { { "/s/d/", folders, { "*.*" } }, { "/s/e/", folders, { "*.*" } } } },
        { { { "/s/d", true }, { "/o/e", true }, { "/s/a" } }, folderInfo,
            { { "/s/", folders, { "/s/d/*.*", "/o/e/*.*" } }, { "/s/", folders, { "/s/a" } } } },
        { { { "/s/a*?.txt" }, { "/s/[x]*", true } }, folderInfo,
            { { "/s/", folders, { "/s/[x]\\*/*.*" } }, { "/s/", folders, { "/s/a\\*\\?.txt" } } } },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.dropped.front().path);
        EXPECT_EQ(dropPasses(c.dropped, c.choices), c.passes);
    }
}

// ---- the extractions of a drag out -----------------------------------------

TEST(DragOutPlan, EveryMemberKeepsAFile)
{
    DragPlan plan = dragPlan({ { "p/", "x" }, { "q/", "x" }, { "r/", "x" }, { "", "y" } }, "/t/d/");
    EXPECT_EQ(plan.calls,
        (std::vector<DragExtract> {
            { "/t/d/", { "p/x", "y" } }, { "/t/d/2/", { "q/x" } }, { "/t/d/3/", { "r/x" } } }));
    EXPECT_EQ(plan.files, (Names { "/t/d/x", "/t/d/2/x", "/t/d/3/x", "/t/d/y" }));
    // Exact names; without folder names a backslash ends the folder part too.
    plan = dragPlan({ { "p/", "a*" }, { "", "w\\v" } }, "/t/d/");
    EXPECT_EQ(plan.calls, (std::vector<DragExtract> { { "/t/d/", { "p/a\\*", "w\\\\v" } } }));
    EXPECT_EQ(plan.files, (Names { "/t/d/a*", "/t/d/v" }));
}
