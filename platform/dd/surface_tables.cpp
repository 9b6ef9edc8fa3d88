#include "platform/dd/surface_tables.h"

#include "core/globals/global_order.h"

VP_GLOBAL(kGlobalSDTable, std::array<DDSURFACEDATA, kBitmapCount> g_SDTable);
VP_GLOBAL(kGlobalSDNumbers, std::array<DDSURFACEDATA, kFontNumberCount> g_SDNumbers);

namespace {
constexpr BITMAPDATA kNumberBitmap = {.szFileName = {}, .bTransparent = 1};
}  // namespace

constinit const std::array<BITMAPDATA, kFontNumberCount> g_BDNumbers = {kNumberBitmap, kNumberBitmap,
                                                                         kNumberBitmap};
