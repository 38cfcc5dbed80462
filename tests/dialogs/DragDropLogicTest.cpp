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

struct BlockCase
{
    const char *name;
    Names files;
    std::string block;
};
AMX_ROW_PRINTS_NAME(BlockCase)

class DropFilesBlock : public ::testing::TestWithParam<BlockCase>
{
};

TEST_P(DropFilesBlock, LaysOutAndReadsBack)
{
    const BlockCase &c = GetParam();
    EXPECT_EQ(dropFilesBlock(c.files), bytes(c.block));
    EXPECT_EQ(dropFilesSize(c.files), c.block.size());
    bool ok = false;
    EXPECT_EQ(dropFilesNames(bytes(c.block), &ok), c.files);
    EXPECT_TRUE(ok);
}

INSTANTIATE_TEST_SUITE_P(DragOut, DropFilesBlock,
    ::testing::Values(BlockCase { "none", {}, kHeader + std::string(1, '\0') },
        BlockCase { "one", { "/t/a.txt" }, kHeader + std::string("/t/a.txt\0\0", 10) },
        BlockCase { "twoUtf8", { "/t/a", "/t/\xc3\xa9 b" },
            kHeader + std::string("/t/a\0/t/\xc3\xa9 b\0\0", 14) }),
    RowName());

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

TEST(DataObject, TheOtherAnswers)
{
    TFileDropSource source;
    FormatEtc out { 0, &source };
    EXPECT_EQ(source.GetCanonicalFormatEtc(TFileDropSource::kContent, out), E_NOTIMPL);
    EXPECT_EQ(out.targetDevice, nullptr);
    EXPECT_EQ(source.SetData(TFileDropSource::kContent, {}, true), E_NOTIMPL);
    const void *advise = &source;
    EXPECT_EQ(source.EnumDAdvise(&advise), OLE_E_ADVISENOTSUPPORTED);
    EXPECT_EQ(advise, nullptr);
    EXPECT_EQ(source.DAdvise(), OLE_E_ADVISENOTSUPPORTED);
    EXPECT_EQ(source.GiveFeedback(1), DRAGDROP_S_USEDEFAULTCURSORS);
    // Escape cancels; letting go of both buttons drops.
    EXPECT_EQ(source.QueryContinueDrag(true, MK_LBUTTON), DRAGDROP_S_CANCEL);
    EXPECT_EQ(source.QueryContinueDrag(false, 0), DRAGDROP_S_DROP);
    EXPECT_EQ(source.QueryContinueDrag(false, MK_RBUTTON), S_OK);
    EXPECT_EQ(source.QueryContinueDrag(false, MK_LBUTTON | 4), S_OK);

    std::unique_ptr<TEnumFormatEtc> e;
    EXPECT_EQ(source.EnumFormatEtc(DataDir::Set, e), E_NOTIMPL);
    EXPECT_EQ(source.EnumFormatEtc(DataDir(3), e), E_INVALIDARG);
    EXPECT_EQ(e, nullptr);
}

// ---- the enumerator -------------------------------------------------------

struct EnumCase
{
    const char *name;
    size_t skip; // first
    HResult skipped;
    size_t next; // then
    HResult nextResult;
    std::vector<uint32_t> aspects; // fetched
};
AMX_ROW_PRINTS_NAME(EnumCase)

class FormatEnumerator : public ::testing::TestWithParam<EnumCase>
{
};

TEST_P(FormatEnumerator, SkipsAndFetches)
{
    const EnumCase &c = GetParam();
    std::unique_ptr<TEnumFormatEtc> e;
    ASSERT_EQ(TFileDropSource().EnumFormatEtc(DataDir::Get, e), S_OK);
    EXPECT_EQ(e->Skip(c.skip), c.skipped);
    FormatEtc records[5];
    size_t fetched = 99;
    EXPECT_EQ(e->Next(c.next, records, &fetched), c.nextResult);
    ASSERT_EQ(fetched, c.aspects.size());
    for (size_t i = 0; i < fetched; ++i) {
        EXPECT_EQ(records[i].aspect, c.aspects[i]);
        EXPECT_EQ(records[i].format, CF_HDROP);
        EXPECT_EQ(records[i].storage, TYMED_HGLOBAL);
        EXPECT_EQ(records[i].index, -1);
    }
}

