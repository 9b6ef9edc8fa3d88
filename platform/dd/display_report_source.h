#pragma once
// Describes the display to the report log: the display state and what SDL tells
// about the video system once it runs.

#include "core/log/display_report.h"

// The display now: mode, depth and, when SDL video runs, "Driver : %s" and
// "RR : %u" (refresh rate of the first display; 0 when unknown).
DisplayReportFacts DescribeDisplay(int flag);

// Makes WriteDisplayReport use DescribeDisplay.
void InstallDisplayReportSource();
