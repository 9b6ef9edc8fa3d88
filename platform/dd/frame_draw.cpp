#include "platform/dd/frame_draw.h"

#include "platform/dd/blit.h"
#include "platform/dd/draw_batches.h"
#include "platform/dd/fill.h"

void DDDrawFrame(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, int32_t t, uint32_t nPalNum) {
  DDBeginFillBatch();
  DDFillRect(lpDstSD, x, y, w, t, nPalNum);
  DDFillRect(lpDstSD, x, y + h - t, w, t, nPalNum);
  DDFillRect(lpDstSD, x, y, t, h, nPalNum);
  DDFillRect(lpDstSD, x + w - t, y, t, h, nPalNum);
  DDEndFillBatch();
}

void DDBltFramed(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, DDSURFACEDATA* lpSrcSD,
                 int32_t t, uint32_t nPalNum) {
  DDBlt(lpDstSD, x, y, w, h, lpSrcSD, 0, 0, 1);
  DDDrawFrame(lpDstSD, x - t, y - t, w + 2 * t, h + 2 * t, t, nPalNum);
}
