#include "platform/dd/surface_from_file.h"

#include <cstring>
#include <string>

#include "core/log/ec_log.h"
#include "core/log/report_log.h"
#include "core/mesbox/error_mesbox.h"
#include "platform/dd/bitmap_data.h"
#include "platform/dd/blit.h"
#include "platform/dd/bmp_reader.h"
#include "platform/dd/device_config.h"
#include "platform/dd/device_records.h"
#include "platform/dd/display_state.h"
#include "platform/dd/palette.h"
#include "platform/dd/palette_map.h"
#include "platform/dd/picture_convert.h"
#include "platform/dd/surface_create.h"
#include "platform/dd/surface_data.h"
#include "platform/dd/surface_format.h"
#include "platform/dd/surface_list.h"

namespace {

constexpr int32_t kOutOfMemoryResult = static_cast<int32_t>(0x8007000Eu);

// Reads the picture; a damaged or missing file is logged with its reason.
bool LoadPicture(const char* file, cBmpImage* image) {
  std::string reason;
  if (file == nullptr || std::strlen(file) >= kSurfaceNameSize) {
    ReportLog("LoadImage Err %s (path too long)", file != nullptr ? file : "");
    return false;
  }
  if (LoadBmpFile(file, image, &reason)) return true;
  if (*file != '\0') ReportLog("LoadImage Err %s (%s)", file, reason.c_str());
  return false;
}

int32_t FromFileDirectDraw(DDSURFACEDATA* lpSD, const char* file, int32_t bColorKey, int32_t nBpp,
                           int32_t bSystemMemory, int32_t bPalMap, int32_t cellW, int32_t cellH) {
  cBmpImage image;
  if (!LoadPicture(file, &image)) {
    EcLog("%s", file != nullptr ? file : "");
    return kLoadImageErr;
  }
  if (!DDCreateSurface(lpSD, image.nWidth, image.nHeight, bColorKey, bSystemMemory, 0, nullptr, 0)) {
    return kCreateSurfaceErr;
  }
  if (!CopyBitmap(lpSD, file, nBpp, bPalMap, cellW, cellH)) return kLoadImageErr;
  lpSD->nMirrorCellW = cellW;
  lpSD->nMirrorCellH = cellH;
  lpSD->nWidth = lpSD->nTexWidth = image.nWidth;
  lpSD->nHeight = lpSD->nTexHeight = image.nHeight;
  SetSurfaceName(lpSD->szFileName, file);
  lpSD->bSystemMemory = bSystemMemory;
  return kCreateOk;
}

// The colour key of texture loading, as 0x00RRGGBB of the file's colours.
uint32_t TextureLoadKey() {
  const RGBTRIPLE& key = g_nBpp.load() == 16 ? lpDTCon->rgbTransmitKey : lpDTCon->rgbTransmit;
  return static_cast<uint32_t>(key.rgbtRed) << 16 | static_cast<uint32_t>(key.rgbtGreen) << 8 | key.rgbtBlue;
}

// Creates or keeps the texture; 0, or the failing result.
// A system-memory texture survives a device loss: restoring keeps it and its pixels.
bool KeepsTexture(const DTSURFACEDATA& dt, int32_t bRestore) {
  return dt.nMemoryType == DTMEMORYTYPE_SYSTEM && bRestore != 0 && dt.lpTexture;
}

int32_t MakeFileTexture(DDSURFACEDATA* lpSD, const char* file, int32_t texW, int32_t texH, int32_t bRestore) {
  DTSURFACEDATA& dt = *lpSD->lpDT;
  if (KeepsTexture(dt, bRestore)) return 0;
  dt.bRenderTarget = 0;
  auto texture = std::make_unique<cTexture>();
  if (!texture->Create(texW, texH, FormatOfD3D(lpDTCon->fmtTexture))) {
    if (dt.nMemoryType == DTMEMORYTYPE_SYSTEM) {
      ReportLogBoth("D3DXCreateTextureFromFileEx Err %x %s", static_cast<unsigned>(kOutOfMemoryResult), file);
      if (!lpDTCon->strTextureError.empty()) ErrMesBoxF("%s", lpDTCon->strTextureError.c_str());
      PostMessage(g_hWnd, WM_CLOSE, 0, 0);
    } else {
      ReportLogBoth("テクスチャの作成に失敗。(%s)", file);
    }
    return kOutOfMemoryResult;
  }
  dt.lpTexture = std::move(texture);
  return 0;
}

int32_t FromFileDirect3D(DDSURFACEDATA* lpSD, const char* file, int32_t bColorKey, int32_t nBpp,
                         int32_t bSystemMemory, int32_t nMemoryType, DDSURFACEDATA* lpShareSD, int32_t bPalMap,
                         int32_t cellW, int32_t cellH, int32_t bRestore) {
  lpSD->AllocBacking();
  DTSURFACEDATA& dt = *lpSD->lpDT;
  if (bRestore == 0) {
    ForgetListEntry(lpSD);
    SetSurfaceName(lpSD->szName, "OffScreenFromFile");
    if (!SetSurfaceName(lpSD->szFileName, file)) return kLoadImageErr;
    dt.nMemoryType = nMemoryType;
    dt.lpSurface = nullptr;
    dt.lpTexture.reset();
    dt.bColorKey = bColorKey == 1 ? 1 : 0;
    if (lpShareSD == nullptr) dt.nSurfaceId = lpDTCon->nNextSurfaceId++;
  }
  cBmpImage image;
  if (!LoadPicture(file, &image)) return kLoadImageErr;
  if (lpShareSD != nullptr) {
    lpSD->nWidth = lpSD->nTexWidth = image.nWidth;
    lpSD->nHeight = lpSD->nTexHeight = image.nHeight;
    dt.nShareId = lpShareSD->lpDT ? lpShareSD->lpDT->nSurfaceId : -1;
  } else {
    int32_t texW = image.nWidth, texH = image.nHeight;
    DDFitTextureSize(&texW, &texH);
    if (!DDCheckTextureSize(texW, texH)) {
      ReportLogBoth("上記の理由でテクスチャの描画が失敗する可能性があります。(%s)", file);
    }
    if (dt.nMemoryType == DTMEMORYTYPE_VIDEO_NORT) {
      EcLog("DDCreateSurfaceFromFile Err DTMEMORYTYPE_VIDEO_NORTの指定は未対応です。DTMEMORYTYPE_VIDEO_RTでテクスチャを作成します。");
      dt.nMemoryType = DTMEMORYTYPE_VIDEO_RT;
    }
    const bool kept = KeepsTexture(dt, bRestore);
    if (const int32_t result = MakeFileTexture(lpSD, file, texW, texH, bRestore); result != 0) return result;
    dt.lpSurface = &dt.lpTexture->Store();
    dt.d3dsd = {dt.lpSurface->Width(), dt.lpSurface->Height()};
    if (!kept) ConvertPictureToTexture(image, TextureLoadKey(), dt.lpSurface);
    lpSD->nWidth = image.nWidth;
    lpSD->nHeight = image.nHeight;
    lpSD->nTexWidth = texW;
    lpSD->nTexHeight = texH;
    if (!kept && (cellW != 0 || cellH != 0)) {
      DDSURFACEDATA plain;
      const bool copied =
          DDCreateSurfaceFromFile(&plain, file, bColorKey, nBpp, bSystemMemory, dt.nMemoryType, nullptr, bPalMap, 0,
                                  0, 0) == kCreateOk &&
          DDCopyMirrorCells(lpSD, &plain, cellW, cellH);
      DDReleaseSurface(&plain);
      if (!copied) {
        ReportLogBoth("CreateMirror Err");
        return kCreateMirrorErr;
      }
    }
    if (bRestore == 0) g_DTSurfaceList.Add(dt.nSurfaceId, lpSD);
  }
  lpSD->nMirrorCellW = cellW;
  lpSD->nMirrorCellH = cellH;
  lpSD->bSystemMemory = bSystemMemory;
  dt.lpPalMap.reset();
  if (bPalMap != 0 && g_nBpp.load() > 8 && lpShareSD == nullptr) DDMakePalMap(lpSD);
  return kCreateOk;
}

void LogBadSize(const char* file, const DDSURFACEDATA* lpSD, const cBmpImage& image) {
  EcLog("CopyBitmap Err %s Surface(%d,%d) Bmp(%d,%d)", file, lpSD->nWidth, lpSD->nHeight, image.nWidth,
        image.nHeight);
}

}  // namespace

