#pragma once
// A report log and an EC log in a fresh folder, and an empty main-window queue, so
// a test can read what a failed checked access wrote and posted.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/log/report_log.h"
#include "core/thread/window_queue.h"
#include "support/temp_dir.h"

class BadIndexFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    g_hWnd->Reset();
    ASSERT_EQ(OpenReportLog(dir_.file("Report_Game.txt").c_str()), 1);
    SetEcLog(1, dir_.file("EC_Game.txt").c_str());
  }
  void TearDown() override {
    SetEcLog(0, "");
    g_hWnd->Reset();
  }

  std::vector<std::string> ReportLines() const { return Lines("Report_Game.txt"); }
  std::vector<std::string> EcLines() const { return Lines("EC_Game.txt"); }

  // Takes every posted message and counts the close requests among them.
  int TakeCloseRequests() {
    int closes = 0;
    MSG msg;
    while (g_hWnd->Peek(&msg, true)) {
      if (msg.message == WM_CLOSE && msg.wParam == 0 && msg.lParam == 0) ++closes;
    }
    return closes;
  }

  TempDir dir_;

 private:
  // The logs' lines, whatever line end the log writes.
  std::vector<std::string> Lines(const char* name) const {
    std::vector<std::string> lines;
    std::istringstream in(ReadFileBytes(dir_.file(name)));
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
    }
    return lines;
  }
};
