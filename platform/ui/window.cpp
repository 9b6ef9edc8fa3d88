#include "platform/ui/window.h"

#include <atomic>

#include "core/log/ec_log.h"
#include "core/text/cp932.h"
#include "platform/ui/cursor_position.h"

cWindow::cWindow(int32_t kind) : m_nKind(kind) {
  Clear();
  m_Mouse.Init(7);
}

void cWindow::OnCommand(WPARAM, LPARAM) {}
void cWindow::OnMouseMove(WPARAM, LPARAM) {}
void cWindow::OnLButtonDown(WPARAM, LPARAM) {}
void cWindow::OnRButtonDown(WPARAM, LPARAM) {}
void cWindow::OnLButtonDblClk(WPARAM, LPARAM) {}
void cWindow::OnRButtonDblClk(WPARAM, LPARAM) {}
void cWindow::OnLButtonUp(WPARAM, LPARAM) {}
void cWindow::OnRButtonUp(WPARAM, LPARAM) {}
LRESULT cWindow::WndProc(HWND, UINT, WPARAM, LPARAM) { return 0; }
void cWindow::RefreshLists() {}
void cWindow::OnPaint() {}

void cWindow::Clear() {
  m_hWnd = nullptr;
  m_hWndParent = nullptr;
  m_lpRegistry = nullptr;
  m_bLaidOut = m_bInCommand = m_bInitialized = 0;
  m_nInitX = m_nInitY = kNoInitialPos;
}

void cWindow::ClearRect(RECT& rect) { rect = RECT{}; }

void cWindow::Setup(uint16_t id, HWND parent, cWindowRegistry* registry) {
  m_wId = id;
  m_hWndParent = parent;
  m_lpRegistry = registry;
}

void cWindow::SetGeometry(int32_t width, int32_t height, int32_t minWidth, int32_t minHeight, int32_t maxWidth,
                          int32_t maxHeight, uint32_t style) {
  m_rcRequested = m_rcClient = RECT{0, 0, width, height};
  m_rcMin = RECT{0, 0, minWidth, minHeight};
  m_rcMax = RECT{0, 0, maxWidth, maxHeight};
  m_dwStyle = style;
  // Without a window the frame gives the outer size to create it with.
  if (!HasWindow()) RecalcFrame();
}

void cWindow::RecalcFrame() {
  m_Extents = m_lpHost != nullptr ? m_lpHost->Extents(m_dwStyle) : cFrameExtents{};
  const int32_t clientW = m_rcClient.right - m_rcClient.left;
  const int32_t clientH = m_rcClient.bottom - m_rcClient.top;
  m_rcOuter = RECT{0, 0, clientW + m_Extents.left + m_Extents.right, clientH + m_Extents.top + m_Extents.bottom};
  // No bars: the whole client area is usable.
  m_ptClientOrigin = POINT{0, 0};
  m_nUsableWidth = clientW;
  m_nUsableHeight = clientH;
  if (HasWindow()) {
    m_lpHost->SetSizeLimits(m_rcMin.right, m_rcMin.bottom, m_rcMax.right, m_rcMax.bottom);
  }
}

void cWindow::GetMinMaxInfo(MINMAXINFO* info) const {
  if (info == nullptr) return;
  const int32_t extW = m_Extents.left + m_Extents.right;
  const int32_t extH = m_Extents.top + m_Extents.bottom;
  info->ptMinTrackSize = POINT{m_rcMin.right + extW, m_rcMin.bottom + extH};
  info->ptMaxTrackSize = POINT{m_rcMax.right + extW, m_rcMax.bottom + extH};
}

void cWindow::GetWindowPos(int32_t pos[2]) const {
  const POINT p = HasWindow() ? m_lpHost->OuterPos() : POINT{m_nX, m_nY};
  pos[0] = p.x;
  pos[1] = p.y;
}

void cWindow::Move(int32_t x, int32_t y) {
  if (HasWindow()) m_lpHost->SetOuterPos(x, y);
  m_nX = x;
  m_nY = y;
  RecalcFrame();
}

void cWindow::CenterOnDesktop() {
  if (!HasWindow()) return;
  const RECT desktop = m_lpHost->Desktop();
  const int32_t desktopW = desktop.right - desktop.left;
  const int32_t desktopH = desktop.bottom - desktop.top;
  Move(desktop.left + (desktopW - OuterWidth()) / 2, desktop.top + (desktopH - OuterHeight()) / 2);
}

int32_t ClampIntoArea(int32_t pos, int32_t extent, int32_t low, int32_t high) {
  if (pos + extent >= high) pos = high - extent;
  if (pos < low) pos = low;
  return pos;
}

void cWindow::PlaceInWorkArea() {
  if (m_nInitX == kNoInitialPos || m_nInitY == kNoInitialPos) return;
  const RECT area = m_lpHost != nullptr ? m_lpHost->WorkArea() : RECT{0, 0, 640, 480};
  m_nInitX = ClampIntoArea(m_nInitX, OuterWidth(), area.left, area.right);
  m_nInitY = ClampIntoArea(m_nInitY, OuterHeight(), area.top, area.bottom);
  Move(m_nInitX, m_nInitY);
}

bool cWindow::GetClientRect(RECT* rect) const {
  if (rect == nullptr || !HasWindow()) return false;
  int32_t w = 0, h = 0;
  m_lpHost->ClientSize(&w, &h);
  *rect = RECT{0, 0, w, h};
  return true;
}

