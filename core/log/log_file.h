#pragma once
// Appending lines to a log file. Each call opens the file, writes in one write()
// and closes it again, so a crash loses nothing already written and lines from
// different threads never interleave. Line feeds are stored as CR LF, the way the
// logs have always looked on disk.

#include <string>
#include <string_view>

enum class LogOpen {
  kExisting,  // append; fails when the file does not exist
  kCreate,    // create or truncate, then write
  kAppend,    // append, creating the file when missing
};

// Writes text and a line end. False when the file cannot be opened or written.
bool AppendLogLine(const std::string& path, std::string_view text, LogOpen mode);

// Writes several lines in one write, so they stay together in the file.
bool AppendLogLines(const std::string& path, const std::string* lines, std::size_t count,
                    LogOpen mode);

// Creates or truncates an empty file. False when it cannot be created.
bool CreateEmptyLogFile(const std::string& path);

// text with every line feed turned into CR LF, and a final CR LF.
std::string ToLogLineBytes(std::string_view text);
