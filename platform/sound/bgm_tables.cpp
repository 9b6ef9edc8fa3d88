#include "platform/sound/bgm_tables.h"

constinit BGMOGGDATA g_BgmOggTable[kBgmTableSize] = {
    {"bgm\\Title.ogg", 0}, {"bgm\\WorldMap.ogg", 0}, {"bgm\\Challenge.ogg", 0},
    {"bgm\\Option.ogg", 0}, {"bgm\\Stage.ogg", 0},
};

constinit BGMMIDDATA g_BgmMidTable[kBgmTableSize] = {
    {"bgm\\Title.mid", 0, 0}, {"bgm\\WorldMap.mid", 0, 0}, {"bgm\\Challenge.mid", 0, 0},
    {"bgm\\Option.mid", 0, 0}, {"bgm\\Stage.mid", 0, 0},
};