void cWindow::SetClientSize(int32_t width, int32_t height) {
  int32_t pos[2] = {m_nX, m_nY};
  GetWindowPos(pos);
  SetClientSizeAt(pos[0], pos[1], width, height);
}

void cWindow::SetClientSizeAt(int32_t x, int32_t y, int32_t width, int32_t height) {
  m_rcClient = RECT{0, 0, width, height};
  if (HasWindow()) {
    m_lpHost->SetClientSize(width, height);
    m_lpHost->SetOuterPos(x, y);
  }
  m_nX = x;
  m_nY = y;
  RecalcFrame();
}

void cWindow::AddStyle(uint32_t bits) {
  m_dwStyle |= bits;
  if (m_lpHost != nullptr) m_lpHost->ApplyStyle(m_dwStyle);
  RefreshStyle();
}

void cWindow::RemoveStyle(uint32_t bits) {
  m_dwStyle &= ~bits;
  if (m_lpHost != nullptr) m_lpHost->ApplyStyle(m_dwStyle);
  RefreshStyle();
}

void cWindow::RefreshStyle() {
  RECT client;
  if (GetClientRect(&client)) m_rcClient = client;
  RecalcFrame();
}

int32_t cWindow::UpdateMouse(int32_t force, int32_t mask) {
  POINT screen;
  if (!GetCursorPos(&screen)) {
    // Until the pointer first crosses the frame there is no position; every
    // message would log it again, so the log says it once.
    static std::atomic<bool> logged{false};
    if (!logged.exchange(true)) EcLog("GetCursorPos失敗！");
    if (force == 0) return 0;
  }
  POINT client = m_lpHost != nullptr ? m_lpHost->FrameToClient(screen) : screen;
  client.x -= m_ptClientOrigin.x;
  client.y -= m_ptClientOrigin.y;
  const bool inside = client.x >= 0 && client.y >= 0 && client.x < m_nUsableWidth && client.y < m_nUsableHeight;
  if (force == 0 && !inside) return 0;
  m_Mouse.x = client.x;
  m_Mouse.y = client.y;
  m_ptCursor = screen;
  m_Mouse.Update(mask);
  return 1;
}

void cWindow::AttachHost(cWindowHost* host) {
  m_lpHost = host;
  if (host == nullptr) return;
  host->ApplyStyle(m_dwStyle);
  RecalcFrame();
}

void cWindow::Show(bool show) {
  if (HasWindow()) m_lpHost->Show(show);
}

void cWindow::Maximize() {
  if (HasWindow()) m_lpHost->Maximize();
}

bool cWindow::IsIconic() const { return HasWindow() && m_lpHost->IsMinimized(); }

bool cWindow::IsZoomed() const { return HasWindow() && m_lpHost->IsMaximized(); }

void cWindow::SetWindowText(const char* cp932) {
  if (HasWindow()) m_lpHost->SetTitle(Cp932ToUtf8Lossy(cp932 != nullptr ? cp932 : ""));
}

LRESULT cWindow::DispatchMouse(UINT message, WPARAM wParam, LPARAM lParam) {
  using Handler = void (cWindow::*)(WPARAM, LPARAM);
  static constexpr struct {
    UINT message;
    Handler handler;
  } kMouseHandlers[] = {
      {WM_MOUSEMOVE, &cWindow::OnMouseMove},         {WM_LBUTTONDOWN, &cWindow::OnLButtonDown},
      {WM_RBUTTONDOWN, &cWindow::OnRButtonDown},     {WM_LBUTTONDBLCLK, &cWindow::OnLButtonDblClk},
      {WM_RBUTTONDBLCLK, &cWindow::OnRButtonDblClk}, {WM_LBUTTONUP, &cWindow::OnLButtonUp},
      {WM_RBUTTONUP, &cWindow::OnRButtonUp},
  };
  for (const auto& entry : kMouseHandlers) {
    if (entry.message != message) continue;
    (this->*entry.handler)(wParam, lParam);
    return 1;
  }
  return 0;
}

LRESULT cWindow::HandleMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  m_hWnd = hWnd;
  // A command sent while one is handled (a control notifying from inside a
  // handler) is dropped, so handlers never re-enter.
  if (message == WM_COMMAND && m_bInCommand != 0) return 0;
  // No window here has tool or status bars to lay out; the first message
  // finds them all present.
  m_bLaidOut = 1;
  UpdateMouse(0, 7);
  switch (message) {
    case WM_DESTROY:
      m_hWnd = nullptr;
      return 1;
    case WM_MOVE: {
      int32_t pos[2] = {m_nX, m_nY};
      GetWindowPos(pos);
      m_nX = pos[0];
      m_nY = pos[1];
      return 1;
    }
    case WM_SIZE:
      RefreshStyle();
      return 1;
    case WM_ACTIVATEAPP:
      return 1;
    case WM_PAINT:
      OnPaint();
      return 1;
    case WM_GETMINMAXINFO:
      GetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
      return 1;
    case WM_COMMAND:
      m_bInCommand = 1;
      OnCommand(wParam, lParam);
      m_bInCommand = 0;
      return 1;
    default:
      return DispatchMouse(message, wParam, lParam);
  }
}
