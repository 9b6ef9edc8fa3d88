#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "flow_world.h"
#include "records/database/database.h"
#include "stage/objects/flow_cmd_state.h"
#include "stage/script/flow_cmd_executors.h"
#include "stage/script/flow_cmd_table.h"

namespace {

class SceneRequestsTest : public FlowWorld {
 protected:
  void SetUp() override {
    FlowWorld::SetUp();
    savedEffects_ = g_Database.m_Effects;
    g_Database.m_Effects.resize(2);
    cEffect& effect = g_Database.m_Effects.CheckedVectorAt(1);
    effect.m_nWidth = 33;
    effect.m_nHeight = 20;
    effect.m_Frames.resize(2);
    effect.m_Frames.CheckedVectorAt(0).m_nDuration = 2;
    effect.m_Frames.CheckedVectorAt(1).m_nDuration = 3;
  }
  void TearDown() override {
    g_Database.m_Effects = savedEffects_;
    FlowWorld::TearDown();
  }

  // Each request as its name, then its arguments, except for the long
  // set-ups (their values are checked on their own).
  std::vector<std::string> Requests() const {
    std::vector<std::string> lines;
    for (const cStageEvent& e : services_.m_Events) {
      std::string line = e.strName;
      const bool brief = e.strName == "ShowMessage" || e.strName == "ShowPicture" || e.strName == "AddEffect";
      for (const cStageEventArg& arg : e.Args) {
        if (brief) break;
        if (const int64_t* n = std::get_if<int64_t>(&arg.value)) line += " " + std::to_string(*n);
      }
      lines.push_back(line);
    }
    return lines;
  }

  static std::vector<int64_t> Ints(const cStageEvent& e) {
    std::vector<int64_t> values;
    for (const cStageEventArg& arg : e.Args) {
      if (const int64_t* n = std::get_if<int64_t>(&arg.value)) values.push_back(*n);
    }
    return values;
  }

  void Run(cChara& chara, cFlowCmd& cmd, int32_t bContinue) {
    if (bContinue != 0) {
      ExecMessage(&chara, &cmd, bContinue);
      return;
    }
    cFlowCmdState state;
    state.m_lpCmd = &cmd;
    DispatchFlowCmd(&chara, &state);
  }

