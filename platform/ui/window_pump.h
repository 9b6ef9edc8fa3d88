#pragma once
// The window thread's pump. Each turn takes SDL's events (the input intake
// keeps the key table and joysticks; window, key and mouse events become the
// framework's messages for the window procedure), publishes the joysticks,
// dispatches the posted messages and presents the newest frame.
//
//   cWindowPump pump;
//   while (pump.WaitAndTurn(1)) {}       // until WM_QUIT
//
// A dialog runs its own loop over the same translation (TranslateSdlEvent) and
// takes the events meanwhile.

#include <SDL.h>

#include <vector>

#include "platform/ui/window_messages.h"

// The framework messages an SDL event stands for (none for most); the cursor
// position of mouse events is noted on the way.
std::vector<MSG> TranslateSdlEvent(const SDL_Event& event);

// Makes every post and send to the window push an SDL event, so a thread
// waiting for SDL events wakes for them too. Idempotent.
void InstallWindowWake();
void RemoveWindowWake();
// The SDL event type the wake pushes (0 before InstallWindowWake).
Uint32 WindowWakeEventType();

class cWindowPump {
 public:
  // One SDL event: input intake, translation, the window procedure.
  void HandleEvent(const SDL_Event& event);
  // Every pending event, the joysticks, the posted messages, the newest frame
  // (the last one again after an exposure). False once WM_QUIT was taken.
  bool Turn();
  // Waits up to timeoutMs for an event (a post or send wakes it), then Turn.
  bool WaitAndTurn(int32_t timeoutMs);
  // Turns until WM_QUIT; its exit code.
  int Run();

 private:
  bool m_bExposed = false;
  int m_nExitCode = 0;
};
