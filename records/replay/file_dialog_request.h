#pragma once
// The game thread's file-dialog requests to the window thread (open a stage file,
// open a replay, save a replay). The asker clears g_bFileDialogDone, sends the
// request to the main window and waits, polling every millisecond, until the
// window thread has run the dialog and set the flag; g_bFileDialogOk then says
// whether a file was chosen and handled.

#include <atomic>
#include <cstdint>

#include "core/thread/messages.h"

// Set to 1 by the window thread when a requested file dialog has finished.
extern std::atomic<int32_t> g_bFileDialogDone;
// The result of that dialog: not 0 when a file was chosen and handled.
extern std::atomic<int32_t> g_bFileDialogOk;

// Asks the main window for the dialog of msg (WM_APP_OPEN_STAGE,
// WM_APP_OPEN_REPLAY or WM_APP_SAVE_REPLAY) and waits until it is done; the
// result is g_bFileDialogOk (1 or 0). When no window thread serves the request
// (it has quit) the wait ends at once with 0, so a worker never waits for ever.
int RequestFileDialog(UINT msg, WPARAM wParam);
