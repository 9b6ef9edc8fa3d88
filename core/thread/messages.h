#pragma once
// The program's window messages between threads. The main window is a message
// queue owned by the window thread (the process's main thread); other threads post
// to it (asynchronous) or send to it (block until the window thread has handled the
// message and take its result). A send from the window thread itself is a direct call.

#include <cstdint>

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using UINT = std::uint32_t;

// Message numbers. The private ones keep the values the data and callers expect.
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_APP_RANKING_NAME = 0x401;
constexpr UINT WM_APP_OPEN_STAGE = 0x402;
constexpr UINT WM_APP_OPEN_REPLAY = 0x403;
constexpr UINT WM_APP_SAVE_REPLAY = 0x404;
constexpr UINT WM_APP_PLAY_SOUND = 0x405;
constexpr UINT WM_APP_BGM = 0x406;
constexpr UINT WM_APP_RESTORE_DEVICE = 0x464;
constexpr UINT WM_APP_THREAD_START = 0x8000;

struct MSG {
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

class cWindowQueue;
using HWND = cWindowQueue*;

// The main window. Never null: the queue exists before main() runs, so a close
// request posted before the window is created is kept and handled later.
extern HWND g_hWnd;

// Post to a window's queue without waiting. False only for a null window.
bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Deliver to the window's procedure and wait for its result. On the window thread
// this calls the procedure directly. Returns 0 when the window thread has stopped
// serving messages (after quit), so a worker never waits for ever.
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
