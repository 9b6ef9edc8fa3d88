// The renumbering of shot graphics in block and item parts of files before
// data version 219: one up, at most 119; nothing else moves.

#include <gtest/gtest.h>

#include "block_item_fixtures.h"

namespace {

template <class Part>
class ShotGraphicMigrationTest : public PartTest {};

using PartTypes = ::testing::Types<cBlockDef, cItemDef>;
TYPED_TEST_SUITE(ShotGraphicMigrationTest, PartTypes);

// A seeded part without lists: conditions and commands of old files have
// migrations of their own.
template <class Part>
Part PartWithoutLists() {
  if constexpr (std::is_same_v<Part, cBlockDef>) {
    cBlockDef block = SeededBlock(1);
    block.m_Conditions.clear();
    return block;
  } else {
    cItemDef item = SeededItem(1);
    item.m_Conditions.clear();
    item.m_Commands.clear();
    return item;
  }
}

}  // namespace

TYPED_TEST(ShotGraphicMigrationTest, ShotGraphicsOfOldFilesMoveUpOne) {
  struct Case {
    int32_t nVersion;
    int8_t nSource;
    int16_t nStored;
    int16_t nLoaded;
  };
  const Case cases[] = {
      {218, kPartGraphicShot, 5, 6},
      {218, kPartGraphicShot, 118, 119},
      {218, kPartGraphicShot, 119, 119},  // the last shot graphic stays the last
      {218, kPartGraphicShot, 0, 1},
      {100, kPartGraphicShot, 40, 41},
      {218, kPartGraphicItem, 5, 5},      // other sources keep their numbers
      {218, kPartGraphicBlock, 119, 119},
      {219, kPartGraphicShot, 5, 5},
      {836, kPartGraphicShot, 119, 119},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "version " << c.nVersion << " source " << int{c.nSource}
                                    << " graphic " << c.nStored);
    TypeParam part = PartWithoutLists<TypeParam>();
    part.m_nGraphicSource = c.nSource;
    part.m_nGraphic = c.nStored;
    TypeParam loaded;
    ASSERT_EQ(LoadPartImage(loaded, RawPartImage(part, c.nVersion)), eRecordFile::Ok);
    EXPECT_EQ(loaded.m_nGraphic, c.nLoaded);
    // Nothing else changes.
    loaded.m_nGraphic = c.nStored;
    EXPECT_TRUE(loaded == part);
  }
}
