#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "stage/objects/object_lists.h"
#include "stage/objects/state_digest.h"
#include "support/stage_world.h"

class StateDigestTest : public StageWorld {
 protected:
  void BuildWorld() {
    cStageLayout layout;
    layout.Solid = {{1, 1}, {2, 1}};
    ASSERT_TRUE(Build(layout));
    cChara chara;
    chara.m_nId = 0;
    chara.m_dX = 400;
    chara.m_Vars.assign(9, 0);
    AddChara(play_, chara);
  }
};

TEST_F(StateDigestTest, EqualStateGivesTheEqualDigestAndOneChangedBitAnother) {
  BuildWorld();
  const uint64_t built = StateDigest(play_);
  EXPECT_EQ(StateDigest(play_), built);  // visiting changes nothing
  EXPECT_EQ(StateDigest(), built);       // g_lpSceneStagePlay's
  EXPECT_EQ(FormatDigest(0x00ab), "00000000000000ab");

  struct Change {
    const char* name;
    std::function<void()> apply;
    bool counts;  // false: left out of the digest by design
  } const changes[] = {
      {"stage variable", [] { g_lpSceneStagePlay->m_StageVar.CheckedVectorAt(1000) = 1; }, true},
      {"generator", [] { g_lpSceneStagePlay->m_Random.Rand(); }, true},
      {"scroll", [] { g_lpSceneStagePlay->m_ScrollX.m_dAutoSpeed = 0.5; }, true},
      {"chara position, lowest bit",
       [] { g_CharaList.front().m_dX = std::nextafter(400.0, 401.0); }, true},
      {"chara definition", [] { g_CharaList.front().m_Def.m_nCharaId = 1; }, true},
      {"chara variable", [] { g_CharaList.front().m_Vars.CheckedVectorAt(8) = 1; }, true},
      {"one chara more", [] { cChara c; c.m_nId = 1; AddChara(*g_lpSceneStagePlay, c); }, true},
      {"block met", [] { BlockAt(11, 11)->m_bMet = 1; }, true},
      {"block part", [] { BlockAt(12, 12)->m_nFloorValue = 1; }, true},
      {"stage header", [] { g_Stage.m_nTimeLimit = 1; }, true},
      {"button", [] { g_InputList.CheckedVectorAt(0).wButton = 1; }, true},
      {"press history", [] { g_InputList.CheckedVectorAt(0).BuildPressHistory(); }, true},
      {"score", [] { g_SaveData.m_nScore = 1; }, true},
      {"common variable", [] { g_SaveData.m_Vars.CheckedVectorAt(5) = 1; }, true},
      {"run facts", [] { g_lpSceneStagePlay->m_Run.nGameMode = 4; }, false},
      {"result score", [] { g_SaveData.m_nResultScore = 9; }, false},
      {"result 5", [] { g_SaveData.m_nResult5 = 9; }, false},
      {"result snapshot", [] { g_SaveData.m_nResultSnapshot = 9; }, false},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.name);
    BuildWorld();
    ASSERT_EQ(StateDigest(play_), built);
    change.apply();
    EXPECT_EQ(StateDigest(play_) != built, change.counts);
    g_SaveData.ResetProgress();
    play_.m_Run = cRunFacts{};
  }
}

TEST_F(StateDigestTest, ListLengthsCountSoMovingAValueBetweenListsChangesIt) {
  BuildWorld();
  cItem item;
  item.m_nId = 0;
  AddItem(play_, item);
  const uint64_t itemFirst = StateDigest(play_);
  ClearItems(play_);
  cShot shot;
  shot.m_nId = 0;
  AddShot(play_, shot);
  EXPECT_NE(StateDigest(play_), itemFirst);
}
