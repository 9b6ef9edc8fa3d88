#pragma once
// cMainWindow: the game's window. Create makes the SDL window and its one
// renderer on the window thread as the display settings ask, hands both to the
// graphics device (SetDisplayTarget, before DDInit) and sends WM_CREATE to the
// window procedure; Destroy sends WM_DESTROY and lets them go.
//
//   g_MainWindow.Setup(nullptr, &g_WindowRegistry);
//   g_MainWindow.Create({nWindowMode, bDirect3D, bVSync});
//   DDInit(..., g_hWnd, ...);            // takes DisplayRenderer()
//   cWindowPump pump; pump.Run();        // window_pump.h
//
// The renderer's logical size is the 640 x 480 frame, so mouse events arrive
// in frame coordinates whatever the window's size.

#include <SDL.h>

#include "platform/ui/sdl_window_host.h"
#include "platform/ui/window.h"

// How the display is shown.
struct cDisplayWindowSettings {
  int32_t nWindowMode = 1;  // 0 full-screen desktop, 1 a 640 x 480 client, 2 the same, resizable in Direct3D mode
  int32_t bDirect3D = 1;
  int32_t bVSync = 1;
  bool bHidden = false;     // tests: never shown
};

// The style a window with those settings gets: a captioned window, sizable when the
// settings let the user resize it; a bare popup in full screen.
uint32_t MainWindowStyle(const cDisplayWindowSettings& settings);

class cMainWindow : public cWindow {
 public:
  cMainWindow() : cWindow(0) {}
  ~cMainWindow() override;

  virtual void OnCreate(WPARAM wParam, LPARAM lParam);
  // The common dispatcher, then OnCreate on WM_CREATE.
  LRESULT HandleMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPaint() override;
  void Setup(HWND parent, cWindowRegistry* registry) { cWindow::Setup(0, parent, registry); }

  // False (nothing created, the reason in the report log) when SDL cannot
  // make the window or a renderer.
  bool Create(const cDisplayWindowSettings& settings);
  void Destroy();
  SDL_Window* SdlWindow() const { return m_Host.Window(); }
  SDL_Renderer* Renderer() const { return m_lpRenderer; }

 private:
  cSdlWindowHost m_Host;
  SDL_Renderer* m_lpRenderer = nullptr;
};

// The one main window, built without a window.
extern cMainWindow g_MainWindow;
