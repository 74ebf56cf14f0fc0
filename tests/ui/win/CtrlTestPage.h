#pragma once
// A page with a bound control of every kind, declared the way the editor's pages declare theirs:
// one line a control in the constructor, one attach a group vector when the window exists.

#include <vector>

#include "ui/win/cCtrlCheck.h"
#include "ui/win/cCtrlCombo.h"
#include "ui/win/cCtrlEditText.h"
#include "ui/win/cCtrlEditVal.h"
#include "ui/win/cCtrlSlider.h"
#include "ui/win/cDialog.h"

enum : uint16_t {
  kIddCtrlPage = 520,
  kIddViewWindow = 521,
  kIdcStatus = 1101,
  kIdcCount = 1110,
  kIdcCountSpin = 1111,
  kIdcSpeed = 1112,
  kIdcSpeedSpin = 1113,
  kIdcHeight = 1114,
  kIdcWeight = 1115,
  kIdcWeightSpin = 1116,
  kIdcBright = 1117,
  kIdcName = 1120,
  kIdcPath = 1121,
  kIdcDirection = 1130,
  kIdcSound = 1131,
  kIdcEnabled = 1140,
  kIdcFlip = 1141,
  kIdcRun = 1150,
  kIdcView = 1160,
  kIdcRed = 1170,
  kIdcRedEdit = 1171,
  kIdcScroll = 1180,
};

struct cPageRecord {
  int m_nCount = 50;
  double m_dSpeed = 1.5;
  short m_sHeight = -20;
  char m_cWeight = 10;
  unsigned char m_ucBright = 200;
  cString m_strName = "勇者";
  cString m_strPath = "bmp\\chara.bmp";
  char m_cDirection = 2;
  int m_nSound = 1;
  int m_bEnabled = 1;
  char m_bFlip = 0;
  int m_nRed = 128;
};

struct cNamedEntry {
  cString m_strName;
};

