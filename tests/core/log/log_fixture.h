#pragma once
// A report log in a fresh folder, the EC log off, and every box answered and
// recorded instead of shown.

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "core/log/report_log.h"
#include "core/mesbox/mesbox.h"
#include "support/temp_dir.h"

struct ShownBox {
  std::string text;
  std::string caption;
  unsigned type;
};

// Splits a log file into lines at CR LF; the text after the last CR LF (nothing,
// in a good log) is the last element.
inline std::vector<std::string> SplitCrLf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t at; (at = bytes.find("\r\n", from)) != std::string::npos; from = at + 2) {
    lines.push_back(bytes.substr(from, at - from));
  }
  lines.push_back(bytes.substr(from));
  return lines;
}

class LogFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    SetEcLog(0, "");
    ASSERT_EQ(OpenReportLog(reportPath().c_str()), 1);
    SetMesBoxAnswerer([this](const std::string& text, const std::string& caption, unsigned type) {
      std::lock_guard<std::mutex> lock(mutex_);
      boxes_.push_back({text, caption, type});
      return answer_;
    });
  }
  void TearDown() override {
    SetMesBoxAnswerer(nullptr);
    SetEcLog(0, "");
  }

  std::string reportPath() const { return dir_.file("Report_Game.txt"); }
  std::string ecPath() const { return dir_.file("EC_Game.txt"); }
  std::string Report() const { return ReadFileBytes(reportPath()); }

  std::vector<ShownBox> Boxes() {
    std::lock_guard<std::mutex> lock(mutex_);
    return boxes_;
  }

  TempDir dir_;
  int answer_ = 1;

 private:
  std::mutex mutex_;
  std::vector<ShownBox> boxes_;
};
