#include <gtest/gtest.h>

#include "stage/objects/stage_play.h"
#include "stage/services/null_stage_services.h"
#include "stage/services/recording_stage_services.h"

TEST(RecordingStageServicesTest, EveryRequestIsKeptInOrderWithItsFrameSubStepArgumentsAndAnswer) {
  cStagePlay play;
  cRecordingStageServices services(play);
  play.SetServices(&services);
  services.m_nTickCount = 99;
  play.m_nFrameCount = 7;
  play.m_nSubStep = 2;
  play.Services().PlaySE(9);
  play.Services().PlayProjectSE(3);
  play.m_nSubStep = 3;
  play.Services().RequestStageBgm(4, 1);
  play.Services().SetTargetFps(50);
  play.Services().OnStageClear();
  play.Services().RequestClose();
  EXPECT_EQ(play.Services().TickCount(), 99u);
  play.Services().PollInput();

  struct Expected {
    const char* name;
    int32_t subStep;
    std::vector<std::pair<std::string, int64_t>> args;
    std::optional<int64_t> answer;
  } const expected[] = {
      {"PlaySE", 2, {{"n", 9}}, {}},
      {"PlayProjectSE", 2, {{"n", 3}}, {}},
      {"RequestStageBgm", 3, {{"n", 4}, {"value", 1}}, {}},
      {"SetTargetFps", 3, {{"fps", 50}}, {}},
      {"OnStageClear", 3, {}, {}},
      {"RequestClose", 3, {}, {}},
      {"TickCount", 3, {}, 99},
      {"PollInput", 3, {}, {}},
  };
  ASSERT_EQ(services.m_Events.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const cStageEvent& event = services.m_Events[i];
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(event.strName, expected[i].name);
    EXPECT_EQ(event.nFrame, 7);
    EXPECT_EQ(event.nSubStep, expected[i].subStep);
    EXPECT_EQ(event.answer, expected[i].answer);
    ASSERT_EQ(event.Args.size(), expected[i].args.size());
    for (std::size_t a = 0; a < event.Args.size(); ++a) {
      EXPECT_EQ(event.Args[a].strName, expected[i].args[a].first);
      EXPECT_EQ(std::get<int64_t>(event.Args[a].value), expected[i].args[a].second);
    }
  }
}

TEST(RecordingStageServicesTest, APlayStateStartsWithServicesThatAnswerTheSafeDefault) {
  cStagePlay play;
  EXPECT_EQ(play.Services().TickCount(), 0u);
  cRecordingStageServices services(play);
  play.SetServices(&services);
  play.SetServices(nullptr);  // back to doing nothing
  play.Services().PlaySE(1);
  EXPECT_TRUE(services.m_Events.empty());
}
