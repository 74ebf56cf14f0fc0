#include "project/win/cSysPages.h"

#include <mmsystem.h>

#include "app/DataFile.h"
#include "app/MessageBox.h"
#include "app/PathUtil.h"
#include "app/cBgmManager.h"
#include "app/cMciSound.h"
#include "app/win/FileDialogs.h"
#include "database/cDatabaseSet.h"
#include "project/win/cSystemSettingsSheet.h"

namespace {
const char* const kPreviewText = "abc ABC あいう 剣弾魔龍";
constexpr int32_t kPreviewWidth = 430;
constexpr int32_t kPreviewHeight = 19;
constexpr int32_t kPreviewFontHeight = 16;
const char* const kLoadFailedText = "読み込み失敗！";

// A machine without any sound output plays no preview, and that is no failure of the file.
void ReportFailedPreview(HWND page) {
  if (waveOutGetNumDevs() > 0) ShowMessageBox(page, kLoadFailedText, kErrorCaption, kMbOk);
}

// The index of an id in a table of ids; -1 when it is not there.
template <size_t N>
int IndexOf(const uint16_t (&ids)[N], uint16_t id) {
  for (size_t i = 0; i < N; ++i)
    if (ids[i] == id) return static_cast<int>(i);
  return -1;
}
}  // namespace

cSysPage* cSysPage::s_apInstance[kSysPageCount] = {};

DLGPROC cSysPage::ProcOf(int page) {
  static const DLGPROC procs[kSysPageCount] = {
      Proc<kSysPageGeneral>, Proc<kSysPageMode>, Proc<kSysPageSound>,  Proc<kSysPageStatus>,
      Proc<kSysPageTerm>,    Proc<kSysPageIni>,  Proc<kSysPageCompat>, Proc<kSysPageCompat2>};
  return procs[page];
}

cSysPage::cSysPage(int page, cWindow* parent, cModelessList* list, cSystemSettingsSheet* sheet)
    : cRuleDialog(kSysPageTemplates[page], parent, kKindPage, list), m_nPage(page), m_lpSystemSheet(sheet) {
  s_apInstance[page] = this;
  m_lpfnProc = ProcOf(page);
  SetGeometry(0, 0, 100, 100, 640, 480, 0, 0, 0, 0, 0, 0);
}

cSysPage::~cSysPage() {
  if (m_bModeless) Destroy();
  if (s_apInstance[m_nPage] == this) s_apInstance[m_nPage] = nullptr;
}

void cSysPage::Bind(std::vector<cString>* builtRows) {
  cSysRows rows;
  BuildSysPageRows(m_nPage, g_SystemSettings, rows);
  for (const cSysCtrlRow& row : rows.Rows()) {
    switch (row.m_nKind) {
      case kSysCheck:
        AddCtrlGroup(m_vChecks, row.m_nId, std::get<int32_t*>(row.m_Member));
        break;
      case kSysByteCheck:
        AddCtrlGroup(m_vByteChecks, row.m_nId, std::get<char*>(row.m_Member));
        break;
      case kSysNumber:
        AddCtrlGroup(m_vNumbers, row.m_nId, std::get<int32_t*>(row.m_Member), row.m_nMin, row.m_nMax, row.m_nSpinId, 1);
        break;
      case kSysByteNumber:
        AddCtrlGroup(m_vByteNumbers, row.m_nId, std::get<uint8_t*>(row.m_Member), static_cast<uint8_t>(row.m_nMin),
                     static_cast<uint8_t>(row.m_nMax), row.m_nSpinId, static_cast<uint8_t>(1));
        break;
      case kSysText:
        AddCtrlGroup(m_vTexts, row.m_nId, std::get<cString*>(row.m_Member), row.m_nMax, row.m_bCharMode);
        break;
      case kSysCombo:
        if (row.m_pRows) AddCtrlGroup(m_vCombos, row.m_nId, std::get<int32_t*>(row.m_Member), row.m_pRows, 0);
        else AddCtrlGroup(m_vCombos, row.m_nId, std::get<int32_t*>(row.m_Member), builtRows, 0);
        break;
      default:
        break;
    }
  }
}

void cSysPage::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  AttachCtrlGroups(m_vChecks);
  AttachCtrlGroups(m_vByteChecks);
  AttachCtrlGroups(m_vNumbers);
  AttachCtrlGroups(m_vByteNumbers);
  AttachCtrlGroups(m_vTexts);
  AttachCtrlGroups(m_vCombos);
  AttachOwnCtrls();
  DataToControls();
  UpdateEnables(0);
  m_bInitialized = 1;
}

