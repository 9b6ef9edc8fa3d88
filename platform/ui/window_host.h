#pragma once
// What a cWindow stands on: the real window it places, sizes and styles. The
// main window stands on the SDL window (sdl_window_host.h); a dialog on a
// rectangle inside the frame (frame_rect_host.h). cWindow keeps the client-area
// model and asks its host only for what the platform knows.

#include <cstdint>
#include <string>

#include "platform/ui/window_messages.h"

// The frame around a client area, in pixels on each side.
struct cFrameExtents {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

class cWindowHost {
 public:
  virtual ~cWindowHost() = default;

  virtual bool Exists() const = 0;
  // The frame a window of this style gets around its client area.
  virtual cFrameExtents Extents(uint32_t style) const = 0;
  virtual void ApplyStyle(uint32_t style) = 0;
  // The outer window's left and top, in the host's screen coordinates.
  virtual POINT OuterPos() const = 0;
  virtual void SetOuterPos(int32_t x, int32_t y) = 0;
  virtual void ClientSize(int32_t* width, int32_t* height) const = 0;
  virtual void SetClientSize(int32_t width, int32_t height) = 0;
  // Client sizes the user may resize the window to.
  virtual void SetSizeLimits(int32_t minWidth, int32_t minHeight, int32_t maxWidth, int32_t maxHeight) = 0;
  // The area windows may use (without panels) and the whole desktop.
  virtual RECT WorkArea() const = 0;
  virtual RECT Desktop() const = 0;
  // A point in frame coordinates (where the pointer is reported) into this
  // window's client coordinates.
  virtual POINT FrameToClient(POINT frame) const = 0;

  virtual void Show(bool show) = 0;
  virtual void Maximize() = 0;
  virtual bool IsMinimized() const = 0;
  virtual bool IsMaximized() const = 0;
  virtual void SetTitle(const std::string& utf8) = 0;
};
