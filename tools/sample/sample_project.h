#pragma once
// The sample game project: project data, pictures, sounds and music, all made
// by code, written into one folder. Deterministic: the same program writes the
// same bytes every time.

#include <filesystem>
#include <string>

// Writes every file of the project under folder (created when missing). False
// with a reason when a file could not be written.
bool WriteSampleProject(const std::filesystem::path& folder, std::string& error);
