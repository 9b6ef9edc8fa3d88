#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "flow_world.h"
#include "records/save/save_data.h"
#include "records/worldmap/world_map.h"
#include "stage/objects/flow_cmd_state.h"
#include "stage/script/flow_cmd_executors.h"
#include "stage/script/flow_cmd_table.h"

namespace {

class StageClearTest : public FlowWorld {
 protected:
  void SetUp() override {
    FlowWorld::SetUp();
    savedMap_ = g_WorldMap;
    g_WorldMap.m_nWidth = 30;
    g_WorldMap.m_nHeight = 12;
    Fresh();
  }
  // From stage 4 at map cell (7, 7), nothing recorded yet.
  void Fresh() {
    g_SaveData.m_nStageNumber = 4;
    g_SaveData.m_nMapX = g_SaveData.m_nMapY = 7;
    play_.m_nNextStage = 99;
    play_.m_strNextStage = "old";
    services_.m_Events.clear();
  }
  void TearDown() override {
    g_WorldMap = savedMap_;
    FlowWorld::TearDown();
  }

  cWorldMap savedMap_;
};

TEST_F(StageClearTest, RecordsWhereTheGameGoesNext) {
  struct Case {
    const char* name;
    std::vector<int32_t> params;
    std::string text;
    int32_t nextStage;
    std::string nextPath;
    int32_t mapX, mapY;
    bool errorBox;
  } cases[] = {
      {"next in order", {0}, "", 5, "", 7, 7, false},
      {"by number", {1, 12}, "", 12, "", 7, 7, false},
      {"by path: the extension goes, the dot stays", {2}, "a\\b.stg4_003", 4, "a\\b.", 7, 7, false},
      {"an empty path shows its box and keeps the stage", {2}, "", 4, "", 7, 7, true},
      {"world clear", {3}, "", 0, "", 7, 7, false},
      {"an unknown choice leaves the next stage", {4}, "", 99, "old", 7, 7, false},
      {"map position on the map", {0, 0, 1, 3, 4}, "", 5, "", 3, 4, false},
      {"past the map's right and bottom", {0, 0, 1, 50, 12}, "", 5, "", 29, 11, false},
      {"before its left and top", {0, 0, 1, -5, -1}, "", 5, "", 0, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fresh();
    cFlowCmd cmd = Cmd(kFlowCmdStageClear, c.params);
    cmd.m_strText = c.text;
    EXPECT_EQ(ExecStageClear(nullptr, &cmd), 1);
    EXPECT_EQ(play_.m_nNextStage, c.nextStage);
    EXPECT_EQ(play_.m_strNextStage, c.nextPath);
    EXPECT_EQ(g_SaveData.m_nMapX, c.mapX);
    EXPECT_EQ(g_SaveData.m_nMapY, c.mapY);
    const std::vector<std::string> boxes = EventNames();
    EXPECT_EQ(!boxes.empty() && boxes.front() == "ShowErrorMessage", c.errorBox);
    if (c.errorBox) {
      EXPECT_EQ(std::get<std::string>(services_.m_Events.front().Args[1].value),
                "ステージファイル  が不正です。\nステージファイルとして認識できません。");
    }
  }
}

TEST_F(StageClearTest, TheNextStartTakesTheHerosFacingWhenAsked) {
  cHero& hero = AddTestHero(1);
  hero.m_nFacing = 1;
  for (int32_t facing : {0, 1, 2}) {
    SCOPED_TRACE(facing);
    cFlowCmd cmd = Cmd(kFlowCmdStageClear, {0, 0, 0, 0, 0, 1, 6, 8, facing});
    ExecStageClear(&hero, &cmd);
    EXPECT_EQ(g_SaveData.m_bNextStart, 1);
    EXPECT_EQ(g_SaveData.m_nNextX, 6);
    EXPECT_EQ(g_SaveData.m_nNextY, 8);
    EXPECT_EQ(g_SaveData.m_nNextFacing, facing == 2 ? 1 : facing);
  }
  cFlowCmd none = Cmd(kFlowCmdStageClear, {0});
  ExecStageClear(&hero, &none);
  EXPECT_EQ(g_SaveData.m_bNextStart, 0);
}

TEST_F(StageClearTest, TheFlowFormRequestsTheStageEnd) {
  cChara& chara = AddTestChara(4);
  cFlowCmd cmd = Cmd(kFlowCmdStageClear, {0});
  cFlowCmdState state;
  state.m_lpCmd = &cmd;
  play_.m_nStageClear = 0;
  DispatchFlowCmd(&chara, &state);
  EXPECT_EQ(play_.m_nStageClear, 1);
}

}  // namespace
