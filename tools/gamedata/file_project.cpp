#include "tools/gamedata/file_project.h"

#include <optional>
#include <system_error>

#include "app/startup/project_validate_context.h"
#include "core/text/cp932.h"
#include "records/database/database.h"
#include "records/palette/common_palette.h"
#include "records/project/path_table.h"
#include "records/project/project_host_path.h"
#include "records/settings/system_data.h"
#include "records/worldmap/world_map.h"

namespace fs = std::filesystem;

std::string DataPathOf(const fs::path& hostPath) {
  const std::optional<std::string> path = Utf8ToCp932(hostPath.generic_string());
  return path ? *path : std::string();
}

fs::path FindProjectFolder(const fs::path& file) {
  std::error_code ec;
  fs::path dir = fs::absolute(file, ec).parent_path();
  for (; !dir.empty(); dir = dir.parent_path()) {
    if (fs::is_directory(ProjectHostPath(dir, "data\\database"), ec)) return dir;
    if (dir == dir.root_path()) break;
  }
  return {};
}

namespace {

// The data path of a project file.
std::string ProjectFile(const fs::path& dir, int entry) {
  const std::string base = DataPathOf(dir);
  return base.empty() ? std::string() : base + "\\" + g_PathTable[entry];
}

bool LoadProjectData(const fs::path& dir, eProjectNeed need, cFileProject& project, std::string& why) {
  if (!g_Database.LoadFiles(dir)) {
    why = "its project's database does not load";
    return false;
  }
  g_SystemData.SetBgmCount(g_Database.m_Bgms.VectorSize());
  if (g_SystemData.LoadFromFileStatus(ProjectFile(dir, kPathSystemDat)) != eRecordFile::Ok) {
    why = "its project's data\\System.dat does not load";
    return false;
  }
  project.context = ProjectValidateContext(g_Database, g_SystemData);
  project.context.bFromEditor = true;
  if (need != eProjectNeed::Project) return true;
  if (g_WorldMap.LoadFromFileStatus(ProjectFile(dir, kPathWorldMap)) != eRecordFile::Ok) {
    why = "its project's data\\WorldMap.dat does not load";
    return false;
  }
  const cValidateContextScope scope(project.context);
  if (g_CommonPalette.LoadFromFileStatus(ProjectFile(dir, kPathCommonPalette)) != eRecordFile::Ok) {
    why = "its project's common palette does not load";
    return false;
  }
  project.context.commonPalette = g_CommonPalette.Sizes();
  return true;
}

}  // namespace

bool LoadFileProject(const fs::path& file, eProjectNeed need, cFileProject& project,
                     std::string& why) {
  project.context = cValidateContext::Defaults();
  project.context.bFromEditor = true;
  if (need == eProjectNeed::None) return true;
  project.dir = FindProjectFolder(file);
  if (project.dir.empty()) {
    why = "no project folder (one holding data\\database\\) around the file";
    return false;
  }
  return LoadProjectData(project.dir, need, project, why);
}
