// The sub-step passes of the play step: their order, a dead hero, defeats
// and the kill-and-keep switch, the time limit, labelled hero deaths and the
// end of the hero's death presentation.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "core/log/ec_log.h"
#include "records/replay/replay_file.h"
#include "records/settings/system_data.h"
#include "support/recording_chara_flow_calls.h"
#include "support/stage_world.h"
#include "support/temp_dir.h"

namespace {

// Reacts to a trigger, or acts inside a chara's flow pass (after the pass
// has cleared the scene's kill flag), the way a flow would.
class cPassHooks : public cRecordingCharaFlowCalls {
 public:
  std::function<void(cCharaBase&, int32_t)> m_OnTrigger;
  std::function<void(cCharaBase&)> m_OnFlowPass;
  void FireTrigger(cCharaBase& chara, int32_t trigger) override {
    cRecordingCharaFlowCalls::FireTrigger(chara, trigger);
    if (m_OnTrigger) m_OnTrigger(chara, trigger);
  }
  void StartCommandAnimes(cCharaBase& chara) override {
    cRecordingCharaFlowCalls::StartCommandAnimes(chara);
    if (m_OnFlowPass) m_OnFlowPass(chara);
  }
};

class PlayStepPassesTest : public StageWorld {
 protected:
  static cCharaDef Chara(int32_t x, int32_t y, bool solid) {
    cCharaDef def;
    def.m_nX = static_cast<int16_t>(x);
    def.m_nY = static_cast<int16_t>(y);
    def.m_nControl = cCharaDef::kControlComputer;
    def.m_nGraphic = 1;
    def.m_nMaxHp = 10;
    def.m_nCarriedItem = -1;
    def.m_nFly = 1;  // stays where it is
    def.m_bBlockChara = solid ? 1 : 0;
    return def;
  }

  bool BuildWith(cStageLayout layout, const std::vector<cCharaDef>& charas,
                 const std::function<void(cStageData&)>& adjust = nullptr) {
    WriteStage(layout, g_Stage);
    for (const cCharaDef& def : charas) g_Stage.m_PlacedCharas.push_back(def);
    if (adjust) adjust(g_Stage);
    g_StageInitial.TakeHeaderOf(g_Stage);
    const bool built = play_.SetStage(0, 1);
    calls_.m_Calls.clear();
    services_.m_Events.clear();
    return built;
  }

  // Trigger-0 calls, the flows' per-sub-step start, as chara ids in order.
  std::vector<int32_t> AlwaysTriggers() const {
    std::vector<int32_t> ids;
    for (const auto& [id, trigger] : calls_.m_Calls) {
      if (trigger == 0) ids.push_back(id);
    }
    return ids;
  }

  int32_t Sounds(int64_t n) const {
    int32_t count = 0;
    for (const cStageEvent& event : services_.m_Events) {
      count += event.strName == "PlaySE" && std::get<int64_t>(event.Args[0].value) == n;
    }
    return count;
  }

  int32_t Frame() { return StepFrame(0, 0); }
  cInput& Input() { return g_InputList.CheckedVectorAt(0); }

