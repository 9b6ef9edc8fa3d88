#include "core/thread/thread.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "core/log/ec_log.h"
#include "core/log/report_log.h"
#include "core/thread/messages.h"
#include "core/thread/park_gate.h"
#include "core/thread/thread_queue.h"

namespace {

// The poll from which Exit reports a thread that does not end.
constexpr int kExitPollsBeforeReport = 200;
constexpr int kExitPollMilliseconds = 1;

std::uint32_t NextThreadId() {
  static std::atomic<std::uint32_t> next{1};
  std::uint32_t id = next.fetch_add(1);
  return id != 0 ? id : next.fetch_add(1);  // 0 means "no thread"
}

}  // namespace

namespace {
// The state of the cThread running the calling thread; null on other threads.
thread_local const void* t_currentState = nullptr;
}  // namespace

struct cThread::State {
  std::uint32_t id = 0;
  cParkGate gate;
  std::shared_ptr<cThreadQueue> queue = std::make_shared<cThreadQueue>();
  std::atomic<bool> ended{false};
  std::mutex mutex;
  std::condition_variable endedChanged;
  std::thread thread;

  bool IsSelf() const { return t_currentState == this; }

  void Run(const std::function<void()>& body) {
    t_currentState = this;
    SetCurrentParkGate(&gate);
    SetCurrentThreadQueue(queue.get());
    try {
      body();
    } catch (...) {
      // A worker must not take the process down; its caller sees it ended.
      ReportLogBoth("thread %u ended by an exception", static_cast<unsigned>(id));
    }
    SetCurrentParkGate(nullptr);
    SetCurrentThreadQueue(nullptr);
    t_currentState = nullptr;
    UnregisterThreadQueue(id);
    gate.SetRunning(false);
    {
      std::lock_guard lock(mutex);
      ended = true;
    }
    endedChanged.notify_all();
    WakeWindowThread();
  }
};

cThread::~cThread() { Exit(); }

int cThread::Start(ThreadProc proc, void* argument) {
  if (!proc) return 0;
  return Start([proc, argument] { proc(argument); });
}

int cThread::Start(std::function<void()> body) {
  if (!body) return 0;
  if (m_hThread) {
    if (!HasEnded()) return 0;
    Release();
  }
  auto state = std::make_shared<State>();
  state->id = NextThreadId();
  RegisterThreadQueue(state->id, state->queue);
  state->gate.SetRunning(true);
  // Held before the thread runs, so the thread may use its own object at once.
  m_dwThreadId = state->id;
  m_hThread = state;
  try {
    state->thread = std::thread([state, body = std::move(body)] { state->Run(body); });
  } catch (...) {
    UnregisterThreadQueue(state->id);
    m_hThread.reset();
    m_dwThreadId = 0;
    return 0;
  }
  return 1;
}

bool cThread::HasEnded() const { return m_hThread && m_hThread->ended; }

bool cThread::WaitEnded(int milliseconds) {
  State& state = *m_hThread;
  const auto limit = std::chrono::milliseconds(milliseconds);
  if (IsWindowThread()) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    WaitServingSends([&] {
      return state.ended || (milliseconds >= 0 && std::chrono::steady_clock::now() >= deadline);
    });
    return state.ended;
  }
  cBlockedScope blocked;
  std::unique_lock lock(state.mutex);
  auto ended = [&] { return state.ended.load(); };
  if (milliseconds < 0) {
    state.endedChanged.wait(lock, ended);
    return true;
  }
  return state.endedChanged.wait_for(lock, limit, ended);
}

void cThread::Release() {
  if (m_hThread->thread.joinable()) {
    if (m_hThread->IsSelf()) {
      m_hThread->thread.detach();
    } else {
      m_hThread->thread.join();
    }
  }
  m_hThread.reset();
  m_dwThreadId = 0;
}

void cThread::Wait() {
  if (!m_hThread || m_hThread->IsSelf()) return;  // a thread cannot outlive its own wait
  WaitEnded(-1);
  Release();
}

bool cThread::Suspend() {
  if (!m_hThread) return true;
  if (m_hThread->IsSelf()) {
    m_hThread->gate.AddParkRequest();
    m_hThread->gate.ParkHere();
    return true;
  }
  m_hThread->gate.RequestPark();
  return true;
}

bool cThread::Resume() {
  if (m_hThread) m_hThread->gate.Release();
  return true;
}

void cThread::Exit() {
  if (!m_hThread) return;
  cThreadQueue& queue = *m_hThread->queue;
  const MSG quit{WM_QUIT, 0, 0};
  if (m_hThread->IsSelf()) {
    queue.Post(quit);  // it returns at its next look at its queue
    return;
  }
  m_hThread->gate.ReleaseAll();
  EcLog("Exit A");
  queue.Post(quit);
  EcLog("Exit B");
  EcLog("Exit C");
  for (int polls = 1; !WaitEnded(kExitPollMilliseconds); ++polls) {
    // Keep one quit waiting, for a worker whose inner loop took the first one.
    if (!queue.Contains(WM_QUIT)) queue.Post(quit);
    if (polls == kExitPollsBeforeReport) {
      ReportLogBoth("thread %u has not ended after %d polls; still waiting for it",
                    static_cast<unsigned>(m_dwThreadId), polls);
    }
  }
  EcLog("Exit D");
  Release();
  EcLog("Exit E");
}
