#include <SDL.h>

#include <algorithm>

#include "core/mesbox/mesbox_types.h"
#include "core/thread/window_queue.h"
#include "platform/input/sdl_input_intake.h"
#include "platform/input/virtual_keys.h"
#include "platform/ui/dialog.h"
#include "platform/ui/dialog_font.h"
#include "platform/ui/edit_keys.h"
#include "platform/ui/list_keys.h"
#include "platform/ui/window_pump.h"
#include "platform/ui/window_registry.h"

namespace dialog_modal {

DialogIdleHook& IdleHook() {
  static DialogIdleHook hook;
  return hook;
}

// How long the loop sleeps in SDL's event wait; posts and sends wake it.
constexpr int kWaitMs = 10;

}  // namespace dialog_modal

void SetDialogIdleHook(DialogIdleHook hook) { dialog_modal::IdleHook() = std::move(hook); }

int32_t cDialog::DoModal(int32_t flags) {
  // Dialogs live on the window thread; a worker's call runs there.
  if (!IsWindowThread() && g_hWnd->IsServing()) {
    return static_cast<int32_t>(CallOnWindowThread([this, flags] { return LRESULT{DoModal(flags)}; }));
  }
  if (HasWindow()) return 0;
  m_Controls.clear();
  m_bModeless = 0;
  m_nModalFlags = flags;
  if (m_lpRegistry != nullptr && (flags & kModalHideWindows) != 0) m_lpRegistry->ShowAll(false);
  if (m_lpRegistry != nullptr && (flags & kModalDisableWindows) != 0) m_lpRegistry->EnableAll(false);
  const int32_t result = RunModal();
  m_hWnd = nullptr;
  if (m_lpRegistry != nullptr && (flags & kModalHideWindows) != 0) m_lpRegistry->ShowAll(true);
  if (m_lpRegistry != nullptr && (flags & kModalDisableWindows) != 0) m_lpRegistry->EnableAll(true);
  return result;
}

int32_t cDialog::RunModal() {
  Open();
  WndProc(g_hWnd, WM_INITDIALOG, 0, 0);
  if (m_lpFocus == nullptr && !m_bEnded) MoveFocus(1);
  while (!m_bEnded && TurnLoop()) {
  }
  Close();
  return m_nResult;
}

void cDialog::Open() {
  m_bEnded = false;
  m_nResult = 0;
  m_lpFocus = m_lpCaptured = nullptr;
  m_bLaidOut = m_bInitialized = 0;
  BuildItems();
  m_Host.Open(true);
  m_Host.Show(true);
  AttachHost(&m_Host);
  // Where a dialog without an initial position shows: the frame's middle.
  CenterOnDesktop();
  m_hWnd = g_hWnd;
  Invalidate();
}

void cDialog::Close() {
  // The dialog has ended: its controls are not told of the focus they lose.
  m_lpFocus = nullptr;
  if (SDL_IsTextInputActive()) SDL_StopTextInput();
  WndProc(m_hWnd, WM_DESTROY, 0, 0);
  m_Host.Open(false);
  m_Items.clear();
  m_lpCaptured = nullptr;
  m_Layer.Clear();
  PresentWithoutDialog();
}

bool cDialog::TurnLoop() {
  if (m_bDirty) {
    m_bDirty = false;
    Draw();
    PresentDialogLayer(m_Layer);
  }
  MSG msg;
  // Looking at the queue serves pending sends first.
  if (PeekMessage(&msg, g_hWnd, false)) {
    // Quitting ends the dialog; the quit stays for the outer loop.
    if (msg.message == WM_QUIT) {
      End(0);
      return false;
    }
    PeekMessage(&msg, g_hWnd, true);
    DispatchMessage(&msg);
    return true;
  }
  SDL_Event event;
  if (SDL_PollEvent(&event) != 0) {
    HandleSdlEvent(event);
    return true;
  }
  if (dialog_modal::IdleHook()) {
    if (!dialog_modal::IdleHook()(*this)) {
      End(0);
      return false;
    }
    SDL_PumpEvents();
    return true;
  }
  if (SDL_WaitEventTimeout(&event, dialog_modal::kWaitMs) != 0) HandleSdlEvent(event);
  return true;
}

void cDialog::HandleSdlEvent(const SDL_Event& event) {
  SdlInputIntake().HandleEvent(event);
  if (event.type == SDL_TEXTINPUT) {
    OnText(event.text.text);
    return;
  }
  if (event.type == SDL_TEXTEDITING) {
    OnComposition(event.edit.text);
    return;
  }
  const uint16_t mods = event.type == SDL_KEYDOWN ? event.key.keysym.mod : 0;
  for (const MSG& msg : TranslateSdlEvent(event)) {
    if (m_bEnded) return;
    OnDialogMessage(msg, mods);
  }
  SdlInputIntake().PublishJoysticks();
}

