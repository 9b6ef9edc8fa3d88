#pragma once
// The message box presenter of the platform layer: SDL's message box, with the
// program's CP932 texts converted to UTF-8 and the box types mapped to buttons.

#include <SDL.h>

// Shows the box (owned by the parent window when one is set) and returns the id
// of the pressed button; closing the box without a button gives the type's safe
// default. kMesBoxNotShown when no box can be shown here (no display, the dummy or
// offscreen video driver, an SDL failure). Call on the window thread.
int ShowSdlMessageBox(const char* text, const char* caption, unsigned type);

// False where SDL could not show a box, or where one would never be seen.
bool SdlMessageBoxAvailable();

// The window that owns the boxes (the program's active window); null for none.
void SetMesBoxParentWindow(SDL_Window* window);

// Tests: replaces SDL_ShowMessageBox (same contract); null restores it. A
// replacement is used whether or not a display exists.
using SdlShowMessageBoxFn = int (*)(const SDL_MessageBoxData* data, int* buttonId);
void SetSdlShowMessageBoxFunction(SdlShowMessageBoxFn fn);

// The presenter MesBox uses: through DDMesBox on a full-screen display after the
// display set-up, else the plain box.
int PresentMesBox(const char* text, const char* caption, unsigned type);

// Makes MesBox show its boxes with PresentMesBox.
void InstallMesBoxPresenter();
