#pragma once
// The step lists of every Anime and Effect record, built once after the
// database has loaded. Entry i belongs to record i. Entry 0 of each table is the
// "none" animation: zero-length steps that loop and never end by themselves.
// Every other list shows its frames once and ends.

#include "records/database/database.h"
#include "records/database/runtime/anime_step.h"

extern cAnimeStepTable g_AnimeSteps;
extern cAnimeStepTable g_EffectSteps;

// One step per frame, durations in frames, then the closing step. From the
// first frame that holds on, every step holds.
void BuildAnimeSteps(cAnimeStepTable& table, const cDatabase& database = g_Database);

// The same over the effects; effect frames never hold.
void BuildEffectSteps(cAnimeStepTable& table, const cDatabase& database = g_Database);
