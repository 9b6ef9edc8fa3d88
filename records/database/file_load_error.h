#pragma once
// The error a failed load of a required project file shows.

#include <string_view>

#include "records/record/record_file.h"

// Logs and shows "<path> の読み込みに失敗しました！"; a file refused as newer
// than this program adds a line that says so.
void ReportFileLoadError(std::string_view path, eRecordFile status);