  cVector<cEffect> savedEffects_;
};

TEST_F(SceneRequestsTest, EachCommandMakesItsRequestsInOrder) {
  // Message parameters: P6 duration, P7 tenths, P8 stop the game, P12 use ID, P13 ID, P15 remove.
  auto message = [](int32_t p6, int32_t p7, int32_t p8, int32_t p12, int32_t p13, int32_t p15) {
    return std::vector<int32_t>{1, 0, 0, 0, 0, 0, p6, p7, p8, 0, 0, 0, p12, p13, 0, p15, 0, 0};
  };
  struct Case {
    const char* name;
    int8_t kind;
    std::vector<int32_t> params;
    int32_t bContinue;
    int32_t bQuit;
    std::vector<std::string> requests;
  } cases[] = {
      {"a message", kFlowCmdMessage, message(0, 0, 0, 0, 0, 0), 0, 0, {"ShowMessage"}},
      {"a message with ID", kFlowCmdMessage, message(2, 5, 0, 1, 7, 0), 0, 0, {"ShowMessage"}},
      {"removal by ID", kFlowCmdMessage, message(0, 0, 0, 1, 7, 1), 0, 0, {"RemoveMessageById 7"}},
      {"removal without ID", kFlowCmdMessage, message(0, 0, 0, 0, 0, 1), 0, 0, {}},
      {"a key wait opens with its sound",
       kFlowCmdMessage, message(0, 0, 1, 0, 0, 0), 0, 0,
       {"ShowMessage", "PlaySE 11", "PauseWait 1 10 1 0 0", "RemoveShownMessage"}},
      {"a continued key wait is silent and takes the key at once",
       kFlowCmdMessage, message(0, 0, 1, 0, 0, 0), 1, 0,
       {"ShowMessage", "PauseWait 1 0 1 0 0", "RemoveShownMessage"}},
      {"a timed wait",
       kFlowCmdMessage, message(2, 3, 1, 0, 0, 0), 0, 0,
       {"ShowMessage", "PauseWait 1 0 0 18 0", "RemoveShownMessage"}},
      {"until the stage ends: the scene's wait as it stands",
       kFlowCmdMessage, message(1, 3, 1, 0, 0, 0), 0, 0, {"ShowMessage", "PauseWait", "RemoveShownMessage"}},
      {"a game wait of 0", kFlowCmdGameWait, {0}, 0, 0, {"ShowMessage", "PauseWait 0 0 0 0 0", "RemoveShownMessage"}},
      {"a game wait of 2 tenths", kFlowCmdGameWait, {2}, 0, 0,
       {"ShowMessage", "PauseWait 0 0 0 12 0", "RemoveShownMessage"}},
      {"effects cleared", kFlowCmdEffect, {0}, 0, 0, {"ClearEffects"}},
      {"an effect", kFlowCmdEffect, {1, 0, 0, 0, 0, 0, 100, 0}, 0, 0, {"AddEffect"}},
      {"an effect waited for: its durations x 6", kFlowCmdEffect, {1, 0, 0, 0, 0, 0, 100, 1}, 0, 0,
       {"AddEffect", "PauseWait 2 0 0 30 0"}},
      {"pictures cleared", kFlowCmdPicture, {0}, 0, 0, {"ClearPictures"}},
      {"a picture hidden by ID", kFlowCmdPicture, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 4}, 0, 0,
       {"HidePicture 4"}},
      {"a picture", kFlowCmdPicture, {2, 0, 0, 0, 0, 0, 0, 100, 0, 0, 0}, 0, 0, {"ShowPicture"}},
      {"a picture until the key", kFlowCmdPicture, {2, 0, 0, 0, 0, 0, 0, 100, 0, 0, 1}, 0, 0,
       {"ShowPicture", "PauseWait 3 0 1 0 0", "RemovePicture 1"}},
      {"a picture for 2 tenths", kFlowCmdPicture, {2, 0, 0, 0, 0, 0, 0, 100, 2, 2, 1}, 0, 0,
       {"ShowPicture", "PauseWait 3 0 0 12 0", "RemovePicture 1"}},
      {"a screen effect", kFlowCmdScrEffect, {3, 1, 1}, 0, 0, {"StartScreenEffect 3 1 1"}},
      {"no message while quitting", kFlowCmdMessage, message(0, 0, 1, 0, 0, 0), 0, 1, {}},
      {"no effect while quitting", kFlowCmdEffect, {0}, 0, 1, {}},
      {"no picture while quitting", kFlowCmdPicture, {0}, 0, 1, {}},
  };
  cChara& chara = AddTestChara(4);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    services_.m_Events.clear();
    services_.m_nPictureHandles = 0;
    play_.m_bQuit = c.bQuit;
    cFlowCmd cmd = Cmd(c.kind, c.params);
    Run(chara, cmd, c.bContinue);
    EXPECT_EQ(Requests(), c.requests);
  }
}

TEST_F(SceneRequestsTest, AKeyWaitMessageRightAfterAnotherOfItsFlowOpensSilently) {
  const cFlowCmd keyWait = Cmd(kFlowCmdMessage, {0, 0, 0, 0, 0, 0, 0, 0, 1});
  cChara& chara = WithFlows(4, {Flow(kTriggerByOperation, {keyWait, keyWait, Cmd(kFlowCmdWait), keyWait})});
  for (int32_t i = 0; i < 4; ++i) SetFrames(chara, 0, i, 1);
  Start(chara, 0);
  for (int32_t pass = 0; pass < 4; ++pass) Pass(chara);
  EXPECT_EQ(Requests(), (std::vector<std::string>{"ShowMessage", "PlaySE 11", "PauseWait 1 10 1 0 0",
                                                  "RemoveShownMessage", "ShowMessage", "PauseWait 1 0 1 0 0",
                                                  "RemoveShownMessage", "ShowMessage", "PlaySE 11",
                                                  "PauseWait 1 10 1 0 0", "RemoveShownMessage"}));
}

