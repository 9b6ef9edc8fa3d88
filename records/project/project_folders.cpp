#include "records/project/project_folders.h"

#include "core/log/report_log.h"
#include "records/project/default_data.h"

bool SetUpDataFolder(const std::filesystem::path& projectDir) {
  if (CreateDefaultData(projectDir)) return true;
  ReportLogMesBox("%s",
                  "「data」フォルダの作成に失敗…\n「default」フォルダに問題がある可能性があります。");
  return false;
}
