#include "platform/dd/palette_load.h"

#include "core/log/ec_log.h"
#include "core/log/report_log.h"
#include "core/mesbox/error_mesbox.h"
#include "platform/dd/blit.h"
#include "platform/dd/bmp_reader.h"
#include "platform/dd/device_config.h"
#include "platform/dd/device_records.h"
#include "platform/dd/display_state.h"
#include "platform/dd/palette.h"
#include "platform/dd/surface_create.h"
#include "platform/dd/surface_data.h"
#include "platform/dd/surface_from_file.h"
#include "platform/dd/surface_lock.h"
#include "platform/dd/virtual_back_buffer.h"

namespace {

constexpr int32_t kPaletteBlockTop = 8;
constexpr int32_t kPaletteBlockSide = 16;

uint8_t DirectDrawEntryFlags(int i) { return i < 10 || i >= 246 ? PC_EXPLICIT : PC_RESERVED; }

void TableToPalette(const cBmpImage& image, PALETTEENTRY* lpPal) {
  for (int i = 0; i < 256; ++i) {
    const cBmpColour& c = image.palette[static_cast<std::size_t>(i)];
    const uint8_t flags = lpDTCon != nullptr ? 0xFF : DirectDrawEntryFlags(i);
    lpPal[i] = {c.r, c.g, c.b, flags};
  }
}

void EntryFromPixel(PALETTEENTRY& e, uint32_t p, int32_t bytes) {
  const PIXELCHANNELS c = g_PixelChannels;  // a copy: the lambdas capture it
  if (lpDTCon != nullptr && bytes == 4) {
    if ((p >> 24) == 0) return;
    e = {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p), static_cast<uint8_t>(p >> 24)};
  } else if (lpDTCon != nullptr) {
    if (ChannelOf(c, p, kChAlpha) == 0) return;
    const auto scaled = [&c, p](int32_t ch) {
      return static_cast<uint8_t>(ChannelOf(c, p, ch) * 255u / static_cast<uint32_t>(c.nMax[ch]));
    };
    e.peRed = scaled(kChRed), e.peGreen = scaled(kChGreen), e.peBlue = scaled(kChBlue);
  } else if (bytes == 4) {
    e = {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p), static_cast<uint8_t>(p >> 24)};
  } else {
    e.peRed = static_cast<uint8_t>(ChannelOf(c, p, kChRed));
    e.peGreen = static_cast<uint8_t>(ChannelOf(c, p, kChGreen));
    e.peBlue = static_cast<uint8_t>(ChannelOf(c, p, kChBlue));
  }
}

// A system-memory surface of the picture, unkeyed.
bool LoadTemporary(DDSURFACEDATA* lpSD, const char* file) {
  return DDCheckCreateResult(DDCreateSurfaceFromFile(lpSD, file, 0, g_nBpp.load(), 1, DTMEMORYTYPE_SYSTEM, nullptr,
                                                     0, 0, 0, 0));
}

}  // namespace

bool DDLoadPaletteFromFile(PALETTEENTRY* lpPal, const char* file) {
  if (lpPal == nullptr) return false;
  cBmpImage image;
  std::string reason;
  if (!LoadBmpFile(file, &image, &reason)) {
    ReportLog("LoadImage Err %s (%s)", file != nullptr ? file : "", reason.c_str());
    return false;
  }
  const int32_t bpp = g_nBpp.load();
  if (image.nBitCount == 8 && (lpDTCon != nullptr || bpp == 8)) TableToPalette(image, lpPal);
  if (bpp == 8 && lpDDCon != nullptr && g_lpDDPalette != nullptr) g_lpDDPalette->SetEntries(0, 256, lpPal);
  if (bpp > 8) {
    // The entries are the pixels of a 16 x 16 block below the top 8 rows.
    if (image.nWidth < kPaletteBlockSide || image.nHeight < kPaletteBlockTop + kPaletteBlockSide) {
      ReportLog("%s: palette image smaller than 16 x 24", file);
      return false;
    }
    DDSURFACEDATA temporary;
    if (LoadTemporary(&temporary, file)) DDSetPalette_UnPal(lpPal, &temporary);
    DDReleaseSurface(&temporary);
  }
  return true;
}

void DDSetPalette_UnPal(PALETTEENTRY* lpPal, DDSURFACEDATA* lpSD) {
  if (lpPal == nullptr || lpSD == nullptr) return;
  const int32_t bpp = g_nBpp.load();
  if (bpp != 16 && bpp != 32) return;
  if (lpDTCon != nullptr) {
    DDResolveShareSD(&lpSD);
    DDRedirectBackBuffer(&lpSD);
  }
  cSurfaceLock lock;
  if (lpSD == nullptr || !lock.Lock(lpSD)) {
    if (lpDTCon != nullptr) EcLog("DDSetPalette_UnPal Lock Err");
    return;
  }
  const cPixelStore& store = *lock.Store();
  for (int32_t r = 0; r < kPaletteBlockSide; ++r) {
    for (int32_t c = 0; c < kPaletteBlockSide; ++c) {
      const int32_t x = c, y = kPaletteBlockTop + r;
      if (x >= lpSD->nWidth || y >= lpSD->nHeight || !store.Contains(x, y)) continue;
      EntryFromPixel(lpPal[16 * r + c], store.Get(x, y), lock.m_nBytesPerPixel);
    }
  }
}

