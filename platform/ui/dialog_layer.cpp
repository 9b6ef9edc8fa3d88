#include "platform/ui/dialog_layer.h"

#include <SDL.h>

#include <algorithm>

#include "platform/dd/frame_presenter.h"

void cDialogLayer::Fill(const RECT& rect, uint32_t argb) {
  const int32_t left = std::max(0, rect.left), right = std::min(kWidth, rect.right);
  const int32_t top = std::max(0, rect.top), bottom = std::min(kHeight, rect.bottom);
  for (int32_t y = top; y < bottom; ++y) {
    std::fill_n(m_pixels.begin() + static_cast<std::ptrdiff_t>(y) * kWidth + left, std::max(0, right - left), argb);
  }
}

void cDialogLayer::Frame(const RECT& r, uint32_t argb) {
  Fill({r.left, r.top, r.right, r.top + 1}, argb);
  Fill({r.left, r.bottom - 1, r.right, r.bottom}, argb);
  Fill({r.left, r.top, r.left + 1, r.bottom}, argb);
  Fill({r.right - 1, r.top, r.right, r.bottom}, argb);
}

void cDialogLayer::Put(int32_t x, int32_t y, uint32_t argb) {
  if (x >= 0 && y >= 0 && x < kWidth && y < kHeight) m_pixels[static_cast<std::size_t>(y) * kWidth + x] = argb;
}

uint32_t cDialogLayer::At(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= kWidth || y >= kHeight) return 0;
  return m_pixels[static_cast<std::size_t>(y) * kWidth + x];
}

void PresentDialogLayer(const cDialogLayer& layer) {
  if (g_FramePresenter.PresentLast(layer.Data())) return;
  SDL_Renderer* renderer = DisplayRenderer();
  if (renderer == nullptr) return;
  // Made for each present: dialogs present only when they change, and a
  // texture kept across presents could outlive the renderer it belongs to.
  SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                           cDialogLayer::kWidth, cDialogLayer::kHeight);
  SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
  SDL_RenderClear(renderer);
  if (texture != nullptr) {
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    SDL_UpdateTexture(texture, nullptr, layer.Data(), cDialogLayer::kWidth * 4);
    SDL_RenderCopy(renderer, texture, nullptr, nullptr);
    SDL_DestroyTexture(texture);
  }
  SDL_RenderPresent(renderer);
}

void PresentWithoutDialog() {
  if (g_FramePresenter.PresentLast(nullptr)) return;
  SDL_Renderer* renderer = DisplayRenderer();
  if (renderer == nullptr) return;
  SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
  SDL_RenderClear(renderer);
  SDL_RenderPresent(renderer);
}
