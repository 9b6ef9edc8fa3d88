#pragma once
// Shared set-up for the thread tests: the test's own thread is the window thread,
// the window procedure records what reaches it, and a watchdog turns a deadlock
// into a failure instead of a hang. Waits here are bounded only as a watchdog.

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "core/thread/messages.h"
#include "core/thread/window_queue.h"

// Aborts the test binary when not cancelled in time: a deadlock fails loudly.
class Watchdog {
 public:
  explicit Watchdog(int seconds = 20)
      : thread_([this, seconds] {
          std::unique_lock lock(mutex_);
          if (!changed_.wait_for(lock, std::chrono::seconds(seconds), [this] { return done_; })) {
            std::fprintf(stderr, "watchdog: the test hung (deadlock?)\n");
            std::abort();
          }
        }) {}
  ~Watchdog() {
    {
      std::lock_guard lock(mutex_);
      done_ = true;
    }
    changed_.notify_all();
    thread_.join();
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool done_ = false;
  std::thread thread_;
};

// Waits until pred() holds, serving sends when called on the window thread.
// False when it still does not hold after the watchdog time.
inline bool WaitUntil(const std::function<bool()>& pred, int seconds = 10) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  WaitServingSends([&] { return pred() || std::chrono::steady_clock::now() >= deadline; });
  return pred();
}

// Waits until pred() holds without serving anything (a worker must stay blocked).
inline bool WaitUntilWithoutServing(const std::function<bool()>& pred, int seconds = 10) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (!pred() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return pred();
}

struct RecordedMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  std::thread::id thread;
};

class WindowFixture : public ::testing::Test {
 protected:
  // Also used by table tests to start each case afresh.
  void SetUp() override {
    ResetWindowQueue();
    {
      std::lock_guard lock(mutex_);
      handled_.clear();
    }
    handledCount_ = 0;
    SetWindowThread();
    SetWindowProc([this](HWND, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
      {
        std::lock_guard lock(mutex_);
        handled_.push_back({msg, wParam, lParam, std::this_thread::get_id()});
      }
      ++handledCount_;
      return onMessage_ ? onMessage_(msg, wParam, lParam) : 0;
    });
  }
  void TearDown() override { ResetWindowQueue(); }

  std::vector<RecordedMessage> Handled() {
    std::lock_guard lock(mutex_);
    return handled_;
  }

  // What the window procedure answers; set before any worker starts.
  std::function<LRESULT(UINT, WPARAM, LPARAM)> onMessage_;
  std::atomic<int> handledCount_{0};
  Watchdog watchdog_;

 private:
  std::mutex mutex_;
  std::vector<RecordedMessage> handled_;
};
