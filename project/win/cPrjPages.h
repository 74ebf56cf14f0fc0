#pragma once
// The two pages of the project options sheet, bound to the global project options themselves; the
// sheet's apply stores them. They share one behaviour (cPrjPage): the enable rules after a change,
// the change notice to the sheet, the sheet's apply, and, on the general page, the owner's notice
// when the pages go.

#include "editors/win/cRuleDialog.h"
#include "project/ProjectOptionsPages.h"
#include "ui/win/cCtrlCheck.h"
#include "ui/win/cCtrlCombo.h"
#include "ui/win/cCtrlEditText.h"
#include "project/win/cProjectOptionSheet.h"

class cPrjPage : public cRuleDialog {
public:
  cPrjPage(int page, cWindow* parent, cModelessList* list, cProjectOptionSheet* sheet);
  ~cPrjPage() override;

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void UpdateEnables();
  // Stores every bound control; a page whose window was never made has none and stores nothing.
  void Apply() { ControlsToData(); }

  const int32_t m_nPage;

protected:
  virtual void AttachGroups() = 0;
  // A page's own commands, after the bound controls have had theirs.
  virtual void OnPageCommand(uint16_t, uint16_t) {}
  virtual void PageStates(cCtrlStates&) {}

  cProjectOptionSheet* m_lpOptionSheet;

private:
  void OnNotify(HWND window, const NMHDR& notice);

  static cPrjPage* s_apInstance[cProjectOptionSheet::kPageCount];
  template <int Page>
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedMessage(s_apInstance[Page], window, message, wParam, lParam);
  }
};

// "全般": the default records' buttons, the game program and what a save does with old stage files.
class cPrjPageGeneral : public cPrjPage {
public:
  cPrjPageGeneral(cWindow* parent, cModelessList* list, cProjectOptionSheet* sheet);
  // A default record's data sheet still open goes with the page.
  ~cPrjPageGeneral() override;
  // "参照": a chosen program's path relative to the working folder goes into the edit and the options.
  void BrowseGameProgram();
  // The data sheet of a default record (cProjectSettings::kKindBlock, ...).
  void OpenDefaultRecord(int kind);

  cCtrlGroups<cCtrlCheck<int32_t>> m_vChecks;
  cCtrlGroups<cCtrlEditText> m_vTexts;
  cCtrlGroups<cCtrlCombo<int32_t>> m_vCombos;
  cCtrlGroups<cCtrlButton> m_vButtons;
  // The data sheet of each kind's default record while it is open; the window list clears it.
  cPropSheet* m_apDataSheet[cProjectSettings::kKinds] = {};

private:
  void AttachGroups() override;
  void OnPageCommand(uint16_t id, uint16_t code) override;
  void PageStates(cCtrlStates& states) override { PrjGeneralStates(*this, states); }
};

// "継承のデフォルト": a check box per inheritance flag and the source palette of each kind and situation.
class cPrjPageInheritDefaults : public cPrjPage {
public:
  cPrjPageInheritDefaults(cWindow* parent, cModelessList* list, cProjectOptionSheet* sheet);

  cCtrlGroups<cCtrlCheck<int8_t>> m_vChecks;
  cCtrlGroups<cCtrlCombo<int32_t>> m_vCombos;

private:
  void AttachGroups() override;
};
