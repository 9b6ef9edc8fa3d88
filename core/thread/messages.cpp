#include "core/thread/messages.h"


#include "core/thread/window_queue.h"

namespace {
// Built before main() and never destroyed: an early close request is kept, and a
// thread still running while the process ends never meets a destroyed queue.
union MainWindowQueue {
  cWindowQueue queue;
  MainWindowQueue() : queue() {}
  ~MainWindowQueue() {}
};
MainWindowQueue g_mainWindowQueue;

// How long a change of a wait's done() condition may go unnoticed when nobody
// wakes the waiter: the 1 ms of the program's polling waits.
constexpr std::chrono::milliseconds kWaitPollInterval{1};
}  // namespace

HWND g_hWnd = &g_mainWindowQueue.queue;

bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!hwnd) return false;
  hwnd->Post(MSG{msg, wParam, lParam});
  return true;
}

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!hwnd) return 0;
  LRESULT result = 0;
  hwnd->CallServed([=] { return hwnd->CallProc(msg, wParam, lParam); }, &result);
  return result;
}

void SetWindowThread() { g_hWnd->SetOwnerThread(); }

bool IsWindowThread() { return g_hWnd->IsOwnerThread(); }

void SetWindowProc(WindowProc proc) { g_hWnd->SetProc(std::move(proc)); }

LRESULT CallOnWindowThread(std::function<LRESULT()> fn) {
  LRESULT result = 0;
  if (!g_hWnd->CallServed(fn, &result)) result = fn();
  return result;
}

bool PeekMessage(MSG* msg, HWND hwnd, bool remove) {
  return hwnd && msg && hwnd->Peek(msg, remove);
}

bool GetMessage(MSG* msg, HWND hwnd) { return hwnd && msg && hwnd->Get(msg); }

LRESULT DispatchMessage(const MSG* msg) {
  return msg ? g_hWnd->CallProc(msg->message, msg->wParam, msg->lParam) : 0;
}

bool PumpMessages() {
  MSG msg;
  while (PeekMessage(&msg, g_hWnd, true)) {
    if (msg.message == WM_QUIT) return false;
    DispatchMessage(&msg);
  }
  return !g_hWnd->HasQuit();
}

void PostQuitMessage(int exitCode) {
  PostMessage(g_hWnd, WM_QUIT, static_cast<WPARAM>(exitCode), 0);
}

void RequestClose() { PostMessage(g_hWnd, WM_CLOSE, 0, 0); }

void WaitServingSends(std::function<bool()> done) {
  g_hWnd->WaitServingSends(done, kWaitPollInterval);
}

void WakeWindowThread() { g_hWnd->Wake(); }

void SetWindowWakeHook(std::function<void()> hook) { g_hWnd->SetWakeHook(std::move(hook)); }

void ResetWindowQueue() { g_hWnd->Reset(); }
