#pragma once
// The bitmap conversion tool "ビットマップ変換ツール": a list of input files (added through the open
// dialog or by dropping files and folders on the window), the settings of the conversion, bound to
// the editor configuration and stored there at every change, and the run that converts each file.

#include "editors/win/cRuleDialog.h"
#include "listctrl/win/cCtrlList.h"
#include "project/BmpConvert.h"
#include "ui/win/cCtrlCheck.h"
#include "ui/win/cCtrlEditText.h"
#include "ui/win/cCtrlEditVal.h"

class cDlgBmpConvert : public cRuleDialog {
public:
  cDlgBmpConvert(cWindow* owner, cModelessList* list);
  ~cDlgBmpConvert() override;

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

  void AddFiles();
  void AddDroppedFiles(HDROP drop);
  void ChooseOutputFolder();
  // Converts every listed file and says when it is done; nothing while a run is under way or the
  // list is empty.
  void Convert();
  void UpdateEnables();

  cVector<cString> m_vFiles;
  int32_t m_bBusy = 0;
  cCtrlGroup<cCtrlList<cString>> m_cgFiles;
  cCtrlGroups<cCtrlCheck<int32_t>> m_vChecks;
  cCtrlGroups<cCtrlEditVal<int32_t>> m_vNumbers;
  cCtrlGroups<cCtrlEditText> m_vTexts;
  cCtrlGroups<cCtrlButton> m_vButtons;

private:
  // A setting the user changed goes into the editor configuration at once.
  void StoreChanged(WPARAM wParam);
  void OnListCommand(WPARAM wParam);
  // The list shows m_vFiles again after it was changed here.
  void ShowFiles();

  static cDlgBmpConvert* s_lpInstance;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};
