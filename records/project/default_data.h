#pragma once
// Rebuilding a project's missing data folder from its default data.

#include <filesystem>

// True when the project has its data folder afterwards. When "data\" is missing
// and "default\" exists, asks the user and, on yes, copies "default\" to "data\"
// whole: a copy that fails part-way leaves no data folder and removes nothing
// that was there before. False without a question when "default\" is missing or
// "data" is something other than a folder; false when the user says no.
// projectDir empty: the current folder (the program's project folder).
bool CreateDefaultData(const std::filesystem::path& projectDir = {});
