// Item parts in their stored form: the byte image with its registration order,
// the round trip, damaged counts.

#include <gtest/gtest.h>

#include <string>

#include "block_item_fixtures.h"

namespace {

using ItemLayoutTest = PartTest;

// Every registered member set apart, valid under PartContext(); template kind
// 2, index 1; 13 flags of 0, one condition and one command.
cItemDef SampleItem() {
  cItemDef item = SeededItem(1);
  item.m_nTemplateKind = kTemplateStage;
  item.m_nTemplateIndex = 1;
  item.m_Inherit.assign(kItemInheritGroups, 0);
  item.m_nGraphicSource = kPartGraphicShot;
  item.m_nZ = 7;
  item.m_bHidden = 1;
  item.m_nMarkShow = kPartMarkEditorOnly;
  item.m_nTakeKind = kItemTakeNever;
  item.m_bTakeMessage = 0;
  item.m_nScale = 3;
  item.m_nSound = 4;
  return item;
}

}  // namespace

TEST_F(ItemLayoutTest, CurrentVersionIsSeventeenFieldsTheNameTheTailAndTheCommands) {
  cItemDef item = SampleItem();
  const std::string expected =
      cRecordBytes()
          .Int32(836)
          .Int32(17)
          .Int8(kTemplateStage).Int16(1)               // template
          .Int8(1).Int8(2)                             // condition mode, once
          .Int16(-1).Int16(301)                        // offsets
          .Int16(11).Int8(kPartGraphicShot).Int16(21)  // graphic, source, cell
          .Int8(7).Int8(1)                             // layer, hidden
          .Int8(kPartMarkEditorOnly).Int16(61)         // mark
          .Int8(0).Int8(kItemTakeNever)                // take message before take kind
          .Int8(3).Int16(4)                            // scale, sound
          .Int32(1).Text("アイテム1")
          .Int16(101).Int16(201)                       // position
          .Int32(13).Raw(std::string(13, '\0'))        // inherit flags
          .Int32(1).Raw(NestedImage(item.m_Conditions.CheckedVectorAt(0)))
          .Int32(1).Raw(NestedImage(item.m_Commands.CheckedVectorAt(0)))
          .Bytes();
  EXPECT_EQ(RecordImageAt(item), expected);

  cItemDef loaded;
  ASSERT_EQ(LoadPartImage(loaded, expected), eRecordFile::Ok);
  EXPECT_TRUE(loaded == item);
  EXPECT_EQ(RecordImageAt(loaded), expected);
}

TEST_F(ItemLayoutTest, NewItemDefaults) {
  const cItemDef item;
  EXPECT_EQ(item.m_nGraphicSource, kPartGraphicItem);
  EXPECT_EQ(item.m_nZ, 6);
  EXPECT_EQ(item.m_bTakeMessage, 1);
  EXPECT_EQ(item.m_nScale, 1);
  EXPECT_EQ(item.m_Inherit.size(), static_cast<std::size_t>(kItemInheritGroups));

  // SetDefaults brings a used part back to that, keeping only the position.
  cItemDef used = SampleItem();
  used.SetDefaults();
  cItemDef expected;
  expected.m_nX = 101;
  expected.m_nY = 201;
  EXPECT_TRUE(used == expected);
}

TEST_F(ItemLayoutTest, DamagedCommandCountFailsTheLoadAndKeepsThePart) {
  cItemDef item = SampleItem();
  item.m_Commands.clear();
  const std::string full = RawPartImage(item);
  const std::string head = full.substr(0, full.size() - 4);
  for (const int32_t count : {-1, 0x7fffffff, 1}) {
    SCOPED_TRACE(count);
    cItemDef kept = SeededItem(2);
    EXPECT_EQ(LoadPartImage(kept, head + cRecordBytes().Int32(count).Bytes()), eRecordFile::Damaged);
    EXPECT_TRUE(kept == SeededItem(2));
  }
}