void cDialog::OnDialogMessage(const MSG& msg, uint16_t keyMods) {
  switch (msg.message) {
    case WM_KEYDOWN:
      OnDialogKey(static_cast<int32_t>(msg.wParam), msg.lParam, (keyMods & KMOD_SHIFT) != 0,
                  (keyMods & KMOD_CTRL) != 0);
      return;
    case WM_KEYUP: return;
    case WM_CLOSE: WndProc(m_hWnd, WM_CLOSE, 0, 0); return;
    case WM_PAINT: Invalidate(); return;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK: OnDialogMouse(msg); return;
    default:
      // Activation, moves and sizes of the game window are the main window's.
      g_hWnd->CallProc(msg.message, msg.wParam, msg.lParam);
      Invalidate();
      return;
  }
}

void cDialog::OnDialogKey(int32_t vk, LPARAM lParam, bool shift, bool ctrl) {
  if (vk == VK_TAB) {
    MoveFocus(shift ? -1 : 1);
    return;
  }
  if (vk == VK_RETURN && IsComposing()) return;
  FocusedKey(vk, shift, ctrl);
  if (m_bEnded) return;
  WndProc(m_hWnd, WM_KEYDOWN, static_cast<WPARAM>(vk), lParam);
  if (m_bEnded) return;
  if (vk == VK_RETURN) {
    // A disabled default button is not pressed by Return either.
    const cDialogItem* button = GetDlgItem(DefaultButtonId());
    if (button == nullptr || button->bEnabled) SendCommand(DefaultButtonId(), BN_CLICKED);
  }
  else if (vk == VK_ESCAPE) SendCommand(IDCANCEL, BN_CLICKED);
}

bool cDialog::FocusedKey(int32_t vk, bool shift, bool ctrl) {
  cDialogItem* item = m_lpFocus;
  if (item == nullptr) return false;
  if (item->kind == eDialogItemKind::kEdit) {
    bool changed = false;
    if (!EditKey(*item, vk, shift, ctrl, &changed)) return false;
    ScrollToCaret(*item);
    Invalidate();
    if (changed) NotifyEditChanged(*item);
    return true;
  }
  if (item->kind == eDialogItemKind::kFileList) {
    if (!FileListKey(*item, vk, m_lpFont->LineHeight())) return false;
    Invalidate();
    SendCommand(item->wId, LBN_SELCHANGE);
    return true;
  }
  if (vk == VK_SPACE && item->IsButtonKind()) {
    Click(*item);
    return true;
  }
  return false;
}

void cDialog::OnText(const char* utf8) {
  cDialogItem* item = m_lpFocus;
  if (item == nullptr || item->kind != eDialogItemKind::kEdit) return;
  item->strComposition.clear();
  const std::string typed = TypedTextToCp932(utf8 != nullptr ? utf8 : "");
  Invalidate();
  if (typed.empty() || !EditReplaceSelection(*item, typed)) return;
  ScrollToCaret(*item);
  NotifyEditChanged(*item);
}

void cDialog::OnComposition(const char* utf8) {
  cDialogItem* item = m_lpFocus;
  if (item == nullptr || item->kind != eDialogItemKind::kEdit) return;
  item->strComposition = utf8 != nullptr ? utf8 : "";
  ScrollToCaret(*item);
  UpdateTextInput();
  Invalidate();
}

void cDialog::NotifyEditChanged(cDialogItem& edit) {
  SendCommand(edit.wId, EN_UPDATE);
  Invalidate();
}

void cDialog::Click(cDialogItem& item) {
  if (!item.bEnabled) return;
  if (item.kind == eDialogItemKind::kCheckBox) {
    item.nCheck = item.nCheck != 0 ? 0 : 1;
  } else if (item.kind == eDialogItemKind::kRadio) {
    // The group: from the nearest WS_GROUP item at or before this one to the next.
    auto self = std::find_if(m_Items.begin(), m_Items.end(), [&](const auto& p) { return p.get() == &item; });
    auto first = self;
    while (first != m_Items.begin() && ((*first)->dwStyle & WS_GROUP) == 0) --first;
    for (auto it = first; it != m_Items.end(); ++it) {
      if (it != first && ((*it)->dwStyle & WS_GROUP) != 0) break;
      if ((*it)->kind == eDialogItemKind::kRadio) (*it)->nCheck = 0;
    }
    item.nCheck = 1;
  }
  Invalidate();
  SendCommand(item.wId, BN_CLICKED);
}

uint16_t cDialog::DefaultButtonId() const {
  if (m_lpFocus != nullptr &&
      (m_lpFocus->kind == eDialogItemKind::kPushButton || m_lpFocus->kind == eDialogItemKind::kDefPushButton)) {
    return m_lpFocus->wId;
  }
  for (const auto& item : m_Items) {
    if (item->kind == eDialogItemKind::kDefPushButton) return item->wId;
  }
  return IDOK;
}

