// Block parts in their stored form: the byte image, the round trip, the empty
// block's class, damaged counts, and the grid cell built from a part.

#include <gtest/gtest.h>

#include <string>

#include "block_item_fixtures.h"
#include "records/palette/grid_block.h"

namespace {

using BlockLayoutTest = PartTest;

// Every registered member set apart, valid under PartContext(); template kind
// 1, index 2; 11 flags of 0 and one condition.
cBlockDef SampleBlock() {
  cBlockDef block = SeededBlock(1);
  block.m_nTemplateKind = kTemplateCommon;
  block.m_nTemplateIndex = 2;
  block.m_Inherit.assign(kBlockInheritGroups, 0);
  block.m_nCondMode = 1;
  block.m_bCondOnce = 1;
  block.m_nGraphicSource = kPartGraphicChara;
  block.m_nLayer = kBlockOverObjects;
  block.m_bHidden = 1;
  block.m_nMarkShow = kPartMarkShown;
  block.m_nHitClass = kBlockDeadly;
  block.m_nExemptGroup = 7;
  block.m_nFloorEffect = kFloorMoveRight;
  block.m_nFloorValue = -123456;
  block.m_nItemPalette = kTemplateStage;
  block.m_nItemIndex = 2;
  block.m_bNoReplace = 1;
  return block;
}

}  // namespace

TEST_F(BlockLayoutTest, CurrentVersionIsEighteenFieldsTheNameAndTheTail) {
  cBlockDef block = SampleBlock();
  const std::string expected =
      cRecordBytes()
          .Int32(836)
          .Int32(18)
          .Int8(kTemplateCommon).Int16(2)                     // template
          .Int8(1).Int8(1)                                    // condition mode, once
          .Int16(11).Int8(kPartGraphicChara).Int16(21)        // graphic, source, cell
          .Int8(kBlockOverObjects).Int8(1)                    // layer, hidden
          .Int8(kPartMarkShown).Int16(61)                     // mark
          .Int8(kBlockDeadly).Int8(7)                         // hit class, exempt group
          .Int8(kFloorMoveRight).Int32(-123456)               // floor effect and value
          .Int8(kTemplateStage).Int16(2)                      // held item
          .Int8(1)                                            // no replace
          .Int32(1).Text("ブロック1")
          .Int16(101).Int16(201)                              // position
          .Int32(11).Raw(std::string(11, '\0'))               // inherit flags
          .Int32(1).Raw(NestedImage(block.m_Conditions.CheckedVectorAt(0)))
          .Bytes();
  EXPECT_EQ(RecordImageAt(block), expected);

  cBlockDef loaded;
  ASSERT_EQ(LoadPartImage(loaded, expected), eRecordFile::Ok);
  EXPECT_TRUE(loaded == block);
  EXPECT_EQ(RecordImageAt(loaded), expected);
}

TEST_F(BlockLayoutTest, EmptyBlockIsNeverSolidNorProtected) {
  cBlockDef block = SampleBlock();
  block.m_nGraphic = 0;
  block.m_nHitClass = kBlockSolid;
  block.m_bNoReplace = 1;

  // A file that stores it solid loads it passable.
  cBlockDef loaded;
  ASSERT_EQ(LoadPartImage(loaded, RawPartImage(block)), eRecordFile::Ok);
  EXPECT_EQ(loaded.m_nHitClass, kBlockPassable);
  EXPECT_EQ(loaded.m_bNoReplace, 0);

  // A save writes it passable.
  block.m_nHitClass = kBlockSolid;
  block.m_bNoReplace = 1;
  const std::string image = RecordImageAt(block);
  EXPECT_EQ(image, RawPartImage(loaded));
  EXPECT_EQ(block.m_nHitClass, kBlockPassable);
}

TEST_F(BlockLayoutTest, StoredFlagCountIsKept) {
  cBlockDef block = SampleBlock();
  block.m_Inherit.assign(3, 0);
  cBlockDef loaded;
  ASSERT_EQ(LoadPartImage(loaded, RecordImageAt(block)), eRecordFile::Ok);
  EXPECT_EQ(loaded.m_Inherit.size(), 3u);
  block.m_Inherit.clear();
  ASSERT_EQ(LoadPartImage(loaded, RecordImageAt(block)), eRecordFile::Ok);
  EXPECT_TRUE(loaded.m_Inherit.empty());
}

TEST_F(BlockLayoutTest, DamagedCountsFailTheLoadAndKeepThePart) {
  cBlockDef block = SampleBlock();
  block.m_Conditions.clear();
  // The image up to the inherit count: version, record, position.
  const std::string full = RawPartImage(block);
  const std::string head = full.substr(0, full.size() - 4 - 11 - 4);
  struct Case {
    const char* lpWhat;
    std::string image;
  };
  const Case cases[] = {
      {"negative flag count", head + cRecordBytes().Int32(-1).Int32(0).Bytes()},
      {"flag count past the end", head + cRecordBytes().Int32(0x7fffffff).Int32(0).Bytes()},
      {"condition count past the end", head + cRecordBytes().Int32(0).Int32(0x10000000).Bytes()},
      {"negative condition count", head + cRecordBytes().Int32(0).Int32(-5).Bytes()},
      {"no condition count", head + cRecordBytes().Int32(0).Bytes()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lpWhat);
    cBlockDef kept = SeededBlock(2);
    EXPECT_EQ(LoadPartImage(kept, c.image), eRecordFile::Damaged);
    EXPECT_TRUE(kept == SeededBlock(2));
  }
}

TEST(GridBlockTest, CellCopiesThePartAndStartsUnmet) {
  cBlockDef def = SeededBlock(2);
  cBlock cell(def);
  EXPECT_TRUE(cell.Def() == def);
  EXPECT_EQ(cell.m_bMet, 0);

  // The cell keeps the part's stored form; the flag is not stored.
  cell.m_bMet = 1;
  EXPECT_EQ(RecordImageAt(cell), RecordImageAt(def));
  cBlock copy = cell;
  EXPECT_EQ(copy.m_bMet, 1);
  EXPECT_TRUE(copy.Def() == def);
}
