#include "core/log/ec_log.h"

#include <filesystem>

#include "core/mesbox/error_mesbox.h"
#include "log_fixture.h"

namespace {

class EcLogTest : public LogFixture {
 protected:
  void SetUp() override {
    LogFixture::SetUp();
    ResetWindowQueue();
  }
  void TearDown() override {
    ResetWindowQueue();
    LogFixture::TearDown();
  }
  // The messages posted to the main window so far.
  std::vector<UINT> Posted() {
    std::vector<UINT> out;
    MSG msg;
    while (PeekMessage(&msg, g_hWnd, true)) out.push_back(msg.message);
    return out;
  }
};

TEST_F(EcLogTest, SwitchedOffWritesNothingButCloseStillPosts) {
  SetEcLog(0, ecPath().c_str());
  EXPECT_EQ(EcLogText("x"), 0);
  EcLog("%d", 1);
  EcLogString("y");
  EcLogClose(g_hWnd, "fatal %s", "scene");
  EXPECT_FALSE(std::filesystem::exists(ecPath()));
  EXPECT_EQ(Posted(), std::vector<UINT>{WM_CLOSE});
}

TEST_F(EcLogTest, FirstWriteTruncatesLaterWritesAppend) {
  WriteFileBytes(ecPath(), "from the last run\r\n");
  SetEcLog(1, ecPath().c_str());
  EXPECT_EQ(EcLogText("one 100%"), 1);
  EcLog("two %d", 2);
  EcLogString("three");
  EcLogClose(g_hWnd, "four");
  EXPECT_EQ(ReadFileBytes(ecPath()), "one 100%\r\ntwo 2\r\nthree\r\nfour\r\n");
  EXPECT_EQ(Posted(), std::vector<UINT>{WM_CLOSE});
}

TEST_F(EcLogTest, DebugBoxesShowOnlyWhileTheEcLogIsOn) {
  EXPECT_EQ(DebugMesBoxF("SetSize()で %d を指定しました！", 0), 0);
  EXPECT_TRUE(Boxes().empty());
  SetEcLog(1, ecPath().c_str());
  answer_ = 1;
  EXPECT_EQ(DebugMesBoxF("SetSize()で %d を指定しました！", 0), 1);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "SetSize()で 0 を指定しました！");
}

}  // namespace
