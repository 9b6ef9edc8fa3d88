#include "platform/ui/main_window.h"

#include "core/log/report_log.h"
#include "core/thread/window_queue.h"
#include "platform/dd/frame_presenter.h"
#include "platform/ui/sdl_message_box.h"
#include "platform/ui/window_pump.h"

cMainWindow g_MainWindow;

namespace main_window {

Uint32 WindowFlags(const cDisplayWindowSettings& settings) {
  Uint32 flags = settings.bHidden ? SDL_WINDOW_HIDDEN : SDL_WINDOW_SHOWN;
  if (settings.nWindowMode == 0) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  if ((MainWindowStyle(settings) & WS_THICKFRAME) != 0) flags |= SDL_WINDOW_RESIZABLE;
  return flags;
}

SDL_Renderer* CreateRenderer(SDL_Window* window, bool vsync) {
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, vsync ? SDL_RENDERER_PRESENTVSYNC : 0);
  if (renderer == nullptr) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  return renderer;
}

}  // namespace main_window

uint32_t MainWindowStyle(const cDisplayWindowSettings& settings) {
  if (settings.nWindowMode == 0) return WS_POPUP;
  const uint32_t style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  return settings.nWindowMode == 2 && settings.bDirect3D != 0 ? style | WS_THICKFRAME | WS_MAXIMIZEBOX : style;
}

cMainWindow::~cMainWindow() {
  // The global outlives SDL; a window still open at exit is SDL_Quit's.
}

void cMainWindow::OnCreate(WPARAM, LPARAM) {}

void cMainWindow::OnPaint() {}

LRESULT cMainWindow::HandleMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = cWindow::HandleMessage(hWnd, message, wParam, lParam);
  if (message == WM_CREATE) OnCreate(wParam, lParam);
  return result;
}

bool cMainWindow::Create(const cDisplayWindowSettings& settings) {
  if (HasWindow()) return true;
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    ReportLog("SDL video: %s", SDL_GetError());
    return false;
  }
  // The close box must reach the window procedure once, as WM_CLOSE, never as
  // a second quit event.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  SDL_Window* window =
      SDL_CreateWindow("", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 640, 480, main_window::WindowFlags(settings));
  if (window == nullptr) {
    ReportLog("SDL_CreateWindow: %s", SDL_GetError());
    return false;
  }
  m_lpRenderer = main_window::CreateRenderer(window, settings.bVSync != 0);
  if (m_lpRenderer == nullptr) {
    ReportLog("SDL_CreateRenderer: %s", SDL_GetError());
    SDL_DestroyWindow(window);
    return false;
  }
  SDL_RenderSetLogicalSize(m_lpRenderer, 640, 480);
  // An input method would swallow the letter keys the game reads; only a
  // dialog's edit switches text input on.
  SDL_StopTextInput();
  m_Host.SetWindow(window);
  m_dwStyle = MainWindowStyle(settings);
  m_rcClient = m_rcRequested = RECT{0, 0, 640, 480};
  AttachHost(&m_Host);
  m_hWnd = g_hWnd;
  SetDisplayTarget(window, m_lpRenderer);
  SetMesBoxParentWindow(window);
  InstallWindowWake();
  g_hWnd->CallProc(WM_CREATE, 0, 0);
  return true;
}

void cMainWindow::Destroy() {
  if (!HasWindow()) return;
  g_hWnd->CallProc(WM_DESTROY, 0, 0);
  RemoveWindowWake();
  g_FramePresenter.Close();
  SetMesBoxParentWindow(nullptr);
  SetDisplayTarget(nullptr, nullptr);
  SDL_DestroyRenderer(m_lpRenderer);
  SDL_DestroyWindow(m_Host.Window());
  m_lpRenderer = nullptr;
  m_Host.SetWindow(nullptr);
  m_hWnd = nullptr;
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