void cSysPage::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  OnPageCommand(LOWORD(wParam), HIWORD(wParam));
  if (uint16_t changed = m_bInitialized ? FindCommandCtrl(wParam) : 0) UpdateEnables(changed);
  SendMessageA(GetParent(m_hWnd), PSM_CHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

LRESULT cSysPage::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT handled = WindowProc(window, message, wParam, lParam);
  switch (message) {
    case WM_NOTIFY:
      OnNotify(window, *reinterpret_cast<const NMHDR*>(lParam));
      break;
    case WM_DESTROY:
      m_bInitialized = 0;
      if (RunsSheetApply()) {
        g_BgmManager.Stop();
        m_lpSystemSheet->Revalidate();
      }
      break;
    case WM_CLOSE:
      Close(0);
      break;
    default:
      if (!handled) return 0;
      break;
  }
  OnPaint();
  return 1;
}

LRESULT cSysPage::OnNotify(HWND window, const NMHDR& notice) {
  if (notice.code == static_cast<UINT>(PSN_SETACTIVE)) {
    Reload();
  } else if (notice.code == static_cast<UINT>(PSN_APPLY) && RunsSheetApply()) {
    // A file that could not be written keeps the sheet open with its apply button enabled.
    LONG_PTR result = m_lpSystemSheet->Apply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
    SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
  }
  return 0;
}

bool cSysPage::RunsSheetApply() const {
  return m_lpSystemSheet && (m_nPage == kSysPageGeneral || m_nPage == kSysPageMode || m_nPage == kSysPageCompat ||
                             m_nPage == kSysPageCompat2);
}

void cSysPage::UpdateEnables(uint16_t changedId) {
  cCtrlStates states;
  SysPageStates(m_nPage, *this, states, changedId);
  ApplyStates(states);
}

cSysGeneralPage::cSysGeneralPage(cWindow* parent, cModelessList* list, cSystemSettingsSheet* sheet)
    : cSysPage(kSysPageGeneral, parent, list, sheet) {
  Bind(nullptr);
  m_cgPreview.m_Param.Set(kIdcFontPreview, kPreviewWidth, kPreviewHeight);
}

void cSysGeneralPage::OnPaint() {
  cCtrlBitmap& preview = m_cgPreview.m_Ctrl;
  if (!m_bInitialized || !preview.m_Back.Dc()) return;
  int row = Row(kIdcFont);
  const char* face = row >= 0 && row < kFontFaceCount ? kFontFaceNames[row].GetStr() : "";
  preview.m_Back.Fill(RGB(0, 0, 0));
  preview.m_Back.CreateFont(face, 0, kPreviewFontHeight);
  preview.m_Back.DrawText(0, 1, kPreviewText, RGB(255, 255, 255), TRANSPARENT);
  preview.Present();
}

cSysSoundPage::cSysSoundPage(cWindow* parent, cModelessList* list, cSystemSettingsSheet* sheet)
    : cSysPage(kSysPageSound, parent, list, sheet) {
  MakeBgmLabels(m_vBgmLabels, g_DatabaseSet.m_vBgm);
  Bind(&m_vBgmLabels);
  for (int i = 0; i < cSystemSettings::kSoundFiles; ++i) {
    AddCtrlGroup(m_vButtons, kIdcSoundBrowse[i]);
    AddCtrlGroup(m_vButtons, kIdcSoundPlay[i]);
  }
  for (uint16_t id : kIdcBgmPlay) AddCtrlGroup(m_vButtons, id);
}

void cSysSoundPage::OnPageCommand(uint16_t id, uint16_t code) {
  if (code != BN_CLICKED) return;
  if (int slot = IndexOf(kIdcBgmPlay, id); slot >= 0) PlayBgm(slot);
  else if (int browse = IndexOf(kIdcSoundBrowse, id); browse >= 0) BrowseSound(browse);
  else if (int play = IndexOf(kIdcSoundPlay, id); play >= 0) PlaySound(play);
}

void cSysSoundPage::PlayBgm(int slot) {
  int row = Row(kIdcBgm[slot]);
  const cVector<cBgmData>& table = g_DatabaseSet.m_vBgm;
  if (row <= 0 || row >= table.Count()) return;
  g_BgmManager.SetSlotFile(0, table[row].m_strPath.GetStr());
  if (!g_BgmManager.Play(0, 0, 1, 1)) ReportFailedPreview(m_hWnd);
}

void cSysSoundPage::BrowseSound(int index) {
  char path[kMaxPath] = {};
  if (!OpenFileDialog(m_hWnd, path, kMaxPath, "wave\\", "効果音の選択", "WaveFile ( *.wav )\0*.wav\0\0", "wav", 0,
                      nullptr))
    return;
  if (!MakeRelativePath(path)) return;
  for (cCtrlGroup<cCtrlEditText>& group : m_vTexts)
    if (group.m_Ctrl.m_wId == kIdcSoundFile[index]) group.m_Ctrl.SetText(cString(path));
}

void cSysSoundPage::PlaySound(int index) {
  char path[kMaxPath] = {};
  GetDlgItemTextA(m_hWnd, kIdcSoundFile[index], path, kMaxPath);
  if (!path[0]) return;
  if (!PlaySoundFile(g_MciSound, 0, path, 0)) ReportFailedPreview(m_hWnd);
}