INSTANTIATE_TEST_SUITE_P(DragOut, FormatEnumerator,
    ::testing::Values(
        EnumCase { "nextFiveGivesTwo", 0, S_OK, 5, S_FALSE, { DVASPECT_CONTENT, DVASPECT_ICON } },
        EnumCase { "nextOne", 0, S_OK, 1, S_OK, { DVASPECT_CONTENT } },
        EnumCase { "skipOneThenTwo", 1, S_OK, 2, S_FALSE, { DVASPECT_ICON } },
        EnumCase { "skipTwoReachesTheEnd", 2, S_OK, 1, S_FALSE, {} },
        EnumCase { "skipThreeStopsAtTheEnd", 3, S_FALSE, 1, S_FALSE, {} }),
    RowName());

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

struct DropCase
{
    const char *name;
    std::vector<DroppedName> dropped;
    AddChoices choices;
    std::vector<AddPass> passes;
};
AMX_ROW_PRINTS_NAME(DropCase)

class DropCalls : public ::testing::TestWithParam<DropCase>
{
};

TEST_P(DropCalls, FoldersThenFiles)
{
    EXPECT_EQ(dropPasses(GetParam().dropped, GetParam().choices), GetParam().passes);
}

const AddChoices kDefaults;
const AddChoices kFolderInfo { 0, 0, false, false, true, true };
const AddOpts kFolders { O::AddRecurseDirs, O::AddHiddenFiles, O::AddDirNames };
const AddOpts kFiles { O::AddRecurseDirs, O::AddHiddenFiles };

INSTANTIATE_TEST_SUITE_P(Drop, DropCalls,
    ::testing::Values(DropCase { "oneFile", { { "/s/a.txt" } }, kDefaults,
                          { { "/s/", kFiles, { "/s/a.txt" } } } },
        DropCase { "threeFiles", { { "/s/a" }, { "/s/b" }, { "/o/c" } }, kDefaults,
            { { "/s/", kFiles, { "/s/a", "/s/b", "/o/c" } } } },
        DropCase { "folderAndTwoFiles", { { "/s/a" }, { "/s/d", true }, { "/s/b" } }, kDefaults,
            { { "/s/d/", kFolders, { "*.*" } }, { "/s/", kFiles, { "/s/a", "/s/b" } } } },
        // Each folder's own contents, not the last one's once per folder.
        DropCase { "twoFoldersEachInside", { { "/s/d", true }, { "/s/e", true } }, kDefaults,
            { { "/s/d/", kFolders, { "*.*" } }, { "/s/e/", kFolders, { "*.*" } } } },
        DropCase { "folderInfoOneCall", { { "/s/d", true }, { "/o/e", true }, { "/s/a" } },
            kFolderInfo,
            { { "/s/", kFolders, { "/s/d/*.*", "/o/e/*.*" } }, { "/s/", kFolders, { "/s/a" } } } },
        DropCase { "patternCharactersAreExact", { { "/s/a*?.txt" }, { "/s/[x]*", true } },
            kFolderInfo,
            { { "/s/", kFolders, { "/s/[x]\\*/*.*" } },
                { "/s/", kFolders, { "/s/a\\*\\?.txt" } } } }),
    RowName());

TEST(DropCalls, Caption)
{
    EXPECT_EQ(droppedCaption({ "/s/a.txt" }), "File dragged: /s/a.txt");
    EXPECT_EQ(droppedCaption({ "/s/a", "/s/b" }), "Files dragged: 2");
}

// ---- the extractions of a drag out -----------------------------------------

struct PlanCase
{
    const char *name;
    std::vector<ViewEntry> rows;
    std::vector<DragExtract> calls;
    Names files;
};
AMX_ROW_PRINTS_NAME(PlanCase)

class DragOutPlan : public ::testing::TestWithParam<PlanCase>
{
};

TEST_P(DragOutPlan, EveryMemberKeepsAFile)
{
    const DragPlan plan = dragPlan(GetParam().rows, "/t/d/");
    EXPECT_EQ(plan.calls, GetParam().calls);
    EXPECT_EQ(plan.files, GetParam().files);
}

INSTANTIATE_TEST_SUITE_P(DragOut, DragOutPlan,
    ::testing::Values(PlanCase { "distinctNames", { { "", "a" }, { "p/", "b" } },
                          { { "/t/d/", { "a", "p/b" } } }, { "/t/d/a", "/t/d/b" } },
        PlanCase { "sameNameTwice", { { "p/", "x" }, { "q/", "x" }, { "r/", "x" }, { "", "y" } },
            { { "/t/d/", { "p/x", "y" } }, { "/t/d/2/", { "q/x" } }, { "/t/d/3/", { "r/x" } } },
            { "/t/d/x", "/t/d/2/x", "/t/d/3/x", "/t/d/y" } },
        PlanCase { "patternAndBackslash", { { "p/", "a*" }, { "", "w\\v" } },
            { { "/t/d/", { "p/a\\*", "w\\\\v" } } }, { "/t/d/a*", "/t/d/v" } }),
    RowName());
