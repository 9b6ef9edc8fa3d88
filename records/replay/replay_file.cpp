#include "records/replay/replay_file.h"

#include <string>
#include <utility>

#include "records/record/record_file.h"
#include "records/stage/stage_globals.h"

namespace {

// Loads the parts of an open replay into scratch copies; nothing outside them
// changes.
bool LoadReplayParts(cRecordReader& reader, cStageData& stage, cInputLog& log, cSaveData& state) {
  if (!stage.Load(reader) || !log.Load(reader)) return false;
  return reader.FileVersion() < kReplayStateFrom || state.Load(reader);
}

}  // namespace

int cInputLog::SaveReplay(std::string_view path, cStageData& stage, cStageData& header,
                          cSaveData& state) {
  cRecordOutFile file = CreateRecordFile(path);
  if (!file.IsOpen()) return 0;
  cRecordWriter& writer = file.Writer();
  stage.SaveForReplay(writer, header);
  Save(writer);
  state.Save(writer);
  return CloseRecordFile(file);
}

int cInputLog::LoadReplay(std::string_view path, cStageData& stage, cStageData& initial,
                          cSaveData& state) {
  return LoadReplayStatus(path, *this, stage, initial, state) == eRecordFile::Ok ? 1 : 0;
}

eRecordFile LoadReplayStatus(std::string_view path, cInputLog& log, cStageData& stage,
                             cStageData& initial, cSaveData& state) {
  cRecordInFile file = OpenRecordFile(path);
  if (!file.IsOpen()) return file.Status();
  // A stage load starts from a default stage and keeps only the path fields,
  // so copying the stage is what keeps those.
  cStageData loadedStage = stage;
  cInputLog loadedLog = log;
  cSaveData loadedState = state;
  if (!LoadReplayParts(file.Reader(), loadedStage, loadedLog, loadedState)) {
    return eRecordFile::Damaged;
  }
  CloseRecordFile(file);
  stage = std::move(loadedStage);
  initial.TakeHeaderOf(stage);
  log = std::move(loadedLog);
  state = std::move(loadedState);
  return eRecordFile::Ok;
}

REPLAYATTEMPT ReplayAttempt(WPARAM attempt) {
  if (attempt == 0) return {&g_InputLog, &g_SaveDataAtStart};
  return {&g_InputLogPrev, &g_SaveDataAtStartPrev};
}

int SaveAttemptReplay(std::string_view path, WPARAM attempt) {
  const REPLAYATTEMPT chosen = ReplayAttempt(attempt);
  return chosen.lpLog->SaveReplay(path, g_Stage, g_StageInitial, *chosen.lpState);
}

int OpenReplayForPlay(std::string_view path) {
  if (!g_InputLog.LoadReplay(path, g_Stage, g_StageInitial, g_SaveData)) return 0;
  g_Stage.m_strPath = std::string(path);
  return 1;
}
