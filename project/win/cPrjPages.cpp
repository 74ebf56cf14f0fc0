#include "project/win/cPrjPages.h"

#include "app/DataFile.h"
#include "app/PathUtil.h"
#include "app/Utility.h"
#include "app/win/FileDialogs.h"
#include "stage/cStageEditState.h"

namespace {
const uint16_t kPageTemplates[cProjectOptionSheet::kPageCount] = {kIddPrjGeneral, kIddPrjInherit};

struct cDefaultButton {
  uint16_t m_nId;
  int m_nKind;
};
const cDefaultButton kDefaultButtons[] = {{kIdcDefBlock, cProjectSettings::kKindBlock},
                                          {kIdcDefChara, cProjectSettings::kKindChara},
                                          {kIdcDefItem, cProjectSettings::kKindItem}};
}  // namespace

cPrjPage* cPrjPage::s_apInstance[cProjectOptionSheet::kPageCount] = {};

cPrjPage::cPrjPage(int page, cWindow* parent, cModelessList* list, cProjectOptionSheet* sheet)
    : cRuleDialog(kPageTemplates[page], parent, kKindPage, list), m_nPage(page), m_lpOptionSheet(sheet) {
  s_apInstance[page] = this;
  m_lpfnProc = page == cProjectOptionSheet::kPageGeneral ? Proc<cProjectOptionSheet::kPageGeneral>
                                                         : Proc<cProjectOptionSheet::kPageInherit>;
}

cPrjPage::~cPrjPage() {
  if (m_bModeless) Destroy();
  if (s_apInstance[m_nPage] == this) s_apInstance[m_nPage] = nullptr;
}

void cPrjPage::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  AttachGroups();
  DataToControls();
  UpdateEnables();
  m_bInitialized = 1;
}

void cPrjPage::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  OnPageCommand(LOWORD(wParam), HIWORD(wParam));
  if (m_bInitialized && FindCommandCtrl(wParam)) UpdateEnables();
  SendMessageA(GetParent(m_hWnd), PSM_CHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

LRESULT cPrjPage::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT handled = WindowProc(window, message, wParam, lParam);
  switch (message) {
    case WM_NOTIFY:
      OnNotify(window, *reinterpret_cast<const NMHDR*>(lParam));
      break;
    case WM_DESTROY:
      m_bInitialized = 0;
      if (m_nPage == cProjectOptionSheet::kPageGeneral) m_lpOptionSheet->OnPagesClosed();
      break;
    case WM_CLOSE:
      Close(0);
      break;
    default:
      if (!handled) return 0;
      break;
  }
  return 1;
}

void cPrjPage::OnNotify(HWND window, const NMHDR& notice) {
  if (notice.code == static_cast<UINT>(PSN_SETACTIVE)) {
    UpdateEnables();
  } else if (notice.code == static_cast<UINT>(PSN_APPLY)) {
    // A file that could not be written keeps the sheet open with its apply button enabled.
    LONG_PTR result = m_lpOptionSheet->Apply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
    SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
  }
}

void cPrjPage::UpdateEnables() {
  cCtrlStates states;
  PageStates(states);
  ApplyStates(states);
}

cPrjPageGeneral::cPrjPageGeneral(cWindow* parent, cModelessList* list, cProjectOptionSheet* sheet)
    : cPrjPage(cProjectOptionSheet::kPageGeneral, parent, list, sheet) {
  cProjectSettings& s = g_ProjectSettings;
  for (const cDefaultButton& button : kDefaultButtons) AddCtrlGroup(m_vButtons, button.m_nId);
  AddCtrlGroup(m_vChecks, kIdcAutoGameProgram, &s.m_bAutoGameProgram);
  AddCtrlGroup(m_vTexts, kIdcGameProgram, &s.m_strGameProgram, kGameProgramPathLength, 0);
  AddCtrlGroup(m_vButtons, kIdcGameProgramBrowse);
  AddCtrlGroup(m_vCombos, kIdcOldStageMode, &s.m_nOldStageMode, kOldStageModeNames, 0);
}

void cPrjPageGeneral::AttachGroups() {
  AttachCtrlGroups(m_vButtons);
  AttachCtrlGroups(m_vChecks);
  AttachCtrlGroups(m_vTexts);
  AttachCtrlGroups(m_vCombos);
}

void cPrjPageGeneral::OnPageCommand(uint16_t id, uint16_t code) {
  if (code != BN_CLICKED) return;
  if (id == kIdcGameProgramBrowse) return BrowseGameProgram();
  for (const cDefaultButton& button : kDefaultButtons)
    if (button.m_nId == id) return OpenDefaultRecord(button.m_nKind);
}

void cPrjPageGeneral::BrowseGameProgram() {
  char path[kMaxPath] = {};
  if (!OpenFileDialog(m_hWnd, path, kMaxPath, ".\\", "ゲームプログラムの選択", "ExeFile ( *.exe )\0*.exe\0\0", "exe", 0,
                      nullptr))
    return;
  cString relative;
  if (!AssignRelativePath(relative, path)) return;  // another drive: the choice is dropped
  if (cCtrlEditText* edit = FindCtrlById(m_vTexts, kIdcGameProgram)) {
    edit->SetText(relative);
    edit->CtrlToData();
  }
}

cPrjPageGeneral::~cPrjPageGeneral() {
  for (cPropSheet*& sheet : m_apDataSheet) SafeDelete(sheet);
}

void cPrjPageGeneral::OpenDefaultRecord(int kind) {
  PointAtDefaultRecord(g_StageEditState, g_ProjectSettings, kind);
  m_lpOptionSheet->OpenDataSheet(kind, this, &m_apDataSheet[kind]);
}

cPrjPageInheritDefaults::cPrjPageInheritDefaults(cWindow* parent, cModelessList* list, cProjectOptionSheet* sheet)
    : cPrjPage(cProjectOptionSheet::kPageInherit, parent, list, sheet) {
  cProjectSettings& s = g_ProjectSettings;
  cVector<cInheritCheck> checks;
  BuildInheritChecks(s, checks);
  for (const cInheritCheck& check : checks) AddCtrlGroup(m_vChecks, check.m_nId, check.m_pFlag);
  for (int kind = 0; kind < cProjectSettings::kKinds; ++kind) {
    for (int situation = 0; situation < cProjectSettings::kSituations; ++situation) {
      uint16_t id = kIdcInheritPalette[kind][situation];
      int32_t* source = &s.m_nDefInheritPal[situation][kind];
      if (situation == 2) AddCtrlGroup(m_vCombos, id, source, kInheritSourceNamesStage, &kInheritSourceStageTable);
      else AddCtrlGroup(m_vCombos, id, source, kInheritSourceNames, 0);
    }
  }
}

void cPrjPageInheritDefaults::AttachGroups() {
  AttachCtrlGroups(m_vChecks);
  AttachCtrlGroups(m_vCombos);
}
