#pragma once
// The check of a stage file's end mark, made before the file is loaded.

#include <string_view>

// 1 when the stage file at path may be loaded: it cannot be opened (the load
// that follows fails and says so), it predates the checked end mark, or its
// last 4 bytes are the end mark. Otherwise shows "ステージファイル %s が破損しています！",
// asks the main window to close and returns 0.
int CheckStageEndMark(std::string_view path);
