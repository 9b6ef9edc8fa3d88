#pragma once
// The report log (Report_Game.txt) and the EC log (EC_Game.txt, switched off at
// start-up). Every write opens the file, appends one whole line and closes it.

#include <string>
#include <vector>

#include "core/log/ec_log.h"

// Creates or truncates the report log at path and remembers it; 1 on success.
// On failure 0, and the path remembered before stays.
int OpenReportLog(const char* path);

// The path remembered by OpenReportLog; empty before.
std::string ReportLogPath();

// Appends one printf-style line to the report log; 0 when it cannot be opened
// (it is never created here: a log deleted while running stays deleted).
int ReportLog(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Appends several lines in one write, so they stay together; 0 when the log
// cannot be opened.
int ReportLogLines(const std::vector<std::string>& lines);

// Appends to the report log (at most 1023 bytes of text) and passes the text to
// the EC log. 0, and nothing written, when the report log cannot be opened.
int ReportLogBoth(const char* format, ...) __attribute__((format(printf, 1, 2)));

// As ReportLogBoth, then shows the text in the error box. The box shows even when
// the log cannot be opened (the result is 0 then): the user must learn of a fatal
// error whatever happened to the log.
int ReportLogMesBox(const char* format, ...) __attribute__((format(printf, 1, 2)));
