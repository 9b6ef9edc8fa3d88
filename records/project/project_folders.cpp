#include "records/project/project_folders.h"

#include "core/log/report_log.h"
#include "records/project/default_data.h"
#include "records/project/working_folders.h"

bool SetUpProjectFolders(const std::filesystem::path& projectDir) {
  if (!CreateDefaultData(projectDir)) {
    ReportLogMesBox("%s",
                    "「data」フォルダの作成に失敗…\n「default」フォルダに問題がある可能性があります。");
    return false;
  }
  CreateWorkingFolders(projectDir);
  return true;
}
