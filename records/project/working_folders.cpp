#include "records/project/working_folders.h"

#include <system_error>

#include "records/project/project_host_path.h"

const char* const g_WorkingFolders[kWorkingFolderCount + 1] = {
    "user_data",        "user_data\\story", "user_data\\challenge", "user_data\\free",
    "user_data\\rpl4",  "data",             "data\\database",       "data\\stg4",
    "data\\stg4\\old_ver", "data\\work",    "data\\plt4",           "bmp",
    "bmp\\back",        "bmp\\chara_sp",    "bmp\\effect",          "bmp\\picture",
    "bmp\\sword",       "bmp\\convert",     "bmp\\plt",             "bmp\\hbt",
    "wave",             "bgm",              nullptr,
};

void CreateWorkingFolders(const std::filesystem::path& projectDir) {
  for (const char* const* name = g_WorkingFolders; *name != nullptr; ++name) {
    const std::filesystem::path folder = ProjectHostPath(projectDir, *name);
    if (folder.empty()) continue;
    std::error_code ec;
    std::filesystem::create_directory(folder, ec);
  }
}
