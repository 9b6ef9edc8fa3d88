#include "platform/dd/link_bitmap_tables.h"

#include "platform/dd/surface_tables.h"

void LinkBitmapTables(std::array<DDSURFACEDATA, kBitmapCount>& surfaces) {
  for (int32_t entry = 0; entry < kBitmapCount; ++entry) {
    const int32_t source = BitmapShareSource(entry);
    if (source < 0) continue;
    surfaces[static_cast<std::size_t>(entry)].lpShareSD = &surfaces[static_cast<std::size_t>(source)];
  }
}

void LinkBitmapTables() { LinkBitmapTables(g_SDTable); }
