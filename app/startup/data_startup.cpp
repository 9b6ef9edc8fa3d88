#include "app/startup/data_startup.h"

#include "core/log/report_log.h"
#include "records/database/database.h"
#include "records/database/runtime/anime_steps.h"
#include "records/database/runtime/effect_state_tables.h"
#include "records/project/path_table.h"
#include "records/project/project_folders.h"
#include "records/settings/system_data.h"

namespace {

bool LoadDatabase() {
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

bool LoadSystemData() {
  g_SystemData.SetBgmCount(g_Database.m_Bgms.VectorSize());
  const char* path = g_PathTable[kPathSystemDat];
  if (!g_SystemData.LoadFromFile(path)) {
    ReportLogMesBox("%s の読み込みに失敗…", path);
    return false;
  }
  return true;
}

struct cStep {
  const char* name;
  bool (*run)();
};

// SetUpProjectFolders reports its own failure.
constexpr cStep kSteps[] = {
    {"project folders", [] { return SetUpProjectFolders(); }},
    {"database", LoadDatabase},
    {"project settings", LoadSystemData},
};

}  // namespace

cDataStartupResult RunDataStartup() {
  cDataStartupResult result;
  for (const cStep& step : kSteps) {
    if (!step.run()) return result;
    if (!result.strReached.empty()) result.strReached += ", ";
    result.strReached += step.name;
  }
  result.bOk = true;
  return result;
}
