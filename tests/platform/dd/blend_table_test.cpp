#include "platform/dd/blend_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/log/report_log.h"
#include "support/temp_dir.h"
#include "tests/platform/dd/display_fixture.h"

namespace {

constexpr uint8_t kStale = 0xA5;

// Byte i of a test file: varies along the table so a shifted or partial copy shows.
uint8_t FileByte(std::size_t i) { return static_cast<uint8_t>(i * 7 + i / 256); }

std::string FileOfSize(std::size_t n) {
  std::string bytes(n, '\0');
  for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<char>(FileByte(i));
  return bytes;
}

class BlendTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(OpenReportLog(dir_.file("Report_Game.txt").c_str()), 1);
    table_.fill(kStale);
  }
  std::string Log() const { return ReadFileBytes(dir_.file("Report_Game.txt")); }

  TempDir dir_;
  std::array<uint8_t, kBlendTableSize> table_{};
};

TEST_F(BlendTableTest, OnlyAFullTableReplacesTheOldOne) {
  struct Case {
    const char* name;
    long size;  // -1: no file
    bool loaded;
  };
  const Case cases[] = {
      {"exact", 65536, true},
      {"longer", 65536 + 300, true},
      {"short", 65535, false},
      {"empty", 0, false},
      {"missing", -1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    table_.fill(kStale);
    const std::string path = dir_.file(std::string("hbt") + c.name + ".dat");
    if (c.size >= 0) WriteFileBytes(path, FileOfSize(static_cast<std::size_t>(c.size)));
    EXPECT_EQ(DDLoadBlendTable(table_.data(), path.c_str()), c.loaded);
    std::size_t wrong = 0;
    for (std::size_t i = 0; i < kBlendTableSize; ++i) wrong += table_[i] != (c.loaded ? FileByte(i) : kStale);
    EXPECT_EQ(wrong, 0u);
    if (!c.loaded) {
      EXPECT_NE(Log().find(path), std::string::npos);
    }
  }
}

TEST_F(BlendTableTest, AShortFileIsLoggedWithItsSize) {
  const std::string path = dir_.file("hbtShort.dat");
  WriteFileBytes(path, FileOfSize(1000));
  EXPECT_FALSE(DDLoadBlendTable(table_.data(), path.c_str()));
  EXPECT_NE(Log().find(path + ": the blend table has 1000 bytes"), std::string::npos);
}

TEST_F(BlendTableTest, DataPathsResolveLikeOtherProjectFiles) {
  // The callers name the file with backslashes in any case.
  std::filesystem::create_directories(dir_.path() / "bmp" / "hbt");
  WriteFileBytes(dir_.path() / "bmp" / "hbt" / "hbtA.dat", FileOfSize(kBlendTableSize));
  const std::string data = dir_.path().string() + "\\BMP\\hbt\\HBTa.dat";
  EXPECT_TRUE(DDLoadBlendTable(table_.data(), data.c_str()));
  EXPECT_EQ(table_[12345], FileByte(12345));
}

TEST_F(BlendTableTest, Direct3DNeverLoadsTheTable) {
  ScopedDisplay display({1, 32, 1});
  ASSERT_TRUE(display.ok());
  EXPECT_TRUE(DDLoadBlendTable(table_.data(), dir_.file("absent.dat").c_str()));
  EXPECT_EQ(table_[0], kStale);
  EXPECT_EQ(table_[kBlendTableSize - 1], kStale);
}

}  // namespace
