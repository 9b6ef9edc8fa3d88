// Item parts and their templates and validation: which members each inherit
// flag copies, references past their palette, the scale, the sound and the
// commands.

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "block_item_fixtures.h"

namespace {

using ItemTemplateTest = PartTest;

using ItemGroup = cGroupMembers<cItemDef>;
using Item = const cItemDef&;

const std::array<ItemGroup, kItemInheritGroups> kItemGroupMembers = {{
    {0, "name", [](Item a, Item b) { return a.m_strName == b.m_strName; }},
    {1, "conditions, mode, once",
     [](Item a, Item b) {
       return a.m_Conditions == b.m_Conditions && a.m_nCondMode == b.m_nCondMode &&
              a.m_bCondOnce == b.m_bCondOnce;
     }},
    {2, "x offset", [](Item a, Item b) { return a.m_nExtra1 == b.m_nExtra1; }},
    {3, "y offset", [](Item a, Item b) { return a.m_nExtra2 == b.m_nExtra2; }},
    {4, "graphic source, graphic, cell",
     [](Item a, Item b) {
       return a.m_nGraphicSource == b.m_nGraphicSource && a.m_nGraphic == b.m_nGraphic &&
              a.m_nGraphicCell == b.m_nGraphicCell;
     }},
    {5, "layer", [](Item a, Item b) { return a.m_nZ == b.m_nZ; }},
    {6, "hidden", [](Item a, Item b) { return a.m_bHidden == b.m_bHidden; }},
    {7, "mark display, mark",
     [](Item a, Item b) { return a.m_nMarkShow == b.m_nMarkShow && a.m_nMark == b.m_nMark; }},
    {8, "scale", [](Item a, Item b) { return a.m_nScale == b.m_nScale; }},
    {9, "take kind", [](Item a, Item b) { return a.m_nTakeKind == b.m_nTakeKind; }},
    {10, "take message", [](Item a, Item b) { return a.m_bTakeMessage == b.m_bTakeMessage; }},
    {11, "sound", [](Item a, Item b) { return a.m_nSound == b.m_nSound; }},
    {12, "commands", [](Item a, Item b) { return a.m_Commands == b.m_Commands; }},
}};

cItemDef ItemWithTemplate(int8_t kind, int16_t index, std::vector<int32_t> flags) {
  cItemDef item = SeededItem(2);
  item.m_nTemplateKind = kind;
  item.m_nTemplateIndex = index;
  item.m_Inherit.assign(kItemInheritGroups, 0);
  for (const int32_t flag : flags) item.m_Inherit.CheckedVectorAt(flag) = 1;
  return item;
}

}  // namespace

TEST_F(ItemTemplateTest, EachFlagCopiesItsGroup) {
  templates_.commonItems.CheckedVectorAt(1) = SeededItem(1);
  templates_.commonItems.CheckedVectorAt(2) = SeededItem(2);
  ExpectEachFlagCopiesItsGroup(kItemGroupMembers, templates_.commonItems);
}

TEST_F(ItemTemplateTest, LoadTakesTheGraphicAndSoundOfCommonItemThree) {
  templates_.commonItems.resize(4);
  context_.commonPalette.nItems = 4;
  cItemDef common = SeededItem(3);
  common.m_nGraphicSource = kPartGraphicShot;
  templates_.commonItems.CheckedVectorAt(3) = common;

  const cItemDef stored = ItemWithTemplate(kTemplateCommon, 3, {4, 11});
  cItemDef loaded;
  ASSERT_EQ(LoadPartImage(loaded, RawPartImage(stored)), eRecordFile::Ok);
  cItemDef expected = stored;
  expected.m_nGraphicSource = kPartGraphicShot;
  expected.m_nGraphic = common.m_nGraphic;
  expected.m_nGraphicCell = common.m_nGraphicCell;
  expected.m_nSound = common.m_nSound;
  EXPECT_TRUE(loaded == expected);
}

