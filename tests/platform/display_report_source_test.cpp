#include "platform/dd/display_report_source.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/log/report_log.h"
#include "platform/dd/display_state.h"
#include "support/temp_dir.h"

namespace {

class DisplayReportSourceTest : public ::testing::Test {
 protected:
  void TearDown() override {
    SetDisplayReportSource(nullptr);
    g_bWindowMode = 1;
    g_nBpp = 0;
  }
};

TEST_F(DisplayReportSourceTest, ReportsTheDisplayStateAndTheVideoDriver) {
  TempDir dir;
  ASSERT_EQ(OpenReportLog(dir.file("Report_Game.txt").c_str()), 1);
  InstallDisplayReportSource();
  g_bWindowMode = 0;
  g_nBpp = 32;
  EXPECT_EQ(WriteDisplayReport(1), 1);
  EXPECT_EQ(ReadFileBytes(dir.file("Report_Game.txt")), "Mode : Fullscreen\r\nBpp : 32\r\n");

  setenv("SDL_VIDEODRIVER", "dummy", 1);
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
  g_bWindowMode = 1;
  DisplayReportFacts facts = DescribeDisplay(1);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  EXPECT_EQ(facts.windowMode, 1);
  EXPECT_EQ(facts.bpp, 32);
  ASSERT_EQ(facts.extraLines.size(), 2u);
  EXPECT_EQ(facts.extraLines[0], "Driver : dummy");
  EXPECT_EQ(facts.extraLines[1].rfind("RR : ", 0), 0u);
}

}  // namespace
