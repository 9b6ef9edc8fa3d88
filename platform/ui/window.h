#pragma once
// cWindow: the base of the program's windows, the main window and every
// dialog. It keeps the window's geometry in client-area terms (the requested,
// current, minimum and maximum client sizes and the frame around them), places
// and sizes the window through its host (window_host.h), tracks the mouse, and
// turns window messages into virtual operations (HandleMessage). Window thread
// only.
//
//   cMainWindow window;                       // or a dialog
//   window.SetGeometry(640, 480, 100, 100, 640, 480, WS_POPUP | WS_CAPTION);
//   window.AttachHost(&host);                 // the window exists from now on
//   window.SetClientSize(640, 480);
//   window.PlaceInWorkArea();                 // with an initial position set

#include <cstdint>
#include <string>

#include "platform/ui/mouse_state.h"
#include "platform/ui/window_host.h"
#include "platform/ui/window_messages.h"

class cWindowRegistry;

// An initial position "not given".
constexpr int32_t kNoInitialPos = -1000;

class cWindow {
 public:
  explicit cWindow(int32_t kind);
  virtual ~cWindow() = default;
  cWindow(const cWindow&) = delete;
  cWindow& operator=(const cWindow&) = delete;

  // The virtual operations, in the order callers override them.
  virtual void OnCommand(WPARAM wParam, LPARAM lParam);
  virtual void OnMouseMove(WPARAM wParam, LPARAM lParam);
  virtual void OnLButtonDown(WPARAM wParam, LPARAM lParam);
  virtual void OnRButtonDown(WPARAM wParam, LPARAM lParam);
  virtual void OnLButtonDblClk(WPARAM wParam, LPARAM lParam);
  virtual void OnRButtonDblClk(WPARAM wParam, LPARAM lParam);
  virtual void OnLButtonUp(WPARAM wParam, LPARAM lParam);
  virtual void OnRButtonUp(WPARAM wParam, LPARAM lParam);
  // The class's own procedure body; 0 in the base.
  virtual LRESULT WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
  // The common dispatcher: 1 for a message it handled, else 0.
  virtual LRESULT HandleMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
  virtual void RefreshLists();
  virtual void OnPaint();

  void Clear();
  static void ClearRect(RECT& rect);
  void Setup(uint16_t id, HWND parent, cWindowRegistry* registry);
  void SetGeometry(int32_t width, int32_t height, int32_t minWidth, int32_t minHeight, int32_t maxWidth,
                   int32_t maxHeight, uint32_t style);
  void RecalcFrame();
  void GetMinMaxInfo(MINMAXINFO* info) const;
  void GetWindowPos(int32_t pos[2]) const;
  void Move(int32_t x, int32_t y);
  void CenterOnDesktop();
  void PlaceInWorkArea();
  bool GetClientRect(RECT* rect) const;
  void SetClientSize(int32_t width, int32_t height);
  void SetClientSizeAt(int32_t x, int32_t y, int32_t width, int32_t height);
  void AddStyle(uint32_t bits);
  void RemoveStyle(uint32_t bits);
  void RefreshStyle();
  // 1 with the mouse state updated; 0, nothing changed, when force is 0 and
  // the pointer is outside the usable client area (or nowhere known).
  int32_t UpdateMouse(int32_t force, int32_t mask);

  // The window itself. A window exists while its host does.
  void AttachHost(cWindowHost* host);
  cWindowHost* Host() const { return m_lpHost; }
  bool HasWindow() const { return m_lpHost != nullptr && m_lpHost->Exists(); }
  void Show(bool show);
  void Maximize();
  bool IsIconic() const;
  bool IsZoomed() const;
  // The title in CP932, shown in UTF-8.
  void SetWindowText(const char* cp932);

  void SetInitialPos(int32_t x, int32_t y) {
    m_nInitX = x;
    m_nInitY = y;
  }

  // Fields in the order the framework keeps them.
  int32_t m_nKind;
  HWND m_hWnd = nullptr;
  uint16_t m_wId = 0;
  HWND m_hWndParent = nullptr;
  cWindowRegistry* m_lpRegistry = nullptr;
  POINT m_ptClientOrigin;
  int32_t m_nUsableWidth = 0;
  int32_t m_nUsableHeight = 0;
  cMouse m_Mouse;
  cMouse m_MouseAtStart;
  POINT m_ptCursor;
  RECT m_rcRequested;
  RECT m_rcClient;
  RECT m_rcMin;
  RECT m_rcMax;
  RECT m_rcOuter;
  uint32_t m_dwStyle = 0;
  cFrameExtents m_Extents;
  int32_t m_nX = 0;
  int32_t m_nY = 0;
  int32_t m_bLaidOut = 0;
  int32_t m_bInCommand = 0;
  int32_t m_bInitialized = 0;
  int32_t m_nInitX = kNoInitialPos;
  int32_t m_nInitY = kNoInitialPos;

 protected:
  int32_t OuterWidth() const { return m_rcOuter.right - m_rcOuter.left; }
  int32_t OuterHeight() const { return m_rcOuter.bottom - m_rcOuter.top; }

 private:
  // The mouse messages and the operation each calls.
  LRESULT DispatchMouse(UINT message, WPARAM wParam, LPARAM lParam);

  cWindowHost* m_lpHost = nullptr;
};

// Where a window whose left (or top) edge is at pos and whose size is extent
// lands inside [low, high): past the far edge it is pulled back first, then
// below the near edge to it, so a window larger than the area keeps its title
// on screen.
int32_t ClampIntoArea(int32_t pos, int32_t extent, int32_t low, int32_t high);
