#pragma once
// The program's window messages between threads. The main window is a message
// queue owned by the window thread (the process's main thread); other threads post
// to it (asynchronous) or send to it (block until the window thread has handled the
// message and take its result). A send from the window thread itself is a direct call.

#include <cstdint>
#include <functional>

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

// The window procedure, set by the app; it runs on the window thread.
using WindowProc = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

// The main window. Never null: the queue exists before main() runs, so a close
// request posted before the window is created is kept and handled later.
extern HWND g_hWnd;

// Post to a window's queue without waiting. False only for a null window.
bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Deliver to the window's procedure and wait for its result. On the window thread
// this calls the procedure directly. Returns 0 at once when no window thread serves
// (none registered yet, or it has taken WM_QUIT), so a worker never waits for ever.
// A worker blocked here counts as parked (see park_gate.h).
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The calling thread becomes the window thread (the app's main thread; a test's own
// thread in tests): sends are served on it from now on, until it takes WM_QUIT.
void SetWindowThread();
bool IsWindowThread();
void SetWindowProc(WindowProc proc);

// Runs fn on the window thread and returns its result. Runs it directly when called
// on the window thread or when no window thread is serving.
LRESULT CallOnWindowThread(std::function<LRESULT()> fn);

// Takes (remove) or looks at the oldest posted message of hwnd. On the window
// thread, pending sends are served first; taking WM_QUIT there ends serving.
bool PeekMessage(MSG* msg, HWND hwnd, bool remove);
// Window thread: waits for a posted message, serving sends meanwhile. False once it
// took WM_QUIT.
bool GetMessage(MSG* msg, HWND hwnd);
// Hands a posted message to the window procedure.
LRESULT DispatchMessage(const MSG* msg);
// Window thread: serves pending sends and dispatches every posted message, without
// waiting. False once WM_QUIT was taken (the WM_QUIT itself is not dispatched).
bool PumpMessages();
// Asks the window thread to leave its message loop.
void PostQuitMessage(int exitCode);

// Any thread, any time: asks the program to close. Kept until the window handles it.
void RequestClose();

// Waits until done() is true, looking at it at least every millisecond. On the
// window thread it keeps serving sends while it waits (joining a worker, a nested
// dialog loop, a stage load), so a worker blocked in a send cannot deadlock it. On
// a worker it serves nothing and the wait counts as parked (see park_gate.h).
void WaitServingSends(std::function<bool()> done);
// Makes waiters in GetMessage / WaitServingSends look again at once.
void WakeWindowThread();
// Lets the app wake its own event wait after every post or send (any thread).
void SetWindowWakeHook(std::function<void()> hook);

// Tests: drops posted and pending messages, the window thread and the procedure.
void ResetWindowQueue();
