#pragma once
// The surfaces of the program's own pictures: g_SDTable, one per g_BitmapTable
// entry, and the digit surfaces of the three fonts with their descriptors.
// Screen buffers, font work surfaces and stage pictures are held elsewhere.

#include <array>

#include "platform/dd/bitmap_data.h"
#include "platform/dd/bitmap_table.h"
#include "platform/dd/surface_data.h"

inline constexpr int kFontNumberCount = 3;

extern std::array<DDSURFACEDATA, kBitmapCount> g_SDTable;
extern std::array<DDSURFACEDATA, kFontNumberCount> g_SDNumbers;
// The descriptors of g_SDNumbers: no file, transparent.
extern const std::array<BITMAPDATA, kFontNumberCount> g_BDNumbers;
