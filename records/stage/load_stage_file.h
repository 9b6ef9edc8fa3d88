#pragma once
// LoadStageFile: reads a stage file into g_Stage on the worker thread thLoad
// while the calling thread (the game thread, or the window thread for a stage
// chosen in a dialog or named at start-up) waits; the window thread keeps
// serving sends meanwhile. g_Stage changes only when the whole file loaded
// and has a hero.
//
//   if (!LoadStageFile(path, 1, &g_StageInitial, &g_HeroDef)) return;  // boxes shown
//
// The loader stops at its next part when the waiting thread is asked to quit
// (its quit request stays for its own loop) or when StopStageLoads is called.
// thLoad (worker_threads.h) belongs to LoadStageFile: other threads never
// Exit or Wait it.

#include <cstdint>
#include <string_view>

#include "core/globals/worker_threads.h"
#include "records/palette/chara_def.h"
#include "records/stage/stage_data.h"

// Loads a stage file into g_Stage. numbered: name is a stage whose newest
// numbered version (name.stg4_DDD, the highest DDD) is read; 0, silently,
// when there is none. Otherwise name is the file. 1 when loaded: g_Stage holds
// the stage with m_strPath (relative to the current folder), m_bNumbered and
// m_bLoaded set, initial (when given) its header parts (TakeHeaderOf) and
// heroDef (when given) a copy of its hero's part. 0 otherwise, g_Stage as it
// was:
// - a damaged end mark: CheckStageEndMark's box, and the program closes;
// - the file missing, unreadable, too new or damaged: "ステージファイル %s の読み込みに失敗しました！";
// - no hero: "主人公が配置されていないのでプレイできません！", and the program closes;
// - stopped (quit, StopStageLoads): no box.
int LoadStageFile(std::string_view name, int32_t numbered, cStageData* initial, cCharaDef* heroDef);

// The body of thLoad: argument is the load's job (load_stage_file.cpp).
unsigned LoadStageThreadProc(void* argument);

// The program closes: a running stage load stops at its next part and no
// later one starts; their callers get 0 without a box.
void StopStageLoads();
// Loads may run again (tests).
void AllowStageLoads();
