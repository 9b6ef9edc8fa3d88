#pragma once
// A test whose current folder is a fresh project folder. Paths given to the
// helpers here are host paths in UTF-8 (write them as u8"..." literals: plain
// literals compile to CP932).

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"

inline std::string U8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

class ProjectDirTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_.path());
  }
  void TearDown() override { std::filesystem::current_path(previous_); }

  const std::filesystem::path& root() const { return dir_.path(); }

  // Creates a file (and its folders) under the project folder.
  void MakeFile(const std::string& utf8Path) {
    std::filesystem::path path = root() / utf8Path;
    std::filesystem::create_directories(path.parent_path());
    WriteFileBytes(path, "x");
  }
  void MakeFolder(const std::string& utf8Path) {
    std::filesystem::create_directories(root() / utf8Path);
  }

 private:
  TempDir dir_;
  std::filesystem::path previous_;
};
