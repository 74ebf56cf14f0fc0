#include "stage/win/cDlgBackground.h"

#include "app/DataFile.h"
#include "app/PathUtil.h"
#include "app/ProgramPalette.h"
#include "app/win/FileDialogs.h"
#include "stage/win/FieldBinding.h"
#include "stage/win/cStageSettingsSheet.h"

cDlgBackground* cDlgBackground::s_lpInstance = nullptr;

namespace {
// The open-file dialog's filter: one description and pattern, each ended by a zero byte.
const char kBitmapFilter[] = "BitmapFile ( *.bmp )\0*.bmp\0";
}  // namespace

cDlgBackground::cDlgBackground(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* manager,
                               cCtrl* place, int32_t center)
    : cDialog(templateId, parent, kind, manager, place, center), m_pTarget(cStagePageBasic::CurrentBackground()) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  if (m_pTarget) m_Background = *m_pTarget;
  AddFieldGroups(m_vIntEdits, kBackgroundNumFields, m_Background);
  AddFieldGroups(m_vRealEdits, kBackgroundRealFields, m_Background);
  AddFieldGroups(m_vTextEdits, kBackgroundTextFields, m_Background);
  AddFieldGroups(m_vChecks, kBackgroundCheckFields, m_Background);
  AddCtrlGroup(m_vPictures, kIdcBgPreview, kBgPreviewSize, kBgPreviewSize);
  AddCtrlGroup(m_vButtons, kIdcBgBrowse);
}

cDlgBackground::~cDlgBackground() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cDlgBackground::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cDlgBackground::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  AttachCtrlGroups(m_vIntEdits);
  AttachCtrlGroups(m_vRealEdits);
  AttachCtrlGroups(m_vTextEdits);
  AttachCtrlGroups(m_vChecks);
  AttachCtrlGroups(m_vPictures);
  AttachCtrlGroups(m_vButtons);
  DataToControls();
  UpdateEnables();
  m_bInitialized = 1;
}

void cDlgBackground::UpdateEnables() {
  cCtrlStates states;
  BackgroundStates(IsDlgButtonChecked(m_hWnd, kIdcBgUseColor) == BST_CHECKED, states);
  ApplyCtrlStates(*this, states);
}

void cDlgBackground::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  switch (LOWORD(wParam)) {
    case kIdcOk:
      ControlsToData();
      if (m_pTarget) *m_pTarget = m_Background;
      Close(1);
      return;
    case kIdcCancel:
      Close(0);
      return;
    case kIdcBgBrowse:
      if (HIWORD(wParam) == BN_CLICKED) BrowsePicture();
      break;
    default:
      break;
  }
  if (FindCommandCtrl(wParam)) UpdateEnables();
}

void cDlgBackground::BrowsePicture() {
  char path[kMaxPath] = {};
  if (!OpenFileDialog(m_hWnd, path, kMaxPath, "bmp\\back\\", "ビットマップの選択", kBitmapFilter, "bmp", 0, nullptr))
    return;
  // A picture on another drive has no relative path and is not taken.
  if (!MakeRelativePath(path)) return;
  if (cCtrlEditText* picture = FindCtrlById(m_vTextEdits, kIdcBgPicture)) picture->SetText(cString(path));
}

LRESULT cDlgBackground::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(window, message, wParam, lParam);
  if (message == WM_CLOSE) {
    Close(0);
    result = 1;
  }
  if (result && m_bInitialized) OnPaint();
  return result;
}

void cDlgBackground::OnPaint() {
  cCtrlBitmap* preview = m_vPictures.Count() ? &m_vPictures[0].m_Ctrl : nullptr;
  if (!preview || !preview->m_Back.Dc()) return;
  cCtrlEditVal<int32_t>* colour = FindCtrlById(m_vIntEdits, kIdcBgColor);
  if (!colour) return;
  preview->m_Back.FillRgb(g_ProgramPalette.m_Pal[colour->Value()]);
  preview->Present();
}