TEST_F(ItemTemplateTest, TemplatePastThePaletteIsDroppedWhenAppliedAndWhenValidated) {
  struct Case {
    int8_t nKind;
    int16_t nIndex;
    int8_t nKindApplied;  // the index stays when applied
    int8_t nKindValidated;
    int16_t nIndexValidated;
  };
  const Case cases[] = {
      {kTemplateStage, 2, kTemplateStage, kTemplateStage, 2},
      {kTemplateStage, 3, kTemplateNone, kTemplateNone, 0},
      {kTemplateCommon, -7, kTemplateNone, kTemplateNone, 0},
      {5, 3, 5, 5, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << int{c.nKind} << " index " << c.nIndex);
    cItemDef applied = ItemWithTemplate(c.nKind, c.nIndex, {0});
    applied.ApplyTemplate(templates_);
    EXPECT_EQ(applied.m_nTemplateKind, c.nKindApplied);
    EXPECT_EQ(applied.m_nTemplateIndex, c.nIndex);

    cItemDef validated = ItemWithTemplate(c.nKind, c.nIndex, {0});
    validated.Validate(context_);
    EXPECT_EQ(validated.m_nTemplateKind, c.nKindValidated);
    EXPECT_EQ(validated.m_nTemplateIndex, c.nIndexValidated);
  }
}

TEST_F(ItemTemplateTest, ValidateRepairsScaleAndSound) {
  struct Case {
    int8_t nScale;
    int16_t nSound;
    int8_t nScaleAfter;
    int16_t nSoundAfter;
  };
  const Case cases[] = {
      {0, 4, 1, 4},    // 5 sounds: 4 is the last
      {-3, 5, 1, 0},
      {1, -1, 1, 0},
      {9, 0, 9, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "scale " << int{c.nScale} << " sound " << c.nSound);
    cItemDef item = SeededItem(1);
    item.m_nScale = c.nScale;
    item.m_nSound = c.nSound;
    item.Validate(context_);
    EXPECT_EQ(item.m_nScale, c.nScaleAfter);
    EXPECT_EQ(item.m_nSound, c.nSoundAfter);
  }

  // A stored scale of 0 loads as 1.
  cItemDef stored = SeededItem(1);
  stored.m_nScale = 0;
  cItemDef loaded;
  ASSERT_EQ(LoadPartImage(loaded, RawPartImage(stored)), eRecordFile::Ok);
  EXPECT_EQ(loaded.m_nScale, 1);
}

TEST_F(ItemTemplateTest, ValidateChecksEveryCommandButNoCondition) {
  cItemDef item = SeededItem(1);
  item.m_Conditions.CheckedVectorAt(0).m_nKind = 99;  // no kind of condition
  cFlowCmd& wait = item.m_Commands.CheckedVectorAt(0);
  wait.m_Params.assign(4, 7);  // "ゲームウエイト" has one parameter
  wait.m_nSound = 9;           // past the 5 sounds
  item.m_Commands.push_back(wait);
  item.m_Commands.CheckedVectorAt(1).m_nKind = 60;  // no item command kind
  item.Validate(context_);

  EXPECT_EQ(item.m_Conditions.CheckedVectorAt(0).m_nKind, 99);
  EXPECT_EQ(item.m_Commands.CheckedVectorAt(0).m_Params.size(), 1u);
  EXPECT_EQ(item.m_Commands.CheckedVectorAt(0).m_nSound, 0);
  EXPECT_EQ(item.m_Commands.CheckedVectorAt(1).m_nKind, 0);
}

TEST_F(ItemTemplateTest, ValidatePaletteRefsChecksEveryCommand) {
  // "アイテムの取得" (item kind 10): P0 the palette (0 common), P1 the item.
  cFlowCmd getItem;
  getItem.m_nSet = kCmdSetItem;
  getItem.m_nKind = 10;
  getItem.m_Params.assign({0, 2});
  cItemDef item = SeededItem(1);
  item.m_Commands.assign(2, getItem);
  item.m_Commands.CheckedVectorAt(1).m_Params.assign({0, 3});
  item.ValidatePaletteRefs(context_);
  EXPECT_EQ(item.m_Commands.CheckedVectorAt(0).m_Params.CheckedVectorAt(1), 2);
  EXPECT_EQ(item.m_Commands.CheckedVectorAt(1).m_Params.CheckedVectorAt(1), 1);
}
