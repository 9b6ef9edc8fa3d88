#pragma once
// The display report, written once after the display is set up. Core does not
// know the display: the platform layer installs a source that describes it.

#include <cstdint>
#include <string>
#include <vector>

struct DisplayReportFacts {
  int32_t windowMode = 1;  // 1 in a window, 0 full screen
  int32_t bpp = 0;         // colour depth in bits
  std::vector<std::string> extraLines;  // what the video system tells, line by line
};

// Describes the display now; flag is WriteDisplayReport's.
using DisplayReportSource = DisplayReportFacts (*)(int flag);
void SetDisplayReportSource(DisplayReportSource source);

// "Mode : Window" or "Mode : Fullscreen", "Bpp : %d", then the extra lines.
std::vector<std::string> DisplayReportLines(const DisplayReportFacts& facts);

// Appends the report in one write; 0 when the report log cannot be opened. Without
// a source the display counts as a window of unknown depth (never set up).
int WriteDisplayReport(int flag);
