// The global objects are built in the fixed order of eGlobal, whatever the
// order of their definitions in and across source files, and destroyed in the
// reverse order at exit. The trace of the marks is what really happened in this
// test program, which links the ordered globals of core and records.

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/globals/global_mark.h"
#include "core/globals/global_names.h"
#include "core/globals/global_order.h"
#include "core/globals/worker_threads.h"
#include "core/input/input_state.h"
#include "records/database/database.h"
#include "records/database/runtime/anime_steps.h"
#include "records/database/runtime/effect_state_tables.h"
#include "records/settings/system_data.h"

namespace {

std::string Describe(const std::vector<int32_t>& entries) {
  std::string text;
  for (int32_t entry : entries) text += std::string(GlobalName(entry)) + "(" + std::to_string(entry) + ") ";
  return text;
}

// The globals of core and records defined so far. Naming them here also makes
// sure their definitions are linked into this program.
struct LinkedGlobal {
  eGlobal entry;
  const void* object;
};
const LinkedGlobal kLinkedGlobals[] = {
    {kGlobalThGame, &thGame},
    {kGlobalThPause, &thPause},
    {kGlobalThRanking, &thRanking},
    {kGlobalThLoad, &thLoad},
    {kGlobalInputList, &g_InputList},
    {kGlobalSystemData, &g_SystemData},
    {kGlobalDatabase, &g_Database},
    {kGlobalAnimeSteps, &g_AnimeSteps},
    {kGlobalEffectSteps, &g_EffectSteps},
    {kGlobalCharaEffectStates, &g_CharaEffectStates},
    {kGlobalScrEffectStates, &g_ScrEffectStates},
    {kGlobalCharaEffectStatesRev, &g_CharaEffectStatesRev},
    {kGlobalScrEffectStatesRev, &g_ScrEffectStatesRev},
};

TEST(GlobalOrder, GlobalsAreBuiltOnceEachInTheFixedOrder) {
  const std::vector<int32_t> built = ConstructedGlobals();
  // Strictly increasing: no entry out of place and none built twice. The runtime
  // tables' file defines g_CharaEffectStatesRev before g_ScrEffectStates, and
  // g_SystemData and g_Database live in different files, so the order seen here
  // is the fixed one, not the order of the definitions.
  EXPECT_TRUE(std::adjacent_find(built.begin(), built.end(), std::greater_equal<>()) == built.end())
      << Describe(built);
  for (const LinkedGlobal& global : kLinkedGlobals) {
    ASSERT_NE(global.object, nullptr);
    EXPECT_NE(std::find(built.begin(), built.end(), global.entry), built.end())
        << GlobalName(global.entry) << " is not in the order: " << Describe(built);
  }
}

TEST(GlobalOrder, WorkerThreadObjectsHoldNoThreadAfterConstruction) {
  for (const cThread* thread : {&thGame, &thPause, &thRanking, &thLoad}) {
    EXPECT_FALSE(thread->IsHeld());
    EXPECT_EQ(thread->GetThreadId(), 0u);
  }
}

TEST(GlobalOrderDeathTest, GlobalsAreDestroyedInTheReverseOrderAtExit) {
  const std::vector<int32_t> built = ConstructedGlobals();
  ASSERT_FALSE(built.empty());
  std::string expected = "destroyed globals:";
  for (auto it = built.rbegin(); it != built.rend(); ++it) expected += " " + std::to_string(*it);
  expected += "\n";  // the whole list: a prefix must not match
  EXPECT_EXIT(
      {
        ReportDestroyedGlobalsAtExit();
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), expected)
      << "built: " << Describe(built);
}

}  // namespace