void cDialog::MoveFocus(int32_t step) {
  const auto count = static_cast<int32_t>(m_Items.size());
  if (count == 0) return;
  int32_t at = -1;
  for (int32_t i = 0; i < count; ++i) {
    if (m_Items[static_cast<std::size_t>(i)].get() == m_lpFocus) at = i;
  }
  if (at < 0 && step < 0) at = 0;
  for (int32_t n = 1; n <= count; ++n) {
    cDialogItem* item = m_Items[static_cast<std::size_t>(((at + step * n) % count + count) % count)].get();
    if (!item->CanFocus()) continue;
    // Within a radio group only the checked button (or the first) takes the focus.
    if (item->kind == eDialogItemKind::kRadio && item->nCheck == 0 && (item->dwStyle & WS_GROUP) == 0) continue;
    SetFocus(item, true);
    return;
  }
}

void cDialog::SetFocus(cDialogItem* item, bool selectAll) {
  if (item == m_lpFocus) return;
  cDialogItem* old = m_lpFocus;
  m_lpFocus = item;
  if (old != nullptr && old->kind == eDialogItemKind::kEdit) {
    old->strComposition.clear();
    SendCommand(old->wId, EN_KILLFOCUS);
  }
  if (item != nullptr && item->kind == eDialogItemKind::kEdit && selectAll) {
    item->SetSelection(0, static_cast<int32_t>(item->text.size()));
    ScrollToCaret(*item);
  }
  UpdateTextInput();
  Invalidate();
}

void cDialog::UpdateTextInput() {
  const bool wanted = m_lpFocus != nullptr && m_lpFocus->kind == eDialogItemKind::kEdit && HasWindow();
  if (!wanted) {
    if (SDL_IsTextInputActive()) SDL_StopTextInput();
    return;
  }
  // The candidates of the input method show at the caret.
  const POINT origin = ClientOrigin();
  const int32_t caretX =
      m_lpFont->TextWidth(std::string_view(m_lpFocus->text).substr(0, static_cast<std::size_t>(m_lpFocus->nCaret)));
  SDL_Rect rect{origin.x + m_lpFocus->rect.left + 2 + caretX - m_lpFocus->nScroll, origin.y + m_lpFocus->rect.top,
                1, m_lpFocus->rect.bottom - m_lpFocus->rect.top};
  SDL_SetTextInputRect(&rect);
  if (!SDL_IsTextInputActive()) SDL_StartTextInput();
}

cDialogItem* cDialog::ItemAt(POINT client) {
  // Later items lie on top, and group boxes lie under what they group.
  for (auto it = m_Items.rbegin(); it != m_Items.rend(); ++it) {
    cDialogItem& item = **it;
    if (!item.bVisible || item.kind == eDialogItemKind::kGroupBox) continue;
    const RECT& r = item.rect;
    if (client.x >= r.left && client.x < r.right && client.y >= r.top && client.y < r.bottom) return &item;
  }
  return nullptr;
}

void cDialog::OnDialogMouse(const MSG& msg) {
  const POINT client = m_Host.FrameToClient({GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)});
  WndProc(m_hWnd, msg.message, msg.wParam, MAKELPARAM(client.x, client.y));
  if (m_bEnded) return;
  cDialogItem* item = ItemAt(client);
  const bool down = msg.message == WM_LBUTTONDOWN || msg.message == WM_LBUTTONDBLCLK;
  if (down && item != nullptr && item->bEnabled) {
    if (item->CanFocus()) SetFocus(item, false);
    if (item->IsButtonKind()) {
      item->bPressed = true;
      m_lpCaptured = item;
    } else if (item->kind == eDialogItemKind::kEdit) {
      const int32_t at = EditCaretAt(*item, *m_lpFont, client.x - item->rect.left - 2 + item->nScroll);
      item->SetSelection(at, at);
      UpdateTextInput();
    } else if (item->kind == eDialogItemKind::kFileList) {
      const int32_t line = item->nTop + (client.y - item->rect.top - 2) / std::max(1, m_lpFont->LineHeight());
      if (line >= 0 && line < static_cast<int32_t>(item->lines.size())) {
        item->nSelected = line;
        SendCommand(item->wId, msg.message == WM_LBUTTONDBLCLK ? LBN_DBLCLK : LBN_SELCHANGE);
      }
    }
    Invalidate();
    return;
  }
  if (msg.message == WM_LBUTTONUP && m_lpCaptured != nullptr) {
    cDialogItem* captured = m_lpCaptured;
    m_lpCaptured = nullptr;
    captured->bPressed = false;
    Invalidate();
    if (captured == item) Click(*captured);
  }
}

void cDialog::ScrollToCaret(cDialogItem& edit) {
  if (edit.kind != eDialogItemKind::kEdit || !m_lpFont) return;
  const int32_t inner = std::max(1, static_cast<int32_t>(edit.rect.right - edit.rect.left) - 4);
  int32_t caretX = m_lpFont->TextWidth(std::string_view(edit.text).substr(0, static_cast<std::size_t>(edit.nCaret)));
  caretX += m_lpFont->TextWidth(TypedTextToCp932(edit.strComposition));
  if (caretX - edit.nScroll > inner - 1) edit.nScroll = caretX - (inner - 1);
  if (caretX < edit.nScroll) edit.nScroll = caretX;
  edit.nScroll = std::max(0, edit.nScroll);
}
