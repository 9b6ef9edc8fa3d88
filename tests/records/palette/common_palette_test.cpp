// The common palette: its file, entry 0 and the inherit flags after a load,
// templates resolved while it loads (kind 1 against itself, entry by entry;
// kind 2 against the caller's stage palettes), padding and validation, and a
// failed load that leaves g_CommonPalette as it was.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "block_item_fixtures.h"
#include "records/palette/common_palette.h"
#include "support/temp_dir.h"

namespace {

// Stored palettes, written part by part as they stand (a palette's own save
// would normalise them first).
std::string PaletteImage(const std::vector<cBlockDef>& blocks, std::vector<cCharaDef> charas,
                         const std::vector<cItemDef>& items) {
  cRecordBytes bytes;
  bytes.Int32(836).Int32(0).Int32(0);
  bytes.Int32(static_cast<int32_t>(blocks.size()));
  for (const cBlockDef& block : blocks) bytes.Raw(RawPartImage(block).substr(4));
  bytes.Int32(static_cast<int32_t>(charas.size()));
  // A chara's save validates: against palettes larger than any test's.
  cValidateContext wide = CurrentValidateContext();
  wide.commonPalette = wide.stagePalette = {100, 100, 100};
  const cValidateContextScope scope(wide);
  for (cCharaDef& chara : charas) bytes.Raw(NestedImage(chara));
  bytes.Int32(static_cast<int32_t>(items.size()));
  for (const cItemDef& item : items) bytes.Raw(RawPartImage(item).substr(4));
  return bytes.Bytes();
}

// A part naming a common template with the given inherit flags set.
template <class Part>
Part Inheriting(Part part, int16_t index, std::vector<int32_t> flags, int8_t kind = kTemplateCommon) {
  part.m_nTemplateKind = kind;
  part.m_nTemplateIndex = index;
  for (const int32_t flag : flags) part.m_Inherit.CheckedVectorAt(flag) = 1;
  return part;
}

bool SamePalette(const cCommonPalette& a, const cCommonPalette& b) {
  return a.m_BlockPalette == b.m_BlockPalette && a.m_CharaPalette == b.m_CharaPalette &&
         a.m_ItemPalette == b.m_ItemPalette;
}

// Restores g_CommonPalette after each test.
class CommonPaletteTest : public PartTest {
 protected:
  ~CommonPaletteTest() override { g_CommonPalette = saved_; }

  cCommonPalette Load(const std::string& image) {
    cCommonPalette palette;
    EXPECT_EQ(LoadRecordImage(palette, ToImage(image)), eRecordFile::Ok);
    return palette;
  }

  cCommonPalette saved_ = g_CommonPalette;
  TempDir dir_;
};

cItemDef PlainItem(int8_t seed) {
  cItemDef item = SeededItem(seed);
  item.m_Inherit.assign(kItemInheritGroups, 0);
  return item;
}

cBlockDef PlainBlock(int8_t seed) {
  cBlockDef block = SeededBlock(seed);
  block.m_Inherit.assign(kBlockInheritGroups, 0);
  return block;
}

}  // namespace

