#include "project/win/cSystemSettingsSheet.h"

#include <new>

#include "app/MessageBox.h"
#include "app/Utility.h"
#include "project/win/cSysPages.h"
#include "ui/win/cModelessList.h"

namespace {
const char* const kSheetTitle = "システムの設定";
constexpr int kApplyPasses = 2;

template <class Page>
cSysPage* NewPage(cWindow* parent, cModelessList* list, cSystemSettingsSheet* sheet) {
  return new (std::nothrow) Page(parent, list, sheet);
}
}  // namespace

cSystemSettingsSheet::cSystemSettingsSheet(int32_t mode, cWindow* owner, cModelessList* list, cPropSheet** slot,
                                           std::function<void()> revalidate)
    : cPropSheet(mode, owner, list), m_Revalidate(std::move(revalidate)) {
  m_lpKey = this;
  if (list) list->AddSheet(this, slot);
}

cSystemSettingsSheet::~cSystemSettingsSheet() {
  for (cSysPage*& page : m_apPages) {
    delete page;
    page = nullptr;
  }
}

int cSystemSettingsSheet::Create() {
  using tMaker = cSysPage* (*)(cWindow*, cModelessList*, cSystemSettingsSheet*);
  const tMaker makers[kSysPageCount] = {NewPage<cSysGeneralPage>, NewPage<cSysModePage>,   NewPage<cSysSoundPage>,
                                        NewPage<cSysStatusPage>,  NewPage<cSysTermPage>,   NewPage<cSysIniPage>,
                                        NewPage<cSysCompatPage>,  NewPage<cSysCompat2Page>};
  int complete = 1;
  for (int i = 0; i < kSysPageCount; ++i) {
    m_apPages[i] = makers[i](m_lpParentClass, m_lpManager, this);
    if (!m_apPages[i]) complete = 0;
  }
  // A sheet short of a page would apply through a page that is not there: it does not run.
  if (!complete) {
    OutOfMemory();
    Revalidate();
    return 0;
  }
  for (cSysPage* page : m_apPages) AddPage(page);
  Run();
  if (!m_hWndSheet) return 0;
  SetWindowTextA(m_hWndSheet, kSheetTitle);
  return 1;
}

int cSystemSettingsSheet::Apply() {
  for (int pass = 0; pass < kApplyPasses; ++pass)
    for (cSysPage* page : m_apPages)
      if (page) page->Apply();
  return SaveSystemSettings(g_SystemSettings);
}

void cSystemSettingsSheet::Revalidate() {
  if (m_Revalidate) m_Revalidate();
}
