#pragma once
// The table pages whose records name a file: "ファイル名と同じ", the path edit, the browse button
// "参照" and the name rule by which the name follows the file.

#include "database/win/cDbPage.h"

template <class Core>
class cDbFilePage : public cDbTablePage<Core> {
  using Base = cDbTablePage<Core>;

public:
  using tRecord = typename Base::tRecord;

  // pathEdit shows the record's path and browse fills it (the left-facing ones of a sword type).
  cDbFilePage(uint16_t templateId, cDatabaseWnd& window, int tab, Core& core, const cListInstance& list,
              uint16_t pathEdit, cString tRecord::*path, uint16_t browse = kIdcBrowse)
      : Base(templateId, window, tab, core, list), m_nPathEdit(pathEdit), m_nBrowse(browse) {
    tRecord& edit = this->m_Core.m_Edit;
    AddCtrlGroup(this->m_vChecks, kIdcSameAsFileName, &edit.m_bSameAsFileName);
    AddCtrlGroup(this->m_vTexts, pathEdit, &(edit.*path), kPathLimit, 0);
    AddCtrlGroup(this->m_vButtons, browse);
  }

protected:
  // The name rule on the controls: with "ファイル名と同じ" checked the name edit and the edited
  // record take the file name of the path edit, and the edit is disabled.
  void UpdateDependentControls() override {
    cCtrlCheck<int32_t>* same = FindCtrlById(this->m_vChecks, kIdcSameAsFileName);
    cCtrlEditText* path = FindCtrlById(this->m_vTexts, m_nPathEdit);
    cCtrlEditText* name = FindCtrlById(this->m_vTexts, kIdcName);
    if (!same || !path || !name) return;
    cString file, shown;
    path->GetText(file);
    name->GetText(shown);
    cString followed = shown;
    this->EnableCtrl(kIdcName, FollowFileName(same->GetCheck(), file, followed));
    if (followed == shown) return;
    name->SetText(followed);
    name->CtrlToData();
  }
  int OwnCommand(WPARAM wParam) override {
    if (LOWORD(wParam) == m_nBrowse && HIWORD(wParam) == BN_CLICKED) return this->BrowseInto(m_nPathEdit);
    return 1;
  }

private:
  uint16_t m_nPathEdit;
  uint16_t m_nBrowse;
};
