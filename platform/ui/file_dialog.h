#pragma once
// The file dialogs, drawn inside the game window: a folder's entries (the
// filter's files), a name edit, OK and Cancel. The chosen file comes back as a
// data path relative to the project folder; the program's current folder never
// changes.
//
//   char path[260];
//   if (OpenFileDialog(&g_MainWindow, path, sizeof path, "data\\stg4\\", "ステージファイルの読み込み",
//                      "StageFile ( *.stg4_*;*.rpl4_* )\0*.stg4_*;*.rpl4_*\0", "stg4_*;rpl4_*", false, nullptr))
//     ... path is "data\\stg4\\a.stg4_000"
//
// Open needs an existing file. Save adds the default extension to a name
// without one (unless the extension holds a wildcard) and asks before it
// overwrites. A path longer than the buffer is refused with a box, never cut.

#include <cstddef>
#include <string>
#include <vector>

class cWindow;

// The buffer SaveFileDialog fills.
constexpr std::size_t kSaveFileBufferSize = 260;

// filter: "description\0patterns\0" pairs ending in an empty string; the first
// pair's patterns (";"-separated) choose the files. Multi-select: several
// names (typed in quotes, or marked with Space) give "folder\0name\0name\0\0"
// in the buffer; outList (may be null) gets every chosen path.
bool OpenFileDialog(cWindow* owner, char* buffer, std::size_t bufferSize, const char* initialFolder,
                    const char* title, const char* filter, const char* defaultExt, bool multiSelect,
                    std::vector<std::string>* outList);

// buffer holds kSaveFileBufferSize bytes. With keepName the name it holds fills
// the edit (and stays after a cancel); otherwise it is cleared first.
bool SaveFileDialog(cWindow* owner, char* buffer, const char* initialFolder, const char* title, const char* filter,
                    const char* defaultExt, bool keepName);

// The names of the edit: quoted names, or the whole text as one name.
std::vector<std::string> ParseChosenNames(const std::string& text);
