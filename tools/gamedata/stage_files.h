#pragma once
// The files that hold a stage: stage files (*.stg4_*) and replays (*.rpl4_*),
// read and written with the program's stage and replay loaders.

#include <string>

#include "records/replay/input_log.h"
#include "records/replay/replay_file.h"
#include "records/save/save_data.h"
#include "records/stage/stage_data.h"
#include "records/stage/stage_file.h"
#include "tools/gamedata/data_file.h"

class cStageFile : public cDataFile {
 public:
  eRecordFile Load(const std::string& path) override {
    return LoadStageRecordFile(path, m_Stage, CurrentValidateContext());
  }
  int Save(const std::string& path) override { return m_Stage.SaveToFile(path); }
  void VisitParts(cRecordVisitor& visitor) override { visitor.Record("g_Stage", m_Stage); }

 private:
  cStageData m_Stage;
};

// The stage as it was loaded, the input log of the attempt and the game state
// it began with. The stage's header parts are written back from the header
// the file holds, as the player writes a replay.
class cReplayFile : public cDataFile {
 public:
  eRecordFile Load(const std::string& path) override {
    return LoadReplayStatus(path, m_Log, m_Stage, m_Initial, m_State);
  }
  int Save(const std::string& path) override {
    return m_Log.SaveReplay(path, m_Stage, m_Initial, m_State);
  }
  void VisitParts(cRecordVisitor& visitor) override {
    visitor.Record("g_Stage", m_Stage);
    visitor.Record("g_InputLog", m_Log);
    visitor.Record("g_SaveData", m_State);
  }

 private:
  cInputLog m_Log;
  cStageData m_Stage;
  cStageData m_Initial;
  cSaveData m_State;
};
