#pragma once
// One control of a running dialog: what the template made of it, plus its
// live state (text, check, focus-related edit state). The dialog owns its
// items; cControl objects bind to them by id, as the program's variables are
// bound to controls.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/dialog_template.h"
#include "platform/ui/edit_limits.h"
#include "platform/ui/window_messages.h"

struct cDialogItem {
  uint16_t wId = 0;
  eDialogItemKind kind = eDialogItemKind::kLabel;
  std::string text;  // CP932
  RECT rect;         // pixels, in the dialog's client area
  uint32_t dwStyle = 0;
  bool bEnabled = true;
  bool bVisible = true;
  int32_t nCheck = 0;

  // Edit: caret and the other end of the selection, byte offsets never inside
  // a double-byte character; the open composition of the input method (UTF-8,
  // empty when none); how far the text is scrolled left, in pixels.
  int32_t nCaret = 0;
  int32_t nAnchor = 0;
  std::string strComposition;
  int32_t nScroll = 0;

  // A button held down by the mouse.
  bool bPressed = false;

  // File list: its lines (CP932), the selected line, the first line shown,
  // and the lines marked in a multiple selection.
  std::vector<std::string> lines;
  int32_t nSelected = -1;
  int32_t nTop = 0;
  std::vector<bool> marks;

  bool IsButtonKind() const;
  // Takes the focus by Tab or a click.
  bool CanFocus() const;
  cEditSelection Selection() const;
  void SetSelection(int32_t start, int32_t end);
};

bool IsEditKind(eDialogItemKind kind);
