#include "core/log/system_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/log/report_log.h"
#include "core/log/system_info.h"
#include "log_fixture.h"

namespace {

using SystemReportTest = LogFixture;

TEST_F(SystemReportTest, LogBeginsWithTheVersionThenSevenMachineLines) {
  ReportLog("App : ver %s", "836");
  EXPECT_EQ(WriteSystemReport(), 1);
  std::vector<std::string> lines = SplitCrLf(Report());
  ASSERT_EQ(lines.back(), "") << "the log must end with CR LF";
  lines.pop_back();
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0], "App : ver 836");
  const char* prefixes[] = {"OS : ",        "CPU : ",       "Mem Total : ", "Mem Free : ",
                            "Vir Total : ", "Vir Free : ", "HD Free : "};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(lines[i + 1].rfind(prefixes[i], 0), 0u) << lines[i + 1];
    EXPECT_EQ(lines[i + 1].find('\n'), std::string::npos);
  }
}

TEST_F(SystemReportTest, NothingWithoutALog) {
  std::filesystem::remove(reportPath());
  EXPECT_EQ(WriteSystemReport(), 0);
}

TEST(SystemReportLines, FollowTheReportFormats) {
  SystemFacts f;
  f.osName = "Linux 6.1.0 #1 x86_64";
  f.cpu = {"GenuineIntel", "Intel(R) Test CPU", 2800e6};
  f.memory = {1.5 * 1048576, 5 * 1048576, 2048.25 * 1048576, 12345.6 * 1048576};
  f.diskFreeBytes = CapDiskFreeBytes(uint64_t{5} << 30);  // more than 2 GB free
  EXPECT_EQ(SystemReportLines(f),
            (std::vector<std::string>{"OS : Linux 6.1.0 #1 x86_64",
                                      "CPU : GenuineIntel Intel(R) Test CPU 2800",
                                      "Mem Total : 1.500MB", "Mem Free :   5MB",
                                      "Vir Total : 2048.250MB", "Vir Free : 12346MB",
                                      "HD Free : 2048MB"}));
}

TEST(SystemInfo, FreeDiskIsCappedAtTwoGigabytes) {
  EXPECT_EQ(CapDiskFreeBytes(0), 0);
  EXPECT_EQ(CapDiskFreeBytes(2147483647u), 2147483647);
  EXPECT_EQ(CapDiskFreeBytes(2147483648u), 2147483647);
  EXPECT_EQ(CapDiskFreeBytes(~uint64_t{0}), 2147483647);
  EXPECT_GE(GetDiskFreeBytes(nullptr), 0);
  EXPECT_EQ(GetDiskFreeBytes("/no/such/folder/here"), 0);
}

TEST(SystemInfo, CpuInfoTakesTheFirstProcessor) {
  const char* x86 =
      "processor\t: 0\nvendor_id\t: GenuineIntel\ncpu family\t: 6\n"
      "model name\t: Intel(R) Xeon(R) CPU @ 2.20GHz\ncpu MHz\t\t: 2199.998\n\n"
      "processor\t: 1\nvendor_id\t: Other\nmodel name\t: Second\ncpu MHz\t\t: 1000.0\n";
  CPUINFO info = ParseCpuInfo(x86);
  EXPECT_EQ(info.vendor, "GenuineIntel");
  EXPECT_EQ(info.brand, "Intel(R) Xeon(R) CPU @ 2.20GHz");
  EXPECT_NEAR(info.clockHz, 2199.998e6, 1.0);

  // Processors that name neither vendor nor clock leave them empty and 0.
  CPUINFO arm = ParseCpuInfo("processor\t: 0\nBogoMIPS\t: 50.00\nCPU implementer\t: 0x41\n");
  EXPECT_EQ(arm.vendor, "");
  EXPECT_EQ(arm.brand, "");
  EXPECT_EQ(arm.clockHz, 0.0);
}

struct ReleaseCase {
  const char* release;
  bool ok;
  int32_t major;
  int32_t minor;
};

void PrintTo(const ReleaseCase& c, std::ostream* os) {
  *os << (c.release[0] != '\0' ? c.release : "empty");
}

class OsReleaseTest : public ::testing::TestWithParam<ReleaseCase> {};

TEST_P(OsReleaseTest, ReadsMajorAndMinor) {
  int32_t major = -1, minor = -1;
  EXPECT_EQ(ParseOsRelease(GetParam().release, &major, &minor), GetParam().ok);
  EXPECT_EQ(major, GetParam().major);
  EXPECT_EQ(minor, GetParam().minor);
}

INSTANTIATE_TEST_SUITE_P(Cases, OsReleaseTest,
                         ::testing::Values(ReleaseCase{"6.1.0-13-amd64", true, 6, 1},
                                           ReleaseCase{"4.19.0", true, 4, 19},
                                           ReleaseCase{"10.0", true, 10, 0},
                                           ReleaseCase{"5", false, 0, 0},
                                           ReleaseCase{"5.", false, 0, 0},
                                           ReleaseCase{"", false, 0, 0},
                                           ReleaseCase{"abc", false, 0, 0}));

TEST(SystemInfo, VersionComparison) {
  EXPECT_TRUE(VersionAtLeast(10, 0, 6, 0));
  EXPECT_TRUE(VersionAtLeast(6, 0, 6, 0));
  EXPECT_TRUE(VersionAtLeast(6, 2, 6, 1));
  EXPECT_FALSE(VersionAtLeast(6, 0, 6, 1));
  EXPECT_FALSE(VersionAtLeast(5, 9, 6, 0));
  int32_t major = 0, minor = 0;
  EXPECT_FALSE(GetOSName(&major, &minor).empty());
  EXPECT_TRUE(IsOSVersionAtLeast(major, minor));
  EXPECT_FALSE(IsOSVersionAtLeast(major + 1, 0));
}

TEST(SystemInfo, NoVideoMemoryToReport) {
  int32_t total = -1, free = -1;
  GetVramMB(&total, &free);
  EXPECT_EQ(total, 0);
  EXPECT_EQ(free, 0);
}

}  // namespace
