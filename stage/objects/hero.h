#pragma once
// cHero: a hero of the stage (g_Heroes); the first one is the player's. Its
// own fields and operations come with the hero runtime.

#include "stage/objects/chara_base.h"

class cHero : public cCharaBase {};
