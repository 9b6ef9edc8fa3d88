#pragma once
// The project a data file lies in: the nearest folder above the file that
// holds data\database\. Palettes, stages and replays check their references
// against that project's data while they load and save, as in the player.
//
// The context keeps the flows the player drops after loading (as a run the
// editor started does): a tool that reads and writes files back must not lose
// any of their content.

#include <filesystem>
#include <string>

#include "records/script/validate_context.h"
#include "tools/gamedata/file_kinds.h"

struct cFileProject {
  std::filesystem::path dir;
  cValidateContext context;
};

// The folder of the project around file; empty when there is none.
std::filesystem::path FindProjectFolder(const std::filesystem::path& file);

// Loads what need asks for from the project around file into the program's
// globals, which the records read as they load: g_Database and g_SystemData,
// and (Project) g_WorldMap and g_CommonPalette. False, with why (UTF-8), when
// there is no project or a file of it does not load.
bool LoadFileProject(const std::filesystem::path& file, eProjectNeed need, cFileProject& project,
                     std::string& why);

// The data path (CP932) of a host path; empty when the path cannot be written
// in CP932.
std::string DataPathOf(const std::filesystem::path& hostPath);
