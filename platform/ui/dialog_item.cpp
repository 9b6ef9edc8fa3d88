#include "platform/ui/dialog_item.h"

#include <algorithm>

bool IsEditKind(eDialogItemKind kind) { return kind == eDialogItemKind::kEdit; }

bool cDialogItem::IsButtonKind() const {
  switch (kind) {
    case eDialogItemKind::kPushButton:
    case eDialogItemKind::kDefPushButton:
    case eDialogItemKind::kRadio:
    case eDialogItemKind::kCheckBox: return true;
    default: return false;
  }
}

bool cDialogItem::CanFocus() const {
  if (!bEnabled || !bVisible) return false;
  return IsButtonKind() || kind == eDialogItemKind::kEdit || kind == eDialogItemKind::kFileList;
}

cEditSelection cDialogItem::Selection() const { return {std::min(nCaret, nAnchor), std::max(nCaret, nAnchor)}; }

void cDialogItem::SetSelection(int32_t start, int32_t end) {
  nAnchor = start;
  nCaret = end;
}
