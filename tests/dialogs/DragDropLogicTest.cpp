// Drag and drop without windows: the file-drop block and data object, the
// format enumerator's bounds, the library calls of a drop and the extractions of a
// drag out.

#include "DropRun.h"
#include "DropSource.h"
#include "ListDragDrop.h"
#include "Table.h"

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
        EXPECT_TRUE((dropFilesNames(bytes(c.block), &ok)) == c.files && ok);
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

// Only the file list is offered, and never written past a caller's buffer.
TEST(DataObject, OffersTheFileListIntoBuffersThatFit)
{
    TFileDropSource source;
    source.Files = { "/t/x" };
    FormatEtc text = TFileDropSource::kContent;
    text.format = 1;
    StgMedium medium;
    EXPECT_TRUE((source.GetData(text, medium)) == DV_E_FORMATETC && medium.block == nullptr);
    EXPECT_EQ(source.GetData(TFileDropSource::kContent, medium), S_OK);
    EXPECT_EQ(*medium.block, dropFilesBlock(source.Files));
    const FormatEtc f = TFileDropSource::kContent;
    medium.block = std::make_shared<std::vector<uint8_t>>(dropFilesSize(source.Files) - 1, 0xee);
    EXPECT_EQ(source.GetDataHere(f, medium), STG_E_MEDIUMFULL);
    EXPECT_EQ(*medium.block, std::vector<uint8_t>(medium.block->size(), 0xee));
    medium.block->resize(40, 0xee);
    EXPECT_EQ(source.GetDataHere(f, medium), S_OK);
    EXPECT_EQ(dropFilesNames(*medium.block), source.Files);
}

// The enumerator stops at its end whatever it is asked for.
TEST(FormatEnumerator, StopsAtTheEnd)
{
    std::unique_ptr<TEnumFormatEtc> e;
    ASSERT_EQ(TFileDropSource().EnumFormatEtc(DataDir::Get, e), S_OK);
    FormatEtc records[5];
    size_t fetched = 99;
    EXPECT_TRUE((e->Next(5, records, &fetched)) == S_FALSE && fetched == 2u);
    EXPECT_TRUE(records[0] == TFileDropSource::kContent && e->Reset() == S_OK);
    EXPECT_TRUE(e->Skip(3) == S_FALSE && (e->Next(1, records, &fetched)) == S_FALSE);
    EXPECT_EQ(fetched, 0u);
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
        // Each folder in itself: the main window's drops, with the archives they make.
        { { { "/s/a" }, { "/s/d", true }, { "/s/b" } }, plain,
            { { "/s/d/", folders, { "*.*" } }, { "/s/", files, { "/s/a", "/s/b" } } } },
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
    EXPECT_TRUE(plan.plainNames);
    // Exact names; without folder names a backslash ends the folder part too.
    plan = dragPlan({ { "p/", "a*" }, { "", "w\\v" } }, "/t/d/");
    EXPECT_EQ(plan.calls, (std::vector<DragExtract> { { "/t/d/", { "p/a\\*", "w\\\\v" } } }));
    EXPECT_EQ(plan.files, (Names { "/t/d/a*", "/t/d/v" }));
    EXPECT_FALSE(plan.plainNames); // where "w\\v" lands is looked at
}
