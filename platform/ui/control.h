#pragma once
// cControl: a program variable bound to a control of a running dialog. The
// dialog keeps a list of them; WriteControls puts every bound value into its
// control, ReadControls takes them back, and commands reach the control of
// their id (OnChange, OnKillFocus). Derived binders (an edit with its limits,
// check boxes, radio buttons, labels) override what they need.
//
//   class cCheckBinder : public cControl {
//    public:
//     explicit cCheckBinder(int32_t* value) : cControl(kControlCheckBox), m_lpValue(value) {}
//     void WriteValue() override { m_lpOwner->CheckDlgButton(m_wId, *m_lpValue); }
//     void ReadValue() override {
//       if (!m_lpOwner->IsWritingControls()) *m_lpValue = m_lpOwner->IsDlgButtonChecked(m_wId);
//     }
//     int32_t* m_lpValue;
//   };

#include <cstdint>
#include <string>

#include "platform/ui/window_messages.h"

class cDialog;
struct cDialogItem;

// Type codes; the command routing knows the edit codes.
constexpr int32_t kControlLabel = 0;
constexpr int32_t kControlEditPlain = 2;
constexpr int32_t kControlEdit = 3;
constexpr int32_t kControlCanvas = 4;
constexpr int32_t kControlCheckBox = 5;
constexpr int32_t kControlRadio = 6;

class cControl {
 public:
  explicit cControl(int32_t type) : m_nType(type) {}
  virtual ~cControl() = default;
  cControl(const cControl&) = delete;
  cControl& operator=(const cControl&) = delete;

  virtual void Enable(bool enable);
  virtual void WriteValue();
  virtual void ReadValue();
  virtual void OnChange();
  virtual void OnKillFocus();
  // A key pressed in the dialog, after the focused control had it.
  virtual void OnKeyDown(int32_t vk, LPARAM lParam, bool ctrlHeld);

  void Attach(cDialog* dialog, uint16_t id);
  void UpdatePos();
  void SetSize(int32_t width, int32_t height);
  void SetText(const char* cp932);

  cDialogItem* m_hWnd = nullptr;
  cDialog* m_lpOwner = nullptr;
  HWND m_hWndOwner = nullptr;
  int32_t m_nType;
  uint16_t m_wId = 0;
  POINT m_ptScreen;
  POINT m_ptRelative;
  int32_t m_bBusy = 0;
  std::string m_strText;
};
