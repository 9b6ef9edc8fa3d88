#pragma once
// The gate that stands in for suspending a worker. Nothing is ever suspended from
// outside: the controller asks the worker to park, and the worker stops at its next
// safe point (frame start, sleep loops) until it is released. A worker blocked in a
// send to the window counts as parked: it cannot touch shared state until the send
// returns, and on its way out it parks if a park is still asked for.

#include <condition_variable>
#include <mutex>

class cParkGate {
 public:
  // Controller side. Park requests nest: each RequestPark needs one Release.
  // RequestPark returns once the worker is parked, blocked, or not running.
  void RequestPark();
  // Counts a park request without waiting (a thread parking itself).
  void AddParkRequest();
  void Release();
  // Forgets every park request at once (used when a thread is stopped).
  void ReleaseAll();
  bool IsParkRequested() const;

  // Worker side: a safe point. Returns at once unless a park is asked for.
  void ParkHere();
  // Around a blocking wait on another thread (a send); nests.
  void EnterBlocked();
  void LeaveBlocked();
  // Whether the worker runs at all; a gate whose worker is not running never
  // makes RequestPark wait.
  void SetRunning(bool running);

 private:
  bool IsStillLocked() const;  // parked, blocked or not running; mutex held

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  int parkRequests_ = 0;
  int blockedDepth_ = 0;
  bool parked_ = false;
  bool running_ = false;
};

// The gate of the calling thread: set by the thread's entry, null elsewhere.
cParkGate* CurrentParkGate();
void SetCurrentParkGate(cParkGate* gate);

// The calling worker's safe point; does nothing on threads without a gate.
void ParkPoint();
// A worker's sleep in a waiting loop: a safe point, then the sleep.
void ParkingSleep(unsigned milliseconds);

// Marks the calling thread as blocked on another thread for its lifetime.
class cBlockedScope {
 public:
  cBlockedScope();
  ~cBlockedScope();
  cBlockedScope(const cBlockedScope&) = delete;
  cBlockedScope& operator=(const cBlockedScope&) = delete;

 private:
  cParkGate* gate_;
};
