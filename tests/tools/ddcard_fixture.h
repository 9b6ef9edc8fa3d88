#pragma once
// The ddcard tests: one sample project written for the whole suite, message
// boxes answered during each test, and a page run with its result checked.

#include <gtest/gtest.h>

#include <string>

#include "core/mesbox/mesbox.h"
#include "support/temp_dir.h"
#include "tools/ddcard/test_card.h"
#include "tools/sample/sample_project.h"

class DdcardProjectTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    project_ = new TempDir;
    std::string error;
    ASSERT_TRUE(WriteSampleProject(project_->path(), error)) << error;
  }
  static void TearDownTestSuite() {
    delete project_;
    project_ = nullptr;
  }
  void SetUp() override {
    SetMesBoxAnswerer([](const std::string&, const std::string&, unsigned) { return 1; });
  }
  void TearDown() override { SetMesBoxAnswerer(nullptr); }

  static cTestCardResult Run(const cTestCardOptions& options) {
    cTestCardResult result = RunTestCard(project_->path().string(), options);
    EXPECT_TRUE(result.bOk) << result.strFailedStep;
    return result;
  }

  static inline TempDir* project_ = nullptr;
};
