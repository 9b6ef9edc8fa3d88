#pragma once
// The 640 x 480 layer a dialog draws into, ARGB8888: fully transparent where
// no dialog is, so the frozen last frame shows around it.

#include <cstdint>
#include <vector>

#include "platform/ui/window_messages.h"

class cDialogLayer {
 public:
  static constexpr int32_t kWidth = 640;
  static constexpr int32_t kHeight = 480;

  cDialogLayer() : m_pixels(static_cast<std::size_t>(kWidth) * kHeight, 0) {}

  void Clear() { m_pixels.assign(m_pixels.size(), 0); }
  // Clipped to the layer.
  void Fill(const RECT& rect, uint32_t argb);
  void Frame(const RECT& rect, uint32_t argb);  // one-pixel outline
  void Put(int32_t x, int32_t y, uint32_t argb);
  uint32_t At(int32_t x, int32_t y) const;
  const uint32_t* Data() const { return m_pixels.data(); }

 private:
  std::vector<uint32_t> m_pixels;
};

// Shows the layer over the last frame; black behind it before any frame (the
// start-up dialog comes before the graphics device). Window thread.
void PresentDialogLayer(const cDialogLayer& layer);
// The last frame alone again, once a dialog is gone.
void PresentWithoutDialog();
