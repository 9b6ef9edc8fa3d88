#pragma once
// The machine report that opens the report log, after the version line.

#include <string>
#include <vector>

#include "core/log/system_info.h"

struct SystemFacts {
  std::string osName;
  CPUINFO cpu;
  MemoryStatus memory;
  int32_t diskFreeBytes = 0;
};

// The facts of this machine (free disk of the current folder).
SystemFacts GatherSystemFacts();

// The seven report lines: OS, CPU, memory total and free, virtual total and free,
// free disk.
std::vector<std::string> SystemReportLines(const SystemFacts& facts);

// Appends the report for this machine in one write; 0 when the log cannot be opened.
int WriteSystemReport();