  cPassHooks calls_;
  cCharaFlowCallsScope scope_{&calls_};
};

TEST_F(PlayStepPassesTest, SolidCharasMoveFirstThenTheHeroThenTheOthersEverySubStep) {
  cStageLayout layout;
  layout.nCollisionLevel = 2;
  // Ids: 1 ordinary, 2 solid, 3 ordinary, 4 solid; the hero is 0.
  ASSERT_TRUE(BuildWith(layout, {Chara(4, 3, false), Chara(6, 3, true), Chara(8, 3, false), Chara(10, 3, true)}));
  ASSERT_EQ(g_Stage.m_nSubSteps, 2);
  EXPECT_EQ(Frame(), kPlayGoOn);
  EXPECT_EQ(AlwaysTriggers(), (std::vector<int32_t>{2, 4, 0, 1, 3, 2, 4, 0, 1, 3}));
}

TEST_F(PlayStepPassesTest, WithTheHeroDeadNothingRunsButShotsAndTheScroll) {
  cStageLayout layout;
  layout.nWidth = 60;
  ASSERT_TRUE(BuildWith(layout, {Chara(4, 3, false), Chara(6, 3, true)}));
  Hero().m_bDead = 1;
  play_.m_ScrollX.m_dAutoSpeed = 1;
  const double scroll = play_.m_ScrollX.m_dPos;
  cShot shot;
  shot.m_nId = play_.m_nNextShotId++;
  shot.m_dX = 500;
  shot.m_bShot = 1;
  shot.m_bFlying = 1;
  shot.m_Settings.m_bShotOpt9 = 1;
  shot.m_nWidth = shot.m_nHeight = 16;
  shot.m_dY = play_.m_ScrollY.m_dPos + 100;  // in view: inside the erase area
  shot.m_dBottom = shot.m_dY + 15;
  shot.m_dTrajVX = 3;
  AddShot(play_, shot);
  Frame();
  EXPECT_TRUE(AlwaysTriggers().empty());
  EXPECT_EQ(play_.m_ShotList.front().m_dX, 503);
  EXPECT_EQ(play_.m_ScrollX.m_dPos, scroll + 1);
}

TEST_F(PlayStepPassesTest, ACharaEndedByItsFlowsIsErasedOrKeptDeadByTheSwitch) {
  struct Case {
    const char* name;
    bool solid;
    int32_t vanish;
    int32_t switch272;
    bool kept;      // still listed (dead) in the next sub-step
    bool defeated;  // its death trigger ran
    int32_t sound9;
  } const cases[] = {
      {"ordinary, switch 0", false, 0, 0, false, true, 0},
      {"ordinary, switch 1: kept dead", false, 0, 1, true, true, 1},
      {"ordinary vanishing: erased without a defeat", false, 1, 1, false, false, 0},
      {"solid vanishing: defeated all the same", true, 1, 0, false, true, 0},
      {"solid, switch 1: kept dead", true, 0, 1, true, true, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g_SystemData.m_bSwitch272 = c.switch272;
    cStageLayout layout;
    layout.nCollisionLevel = 2;
    ASSERT_TRUE(BuildWith(layout, {Chara(5, 3, c.solid), Chara(8, 3, false)}));
    bool keptDead = false;
    calls_.m_OnTrigger = [&](cCharaBase& chara, int32_t trigger) {
      if (trigger != 0) return;
      if (chara.m_nId == 1) {
        chara.m_nHp = 0;
        chara.m_bVanish = c.vanish;
      }
      if (chara.m_nId == 2 && play_.m_nSubStep == 2) {
        const cCharaBase* first = play_.FindCharaById(1);
        keptDead = first != nullptr && first->m_bDead != 0;
      }
    };
    EXPECT_EQ(Frame(), kPlayGoOn);
    calls_.m_OnTrigger = nullptr;
    EXPECT_EQ(keptDead, c.kept);
    const bool died = std::find(calls_.m_Calls.begin(), calls_.m_Calls.end(), std::pair{1, 3}) != calls_.m_Calls.end();
    EXPECT_EQ(died, c.defeated);
    EXPECT_EQ(Sounds(9), c.sound9);
    // Without a death effect a kept chara leaves with the frame's drawing.
    EXPECT_EQ(play_.FindCharaById(1), nullptr);
    EXPECT_EQ(g_CharaList.size(), 1u);
    EXPECT_EQ(play_.m_ObjGroup.CheckedVectorAt(1), (cList<int32_t>{2}));
  }
}

TEST_F(PlayStepPassesTest, TheTimeLimitKillsTheHeroOnceAndItsPresentationEnds) {
  cStageLayout layout;
  ASSERT_TRUE(BuildWith(layout, {}, [](cStageData& stage) {
    stage.m_bTimeLimit = 1;
    stage.m_nTimeLimit = 2;
  }));
  services_.m_bRecordFrameQueries = true;
  std::vector<int32_t> ends;
  int32_t frame = 0;
  for (; frame < 400; ++frame) {
    const int32_t end = Frame();
    if (end != kPlayGoOn) ends.push_back(end);
    if (end == kPlayDeathEnd) break;
  }
  EXPECT_EQ(ends, (std::vector<int32_t>{kPlayDeath, kPlayDeathEnd}));
  EXPECT_EQ(play_.m_nRemainTime, 0);
  EXPECT_EQ(Sounds(8), 1);
  EXPECT_EQ(Hero().m_bDead, 1);
  // The frame of the time-up is not drawn; the death presentation's are.
  int32_t draws = 0;
  for (const cStageEvent& event : services_.m_Events) draws += event.strName == "DrawPlayScreen";
  EXPECT_EQ(draws, frame);  // every frame but the time-up one
  EXPECT_EQ(services_.m_Events.back().strName, "DrawPlayScreen");
  const std::vector<std::string> names = EventNames();
  EXPECT_NE(std::find(names.begin(), names.end(), std::string("OnDeathEnd")), names.end());
}

TEST_F(PlayStepPassesTest, HeroDeathsOnBlocksAreLabelledInTheSecondLog) {
  struct Case {
    const char* name;
    std::vector<std::pair<int32_t, int32_t>> deadly;
    const char* label;
  } const cases[] = {
      // The hero's sides meet it before its floor does.
      {"deadly block in the hero's cell", {{1, 1}}, "Dead 1"},
      {"deadly blocks beside and under it", {{1, 1}, {1, 2}}, "Dead 1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string log = dir.file("EC.txt");
    SetEcLog(1, log.c_str());
    cStageLayout layout;
    layout.nHeroFly = 0;  // walking: blocks meet it
    ASSERT_TRUE(BuildWith(layout, {}, [&](cStageData& stage) {
      stage.m_bHeroBoxBottom = 1;  // the body stands on its cell's bottom
      for (const auto& [x, y] : c.deadly) {
        cBlockDef& block = stage.m_PlacedBlocks.emplace_back();
        block.m_nX = static_cast<int16_t>(x);
        block.m_nY = static_cast<int16_t>(y);
        block.m_nGraphic = 1;
        block.m_nHitClass = kBlockDeadly;
      }
    }));
    EXPECT_EQ(Frame(), kPlayDeath);
    SetEcLog(0, nullptr);
    const std::string text = ReadFileBytes(log);
    EXPECT_NE(text.find(c.label), std::string::npos) << text;
    EXPECT_EQ(Sounds(8), 1);
  }
}

TEST_F(PlayStepPassesTest, LocksAndTheLatchAreRecordedAsTheGameSawThem) {
  g_SystemData.m_bReplay = 1;
  ASSERT_TRUE(BuildWith(cStageLayout(), {}));
  Hero().m_bDirectionLock = 1;
  StepFrame(2, 1);
  Hero().m_bDirectionLock = 0;
  Hero().m_bButtonLock = 1;
  StepFrame(2, 1);
  EXPECT_EQ(g_InputLog.m_DirWords, (cVector<int16_t>{0, 2}));
  EXPECT_EQ(g_InputLog.m_ButtonWords, (cVector<int16_t>{1, 0}));

  // In playback the recorded words are the game's, locks or not.
  TempDir dir;
  const std::string path = dir.file("locks.rpl4_836");
  ASSERT_EQ(g_InputLog.SaveReplay(path, g_Stage, g_StageInitial, g_SaveDataAtStart), 1);
  ASSERT_EQ(OpenReplayForPlay(path), 1);
  play_.m_Run = cRunFacts{4, 3, 0, 0};
  ASSERT_TRUE(play_.SetStage(0, 1));
  Hero().m_bDirectionLock = 1;
  Hero().m_bButtonLock = 1;
  StepFrame(0, 0);
  EXPECT_EQ(Input().wDir, 0);
  EXPECT_EQ(Input().wButton, 1);
  Hero().m_bDirectionLock = 1;
  Hero().m_bButtonLock = 1;
  StepFrame(0, 0);
  EXPECT_EQ(Input().wDir, 2);
  EXPECT_EQ(Input().wButton, 0);
}

}  // namespace

namespace {

TEST_F(PlayStepPassesTest, PauseReplayKeysAndQuitEndTheFrameBeforeAnyStep) {
  struct Case {
    const char* name;
    int32_t pause, replayKeys, quit;
    int32_t end;
    bool close;
  } const cases[] = {
      {"pause key", 1, 0, 0, kPlayPause, false},
      {"a replay saved by F1/F2", 0, 1, 0, kPlayGoOn, false},
      {"quit while a wait ran", 0, 0, 1, kPlayClose, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(BuildWith(cStageLayout(), {}));
    services_.m_bPauseKey = c.pause;
    services_.m_nReplayKeys = c.replayKeys;
    play_.m_bQuit = c.quit;
    EXPECT_EQ(StepFrame(2, 1), c.end);
    EXPECT_EQ(play_.m_nFrameCount, 0);
    EXPECT_EQ(play_.m_nSubStepTotal, 0);
    const std::vector<std::string> names = EventNames();
    EXPECT_EQ(std::count(names.begin(), names.end(), "PollInput"), 0);
    EXPECT_EQ(std::count(names.begin(), names.end(), "RequestClose"), c.close ? 1 : 0);
    services_.m_bPauseKey = 0;
    services_.m_nReplayKeys = 0;
    play_.m_bQuit = 0;
  }
}

TEST_F(PlayStepPassesTest, TheKillPassDefeatsCharasWithoutHpAndErasesVanishedOnes) {
  // Chara 1's flow drops chara 2's HP and makes chara 3 vanish, then asks
  // for the kill pass, which runs before chara 1 moves.
  ASSERT_TRUE(BuildWith(cStageLayout(), {Chara(4, 3, false), Chara(6, 3, false), Chara(8, 3, false)}));
  calls_.m_OnFlowPass = [&](cCharaBase& chara) {
    if (chara.m_nId != 1) return;
    play_.FindCharaById(2)->m_nHp = 0;
    play_.FindCharaById(3)->m_bVanish = 1;
    play_.m_bKill = 1;
  };
  EXPECT_EQ(Frame(), kPlayGoOn);
  calls_.m_OnFlowPass = nullptr;
  std::vector<int32_t> ids;
  for (const cChara& chara : g_CharaList) ids.push_back(chara.m_nId);
  EXPECT_EQ(ids, (std::vector<int32_t>{1}));
  const auto defeated = [&](int32_t id) {
    return std::find(calls_.m_Calls.begin(), calls_.m_Calls.end(), std::pair{id, 3}) != calls_.m_Calls.end();
  };
  EXPECT_TRUE(defeated(2));
  EXPECT_FALSE(defeated(3));
  // Neither ran its flows after the pass.
  EXPECT_EQ(std::count(calls_.m_Calls.begin(), calls_.m_Calls.end(), std::pair{2, 0}), 0);
  EXPECT_EQ(std::count(calls_.m_Calls.begin(), calls_.m_Calls.end(), std::pair{3, 0}), 0);
}

TEST_F(PlayStepPassesTest, AHeroWithoutHpDiesInTheKillPass) {
  ASSERT_TRUE(BuildWith(cStageLayout(), {Chara(4, 3, false)}));
  calls_.m_OnFlowPass = [&](cCharaBase& chara) {
    if (chara.m_nId != 1) return;
    Hero().m_nHp = 0;
    play_.m_bKill = 1;
  };
  EXPECT_EQ(Frame(), kPlayDeath);
  calls_.m_OnFlowPass = nullptr;
  EXPECT_EQ(Hero().m_bDead, 1);
  EXPECT_EQ(Sounds(8), 1);
  EXPECT_EQ(Frame(), kPlayGoOn);  // its presentation runs; it does not die again
  EXPECT_EQ(Sounds(8), 1);
}

TEST_F(PlayStepPassesTest, ACharaKilledByBlocksIsAlwaysKeptDeadWithItsSound) {
  // A chara that dies on blocks, placed inside one.
  for (int32_t switch272 : {0, 1}) {
    SCOPED_TRACE(switch272);
    g_SystemData.m_bSwitch272 = switch272;
    cStageLayout layout;
    layout.nCollisionLevel = 2;
    layout.Solid = {{5, 3}};
    cCharaDef deadly = Chara(5, 3, false);
    deadly.m_nFly = 3;
    ASSERT_TRUE(BuildWith(layout, {deadly, Chara(9, 3, false)}));
    bool keptDead = false;
    calls_.m_OnTrigger = [&](cCharaBase& chara, int32_t trigger) {
      if (trigger == 0 && chara.m_nId == 2 && play_.m_nSubStep == 2) {
        const cCharaBase* first = play_.FindCharaById(1);
        keptDead = first != nullptr && first->m_bDead != 0;
      }
    };
    EXPECT_EQ(Frame(), kPlayGoOn);
    calls_.m_OnTrigger = nullptr;
    EXPECT_TRUE(keptDead);
    EXPECT_EQ(Sounds(9), 1);
    EXPECT_NE(std::find(calls_.m_Calls.begin(), calls_.m_Calls.end(), std::pair{1, 3}), calls_.m_Calls.end());
  }
}

}  // namespace
