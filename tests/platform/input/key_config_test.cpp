#include "platform/input/key_config.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "core/log/report_log.h"
#include "platform/input/virtual_keys.h"
#include "support/temp_dir.h"

namespace {

void PutLe(std::string& bytes, std::size_t at, uint32_t value, int width) {
  for (int i = 0; i < width; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A whole 108-byte file: every binding on the keyboard with code 0x30 + index.
std::string KeyConfigBytes(int32_t nBindCount, int32_t nJoystickCount, int32_t bCustom) {
  std::string bytes(kKeyConfigFileSize, '\0');
  for (int i = 0; i < kKeyBindCount; ++i) {
    PutLe(bytes, 8 * i, 8, 4);
    PutLe(bytes, 8 * i + 4, 0x30 + i, 2);
    PutLe(bytes, 8 * i + 6, 0xBEEF, 2);
  }
  PutLe(bytes, 96, static_cast<uint32_t>(nBindCount), 4);
  PutLe(bytes, 100, static_cast<uint32_t>(nJoystickCount), 4);
  PutLe(bytes, 104, static_cast<uint32_t>(bCustom), 4);
  return bytes;
}

bool SameConfig(const KEYCONFIGDATA& a, const KEYCONFIGDATA& b) {
  for (int i = 0; i < kKeyBindCount; ++i) {
    if (a.aBind[i].nDevice != b.aBind[i].nDevice || a.aBind[i].nCode != b.aBind[i].nCode) return false;
  }
  return a.nBindCount == b.nBindCount && a.nJoystickCount == b.nJoystickCount && a.bCustom == b.bCustom;
}

KEYCONFIGDATA Defaults() {
  KEYCONFIGDATA config;
  SetDefaultKeyConfig(&config);
  return config;
}

class KeyConfigFileTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(OpenReportLog(dir.file("report.txt").c_str()), 1); }
  int32_t Load(const std::string& bytes, KEYCONFIGDATA* out) {
    WriteFileBytes(dir.path() / "KeyConfig.dat", bytes);
    return LoadKeyConfig(dir.file("KeyConfig.dat").c_str(), out);
  }
  std::string Report() { return ReadFileBytes(dir.path() / "report.txt"); }
  TempDir dir;
};

TEST(KeyConfigTest, DefaultsAreTheFixedLayoutWithJoystickZero) {
  const KEYCONFIGDATA config = Defaults();
  const int16_t keys[kKeyBindCount] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, 'Z', 'X', 'C', 'V', 'A', 'S', 'D', 'F'};
  for (int i = 0; i < kKeyBindCount; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(config.aBind[i].nDevice, kKeyboardDevice);
    EXPECT_EQ(config.aBind[i].nCode, keys[i]);
  }
  EXPECT_EQ(config.nBindCount, 12);
  EXPECT_EQ(config.nJoystickCount, 1);
  EXPECT_EQ(config.bCustom, 0);
}

TEST_F(KeyConfigFileTest, MissingFileLeavesTheCallerToTheDefaults) {
  KEYCONFIGDATA config;
  config.bCustom = 7;
  EXPECT_EQ(LoadKeyConfig(dir.file("none.dat").c_str(), &config), 0);
  EXPECT_EQ(config.bCustom, 7);
  std::filesystem::create_directory(dir.path() / "folder.dat");
  EXPECT_EQ(LoadKeyConfig(dir.file("folder.dat").c_str(), &config), 0) << "a folder opens but cannot be read";
  EXPECT_EQ(config.bCustom, 7);
}

TEST_F(KeyConfigFileTest, WholeFileReadsFieldByFieldLittleEndian) {
  std::string bytes = KeyConfigBytes(8, 2, 1);
  PutLe(bytes, 0, 1, 4);           // left on joystick 1 ...
  PutLe(bytes, 4, 0xF800, 2);      // ... with a code whose sign bit is set
  KEYCONFIGDATA config;
  ASSERT_EQ(Load(bytes, &config), 1);
  EXPECT_EQ(config.aBind[0].nDevice, 1);
  EXPECT_EQ(config.aBind[0].nCode, static_cast<int16_t>(0xF800));
  EXPECT_EQ(config.aBind[11].nDevice, 8);
  EXPECT_EQ(config.aBind[11].nCode, 0x3B);
  EXPECT_EQ(config.nBindCount, 8);
  EXPECT_EQ(config.nJoystickCount, 2);
  EXPECT_EQ(config.bCustom, 1);
}

TEST_F(KeyConfigFileTest, ShortFileReadsAsZerosPastItsEnd) {
  const std::string bytes = KeyConfigBytes(12, 1, 1).substr(0, 50);  // ends inside binding 6
  KEYCONFIGDATA config = Defaults();
  ASSERT_EQ(Load(bytes, &config), 1);
  EXPECT_EQ(config.aBind[5].nCode, 0x35);
  EXPECT_EQ(config.aBind[6].nDevice, 8) << "the two bytes present";
  EXPECT_EQ(config.aBind[6].nCode, 0);
  EXPECT_EQ(config.aBind[11].nDevice, 0);
  EXPECT_EQ(config.nBindCount, 0);
  EXPECT_EQ(config.nJoystickCount, 0);
  EXPECT_EQ(config.bCustom, 0);
}

TEST_F(KeyConfigFileTest, CountsNoPollCanUseAreRefusedWithTheDefaultsAndOneLogLine) {
  struct Case {
    int32_t nBindCount, nJoystickCount;
    int32_t result;
  };
  const Case cases[] = {{13, 1, 0}, {-1, 1, 0}, {12, 17, 0}, {12, -1, 0}, {0, 0, 1}, {12, 16, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.nBindCount << " bindings, " << c.nJoystickCount << " joysticks");
    ASSERT_EQ(OpenReportLog(dir.file("report.txt").c_str()), 1);
    KEYCONFIGDATA config;
    EXPECT_EQ(Load(KeyConfigBytes(c.nBindCount, c.nJoystickCount, 1), &config), c.result);
    if (c.result == 0) {
      EXPECT_TRUE(SameConfig(config, Defaults()));
      const std::string report = Report();
      EXPECT_NE(report.find("KeyConfig.dat"), std::string::npos);
      EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1);
    } else {
      EXPECT_EQ(config.bCustom, 1);
      EXPECT_EQ(Report(), "");
    }
  }
}

TEST(KeyConfigTest, BindingDevicesAreTheKeyboardOrAConfiguredJoystick) {
  KEYCONFIGDATA config = Defaults();
  config.nJoystickCount = 2;
  struct Case {
    int32_t nDevice;
    bool valid;
  };
  for (const Case& c : {Case{8, true}, Case{0, true}, Case{1, true}, Case{2, false}, Case{-1, false},
                        Case{16, false}}) {
    SCOPED_TRACE(c.nDevice);
    EXPECT_EQ(IsBindingDeviceValid(config, KEYBINDDATA{c.nDevice, 0, 0}), c.valid);
  }
}

}  // namespace
