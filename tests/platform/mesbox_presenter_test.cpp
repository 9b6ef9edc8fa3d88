#include "platform/ui/sdl_message_box.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/log/report_log.h"
#include "core/mesbox/error_mesbox.h"
#include "core/mesbox/mesbox.h"
#include "platform/dd/dd_mesbox.h"
#include "platform/dd/display_state.h"
#include "support/temp_dir.h"

namespace {

// What the replaced SDL_ShowMessageBox saw, and what it answers.
struct FakeSdl {
  int calls = 0;
  std::string title, message;
  Uint32 flags = 0;
  std::vector<SDL_MessageBoxButtonData> buttons;
  int answer = -1;
  int result = 0;  // 0 shown, -1 SDL failed
};
FakeSdl g_sdl;

int FakeShow(const SDL_MessageBoxData* data, int* buttonId) {
  ++g_sdl.calls;
  g_sdl.title = data->title;
  g_sdl.message = data->message;
  g_sdl.flags = data->flags;
  g_sdl.buttons.assign(data->buttons, data->buttons + data->numbuttons);
  *buttonId = g_sdl.answer;
  return g_sdl.result;
}

std::vector<bool> g_switches;
bool g_switchWorks = true;
bool RecordingSwitch(bool on) {
  g_switches.push_back(on);
  return g_switchWorks;
}

class PresenterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_sdl = FakeSdl{};
    g_switches.clear();
    g_switchWorks = true;
    SetMesBoxAnswerer(nullptr);
    SetEcLog(0, "");
    ASSERT_EQ(OpenReportLog(dir_.file("Report_Game.txt").c_str()), 1);
    InstallMesBoxPresenter();
    SetSdlShowMessageBoxFunction(&FakeShow);
    SetDialogModeSwitch(&RecordingSwitch);
  }
  void TearDown() override {
    SetSdlShowMessageBoxFunction(nullptr);
    SetDialogModeSwitch(nullptr);
    SetMesBoxPresenter(nullptr);
    SetEcLog(0, "");
    g_bDDInit = 0;
    g_bWindowMode = 1;
  }
  void Display(int ddInit, int windowMode) {
    g_bDDInit = ddInit;
    g_bWindowMode = windowMode;
  }
  std::string Report() const { return ReadFileBytes(dir_.file("Report_Game.txt")); }

  TempDir dir_;
};

TEST_F(PresenterTest, FullScreenAfterSetUpGoesThroughDDMesBoxAndReturnsTheButton) {
  Display(1, 0);
  g_sdl.answer = IDYES;
  EXPECT_EQ(MesBox("続けますか？", "確認", MB_YESNO), IDYES);
  EXPECT_EQ(g_switches, (std::vector<bool>{true, false}));
  EXPECT_EQ(g_sdl.calls, 1);
}

TEST_F(PresenterTest, WindowModeOrBeforeSetUpIsThePlainBox) {
  for (auto [ddInit, windowMode] : {std::pair{1, 1}, std::pair{0, 0}, std::pair{0, 1}}) {
    Display(ddInit, windowMode);
    g_sdl.answer = IDCANCEL;
    EXPECT_EQ(MesBox("t", "c", MB_OKCANCEL), IDCANCEL);
  }
  EXPECT_TRUE(g_switches.empty());
  EXPECT_EQ(g_sdl.calls, 3);
}

TEST_F(PresenterTest, ADisplayThatCannotSwitchLogsAndAnswersSafely) {
  TempDir ecDir;
  SetEcLog(1, ecDir.file("EC_Game.txt").c_str());
  Display(1, 0);
  g_switchWorks = false;
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(MesBox("本文", "題", MB_YESNO), IDNO);
  ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(g_sdl.calls, 0);
  EXPECT_EQ(g_switches, std::vector<bool>{true});
  EXPECT_EQ(ReadFileBytes(ecDir.file("EC_Game.txt")), "DDMesBox 失敗! 本文, 題\r\n");
  EXPECT_EQ(Report(), "MesBox [題] 本文\r\n");
}

TEST_F(PresenterTest, TextsReachSdlAsUtf8WithTheTypesButtons) {
  g_sdl.answer = IDNO;
  EXPECT_EQ(ErrMesBox("x"), IDNO);
  EXPECT_EQ(g_sdl.title, "\xE3\x82\xA8\xE3\x83\xA9\xE3\x83\xBC");  // エラー in UTF-8

  EXPECT_EQ(MesBox("a\nb", "q", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2), IDNO);
  EXPECT_EQ(g_sdl.message, "a\nb");
  EXPECT_EQ(g_sdl.flags, Uint32{SDL_MESSAGEBOX_INFORMATION | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT});
  ASSERT_EQ(g_sdl.buttons.size(), 2u);
  EXPECT_EQ(g_sdl.buttons[0].buttonid, IDYES);
  EXPECT_EQ(g_sdl.buttons[0].flags, 0u);
  EXPECT_EQ(g_sdl.buttons[1].buttonid, IDNO);
  EXPECT_EQ(g_sdl.buttons[1].flags, Uint32{SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT |
                                           SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT});
}

struct ButtonsCase {
  unsigned type;
  std::vector<int> ids;
};

void PrintTo(const ButtonsCase& c, std::ostream* os) { *os << "type" << c.type; }

class ButtonRowsTest : public PresenterTest, public ::testing::WithParamInterface<ButtonsCase> {};

TEST_P(ButtonRowsTest, EachTypeHasItsButtons) {
  ShowSdlMessageBox("t", "c", GetParam().type);
  std::vector<int> ids;
  for (const auto& b : g_sdl.buttons) ids.push_back(b.buttonid);
  EXPECT_EQ(ids, GetParam().ids);
}

INSTANTIATE_TEST_SUITE_P(
    Types, ButtonRowsTest,
    ::testing::Values(ButtonsCase{MB_OK, {IDOK}}, ButtonsCase{MB_OKCANCEL, {IDOK, IDCANCEL}},
                      ButtonsCase{MB_ABORTRETRYIGNORE, {IDABORT, IDRETRY, IDIGNORE}},
                      ButtonsCase{MB_YESNOCANCEL, {IDYES, IDNO, IDCANCEL}},
                      ButtonsCase{MB_YESNO, {IDYES, IDNO}},
                      ButtonsCase{MB_RETRYCANCEL, {IDRETRY, IDCANCEL}},
                      ButtonsCase{MB_CANCELTRYCONTINUE, {IDCANCEL, IDTRYAGAIN, IDCONTINUE}},
                      ButtonsCase{0xF, {IDOK}}));  // an unknown type is an OK box

TEST_F(PresenterTest, ClosedWithoutAButtonOrFailingInSdl) {
  g_sdl.answer = -1;  // the box was closed by its window
  EXPECT_EQ(MesBox("t", "c", MB_YESNOCANCEL), IDCANCEL);
  g_sdl.result = -1;  // SDL could not show it
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(MesBox("t", "c", MB_YESNO), IDNO);
  ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(Report(), "MesBox [c] t\r\n");
}

TEST_F(PresenterTest, TheDummyVideoDriverShowsNothing) {
  SetSdlShowMessageBoxFunction(nullptr);
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  EXPECT_FALSE(SdlMessageBoxAvailable());
  EXPECT_EQ(ShowSdlMessageBox("t", "c", MB_OK), kMesBoxNotShown);
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
  EXPECT_FALSE(SdlMessageBoxAvailable());
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(MesBox("t", "c", MB_OKCANCEL), IDCANCEL);
  ::testing::internal::GetCapturedStderr();
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

}  // namespace
