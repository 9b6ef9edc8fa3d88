#pragma once
// Where the mouse pointer is, in frame coordinates (the 640 x 480 frame the
// game draws; the renderer's logical size makes SDL's mouse events arrive in
// them). The window thread notes every motion; any thread may read it.
// Frame coordinates play the part of screen coordinates for the window
// framework: the main window's client area is the frame, and dialogs are
// placed inside it.

#include "platform/ui/window_messages.h"

// False (and nothing written) while the pointer has never been over the frame.
bool GetCursorPos(POINT* point);
// Moves the pointer over the frame (warped when a window is shown) and notes
// the position at once, so a following GetCursorPos sees it.
bool SetCursorPos(int32_t x, int32_t y);
// The pump's note of an event's position.
void NoteCursorPos(int32_t x, int32_t y);
// Tests: back to "never seen".
void ForgetCursorPos();