TEST_F(CommonPaletteTest, OneBlockNoCharasAndFiveItems) {
  cItemDef stored0 = PlainItem(3);
  stored0.m_Inherit.assign(kItemInheritGroups, 1);
  const cItemDef item1 = PlainItem(1);
  const std::vector<cItemDef> items = {
      stored0,
      item1,
      Inheriting(PlainItem(2), 1, {4, 11}),       // kind 1: takes item 1's graphic and sound
      Inheriting(PlainItem(2), 2, {4}, 0),        // kind 0: its own values
      Inheriting(PlainItem(3), 1, {0, 4}, 5),     // kind 5: its own template
  };
  const cCommonPalette palette = Load(PaletteImage({PlainBlock(1)}, {}, items));

  // The empty block as validated (never solid); entry 0 keeps the stored
  // position, which nothing reads.
  cBlockDef emptyBlock;
  emptyBlock.ValidateTemplate(context_);
  ASSERT_EQ(palette.m_BlockPalette.size(), 2u);
  EXPECT_TRUE(palette.m_BlockPalette.CheckedVectorAt(1) == emptyBlock) << "padded";
  emptyBlock.m_nX = 101;
  emptyBlock.m_nY = 201;
  EXPECT_TRUE(palette.m_BlockPalette.CheckedVectorAt(0) == emptyBlock) << "stored block 1 reset";
  ASSERT_EQ(palette.m_CharaPalette.size(), 2u);
  EXPECT_TRUE(palette.m_CharaPalette.CheckedVectorAt(0) == cCharaDef());
  EXPECT_TRUE(palette.m_CharaPalette.CheckedVectorAt(1) == cCharaDef());
  ASSERT_EQ(palette.m_ItemPalette.size(), 5u);
  cItemDef emptyItem;
  emptyItem.m_nX = 103;
  emptyItem.m_nY = 203;
  EXPECT_TRUE(palette.m_ItemPalette.CheckedVectorAt(0) == emptyItem) << "entry 0 is the empty item";
  EXPECT_TRUE(palette.m_ItemPalette.CheckedVectorAt(1) == item1);

  cItemDef expected2 = Inheriting(PlainItem(2), 1, {});
  expected2.m_nGraphicSource = item1.m_nGraphicSource;
  expected2.m_nGraphic = item1.m_nGraphic;
  expected2.m_nGraphicCell = item1.m_nGraphicCell;
  expected2.m_nSound = item1.m_nSound;
  EXPECT_TRUE(palette.m_ItemPalette.CheckedVectorAt(2) == expected2);
  EXPECT_TRUE(palette.m_ItemPalette.CheckedVectorAt(3) == Inheriting(PlainItem(2), 2, {}, 0));
  EXPECT_TRUE(palette.m_ItemPalette.CheckedVectorAt(4) == Inheriting(PlainItem(3), 1, {}, 5));
}

TEST_F(CommonPaletteTest, InheritFlagsAreClearedAndKeepTheirLength) {
  cBlockDef shortFlags = PlainBlock(2);
  shortFlags.m_Inherit.assign(3, 1);
  cCharaDef chara;
  chara.m_Inherit.assign(chara.m_Inherit.size(), 1);
  const cCommonPalette palette = Load(PaletteImage(
      {cBlockDef(), Inheriting(PlainBlock(1), 0, {0, 5, 10}), shortFlags}, {cCharaDef(), chara},
      {cItemDef(), Inheriting(PlainItem(1), 0, {12})}));
  EXPECT_TRUE(palette.m_BlockPalette.CheckedVectorAt(1).m_Inherit ==
              std::vector<int8_t>(kBlockInheritGroups, 0));
  EXPECT_TRUE(palette.m_BlockPalette.CheckedVectorAt(2).m_Inherit == std::vector<int8_t>(3, 0));
  EXPECT_TRUE(palette.m_CharaPalette.CheckedVectorAt(1).m_Inherit ==
              std::vector<int8_t>(cCharaDef().m_Inherit.size(), 0));
  EXPECT_TRUE(palette.m_ItemPalette.CheckedVectorAt(1).m_Inherit ==
              std::vector<int8_t>(kItemInheritGroups, 0));
}

TEST_F(CommonPaletteTest, TemplatesSeeEarlierEntriesAsLoadedAndLaterOnesEmpty) {
  cBlockDef last = PlainBlock(3);
  last.m_nGraphic = 50;
  const cCommonPalette palette = Load(PaletteImage(
      {cBlockDef(),
       Inheriting(PlainBlock(1), 3, {2}),  // block 3 is still the empty block
       Inheriting(PlainBlock(2), 1, {2}),  // block 1 as it loaded: graphic 0
       last},
      {}, {}));
  EXPECT_EQ(palette.m_BlockPalette.CheckedVectorAt(1).m_nGraphic, 0);
  EXPECT_EQ(palette.m_BlockPalette.CheckedVectorAt(1).m_nHitClass, kBlockPassable) << "now empty";
  EXPECT_EQ(palette.m_BlockPalette.CheckedVectorAt(2).m_nGraphic, 0);
  EXPECT_EQ(palette.m_BlockPalette.CheckedVectorAt(3).m_nGraphic, 50);
  // The references are within the palette being loaded, so they stay.
  EXPECT_EQ(palette.m_BlockPalette.CheckedVectorAt(1).m_nTemplateIndex, 3);
  EXPECT_EQ(palette.m_BlockPalette.CheckedVectorAt(1).m_nTemplateKind, kTemplateCommon);
}

