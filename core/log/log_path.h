#pragma once
// The file name of a log, read by any thread that writes a line and set by
// start-up (and tests) at any time.

#include <mutex>
#include <string>

class cLogPath {
 public:
  void Set(std::string path) {
    std::lock_guard<std::mutex> lock(mutex_);
    path_ = std::move(path);
  }
  std::string Get() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return path_;
  }

 private:
  mutable std::mutex mutex_;
  std::string path_;
};
