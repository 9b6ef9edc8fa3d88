// The main window's queue: posts, sends across threads, quit, and the close
// request that may come before the window thread exists.

#include <atomic>
#include <thread>

#include "core/thread/messages.h"
#include "window_fixture.h"

namespace {

using WindowQueueTest = WindowFixture;

TEST_F(WindowQueueTest, PostedMessagesComeOutInOrderAndPeekWithoutRemoveKeepsThem) {
  ASSERT_TRUE(PostMessage(g_hWnd, WM_APP_BGM, 1, 2));
  ASSERT_TRUE(PostMessage(g_hWnd, WM_APP_OPEN_STAGE, 3, 4));
  MSG msg;
  ASSERT_TRUE(PeekMessage(&msg, g_hWnd, false));
  EXPECT_EQ(msg.message, WM_APP_BGM);
  ASSERT_TRUE(PeekMessage(&msg, g_hWnd, true));
  EXPECT_EQ(msg.message, WM_APP_BGM);
  EXPECT_EQ(msg.wParam, 1u);
  EXPECT_EQ(msg.lParam, 2);
  ASSERT_TRUE(PeekMessage(&msg, g_hWnd, true));
  EXPECT_EQ(msg.message, WM_APP_OPEN_STAGE);
  EXPECT_FALSE(PeekMessage(&msg, g_hWnd, true));
  EXPECT_FALSE(PostMessage(nullptr, WM_CLOSE, 0, 0));
}

TEST_F(WindowQueueTest, PumpDispatchesPostsUntilQuitAndDoesNotDispatchTheQuit) {
  PostMessage(g_hWnd, WM_APP_BGM, 7, 0);
  EXPECT_TRUE(PumpMessages());
  PostQuitMessage(0);
  PostMessage(g_hWnd, WM_APP_OPEN_REPLAY, 0, 0);
  EXPECT_FALSE(PumpMessages());
  auto handled = Handled();
  ASSERT_EQ(handled.size(), 1u);
  EXPECT_EQ(handled[0].message, WM_APP_BGM);
  EXPECT_EQ(handled[0].wParam, 7u);
}

TEST(WindowQueueEarlyClose, CloseRequestedBeforeTheWindowThreadExistsIsKept) {
  Watchdog watchdog;
  ResetWindowQueue();
  std::thread requester([] { RequestClose(); });
  requester.join();
  SetWindowThread();
  MSG msg;
  ASSERT_TRUE(GetMessage(&msg, g_hWnd));
  EXPECT_EQ(msg.message, WM_CLOSE);
  ResetWindowQueue();
}

TEST_F(WindowQueueTest, SendFromTheWindowThreadIsADirectCall) {
  onMessage_ = [](UINT, WPARAM wParam, LPARAM) -> LRESULT { return wParam * 2; };
  EXPECT_EQ(SendMessage(g_hWnd, WM_APP_OPEN_STAGE, 21, 0), 42);
  auto handled = Handled();
  ASSERT_EQ(handled.size(), 1u);
  EXPECT_EQ(handled[0].thread, std::this_thread::get_id());
  MSG msg;
  EXPECT_FALSE(PeekMessage(&msg, g_hWnd, true)) << "a direct call leaves nothing queued";
}

TEST_F(WindowQueueTest, SendFromAWorkerRunsOnTheWindowThreadAndReturnsItsResult) {
  onMessage_ = [](UINT, WPARAM wParam, LPARAM lParam) -> LRESULT { return wParam + lParam; };
  std::atomic<LRESULT> result{-1};
  std::atomic<bool> returned{false};
  std::thread worker([&] {
    result = SendMessage(g_hWnd, WM_APP_SAVE_REPLAY, 40, 2);
    returned = true;
  });
  ASSERT_TRUE(WaitUntil([&] { return returned.load(); }));
  worker.join();
  EXPECT_EQ(result, 42);
  auto handled = Handled();
  ASSERT_EQ(handled.size(), 1u);
  EXPECT_EQ(handled[0].thread, std::this_thread::get_id());
}

TEST_F(WindowQueueTest, GetMessageServesSendsWhileItWaitsForAPost) {
  std::thread worker([] {
    SendMessage(g_hWnd, WM_APP_BGM, 1, 0);
    PostMessage(g_hWnd, WM_APP_OPEN_REPLAY, 0, 0);
  });
  MSG msg;
  ASSERT_TRUE(GetMessage(&msg, g_hWnd));
  worker.join();
  EXPECT_EQ(msg.message, WM_APP_OPEN_REPLAY);
  EXPECT_EQ(handledCount_, 1);
}

TEST_F(WindowQueueTest, SendAfterQuitReturnsZeroWithoutBlocking) {
  onMessage_ = [](UINT, WPARAM, LPARAM) -> LRESULT { return 5; };
  PostQuitMessage(0);
  MSG msg;
  EXPECT_FALSE(GetMessage(&msg, g_hWnd));
  LRESULT result = -1;
  std::thread worker([&] { result = SendMessage(g_hWnd, WM_APP_PLAY_SOUND, 1, 0); });
  worker.join();
  EXPECT_EQ(result, 0);
  EXPECT_EQ(handledCount_, 0);
}

TEST_F(WindowQueueTest, SendStillWaitingWhenServingStopsReturnsZero) {
  LRESULT result = -1;
  std::thread worker([&] { result = SendMessage(g_hWnd, WM_APP_PLAY_SOUND, 1, 0); });
  ASSERT_TRUE(WaitUntilWithoutServing([] { return g_hWnd->PendingSends() == 1; }));
  g_hWnd->StopServing();
  worker.join();
  EXPECT_EQ(result, 0);
  EXPECT_EQ(handledCount_, 0);
}

TEST(WindowQueueNoWindowThread, SendReturnsZeroAndCallOnWindowThreadRunsOnTheCaller) {
  Watchdog watchdog;
  ResetWindowQueue();
  std::atomic<int> calls{0};
  SetWindowProc([&](HWND, UINT, WPARAM, LPARAM) -> LRESULT { return ++calls; });
  LRESULT sent = -1;
  LRESULT called = -1;
  std::thread::id ranOn;
  std::thread worker([&] {
    sent = SendMessage(g_hWnd, WM_APP_BGM, 0, 0);
    called = CallOnWindowThread([&]() -> LRESULT {
      ranOn = std::this_thread::get_id();
      return 9;
    });
  });
  const std::thread::id workerId = worker.get_id();
  worker.join();
  EXPECT_EQ(sent, 0);
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(called, 9);
  EXPECT_EQ(ranOn, workerId);
  ResetWindowQueue();
}

TEST_F(WindowQueueTest, CallOnWindowThreadFromAWorkerRunsOnTheWindowThread) {
  std::thread::id ranOn;
  std::atomic<LRESULT> result{0};
  std::thread worker([&] {
    result = CallOnWindowThread([&]() -> LRESULT {
      ranOn = std::this_thread::get_id();
      return 17;
    });
  });
  ASSERT_TRUE(WaitUntil([&] { return result.load() != 0; }));
  worker.join();
  EXPECT_EQ(result, 17);
  EXPECT_EQ(ranOn, std::this_thread::get_id());
}

TEST_F(WindowQueueTest, AProcedureMaySendToItselfAndPostWhileHandlingASend) {
  onMessage_ = [](UINT msg, WPARAM wParam, LPARAM) -> LRESULT {
    if (msg == WM_APP_OPEN_STAGE) {
      PostMessage(g_hWnd, WM_APP_BGM, 0, 0);
      return SendMessage(g_hWnd, WM_APP_PLAY_SOUND, wParam, 0) + 1;
    }
    return static_cast<LRESULT>(wParam);
  };
  std::atomic<LRESULT> result{0};
  std::thread worker([&] { result = SendMessage(g_hWnd, WM_APP_OPEN_STAGE, 10, 0); });
  ASSERT_TRUE(WaitUntil([&] { return result.load() != 0; }));
  worker.join();
  EXPECT_EQ(result, 11);
  MSG msg;
  ASSERT_TRUE(PeekMessage(&msg, g_hWnd, true));
  EXPECT_EQ(msg.message, WM_APP_BGM);
}

}  // namespace
