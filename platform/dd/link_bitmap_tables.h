#pragma once
// LinkBitmapTables: called once by start-up before any picture is loaded. Sets
// in the surface of each sharing entry of the bitmap table the surface of the
// entry it shares with, so the loader gives the two one picture.

#include <array>

#include "platform/dd/bitmap_table.h"
#include "platform/dd/surface_data.h"

// On g_SDTable.
void LinkBitmapTables();
// On a table of surfaces laid out as g_BitmapTable. Entries that hold their own
// picture are left as they are.
void LinkBitmapTables(std::array<DDSURFACEDATA, kBitmapCount>& surfaces);
