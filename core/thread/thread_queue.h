#pragma once
// Thread messages: every worker started by cThread has its own queue of posted
// messages, reachable by the thread's id. The controller posts WM_QUIT to ask the
// worker to stop; the worker looks at its queue at its safe points and returns.

#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>

#include "core/thread/messages.h"

class cThreadQueue {
 public:
  void Post(const MSG& msg);
  bool Peek(MSG* msg, bool remove);
  bool Contains(UINT message) const;
  // True once WM_QUIT was posted, whether or not it was taken since.
  bool QuitPosted() const;

 private:
  mutable std::mutex mutex_;
  std::deque<MSG> posted_;
  bool quitPosted_ = false;
};

// Makes a queue reachable by id (while its thread lives) or forgets it.
void RegisterThreadQueue(std::uint32_t threadId, std::shared_ptr<cThreadQueue> queue);
void UnregisterThreadQueue(std::uint32_t threadId);
// The queue of the calling thread: set by the thread's entry, null elsewhere.
void SetCurrentThreadQueue(cThreadQueue* queue);

// Posts to the thread with that id; false when no such thread is running.
bool PostThreadMessage(std::uint32_t threadId, UINT msg, WPARAM wParam, LPARAM lParam);

// Worker side, on the calling thread's own queue (false on threads without one).
bool PeekThreadMessage(MSG* msg, bool remove);
// True once the calling worker was asked to stop (WM_QUIT posted to it). The answer
// stays true, so nested loops and the outer loop all see it.
bool ThreadQuitRequested();
