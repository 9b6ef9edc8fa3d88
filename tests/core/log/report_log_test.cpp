#include "core/log/report_log.h"

#include <filesystem>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "core/mesbox/mesbox_types.h"
#include "core/text/str_format.h"
#include "log_fixture.h"

namespace {

using ReportLogTest = LogFixture;

TEST_F(ReportLogTest, LinesEndWithCrLfAsTextModeWrites) {
  EXPECT_EQ(ReportLog("a=%d", 1), 1);
  EXPECT_EQ(ReportLog("two\nrows"), 1);
  EXPECT_EQ(Report(), "a=1\r\ntwo\r\nrows\r\n");
}

TEST_F(ReportLogTest, OpenTruncatesAndAFailedOpenKeepsThePath) {
  ReportLog("first");
  ASSERT_EQ(OpenReportLog(reportPath().c_str()), 1);
  EXPECT_EQ(Report(), "");
  EXPECT_EQ(OpenReportLog(dir_.file("missing/dir/log.txt").c_str()), 0);
  EXPECT_EQ(ReportLogPath(), reportPath());
  EXPECT_EQ(OpenReportLog(nullptr), 0);
}

TEST_F(ReportLogTest, ADeletedLogStaysDeletedAndLinesVanishQuietly) {
  std::filesystem::remove(reportPath());
  EXPECT_EQ(ReportLog("lost"), 0);
  EXPECT_EQ(ReportLogBoth("lost"), 0);
  EXPECT_FALSE(std::filesystem::exists(reportPath()));
}

TEST_F(ReportLogTest, BothWritesTheTextAsItStandsToBothLogs) {
  SetEcLog(1, ecPath().c_str());
  EXPECT_EQ(ReportLogBoth("%s", "100% sure"), 1);
  EXPECT_EQ(Report(), "100% sure\r\n");
  EXPECT_EQ(ReadFileBytes(ecPath()), "100% sure\r\n");
}

TEST_F(ReportLogTest, BothCutsALongLineAtACharacterBoundary) {
  std::string text(kBoxTextLimit - 1, 'a');
  ReportLogBoth("%s\x82\xA0tail", text.c_str());
  EXPECT_EQ(Report(), text + "\r\n");
}

TEST_F(ReportLogTest, ReportLogHasNoLengthLimit) {
  std::string text(3000, 'z');
  ReportLog("%s", text.c_str());
  EXPECT_EQ(Report(), text + "\r\n");
}

TEST_F(ReportLogTest, MesBoxLogsThenShowsTheErrorBox) {
  EXPECT_EQ(ReportLogMesBox("%s の読み込みに失敗しました！", "data\\a.dat"), 1);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "data\\a.dat の読み込みに失敗しました！");
  EXPECT_EQ(Boxes()[0].caption, "エラー");
  EXPECT_EQ(Boxes()[0].type, MB_OK);
  EXPECT_EQ(Report(), Boxes()[0].text + "\r\n");
}

TEST_F(ReportLogTest, MesBoxShowsTheBoxEvenWithoutALog) {
  std::filesystem::remove(reportPath());
  EXPECT_EQ(ReportLogMesBox("fatal %d", 3), 0);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "fatal 3");
}

TEST_F(ReportLogTest, ConcurrentWritersLeaveWholeLines) {
  // Lines of very different lengths from several threads: with one write per line
  // and O_APPEND none is torn or mixed with another.
  constexpr int kThreads = 8;
  constexpr int kLines = 150;
  std::set<std::string> expected;
  auto lineOf = [](int t, int i) {
    std::string line;
    StrFormat(line, "t%d-%d ", t, i);
    return line + std::string(static_cast<std::size_t>((i * 37 + t * 11) % 2000), 'a' + t);
  };
  for (int t = 0; t < kThreads; ++t)
    for (int i = 0; i < kLines; ++i) expected.insert(lineOf(t, i));

  std::vector<std::thread> writers;
  for (int t = 0; t < kThreads; ++t) {
    writers.emplace_back([t, &lineOf] {
      for (int i = 0; i < kLines; ++i) ReportLog("%s", lineOf(t, i).c_str());
    });
  }
  for (auto& w : writers) w.join();

  std::vector<std::string> lines = SplitCrLf(Report());
  ASSERT_EQ(lines.back(), "");
  lines.pop_back();
  EXPECT_EQ(lines.size(), static_cast<std::size_t>(kThreads * kLines));
  EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()), expected);
}

}  // namespace