TEST_F(SceneRequestsTest, AMessageHandsOnItsValuesInTheWindowsOrder) {
  cChara& chara = AddTestChara(4);
  cFlowCmd cmd = Cmd(kFlowCmdMessage, {2, 3, 4, 5, 6, 7, 2, 9, 0, 11, 12, 13, 14, 15, 16, 0, 18, 0});
  cmd.m_strText = "hello";
  ExecMessage(&chara, &cmd, 1);
  ASSERT_EQ(services_.m_Events.size(), 1U);
  const cStageEvent& e = services_.m_Events.front();
  EXPECT_EQ(std::get<std::string>(e.Args[1].value), "hello");
  // kind, 3 icon values, P0..P5, P10, P6, frames, P8, followed id, continuation, P9, P11, P16, P14, P12, P13.
  EXPECT_EQ(Ints(e), (std::vector<int64_t>{1, 0, 0, 0, 2, 3, 4, 5, 6, 7, 12, 2, 54, 0, 4, 1, 11, 13, 18, 16, 14, 15}));

  // One frame only; positions 4..6 follow the hero, others nothing.
  AddTestHero(1);
  for (auto [position, followed] : {std::pair{5, 1}, std::pair{0, -1}, std::pair{8, -1}}) {
    services_.m_Events.clear();
    cFlowCmd one = Cmd(kFlowCmdMessage, {position, 0, 0, 0, 0, 0, 2, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1});
    ExecMessage(&chara, &one, 0);
    const std::vector<int64_t> values = Ints(services_.m_Events.front());
    EXPECT_EQ(values[12], 1);  // frames
    EXPECT_EQ(values[14], followed);
  }
}

TEST_F(SceneRequestsTest, TheGameWaitsWindowAndAButtonThatEndedAWait) {
  cChara& chara = AddTestChara(4);
  cFlowCmd wait = Cmd(kFlowCmdGameWait, {3});
  services_.m_bPauseButton = 1;
  play_.m_bHoldButtons = 0;
  ExecGameWait(&chara, &wait);
  // kind 0, stay 1, timed for 18 frames, counted while frozen; the rest 0.
  std::vector<int64_t> expected(22, 0);
  expected[10] = 1;
  expected[11] = 2;
  expected[12] = 18;
  expected[13] = 1;
  EXPECT_EQ(Ints(services_.m_Events.front()), expected);
  // The button that ended the wait is held back from the game.
  EXPECT_EQ(play_.m_bHoldButtons, 1);
}

TEST_F(SceneRequestsTest, AnEffectsSizeAndPlace) {
  cChara& chara = AddTestChara(4);
  cFlowCmd cmd = Cmd(kFlowCmdEffect, {1, 4, 2, 3, 5, 6, 50, 0});
  ExecRunEffect(&chara, &cmd);
  const cStageEvent& e = services_.m_Events.front();
  // 50 % of 33 x 20, half away from zero; stage coordinates: (2 + 10) x 32 + 5, (3 + 10) x 32 + 6.
  EXPECT_EQ(std::get<int64_t>(e.Args[3].value), 17);
  EXPECT_EQ(std::get<int64_t>(e.Args[4].value), 10);
  EXPECT_EQ(std::get<double>(e.Args[1].value), 389);
  EXPECT_EQ(std::get<double>(e.Args[2].value), 422);
}

TEST_F(SceneRequestsTest, EffectPositionsInEveryMode) {
  play_.m_ScrollX.m_dPos = 100;
  play_.m_ScrollY.m_dPos = 50;
  cChara& chara = AddTestChara(4);
  chara.m_rcScreen.left = 200;
  chara.m_rcScreen.top = 120;
  chara.m_nGraphicW = 32;
  chara.m_nGraphicH = 48;
  cHero& hero = AddTestHero(1);
  hero.m_rcScreen.left = 10;
  hero.m_rcScreen.top = 20;
  hero.m_nGraphicW = 40;
  hero.m_nGraphicH = 40;
  struct Case {
    int32_t mode;
    double x, y;
  } cases[] = {
      {0, 100 + 320 - 5 + 3, 50 + 240 - 3 + 4},  // screen centre (integer halves of 11 x 7)
      {1, 216 + 100 - 5 + 3, 144 + 50 - 3 + 4},  // the chara's centre
      {2, 30 + 100 - 5 + 3, 40 + 50 - 3 + 4},    // the hero's
      {3, 100 + 64 + 3, 50 + 32 + 4},            // screen coordinates, top-left
      {4, 12 * 32 + 3, 11 * 32 + 4},             // stage coordinates
      {5, 0, 0},
      {-1, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    double x = -1, y = -1;
    CalcEffectPosition(&x, &y, 11, 7, &chara, c.mode, 2, 1, 3, 4);
    EXPECT_EQ(x, c.x);
    EXPECT_EQ(y, c.y);
  }
}

}  // namespace