class cCtrlTestPage : public cDialog {
public:
  cCtrlTestPage(cPageRecord* record, cModelessList* list) : cDialog(kIddCtrlPage, nullptr, kKindDialog, list) {
    s_lpInstance = this;
    m_lpfnProc = Proc;
    MakeComboLabels(m_vSoundLabels, m_vSounds);
    AddCtrlGroup(m_vInts, kIdcCount, &record->m_nCount, 0, 100, kIdcCountSpin, 1);
    AddCtrlGroup(m_vDoubles, kIdcSpeed, &record->m_dSpeed, -10.0, 10.0, kIdcSpeedSpin, 0.1);
    AddCtrlGroup(m_vShorts, kIdcHeight, &record->m_sHeight, -100, 100, 0, 1);
    AddCtrlGroup(m_vChars, kIdcWeight, &record->m_cWeight, 1, 127, kIdcWeightSpin, 5);
    AddCtrlGroup(m_vBytes, kIdcBright, &record->m_ucBright, 0, 255, 0, 1);
    AddCtrlGroup(m_vTexts, kIdcName, &record->m_strName, 12, 1);
    AddCtrlGroup(m_vTexts, kIdcPath, &record->m_strPath, 260, 0);
    AddCtrlGroup(m_vCharCombos, kIdcDirection, &record->m_cDirection, kDirections, 1);
    AddCtrlGroup(m_vIntCombos, kIdcSound, &record->m_nSound, &m_vSoundLabels, 1);
    AddCtrlGroup(m_vIntChecks, kIdcEnabled, &record->m_bEnabled);
    AddCtrlGroup(m_vCharChecks, kIdcFlip, &record->m_bFlip);
    AddCtrlGroup(m_vStatics, kIdcStatus);
    AddCtrlGroup(m_vButtons, kIdcRun);
    AddCtrlGroup(m_vSliders, kIdcRed, &record->m_nRed, 0, 255, 30, 1, kIdcRedEdit);
    AddCtrlGroup(m_vScrolls, kIdcScroll, nullptr, SB_HORZ, 0, 50, 10, 1);
    m_cgView.m_Param.Set(kIdcView, 0, 0);
  }
  ~cCtrlTestPage() override {
    if (m_bModeless) Destroy();
    if (s_lpInstance == this) s_lpInstance = nullptr;
  }

  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
  }
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    LRESULT result = WindowProc(window, message, wParam, lParam);
    if (message == WM_CLOSE) {
      Close(0);
      return 1;
    }
    return result;
  }
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override {
    cDialog::OnInitDialog(wParam, lParam);
    AttachCtrlGroups(m_vInts);
    AttachCtrlGroups(m_vDoubles);
    AttachCtrlGroups(m_vShorts);
    AttachCtrlGroups(m_vChars);
    AttachCtrlGroups(m_vBytes);
    AttachCtrlGroups(m_vTexts);
    AttachCtrlGroups(m_vCharCombos);
    AttachCtrlGroups(m_vIntCombos);
    AttachCtrlGroups(m_vIntChecks);
    AttachCtrlGroups(m_vCharChecks);
    AttachCtrlGroups(m_vStatics);
    AttachCtrlGroups(m_vButtons);
    AttachCtrlGroups(m_vSliders);
    AttachCtrlGroups(m_vScrolls);
    AttachCtrlGroup(m_cgView);
    DrawPreview();
    DataToControls();
    m_bInitialized = 1;
  }
  void OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (!AcceptCommand(wParam)) return;
    cDialog::OnCommand(wParam, lParam);
    m_vChanged.push_back(FindCommandCtrl(wParam));
    // As the editor's pages do: a change of one bound control stores every control.
    if (m_bStoreEachChange && m_bInitialized && FindCommandCtrl(wParam)) ControlsToData();
    if (LOWORD(wParam) == kIdcOk) {
      ControlsToData();
      Close(1);
    } else if (LOWORD(wParam) == kIdcCancel) {
      Close(0);
    }
  }
  void BeginRefresh(int32_t hint) override { m_vRefreshHints.push_back(hint); }
  void EndRefresh(int32_t hint) override { m_vRefreshHints.push_back(-100 - hint); }

  // A picture with a Japanese caption in the view, as a preview page composes one.
  void DrawPreview() {
    cCanvas& back = m_cgView.m_Ctrl.m_Back;
    back.Fill(RGB(40, 80, 160));
    back.CreateFont("ＭＳ Ｐゴシック", 0, 14);
    back.DrawText(6, 6, "プレビュー画面", RGB(255, 255, 255), TRANSPARENT);
  }

  static const cString kDirections[];
  cVector<cNamedEntry> m_vSounds = {{"なし"}, {"足音"}, {"剣の音"}, {"爆発"}};
  std::vector<cString> m_vSoundLabels;

  cCtrlGroups<cCtrlEditVal<int>> m_vInts;
  cCtrlGroups<cCtrlEditVal<double>> m_vDoubles;
  cCtrlGroups<cCtrlEditVal<short>> m_vShorts;
  cCtrlGroups<cCtrlEditVal<char>> m_vChars;
  cCtrlGroups<cCtrlEditVal<unsigned char>> m_vBytes;
  cCtrlGroups<cCtrlEditText> m_vTexts;
  cCtrlGroups<cCtrlCombo<char>> m_vCharCombos;
  cCtrlGroups<cCtrlCombo<int>> m_vIntCombos;
  cCtrlGroups<cCtrlCheck<int>> m_vIntChecks;
  cCtrlGroups<cCtrlCheck<char>> m_vCharChecks;
  cCtrlGroups<cCtrlStatic> m_vStatics;
  cCtrlGroups<cCtrlButton> m_vButtons;
  cCtrlGroups<cCtrlSlider> m_vSliders;
  cCtrlGroups<cCtrlScroll> m_vScrolls;
  std::vector<uint16_t> m_vChanged;
  int32_t m_bStoreEachChange = 0;
  std::vector<int32_t> m_vRefreshHints;
  static cCtrlTestPage* s_lpInstance;
};
