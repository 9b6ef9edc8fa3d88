#pragma once
// A fresh folder with its own report log, and an empty main-window queue, so a
// record test can see what a load wrote to the log and whether it asked the
// program to close.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/log/report_log.h"
#include "core/thread/window_queue.h"
#include "records/record/record_file.h"
#include "support/record_fixtures.h"
#include "support/temp_dir.h"

class RecordTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_hWnd->Reset();
    ASSERT_EQ(OpenReportLog(dir_.file("Report_Game.txt").c_str()), 1);
  }
  void TearDown() override { g_hWnd->Reset(); }

  std::vector<std::string> ReportLines() const {
    std::vector<std::string> lines;
    std::istringstream in(ReadFileBytes(dir_.file("Report_Game.txt")));
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
    }
    return lines;
  }

  bool ClosePosted() {
    MSG msg;
    while (g_hWnd->Peek(&msg, true)) {
      if (msg.message == WM_CLOSE) return true;
    }
    return false;
  }

  // A data path of a file in the test's folder.
  std::string Path(const char* name) const { return dir_.file(name); }

  TempDir dir_;
};
