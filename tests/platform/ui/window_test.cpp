#include "platform/ui/window.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/input/key_state_table.h"
#include "platform/ui/cursor_position.h"
#include "platform/ui/frame_rect_host.h"
#include "platform/ui/window_registry.h"

namespace {

// A window standing on a rectangle of the frame, as a dialog does.
class FrameWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    host.Open(true);
    ForgetCursorPos();
    cMouse::ResetShared();
    KeyStates().ClearAll();
  }
  void TearDown() override {
    ForgetCursorPos();
    KeyStates().ClearAll();
  }
  void Open(int32_t width, int32_t height, uint32_t style) {
    window.SetGeometry(width, height, 100, 100, 640, 480, style);
    window.AttachHost(&host);
    window.SetClientSize(width, height);
  }
  cFrameRectHost host;
  cWindow window{1};
};

TEST_F(FrameWindowTest, CaptionedPopupGetsTheDialogFrameAndThickFrameTheSizingFrame) {
  Open(640, 480, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  EXPECT_EQ(window.m_rcOuter.right, 640 + 2 * kDialogFrame);
  EXPECT_EQ(window.m_rcOuter.bottom, 480 + kCaptionHeight + 2 * kDialogFrame);
  window.AddStyle(WS_THICKFRAME);
  EXPECT_EQ(window.m_rcOuter.right, 640 + 2 * kSizingFrame);
  EXPECT_EQ(window.m_rcOuter.bottom, 480 + kCaptionHeight + 2 * kSizingFrame);
  MINMAXINFO info;
  window.GetMinMaxInfo(&info);
  EXPECT_EQ(info.ptMinTrackSize.x, 100 + 2 * kSizingFrame);
  EXPECT_EQ(info.ptMaxTrackSize.y, 480 + kCaptionHeight + 2 * kSizingFrame);
  window.RemoveStyle(WS_THICKFRAME | WS_CAPTION);
  EXPECT_EQ(window.m_rcOuter.right, 640);
}

TEST_F(FrameWindowTest, GeometryWithoutAWindowGivesTheOuterSizeToCreateWith) {
  cWindow unopened(1);
  unopened.SetGeometry(200, 100, 0, 0, 640, 480, WS_CAPTION);
  EXPECT_FALSE(unopened.HasWindow());
  EXPECT_EQ(unopened.m_rcOuter.right, 200) << "no host, no frame known yet";
  RECT rect;
  EXPECT_FALSE(unopened.GetClientRect(&rect));
}

TEST_F(FrameWindowTest, PlaceInWorkAreaKeepsTheWindowAndItsTitleInside) {
  struct Case {
    const char* what;
    int32_t width, height, x, y;
    int32_t expectX, expectY;
  } cases[] = {
      {"inside", 200, 100, 50, 60, 50, 60},
      {"past the right edge", 200, 100, 500, 60, 440, 60},
      {"past the bottom edge", 200, 100, 50, 400, 50, 380},
      {"reaching the edge exactly", 200, 100, 440, 380, 440, 380},
      {"negative", 200, 100, -30, -5, 0, 0},
      {"wider and taller than the area", 700, 500, 100, 100, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    cWindow placed(1);
    placed.SetGeometry(c.width, c.height, 0, 0, 1000, 1000, 0);
    placed.AttachHost(&host);
    placed.SetInitialPos(c.x, c.y);
    placed.PlaceInWorkArea();
    int32_t pos[2] = {};
    placed.GetWindowPos(pos);
    EXPECT_EQ(pos[0], c.expectX);
    EXPECT_EQ(pos[1], c.expectY);
    EXPECT_EQ(placed.m_nInitX, c.expectX) << "the clamped position is kept";
  }
}

TEST_F(FrameWindowTest, PlaceInWorkAreaWithoutAnInitialPositionDoesNotMove) {
  Open(100, 100, 0);
  window.Move(12, 34);
  window.PlaceInWorkArea();
  int32_t pos[2] = {};
  window.GetWindowPos(pos);
  EXPECT_EQ(pos[0], 12);
  EXPECT_EQ(pos[1], 34);
}

TEST_F(FrameWindowTest, CenterOnDesktopUsesTheOuterSize) {
  Open(200, 100, WS_CAPTION);
  window.CenterOnDesktop();
  int32_t pos[2] = {};
  window.GetWindowPos(pos);
  EXPECT_EQ(pos[0], (640 - (200 + 2 * kDialogFrame)) / 2);
  EXPECT_EQ(pos[1], (480 - (100 + kCaptionHeight + 2 * kDialogFrame)) / 2);
}

TEST_F(FrameWindowTest, MouseIsPressedOnceWhileHeldAndReleasedOnTheNextUpdate) {
  Open(100, 100, 0);
  NoteCursorPos(10, 10);
  struct Step {
    bool down;
    int32_t held, pressed, released;
  } steps[] = {{false, 0, 0, 0}, {true, 1, 1, 0}, {true, 1, 0, 0}, {true, 1, 0, 0},
               {false, 0, 0, 1}, {false, 0, 0, 0}, {true, 1, 1, 0}};
  int i = 0;
  for (const Step& s : steps) {
    SCOPED_TRACE(i++);
    KeyStates().SetDown(VK_LBUTTON, s.down);
    ASSERT_EQ(window.UpdateMouse(0, 7), 1);
    EXPECT_EQ(window.m_Mouse.bLeft, s.held);
    EXPECT_EQ(window.m_Mouse.bLeftPressed, s.pressed);
    EXPECT_EQ(window.m_Mouse.bLeftReleased, s.released);
    EXPECT_EQ(window.m_Mouse.bRight, 0);
  }
}

TEST_F(FrameWindowTest, UpdateMouseOutsideTheClientAreaChangesNothingUnlessForced) {
  Open(100, 50, WS_CAPTION);
  window.Move(200, 100);
  const POINT origin = host.ClientOrigin();
  NoteCursorPos(origin.x + 7, origin.y + 9);
  ASSERT_EQ(window.UpdateMouse(0, 7), 1);
  EXPECT_EQ(window.m_Mouse.x, 7);
  EXPECT_EQ(window.m_Mouse.y, 9);
  KeyStates().SetDown(VK_LBUTTON, true);
  for (POINT outside : {POINT{origin.x - 1, origin.y}, POINT{origin.x + 100, origin.y},
                        POINT{origin.x, origin.y + 50}, POINT{0, 0}}) {
    NoteCursorPos(outside.x, outside.y);
    EXPECT_EQ(window.UpdateMouse(0, 7), 0);
    EXPECT_EQ(window.m_Mouse.x, 7);
    EXPECT_EQ(window.m_Mouse.bLeft, 0) << "the button was not looked at";
  }
  EXPECT_EQ(window.UpdateMouse(1, 7), 1);
  EXPECT_EQ(window.m_Mouse.x, -origin.x);
  EXPECT_EQ(window.m_Mouse.bLeft, 1);
  ForgetCursorPos();
  EXPECT_EQ(window.UpdateMouse(0, 7), 0) << "no pointer seen yet";
}

// Records which virtual operation the dispatcher called.
class RecordingWindow : public cWindow {
 public:
  RecordingWindow() : cWindow(1) {}
  void OnCommand(WPARAM wParam, LPARAM) override {
    calls.push_back("command");
    // A control notifying from inside the handler: dropped.
    nestedResult = HandleMessage(m_hWnd, WM_COMMAND, wParam + 1, 0);
  }
  void OnMouseMove(WPARAM, LPARAM) override { calls.push_back("move"); }
  void OnLButtonDown(WPARAM, LPARAM) override { calls.push_back("ldown"); }
  void OnRButtonDown(WPARAM, LPARAM) override { calls.push_back("rdown"); }
  void OnLButtonDblClk(WPARAM, LPARAM) override { calls.push_back("ldbl"); }
  void OnRButtonDblClk(WPARAM, LPARAM) override { calls.push_back("rdbl"); }
  void OnLButtonUp(WPARAM, LPARAM) override { calls.push_back("lup"); }
  void OnRButtonUp(WPARAM, LPARAM) override { calls.push_back("rup"); }
  void OnPaint() override { calls.push_back("paint"); }
  std::vector<std::string> calls;
  LRESULT nestedResult = -1;
};

TEST(WindowDispatcherTest, MessagesReachTheirOperationsAndGiveTheTableResults) {
  struct Case {
    UINT message;
    LRESULT result;
    const char* call;  // null: none
  } cases[] = {
      {WM_MOVE, 1, nullptr},           {WM_SIZE, 1, nullptr},        {WM_ACTIVATEAPP, 1, nullptr},
      {WM_PAINT, 1, "paint"},          {WM_MOUSEMOVE, 1, "move"},    {WM_LBUTTONDOWN, 1, "ldown"},
      {WM_RBUTTONDOWN, 1, "rdown"},    {WM_LBUTTONDBLCLK, 1, "ldbl"}, {WM_RBUTTONDBLCLK, 1, "rdbl"},
      {WM_LBUTTONUP, 1, "lup"},        {WM_RBUTTONUP, 1, "rup"},     {WM_KEYDOWN, 0, nullptr},
      {WM_CLOSE, 0, nullptr},          {WM_CREATE, 0, nullptr},      {WM_DESTROY, 1, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    RecordingWindow window;
    EXPECT_EQ(window.HandleMessage(g_hWnd, c.message, 0, 0), c.result);
    EXPECT_EQ(window.m_bLaidOut, 1);
    if (c.call == nullptr) EXPECT_TRUE(window.calls.empty());
    else EXPECT_EQ(window.calls, std::vector<std::string>{c.call});
    EXPECT_EQ(window.m_hWnd, c.message == WM_DESTROY ? nullptr : g_hWnd);
  }
}

TEST(WindowDispatcherTest, CommandDuringACommandReturnsZeroWithoutTheHandler) {
  RecordingWindow window;
  EXPECT_EQ(window.HandleMessage(g_hWnd, WM_COMMAND, 1000, 0), 1);
  EXPECT_EQ(window.calls, std::vector<std::string>{"command"});
  EXPECT_EQ(window.nestedResult, 0);
  EXPECT_EQ(window.m_bInCommand, 0);
  EXPECT_EQ(window.HandleMessage(g_hWnd, WM_COMMAND, 1000, 0), 1) << "the guard is released";
}

TEST(WindowDispatcherTest, MinMaxInfoIsFilledThroughTheMessage) {
  cFrameRectHost host;
  host.Open(true);
  cWindow window(1);
  window.SetGeometry(300, 200, 120, 90, 640, 480, WS_CAPTION);
  window.AttachHost(&host);
  MINMAXINFO info;
  EXPECT_EQ(window.HandleMessage(g_hWnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info)), 1);
  EXPECT_EQ(info.ptMinTrackSize.x, 120 + 2 * kDialogFrame);
  EXPECT_EQ(info.ptMinTrackSize.y, 90 + kCaptionHeight + 2 * kDialogFrame);
}

class RecordingHolder : public cWindowHolder {
 public:
  void Show(bool show) override { shown = show; }
  void SetStyle(uint32_t bits) override { style |= bits; }
  void ClearStyle(uint32_t bits) override { style &= ~bits; }
  bool shown = true;
  uint32_t style = 0;
};

TEST(WindowRegistryTest, ShowAndEnableReachBothLists) {
  cWindowRegistry registry;
  cFrameRectHost host;
  host.Open(true);
  cWindow window(1);
  window.AttachHost(&host);
  RecordingHolder holder;
  registry.AddWindow(&window);
  registry.AddHolder(&holder);
  registry.ShowAll(false);
  EXPECT_FALSE(host.IsVisible());
  EXPECT_FALSE(holder.shown);
  registry.EnableAll(false);
  EXPECT_NE(window.m_dwStyle & WS_DISABLED, 0u);
  EXPECT_NE(holder.style & WS_DISABLED, 0u);
  registry.ShowAll(true);
  registry.EnableAll(true);
  EXPECT_TRUE(host.IsVisible());
  EXPECT_EQ(window.m_dwStyle & WS_DISABLED, 0u);
  EXPECT_EQ(holder.style, 0u);
  registry.RemoveWindow(&window);
  registry.RemoveHolder(&holder);
  EXPECT_TRUE(registry.Windows().empty());
  EXPECT_TRUE(g_WindowRegistry.Windows().empty() && g_WindowRegistry.Holders().empty());
}

}  // namespace
