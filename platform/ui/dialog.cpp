#include "platform/ui/dialog.h"

#include <algorithm>

#include "core/mesbox/mesbox_types.h"
#include "core/text/cp932.h"
#include "platform/input/key_state_table.h"
#include "platform/input/virtual_keys.h"
#include "platform/ui/dialog_font.h"
#include "platform/ui/edit_keys.h"
#include "platform/ui/window_registry.h"

cDialog::cDialog(uint16_t templateId, cWindow* owner, cWindowRegistry* registry) : cWindow(1) {
  Setup(templateId, owner, registry);
}

cDialog::~cDialog() = default;

void cDialog::Setup(uint16_t templateId, cWindow* owner, cWindowRegistry* registry) {
  m_wTemplateId = templateId;
  m_lpOwner = owner;
  m_hWndOwner = owner != nullptr ? owner->m_hWnd : nullptr;
  cWindow::Setup(templateId, m_hWndOwner, registry);
}

void cDialog::End(int32_t result) {
  m_nResult = result;
  m_Controls.clear();
  if (HasWindow()) m_bEnded = true;
}

void cDialog::OnDestroy() {
  if (m_lpRegistry == nullptr) return;
  if (m_bModeless != 0) m_lpRegistry->RemoveWindow(this);
  if ((m_nModalFlags & kModalHideWindows) != 0) m_lpRegistry->ShowAll(true);
  if ((m_nModalFlags & kModalDisableWindows) != 0) m_lpRegistry->EnableAll(true);
}

void cDialog::WriteControls() {
  m_bWritingControls = 1;
  for (cControl* control : m_Controls) control->WriteValue();
  m_bWritingControls = 0;
}

void cDialog::ReadControls() {
  for (cControl* control : m_Controls) control->ReadValue();
}

int32_t cDialog::PreCommand(WPARAM) { return 1; }

LRESULT cDialog::WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = HandleMessage(hWnd, message, wParam, lParam);
  if (message == WM_DESTROY) return 1;
  if (message == WM_CLOSE) {
    End(0);
    return 1;
  }
  return result != 0 ? 1 : 0;
}

LRESULT cDialog::HandleMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = cWindow::HandleMessage(hWnd, message, wParam, lParam);
  switch (message) {
    case WM_DESTROY: OnDestroy(); break;
    case WM_KEYDOWN: {
      const bool ctrl = (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0;
      // A control may end the dialog and empty the list: walk a copy.
      const std::vector<cControl*> controls = m_Controls;
      for (cControl* control : controls) control->OnKeyDown(static_cast<int32_t>(wParam), lParam, ctrl);
      break;
    }
    case WM_INITDIALOG: OnInitDialog(wParam, lParam); break;
    default: break;
  }
  return result;
}

void cDialog::OnCommand(WPARAM wParam, LPARAM) {
  const uint16_t id = static_cast<uint16_t>(LOWORD(wParam));
  const UINT code = HIWORD(wParam);
  for (cControl* control : m_Controls) {
    if (control->m_wId != id) continue;
    if (control->m_nType != kControlEditPlain && control->m_nType != kControlEdit) continue;
    if (code == EN_UPDATE) {
      control->OnChange();
      return;
    }
    if (code == EN_KILLFOCUS) {
      control->OnKillFocus();
      return;
    }
  }
}

void cDialog::OnInitDialog(WPARAM, LPARAM) {
  m_Controls.clear();
  if (m_bModeless != 0 && m_lpRegistry != nullptr) m_lpRegistry->AddWindow(this);
  RefreshStyle();
  PlaceInWorkArea();
  UpdateMouse(0, 7);
  m_MouseAtStart = m_Mouse;
  const int32_t requestedW = m_rcRequested.right - m_rcRequested.left;
  const int32_t requestedH = m_rcRequested.bottom - m_rcRequested.top;
  if (requestedW > 0 && requestedH > 0) SetClientSize(requestedW, requestedH);
}

cDialogItem* cDialog::GetDlgItem(uint16_t id) {
  for (auto& item : m_Items) {
    if (item->wId == id) return item.get();
  }
  return nullptr;
}

void cDialog::SetDlgItemText(uint16_t id, const char* cp932) {
  cDialogItem* item = GetDlgItem(id);
  if (item == nullptr) return;
  item->text = cp932 != nullptr ? cp932 : "";
  SettleEditSelection(*item);
  Invalidate();
}

std::string cDialog::GetDlgItemText(uint16_t id) {
  const cDialogItem* item = GetDlgItem(id);
  return item != nullptr ? item->text : std::string();
}

void cDialog::CheckDlgButton(uint16_t id, int32_t check) {
  cDialogItem* item = GetDlgItem(id);
  if (item == nullptr) return;
  item->nCheck = check;
  Invalidate();
}

int32_t cDialog::IsDlgButtonChecked(uint16_t id) {
  const cDialogItem* item = GetDlgItem(id);
  return item != nullptr ? item->nCheck : 0;
}

void cDialog::EnableItem(uint16_t id, bool enable) {
  cDialogItem* item = GetDlgItem(id);
  if (item == nullptr) return;
  item->bEnabled = enable;
  if (!enable && item == m_lpFocus) MoveFocus(1);
  Invalidate();
}

void cDialog::SetFocusItem(uint16_t id) { SetFocus(GetDlgItem(id), false); }

uint16_t cDialog::FocusedId() const { return m_lpFocus != nullptr ? m_lpFocus->wId : 0; }

void cDialog::SetEditSel(uint16_t id, int32_t start, int32_t end) {
  cDialogItem* item = GetDlgItem(id);
  if (item == nullptr) return;
  const auto size = static_cast<int32_t>(item->text.size());
  item->SetSelection(std::clamp(start, 0, size), std::clamp(end, 0, size));
  SettleEditSelection(*item);
  ScrollToCaret(*item);
  Invalidate();
}

void cDialog::SendCommand(uint16_t id, UINT code) { WndProc(m_hWnd, WM_COMMAND, MAKEWPARAM(id, code), 0); }

bool cDialog::IsComposing() const { return m_lpFocus != nullptr && !m_lpFocus->strComposition.empty(); }

cDialogItem* cDialog::AddItem(const cDialogItemTemplate& t) {
  auto item = std::make_unique<cDialogItem>();
  item->wId = t.wId;
  item->kind = t.kind;
  item->text = t.text;
  item->dwStyle = t.dwStyle;
  item->bEnabled = (t.dwStyle & WS_DISABLED) == 0;
  const int32_t bx = m_lpFont->BaseX(), by = m_lpFont->BaseY();
  item->rect = RECT{t.x * bx / 4, t.y * by / 8, (t.x + t.cx) * bx / 4, (t.y + t.cy) * by / 8};
  m_Items.push_back(std::move(item));
  return m_Items.back().get();
}

const cDialogTemplate* cDialog::Template() const { return FindDialogTemplate(m_wTemplateId); }

void cDialog::BuildItems() {
  const cDialogTemplate* t = Template();
  static const cDialogTemplate kEmpty{};
  if (t == nullptr) t = &kEmpty;
  m_lpFont = std::make_unique<cDialogFont>(t->face.c_str(), t->nPointSize);
  m_Items.clear();
  for (const cDialogItemTemplate& item : t->items) AddItem(item);
  m_dwStyle = t->dwStyle;
  m_Host.SetTitle(Cp932ToUtf8Lossy(t->caption));
  m_rcClient = RECT{0, 0, t->cx * m_lpFont->BaseX() / 4, t->cy * m_lpFont->BaseY() / 8};
}
