#pragma once
// cItem: an item lying on the stage (g_ItemList), known by its item id. Its
// own fields and operations come with the item runtime.

#include "stage/objects/game_object.h"

class cItem : public cGameObject {};
