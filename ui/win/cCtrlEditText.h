#pragma once
// A text edit bound to a cString: the text is kept within a limit of bytes, or of characters (a
// double-byte character counts one), and of lines, while the user types; a change that breaks the
// limits is undone. Texts the program sets are cut to the limits instead, for the eye only:
// storing writes a text given to show as it is until the user changes the edit.

#include "ui/TextLimits.h"
#include "ui/win/cCtrlEdit.h"

class cCtrlEditText : public cCtrlEdit {
public:
  struct cCtrlParam {
    uint16_t m_wId = 0;
    cString* m_lpData = nullptr;
    int32_t m_nBufSize = 0;  // bytes read, zero included; 0: 4,096
    int32_t m_nMaxChars = 0;  // per line; 0: 1,024
    int32_t m_nMaxLines = 0;  // 0: 32
    int32_t m_bCharMode = 0;
    // One line of at most maxLength characters (character mode) or bytes.
    void Set(uint16_t id, cString* data, int32_t maxLength, int32_t charMode) {
      m_wId = id;
      m_lpData = data;
      m_nBufSize = maxLength + 1;
      m_nMaxChars = charMode ? maxLength : 0;
      m_nMaxLines = 1;
      m_bCharMode = charMode;
    }
  };

  cCtrlEditText() { m_nKind = kCtrlEditText; }

  void Attach(cDialog* owner, const cCtrlParam& param);
  // Shows a text, cut to the limits, without storing it.
  void SetText(const cString& text);
  void GetText(cString& text) const;
  void DataToCtrl() override;
  void CtrlToData() override;
  void OnChange() override;
  int ChangedByUser() const override;

  // The bytes a read takes, terminating zero included: in character mode two a character.
  int ReadLimit() const { return m_bCharMode ? 2 * m_nBufSize - 1 : m_nBufSize; }

  cString* m_lpData = nullptr;
  int32_t m_nBufSize = 0;
  int32_t m_bCharMode = 0;
  int32_t m_nMaxChars = 0;
  int32_t m_nMaxLines = 0;
  int32_t m_bAttaching = 0;
  cString m_strPrev;
  cString m_strGiven;  // the text given to show, which storing keeps until the user's change
  cString m_strShown;  // the edit's text as the wrapper left it
  int32_t m_nSelStart = 0;
  int32_t m_nSelEnd = 0;
};
