#include "platform/ui/sdl_window_host.h"

namespace sdl_window_host {

RECT ToRect(const SDL_Rect& r) { return RECT{r.x, r.y, r.x + r.w, r.y + r.h}; }

int DisplayOf(SDL_Window* window) {
  const int index = window != nullptr ? SDL_GetWindowDisplayIndex(window) : 0;
  return index < 0 ? 0 : index;
}

}  // namespace sdl_window_host

cFrameExtents cSdlWindowHost::Extents(uint32_t) const {
  int top = 0, left = 0, bottom = 0, right = 0;
  if (m_lpWindow == nullptr || SDL_GetWindowBordersSize(m_lpWindow, &top, &left, &bottom, &right) != 0) return {};
  return {left, top, right, bottom};
}

void cSdlWindowHost::ApplyStyle(uint32_t style) {
  if (m_lpWindow == nullptr) return;
  SDL_SetWindowResizable(m_lpWindow, (style & WS_THICKFRAME) != 0 ? SDL_TRUE : SDL_FALSE);
  SDL_SetWindowBordered(m_lpWindow, (style & WS_CAPTION) == WS_CAPTION ? SDL_TRUE : SDL_FALSE);
}

POINT cSdlWindowHost::OuterPos() const {
  if (m_lpWindow == nullptr) return {};
  int x = 0, y = 0;
  SDL_GetWindowPosition(m_lpWindow, &x, &y);
  const cFrameExtents ext = Extents(0);
  return {x - ext.left, y - ext.top};
}

void cSdlWindowHost::SetOuterPos(int32_t x, int32_t y) {
  if (m_lpWindow == nullptr) return;
  const cFrameExtents ext = Extents(0);
  SDL_SetWindowPosition(m_lpWindow, x + ext.left, y + ext.top);
}

void cSdlWindowHost::ClientSize(int32_t* width, int32_t* height) const {
  int w = 0, h = 0;
  if (m_lpWindow != nullptr) SDL_GetWindowSize(m_lpWindow, &w, &h);
  *width = w;
  *height = h;
}

void cSdlWindowHost::SetClientSize(int32_t width, int32_t height) {
  if (m_lpWindow != nullptr && width > 0 && height > 0) SDL_SetWindowSize(m_lpWindow, width, height);
}

void cSdlWindowHost::SetSizeLimits(int32_t minWidth, int32_t minHeight, int32_t maxWidth, int32_t maxHeight) {
  if (m_lpWindow == nullptr) return;
  if (minWidth > 0 && minHeight > 0) SDL_SetWindowMinimumSize(m_lpWindow, minWidth, minHeight);
  if (maxWidth > 0 && maxHeight > 0) SDL_SetWindowMaximumSize(m_lpWindow, maxWidth, maxHeight);
}

RECT cSdlWindowHost::WorkArea() const {
  SDL_Rect r{};
  if (SDL_GetDisplayUsableBounds(sdl_window_host::DisplayOf(m_lpWindow), &r) != 0) return Desktop();
  return sdl_window_host::ToRect(r);
}

RECT cSdlWindowHost::Desktop() const {
  SDL_Rect r{0, 0, 640, 480};
  SDL_GetDisplayBounds(sdl_window_host::DisplayOf(m_lpWindow), &r);
  return sdl_window_host::ToRect(r);
}

void cSdlWindowHost::Show(bool show) {
  if (m_lpWindow == nullptr) return;
  if (show) SDL_ShowWindow(m_lpWindow);
  else SDL_HideWindow(m_lpWindow);
}

void cSdlWindowHost::Maximize() {
  if (m_lpWindow != nullptr) SDL_MaximizeWindow(m_lpWindow);
}

bool cSdlWindowHost::IsMinimized() const {
  return m_lpWindow != nullptr && (SDL_GetWindowFlags(m_lpWindow) & SDL_WINDOW_MINIMIZED) != 0;
}

bool cSdlWindowHost::IsMaximized() const {
  return m_lpWindow != nullptr && (SDL_GetWindowFlags(m_lpWindow) & SDL_WINDOW_MAXIMIZED) != 0;
}

void cSdlWindowHost::SetTitle(const std::string& utf8) {
  if (m_lpWindow != nullptr) SDL_SetWindowTitle(m_lpWindow, utf8.c_str());
}
