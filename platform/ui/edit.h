#pragma once
// cEdit: a std::string bound to an edit control, with a total length, a
// per-line limit and a line limit (in bytes, or in characters where a
// double-byte character counts one). Every change the user makes runs
// OnChange, which wraps the text and refuses a change that needs too many
// lines (edit_limits.h).
//
//   cEdit name;
//   name.Attach(this, {1003, &strName, 4, 3, 1, 1});   // three characters, one line
//   ...
//   ReadControls();                                    // the text into strName

#include <string>

#include "platform/ui/control.h"
#include "platform/ui/edit_limits.h"

struct cEditParam {
  uint16_t wId = 0;
  std::string* lpString = nullptr;
  int32_t nTotal = 0;       // 0: 4096
  int32_t nPerLine = 0;     // 0: 1024
  int32_t nLines = 0;       // 0: 32
  int32_t bCountChars = 0;
  int32_t nExtra[4] = {};
};

class cEdit : public cControl {
 public:
  cEdit() : cControl(kControlEdit) {}

  void SetParam(const cEditParam& param) { m_Param = param; }
  const cEditParam& Param() const { return m_Param; }
  // With the stored parameters.
  void Attach(cDialog* dialog);
  void Attach(cDialog* dialog, const cEditParam& param);
  void WriteValue() override;
  void ReadValue() override;
  void OnChange() override;

  cEditLimits Limits() const;
  const std::string& PreviousText() const { return m_strPrevious; }

 private:
  cEditParam m_Param;
  int32_t m_bInAttach = 0;
  std::string m_strPrevious;
  cEditSelection m_SavedSelection;
};
