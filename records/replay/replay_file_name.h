#pragma once
// The name a new replay is offered under: the stage's file name, its challenge
// suffix, the date and time of saving, in the replay folder:
//
//   data\stg4\Stage1.  saved 2015-01-11 09:05
//     -> <project>/user_data/rpl4/Stage1__2015__01_11__09_05.rpl4_836
//   with keys 1 and 3
//     -> <project>/user_data/rpl4/Stage1_c001_3__2015__01_11__09_05.rpl4_836
//
// A name that exists already gets " (2)", " (3)" ... " (999)" before its
// extension; the first free one is taken.

#include <string>
#include <string_view>

#include "records/save/save_data.h"
#include "records/save/save_time.h"

// The folder of replays (a data path).
inline constexpr const char* kReplayFolder = "user_data\\rpl4\\";
// Highest number tried for a name that exists already.
inline constexpr int kMaxReplayNameNumber = 999;

// "rpl4_" and the data version: "rpl4_836".
std::string ReplayExtension();

// out = the absolute path (CP932, as PathToAbsolute gives it) for a replay of
// the stage stageFile (the save data's m_strStageFile: the stage file's path cut
// after the dot before its extension), with the challenge suffix of state's
// m_bUseKey, m_nKey1 and m_nKey2, saved at local time now. 1 on success; an
// empty stageFile gives an empty out and 1. 0 with out empty when no name is
// free (every number up to 999 exists, so nothing is overwritten unasked) or
// the path cannot be formed.
int MakeReplayFileName(std::string& out, std::string_view stageFile, const cSaveData& state,
                       const SAVETIME& now);

// The same with g_SaveData's keys and the clock's local time.
int MakeReplayFileName(std::string& out, std::string_view stageFile);
