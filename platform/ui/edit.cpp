#include "platform/ui/edit.h"

#include "platform/ui/dialog.h"

cEditLimits cEdit::Limits() const {
  return cEditLimits{m_Param.nTotal, m_Param.nPerLine, m_Param.nLines, m_Param.bCountChars}.Normalized();
}

void cEdit::Attach(cDialog* dialog) { Attach(dialog, m_Param); }

void cEdit::Attach(cDialog* dialog, const cEditParam& param) {
  m_Param = param;
  const cEditLimits limits = Limits();
  m_Param.nTotal = limits.nTotal;
  m_Param.nPerLine = limits.nPerLine;
  m_Param.nLines = limits.nLines;
  cControl::Attach(dialog, param.wId);
  const std::string bound = m_Param.lpString != nullptr ? *m_Param.lpString : std::string();
  if (m_lpOwner != nullptr) m_lpOwner->SetDlgItemText(m_wId, bound.c_str());
  m_strPrevious = bound;
  m_bInAttach = 1;
  OnChange();
  m_bInAttach = 0;
}

void cEdit::WriteValue() {
  if (m_lpOwner != nullptr && m_Param.lpString != nullptr) m_lpOwner->SetDlgItemText(m_wId, m_Param.lpString->c_str());
}

void cEdit::ReadValue() {
  if (m_lpOwner == nullptr || m_Param.lpString == nullptr || m_lpOwner->IsWritingControls()) return;
  // Sized to the limit and cut at a character start: nothing read can
  // overflow, and no half character reaches the bound string.
  *m_Param.lpString = CutToReadLimit(m_lpOwner->GetDlgItemText(m_wId), Limits());
}

void cEdit::OnChange() {
  if (m_bBusy != 0 || m_lpOwner == nullptr || m_hWnd == nullptr) return;
  m_bBusy = 1;
  const cEditChange change = ApplyEditChange(m_hWnd->text, m_hWnd->Selection(), m_strPrevious, m_SavedSelection,
                                             Limits(), m_bInAttach != 0);
  m_lpOwner->SetDlgItemText(m_wId, change.text.c_str());
  if (m_bInAttach == 0) m_lpOwner->SetEditSel(m_wId, change.selection.nStart, change.selection.nEnd);
  m_strPrevious = change.text;
  m_SavedSelection = change.selection;
  m_bBusy = 0;
}
