#pragma once
// The camera axes of the stage being played, for the object operations that
// measure against them. A stage is running whenever these are called.

#include "stage/objects/scroll.h"
#include "stage/objects/stage_play.h"

inline const cScroll& SceneScrollX() { return g_lpSceneStagePlay->m_ScrollX; }
inline const cScroll& SceneScrollY() { return g_lpSceneStagePlay->m_ScrollY; }
