// Block parts and their templates: which members each inherit flag copies,
// which references are followed, dropped or kept, and the held-item check.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "block_item_fixtures.h"

namespace {

using BlockTemplateTest = PartTest;

using BlockGroup = cGroupMembers<cBlockDef>;
using Block = const cBlockDef&;

const std::array<BlockGroup, kBlockInheritGroups> kBlockGroupMembers = {{
    {0, "name", [](Block a, Block b) { return a.m_strName == b.m_strName; }},
    {1, "conditions, mode, once",
     [](Block a, Block b) {
       return a.m_Conditions == b.m_Conditions && a.m_nCondMode == b.m_nCondMode &&
              a.m_bCondOnce == b.m_bCondOnce;
     }},
    {2, "graphic source, graphic, cell",
     [](Block a, Block b) {
       return a.m_nGraphicSource == b.m_nGraphicSource && a.m_nGraphic == b.m_nGraphic &&
              a.m_nGraphicCell == b.m_nGraphicCell;
     }},
    {3, "layer", [](Block a, Block b) { return a.m_nLayer == b.m_nLayer; }},
    {4, "hidden", [](Block a, Block b) { return a.m_bHidden == b.m_bHidden; }},
    {5, "mark display, mark",
     [](Block a, Block b) { return a.m_nMarkShow == b.m_nMarkShow && a.m_nMark == b.m_nMark; }},
    {6, "hit class", [](Block a, Block b) { return a.m_nHitClass == b.m_nHitClass; }},
    {7, "exempt group", [](Block a, Block b) { return a.m_nExemptGroup == b.m_nExemptGroup; }},
    {8, "floor effect, value",
     [](Block a, Block b) {
       return a.m_nFloorEffect == b.m_nFloorEffect && a.m_nFloorValue == b.m_nFloorValue;
     }},
    {9, "held item",
     [](Block a, Block b) { return a.m_nItemPalette == b.m_nItemPalette && a.m_nItemIndex == b.m_nItemIndex; }},
    {10, "no replace", [](Block a, Block b) { return a.m_bNoReplace == b.m_bNoReplace; }},
}};

// A part with every flag set, to see whether anything was copied at all.
cBlockDef InheritingBlock(int8_t kind, int16_t index) {
  cBlockDef block = SeededBlock(2);
  block.m_nTemplateKind = kind;
  block.m_nTemplateIndex = index;
  block.m_Inherit.assign(kBlockInheritGroups, 1);
  return block;
}

// What part becomes when every group is copied from source.
cBlockDef AllGroupsOf(const cBlockDef& source, const cBlockDef& part) {
  cBlockDef expected = source;
  expected.m_nX = part.m_nX;
  expected.m_nY = part.m_nY;
  expected.m_nTemplateKind = part.m_nTemplateKind;
  expected.m_nTemplateIndex = part.m_nTemplateIndex;
  expected.m_Inherit = part.m_Inherit;
  return expected;
}

}  // namespace

TEST_F(BlockTemplateTest, EachFlagCopiesItsGroup) {
  templates_.commonBlocks.CheckedVectorAt(1) = SeededBlock(1);
  templates_.commonBlocks.CheckedVectorAt(2) = SeededBlock(2);
  ExpectEachFlagCopiesItsGroup(kBlockGroupMembers, templates_.commonBlocks);
}

TEST_F(BlockTemplateTest, ReferenceDecidesWhetherAnythingIsCopied) {
  templates_.commonBlocks.CheckedVectorAt(2) = SeededBlock(1);
  templates_.stageBlocks.CheckedVectorAt(1) = SeededBlock(3);
  struct Case {
    int8_t nKind;
    int16_t nIndex;
    int8_t nKindAfter;
    const cBlockDef* lpCopiedFrom;  // null: the part keeps its own values
  };
  const Case cases[] = {
      {kTemplateCommon, 2, kTemplateCommon, &templates_.commonBlocks.CheckedVectorAt(2)},
      {kTemplateStage, 1, kTemplateStage, &templates_.stageBlocks.CheckedVectorAt(1)},
      {kTemplateStage, 0, kTemplateStage, nullptr},  // index 0 names no template
      {kTemplateNone, 2, kTemplateNone, nullptr},
      {kTemplateCommon, 3, kTemplateNone, nullptr},  // past the palette: the kind goes
      {kTemplateCommon, -1, kTemplateNone, nullptr},
      {5, 1, 5, nullptr},                            // no palette kind: its own template
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << int{c.nKind} << " index " << c.nIndex);
    cBlockDef block = InheritingBlock(c.nKind, c.nIndex);
    const cBlockDef before = block;
    block.ApplyTemplate(templates_);
    EXPECT_EQ(block.m_nTemplateKind, c.nKindAfter);
    EXPECT_EQ(block.m_nTemplateIndex, c.nIndex);
    cBlockDef expected = c.lpCopiedFrom ? AllGroupsOf(*c.lpCopiedFrom, before) : before;
    expected.m_nTemplateKind = c.nKindAfter;
    EXPECT_TRUE(block == expected);
  }
}

