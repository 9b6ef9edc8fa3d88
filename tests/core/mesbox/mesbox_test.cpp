#include "core/mesbox/mesbox.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "core/log/report_log.h"
#include "core/thread/window_fixture.h"
#include "support/temp_dir.h"

namespace {

// Every box test starts with a report log, no presenter and no answerer.
class MesBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetWindowQueue();
    SetMesBoxAnswerer(nullptr);
    SetMesBoxPresenter(nullptr);
    ASSERT_EQ(OpenReportLog(dir_.file("Report_Game.txt").c_str()), 1);
  }
  void TearDown() override {
    SetMesBoxPresenter(nullptr);
    SetMesBoxAnswerer(nullptr);
    ResetWindowQueue();
  }
  std::string Report() const { return ReadFileBytes(dir_.file("Report_Game.txt")); }

  TempDir dir_;
};

struct DefaultCase {
  unsigned type;
  int expected;
};

void PrintTo(const DefaultCase& c, std::ostream* os) { *os << "type" << c.type; }

class SafeDefaultTest : public MesBoxTest, public ::testing::WithParamInterface<DefaultCase> {};

TEST_P(SafeDefaultTest, ABoxNobodyCanSeeIsLoggedAndAnsweredSafely) {
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(MesBox("終了しますか？", "終了確認", GetParam().type), GetParam().expected);
  std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(Report(), "MesBox [終了確認] 終了しますか？\r\n");
  EXPECT_NE(err.find("\xE7\xB5\x82\xE4\xBA\x86"), std::string::npos) << "UTF-8 on stderr";
}

INSTANTIATE_TEST_SUITE_P(
    Types, SafeDefaultTest,
    ::testing::Values(DefaultCase{MB_OK, IDOK}, DefaultCase{MB_OK | MB_ICONERROR, IDOK},
                      DefaultCase{MB_OKCANCEL, IDCANCEL}, DefaultCase{MB_YESNO, IDNO},
                      DefaultCase{MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, IDNO},
                      DefaultCase{MB_YESNOCANCEL, IDCANCEL}, DefaultCase{MB_RETRYCANCEL, IDCANCEL},
                      DefaultCase{MB_ABORTRETRYIGNORE, IDABORT},
                      DefaultCase{MB_CANCELTRYCONTINUE, IDCANCEL}));

TEST_F(MesBoxTest, TheAnswererAnswersAndNothingIsLogged) {
  std::string seenText, seenCaption;
  unsigned seenType = 0;
  SetMesBoxAnswerer([&](const std::string& text, const std::string& caption, unsigned type) {
    seenText = text;
    seenCaption = caption;
    seenType = type;
    return IDYES;
  });
  SetMesBoxPresenter([](const char*, const char*, unsigned) -> int {
    ADD_FAILURE() << "the presenter must not run while an answerer is set";
    return IDNO;
  });
  EXPECT_EQ(MesBox("text 100%", nullptr, MB_YESNO), IDYES);
  EXPECT_EQ(seenText, "text 100%");
  EXPECT_EQ(seenCaption, "");
  EXPECT_EQ(seenType, MB_YESNO);
  EXPECT_EQ(Report(), "");
}

TEST_F(MesBoxTest, ThePresentersButtonIsTheResult) {
  SetMesBoxPresenter([](const char*, const char*, unsigned) { return IDRETRY; });
  EXPECT_EQ(MesBox("t", "c", MB_RETRYCANCEL), IDRETRY);
  EXPECT_EQ(Report(), "");

  SetMesBoxPresenter([](const char*, const char*, unsigned) { return kMesBoxNotShown; });
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(MesBox("t", "c", MB_YESNO), IDNO);
  ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(Report(), "MesBox [c] t\r\n");
}

std::atomic<std::thread::id> g_presentedOn;

int RecordingPresenter(const char*, const char*, unsigned) {
  g_presentedOn = std::this_thread::get_id();
  return IDYES;
}

TEST_F(MesBoxTest, AWorkersBoxIsShownOnTheWindowThread) {
  Watchdog watchdog;
  SetWindowThread();
  SetMesBoxPresenter(&RecordingPresenter);
  std::atomic<int> result{0};
  std::thread worker([&] { result = MesBox("from the game thread", "c", MB_YESNO); });
  EXPECT_TRUE(WaitUntil([&] { return result.load() != 0; }));
  worker.join();
  EXPECT_EQ(result.load(), IDYES);
  EXPECT_EQ(g_presentedOn.load(), std::this_thread::get_id());
}

TEST_F(MesBoxTest, WithoutAWindowThreadTheCallerShowsTheBox) {
  SetMesBoxPresenter(&RecordingPresenter);
  std::atomic<int> result{0};
  std::thread::id workerId;
  std::thread worker([&] {
    workerId = std::this_thread::get_id();
    result = MesBox("early", "c", MB_YESNO);
  });
  worker.join();
  EXPECT_EQ(result.load(), IDYES);
  EXPECT_EQ(g_presentedOn.load(), workerId);
}

}  // namespace
