#pragma once
// The main window's message queue. Posted messages wait in order until the window
// thread takes them; a send waits until the window thread runs it. The window
// thread is whichever thread called SetOwnerThread (the app's main thread; a test's
// own thread in tests). Nothing here holds the lock while running a procedure, so a
// procedure may post, send to itself, or run a nested loop.

#include <condition_variable>  // also std::chrono durations; <chrono> itself
                                 // does not build with the CP932 literal charset
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "core/thread/messages.h"

class cWindowQueue {
 public:
  // The calling thread becomes the window thread and serves sends from now on.
  void SetOwnerThread();
  bool IsOwnerThread() const;
  // True from SetOwnerThread until the window thread takes WM_QUIT.
  bool IsServing() const;
  // True once the window thread took WM_QUIT.
  bool HasQuit() const;

  void SetProc(WindowProc proc);
  // Runs the window procedure on the calling thread; 0 without a procedure.
  LRESULT CallProc(UINT msg, WPARAM wParam, LPARAM lParam);
  // Called after every post or send, from the posting thread: lets the app wake a
  // loop that sleeps in its own event wait.
  void SetWakeHook(std::function<void()> hook);

  void Post(const MSG& msg);
  // Runs fn on the window thread and waits for it; runs it directly on the window
  // thread. False, with fn not run, when no window thread serves (before it is
  // registered, after quit, or when the queue is reset while waiting).
  bool CallServed(const std::function<LRESULT()>& fn, LRESULT* result);

  // Takes (or, without remove, looks at) the oldest posted message. On the window
  // thread pending sends are served first, and taking WM_QUIT ends serving.
  bool Peek(MSG* msg, bool remove);
  // Window thread: waits for a posted message, serving sends meanwhile; false
  // once it took WM_QUIT.
  bool Get(MSG* msg);
  // Sends waiting for the window thread.
  int PendingSends() const;
  // Window thread: serves every pending send. Returns how many it ran.
  int ServeSends();
  // Waits until done() is true. On the window thread sends are served while
  // waiting; pollInterval bounds how long a change of done() may go unnoticed.
  void WaitServingSends(const std::function<bool()>& done,
                        std::chrono::milliseconds pollInterval);
  // Wakes threads waiting in Get or WaitServingSends so they look again.
  void Wake();
  // Ends serving: pending and later sends return 0 at once.
  void StopServing();

  // Back to the state before any thread used it (tests).
  void Reset();

 private:
  struct PendingCall;
  void ServeOneLocked(std::unique_lock<std::mutex>& lock);
  bool TakePostedLocked(MSG* msg, bool remove);
  void StopServingLocked();
  void RunWakeHook();

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<MSG> posted_;
  std::deque<std::shared_ptr<PendingCall>> calls_;
  std::thread::id owner_;
  bool serving_ = false;
  bool quit_ = false;
  WindowProc proc_;
  std::function<void()> wakeHook_;
};
