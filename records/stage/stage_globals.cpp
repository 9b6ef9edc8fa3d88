#include "records/stage/stage_globals.h"

#include "core/globals/global_order.h"

VP_GLOBAL(kGlobalStage, cStageData g_Stage);
VP_GLOBAL(kGlobalStageInitial, cStageData g_StageInitial);
VP_GLOBAL(kGlobalHeroDef, cCharaDef g_HeroDef);