int32_t DDCreateSurfaceFromFile(DDSURFACEDATA* lpSD, const char* file, int32_t bColorKey, int32_t nBpp,
                                int32_t bSystemMemory, int32_t nMemoryType, DDSURFACEDATA* lpShareSD,
                                int32_t bPalMap, int32_t nMirrorCellW, int32_t nMirrorCellH, int32_t bRestore) {
  if (lpSD == nullptr) return kCreateSurfaceErr;
  if (file == nullptr || std::strlen(file) >= kSurfaceNameSize) {
    ReportLog("LoadImage Err (path longer than %d bytes)", kSurfaceNameSize - 1);
    return kLoadImageErr;
  }
  if (lpDTCon != nullptr) {
    return FromFileDirect3D(lpSD, file, bColorKey, nBpp, bSystemMemory, nMemoryType, lpShareSD, bPalMap,
                            nMirrorCellW, nMirrorCellH, bRestore);
  }
  if (lpDDCon != nullptr) {
    return FromFileDirectDraw(lpSD, file, bColorKey, nBpp, bSystemMemory, bPalMap, nMirrorCellW, nMirrorCellH);
  }
  return kCreateSurfaceErr;
}

bool CopyBitmap(DDSURFACEDATA* lpSD, const char* file, int32_t nBpp, int32_t bPalMap, int32_t nMirrorCellW,
                int32_t nMirrorCellH) {
  if (lpDTCon != nullptr || file == nullptr || *file == '\0') return true;
  if (lpSD == nullptr || !lpSD->lpDDS || !lpSD->lpDDS->lpDDSurface) return false;
  cBmpImage image;
  if (!LoadPicture(file, &image)) return false;
  // A picture of another size would be cut or overrun: the surface keeps its
  // size and nothing is copied.
  if (image.nWidth != lpSD->nWidth || image.nHeight != lpSD->nHeight) {
    LogBadSize(file, lpSD, image);
    return false;
  }
  cPixelStore* store = lpSD->lpDDS->lpDDSurface->Lock();
  if (store == nullptr) return false;
  const cPictureMirror mirror{nMirrorCellW, nMirrorCellH};
  ConvertPictureToDisplay(image, nBpp, mirror, store);
  lpSD->nMirrorCellW = nMirrorCellW;
  lpSD->nMirrorCellH = nMirrorCellH;
  SetSurfaceName(lpSD->szFileName, file);
  lpSD->lpDDS->lpPalMap.reset();
  if (bPalMap != 0 && nBpp > 8) return DDMakePalMap(lpSD) != 0;
  return true;
}

