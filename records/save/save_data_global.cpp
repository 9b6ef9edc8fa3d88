#include "core/globals/global_order.h"
#include "records/save/save_data.h"

VP_GLOBAL(kGlobalSaveData, cSaveData g_SaveData);
VP_GLOBAL(kGlobalSaveDataAtStart, cSaveData g_SaveDataAtStart);
VP_GLOBAL(kGlobalSaveDataAtStartPrev, cSaveData g_SaveDataAtStartPrev);
