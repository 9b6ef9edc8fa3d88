#include "platform/ui/main_window.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/dd/frame_presenter.h"
#include "platform/input/key_state_table.h"
#include "platform/input/virtual_keys.h"
#include "platform/ui/cursor_position.h"
#include "platform/ui/window_pump.h"

namespace {

// The main window under the dummy driver, the test's thread as the window
// thread, and a window procedure that records what reaches it.
class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetWindowQueue();
    SetWindowThread();
    SetWindowProc([this](HWND, UINT message, WPARAM wParam, LPARAM lParam) {
      received.push_back(MSG{message, wParam, lParam});
      return LRESULT{0};
    });
    ASSERT_TRUE(g_MainWindow.Create({1, 1, 0, true})) << SDL_GetError();
  }
  void TearDown() override {
    g_MainWindow.Destroy();
    KeyStates().ClearAll();
    ResetWindowQueue();
  }
  void Push(const SDL_Event& event) {
    SDL_Event copy = event;
    ASSERT_EQ(SDL_PushEvent(&copy), 1) << SDL_GetError();
  }
  void PushKey(SDL_Scancode scancode, bool down, bool repeat = false) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.keysym.scancode = scancode;
    event.key.repeat = repeat ? 1 : 0;
    Push(event);
  }
  void PushWindowEvent(Uint8 what, int32_t data1 = 0, int32_t data2 = 0) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = what;
    event.window.data1 = data1;
    event.window.data2 = data2;
    Push(event);
  }
  // Only what the test pushed: the dummy driver's own window events are dropped.
  void Turn() {
    SDL_PumpEvents();
    received.clear();
    pump.Turn();
  }
  std::vector<UINT> Messages() const {
    std::vector<UINT> out;
    for (const MSG& m : received) out.push_back(m.message);
    return out;
  }
  std::vector<MSG> received;
  cWindowPump pump;
};

TEST_F(MainWindowTest, CreateNamesTheWindowForTheDeviceAndSendsCreate) {
  EXPECT_EQ(DisplayWindow(), g_MainWindow.SdlWindow());
  EXPECT_EQ(DisplayRenderer(), g_MainWindow.Renderer());
  int w = 0, h = 0;
  SDL_RenderGetLogicalSize(g_MainWindow.Renderer(), &w, &h);
  EXPECT_EQ(w, 640);
  EXPECT_EQ(h, 480);
  EXPECT_FALSE(SDL_IsTextInputActive()) << "letter keys must reach the game";
  EXPECT_EQ(g_MainWindow.m_hWnd, g_hWnd);
  ASSERT_FALSE(received.empty());
  EXPECT_EQ(received.front().message, WM_CREATE);
  g_MainWindow.Destroy();
  EXPECT_EQ(received.back().message, WM_DESTROY);
  EXPECT_EQ(DisplayWindow(), nullptr);
  EXPECT_FALSE(g_MainWindow.HasWindow());
}

TEST_F(MainWindowTest, DisplayTableChoosesStyleAndSize) {
  struct Case {
    cDisplayWindowSettings settings;
    bool resizable;
  } cases[] = {{{1, 1, 0, true}, false}, {{2, 1, 0, true}, true}, {{2, 0, 0, true}, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.settings.nWindowMode * 10 + c.settings.bDirect3D);
    EXPECT_EQ((MainWindowStyle(c.settings) & WS_THICKFRAME) != 0, c.resizable);
    EXPECT_EQ(MainWindowStyle(c.settings) & WS_CAPTION, WS_CAPTION);
  }
  EXPECT_EQ(MainWindowStyle({0, 1, 1, true}), WS_POPUP);
  EXPECT_EQ(SDL_GetWindowFlags(g_MainWindow.SdlWindow()) & SDL_WINDOW_RESIZABLE, 0u);
  g_MainWindow.Destroy();
  ASSERT_TRUE(g_MainWindow.Create({2, 1, 0, true}));
  EXPECT_NE(SDL_GetWindowFlags(g_MainWindow.SdlWindow()) & SDL_WINDOW_RESIZABLE, 0u);
  EXPECT_NE(g_MainWindow.m_dwStyle & WS_THICKFRAME, 0u);
}

