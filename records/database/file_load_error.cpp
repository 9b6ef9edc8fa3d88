#include "records/database/file_load_error.h"

#include <string>

#include "core/log/report_log.h"

void ReportFileLoadError(std::string_view path, eRecordFile status) {
  const std::string text(path);
  if (status == eRecordFile::TooNew) {
    ReportLogMesBox("%s の読み込みに失敗しました！\nソフトより上位のバージョンのファイルは使用できません。",
                    text.c_str());
  } else {
    ReportLogMesBox("%s の読み込みに失敗しました！", text.c_str());
  }
}
