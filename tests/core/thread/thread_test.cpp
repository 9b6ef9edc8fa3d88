// cThread: start and wait, the cooperative stop through the thread queue, the park
// gate that stands in for suspension, and neither of them deadlocking against a
// worker blocked in a send to the window.

#include <atomic>
#include <string>
#include <thread>

#include "core/log/report_log.h"
#include "core/thread/messages.h"
#include "core/thread/park_gate.h"
#include "core/thread/thread.h"
#include "core/thread/thread_queue.h"
#include "support/temp_dir.h"
#include "window_fixture.h"

namespace {

using ThreadTest = WindowFixture;

unsigned AddOne(void* argument) {
  ++*static_cast<std::atomic<int>*>(argument);
  return 0;
}

// A worker of the usual shape: safe point at the top of each round, some work
// that must not be seen half done, and a look at its queue.
struct LoopingWorker {
  std::atomic<int> rounds{0};
  std::atomic<bool> inWork{false};

  void Run() {
    while (!ThreadQuitRequested()) {
      ParkPoint();
      inWork = true;
      std::this_thread::yield();
      inWork = false;
      ++rounds;
    }
  }
};

TEST_F(ThreadTest, StartRunsTheProcedureAndWaitLetsTheEndedThreadGo) {
  std::atomic<int> value{0};
  cThread thread;
  ASSERT_EQ(thread.Start(AddOne, &value), 1);
  EXPECT_TRUE(thread.IsHeld());
  EXPECT_NE(thread.GetThreadId(), 0u);
  thread.Wait();
  EXPECT_EQ(value, 1);
  EXPECT_FALSE(thread.IsHeld());
  EXPECT_EQ(thread.GetThreadId(), 0u);
}

TEST_F(ThreadTest, AnObjectWithoutAThreadAnswersAtOnce) {
  cThread thread;
  EXPECT_TRUE(thread.Suspend());
  EXPECT_TRUE(thread.Resume());
  thread.Wait();
  thread.Exit();
  EXPECT_FALSE(thread.IsHeld());
  EXPECT_EQ(thread.Start(nullptr, nullptr), 0);
}

TEST_F(ThreadTest, StartRefusesWhileItsThreadRunsAndRestartsOnceItEnded) {
  std::atomic<bool> release{false};
  cThread thread;
  ASSERT_EQ(thread.Start([&] { WaitUntilWithoutServing([&] { return release.load(); }); }), 1);
  EXPECT_EQ(thread.Start([] {}), 0) << "the running thread would be lost";
  release = true;
  ASSERT_TRUE(WaitUntil([&] { return thread.HasEnded(); }));
  std::atomic<int> value{0};
  ASSERT_EQ(thread.Start(AddOne, &value), 1);
  thread.Wait();
  EXPECT_EQ(value, 1);
}

TEST_F(ThreadTest, ThreadMessagePostedRightAfterStartIsKept) {
  std::atomic<UINT> seen{0};
  cThread thread;
  ASSERT_EQ(thread.Start([&] {
    MSG msg;
    WaitUntilWithoutServing([&] { return PeekThreadMessage(&msg, true); });
    seen = msg.message;
  }), 1);
  const std::uint32_t id = thread.GetThreadId();
  EXPECT_TRUE(PostThreadMessage(id, WM_APP_THREAD_START, 0, 0));
  thread.Wait();
  EXPECT_EQ(seen, WM_APP_THREAD_START);
  EXPECT_FALSE(PostThreadMessage(id, WM_APP_THREAD_START, 0, 0)) << "the thread has ended";
  MSG msg;
  EXPECT_FALSE(PeekThreadMessage(&msg, true)) << "the test thread has no thread queue";
}

TEST_F(ThreadTest, ExitStopsAThreadThatPollsItsQueue) {
  LoopingWorker worker;
  cThread thread;
  ASSERT_EQ(thread.Start([&] { worker.Run(); }), 1);
  ASSERT_TRUE(WaitUntil([&] { return worker.rounds > 0; }));
  thread.Exit();
  EXPECT_FALSE(thread.IsHeld());
}

TEST_F(ThreadTest, ExitReachesAnOuterLoopAfterAnInnerLoopTookTheQuit) {
  std::atomic<int> quitsTaken{0};
  cThread thread;
  ASSERT_EQ(thread.Start([&] {
    // The inner loop takes its WM_QUIT and returns; the outer loop looks again.
    for (int loop = 0; loop < 2; ++loop) {
      MSG msg;
      while (!(PeekThreadMessage(&msg, true) && msg.message == WM_QUIT)) std::this_thread::yield();
      ++quitsTaken;
    }
  }), 1);
  thread.Exit();
  EXPECT_EQ(quitsTaken, 2);
}

TEST_F(ThreadTest, ExitOfASlowThreadLogsFromTheTwoHundredthPollAndKeepsWaiting) {
  TempDir dir;
  ASSERT_EQ(OpenReportLog(dir.file("Report_Game.txt").c_str()), 1);
  // Ends only after 205 quits: each poll of Exit puts at most one back, so Exit has
  // polled well past 200 times, and the thread was still let end by itself.
  std::atomic<int> quitsTaken{0};
  cThread thread;
  ASSERT_EQ(thread.Start([&] {
    MSG msg;
    while (quitsTaken < 205) {
      if (PeekThreadMessage(&msg, true) && msg.message == WM_QUIT) ++quitsTaken;
      std::this_thread::yield();
    }
  }), 1);
  thread.Exit();
  EXPECT_EQ(quitsTaken, 205);
  const std::string log = ReadFileBytes(dir.file("Report_Game.txt"));
  EXPECT_NE(log.find("has not ended after 200 polls"), std::string::npos) << log;
}

TEST_F(ThreadTest, SuspendReturnsOnlyOnceParkedAndResumeLetsItGoOn) {
  LoopingWorker worker;
  cThread thread;
  ASSERT_EQ(thread.Start([&] { worker.Run(); }), 1);
  for (int round = 0; round < 3; ++round) {
    ASSERT_TRUE(thread.Suspend());
    EXPECT_FALSE(worker.inWork) << "parked only at its safe point";
    const int frozen = worker.rounds;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(worker.rounds, frozen) << "a parked worker does not run";
    ASSERT_TRUE(thread.Resume());
    ASSERT_TRUE(WaitUntil([&] { return worker.rounds > frozen; }));
  }
  thread.Exit();
}

TEST_F(ThreadTest, SuspendRequestsNestAndExitReleasesAParkedThread) {
  LoopingWorker worker;
  cThread thread;
  ASSERT_EQ(thread.Start([&] { worker.Run(); }), 1);
  thread.Suspend();
  thread.Suspend();
  thread.Resume();
  const int frozen = worker.rounds;
  std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_EQ(worker.rounds, frozen) << "one Resume for two Suspends keeps it parked";
  thread.Exit();
  EXPECT_FALSE(thread.IsHeld());
}

TEST_F(ThreadTest, AThreadSuspendingItselfParksUntilResumed) {
  std::atomic<bool> parked{false};
  std::atomic<bool> resumed{false};
  cThread thread;
  ASSERT_EQ(thread.Start([&] {
    parked = true;
    thread.Suspend();
    resumed = true;
  }), 1);
  ASSERT_TRUE(WaitUntil([&] { return parked.load(); }));
  std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_FALSE(resumed);
  thread.Resume();
  thread.Wait();
  EXPECT_TRUE(resumed);
}

TEST_F(ThreadTest, AWorkerBlockedInASendCountsAsParkedAndParksWhenTheSendReturns) {
  std::atomic<bool> sent{false};
  cThread thread;
  ASSERT_EQ(thread.Start([&] {
    SendMessage(g_hWnd, WM_APP_PLAY_SOUND, 3, 0);
    sent = true;
    while (!ThreadQuitRequested()) ParkingSleep(1);
  }), 1);
  ASSERT_TRUE(WaitUntilWithoutServing([] { return g_hWnd->PendingSends() == 1; }));
  ASSERT_TRUE(thread.Suspend()) << "the window thread did not serve, yet Suspend returned";
  ASSERT_TRUE(WaitUntil([&] { return handledCount_ == 1; }));
  std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_FALSE(sent) << "back from the send while suspended, it parks";
  thread.Resume();
  ASSERT_TRUE(WaitUntil([&] { return sent.load(); }));
  thread.Exit();
}

TEST_F(ThreadTest, ExitOnTheWindowThreadServesTheSendsOfTheStoppingWorker) {
  std::atomic<int> sends{0};
  cThread thread;
  ASSERT_EQ(thread.Start([&] {
    // Keeps sending after the quit was posted: it only looks at its queue later.
    while (!ThreadQuitRequested()) {
      SendMessage(g_hWnd, WM_APP_PLAY_SOUND, 1, 0);
      ++sends;
    }
    for (int i = 0; i < 3; ++i) SendMessage(g_hWnd, WM_APP_PLAY_SOUND, 2, 0);
  }), 1);
  ASSERT_TRUE(WaitUntilWithoutServing([] { return g_hWnd->PendingSends() == 1; }));
  thread.Exit();
  EXPECT_FALSE(thread.IsHeld());
  EXPECT_EQ(handledCount_, sends + 3);
}

TEST_F(ThreadTest, WaitOnTheWindowThreadServesSendsOfTheWorkerItWaitsFor) {
  onMessage_ = [](UINT, WPARAM wParam, LPARAM) -> LRESULT { return wParam + 1; };
  std::atomic<LRESULT> answer{0};
  cThread thread;
  ASSERT_EQ(thread.Start([&] { answer = SendMessage(g_hWnd, WM_APP_OPEN_STAGE, 41, 0); }), 1);
  thread.Wait();
  EXPECT_EQ(answer, 42);
}

// The two ways a worker waits for something another thread finishes.
struct WorkerWait {
  const char* name;
  void (*wait)(std::atomic<bool>& release, std::atomic<bool>& waiting);
};

const WorkerWait kWorkerWaits[] = {
    {"cThread::Wait on a helper thread",
     [](std::atomic<bool>& release, std::atomic<bool>& waiting) {
       cThread helper;
       helper.Start([&] { WaitUntilWithoutServing([&] { return release.load(); }); });
       waiting = true;
       helper.Wait();
     }},
    {"WaitServingSends off the window thread",
     [](std::atomic<bool>& release, std::atomic<bool>& waiting) {
       waiting = true;
       WaitServingSends([&] { return release.load(); });
     }},
};

TEST_F(ThreadTest, AWorkerWaitingForAnotherThreadCountsAsParkedAndParksWhenTheWaitEnds) {
  for (const WorkerWait& kind : kWorkerWaits) {
    SCOPED_TRACE(kind.name);
    std::atomic<bool> release{false};
    std::atomic<bool> waiting{false};
    std::atomic<bool> waited{false};
    cThread worker;
    ASSERT_EQ(worker.Start([&] {
      kind.wait(release, waiting);
      waited = true;
    }), 1);
    ASSERT_TRUE(WaitUntilWithoutServing([&] { return waiting.load(); }));
    ASSERT_TRUE(worker.Suspend());
    release = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_FALSE(waited) << "the wait ended while suspended: it parks before going on";
    worker.Resume();
    worker.Wait();
    EXPECT_TRUE(waited);
  }
}

}  // namespace
