#include "project/win/cDlgWorldMapSettings.h"

#include "app/PathUtil.h"
#include "app/ProgramPalette.h"
#include "app/win/FileDialogs.h"
#include "project/win/cWorldMapWnd.h"

cDlgWorldMapSettings* cDlgWorldMapSettings::s_lpInstance = nullptr;

namespace {
// The open-file dialog's filter: one description and pattern, each ended by a zero byte.
const char kBitmapFilter[] = "BitmapFile ( *.bmp )\0*.bmp\0";
}  // namespace

cDlgWorldMapSettings::cDlgWorldMapSettings(cWorldMapWnd* owner, cModelessList* list)
    : cDialog(kIddWorldMapSettings, owner, kKindDialog, list), m_Settings(g_WorldMap), m_pOwner(owner) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  SetGeometry(0, 0, 100, 100, 640, 480, 0, 0, 0, 0, 0, 0);
  using R = cWorldMapSettings;
  auto number = [this](const R::cRange& range, int32_t* member) {
    AddCtrlGroup(m_vNumbers, range.m_nId, member, range.m_nMin, range.m_nMax, range.m_nSpinId, 1);
  };
  number(R::kWidth, &m_Settings.m_nNewWidth);
  number(R::kHeight, &m_Settings.m_nNewHeight);
  number(R::kStartX, &g_WorldMap.m_nStartX);
  number(R::kStartY, &g_WorldMap.m_nStartY);
  number(R::kBackColor, &g_WorldMap.m_nBackColor);
  AddCtrlGroup(m_vChecks, kIdcMapUseBackImage, &g_WorldMap.m_bUseBackImage);
  AddCtrlGroup(m_vTexts, kIdcMapBackImage, &g_WorldMap.m_strBackImage, R::kBackImageLimit, 0);
  AddCtrlGroup(m_vPictures, kIdcMapBackColorPreview, kPreviewPixels, kPreviewPixels);
  AddCtrlGroup(m_vButtons, kIdcMapBackImageBrowse);
}

cDlgWorldMapSettings::~cDlgWorldMapSettings() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cDlgWorldMapSettings::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cDlgWorldMapSettings::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  ShowWindow(GetDlgItem(m_hWnd, kIdcFrameBitmap), SW_HIDE);
  AttachCtrlGroups(m_vNumbers);
  AttachCtrlGroups(m_vChecks);
  AttachCtrlGroups(m_vTexts);
  AttachCtrlGroups(m_vPictures);
  AttachCtrlGroups(m_vButtons);
  DataToControls();
  m_bInitialized = 1;
  PaintPreview();
}

void cDlgWorldMapSettings::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  switch (LOWORD(wParam)) {
    case kIdcOk:
      Apply();
      Close(1);
      return;
    case kIdcCancel:
      Close(0);
      return;
    case kIdcMapBackImageBrowse:
      if (HIWORD(wParam) == BN_CLICKED) BrowseBackImage();
      return;
    case kIdcMapBackColor:
      if (HIWORD(wParam) == EN_CHANGE) PaintPreview();
      return;
    default:
      return;
  }
}

void cDlgWorldMapSettings::Apply() {
  ControlsToData();
  m_Settings.Apply(g_WorldMap);
  if (!g_WorldMap.m_strBackImage.IsEmpty())
    g_aSheetCanvas[kSheetWorldBack].LoadBitmap(g_WorldMap.m_strBackImage.GetStr(), 0, 0, 0, 0);
  // The world map window sizes its scroll bars to the new map.
  SendMessageA(m_pOwner->m_hWnd, WM_SIZE, 0, 0);
}

void cDlgWorldMapSettings::BrowseBackImage() {
  char path[kMaxPath] = {};
  if (!OpenFileDialog(m_hWnd, path, kMaxPath, "bmp\\", "背景画像の選択", kBitmapFilter, "bmp", 0, nullptr)) return;
  // A picture on another drive has no relative path and is not taken.
  if (!AssignRelativePath(g_WorldMap.m_strBackImage, path)) return;
  if (cCtrlEditText* picture = FindCtrlById(m_vTexts, kIdcMapBackImage)) picture->SetText(g_WorldMap.m_strBackImage);
}

LRESULT cDlgWorldMapSettings::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(window, message, wParam, lParam);
  if (message == WM_CLOSE) {
    Close(0);
    result = 1;
  }
  return result;
}

void cDlgWorldMapSettings::PaintPreview() {
  cCtrlBitmap* preview = m_vPictures.Count() ? &m_vPictures[0].m_Ctrl : nullptr;
  if (!m_bInitialized || !preview || !preview->m_Back.Dc()) return;
  cCtrlEditVal<int32_t>* colour = FindCtrlById(m_vNumbers, kIdcMapBackColor);
  if (!colour) return;
  preview->m_Back.FillRgb(g_ProgramPalette.m_Pal[colour->Value()]);
  preview->Present();
}
