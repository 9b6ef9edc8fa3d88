#pragma once
// A dialog's host: a rectangle inside the 640 x 480 frame, drawn by the dialog
// itself. Its frame follows the classic metrics of the style (a caption bar, a
// sizing or dialog frame, or a thin border), so templates laid out for them
// keep their proportions; its work area and desktop are the frame.

#include "platform/ui/window_host.h"

// The frame metrics a dialog is drawn with.
constexpr int32_t kCaptionHeight = 19;     // caption bar
constexpr int32_t kSizingFrame = 4;        // WS_THICKFRAME, each side
constexpr int32_t kDialogFrame = 3;        // WS_DLGFRAME or DS_MODALFRAME, each side
constexpr int32_t kBorderFrame = 1;        // WS_BORDER alone

class cFrameRectHost final : public cWindowHost {
 public:
  // Open: the dialog's window exists; closed, every query answers as for none.
  void Open(bool open) { m_bOpen = open; }

  bool Exists() const override { return m_bOpen; }
  cFrameExtents Extents(uint32_t style) const override;
  void ApplyStyle(uint32_t style) override { m_dwStyle = style; }
  POINT OuterPos() const override { return m_ptPos; }
  void SetOuterPos(int32_t x, int32_t y) override { m_ptPos = {x, y}; }
  void ClientSize(int32_t* width, int32_t* height) const override;
  void SetClientSize(int32_t width, int32_t height) override;
  void SetSizeLimits(int32_t, int32_t, int32_t, int32_t) override {}
  RECT WorkArea() const override { return {0, 0, 640, 480}; }
  RECT Desktop() const override { return {0, 0, 640, 480}; }
  POINT FrameToClient(POINT frame) const override;
  void Show(bool show) override { m_bVisible = show; }
  void Maximize() override {}
  bool IsMinimized() const override { return false; }
  bool IsMaximized() const override { return false; }
  void SetTitle(const std::string& utf8) override { m_strTitle = utf8; }

  bool IsVisible() const { return m_bVisible; }
  uint32_t Style() const { return m_dwStyle; }
  const std::string& Title() const { return m_strTitle; }
  // The client area's left and top in frame coordinates.
  POINT ClientOrigin() const;

 private:
  bool m_bOpen = false;
  bool m_bVisible = true;
  uint32_t m_dwStyle = 0;
  POINT m_ptPos;
  int32_t m_nClientWidth = 0;
  int32_t m_nClientHeight = 0;
  std::string m_strTitle;
};
