#include "core/thread/thread_queue.h"

#include <map>

namespace {

struct Registry {
  std::mutex mutex;
  std::map<std::uint32_t, std::shared_ptr<cThreadQueue>> queues;
};

// Never destroyed: a thread may end while the process is ending.
Registry& TheRegistry() {
  static Registry* registry = new Registry;
  return *registry;
}

thread_local cThreadQueue* t_currentQueue = nullptr;

}  // namespace

void cThreadQueue::Post(const MSG& msg) {
  std::lock_guard lock(mutex_);
  posted_.push_back(msg);
  if (msg.message == WM_QUIT) quitPosted_ = true;
}

bool cThreadQueue::Peek(MSG* msg, bool remove) {
  std::lock_guard lock(mutex_);
  if (posted_.empty()) return false;
  *msg = posted_.front();
  if (remove) posted_.pop_front();
  return true;
}

bool cThreadQueue::Contains(UINT message) const {
  std::lock_guard lock(mutex_);
  for (const MSG& msg : posted_) {
    if (msg.message == message) return true;
  }
  return false;
}

bool cThreadQueue::QuitPosted() const {
  std::lock_guard lock(mutex_);
  return quitPosted_;
}

void RegisterThreadQueue(std::uint32_t threadId, std::shared_ptr<cThreadQueue> queue) {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  registry.queues[threadId] = std::move(queue);
}

void UnregisterThreadQueue(std::uint32_t threadId) {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  registry.queues.erase(threadId);
}

void SetCurrentThreadQueue(cThreadQueue* queue) { t_currentQueue = queue; }

bool PostThreadMessage(std::uint32_t threadId, UINT msg, WPARAM wParam, LPARAM lParam) {
  std::shared_ptr<cThreadQueue> queue;
  {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    auto found = registry.queues.find(threadId);
    if (found == registry.queues.end()) return false;
    queue = found->second;
  }
  queue->Post(MSG{msg, wParam, lParam});
  return true;
}

bool PeekThreadMessage(MSG* msg, bool remove) {
  return t_currentQueue && msg && t_currentQueue->Peek(msg, remove);
}

bool ThreadQuitRequested() { return t_currentQueue && t_currentQueue->QuitPosted(); }
