#include "ui/win/cCtrlEditText.h"

#include "ui/win/cDialog.h"

namespace {
constexpr int32_t kDefaultBufSize = 4096;
constexpr int32_t kDefaultMaxChars = 1024;
constexpr int32_t kDefaultMaxLines = 32;
}  // namespace

void cCtrlEditText::Attach(cDialog* owner, const cCtrlParam& param) {
  cCtrl::Attach(owner, param.m_wId);
  m_lpData = param.m_lpData;
  m_nBufSize = param.m_nBufSize ? param.m_nBufSize : kDefaultBufSize;
  m_nMaxChars = param.m_nMaxChars ? param.m_nMaxChars : kDefaultMaxChars;
  m_nMaxLines = param.m_nMaxLines ? param.m_nMaxLines : kDefaultMaxLines;
  m_bCharMode = param.m_bCharMode;
  SetText(m_lpData ? *m_lpData : cString());
}

void cCtrlEditText::SetText(const cString& text) {
  cShowing showing(*this);
  // The change notice of the new text must not put the previous text back: the limits of a text
  // the program sets are applied below, by cutting it.
  m_bBusy = 1;
  SetDlgItemString(m_hWndOwner, m_wId, text);
  m_bBusy = 0;
  m_strPrev = text;
  m_bAttaching = 1;
  OnChange();
  m_bAttaching = 0;
  m_strGiven = text;
  GetText(m_strShown);
  NoteGiven();
}

int cCtrlEditText::ChangedByUser() const {
  cString text;
  GetText(text);
  return !Showing() && (cCtrl::ChangedByUser() || text != m_strShown);
}

void cCtrlEditText::GetText(cString& text) const { GetDlgItemString(m_hWndOwner, m_wId, text, ReadLimit()); }

void cCtrlEditText::DataToCtrl() {
  if (m_lpData) SetText(*m_lpData);
}

void cCtrlEditText::CtrlToData() {
  if (!m_lpData) return;
  if (ChangedByUser()) GetText(*m_lpData);
  else *m_lpData = m_strGiven;
  m_strGiven = *m_lpData;
  GetText(m_strShown);
  NoteGiven();
}

void cCtrlEditText::OnChange() {
  if (m_bBusy) return;
  if (!m_bAttaching) NoteUserChange();
  m_bBusy = 1;
  cString text;
  GetText(text);
  GetEditSelection(m_hWnd, text.GetStr(), m_nSelStart, m_nSelEnd);
  cTextLimits limits{m_nMaxChars, m_nMaxLines, m_bCharMode};
  int32_t backspace = (GetAsyncKeyState(VK_BACK) & 0x8000) ? 1 : 0;
  cTextChange change = LimitEditText(limits, text, m_strPrev, m_nSelStart, m_nSelEnd, backspace, m_bAttaching);
  SetDlgItemString(m_hWndOwner, m_wId, change.m_strText);
  if (!m_bAttaching) SetEditSelection(m_hWnd, change.m_strText.GetStr(), change.m_nSelStart, change.m_nSelEnd);
  m_strPrev = change.m_strText;
  m_bBusy = 0;
}
