#include "platform/ui/window_pump.h"

#include <atomic>

#include "core/thread/window_queue.h"
#include "platform/dd/frame_presenter.h"
#include "platform/input/scancode_keys.h"
#include "platform/input/sdl_input_intake.h"
#include "platform/ui/cursor_position.h"

namespace window_pump {

std::atomic<Uint32> g_wakeType{0};

MSG WindowMessage(const SDL_WindowEvent& w) {
  switch (w.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED: return {WM_ACTIVATEAPP, 1, 0};
    case SDL_WINDOWEVENT_FOCUS_LOST: return {WM_ACTIVATEAPP, 0, 0};
    case SDL_WINDOWEVENT_MOVED: return {WM_MOVE, 0, MAKELPARAM(w.data1, w.data2)};
    case SDL_WINDOWEVENT_SIZE_CHANGED: return {WM_SIZE, SIZE_RESTORED, MAKELPARAM(w.data1, w.data2)};
    case SDL_WINDOWEVENT_MINIMIZED: return {WM_SIZE, SIZE_MINIMIZED, 0};
    case SDL_WINDOWEVENT_MAXIMIZED: return {WM_SIZE, SIZE_MAXIMIZED, 0};
    case SDL_WINDOWEVENT_RESTORED: return {WM_SIZE, SIZE_RESTORED, 0};
    case SDL_WINDOWEVENT_EXPOSED: return {WM_PAINT, 0, 0};
    case SDL_WINDOWEVENT_CLOSE: return {WM_CLOSE, 0, 0};
    default: return {};
  }
}

MSG KeyMessage(const SDL_KeyboardEvent& k) {
  const int32_t vk = ScancodeToVirtualKey(k.keysym.scancode);
  if (vk == 0) return {};
  LPARAM lParam = 1 | (static_cast<LPARAM>(k.keysym.scancode & 0xFF) << 16);
  if (k.type == SDL_KEYUP) return {WM_KEYUP, static_cast<WPARAM>(vk), lParam | kKeyWasDownBit | kKeyUpBit};
  if (k.repeat != 0) lParam |= kKeyWasDownBit;
  return {WM_KEYDOWN, static_cast<WPARAM>(vk), lParam};
}

WPARAM HeldButtons(Uint32 state) {
  WPARAM held = 0;
  if ((state & SDL_BUTTON_LMASK) != 0) held |= MK_LBUTTON;
  if ((state & SDL_BUTTON_RMASK) != 0) held |= MK_RBUTTON;
  return held;
}

MSG ButtonMessage(const SDL_MouseButtonEvent& b) {
  struct Row {
    Uint8 button;
    UINT down, dblclk, up;
  };
  static constexpr Row kRows[] = {{SDL_BUTTON_LEFT, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONUP},
                                  {SDL_BUTTON_RIGHT, WM_RBUTTONDOWN, WM_RBUTTONDBLCLK, WM_RBUTTONUP}};
  NoteCursorPos(b.x, b.y);
  for (const Row& row : kRows) {
    if (row.button != b.button) continue;
    const UINT message = b.type == SDL_MOUSEBUTTONUP ? row.up : b.clicks >= 2 ? row.dblclk : row.down;
    return {message, HeldButtons(SDL_GetMouseState(nullptr, nullptr)), MAKELPARAM(b.x, b.y)};
  }
  return {};
}

}  // namespace window_pump

std::vector<MSG> TranslateSdlEvent(const SDL_Event& event) {
  MSG msg{};
  switch (event.type) {
    case SDL_WINDOWEVENT: msg = window_pump::WindowMessage(event.window); break;
    case SDL_QUIT: msg = {WM_CLOSE, 0, 0}; break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: msg = window_pump::KeyMessage(event.key); break;
    case SDL_MOUSEMOTION:
      NoteCursorPos(event.motion.x, event.motion.y);
      msg = {WM_MOUSEMOVE, window_pump::HeldButtons(event.motion.state), MAKELPARAM(event.motion.x, event.motion.y)};
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: msg = window_pump::ButtonMessage(event.button); break;
    default: break;
  }
  if (msg.message == 0) return {};
  return {msg};
}

void InstallWindowWake() {
  if (window_pump::g_wakeType.load() == 0) {
    const Uint32 type = SDL_RegisterEvents(1);
    if (type == static_cast<Uint32>(-1)) return;
    window_pump::g_wakeType = type;
  }
  SetWindowWakeHook([] {
    SDL_Event wake{};
    wake.type = window_pump::g_wakeType.load();
    SDL_PushEvent(&wake);
  });
}

void RemoveWindowWake() { SetWindowWakeHook(nullptr); }

Uint32 WindowWakeEventType() { return window_pump::g_wakeType.load(); }

void cWindowPump::HandleEvent(const SDL_Event& event) {
  SdlInputIntake().HandleEvent(event);
  for (const MSG& msg : TranslateSdlEvent(event)) {
    if (msg.message == WM_PAINT) m_bExposed = true;
    g_hWnd->CallProc(msg.message, msg.wParam, msg.lParam);
  }
}

bool cWindowPump::Turn() {
  SDL_Event event;
  while (SDL_PollEvent(&event)) HandleEvent(event);
  SdlInputIntake().PublishJoysticks();
  MSG msg;
  while (PeekMessage(&msg, g_hWnd, true)) {
    if (msg.message == WM_QUIT) {
      m_nExitCode = static_cast<int>(msg.wParam);
      return false;
    }
    DispatchMessage(&msg);
  }
  if (g_hWnd->HasQuit()) return false;
  if (!g_FramePresenter.PresentNewest() && m_bExposed) g_FramePresenter.PresentLast(nullptr);
  m_bExposed = false;
  return true;
}

bool cWindowPump::WaitAndTurn(int32_t timeoutMs) {
  SDL_Event event;
  if (SDL_WaitEventTimeout(&event, timeoutMs) != 0) HandleEvent(event);
  return Turn();
}

int cWindowPump::Run() {
  while (WaitAndTurn(1)) {
  }
  return m_nExitCode;
}
