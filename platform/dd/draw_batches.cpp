#include "platform/dd/draw_batches.h"

#include <algorithm>

#include "core/globals/global_order.h"
#include "platform/dd/device_records.h"
#include "platform/dd/draw_state.h"
#include "platform/dd/quad_draw.h"
#include "platform/dd/surface_data.h"

VP_GLOBAL(kGlobalFillBatch, cFillBatch g_FillBatch);
VP_GLOBAL(kGlobalSpriteBatch, cSpriteBatch g_SpriteBatch);

void DDBeginFillBatch() {
  if (lpDTCon == nullptr) return;
  g_FillBatch.bOn = 1;
  g_FillBatch.records.clear();
}

void DDEndFillBatch() {
  if (lpDTCon == nullptr) return;
  for (const FILLBATCHDATA& r : g_FillBatch.records) {
    if (DDBeginScene() == 0 || DDSetRenderTarget(r.lpTarget) == 0) continue;
    DrawFillQuad(r.lpTarget, r.x, r.y, r.nWidth, r.nHeight, r.dwColor);
    DDSetRenderTarget(lpDTCon->lpTargetSD);
  }
  g_FillBatch.bOn = 0;
  g_FillBatch.records.clear();
}

void DDBeginSpriteBatch(int32_t bSort) {
  if (lpDTCon == nullptr) return;
  g_SpriteBatch.bOn = 1;
  g_SpriteBatch.bSort = bSort;
  g_SpriteBatch.records.clear();
  g_SpriteBatch.keys.clear();
  g_SpriteBatch.nCount = 0;
}

void DDGetBatchKey(DDSURFACEDATA* lpSD) {
  if (lpDTCon == nullptr || g_SpriteBatch.bOn == 0 || g_SpriteBatch.bSort == 0) return;
  if (SpriteBatchKeyOf(lpSD) != 0) return;
  g_SpriteBatch.keys.push_back({lpSD, g_SpriteBatch.keys.VectorSize() + 1});
}

int32_t SpriteBatchKeyOf(const DDSURFACEDATA* lpSD) {
  if (g_SpriteBatch.bSort == 0) return 0;
  for (const SPRITEBATCHKEY& k : g_SpriteBatch.keys) {
    if (k.lpSD == lpSD) return k.nKey;
  }
  return 0;
}

void DDEndSpriteBatch() {
  if (lpDTCon == nullptr) return;
  g_SpriteBatch.bOn = 0;
  cVector<SPRITEBATCHDATA> records;
  records.swap(g_SpriteBatch.records);
  // Ranks, then submission: the order a key of rank x 100000 + count gave, without
  // its limits on textures and quads.
  if (g_SpriteBatch.bSort != 0) {
    std::stable_sort(records.begin(), records.end(),
                     [](const SPRITEBATCHDATA& a, const SPRITEBATCHDATA& b) { return a.nKey < b.nKey; });
  }
  for (const SPRITEBATCHDATA& r : records) DrawBatchedQuad(r);
  // The storage goes back to the batch, so the next frame queues without growing.
  records.clear();
  records.swap(g_SpriteBatch.records);
  g_SpriteBatch.keys.clear();
  g_SpriteBatch.nCount = 0;
}
