#include "platform/dd/frame_presenter.h"

#include <algorithm>

cFramePresenter g_FramePresenter;

namespace {

SDL_Window* g_lpWindow = nullptr;
SDL_Renderer* g_lpRenderer = nullptr;

}  // namespace

void SetDisplayTarget(SDL_Window* window, SDL_Renderer* renderer) {
  g_lpWindow = window;
  g_lpRenderer = renderer;
}

SDL_Window* DisplayWindow() { return g_lpWindow; }
SDL_Renderer* DisplayRenderer() { return g_lpRenderer; }

bool cFramePresenter::Open(SDL_Renderer* renderer, int32_t width, int32_t height) {
  Close();
  if (renderer == nullptr) return false;
  m_lpTexture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, width, height);
  if (m_lpTexture == nullptr) return false;
  SDL_SetTextureScaleMode(m_lpTexture, SDL_ScaleModeNearest);
  m_lpRenderer = renderer;
  m_nWidth = width;
  m_nHeight = height;
  return true;
}

void cFramePresenter::Close() {
  if (m_lpDialog != nullptr) SDL_DestroyTexture(m_lpDialog);
  if (m_lpTexture != nullptr) SDL_DestroyTexture(m_lpTexture);
  m_lpDialog = m_lpTexture = nullptr;
  m_lpRenderer = nullptr;
  m_last = {};
}

SDL_Rect cFramePresenter::FrameRect(int32_t outputW, int32_t outputH, int32_t frameW, int32_t frameH) {
  if (frameW <= 0 || frameH <= 0) return {0, 0, outputW, outputH};
  // The largest rectangle of the frame's shape inside the output, centred.
  const int64_t byWidth = static_cast<int64_t>(outputW) * frameH;
  const int64_t byHeight = static_cast<int64_t>(outputH) * frameW;
  int32_t w = outputW, h = outputH;
  if (byWidth > byHeight) w = static_cast<int32_t>(byHeight / frameH);
  else h = static_cast<int32_t>(byWidth / frameW);
  return {(outputW - w) / 2, (outputH - h) / 2, w, h};
}

void cFramePresenter::Draw(const uint32_t* dialogLayer) {
  // A renderer with a logical size (the window framework's) scales and
  // letterboxes by itself: the frame fills that size.
  int outputW = 0, outputH = 0;
  SDL_RenderGetLogicalSize(m_lpRenderer, &outputW, &outputH);
  if (outputW == 0 || outputH == 0) SDL_GetRendererOutputSize(m_lpRenderer, &outputW, &outputH);
  const SDL_Rect rect = FrameRect(outputW, outputH, m_nWidth, m_nHeight);
  SDL_SetRenderDrawColor(m_lpRenderer, 0, 0, 0, 255);
  SDL_RenderClear(m_lpRenderer);
  SDL_RenderCopy(m_lpRenderer, m_lpTexture, nullptr, &rect);
  if (dialogLayer != nullptr) {
    if (m_lpDialog == nullptr) {
      m_lpDialog = SDL_CreateTexture(m_lpRenderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, 640, 480);
      if (m_lpDialog != nullptr) {
        SDL_SetTextureBlendMode(m_lpDialog, SDL_BLENDMODE_BLEND);
        SDL_SetTextureScaleMode(m_lpDialog, SDL_ScaleModeNearest);
      }
    }
    if (m_lpDialog != nullptr) {
      SDL_UpdateTexture(m_lpDialog, nullptr, dialogLayer, 640 * 4);
      SDL_RenderCopy(m_lpRenderer, m_lpDialog, nullptr, &rect);
    }
  }
  SDL_RenderPresent(m_lpRenderer);
}

bool cFramePresenter::PresentNewest() {
  if (!IsOpen() || !g_FrameHandoff.TakeNewest(&m_last)) return false;
  if (m_last.nWidth != m_nWidth || m_last.nHeight != m_nHeight) return false;
  SDL_UpdateTexture(m_lpTexture, nullptr, m_last.pixels.data(), m_nWidth * 4);
  Draw(nullptr);
  return true;
}

bool cFramePresenter::PresentLast(const uint32_t* dialogLayer) {
  if (!IsOpen() || m_last.nSerial == 0) return false;
  Draw(dialogLayer);
  return true;
}
