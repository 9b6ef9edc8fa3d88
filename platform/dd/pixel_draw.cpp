#include "platform/dd/pixel_draw.h"

#include "core/log/ec_log.h"
#include "platform/dd/device_records.h"
#include "platform/dd/fill.h"
#include "platform/dd/surface_data.h"

bool DDLock(DDSURFACEDATA* lpSD, DDSURFACEDESC2* desc, uint8_t** bits, int32_t nBpp) {
  if (lpDTCon != nullptr) {
    EcLog("D3DではDDLockは未対応");
    return false;
  }
  if (nBpp != 8 && nBpp != 16 && nBpp != 32) return false;
  if (lpSD == nullptr || !lpSD->lpDDS || !lpSD->lpDDS->lpDDSurface) return false;
  cPixelStore* store = lpSD->lpDDS->lpDDSurface->Lock();
  if (store == nullptr || store->Empty()) return false;
  if (desc != nullptr) {
    desc->dwSize = 124;
    desc->lPitch = store->Pitch() * store->BytesPerPixel();
    desc->dwWidth = store->Width();
    desc->dwHeight = store->Height();
    desc->lpSurface = store->Bits();
  }
  if (bits != nullptr) *bits = store->Bits();
  return true;
}

void DDUnlock(DDSURFACEDATA* lpSD) {
  if (lpSD != nullptr && lpSD->lpDDS && lpSD->lpDDS->lpDDSurface) lpSD->lpDDS->lpDDSurface->Unlock();
}

void DDPutPixel(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, uint32_t dwPalNum) {
  if (lpDstSD == nullptr || x < 0 || y < 0 || x >= lpDstSD->nWidth || y >= lpDstSD->nHeight) return;
  if (lpDTCon != nullptr) {
    DDFillRect(lpDstSD, x, y, 1, 1, dwPalNum);
  } else if (lpDDCon != nullptr) {
    DDFillRectRGB(lpDstSD, x, y, 1, 1, PalNumToRGB(dwPalNum));
  }
}

void DDDrawCircle(DDSURFACEDATA* lpDstSD, int32_t cx, int32_t cy, int32_t r, uint32_t dwPalNum) {
  if (r < 1 || lpDstSD == nullptr) return;
  const auto dot = [&](int64_t px, int64_t py) {
    if (px < INT32_MIN || px > INT32_MAX || py < INT32_MIN || py > INT32_MAX) return;
    const auto x = static_cast<int32_t>(px), y = static_cast<int32_t>(py);
    if (lpDTCon != nullptr) DDFillRect(lpDstSD, x, y, 1, 1, dwPalNum);
    else DDPutPixel(lpDstSD, x, y, dwPalNum);
  };
  int64_t x = 0, y = r, d = 3 - 2 * static_cast<int64_t>(r);
  while (x <= y) {
    for (const auto& [a, b] : {std::pair{x, y}, {y, x}}) {
      dot(cx + a, cy + b), dot(cx - a, cy + b), dot(cx + a, cy - b), dot(cx - a, cy - b);
    }
    if (d < 0) {
      d += 4 * x + 6;
    } else {
      d += 4 * (x - y) + 10;
      --y;
    }
    ++x;
  }
}
