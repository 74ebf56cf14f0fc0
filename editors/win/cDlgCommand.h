#pragma once
// The command parameter dialogs: one window class that plays a dialog's description
// (editors/CmdDialogDesc.h) on its template. Opening sizes the command's parameters and writes a
// new command's defaults; the controls show a copy that the description's rules keep current;
// only an accepted OK stores it; "ｷｬﾝｾﾙ" and the close box leave the command as opening left it.
// The dialog opens centred over the flow page's command list, inside the work area. Its previews
// play the chosen sound or BGM (the BGM stops when the dialog closes) and draw the preview picture
// after every change; "一覧" opens the graphic cell picker, "参照" the open-file dialog.

#include "editors/CmdDialogDesc.h"
#include "editors/win/cBoundDialog.h"
#include "ui/win/cCtrlEditText.h"
#include "ui/win/cCtrlEditVal.h"

class cDlgCommand : public cBoundDialog {
public:
  // kind 1 (a modal sub-dialog of the chooser); anchor: the command list it is placed over.
  cDlgCommand(const cCmdDialogDesc& desc, cWindow* parent, int32_t kind, const cCmdEditContext* context,
              cModelessList* list, cCtrl* anchor);
  ~cDlgCommand() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  const cCmdDialogModel& Model() const { return m_Model; }
  // The preview picture as last drawn.
  const cCanvas& PreviewCanvas() const { return m_cgPreview.m_Ctrl.m_Back; }

  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
  void InitDialog() override;
  void Rules(uint16_t changed, cCtrlStates& states) override;
  int DialogCommand(WPARAM wParam) override;
  int Accept() override;

  cCmdDialogModel m_Model;

private:
  void Bind(const cCmdCtrl& ctrl);
  // The combos whose rows the rules build, every one or only those that follow other controls.
  void FillRows(bool all);
  void DrawPreview();
  // "一覧": the picked cell goes into the number edit.
  void PickCell();
  // "参照": the chosen file goes into the text edit as the description accepts it.
  void BrowseFile();

  cCtrlGroups<cCtrlEditVal<double>> m_vRealEdits;
  cCtrlGroup<cCtrlBitmap> m_cgPreview;
  // The shown values as the last refresh left them: what a user's change starts from.
  cCommandData m_Before;

  static cDlgCommand* s_lpInstance;
};

// The description of the dialog a command kind of the set runs; null only for a stored kind outside
// both sets, which no chooser offers.
using tCmdDialogLookup = const cCmdDialogDesc* (*)(int set, int kind);
const cCmdDialogDesc* CmdDialogOf(int set, int kind);
// Where CmdDialogOf looks (null: the descriptions); the tests put dialogs on templates of their own.
void SetCmdDialogLookup(tCmdDialogLookup lookup);

// Runs the dialog of a command kind of the set (RunCommandDialog of every dialog class): created
// in the slot, run modally, deleted. 1 after OK; 0 after cancel, the close box, an allocation
// failure, or for a kind outside both sets (with a beep).
int RunCommandDialog(cDlgCommand*& slot, int set, int kind, cWindow* chooser, const cCmdEditContext* context,
                     cModelessList* list, cCtrl* anchor);
