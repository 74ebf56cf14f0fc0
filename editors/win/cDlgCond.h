#pragma once
// The condition kind chooser "条件" (template 170) and the dialogs of the seven condition kinds. A
// condition list runs the chooser on the row it edits or has just inserted; an inserted row gets
// its kind from the button pressed, an existing row opens its kind's dialog at once. A kind dialog
// works on a copy of the condition that only OK writes back.

#include "editors/CondDialogRules.h"
#include "editors/StatusCondRules.h"
#include "editors/win/cBoundDialog.h"
#include "listctrl/ListEditContext.h"

constexpr uint16_t kIddCondKind = 170;

class cDlgCondKind : public cDialog {
public:
  // The list hands the condition of its row (m_pElement), the insert flag and, in m_anPage[0],
  // which list calls (cCondEditContext::m_nListKind).
  cDlgCondKind(uint16_t templateId, cWindow* parent, int32_t kind, cListEditContext* context, cModelessList* list,
               cCtrl* place, int32_t center);
  ~cDlgCondKind() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  // Creates, runs and deletes the kind's dialog, placed by the list the anchor names; its result.
  int RunKindDialog(int kind, uint16_t templateId, int anchor);

  cCondEditContext m_Context;
  cCtrlGroups<cCtrlButton> m_vButtons;
  cDialog* m_pKindDialog = nullptr;

  static cDlgCondKind* s_lpInstance;
};

// Kinds 1, 2, 3, 6 and 7: the controls of their kind's table, the variable rows and rename of the
// two variable kinds, the subjects of "ステータス条件3", the range display of "距離条件".
// The dialogs of kinds 4 and 5 derive from it and are reached through its procedure.
class cDlgCond : public cBoundDialog {
public:
  cDlgCond(uint16_t templateId, cWindow* parent, const cCondEditContext* context, cModelessList* list, cCtrl* place);
  ~cDlgCond() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  const cCondData& Shown() const { return m_Edit.Work(); }

protected:
  void InitDialog() override;
  void Rules(uint16_t changed, cCtrlStates& states) override;
  int DialogCommand(WPARAM wParam) override;
  int Accept() override;

  // The picker's variable (through the name table of scope) renamed in the string input dialog
  // placed by the button; its rows rebuilt and, where the site says, the names saved.
  void Rename(uint16_t button, uint16_t picker, int scope, int site);

  cCondEdit m_Edit;
  int m_nKind = 0;

private:
  static cDlgCond* s_lpInstance;
};

// Kind 4, "ステータス条件": status lists, variable pickers and value limits follow the other
// controls.
class cDlgCondStatus : public cDlgCond {
public:
  cDlgCondStatus(uint16_t templateId, cWindow* parent, const cCondEditContext* context, cModelessList* list,
                 cCtrl* place);

protected:
  void InitDialog() override;
  void Rules(uint16_t changed, cCtrlStates& states) override;
  int DialogCommand(WPARAM wParam) override;

private:
  void FillRows();

  cVector<cString> m_vSubjects;
  cStatusValueLimits m_Limits;
  int32_t m_nLeftPicker = -1;  // the rows the variable pickers show (kVarPicker...)
  int32_t m_nRightPicker = -1;
};

// Kind 5, "ステータス条件2": the status rows follow the subject, the option rows the status.
class cDlgCondStatus2 : public cDlgCond {
public:
  cDlgCondStatus2(uint16_t templateId, cWindow* parent, const cCondEditContext* context, cModelessList* list,
                  cCtrl* place);

protected:
  void InitDialog() override;
  void Rules(uint16_t changed, cCtrlStates& states) override;

private:
  void FillRows();
};
