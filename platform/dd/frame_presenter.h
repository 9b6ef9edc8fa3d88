#pragma once
// The window-thread side of presenting: the one streaming texture of the
// renderer, scaled nearest-neighbour into the window with 4:3 kept and black
// bars. The window framework creates the window and its renderer and names
// them here before the device opens (platform/ui/main_window.h).
//
//   g_MainWindow.Create(settings);              // calls SetDisplayTarget(window, renderer)
//   DDInit(...);                            // opens the presenter on that renderer
//   ... each frame on the window thread:  g_FramePresenter.PresentNewest();

#include <SDL.h>

#include <cstdint>
#include <vector>

#include "platform/dd/frame_handoff.h"

void SetDisplayTarget(SDL_Window* window, SDL_Renderer* renderer);
SDL_Window* DisplayWindow();
SDL_Renderer* DisplayRenderer();

class cFramePresenter {
 public:
  bool Open(SDL_Renderer* renderer, int32_t width, int32_t height);
  void Close();
  bool IsOpen() const { return m_lpTexture != nullptr; }

  // Uploads the newest posted frame and presents it; false when none came.
  bool PresentNewest();
  // Presents the last frame again with a 640 x 480 ARGB dialog layer on top
  // (null for none); false before the first frame.
  bool PresentLast(const uint32_t* dialogLayer);
  const cHandoffFrame& LastFrame() const { return m_last; }

  // Where the frame lands in an output of that size.
  static SDL_Rect FrameRect(int32_t outputW, int32_t outputH, int32_t frameW, int32_t frameH);

 private:
  void Draw(const uint32_t* dialogLayer);

  SDL_Renderer* m_lpRenderer = nullptr;
  SDL_Texture* m_lpTexture = nullptr;
  SDL_Texture* m_lpDialog = nullptr;
  cHandoffFrame m_last;
  int32_t m_nWidth = 0;
  int32_t m_nHeight = 0;
};

extern cFramePresenter g_FramePresenter;
