// Font: creation, release and the rebuild after a loss.
#include "platform/dd/font.h"

#include <algorithm>
#include <new>

#include "core/log/ec_log.h"
#include "core/thread/messages.h"
#include "platform/dd/device_config.h"
#include "platform/dd/device_records.h"
#include "platform/dd/display_state.h"
#include "platform/dd/fonts.h"
#include "platform/dd/palette.h"
#include "platform/dd/surface_create.h"
#include "platform/dd/surface_recovery.h"

namespace {

bool HasDirectDrawSurface(const DDSURFACEDATA& sd) { return sd.lpDDS && sd.lpDDS->lpDDSurface; }
bool HasTexture(const DDSURFACEDATA& sd) { return sd.lpDT && (sd.lpDT->lpTexture || sd.lpDT->lpSurface != nullptr); }

bool IsSurfaceLost(const DDSURFACEDATA& sd) {
  return HasDirectDrawSurface(sd) && sd.lpDDS->lpDDSurface->IsLost() == DDERR_SURFACELOST;
}

void RestoreIfLost(DDSURFACEDATA& sd) {
  if (IsSurfaceLost(sd)) sd.lpDDS->lpDDSurface->Restore();
}

// A 16-bit display palette holds channel values in the pixel format's ranges.
uint32_t ScaledChannel(uint32_t v, int32_t channel) {
  const int32_t max = g_PixelChannels.nMax[channel];
  return max > 0 ? v * 255u / static_cast<uint32_t>(max) : v;
}

void Unlist(Font* font) { std::erase(g_FontList, font); }

}  // namespace

Font::~Font() { Unlist(this); }

cGlyphFace* Font::Face() const { return lpDTCon != nullptr ? lpFont.get() : hFont.get(); }

void Font::ComputeColor() {
  const PALETTEENTRY e = g_Palette[static_cast<std::size_t>(nColor & 0xFF)];
  uint32_t r = e.peRed, g = e.peGreen, b = e.peBlue;
  if (lpDTCon != nullptr) {
    dwColor = 0xFF000000u | r << 16 | g << 8 | b;
    return;
  }
  if (g_nBpp.load() == 16) {
    r = ScaledChannel(r, kChRed);
    g = ScaledChannel(g, kChGreen);
    b = ScaledChannel(b, kChBlue);
  }
  dwColor = r | g << 8 | b << 16;
}

bool Font::CreateFace(const char* face) {
  const bool direct3D = lpDTCon != nullptr;
  const bool hasWork = direct3D ? HasTexture(Work) : HasDirectDrawSurface(Work);
  const bool workMade = hasWork || DDCreateSurface(&Work, g_nScreenWidth, g_nScreenHeight, 1, 0,
                                                   DTMEMORYTYPE_VIDEO_RT, nullptr, 0);
  if (direct3D) {
    lpFont = OpenGlyphFace(face, nFontHeight);
    lpSprite = lpFont.get();
    nSerial = lpDTCon->nFontSerial++;
    return true;
  }
  hFont = OpenGlyphFace(face, nFontHeight);
  if (!workMade) {
    EcLogClose(g_hWnd, "DDCreateSurface Font::Work");
    return false;
  }
  if (lpDDCon != nullptr) nSerial = lpDDCon->nFontSerial++;
  return true;
}

bool Font::Create(const char* face, int32_t glyphWidth, int32_t glyphHeight, int32_t advance, int32_t lineHeight,
                  int32_t color, DDSURFACEDATA* lpWindow, int32_t frameWidth, int32_t frameColor,
                  DDSURFACEDATA* lpSymbol, int32_t fontCache) {
  nFontWidth = glyphWidth;
  nFontHeight = glyphHeight;
  nAdvance = advance;
  nLineHeight = lineHeight;
  nColor = color;
  ComputeColor();
  lpWindowSD = lpWindow;
  nFrameWidth = frameWidth;
  nFrameColor = frameColor;
  lpSymbolSD = lpSymbol;
  bSymbol = lpSymbol != nullptr ? 1 : 0;
  if (!CreateFace(face != nullptr ? face : "")) return false;
  // Listed once however often it is created: the recovery must not rebuild a
  // font twice, nor one released since.
  if (std::find(g_FontList.begin(), g_FontList.end(), this) == g_FontList.end()) g_FontList.push_back(this);
  SetFontRestoreHooks(FontsOnLostDevice, RestoreFonts);
  bFontCache = fontCache;
  CreateCaches();
  return true;
}

void Font::CreateCaches() {
  if (bFontCache == 0) {
    DestroyCaches();
    return;
  }
  if (nAdvance == 0 || nLineHeight == 0) {
    EcLog("※フォントクラスで文字間が未設定！");
    bFontCache = 0;
    DestroyCaches();
    return;
  }
  DestroyCaches();
  const FASTFONTGEOMETRY half = HalfCacheGeometry();
  m_lpFastFont_Half.reset(new (std::nothrow) FastFont(kFastFontHalf, nAdvance, nLineHeight, half.nColumns, half.nRows));
  if (!m_lpFastFont_Half) {
    EcLogClose(g_hWnd, "m_lpFastFont_Half Err");
    return;
  }
  const FASTFONTGEOMETRY full =
      FullCacheGeometry(lpDTCon != nullptr ? 1 : 0, nAdvance, nLineHeight, g_nScreenWidth, g_nScreenHeight);
  m_lpFastFont_FullAdd.reset(new (std::nothrow) FastFont(kFastFontFull, nAdvance, nLineHeight, full.nColumns, full.nRows));
  if (!m_lpFastFont_FullAdd) {
    EcLogClose(g_hWnd, "m_lpFastFont_FullAdd Err");
    return;
  }
  BuildHalfCache();
  BuildFullCache(0);
}

void Font::DestroyCaches() {
  m_lpFastFont_Half.reset();
  m_lpFastFont_FullAdd.reset();
}

void Font::Release() {
  lpSprite = nullptr;
  lpFont.reset();
  hFont.reset();
  DestroyCaches();
  DDReleaseSurface(&Work);
  // Taken off the recovery's list: a restore after this would rebuild caches
  // that no longer exist.
  Unlist(this);
}

void Font::Restore() {
  if (lpDTCon != nullptr) {
    RestoreDirect3D();
  } else {
    RestoreDirectDraw();
  }
}

void Font::RestoreDirect3D() {
  if (m_lpFastFont_Half && m_lpFastFont_Half->Surface.bLost != 0) {
    BuildHalfCache();
    m_lpFastFont_Half->Surface.bLost = 0;
  }
  if (m_lpFastFont_FullAdd && m_lpFastFont_FullAdd->Surface.bLost != 0) {
    BuildFullCache(1);
    m_lpFastFont_FullAdd->Surface.bLost = 0;
  }
}

void Font::RestoreDirectDraw() {
  RestoreIfLost(Work);
  if (m_lpFastFont_Half && HasDirectDrawSurface(m_lpFastFont_Half->Surface)) {
    RestoreIfLost(m_lpFastFont_Half->Surface);
    BuildHalfCache();
  }
  if (m_lpFastFont_FullAdd && HasDirectDrawSurface(m_lpFastFont_FullAdd->Surface)) {
    RestoreIfLost(m_lpFastFont_FullAdd->Surface);
    BuildFullCache(1);
  }
}
