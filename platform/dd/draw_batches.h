#pragma once
// The two Direct3D draw batches. The fill batch collects render-target fills and
// draws them in order at its end. The sprite batch collects GPU-path quads and
// draws them at its end, sorted when asked: quads of unregistered textures
// first, then each registered texture's in registration order, each group in
// submission order. Both do nothing in DirectDraw mode; CPU-path draws happen at
// once while they are on.
//
//   DDBeginSpriteBatch(1);
//   DDGetBatchKey(&blocks);                     // drawn first
//   DDGetBatchKey(&charas);
//   DDBlt(&g_SDBackBuffer, x, y, 32, 32, &charas, 0, 0, 1);   // queued
//   DDBlt(&g_SDBackBuffer, x, y, 32, 32, &blocks, 0, 0, 1);   // drawn before it
//   DDEndSpriteBatch();

#include <cstdint>

#include "core/containers/checked_vector.h"

struct DDSURFACEDATA;

struct FILLBATCHDATA {
  DDSURFACEDATA* lpTarget = nullptr;
  int32_t x = 0, y = 0, nWidth = 0, nHeight = 0;
  uint32_t dwColor = 0;
};

struct cFillBatch {
  int32_t bOn = 0;
  cVector<FILLBATCHDATA> records;
};
extern cFillBatch g_FillBatch;

void DDBeginFillBatch();
void DDEndFillBatch();

struct SPRITEBATCHDATA {
  int32_t nKey = 0;  // the source's registration rank; 0 unregistered or unsorted
  DDSURFACEDATA* lpDstSD = nullptr;
  DDSURFACEDATA* lpSrcSD = nullptr;
  int32_t x = 0, y = 0, w = 0, h = 0, sx = 0, sy = 0, sw = 0, sh = 0;
  int32_t nFlags = 0;
  uint32_t dwDrawColor = 0xFFFFFFFF;
  int32_t nColorOp = 4;
  int32_t nAlphaOp = 2;
  int32_t nOrder = 0;  // submission number
};

struct SPRITEBATCHKEY {
  DDSURFACEDATA* lpSD = nullptr;
  int32_t nKey = 0;
};

struct cSpriteBatch {
  int32_t bOn = 0;
  cVector<SPRITEBATCHDATA> records;
  int32_t nCount = 0;
  int32_t bSort = 0;
  cVector<SPRITEBATCHKEY> keys;
};
extern cSpriteBatch g_SpriteBatch;

void DDBeginSpriteBatch(int32_t bSort);
void DDGetBatchKey(DDSURFACEDATA* lpSD);
void DDEndSpriteBatch();

// The key of a texture for a queued quad: its rank, 0 when unregistered.
int32_t SpriteBatchKeyOf(const DDSURFACEDATA* lpSD);
