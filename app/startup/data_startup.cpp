#include "app/startup/data_startup.h"

#include <filesystem>
#include <system_error>

#include "app/startup/project_validate_context.h"
#include "core/log/report_log.h"
#include "records/database/database.h"
#include "records/database/runtime/anime_steps.h"
#include "records/database/runtime/effect_state_tables.h"
#include "records/options/option_data.h"
#include "records/palette/common_palette.h"
#include "records/project/project_folders.h"
#include "records/project/path_table.h"
#include "records/project/project_host_path.h"
#include "records/project/working_folders.h"
#include "records/settings/system_data.h"
#include "records/worldmap/world_map_load.h"
#include "stage/script/cmd_param_table.h"

namespace {

bool FolderExists(const char* dataPath) {
  std::error_code ec;
  return std::filesystem::is_directory(ProjectHostPath({}, dataPath), ec);
}

bool PrepareDataFolder(const cDataStartupOptions&, std::string& detail) {
  const bool hadData = FolderExists(g_PathTable[kPathData]);
  if (!SetUpDataFolder()) return false;
  if (!hadData) detail = "copied default\\ to data\\";
  return true;
}

// The folders a project lacks, by name.
std::string MissingWorkingFolders() {
  std::string missing;
  for (const char* const* name = g_WorkingFolders; *name != nullptr; ++name) {
    if (FolderExists(*name)) continue;
    if (!missing.empty()) missing += ", ";
    missing += *name;
  }
  return missing;
}

// A folder that cannot be made is passed over: the program runs without it.
bool PrepareWorkingFolders(const cDataStartupOptions& options, std::string& detail) {
  const std::string missing = MissingWorkingFolders();
  if (missing.empty()) return true;
  if (options.bCreateWorkingFolders) {
    CreateWorkingFolders();
    detail = "created " + missing;
  } else {
    detail = "missing (the player creates them): " + missing;
  }
  return true;
}

bool LoadDatabase(const cDataStartupOptions&, std::string&) {
  if (!g_Database.LoadFiles()) {
    ReportLogMesBox("データベースの読み込みに失敗…");
    return false;
  }
  BuildAnimeSteps(g_AnimeSteps);
  BuildEffectSteps(g_EffectSteps);
  BuildCharaEffectStates(g_CharaEffectStates, g_CharaEffectStatesRev);
  BuildScrEffectStates(g_ScrEffectStates, g_ScrEffectStatesRev);
  return true;
}

bool LoadSystemData(const cDataStartupOptions&, std::string&) {
  g_SystemData.SetBgmCount(g_Database.m_Bgms.VectorSize());
  const char* path = g_PathTable[kPathSystemDat];
  if (!g_SystemData.LoadFromFile(path)) {
    ReportLogMesBox("%s の読み込みに失敗…", path);
    return false;
  }
  return true;
}

const char* UnloadedBecause(eRecordFile status) {
  switch (status) {
    case eRecordFile::Missing:
      return "missing";
    case eRecordFile::TooNew:
      return "too new";
    default:
      return "damaged";
  }
}

// The user's options are optional: without them the defaults stay, and the
// player says nothing.
bool LoadOptions(const cDataStartupOptions&, std::string& detail) {
  const eRecordFile status = LoadOptionData(g_OptionData);
  if (status != eRecordFile::Ok) {
    detail = std::string(g_PathTable[kPathOption]) + " " + UnloadedBecause(status) +
             ": the default options stay";
  }
  return true;
}

bool LoadWorldMapStep(const cDataStartupOptions&, std::string&) { return LoadWorldMap() == 1; }

// The palette's flows and parts are checked against the database and settings
// just loaded.
bool LoadCommonPalette(const cDataStartupOptions&, std::string&) {
  const cValidateContext context = ProjectValidateContext(g_Database, g_SystemData);
  const cValidateContextScope scope(context);
  const char* path = g_PathTable[kPathCommonPalette];
  if (!g_CommonPalette.LoadFromFile(path)) {
    ReportLogMesBox("%s のロードに失敗！", path);
    return false;
  }
  return true;
}

struct cStep {
  const char* name;
  bool (*run)(const cDataStartupOptions& options, std::string& detail);
};

// Each step reports its own failure.
constexpr cStep kSteps[] = {
    {"data folder", PrepareDataFolder},
    {"working folders", PrepareWorkingFolders},
    {"database", LoadDatabase},
    {"project settings", LoadSystemData},
    {"options", LoadOptions},
    {"world map", LoadWorldMapStep},
    {"common palette", LoadCommonPalette},
};

}  // namespace

cDataStartupResult RunDataStartup(const cDataStartupOptions& options) {
  // Before any data is read: loading validates commands, and a stage run
  // (the player or stagerun) applies variable links through this table.
  BuildCmdParamTable();
  cDataStartupResult result;
  for (const cStep& step : kSteps) {
    cDataStepReport report;
    report.lpName = step.name;
    report.bOk = step.run(options, report.strDetail);
    if (options.onStep) options.onStep(report);
    if (!report.bOk) return result;
    if (!result.strReached.empty()) result.strReached += ", ";
    result.strReached += step.name;
  }
  result.bOk = true;
  return result;
}