TEST_F(MainWindowTest, ClientSizeMoveAndThickFrameReachTheSdlWindow) {
  g_MainWindow.SetClientSize(800, 600);
  int w = 0, h = 0;
  SDL_GetWindowSize(g_MainWindow.SdlWindow(), &w, &h);
  EXPECT_EQ(w, 800);
  EXPECT_EQ(h, 600);
  RECT client;
  ASSERT_TRUE(g_MainWindow.GetClientRect(&client));
  EXPECT_EQ(client.right, 800);
  g_MainWindow.Move(40, 30);
  SDL_PumpEvents();
  int32_t pos[2] = {};
  g_MainWindow.GetWindowPos(pos);
  EXPECT_EQ(pos[0], 40);
  EXPECT_EQ(pos[1], 30);
  // The dummy driver cannot switch a window's resizing; the style still holds it.
  g_MainWindow.AddStyle(WS_THICKFRAME);
  EXPECT_NE(g_MainWindow.m_dwStyle & WS_THICKFRAME, 0u);
  EXPECT_EQ(g_MainWindow.m_rcOuter.right, 800) << "the dummy driver reports no frame";
  EXPECT_EQ(g_MainWindow.m_rcClient.right, 800);
  g_MainWindow.RemoveStyle(WS_THICKFRAME);
  EXPECT_EQ(g_MainWindow.m_dwStyle & WS_THICKFRAME, 0u);
}

TEST_F(MainWindowTest, WindowEventsArriveAsTheirMessages) {
  struct Case {
    Uint8 event;
    UINT message;
    WPARAM wParam;
  } cases[] = {
      {SDL_WINDOWEVENT_FOCUS_GAINED, WM_ACTIVATEAPP, 1}, {SDL_WINDOWEVENT_FOCUS_LOST, WM_ACTIVATEAPP, 0},
      {SDL_WINDOWEVENT_MOVED, WM_MOVE, 0},               {SDL_WINDOWEVENT_SIZE_CHANGED, WM_SIZE, SIZE_RESTORED},
      {SDL_WINDOWEVENT_MINIMIZED, WM_SIZE, SIZE_MINIMIZED}, {SDL_WINDOWEVENT_MAXIMIZED, WM_SIZE, SIZE_MAXIMIZED},
      {SDL_WINDOWEVENT_EXPOSED, WM_PAINT, 0},           {SDL_WINDOWEVENT_CLOSE, WM_CLOSE, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.event));
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    PushWindowEvent(c.event, 12, 34);
    received.clear();
    pump.Turn();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].message, c.message);
    EXPECT_EQ(received[0].wParam, c.wParam);
  }
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  Push(quit);
  received.clear();
  pump.Turn();
  EXPECT_EQ(Messages(), std::vector<UINT>{WM_CLOSE});
}

TEST_F(MainWindowTest, KeysReachTheProcedureAndTheKeyTable) {
  SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  PushKey(SDL_SCANCODE_ESCAPE, true);
  PushKey(SDL_SCANCODE_ESCAPE, true, true);
  Turn();
  ASSERT_EQ(received.size(), 2u);
  EXPECT_EQ(received[0].message, WM_KEYDOWN);
  EXPECT_EQ(received[0].wParam, static_cast<WPARAM>(VK_ESCAPE));
  EXPECT_EQ(received[0].lParam & kKeyWasDownBit, 0);
  EXPECT_NE(received[1].lParam & kKeyWasDownBit, 0) << "a repeat has bit 30";
  EXPECT_NE(GetAsyncKeyState(VK_ESCAPE) & 0x8000, 0);
  PushKey(SDL_SCANCODE_ESCAPE, false);
  Turn();
  EXPECT_EQ(Messages(), std::vector<UINT>{WM_KEYUP});
  EXPECT_EQ(GetAsyncKeyState(VK_ESCAPE), 0);

  PushKey(SDL_SCANCODE_LSHIFT, true);
  PushKey(SDL_SCANCODE_F2, true);
  Turn();
  EXPECT_NE(GetAsyncKeyState(VK_SHIFT) & 0x8000, 0);
  EXPECT_NE(GetAsyncKeyState(VK_LSHIFT) & 0x8000, 0);
  EXPECT_NE(GetAsyncKeyState(VK_F1 + 1) & 0x8000, 0);
  PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
  Turn();
  EXPECT_EQ(GetAsyncKeyState(VK_SHIFT), 0) << "focus loss releases every key";
  EXPECT_EQ(GetAsyncKeyState(VK_F1 + 1), 0);
}

