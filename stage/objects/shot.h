#pragma once
// cShot: a shot or sword of the running stage (cStagePlay::m_ShotList),
// known by its serial. Its own fields and operations come with the shot runtime.

#include "stage/objects/game_object.h"

class cShot : public cGameObject {};
