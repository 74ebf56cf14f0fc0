#include "project/win/cProjectOptionSheet.h"

#include <new>

#include "app/MessageBox.h"
#include "project/ProjectOptionsPages.h"
#include "project/win/cPrjPages.h"
#include "ui/win/cModelessList.h"

namespace {
const char* const kSheetTitle = "プロジェクトオプション";
constexpr int kApplyPasses = 2;
}  // namespace

cProjectOptionSheet::cProjectOptionSheet(int32_t mode, cWindow* owner, cModelessList* list, cPropSheet** slot,
                                         cOwnerCalls calls)
    : cPropSheet(mode, owner, list), m_Calls(std::move(calls)) {
  m_lpKey = this;
  if (list) list->AddSheet(this, slot);
}

cProjectOptionSheet::~cProjectOptionSheet() {
  for (cPrjPage*& page : m_apPages) {
    delete page;
    page = nullptr;
  }
}

int cProjectOptionSheet::Create() {
  m_apPages[kPageGeneral] = new (std::nothrow) cPrjPageGeneral(m_lpParentClass, m_lpManager, this);
  m_apPages[kPageInherit] = new (std::nothrow) cPrjPageInheritDefaults(m_lpParentClass, m_lpManager, this);
  // A sheet short of a page would apply through a page that is not there: it does not run.
  if (!m_apPages[kPageGeneral] || !m_apPages[kPageInherit]) {
    OutOfMemory();
    OnPagesClosed();
    return 0;
  }
  for (cPrjPage* page : m_apPages) AddPage(page);
  Run();
  if (!m_hWndSheet) return 0;
  SetWindowTextA(m_hWndSheet, kSheetTitle);
  return 1;
}

int cProjectOptionSheet::Apply() {
  for (int pass = 0; pass < kApplyPasses; ++pass)
    for (cPrjPage* page : m_apPages)
      if (page) page->Apply();
  return SaveProjectSettings(g_ProjectSettings);
}

void cProjectOptionSheet::OnPagesClosed() {
  if (m_Calls.m_Closed) m_Calls.m_Closed();
}

void cProjectOptionSheet::OpenDataSheet(int kind, cWindow* owner, cPropSheet** slot) {
  if (m_Calls.m_OpenDataSheet) m_Calls.m_OpenDataSheet(kind, owner, slot);
}
