#include "stage/win/cDlgNewStage.h"

#include "app/DataFile.h"
#include "app/DataPaths.h"
#include "ui/win/cModelessList.h"

cDlgNewStage* cDlgNewStage::s_lpInstance = nullptr;

cDlgNewStage::cDlgNewStage(cWindow* parent, cModelessList* manager, cNewStage& logic)
    : cDialog(kNewStageTemplate, parent, kKindDialog, manager, parent, 1),
      m_Choice(logic.Remembered()),
      m_Logic(logic) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  AddCtrlGroup(m_vTexts, kIdcNewStageTemplatePath, &m_Choice.m_strTemplate, kMaxPath, 0);
  AddCtrlGroup(m_vTexts, kIdcNewStagePalettePath, &m_Choice.m_strPaletteFile, kMaxPath, 0);
  AddCtrlGroup(m_vCombos, kIdcNewStagePaletteSource, &m_Choice.m_nPaletteSource, g_PaletteSourceNames, 0);
  AddCtrlGroup(m_vButtons, kIdcNewStageBrowseTemplate);
  AddCtrlGroup(m_vButtons, kIdcNewStageBrowsePalette);
}

cDlgNewStage::~cDlgNewStage() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cDlgNewStage::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cDlgNewStage::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  AttachCtrlGroups(m_vTexts);
  AttachCtrlGroups(m_vCombos);
  AttachCtrlGroups(m_vButtons);
  DataToControls();
  UpdateControls();
  m_bInitialized = 1;
}

void cDlgNewStage::UpdateControls() {
  int source = static_cast<int>(SendDlgItemMessageA(m_hWnd, kIdcNewStagePaletteSource, CB_GETCURSEL, 0, 0));
  int enabled = cNewStage::PaletteFileEnabled(source);
  if (enabled < 0) return;
  EnableCtrlById(m_vTexts, kIdcNewStagePalettePath, enabled);
  EnableCtrlById(m_vButtons, kIdcNewStageBrowsePalette, enabled);
}

void cDlgNewStage::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  int clicked = HIWORD(wParam) == BN_CLICKED;
  switch (LOWORD(wParam)) {
    case kIdcOk:
      Create();
      return;
    case kIdcCancel:
      Close(0);
      return;
    case kIdcNewStageBrowseTemplate:
      if (clicked) Browse(kIdcNewStageTemplatePath, &cNewStage::BrowseTemplate);
      break;
    case kIdcNewStageBrowsePalette:
      if (clicked) Browse(kIdcNewStagePalettePath, &cNewStage::BrowsePaletteFile);
      break;
    default:
      break;
  }
  if (m_bInitialized) UpdateControls();
}

void cDlgNewStage::Browse(uint16_t editId, int (cNewStage::*browse)(cString&, void*)) {
  cCtrlEditText* edit = FindCtrlById(m_vTexts, editId);
  if (!edit) return;
  cString path;
  edit->GetText(path);
  if ((m_Logic.*browse)(path, m_hWnd)) edit->SetText(path);
}

void cDlgNewStage::Create() {
  ControlsToData();
  switch (m_Logic.Create(m_Choice, m_hWnd)) {
    case kNewStageMade:
      Close(1);
      return;
    case kNewStageNotMade:
      Close(0);
      return;
    default:
      // The palette file did not load: the user may choose another. The status popup gave the
      // windows behind back when it closed; the dialog still runs over them.
      if (m_lpManager && (m_nRunFlags & kRunDisableOthers)) m_lpManager->EnableAll(0);
      return;
  }
}

LRESULT cDlgNewStage::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(window, message, wParam, lParam);
  if (message == WM_CLOSE) {
    Close(0);
    result = 1;
  }
  return result;
}