TEST_F(CommonPaletteTest, CharaTemplatesResolveAgainstThePaletteBeingLoaded) {
  cCharaDef named;
  named.m_strName = "テンプレート";
  cCharaDef heir;
  heir = Inheriting(heir, 3, {0});
  cCharaDef fourth;
  fourth.m_strName = "四";
  const cCommonPalette palette =
      Load(PaletteImage({}, {cCharaDef(), cCharaDef(), cCharaDef(), named, heir, fourth}, {}));
  const cCharaDef& loaded = palette.m_CharaPalette.CheckedVectorAt(4);
  EXPECT_EQ(loaded.m_strName, "テンプレート");
  // Index 3 lies past the 3 charas of the caller's context but within this palette.
  EXPECT_EQ(loaded.m_nTemplateKind, kTemplateCommon);
  EXPECT_EQ(loaded.m_nTemplateIndex, 3);
}

TEST_F(CommonPaletteTest, WholeFileLoadResolvesAgainstTheNewContentNotTheOld) {
  g_CommonPalette.m_BlockPalette.resize(3);
  g_CommonPalette.m_BlockPalette.CheckedVectorAt(1).m_nGraphic = 77;
  cBlockDef first = PlainBlock(1);
  first.m_nGraphic = 5;
  WriteFileBytes(dir_.file("CommonPalette.cplt4"),
                 PaletteImage({cBlockDef(), first, Inheriting(PlainBlock(2), 1, {2})}, {}, {}));
  ASSERT_EQ(g_CommonPalette.LoadFromFile(dir_.file("CommonPalette.cplt4")), 1);
  EXPECT_EQ(g_CommonPalette.m_BlockPalette.CheckedVectorAt(2).m_nGraphic, 5);
}

TEST_F(CommonPaletteTest, StageTemplatesResolveAgainstTheCallersSource) {
  cItemDef stageItem = PlainItem(3);
  stageItem.m_nSound = 4;
  templates_.stageItems.CheckedVectorAt(1) = stageItem;
  const cCommonPalette palette =
      Load(PaletteImage({}, {}, {cItemDef(), Inheriting(PlainItem(1), 1, {11}, kTemplateStage)}));
  EXPECT_EQ(palette.m_ItemPalette.CheckedVectorAt(1).m_nSound, 4);
  EXPECT_EQ(palette.m_ItemPalette.CheckedVectorAt(1).m_nTemplateKind, kTemplateStage);
}

TEST_F(CommonPaletteTest, HeldItemsAndTemplatesPastTheirListsAreDropped) {
  context_.stagePalette = {1, 1, 1};
  auto holding = [](int8_t palette, int16_t index) {
    cBlockDef block = PlainBlock(1);
    block.m_nItemPalette = palette;
    block.m_nItemIndex = index;
    return block;
  };
  const cCommonPalette palette = Load(PaletteImage(
      {cBlockDef(), holding(1, 9), holding(1, 4), holding(2, 1), Inheriting(PlainBlock(2), 0, {}, kTemplateStage)},
      {}, {cItemDef(), PlainItem(1), PlainItem(2), PlainItem(3), PlainItem(1)}));
  struct Expected {
    int8_t nPalette;
    int16_t nIndex;
  };
  const Expected held[] = {{0, 0}, {0, 0}, {1, 4}, {0, 0}};
  for (int32_t i = 1; i <= 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(palette.m_BlockPalette.CheckedVectorAt(i).m_nItemPalette, held[i].nPalette);
    EXPECT_EQ(palette.m_BlockPalette.CheckedVectorAt(i).m_nItemIndex, held[i].nIndex);
  }
  // Stage template 0 lies within the caller's one-part stage palette.
  EXPECT_EQ(palette.m_BlockPalette.CheckedVectorAt(4).m_nTemplateKind, kTemplateStage);
}