bool DDReloadBitmap(DDSURFACEDATA* lpSD, int32_t nBpp) {
  if (lpDTCon != nullptr) return true;
  if (lpSD == nullptr || !lpSD->lpDDS) return false;
  const std::string file = lpSD->szFileName;
  return CopyBitmap(lpSD, file.c_str(), nBpp, lpSD->lpDDS->lpPalMap ? 1 : 0, lpSD->nMirrorCellW, lpSD->nMirrorCellH);
}

int32_t DDCheckBitmapSize(int32_t* lpTooLarge, const char* file, int32_t nMaxWidth, int32_t nMaxHeight) {
  if (lpDTCon != nullptr) return 1;
  cBmpImage image;
  if (!LoadPicture(file, &image)) {
    if (lpTooLarge != nullptr) *lpTooLarge = 0;
    return 0;
  }
  if (lpTooLarge != nullptr) *lpTooLarge = image.nWidth > nMaxWidth || image.nHeight > nMaxHeight ? 1 : 0;
  return 1;
}

bool DDCopyMirrorCells(DDSURFACEDATA* lpDst, DDSURFACEDATA* lpSrc, int32_t nCellW, int32_t nCellH) {
  // Cells below one dot, or rows of cells, leave the sheet as it is.
  if (lpDTCon == nullptr || nCellW < 1 || nCellH != 0) return true;
  if (lpDst == nullptr || lpSrc == nullptr || lpDst->Pixels() == nullptr || lpSrc->Pixels() == nullptr) return false;
  if (lpDst->lpDT && lpDst->lpDT->bRenderTarget != 0) {
    lpDst->Pixels()->FillRect(0, 0, lpDst->nTexWidth, lpDst->nTexHeight, lpDTCon->dwTransmit_32);
  }
  const int32_t cells = lpSrc->nWidth / nCellW;
  for (int32_t i = 0; i < cells; ++i) {
    DDStretchBlt(lpDst, i * nCellW, 0, nCellW, lpSrc->nHeight, lpSrc, i * nCellW + nCellW, 0, -nCellW,
                 lpSrc->nHeight, 0);
  }
  return true;
}

bool DDLoadBitmapList(DDSURFACEDATA* table, const int32_t* indices, int32_t count) {
  if (table == nullptr || indices == nullptr || g_lpBitmapTable == nullptr) return false;
  for (int32_t i = 0; i < count; ++i) {
    const int32_t k = indices[i];
    if (k < 0 || k >= g_nSurfaceCount) continue;
    DDSURFACEDATA& sd = table[k];
    const BITMAPDATA& bd = g_lpBitmapTable[k];
    DDReleaseSurface(&sd);
    if (std::strcmp(bd.szFileName, "E") == 0) {
      if (!DDCreateSurface(&sd, bd.nWidth, bd.nHeight, bd.bTransparent, bd.bSystemMemory, bd.nMemoryType,
                           sd.lpShareSD, 0) &&
          bd.bNoError == 0) {
        OutOfMemoryClose();
        return false;
      }
      continue;
    }
    const int32_t code =
        DDCreateSurfaceFromFile(&sd, bd.szFileName, bd.bTransparent, g_nBpp.load(), bd.bSystemMemory,
                                bd.nMemoryType, lpDTCon != nullptr ? sd.lpShareSD : nullptr, bd.bPalMap,
                                bd.nMirrorCellW, bd.nMirrorCellH, 0);
    if (code != kCreateOk) DDCheckCreateResult(code);
    if (code != kCreateOk && bd.bNoError == 0) {
      ErrMesBoxF("%s の読み込みに失敗！", bd.szFileName);
      return false;
    }
  }
  return true;
}