int32_t SetTrans(const char* file) {
  DDSURFACEDATA temporary;
  if (!LoadTemporary(&temporary, file)) {
    EcLog("%s 作成失敗！", file != nullptr ? file : "");
    return 0;
  }
  cSurfaceLock lock;
  if (!lock.Lock(&temporary)) {
    EcLog("Lock 失敗！");
    DDReleaseSurface(&temporary);
    return 0;
  }
  const uint32_t p = lock.Store()->Get(0, 0);
  const int32_t bpp = g_nBpp.load();
  if (lpDTCon != nullptr && bpp == 16) {
    cBmpImage image;
    std::string reason;
    if (!LoadBmpFile(file, &image, &reason)) {
      lock.Unlock();
      DDReleaseSurface(&temporary);
      return 0;
    }
    if (image.nBitCount == 8) {
      const cBmpColour& c = image.palette[0];
      lpDTCon->rgbTransmitKey = {c.b, c.g, c.r};
    }
    const PIXELCHANNELS& ch = g_PixelChannels;
    DDSetTransmit(static_cast<uint8_t>(ChannelOf(ch, p, kChRed)), static_cast<uint8_t>(ChannelOf(ch, p, kChGreen)),
                  static_cast<uint8_t>(ChannelOf(ch, p, kChBlue)));
    EcLog("SetTrans(filename) lpDTCon->wTransmit_16 = (%x)", lpDTCon->wTransmit_16);
  } else if (lpDTCon != nullptr) {
    DDSetTransmit(static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p));
  } else if (lpDDCon != nullptr) {
    g_dwColorKey = p;
    if (bpp == 32) lpDDCon->rgbTransmit = {static_cast<uint8_t>(p), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p >> 16)};
    // True-colour pictures compare with rgbTransmitKey: left unset it is black,
    // and black would turn transparent while the real key colour showed.
    cBmpImage image;
    std::string reason;
    if (bpp == 16 && LoadBmpFile(file, &image, &reason)) {
      const uint32_t rgb = image.Rgb(0, 0);
      lpDDCon->rgbTransmitKey = {static_cast<uint8_t>(rgb), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb >> 16)};
    }
  }
  lock.Unlock();
  DDReleaseSurface(&temporary);
  return 1;
}

void DDSetTransmit(uint8_t cbRed, uint8_t cbGreen, uint8_t cbBlue) {
  const int32_t bpp = g_nBpp.load();
  const uint32_t opaque = 0xFF000000u | static_cast<uint32_t>(cbRed) << 16 | static_cast<uint32_t>(cbGreen) << 8 | cbBlue;
  if (lpDTCon != nullptr) {
    lpDTCon->rgbTransmit = {cbBlue, cbGreen, cbRed};
    EcLog("SetTrans lpDTCon->rgbTransmit.rgbtRed = %d,lpDTCon->rgbTransmit.rgbtGreen = %d,lpDTCon->rgbTransmit.rgbtBlue = %d",
          cbRed, cbGreen, cbBlue);
    if (bpp == 32) {
      lpDTCon->dwTransmit_32 = 0;
      lpDTCon->dwTransmitBack_32 = opaque;
      lpDTCon->wTransmit_16 = 0;
      lpDTCon->wTransmitBack_16 = 0;
      g_dwColorKey = 0;
    } else if (bpp == 16) {
      const PIXELCHANNELS c = g_PixelChannels;  // a copy: the lambdas capture it
      lpDTCon->dwTransmit_32 = 0;
      lpDTCon->dwTransmitBack_32 = opaque;
      lpDTCon->wTransmit_16 = 0;
      lpDTCon->wTransmitBack_16 = static_cast<uint16_t>(ComposePixel(c, cbRed, cbGreen, cbBlue, 0) |
                                                        (static_cast<uint32_t>(c.nMax[kChAlpha]) & 1u) << c.nShift[kChAlpha]);
    }
    return;
  }
  if (lpDDCon == nullptr) return;
  if (bpp == 32) {
    g_dwColorKey = opaque & 0xFFFFFFu;
    lpDDCon->rgbTransmit = {cbBlue, cbGreen, cbRed};
  } else if (bpp == 16) {
    const PIXELCHANNELS c = g_PixelChannels;  // a copy: the lambdas capture it
    const auto narrow = [&c](uint8_t v, int32_t ch) {
      return (NarrowChannelTruncated(v, static_cast<uint32_t>(c.nMax[ch])) << c.nShift[ch]) & 0xFFFFu;
    };
    g_dwColorKey = narrow(cbBlue, kChBlue) | narrow(cbGreen, kChGreen) | narrow(cbRed, kChRed);
    EcLog("※16bit色で　DDSetTransmit(BYTE cbRed,BYTE cbGreen,BYTE cbBlue)　は未対応！");
    const auto back = [&c](int32_t ch) {
      return static_cast<int>(ChannelOf(c, g_dwColorKey, ch) * 255u / static_cast<uint32_t>(c.nMax[ch]));
    };
    DebugMesBoxF("Tr %d RGB32(%d,%d,%d) -> RGB16(%d,%d,%d)", static_cast<int>(g_dwColorKey), cbRed, cbGreen, cbBlue,
                 back(kChRed), back(kChGreen), back(kChBlue));
  }
}
