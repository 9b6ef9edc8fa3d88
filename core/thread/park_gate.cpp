#include "core/thread/park_gate.h"

#include <thread>

namespace {
thread_local cParkGate* t_currentGate = nullptr;
}  // namespace

bool cParkGate::IsStillLocked() const {
  return parked_ || blockedDepth_ > 0 || !running_;
}

void cParkGate::RequestPark() {
  std::unique_lock lock(mutex_);
  ++parkRequests_;
  changed_.wait(lock, [this] { return IsStillLocked(); });
}

void cParkGate::AddParkRequest() {
  std::lock_guard lock(mutex_);
  ++parkRequests_;
}

void cParkGate::Release() {
  std::lock_guard lock(mutex_);
  if (parkRequests_ > 0) --parkRequests_;
  changed_.notify_all();
}

void cParkGate::ReleaseAll() {
  std::lock_guard lock(mutex_);
  parkRequests_ = 0;
  changed_.notify_all();
}

bool cParkGate::IsParkRequested() const {
  std::lock_guard lock(mutex_);
  return parkRequests_ > 0;
}

void cParkGate::ParkHere() {
  std::unique_lock lock(mutex_);
  if (parkRequests_ == 0) return;
  parked_ = true;
  changed_.notify_all();
  changed_.wait(lock, [this] { return parkRequests_ == 0; });
  parked_ = false;
}

void cParkGate::EnterBlocked() {
  std::lock_guard lock(mutex_);
  ++blockedDepth_;
  changed_.notify_all();
}

void cParkGate::LeaveBlocked() {
  bool outermost;
  {
    std::lock_guard lock(mutex_);
    if (blockedDepth_ > 0) --blockedDepth_;
    outermost = blockedDepth_ == 0;
  }
  // Coming back from a send while a park is asked for: stop here, as a thread
  // suspended during the send would not have run on.
  if (outermost) ParkHere();
}

void cParkGate::SetRunning(bool running) {
  std::lock_guard lock(mutex_);
  running_ = running;
  changed_.notify_all();
}

cParkGate* CurrentParkGate() { return t_currentGate; }

void SetCurrentParkGate(cParkGate* gate) { t_currentGate = gate; }

void ParkPoint() {
  if (cParkGate* gate = CurrentParkGate()) gate->ParkHere();
}

void ParkingSleep(unsigned milliseconds) {
  ParkPoint();
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

cBlockedScope::cBlockedScope() : gate_(CurrentParkGate()) {
  if (gate_) gate_->EnterBlocked();
}

cBlockedScope::~cBlockedScope() {
  if (gate_) gate_->LeaveBlocked();
}
