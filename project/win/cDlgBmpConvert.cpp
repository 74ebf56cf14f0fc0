#include "project/win/cDlgBmpConvert.h"

#include <shellapi.h>

#include <vector>

#include "app/DataFile.h"
#include "app/MessageBox.h"
#include "app/PathUtil.h"
#include "app/cEditConfig.h"
#include "app/win/FileDialogs.h"
#include "listctrl/ListInstances.h"
#include "listctrl/ListRowLabels.h"

namespace {
// Room for the folder and many names of a multiple choice.
constexpr int kChoiceBufferSize = 64 * 1024;
}  // namespace

cDlgBmpConvert* cDlgBmpConvert::s_lpInstance = nullptr;

INT_PTR CALLBACK cDlgBmpConvert::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

cDlgBmpConvert::cDlgBmpConvert(cWindow* owner, cModelessList* list)
    : cRuleDialog(kIddBmpConvert, owner, kKindDialog, list) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  cEditConfig& c = EditConfig;
  m_cgFiles.m_Param.Set(kIdcConvFiles, nullptr, &m_vFiles, nullptr, TextRowLabel, kListFileNames.m_Shape);
  AddCtrlGroup(m_vNumbers, kIdcConvTransparentIndex, &c.m_nBmpTransparentIndex, 0, 255, kIdcConvTransparentIndexSpin,
               1);
  AddCtrlGroup(m_vNumbers, kIdcConvLineFrom, &c.m_nBmpLineFrom, 0, 255, kIdcConvLineFromSpin, 1);
  AddCtrlGroup(m_vNumbers, kIdcConvLineTo, &c.m_nBmpLineTo, 0, 255, kIdcConvLineToSpin, 1);
  AddCtrlGroup(m_vTexts, kIdcConvOutputFolder, &c.m_strBmpOutDir, kConvOutputFolderLength, 0);
  AddCtrlGroup(m_vChecks, kIdcConvTransparent, &c.m_bBmpTransparent);
  AddCtrlGroup(m_vChecks, kIdcConvReplaceLine, &c.m_bBmpReplaceLine);
  AddCtrlGroup(m_vChecks, kIdcConvOverwrite, &c.m_bBmpOverwrite);
  for (uint16_t id : {kIdcConvAddFiles, kIdcConvClearFiles, kIdcConvBrowse, kIdcConvRun}) AddCtrlGroup(m_vButtons, id);
}

cDlgBmpConvert::~cDlgBmpConvert() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

void cDlgBmpConvert::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  AttachCtrlGroup(m_cgFiles);
  AttachCtrlGroups(m_vNumbers);
  AttachCtrlGroups(m_vTexts);
  AttachCtrlGroups(m_vChecks);
  AttachCtrlGroups(m_vButtons);
  // Files dropped on the list, or anywhere on the window, are added.
  DragAcceptFiles(m_hWnd, TRUE);
  DataToControls();
  UpdateEnables();
  m_bInitialized = 1;
}

void cDlgBmpConvert::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  if (m_bInitialized) StoreChanged(wParam);
  OnListCommand(wParam);
  if (HIWORD(wParam) == BN_CLICKED) {
    switch (LOWORD(wParam)) {
      case kIdcConvBrowse: ChooseOutputFolder(); break;
      case kIdcConvRun: Convert(); break;
      default: break;
    }
  }
  RedrawList();
}

void cDlgBmpConvert::StoreChanged(WPARAM wParam) {
  uint16_t id = FindCommandCtrl(wParam);
  if (!id || id == kIdcConvFiles) return;
  for (cCtrl* ctrl : m_vCtrl)
    if (ctrl->m_wId == id && ctrl->m_nKind != kCtrlButton) ctrl->CtrlToData();
  UpdateEnables();
}

void cDlgBmpConvert::OnListCommand(WPARAM wParam) {
  cCtrlList<cString>& files = m_cgFiles.m_Ctrl;
  if (LOWORD(wParam) == kIdcConvFiles && HIWORD(wParam) == LBN_SELCHANGE) files.OnSelChange();
  int done = 0;
  if (files.RunAction(kListFileNames, static_cast<uint32_t>(wParam), m_lpManager, &done) == kListActAddFiles)
    AddFiles();
}

LRESULT cDlgBmpConvert::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(window, message, wParam, lParam);
  switch (message) {
    case WM_DROPFILES:
      AddDroppedFiles(reinterpret_cast<HDROP>(wParam));
      return 1;
    case WM_CLOSE:
      Close(0);
      return 1;
    default:
      return result ? 1 : 0;
  }
}

void cDlgBmpConvert::UpdateEnables() {
  cCtrlStates states;
  BmpConvertStates(*this, states);
  ApplyStates(states);
}

void cDlgBmpConvert::ShowFiles() {
  m_cgFiles.m_Ctrl.DataToCtrl();
  m_cgFiles.m_Ctrl.Redraw();
}

void cDlgBmpConvert::AddFiles() {
  std::vector<char> buffer(kChoiceBufferSize);
  cVector<cString> chosen;
  if (!OpenFileDialog(m_hWnd, buffer.data(), kChoiceBufferSize, "bmp\\", "bmpの選択", "BitmapFile ( *.bmp )\0*.bmp\0\0",
                      "bmp", 1, &chosen))
    return;
  if (AddChosenFiles(m_vFiles, chosen)) ShowFiles();
}

void cDlgBmpConvert::AddDroppedFiles(HDROP drop) {
  UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  int added = 0;
  for (UINT i = 0; i < count; ++i) {
    char path[kMaxPath] = {};
    // A path longer than a path buffer cannot be stored; it is skipped.
    if (DragQueryFileA(drop, i, nullptr, 0) >= static_cast<UINT>(kMaxPath)) continue;
    DragQueryFileA(drop, i, path, kMaxPath);
    added |= AddDroppedPath(m_vFiles, path);
  }
  DragFinish(drop);
  if (added) ShowFiles();
}

void cDlgBmpConvert::ChooseOutputFolder() {
  char folder[kMaxPath] = {};
  if (!ChooseFolder(m_hWnd, folder, "bmp\\convert\\", "出力先のパス指定")) return;
  cString relative;
  if (!AssignRelativePath(relative, folder)) return;  // another drive: the choice is dropped
  if (cCtrlEditText* edit = FindCtrlById(m_vTexts, kIdcConvOutputFolder)) {
    edit->SetText(relative);
    edit->CtrlToData();
  }
}

void cDlgBmpConvert::Convert() {
  if (m_bBusy || m_vFiles.empty()) return;
  m_bBusy = 1;
  SetWaitCursor();
  ConvertBitmapFiles(m_vFiles, EditConfig.m_strBmpOutDir, EditConfig.m_bBmpOverwrite,
                     ConvertOptionsOf(EditConfig));
  SetArrowCursor();
  ShowMessageBox(m_hWnd, "変換完了！", "変換完了", kMbOk);
  m_bBusy = 0;
}
