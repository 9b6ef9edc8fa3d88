#pragma once
// cDialog: a modal dialog drawn inside the game window. DoModal builds the
// controls of its template (dialog_template.h), sends WM_INITDIALOG, and runs
// a nested loop on the window thread: keys go to the focused control and then
// to the dialog, the mouse to the control under it, the dialog is drawn into a
// layer over the frozen last frame, sends from workers are served and the main
// window's posts dispatched, until End. Derived dialogs override OnInitDialog
// (attach their controls, WriteControls) and OnCommand (PreCommand, then
// cDialog::OnCommand, then their own ids).
//
//   class cNameDialog : public cDialog {
//    public:
//     cNameDialog() : cDialog(102, &g_MainWindow, &g_WindowRegistry) {}
//     void OnInitDialog(WPARAM w, LPARAM l) override {
//       cDialog::OnInitDialog(w, l);
//       m_Edit.Attach(this, {1003, &strName, 4, 3, 1, 1});
//       AddControl(&m_Edit);
//       WriteControls();
//       m_bInitialized = 1;
//     }
//     void OnCommand(WPARAM w, LPARAM l) override {
//       if (!PreCommand(w)) return;
//       cDialog::OnCommand(w, l);
//       if (LOWORD(w) == 1000) { ReadControls(); End(1); }
//     }
//   };
//   int result = cNameDialog().DoModal(0);   // from any thread
//
// Keys: Tab and Shift+Tab move the focus; every other key reaches the focused
// control, then the dialog (WM_KEYDOWN: OnKeyDown of every control). Return
// then presses the default button and Escape sends IDCANCEL, except that
// Return during an input-method composition belongs to the input method.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/dialog_item.h"
#include "platform/ui/dialog_layer.h"
#include "platform/ui/frame_rect_host.h"
#include "platform/ui/window.h"

class cDialogFont;
union SDL_Event;

// DoModal flags: hide or disable the registry's windows while the dialog runs.
constexpr int32_t kModalHideWindows = 2;
constexpr int32_t kModalDisableWindows = 4;

constexpr UINT LBN_SELCHANGE = 1;
constexpr UINT LBN_DBLCLK = 2;

class cDialog : public cWindow {
 public:
  cDialog(uint16_t templateId, cWindow* owner, cWindowRegistry* registry);
  ~cDialog() override;

  void Setup(uint16_t templateId, cWindow* owner, cWindowRegistry* registry);
  // The end result; 0 at once when the dialog is running already.
  int32_t DoModal(int32_t flags);
  void End(int32_t result);
  void OnDestroy();
  void WriteControls();
  void ReadControls();
  int32_t PreCommand(WPARAM wParam);

  // The common dialog procedure.
  LRESULT WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT HandleMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  virtual void OnInitDialog(WPARAM wParam, LPARAM lParam);

  // The controls of the running dialog.
  void AddControl(cControl* control) { m_Controls.push_back(control); }
  const std::vector<cControl*>& Controls() const { return m_Controls; }
  bool IsWritingControls() const { return m_bWritingControls != 0; }
  cDialogItem* GetDlgItem(uint16_t id);
  void SetDlgItemText(uint16_t id, const char* cp932);
  std::string GetDlgItemText(uint16_t id);
  void CheckDlgButton(uint16_t id, int32_t check);
  int32_t IsDlgButtonChecked(uint16_t id);
  void EnableItem(uint16_t id, bool enable);
  void SetFocusItem(uint16_t id);
  uint16_t FocusedId() const;
  void SetEditSel(uint16_t id, int32_t start, int32_t end);
  // WM_COMMAND (id, code) to the dialog, as a control sends it.
  void SendCommand(uint16_t id, UINT code);

  bool IsRunning() const { return HasWindow(); }
  int32_t Result() const { return m_nResult; }
  POINT ClientOrigin() const { return m_Host.ClientOrigin(); }
  const cDialogLayer& Layer() const { return m_Layer; }
  const cDialogFont* Font() const { return m_lpFont.get(); }
  // Redraw and present on the next turn of the loop.
  void Invalidate() { m_bDirty = true; }
  // Whether an input-method composition is open in the focused edit.
  bool IsComposing() const;

  // Fields in the order the framework keeps them.
  cWindow* m_lpOwner = nullptr;
  HWND m_hWndOwner = nullptr;
  int32_t m_bModeless = 0;
  int32_t m_nModalFlags = 0;
  int32_t m_nResult = 0;
  std::vector<cControl*> m_Controls;
  int32_t m_bWritingControls = 0;

 protected:
  // The template the dialog is built from: the one registered under its id.
  virtual const cDialogTemplate* Template() const;

 private:
  // The items and the client size of the template, scaled by its font.
  void BuildItems();
  cDialogItem* AddItem(const cDialogItemTemplate& item);
  int32_t RunModal();
  void Open();
  void Close();
  bool TurnLoop();
  void HandleSdlEvent(const SDL_Event& event);
  void OnDialogMessage(const MSG& msg, uint16_t keyMods);
  void OnDialogKey(int32_t vk, LPARAM lParam, bool shift, bool ctrl);
  bool FocusedKey(int32_t vk, bool shift, bool ctrl);
  void OnDialogMouse(const MSG& msg);
  void OnText(const char* utf8);
  void OnComposition(const char* utf8);
  void Click(cDialogItem& item);
  void MoveFocus(int32_t step);
  void SetFocus(cDialogItem* item, bool selectAll);
  void NotifyEditChanged(cDialogItem& edit);
  uint16_t DefaultButtonId() const;
  cDialogItem* ItemAt(POINT client);
  void ScrollToCaret(cDialogItem& edit);
  void UpdateTextInput();
  void Draw();

  uint16_t m_wTemplateId = 0;
  cFrameRectHost m_Host;
  std::vector<std::unique_ptr<cDialogItem>> m_Items;
  cDialogItem* m_lpFocus = nullptr;
  cDialogItem* m_lpCaptured = nullptr;
  std::unique_ptr<cDialogFont> m_lpFont;
  cDialogLayer m_Layer;
  bool m_bEnded = false;
  bool m_bDirty = false;
};

// Tests: called by a running dialog's loop whenever nothing is waiting for it
// (no event, no post, no send). Push the next scripted events and return
// true; return false when the script has run dry, which ends the dialog with
// 0. An empty function restores waiting for SDL's events.
using DialogIdleHook = std::function<bool(cDialog& dialog)>;
void SetDialogIdleHook(DialogIdleHook hook);