TEST_F(CommonPaletteTest, SaveAndLoadGiveThePaletteBack) {
  cCommonPalette palette = Load(PaletteImage(
      {cBlockDef(), PlainBlock(1), PlainBlock(2)}, {cCharaDef(), cCharaDef()},
      {cItemDef(), PlainItem(1), Inheriting(PlainItem(2), 1, {4})}));
  const std::string image = RecordImageAt(palette);
  const cCommonPalette reloaded = Load(image);
  EXPECT_TRUE(SamePalette(reloaded, palette));
  cCommonPalette again = reloaded;
  EXPECT_EQ(RecordImageAt(again), image);
}

TEST_F(CommonPaletteTest, FailedLoadLeavesTheGlobalPaletteAsItWas) {
  const std::string good =
      PaletteImage({cBlockDef(), PlainBlock(1)}, {cCharaDef(), cCharaDef()}, {cItemDef(), PlainItem(1)});
  const std::string path = dir_.file("CommonPalette.cplt4");
  WriteFileBytes(path, good);
  ASSERT_EQ(g_CommonPalette.LoadFromFile(path), 1);
  const cCommonPalette before = g_CommonPalette;

  const std::string header = cRecordBytes().Int32(836).Int32(0).Int32(0).Bytes();
  const std::string noItems = PaletteImage({cBlockDef(), PlainBlock(1)}, {cCharaDef(), cCharaDef()}, {});
  struct Case {
    const char* lpWhat;
    std::string image;
  };
  const Case cases[] = {
      {"cut short", good.substr(0, good.size() - 1)},
      {"negative block count", header + cRecordBytes().Int32(-1).Bytes()},
      {"block count past the end", header + cRecordBytes().Int32(0x7fffffff).Bytes()},
      {"item count past the end", noItems.substr(0, noItems.size() - 4) + cRecordBytes().Int32(1000000).Bytes()},
      {"newer version", cRecordBytes().Int32(837).Bytes() + good.substr(4)},
      {"a field in the palette record", cRecordBytes().Int32(836).Int32(1).Int32(0).Bytes() + good.substr(12)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lpWhat);
    WriteFileBytes(path, c.image);
    EXPECT_EQ(g_CommonPalette.LoadFromFile(path), 0);
    EXPECT_TRUE(SamePalette(g_CommonPalette, before));
  }
}

TEST(CommonPaletteSourceTest, CommonKindFromThePaletteOthersFromTheStage) {
  cCommonPalette common;
  common.m_ItemPalette.resize(2);
  cPartListSource stage;
  const cCommonPaletteSource source(common, stage);
  EXPECT_EQ(source.ItemTemplate(kTemplateCommon, 1), &common.m_ItemPalette.CheckedVectorAt(1));
  EXPECT_EQ(source.ItemTemplate(kTemplateCommon, 2), nullptr);
  EXPECT_EQ(source.ItemTemplate(kTemplateStage, 2), &stage.stageItems.CheckedVectorAt(2));
  EXPECT_EQ(source.BlockTemplate(kTemplateCommon, 0), &common.m_BlockPalette.CheckedVectorAt(0));
  EXPECT_EQ(source.BlockTemplate(kTemplateStage, 1), &stage.stageBlocks.CheckedVectorAt(1));
  EXPECT_EQ(source.CharaTemplate(kTemplateCommon, 0), &common.m_CharaPalette.CheckedVectorAt(0));
  EXPECT_EQ(source.CharaTemplate(kTemplateStage, 0), nullptr) << "this stage source has no charas";
  EXPECT_EQ(source.ItemTemplate(3, 0), nullptr);
}
