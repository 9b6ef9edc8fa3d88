#pragma once
// The folders every project gets at start-up, in creation order (parents before
// their children). Data paths: CP932 bytes with backslashes.

#include <cstddef>
#include <filesystem>

inline constexpr std::size_t kWorkingFolderCount = 22;

// The names, ended by a null entry.
extern const char* const g_WorkingFolders[kWorkingFolderCount + 1];

// Creates each working folder under the project folder when it is missing. A folder
// that exists is left alone; one that cannot be made is passed over silently, as the
// program can still run without it.
// projectDir empty: the current folder (the program's project folder).
void CreateWorkingFolders(const std::filesystem::path& projectDir = {});
