#include "records/replay/replay_file_name.h"

#include <filesystem>
#include <system_error>

#include "core/path/host_path.h"
#include "core/path/path_ext.h"
#include "core/path/path_parts.h"
#include "core/path/path_relative.h"
#include "core/text/str_format.h"
#include "records/record/record_version.h"

namespace {

bool DataFileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(ResolveDataPath(path), error);
}

// The name before any number: folder, stage name with its suffix, time stamp.
bool BaseReplayName(std::string& name, std::string_view stageFile, const cSaveData& state,
                    const SAVETIME& now) {
  std::string stage(stageFile);
  PathStripDir(stage);
  AppendChallengeSuffix(stage, state.m_bUseKey, state.m_nKey1, state.m_nKey2);
  std::string path = kReplayFolder + stage;
  PathRemoveExt(path);
  StrAppendFormat(path, "__%04d__%02d_%02d__%02d_%02d.", now.wYear, now.wMonth, now.wDay,
                  now.wHour, now.wMinute);
  return PathChangeExt(name, path, ReplayExtension()) == 1;
}

// The first of name, "name (2)" ... "name (999)" that does not exist.
bool FirstFreeName(std::string& name) {
  if (!DataFileExists(name)) return true;
  for (int n = 2; n <= kMaxReplayNameNumber; ++n) {
    std::string numbered;
    if (!PathNumberedName(numbered, name, n)) return false;
    if (!DataFileExists(numbered)) {
      name = std::move(numbered);
      return true;
    }
  }
  return false;
}

}  // namespace

std::string ReplayExtension() {
  std::string ext;
  StrFormat(ext, "rpl4_%d", g_nDataVersion);
  return ext;
}

int MakeReplayFileName(std::string& out, std::string_view stageFile, const cSaveData& state,
                       const SAVETIME& now) {
  out.clear();
  if (stageFile.empty()) return 1;
  std::string name;
  if (!BaseReplayName(name, stageFile, state, now) || !FirstFreeName(name) ||
      !PathToAbsolute(name)) {
    return 0;
  }
  out = std::move(name);
  return 1;
}

int MakeReplayFileName(std::string& out, std::string_view stageFile) {
  return MakeReplayFileName(out, stageFile, g_SaveData, CurrentLocalTime());
}
