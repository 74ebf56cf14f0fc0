#pragma once
// The eight pages of the system settings sheet. Each binds its controls to the global settings
// record itself from the rows of project/SystemSettingsPages.h; the sheet's apply stores them. The
// pages share one behaviour (cSysPage): enable rules on every change and on activation, the change
// notice to the sheet, and, on pages 1, 2, 7 and 8, the sheet's apply and the owner's revalidation.

#include <vector>

#include "project/SystemSettingsPages.h"
#include "ui/win/cCtrlBitmap.h"
#include "ui/win/cCtrlCheck.h"
#include "ui/win/cCtrlCombo.h"
#include "ui/win/cCtrlEditText.h"
#include "ui/win/cCtrlEditVal.h"
#include "editors/win/cRuleDialog.h"

class cSystemSettingsSheet;

class cSysPage : public cRuleDialog {
public:
  cSysPage(int page, cWindow* parent, cModelessList* list, cSystemSettingsSheet* sheet);
  ~cSysPage() override;

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  // Run when the page becomes the current tab: only the enable rules, the controls stay as shown.
  void Reload() { UpdateEnables(0); }
  // The enable rules after the user changed the control changedId (0: the page is being shown).
  void UpdateEnables(uint16_t changedId);
  // Stores every bound control; a page whose window was never made has none and stores nothing.
  void Apply() { ControlsToData(); }

  const int32_t m_nPage;

protected:
  // Makes the control groups from the page's rows; builtRows serves the combos without fixed rows.
  void Bind(std::vector<cString>* builtRows);
  // A page's own commands, after the bound controls have had theirs.
  virtual void OnPageCommand(uint16_t, uint16_t) {}
  // A page's own controls, attached with the bound ones.
  virtual void AttachOwnCtrls() {}

  cCtrlGroups<cCtrlCheck<int32_t>> m_vChecks;
  cCtrlGroups<cCtrlCheck<char>> m_vByteChecks;
  cCtrlGroups<cCtrlEditVal<int32_t>> m_vNumbers;
  cCtrlGroups<cCtrlEditVal<uint8_t>> m_vByteNumbers;
  cCtrlGroups<cCtrlEditText> m_vTexts;
  cCtrlGroups<cCtrlCombo<int32_t>> m_vCombos;

private:
  // Pages 1, 2, 7 and 8 run the sheet's apply and let the owner revalidate when they go.
  bool RunsSheetApply() const;
  LRESULT OnNotify(HWND window, const NMHDR& notice);

  cSystemSettingsSheet* m_lpSystemSheet;

  // The live page of each tab, through which its dialog procedure reaches it.
  static cSysPage* s_apInstance[kSysPageCount];
  template <int Page>
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedMessage(s_apInstance[Page], window, message, wParam, lParam);
  }
  static DLGPROC ProcOf(int page);
};

// Page 1: title, font with its preview, general switches.
class cSysGeneralPage : public cSysPage {
public:
  cSysGeneralPage(cWindow* parent, cModelessList* list, cSystemSettingsSheet* sheet);
  // Draws the preview text in the face the font combo shows now.
  void OnPaint() override;

  cCtrlGroup<cCtrlBitmap> m_cgPreview;

private:
  void AttachOwnCtrls() override { AttachCtrlGroup(m_cgPreview); }
};

// Page 3: stock targets, sound effects with browse and play, BGM slots with play, bitmap format.
class cSysSoundPage : public cSysPage {
public:
  cSysSoundPage(cWindow* parent, cModelessList* list, cSystemSettingsSheet* sheet);
  void PlayBgm(int slot);
  void BrowseSound(int index);
  void PlaySound(int index);

  std::vector<cString> m_vBgmLabels;
  cCtrlGroups<cCtrlButton> m_vButtons;

private:
  void OnPageCommand(uint16_t id, uint16_t code) override;
  void AttachOwnCtrls() override { AttachCtrlGroups(m_vButtons); }
};

// The pages that are only their bound controls: 2 play modes, 4 status and menus, 5 terms, 6 ini
// entries, 7 and 8 compatibility switches.
template <int Page>
class cSysBoundPage : public cSysPage {
public:
  cSysBoundPage(cWindow* parent, cModelessList* list, cSystemSettingsSheet* sheet)
      : cSysPage(Page, parent, list, sheet) {
    Bind(nullptr);
  }
};
using cSysModePage = cSysBoundPage<kSysPageMode>;
using cSysStatusPage = cSysBoundPage<kSysPageStatus>;
using cSysTermPage = cSysBoundPage<kSysPageTerm>;
using cSysIniPage = cSysBoundPage<kSysPageIni>;
using cSysCompatPage = cSysBoundPage<kSysPageCompat>;
using cSysCompat2Page = cSysBoundPage<kSysPageCompat2>;
