#pragma once
// The character group window "キャラのグループ情報" (template 271): a tool window of the stage
// editor whose 60 buttons show the group numbers the placed characters use. It passes the stage
// editor's shortcuts and the Space key on to the stage editor window, ignores its close box, and
// keeps its place in the editor configuration.

#include "editors/CharaGroupRules.h"
#include "ui/win/cCtrlCheck.h"
#include "ui/win/cDialog.h"

constexpr uint16_t kIddCharaGroup = 271;

class cCharaGroupWnd : public cDialog {
public:
  // Owned by the stage editor window, at its stored place or beside the editor.
  cCharaGroupWnd(cWindow* editor, cModelessList* list);
  ~cCharaGroupWnd() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  // Shows the groups in use again.
  void OnPaint() override;

private:
  void StorePlacement();

  cWindow* m_pEditor;
  cCtrlGroups<cCtrlButton> m_vButtons;

  static cCharaGroupWnd* s_lpInstance;
};

// Makes the window (modeless, hidden until the stage editor shows it); null when it could not be
// made.
cDialog* MakeCharaGroupWindow(cWindow* editor);
