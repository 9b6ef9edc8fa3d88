#pragma once
// Replay files: user_data\rpl4\*.rpl4_836. A record file holding the stage as
// it was loaded (the stage file layout), the input log of one attempt and the
// game state when that attempt began:
//
//   int32 data version | stage (cStageData::SaveForReplay) | cInputLog | cSaveData
//
// Files of version 172 and below end after the input log.
//
// The file functions themselves are cInputLog::SaveReplay and
// cInputLog::LoadReplay (input_log.h); here are the window thread's uses of
// them on the program's globals.

#include <cstdint>
#include <string_view>

#include "core/thread/messages.h"
#include "records/record/record.h"
#include "records/replay/input_log.h"
#include "records/save/save_data.h"
#include "records/stage/stage_data.h"

// The first data version whose replays hold the game state.
inline constexpr int32_t kReplayStateFrom = 173;

// One attempt at the stage: its input log and the game state it began with.
struct REPLAYATTEMPT {
  cInputLog* lpLog;
  cSaveData* lpState;
};

// The attempt of a save request's wParam: 0 the current attempt (g_InputLog,
// g_SaveDataAtStart), any other value the previous one (g_InputLogPrev,
// g_SaveDataAtStartPrev).
REPLAYATTEMPT ReplayAttempt(WPARAM attempt);

// LoadReplay with the reason of a failure (Missing, TooNew, Damaged).
eRecordFile LoadReplayStatus(std::string_view path, cInputLog& log, cStageData& stage,
                             cStageData& initial, cSaveData& state);

// The window thread's WM_APP_SAVE_REPLAY once a name is chosen: the attempt of
// wParam, with g_Stage and g_StageInitial. 1 when written; 0 when not, for the
// caller to tell the player (the program carries on).
int SaveAttemptReplay(std::string_view path, WPARAM attempt);

// The window thread's WM_APP_OPEN_REPLAY once a file is chosen: the replay into
// g_Stage, g_StageInitial, g_InputLog and g_SaveData, and path kept as g_Stage's
// m_strPath, from which the stage build reads it again. 1 when loaded; 0 when
// refused, and nothing has changed.
int OpenReplayForPlay(std::string_view path);
