#include "platform/dd/present.h"

#include <SDL.h>

#include <memory>

#include "core/thread/park_gate.h"
#include "core/timing/frame_pacer.h"
#include "platform/dd/dd_objects.h"
#include "platform/dd/debug_text.h"
#include "platform/dd/device_config.h"
#include "platform/dd/device_records.h"
#include "platform/dd/display_state.h"
#include "platform/dd/draw_state.h"
#include "platform/dd/frame_handoff.h"
#include "platform/dd/frame_presenter.h"
#include "platform/dd/screen_surfaces.h"
#include "platform/dd/virtual_back_buffer.h"

namespace {

// The drawing thread's spare buffer, swapped with the hand-off's at each post.
cHandoffFrame& SpareFrame() {
  static cHandoffFrame frame;
  return frame;
}

// The third buffer of a two-back-buffer flip chain.
std::unique_ptr<cDirectDrawSurface>& HiddenBuffer() {
  static std::unique_ptr<cDirectDrawSurface> buffer;
  return buffer;
}

void Hand(const cPixelStore& store, const PALETTEENTRY* palette) {
  cHandoffFrame& frame = SpareFrame();
  ConvertFrame(store, palette, &frame);
  g_FrameHandoff.Post(frame);
}

void HandPrimary() {
  const cPixelStore* store = g_SDPrimary.Pixels();
  if (store == nullptr) return;
  Hand(*store, g_lpDDPalette != nullptr ? g_lpDDPalette->Entries().data() : nullptr);
}

bool HasDD(const DDSURFACEDATA& sd) { return sd.lpDDS && sd.lpDDS->lpDDSurface; }

// The pacer's figures over the frame, for tools that ask for them.
void DrawPacerOverlay(DDSURFACEDATA* lpGlyphSD) {
  const cFramePacerSnapshot pacer = FramePacerSnapshot();
  DDDebugPrintf(&g_SDBackBuffer, 0, 16, 8, 16, lpGlyphSD, "FPS-Ave %u(%u)\ndwTime_OneSec %u\nnFrameCt_OneSec %u",
                pacer.nFpsAverage, pacer.nWorkAverage, pacer.dwTime_OneSec,
                static_cast<unsigned>(pacer.nFrameCt_OneSec));
}

void ShowCursor(bool show) {
  if (SDL_WasInit(SDL_INIT_VIDEO) != 0) SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

}  // namespace

int32_t DDPresent(int32_t nRate, int32_t bShowFps, DDSURFACEDATA* lpGlyphSD) {
  if (lpDTCon == nullptr) return 1;
  if (lpDTCon->bVirBackBuffer != 0) DDCopyVirBackBuffer(&g_SDBackBuffer, &g_SDVirBackBuffer);
  // The present goes to another thread and cannot wait for the display: the
  // clock paces the frames, with or without vertical sync.
  while (!PaceFrame(nRate)) ParkingSleep(1);
  if (bShowFps != 0 && lpGlyphSD != nullptr && nRate > 0) DrawPacerOverlay(lpGlyphSD);
  DDEndScene();
  if (lpDevice == nullptr || lpDevice->TestCooperativeLevel() != 0) {
    // A lost full-screen display steps aside until the program is active again.
    if (g_bWindowMode.load() == 0 && DisplayWindow() != nullptr) SDL_MinimizeWindow(DisplayWindow());
    return 0;
  }
  if (const cPixelStore* store = g_SDBackBuffer.Pixels()) Hand(*store, nullptr);
  return 1;
}

int32_t DDFlipPrimary() {
  if (lpDDCon == nullptr || !HasDD(g_SDPrimary) || !HasDD(g_SDBackBuffer)) return DDERR_SURFACELOST;
  if (g_SDPrimary.lpDDS->lpDDSurface->IsLost() != DD_OK) return DDERR_SURFACELOST;
  auto& primary = g_SDPrimary.lpDDS->lpDDSurface;
  auto& back = g_SDBackBuffer.lpDDS->lpDDSurface;
  if (g_nBackBufferCount == 1) {
    std::swap(primary, back);
  } else {
    auto& hidden = HiddenBuffer();
    if (!hidden) {
      hidden = std::make_unique<cDirectDrawSurface>();
      hidden->Create(back->Store().Width(), back->Store().Height(), back->Store().Format(), false);
    }
    std::swap(primary, back);  // the back buffer is shown
    std::swap(back, hidden);   // the hidden one is drawn next; the old primary waits
  }
  HandPrimary();
  return DD_OK;
}

int32_t cDirectDrawSurface::Flip() {
  if (!HasDD(g_SDPrimary) || g_SDPrimary.lpDDS->lpDDSurface.get() != this) return DDERR_SURFACELOST;
  return DDFlipPrimary();
}

int32_t DDBltToPrimary() {
  if (lpDDCon == nullptr || !HasDD(g_SDPrimary) || !HasDD(g_SDBackBuffer)) return DDERR_SURFACELOST;
  cPixelStore* to = g_SDPrimary.lpDDS->lpDDSurface->Lock();
  const cPixelStore* from = g_SDBackBuffer.lpDDS->lpDDSurface->Lock();
  if (to == nullptr || from == nullptr) return DDERR_SURFACELOST;
  const std::size_t rows = static_cast<std::size_t>(std::min(to->Height(), from->Height()));
  const std::size_t rowBytes =
      static_cast<std::size_t>(std::min(to->Width(), from->Width())) * static_cast<std::size_t>(to->BytesPerPixel());
  for (std::size_t y = 0; y < rows; ++y) {
    std::copy_n(from->Row8(static_cast<int32_t>(y)), rowBytes, to->Row8(static_cast<int32_t>(y)));
  }
  HandPrimary();
  return DD_OK;
}

int32_t DDDialogBoxMode(int32_t on) {
  if (g_bWindowMode.load() != 0) return 1;
  if (on != 0) DDEndScene();
  ShowCursor(on != 0);
  return 1;
}

void ReleaseFlipChain() { HiddenBuffer().reset(); }
