#pragma once
// The report log (Report_Game.txt) and the EC log (EC_Game.txt, switched off at
// start-up). Every write opens the file, appends one whole line and closes it.

// Creates or truncates the report log at path and remembers it; 1 on success.
int OpenReportLog(const char* path);

// Appends one printf-style line to the report log; 0 when it cannot be opened.
int ReportLog(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Appends to the report log (at most 1023 bytes of text) and passes the text to
// the EC log.
int ReportLogBoth(const char* format, ...) __attribute__((format(printf, 1, 2)));

// As ReportLogBoth, then shows the text in the error box.
int ReportLogMesBox(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The EC log: its switch and its line writers.
void SetEcLog(int enable, const char* path);
int EcLogText(const char* text);
void EcLogString(const char* text);
void EcLog(const char* format, ...) __attribute__((format(printf, 1, 2)));
