#include "core/log/display_report.h"

#include "log_fixture.h"

namespace {

class DisplayReportTest : public LogFixture {
 protected:
  void TearDown() override {
    SetDisplayReportSource(nullptr);
    LogFixture::TearDown();
  }
};

DisplayReportFacts FullScreen16(int) { return {0, 16, {"Driver : test", "RR : 60"}}; }

TEST_F(DisplayReportTest, WritesModeDepthAndWhatTheSourceTells) {
  SetDisplayReportSource(&FullScreen16);
  EXPECT_EQ(WriteDisplayReport(1), 1);
  EXPECT_EQ(Report(), "Mode : Fullscreen\r\nBpp : 16\r\nDriver : test\r\nRR : 60\r\n");
}

TEST_F(DisplayReportTest, WithoutASourceTheDisplayIsAWindowNotYetSetUp) {
  SetDisplayReportSource(nullptr);
  EXPECT_EQ(WriteDisplayReport(1), 1);
  EXPECT_EQ(Report(), "Mode : Window\r\nBpp : 0\r\n");
}

}  // namespace
