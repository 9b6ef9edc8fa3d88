#pragma once
// The stage globals: the stage being played, its pristine header and the
// hero's part as the stage file had them.

#include "records/palette/chara_def.h"
#include "records/stage/stage_data.h"

// The stage being played: filled by LoadStageFile or from a replay.
extern cStageData g_Stage;
// The header parts of the stage as loaded (no palettes, no placements), from
// which every start and restart of the stage restores the header.
extern cStageData g_StageInitial;
// The hero's placed chara part as loaded, for restoring the hero.
extern cCharaDef g_HeroDef;