TEST_F(MainWindowTest, MouseEventsGiveFrameCoordinatesAndDoubleClicks) {
  SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  SDL_Event click{};
  click.type = SDL_MOUSEBUTTONDOWN;
  click.button.button = SDL_BUTTON_LEFT;
  click.button.clicks = 1;
  click.button.x = 100;
  click.button.y = 200;
  Push(click);
  click.button.clicks = 2;
  Push(click);
  click.type = SDL_MOUSEBUTTONUP;
  click.button.button = SDL_BUTTON_RIGHT;
  Push(click);
  Turn();
  EXPECT_EQ(Messages(), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONUP}));
  ASSERT_FALSE(received.empty());
  EXPECT_EQ(GET_X_LPARAM(received[0].lParam), 100);
  EXPECT_EQ(GET_Y_LPARAM(received[0].lParam), 200);
  POINT cursor;
  ASSERT_TRUE(GetCursorPos(&cursor));
  EXPECT_EQ(cursor.x, 100);
}

TEST_F(MainWindowTest, PostsFromAWorkerWakeTheWaitingPump) {
  SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  std::thread worker([] { PostMessage(g_hWnd, WM_APP_BGM, 3, 0); });
  worker.join();
  // The wait ends with the wake event (the driver's own events may come first).
  SDL_Event event{};
  bool woken = false;
  for (int i = 0; i < 100 && !woken; ++i) {
    if (SDL_WaitEventTimeout(&event, 1000) == 0) break;
    woken = event.type == WindowWakeEventType();
  }
  EXPECT_TRUE(woken);
  received.clear();
  pump.Turn();
  EXPECT_EQ(Messages(), std::vector<UINT>{WM_APP_BGM});
}

TEST_F(MainWindowTest, TitleCursorAndStateReachTheSdlWindow) {
  g_MainWindow.SetWindowText("ゲーム");
  EXPECT_STREQ(SDL_GetWindowTitle(g_MainWindow.SdlWindow()), reinterpret_cast<const char*>(u8"ゲーム"));
  ASSERT_TRUE(SetCursorPos(320, 240));
  POINT cursor;
  ASSERT_TRUE(GetCursorPos(&cursor));
  EXPECT_EQ(cursor.x, 320);
  EXPECT_EQ(cursor.y, 240);
  EXPECT_FALSE(g_MainWindow.IsIconic());
  EXPECT_FALSE(g_MainWindow.IsZoomed());
}

// OnCreate runs after the common dispatcher on WM_CREATE, and only then.
class CreatingWindow : public cMainWindow {
 public:
  void OnCreate(WPARAM, LPARAM) override { ++created; }
  int created = 0;
};

TEST(MainWindowDispatchTest, CreateReachesOnCreateAfterTheDispatcher) {
  CreatingWindow window;
  EXPECT_EQ(window.HandleMessage(g_hWnd, WM_CREATE, 0, 0), 0);
  EXPECT_EQ(window.created, 1);
  EXPECT_EQ(window.m_bLaidOut, 1);
  EXPECT_EQ(window.HandleMessage(g_hWnd, WM_PAINT, 0, 0), 1);
  EXPECT_EQ(window.created, 1);
}

TEST_F(MainWindowTest, QuitEndsThePumpWithItsCode) {
  PostQuitMessage(3);
  EXPECT_EQ(pump.Run(), 3);
}

}  // namespace
