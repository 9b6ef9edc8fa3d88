#pragma once
// Host paths of the project's data paths. The project folder is the current folder
// for the program; tests pass another one in.

#include <filesystem>
#include <string_view>

// The host path of dataPath (CP932, backslashes) inside projectDir, matched without
// regard to case as the data expects. An empty projectDir means the current folder
// and gives a relative path. A trailing backslash is dropped, so the result names the
// folder itself. Empty when either path cannot be expressed in the other's encoding.
std::filesystem::path ProjectHostPath(const std::filesystem::path& projectDir,
                                      std::string_view dataPath);
