#include "tools/ddcard/effects_page.h"

#include "platform/dd/bitmap_table.h"
#include "platform/dd/blend_table.h"
#include "platform/dd/blit.h"
#include "platform/dd/blur_filter.h"
#include "platform/dd/change_color.h"
#include "platform/dd/circle_blit.h"
#include "platform/dd/color_change_blit.h"
#include "platform/dd/device_records.h"
#include "platform/dd/fade_unpal.h"
#include "platform/dd/fill.h"
#include "platform/dd/frame_draw.h"
#include "platform/dd/lens_blit.h"
#include "platform/dd/mosaic_filter.h"
#include "platform/dd/number_draw.h"
#include "platform/dd/palette.h"
#include "platform/dd/rotate_blit.h"
#include "platform/dd/screen_surfaces.h"
#include "platform/dd/surface_create.h"
#include "platform/dd/surface_tables.h"
#include "platform/dd/transition_blits.h"
#include "platform/dd/translucent_blit.h"
#include "platform/dd/wave_blit.h"

namespace effects_page {

constexpr int32_t kSide = 96;  // the picture, and each effect's box
constexpr uint32_t kGroundColour = 16;

struct cCell {
  int32_t x, y;  // where the effect's box starts
};

cCell CellAt(int32_t cell) {
  return {(cell % kEffectCellColumns) * kEffectCellWidth + 5, (cell / kEffectCellColumns) * kEffectCellHeight + 12};
}

// The picture every effect starts from: palette stripes with a chara over them.
void MakePicture(DDSURFACEDATA& picture) {
  DDCreateSurface(&picture, kSide, kSide, 0, 0, DTMEMORYTYPE_VIDEO_RT, nullptr, 0);
  for (int32_t i = 0; i < kSide / 8; ++i) DDFillRect(&picture, i * 8, 0, 8, kSide, 20 + 11 * static_cast<uint32_t>(i));
  DDBlt(&picture, 0, 0, kSide, kSide, &g_SDTable[kBmpCharaFirst], 0, 0, 1);
}

// Each cell's drawing: the destination box at c, the picture, the frame.
using DrawCell = void (*)(const cCell& c, DDSURFACEDATA* picture, DDSURFACEDATA* work, int32_t frame);
DDSURFACEDATA* Back() { return &g_SDBackBuffer; }

void DrawUnder(const cCell& c) { DDBlt(Back(), c.x, c.y, kSide, kSide, &g_SDTable[kBmpBlock], 0, 0, 0); }

const DrawCell kCellDrawings[kEffectCellCount] = {
    [](const cCell& c, DDSURFACEDATA* p, DDSURFACEDATA*, int32_t f) {
      DrawUnder(c);
      DDBltTranslucent(Back(), c.x, c.y, kSide, kSide, p, 0, 0, 1, g_BlendTable.data(), (f * 8) % 256);
    },
    [](const cCell& c, DDSURFACEDATA* p, DDSURFACEDATA*, int32_t) {
      DrawUnder(c);
      DDBltHalfTranslucent(Back(), c.x, c.y, kSide, kSide, p, 0, 0, 1, g_BlendTable.data());
    },
    [](const cCell& c, DDSURFACEDATA* p, DDSURFACEDATA*, int32_t f) {
      DDBltColorChange(Back(), c.x, c.y, kSide, kSide, p, 0, 0, 1, g_PaletteWork.data(), g_BlendTable.data(), 31,
                       f % 4 + 1);
    },
    [](const cCell& c, DDSURFACEDATA* p, DDSURFACEDATA*, int32_t f) {
      DDBltCircle(Back(), c.x + 48, c.y + 48, 48, 48, 10 + f % 38, 1, p, 48, 48, 0);
    },
    [](const cCell& c, DDSURFACEDATA* p, DDSURFACEDATA*, int32_t f) {
      DDBltCircle(Back(), c.x + 48, c.y + 48, 48, 48, 44, 1 + f % 6, p, 48, 48, 0);
    },
    [](const cCell& c, DDSURFACEDATA* p, DDSURFACEDATA*, int32_t f) {
      DDBlt(Back(), c.x, c.y, kSide, kSide, p, 0, 0, 0);
      DDBltLens(Back(), c.x + 48, c.y + 48, 40, 10 + f % 30, p, 48, 48, 0, 0);
    },
    [](const cCell& c, DDSURFACEDATA* p, DDSURFACEDATA*, int32_t f) {
      DDBltRotate(Back(), c.x + 48, c.y + 48, 64, 64, 32, 32, f * 5, p, 16, 16, 0);
    },
    [](const cCell& c, DDSURFACEDATA* p, DDSURFACEDATA* work, int32_t f) {
      if (lpDTCon != nullptr) {
        DDBlt(Back(), c.x, c.y, kSide, kSide, p, 0, 0, 0);
        DDChangeColor(Back(), c.x, c.y, kSide, kSide, (f * 16) % 256, 255, 0, 0);
        return;
      }
      DDFade_UnPal(work, (f * 16) % 257, 0, 0, 0, p);
      DDBlt(Back(), c.x, c.y, kSide, kSide, work, 0, 0, 0);
    },
    [](const cCell& c, DDSURFACEDATA* p, DDSURFACEDATA*, int32_t f) {
      DDBlur(Back(), c.x, c.y, kSide, kSide, 1 + f % 4, 1 + f % 4, p, 0, 0, 0);
    },
    [](const cCell& c, DDSURFACEDATA* p, DDSURFACEDATA*, int32_t f) {
      DDMosaic(Back(), c.x, c.y, kSide, kSide, 2 + f % 10, p, 0, 0, 0);
    },
    [](const cCell& c, DDSURFACEDATA* p, DDSURFACEDATA*, int32_t f) {
      DDBltWave(Back(), c.x, c.y, kSide, kSide, 2, 4.0, (f * 10) % 360, 1, p, 0, 0, 1, 0);
    },
    [](const cCell& c, DDSURFACEDATA* p, DDSURFACEDATA*, int32_t f) {
      DDBltStripe(Back(), c.x, c.y, kSide, kSide, 8, f % 8, p, 0, 0, 1, 1);
    },
    [](const cCell& c, DDSURFACEDATA* p, DDSURFACEDATA*, int32_t f) {
      DDBltFlip(Back(), c.x, c.y, kSide, kSide, p, 0, 0, &g_SDTable[kBmpBlock], 0, 0, kSide, kSide, 1, f * 3, 0);
    },
    [](const cCell& c, DDSURFACEDATA* p, DDSURFACEDATA*, int32_t f) {
      DDBltSplit(Back(), c.x + 4, c.y + 4, 88, 88, p, 0, 0, f % 5, 1);
    },
    [](const cCell& c, DDSURFACEDATA*, DDSURFACEDATA*, int32_t f) {
      DDDrawFrame(Back(), c.x, c.y, kSide, kSide, 1 + f % 4, 250);
    },
    [](const cCell& c, DDSURFACEDATA* p, DDSURFACEDATA*, int32_t) {
      DDBltFramed(Back(), c.x + 4, c.y + 4, 88, 88, p, 4, 200);
    },
    [](const cCell& c, DDSURFACEDATA*, DDSURFACEDATA*, int32_t f) {
      // Cells of the block picture stand in for digits.
      DDDrawNumber(Back(), c.x, c.y + 40, 16, 16, &g_SDTable[kBmpBlock], 0, 0, 1, f, 6, 0);
    },
};

}  // namespace effects_page

bool IsStillEffectCell(int32_t cell) { return cell == kCellHalfTranslucent || cell == kCellFramed; }

void DrawEffectsPage(int32_t nFrame) {
  using namespace effects_page;
  DDFillRect(Back(), 0, 0, 640, 480, kGroundColour);
  DDSURFACEDATA picture, work;
  MakePicture(picture);
  DDCreateSurface(&work, kSide, kSide, 0, 0, DTMEMORYTYPE_VIDEO_RT, nullptr, 0);
  const int32_t frame = nFrame < 0 ? 0 : nFrame;
  for (int32_t cell = 0; cell < kEffectCellCount; ++cell) kCellDrawings[cell](CellAt(cell), &picture, &work, frame);
  DDReleaseSurface(&work);
  DDReleaseSurface(&picture);
}