TEST_F(BlockTemplateTest, FlagsPastTheGroupsSelectNothing) {
  templates_.commonBlocks.CheckedVectorAt(1) = SeededBlock(1);
  struct Case {
    std::vector<int8_t> flags;
    std::string expectedName;
    int16_t nExpectedMark;
  };
  const Case cases[] = {
      {std::vector<int8_t>(kBlockInheritGroups, 0), "ブロック2", 62},
      {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1}, "ブロック2", 62},  // flags 11 and 12
      {{1, 0}, "ブロック1", 62},                                    // a short list
      {{0, 0, 0, 0, 0, 7}, "ブロック2", 61},                         // any value but 0 is set
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.flags.size() << " flags");
    cBlockDef block = InheritingBlock(kTemplateCommon, 1);
    block.m_Inherit.assign(c.flags.begin(), c.flags.end());
    block.ApplyTemplate(templates_);
    EXPECT_EQ(block.m_strName, c.expectedName);
    EXPECT_EQ(block.m_nMark, c.nExpectedMark);
    EXPECT_EQ(block.m_nGraphic, 12) << "group 2 is never selected here";
    EXPECT_EQ(block.m_Inherit.size(), c.flags.size());
  }
}

TEST_F(BlockTemplateTest, TemplatePastThePaletteOnLoadKeepsItsIndex) {
  cBlockDef block = InheritingBlock(kTemplateCommon, 7);
  cBlockDef loaded;
  ASSERT_EQ(LoadPartImage(loaded, RawPartImage(block)), eRecordFile::Ok);
  EXPECT_EQ(loaded.m_nTemplateKind, kTemplateNone);
  EXPECT_EQ(loaded.m_nTemplateIndex, 7);
  block.m_nTemplateKind = kTemplateNone;
  EXPECT_TRUE(loaded == block) << "its own values are kept";

  // It is written back so.
  cBlockDef reloaded;
  ASSERT_EQ(LoadPartImage(reloaded, RecordImageAt(loaded)), eRecordFile::Ok);
  EXPECT_TRUE(reloaded == block);
}

TEST_F(BlockTemplateTest, ValidateTemplateDropsReferencesPastThePalette) {
  struct Case {
    int8_t nKind;
    int16_t nIndex;
    int8_t nKindAfter;
    int16_t nIndexAfter;
  };
  const Case cases[] = {
      {kTemplateCommon, 2, kTemplateCommon, 2},
      {kTemplateCommon, 3, kTemplateNone, 0},
      {kTemplateStage, 2, kTemplateStage, 2},
      {kTemplateStage, -1, kTemplateNone, 0},
      {kTemplateNone, 7, kTemplateNone, 7},
      {5, 9, 5, 9},  // only palette kinds name a list
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << int{c.nKind} << " index " << c.nIndex);
    cBlockDef block = InheritingBlock(c.nKind, c.nIndex);
    block.ValidateTemplate(context_);
    EXPECT_EQ(block.m_nTemplateKind, c.nKindAfter);
    EXPECT_EQ(block.m_nTemplateIndex, c.nIndexAfter);
  }
}

TEST_F(BlockTemplateTest, ValidateItemRefDropsItemsPastTheirPalette) {
  context_.stagePalette.nItems = 1;
  struct Case {
    int8_t nPalette;
    int16_t nIndex;
    int8_t nPaletteAfter;
    int16_t nIndexAfter;
  };
  const Case cases[] = {
      {1, 2, 1, 2},
      {1, 3, 0, 0},
      {1, -2, 0, 0},
      {2, 0, 2, 0},
      {2, 1, 0, 0},  // the stage palette holds one item here
      {0, 9, 0, 9},
      {3, 9, 3, 9},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "palette " << int{c.nPalette} << " index " << c.nIndex);
    cBlockDef block = SeededBlock(1);
    block.m_nItemPalette = c.nPalette;
    block.m_nItemIndex = c.nIndex;
    block.ValidateItemRef(context_);
    EXPECT_EQ(block.m_nItemPalette, c.nPaletteAfter);
    EXPECT_EQ(block.m_nItemIndex, c.nIndexAfter);
  }
}

TEST_F(BlockTemplateTest, NewBlockAndSetDefaults) {
  const cBlockDef block;
  EXPECT_EQ(block.m_nHitClass, kBlockSolid);
  EXPECT_EQ(block.m_nExemptGroup, kNoExemptGroup);
  EXPECT_EQ(block.m_nGraphic, 0);
  EXPECT_EQ(block.m_Inherit.size(), static_cast<std::size_t>(kBlockInheritGroups));

  // A used part goes back to that, lists included; only the position stays.
  cBlockDef used = InheritingBlock(kTemplateCommon, 2);
  used.SetDefaults();
  cBlockDef expected;
  expected.m_nX = 102;
  expected.m_nY = 202;
  EXPECT_TRUE(used == expected);
}
