// The running-stage globals are built in their places of the global order:
// after the input list and the input logs they never outlive, before the
// stage data and save data whose destructors may still look at the lists.

#include <gtest/gtest.h>

#include <algorithm>

#include "core/globals/global_mark.h"
#include "core/globals/global_order.h"
#include "core/input/input_state.h"
#include "stage/grid/block_grid.h"
#include "stage/objects/object_lists.h"

TEST(StageGlobalsOrderTest, StageGlobalsAreBuiltOnceInTheirPlaces) {
  // Naming them links their definitions into this program.
  ASSERT_NE(static_cast<const void*>(&g_Heroes), nullptr);
  ASSERT_NE(static_cast<const void*>(&g_BlockGrid), nullptr);
  ASSERT_NE(static_cast<const void*>(&g_CharaList), nullptr);
  ASSERT_NE(static_cast<const void*>(&g_ItemList), nullptr);
  ASSERT_NE(static_cast<const void*>(&g_InputList), nullptr);
  const std::vector<int32_t> built = ConstructedGlobals();
  EXPECT_TRUE(std::adjacent_find(built.begin(), built.end(), std::greater_equal<>()) == built.end());
  for (eGlobal entry : {kGlobalInputList, kGlobalHeroes, kGlobalBlockGrid, kGlobalCharaList, kGlobalItemList}) {
    EXPECT_EQ(std::count(built.begin(), built.end(), entry), 1) << entry;
  }
}
