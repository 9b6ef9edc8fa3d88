#pragma once
// The start-up step that makes sure the project has its data folder.

#include <filesystem>

// CreateDefaultData; when the data folder cannot be had, reports it (report log
// and error box) and returns false: the program cannot run.
// projectDir empty: the current folder (the program's project folder).
bool SetUpDataFolder(const std::filesystem::path& projectDir = {});
