#include "records/save/save_data.h"

cSaveData g_SaveData;
cSaveData g_SaveDataAtStart;
cSaveData g_SaveDataAtStartPrev;
