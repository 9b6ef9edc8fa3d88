// The running item: set-up from its part, placement and scaling, the state
// half of its drawing, and the palette lookup of block and shot items.

#include <gtest/gtest.h>

#include "chara_world.h"
#include "records/palette/common_palette.h"
#include "records/script/cmd_kind_table.h"
#include "stage/objects/item.h"

class ItemTest : public CharaWorld {
 protected:
  void SetUp() override {
    CharaWorld::SetUp();
    savedCommon_ = g_CommonPalette.m_ItemPalette;
    g_Stage.m_nItemBoxW = 20;
    g_Stage.m_nItemBoxH = 24;
  }
  void TearDown() override {
    g_CommonPalette.m_ItemPalette = savedCommon_;
    CharaWorld::TearDown();
  }

  static cItemDef Part(int8_t scale) {
    cItemDef def;
    def.m_nGraphic = 5;
    def.m_nScale = scale;
    return def;
  }

  cVector<cItemDef> savedCommon_;
};

TEST_F(ItemTest, GiantScaleOfZeroOrBelowBecomesOne) {
  struct Case {
    int8_t scale;
    int32_t carried;
    int32_t expectScale;
    int32_t expectWidth;
  };
  const Case cases[] = {
      {0, 0, 1, 20}, {-3, 0, 1, 20}, {2, 0, 2, 40}, {3, 1, 3, 20},  // a carried copy keeps scale 1
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "scale " << int{c.scale} << " carried " << c.carried);
    const cItemDef def = Part(c.scale);
    cItem item;
    item.InitFromDef(7, &def, c.carried);
    EXPECT_EQ(item.m_Def.m_nScale, c.expectScale);
    EXPECT_EQ(item.m_nWidth, c.expectWidth);
    EXPECT_EQ(item.m_nWidthBase, 20);
    EXPECT_EQ(item.m_nGraphicOffsetXBase, 6);   // 16 - 20 / 2: centred in the cell
    EXPECT_EQ(item.m_nGraphicOffsetYBase, 4);
    EXPECT_EQ(item.m_bEnabled, c.carried);
    EXPECT_EQ(item.m_bFlying, 1);
    EXPECT_EQ(item.m_nGraphicNo, 5);
  }
}

TEST_F(ItemTest, ConstructedItemIsTheEmptyPart) {
  const cItem item;
  EXPECT_EQ(item.m_Def.m_nGraphicSource, 2);
  EXPECT_EQ(item.m_Def.m_nGraphic, 0);
  EXPECT_EQ(item.m_Def.m_bTakeMessage, 1);
  EXPECT_EQ(item.m_Def.m_nScale, 1);
  EXPECT_EQ(item.m_Def.m_nZ, 6);
  EXPECT_EQ(item.m_Def.m_Inherit.VectorSize(), kItemInheritGroups);
  EXPECT_EQ(item.m_bCarried, 0);
}

TEST_F(ItemTest, LoopCommandsAreUnrolledAtSetUp) {
  cItemDef def = Part(1);
  cFlowCmd loop;
  loop.m_nSet = kCmdSetItem;
  loop.m_nKind = kItemCmdLoop;
  loop.m_Params.assign({3, 1});
  cFlowCmd sound;
  sound.m_nSet = kCmdSetItem;
  sound.m_nKind = 20;
  sound.m_Params.assign({4});
  def.m_Commands.assign({loop, sound});
  cItem item;
  item.InitFromDef(1, &def, 0);
  ASSERT_EQ(item.m_Def.m_Commands.VectorSize(), 3);
  for (const cFlowCmd& cmd : item.m_Def.m_Commands) EXPECT_EQ(cmd.m_nKind, 20);
  EXPECT_EQ(def.m_Commands.VectorSize(), 2);  // the part itself stays as stored
}

TEST_F(ItemTest, AnimationAlternatesEveryFifteenFramesAndStandsStillWhenPausedOrInvisible) {
  const cItemDef def = Part(1);
  cItem item;
  item.InitFromDef(1, &def, 0);
  std::vector<int32_t> patterns;
  for (int i = 0; i < 31; ++i) patterns.push_back(item.StepDraw(0));
  // The 15th frame shows the next pattern.
  EXPECT_EQ(patterns[0], 0);
  EXPECT_EQ(patterns[13], 0);
  EXPECT_EQ(patterns[14], 1);
  EXPECT_EQ(patterns[28], 1);
  EXPECT_EQ(patterns[29], 0);
  const cAnimeSequence before = item.m_Anime;
  EXPECT_EQ(item.StepDraw(1), 0);
  EXPECT_EQ(item.m_Anime.m_nTick, before.m_nTick);
  item.m_Def.m_bHidden = 1;
  EXPECT_EQ(item.StepDraw(0), -1);
  EXPECT_EQ(item.m_Anime.m_nTick, before.m_nTick);
}

TEST_F(ItemTest, ScaledPlacementKeepsTheGraphicsBottomOnTheCell) {
  for (const int8_t scale : {int8_t{1}, int8_t{2}, int8_t{3}}) {
    SCOPED_TRACE(int{scale});
    const cItemDef def = Part(scale);
    cItem item;
    item.InitFromDef(1, &def, 0);
    item.PlaceAtBlock(4, 6, 1);
    // The body's bottom edge plus the graphic's offset below it is the
    // cell's bottom whatever the scale.
    EXPECT_DOUBLE_EQ(item.m_dY + (item.m_nHeightBase + item.m_nGraphicOffsetYBase) * scale,
                     (6 + 10) * 32 + 4 + 28);
    EXPECT_DOUBLE_EQ(item.m_dX + item.m_nWidth / 2.0, (4 + 10) * 32 + 6 + 0.5 + 10);
  }
}

TEST_F(ItemTest, PaletteItemsByKindAndIndex) {
  g_CommonPalette.m_ItemPalette.assign(2, cItemDef());
  g_Stage.m_ItemPalette.assign(3, cItemDef());
  struct Case {
    int32_t kind;
    int32_t index;
    const cItemDef* expect;
  };
  const Case cases[] = {
      {1, 0, &g_CommonPalette.m_ItemPalette.CheckedVectorAt(0)},
      {1, 1, &g_CommonPalette.m_ItemPalette.CheckedVectorAt(1)},
      {1, 2, nullptr},
      {2, 2, &g_Stage.m_ItemPalette.CheckedVectorAt(2)},
      {2, -1, nullptr},
      {0, 0, nullptr},
      {3, 0, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.kind << "/" << c.index);
    EXPECT_EQ(GetPaletteItem(c.kind, c.index), c.expect);
  }
}
