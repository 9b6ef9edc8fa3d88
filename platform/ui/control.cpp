#include "platform/ui/control.h"

#include "platform/ui/dialog.h"

void cControl::Enable(bool enable) {
  if (m_hWnd != nullptr) m_hWnd->bEnabled = enable;
  if (m_lpOwner != nullptr) m_lpOwner->Invalidate();
}

void cControl::WriteValue() {}
void cControl::ReadValue() {}
void cControl::OnChange() {}
void cControl::OnKillFocus() {}
void cControl::OnKeyDown(int32_t, LPARAM, bool) {}

void cControl::Attach(cDialog* dialog, uint16_t id) {
  m_lpOwner = dialog;
  m_hWndOwner = dialog != nullptr ? dialog->m_hWnd : nullptr;
  m_wId = id;
  m_strText.clear();
  m_hWnd = dialog != nullptr ? dialog->GetDlgItem(id) : nullptr;
  UpdatePos();
}

void cControl::UpdatePos() {
  if (m_hWnd == nullptr || m_lpOwner == nullptr) return;
  const POINT origin = m_lpOwner->ClientOrigin();
  m_ptScreen = POINT{origin.x + m_hWnd->rect.left, origin.y + m_hWnd->rect.top};
  int32_t pos[2] = {};
  m_lpOwner->GetWindowPos(pos);
  m_ptRelative = POINT{m_ptScreen.x - pos[0] - m_lpOwner->m_Extents.left, m_ptScreen.y - pos[1] - m_lpOwner->m_Extents.top};
}

void cControl::SetSize(int32_t width, int32_t height) {
  UpdatePos();
  if (m_hWnd == nullptr) return;
  m_hWnd->rect = RECT{m_ptRelative.x, m_ptRelative.y, m_ptRelative.x + width, m_ptRelative.y + height};
  if (m_lpOwner != nullptr) m_lpOwner->Invalidate();
}

void cControl::SetText(const char* cp932) {
  if (m_lpOwner != nullptr) m_lpOwner->SetDlgItemText(m_wId, cp932);
}
