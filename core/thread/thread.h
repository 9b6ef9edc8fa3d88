#pragma once
// A worker thread object. Workers are never suspended or killed from outside:
// Suspend asks the worker to park at its next safe point (ParkPoint, ParkingSleep,
// or a send to the window, which counts as parked), and Exit asks it to stop
// through its thread queue (WM_QUIT) and waits until it has returned.

#include <cstdint>
#include <functional>
#include <memory>

using ThreadProc = unsigned (*)(void* argument);

class cThread {
 public:
  cThread() = default;
  ~cThread();  // Exit
  cThread(const cThread&) = delete;
  cThread& operator=(const cThread&) = delete;

  // Starts a thread running proc(argument); 1, or 0 when none could be started.
  // The thread's queue exists before Start returns, so a thread message posted
  // right after is kept. An object still holding a running thread refuses (0).
  int Start(ThreadProc proc, void* argument);
  int Start(std::function<void()> body);

  // Waits until the thread has ended by itself, then lets it go. On the window
  // thread, sends are served meanwhile; on a worker the wait counts as parked.
  void Wait();

  // Asks the thread to park and returns once it is parked, blocked in a send, or
  // not running. Requests nest; each Suspend needs one Resume. True when no thread
  // is held or the request was made. From the thread itself it parks at once and
  // returns after the matching Resume.
  bool Suspend();
  bool Resume();

  // Stops the thread: releases every park, posts WM_QUIT to its queue and waits
  // until it has returned, then lets it go. Nothing when no thread is held. A
  // thread that never looks at its queue is waited for without end (it is never
  // killed); from the 200th poll on this is logged once.
  void Exit();

  bool IsHeld() const { return m_hThread != nullptr; }
  // Whether the held thread's procedure has returned (false when none is held).
  bool HasEnded() const;
  std::uint32_t GetThreadId() const { return m_dwThreadId; }

 private:
  struct State;
  // Waits up to the given number of milliseconds (without end when negative) for
  // the thread to end; true when it has.
  bool WaitEnded(int milliseconds);
  void Release();

  std::uint32_t m_dwThreadId = 0;
  std::shared_ptr<State> m_hThread;
};
