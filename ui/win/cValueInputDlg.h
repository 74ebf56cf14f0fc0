#pragma once
// The three small dialogs that the whole editor shares: the value dialog asks for one integer
// within a range, the string dialog for one text, and the status popup shows a line while a long
// operation runs, with the other windows disabled. Each is made, run and deleted by the free
// functions below.

#include "ui/win/cCtrlCheck.h"
#include "ui/win/cCtrlEditText.h"
#include "ui/win/cCtrlEditVal.h"
#include "ui/win/cDialog.h"

enum : uint16_t {
  kIddValueInput = 101,
  kIddStringInput = 102,
  kIddStatusPopup = 132,
  kIdcInputEdit = 1003,
  kIdcInputSpin = 1011,
  kIdcStatusText = 1017,
};

class cValueInputDlg : public cDialog {
public:
  cValueInputDlg(cWindow* parent, cModelessList* list, int32_t* value, int32_t min, int32_t max, const char* title,
                 cCtrl* place, int32_t center);
  cValueInputDlg(cWindow* parent, cModelessList* list, int32_t* value, int32_t min, int32_t max, const char* title,
                 int32_t x, int32_t y);
  ~cValueInputDlg() override;
  void Init(int32_t* value, int32_t min, int32_t max, const char* title);
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

  int32_t* m_lpValue = nullptr;
  cString m_strTitle;
  cCtrlGroups<cCtrlEditVal<int>> m_vEditGroups;
};

class cStringInputDlg : public cDialog {
public:
  cStringInputDlg(cWindow* parent, cModelessList* list, cString* value, int32_t maxLength, int32_t charMode,
                  const char* title, cCtrl* place, int32_t center);
  ~cStringInputDlg() override;
  void Init(cString* value, int32_t maxLength, int32_t charMode, const char* title);
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

  cString* m_lpValue = nullptr;
  cString m_strTitle;
  cCtrlGroups<cCtrlEditText> m_vEditGroups;
};

class cStatusPopup : public cDialog {
public:
  cStatusPopup(cWindow* parent, cModelessList* list, const char* text, const char* title, cWindow* place,
               int32_t center, int32_t waitCursor);
  // Closes the window and leaves the modeless-window list.
  ~cStatusPopup() override;
  void Init(const char* text, const char* title, int32_t waitCursor);
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

  cString m_strText;
  cString m_strTitle;
  cCtrlGroups<cCtrlStatic> m_vStaticGroups;
};

// 1 after OK (the value within min..max is stored), 0 after Cancel or the close box.
int RunValueInputDialog(cWindow* parent, cModelessList* list, int32_t* value, int32_t min, int32_t max,
                        const char* title, cCtrl* place, int32_t center);
int RunValueInputDialogAt(cWindow* parent, cModelessList* list, int32_t* value, int32_t min, int32_t max,
                          const char* title, int32_t x, int32_t y);
// The limit and the character-mode flag are the text edit's (callers give 12 and 1).
int RunStringInputDialog(cWindow* parent, cModelessList* list, cString* value, int32_t maxLength, int32_t charMode,
                         const char* title, cCtrl* place, int32_t center);
// The popup stays, with the other registered windows disabled, until CloseStatusPopup.
void ShowStatusPopup(cWindow* parent, cModelessList* list, const char* text, const char* title, cWindow* place,
                     int32_t center, int32_t waitCursor);
void CloseStatusPopup();
// The status popup that is showing, or null.
cStatusPopup* CurrentStatusPopup();
