#pragma once
// cChara: a computer or player chara placed on or summoned into the stage
// (g_CharaList). Its own fields and operations come with the chara runtime.

#include "stage/objects/chara_base.h"

class cChara : public cCharaBase {};
