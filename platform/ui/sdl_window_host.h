#pragma once
// The main window's host: the SDL window. Frame extents are what the window
// manager reports (0 where it reports nothing, as under the dummy driver);
// WS_THICKFRAME makes the window resizable and WS_CAPTION decorated. The frame
// fills the client area, so frame coordinates are client coordinates.

#include <SDL.h>

#include "platform/ui/window_host.h"

class cSdlWindowHost final : public cWindowHost {
 public:
  explicit cSdlWindowHost(SDL_Window* window = nullptr) : m_lpWindow(window) {}
  void SetWindow(SDL_Window* window) { m_lpWindow = window; }
  SDL_Window* Window() const { return m_lpWindow; }

  bool Exists() const override { return m_lpWindow != nullptr; }
  cFrameExtents Extents(uint32_t style) const override;
  void ApplyStyle(uint32_t style) override;
  POINT OuterPos() const override;
  void SetOuterPos(int32_t x, int32_t y) override;
  void ClientSize(int32_t* width, int32_t* height) const override;
  void SetClientSize(int32_t width, int32_t height) override;
  void SetSizeLimits(int32_t minWidth, int32_t minHeight, int32_t maxWidth, int32_t maxHeight) override;
  RECT WorkArea() const override;
  RECT Desktop() const override;
  POINT FrameToClient(POINT frame) const override { return frame; }
  void Show(bool show) override;
  void Maximize() override;
  bool IsMinimized() const override;
  bool IsMaximized() const override;
  void SetTitle(const std::string& utf8) override;

 private:
  SDL_Window* m_lpWindow;
};
