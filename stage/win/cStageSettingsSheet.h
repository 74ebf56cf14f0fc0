#pragma once
// The stage settings sheet "ステージの設定": the basic page (template 144) and the two advanced
// pages (241, 242), bound straight to the stage document. Apply stores every page twice, changing
// the stage's size through the size change of the rules; closing the sheet stops the BGM preview
// and tells the stage editor.

#include <vector>

#include "listctrl/win/cCtrlList.h"
#include "stage/StageSettingsRules.h"
#include "ui/win/cCtrlCheck.h"
#include "ui/win/cCtrlCombo.h"
#include "ui/win/cCtrlEditText.h"
#include "ui/win/cCtrlEditVal.h"
#include "ui/win/cDialog.h"
#include "ui/win/cPropSheet.h"

class cDlgBackground;
class cStageEditorHost;
class cStagePageBasic;
class cStagePageAdvanced;
class cStagePageAdvanced2;

class cStageSettingsSheet : public cPropSheet {
public:
  // Registers the sheet in the window list with the owner's pointer to it, which the list clears
  // when it deletes the sheet; host hears that the sheet has closed.
  cStageSettingsSheet(int32_t mode, cWindow* parent, cModelessList* manager, cPropSheet** owner,
                      cStageEditorHost* host);
  ~cStageSettingsSheet() override;

  // Makes the three pages and runs the sheet. A page that cannot be allocated is reported; the
  // sheet then does not run and the host hears at once that it has closed.
  void Create();
  // Every page's apply in tab order, and then all of them again.
  void ApplyAll();

  cStagePageBasic* m_pBasicPage = nullptr;
  cStagePageAdvanced* m_pAdvancedPage = nullptr;
  cStagePageAdvanced2* m_pAdvancedPage2 = nullptr;
  cStageEditorHost* m_pHost = nullptr;
};

class cStagePageBasic : public cDialog, private cSizeChangeView {
public:
  cStagePageBasic(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* manager);
  ~cStagePageBasic() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

  // The basic page's part of the sheet's apply: the anchors saved, the controls stored, the size.
  void ApplySize();
  void UpdateEnables();
  void UpdateMemoryEstimate();
  void UpdateHiddenWidths();
  // The background of the list's current row while the page is open; null without one.
  static cBackgroundData* CurrentBackground();
  cCtrlList<cBackgroundData>& BackgroundList() { return m_cgBackgroundList.m_Ctrl; }

  cVector<cBackgroundData> m_vBackgroundWork;
  cCtrlGroup<cCtrlList<cBackgroundData>> m_cgBackgroundList;
  cCtrlGroups<cCtrlEditVal<int32_t>> m_vIntEdits;
  cCtrlGroups<cCtrlEditVal<double>> m_vRealEdits;
  cCtrlGroups<cCtrlEditText> m_vTextEdits;
  cCtrlGroups<cCtrlCombo<int32_t>> m_vCombos;
  cCtrlGroups<cCtrlCheck<int32_t>> m_vChecks;
  cCtrlGroups<cCtrlStatic> m_vStatics;
  cDlgBackground* m_pBackgroundDlg = nullptr;
  std::vector<cString> m_vBgmLabels;
  cStageNewSize m_NewSize;

private:
  void PreviewBgm();
  // The value typed in a numeric edit of the page, within its limits.
  int32_t TypedValue(uint16_t id);
  void ShowBusy(const char* text, const char* caption) override;
  void CloseBusy() override;

  static cStagePageBasic* s_lpInstance;
};

class cStagePageAdvanced : public cDialog {
public:
  cStagePageAdvanced(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* manager);
  ~cStagePageAdvanced() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void Apply() { ControlsToData(); }
  void UpdateEnables();

  cCtrlGroups<cCtrlEditVal<int32_t>> m_vIntEdits;
  cCtrlGroups<cCtrlCheck<int32_t>> m_vChecks;
  cCtrlGroups<cCtrlCombo<int32_t>> m_vCombos;

private:
  static cStagePageAdvanced* s_lpInstance;
};

class cStagePageAdvanced2 : public cDialog {
public:
  cStagePageAdvanced2(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* manager);
  ~cStagePageAdvanced2() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void Apply() { ControlsToData(); }
  void UpdateEnables();

  cCtrlGroups<cCtrlEditVal<int32_t>> m_vIntEdits;
  cCtrlGroups<cCtrlCombo<int32_t>> m_vCombos;
  cCtrlGroups<cCtrlStatic> m_vStatics;

private:
  static cStagePageAdvanced2* s_lpInstance;
};
