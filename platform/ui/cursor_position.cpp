#include "platform/ui/cursor_position.h"

#include <SDL.h>

#include <atomic>

#include "platform/dd/frame_presenter.h"

namespace cursor_position {

// x in the high half, y in the low half, so one load reads a consistent pair.
constexpr uint64_t kNeverSeen = ~uint64_t{0};
std::atomic<uint64_t> g_packed{kNeverSeen};

uint64_t Pack(int32_t x, int32_t y) {
  return (uint64_t{static_cast<uint32_t>(x)} << 32) | static_cast<uint32_t>(y);
}

}  // namespace cursor_position

bool GetCursorPos(POINT* point) {
  const uint64_t packed = cursor_position::g_packed.load();
  if (point == nullptr || packed == cursor_position::kNeverSeen) return false;
  point->x = static_cast<int32_t>(static_cast<uint32_t>(packed >> 32));
  point->y = static_cast<int32_t>(static_cast<uint32_t>(packed));
  return true;
}

bool SetCursorPos(int32_t x, int32_t y) {
  NoteCursorPos(x, y);
  SDL_Window* window = DisplayWindow();
  SDL_Renderer* renderer = DisplayRenderer();
  if (window == nullptr || renderer == nullptr) return true;
  // The warp wants window pixels; the renderer knows how the frame is scaled.
  int windowX = x, windowY = y;
  SDL_RenderLogicalToWindow(renderer, static_cast<float>(x), static_cast<float>(y), &windowX, &windowY);
  SDL_WarpMouseInWindow(window, windowX, windowY);
  return true;
}

void NoteCursorPos(int32_t x, int32_t y) { cursor_position::g_packed = cursor_position::Pack(x, y); }

void ForgetCursorPos() { cursor_position::g_packed = cursor_position::kNeverSeen; }
