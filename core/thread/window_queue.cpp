#include "core/thread/window_queue.h"

#include <optional>

#include "core/thread/park_gate.h"

struct cWindowQueue::PendingCall {
  enum class State { Waiting, Done, Refused };
  std::function<LRESULT()> fn;
  LRESULT result = 0;
  State state = State::Waiting;
};

void cWindowQueue::SetOwnerThread() {
  std::lock_guard lock(mutex_);
  owner_ = std::this_thread::get_id();
  serving_ = true;
  quit_ = false;
}

bool cWindowQueue::IsOwnerThread() const {
  std::lock_guard lock(mutex_);
  return owner_ == std::this_thread::get_id();
}

bool cWindowQueue::IsServing() const {
  std::lock_guard lock(mutex_);
  return serving_;
}

bool cWindowQueue::HasQuit() const {
  std::lock_guard lock(mutex_);
  return quit_;
}

void cWindowQueue::SetProc(WindowProc proc) {
  std::lock_guard lock(mutex_);
  proc_ = std::move(proc);
}

LRESULT cWindowQueue::CallProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  WindowProc proc;
  {
    std::lock_guard lock(mutex_);
    proc = proc_;
  }
  return proc ? proc(this, msg, wParam, lParam) : 0;
}

void cWindowQueue::SetWakeHook(std::function<void()> hook) {
  std::lock_guard lock(mutex_);
  wakeHook_ = std::move(hook);
}

void cWindowQueue::RunWakeHook() {
  std::function<void()> hook;
  {
    std::lock_guard lock(mutex_);
    hook = wakeHook_;
  }
  if (hook) hook();
}

void cWindowQueue::Post(const MSG& msg) {
  {
    std::lock_guard lock(mutex_);
    posted_.push_back(msg);
  }
  changed_.notify_all();
  RunWakeHook();
}

bool cWindowQueue::CallServed(const std::function<LRESULT()>& fn, LRESULT* result) {
  auto call = std::make_shared<PendingCall>();
  {
    std::lock_guard lock(mutex_);
    if (!serving_) return false;
    if (owner_ == std::this_thread::get_id()) {
      call.reset();
    } else {
      call->fn = fn;
      calls_.push_back(call);
    }
  }
  if (!call) {
    *result = fn();
    return true;
  }
  changed_.notify_all();
  RunWakeHook();
  cBlockedScope blocked;
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return call->state != PendingCall::State::Waiting; });
  *result = call->result;
  return call->state == PendingCall::State::Done;
}

void cWindowQueue::ServeOneLocked(std::unique_lock<std::mutex>& lock) {
  std::shared_ptr<PendingCall> call = calls_.front();
  calls_.pop_front();
  lock.unlock();
  LRESULT result = call->fn();
  lock.lock();
  call->result = result;
  call->state = PendingCall::State::Done;
  changed_.notify_all();
}

int cWindowQueue::PendingSends() const {
  std::lock_guard lock(mutex_);
  return static_cast<int>(calls_.size());
}

int cWindowQueue::ServeSends() {
  std::unique_lock lock(mutex_);
  if (owner_ != std::this_thread::get_id()) return 0;
  int served = 0;
  while (!calls_.empty()) {
    ServeOneLocked(lock);
    ++served;
  }
  return served;
}

bool cWindowQueue::TakePostedLocked(MSG* msg, bool remove) {
  if (posted_.empty()) return false;
  *msg = posted_.front();
  if (!remove) return true;
  posted_.pop_front();
  if (msg->message == WM_QUIT && owner_ == std::this_thread::get_id()) {
    quit_ = true;
    StopServingLocked();
  }
  return true;
}

bool cWindowQueue::Peek(MSG* msg, bool remove) {
  ServeSends();
  std::lock_guard lock(mutex_);
  return TakePostedLocked(msg, remove);
}

bool cWindowQueue::Get(MSG* msg) {
  std::unique_lock lock(mutex_);
  for (;;) {
    if (owner_ == std::this_thread::get_id() && !calls_.empty()) {
      ServeOneLocked(lock);
      continue;
    }
    if (TakePostedLocked(msg, true)) return msg->message != WM_QUIT;
    changed_.wait(lock);
  }
}

void cWindowQueue::WaitServingSends(const std::function<bool()>& done,
                                    std::chrono::milliseconds pollInterval) {
  // Off the window thread nothing is served; the waiter only waits, so it counts
  // as parked.
  std::optional<cBlockedScope> blocked;
  if (!IsOwnerThread()) blocked.emplace();
  for (;;) {
    ServeSends();
    if (done()) return;
    std::unique_lock lock(mutex_);
    bool serve = owner_ == std::this_thread::get_id();
    changed_.wait_for(lock, pollInterval, [&] { return serve && !calls_.empty(); });
  }
}

void cWindowQueue::Wake() {
  std::lock_guard lock(mutex_);
  changed_.notify_all();
}

void cWindowQueue::StopServingLocked() {
  serving_ = false;
  for (const auto& call : calls_) call->state = PendingCall::State::Refused;
  calls_.clear();
  changed_.notify_all();
}

void cWindowQueue::StopServing() {
  std::lock_guard lock(mutex_);
  StopServingLocked();
}

void cWindowQueue::Reset() {
  std::lock_guard lock(mutex_);
  StopServingLocked();
  posted_.clear();
  quit_ = false;
  owner_ = std::thread::id();
  proc_ = nullptr;
  wakeHook_ = nullptr;
}
