#pragma once
// The anime set page "基本アニメセット" (template 212) and the anime page "アニメ" (226), with their
// 32 x 32 samples that play the edited anime on the idle tick, and the anime pattern dialog
// "アニメパターン" (221) that edits the frames of one anime.

#include "database/win/cDbPage.h"

class cDlgAnimePattern;

enum : uint16_t {
  kIdcAnimeMotions = 1160,
  kIdcAnimeEditMotion = 1067,
  kIdcAnimeEditPattern = 1226,
  kIdcAnimeKind = 1254,
  kIdcAnimeNumber = 1036,
  kIdcAnimeNumberSpin = 1037,
  kIdcAnimeStart = 1038,
  kIdcAnimeStartSpin = 1039,
  kIdcAnimePick = 1446,
  kIdcAnimeSample = 1070,
  kIdcAnimeFlyShift = 1201,
};
constexpr int32_t kSampleSide = 32;

// What both anime pages share: the graphic controls of the anime whose graphic they edit (motion 0
// of the edited set, or the edited anime), the graphic rule and the sample.
template <class Core>
class cDbAnimePage : public cDbTablePage<Core> {
  using Base = cDbTablePage<Core>;

public:
  cDbAnimePage(uint16_t templateId, cDatabaseWnd& window, int tab, Core& core, const cListInstance& list,
               cAnimeData& graphic);
  // The idle step: the sample advanced by one tick.
  void OnIdleTick(int advance) override { DrawSample(advance); }
  // The sample: the graphic shown in the controls at the cell the preview player has reached.
  void DrawSample(int advance);
  const cCanvas& SampleCanvas() { return this->m_vBitmaps[0].m_Ctrl.m_Back; }

protected:
  void AttachOtherGroups() override;
  void AfterShown() override;
  void UpdateDependentControls() override;
  void EndOfCommand() override;
  void OnSheetNotice(HWND window, const NMHDR& notice) override;
  // The motion whose sample adds the flying shift; -1 on the anime page.
  virtual int SampleMotion() { return -1; }
  virtual int32_t FlyingShift() { return 0; }
  // "一覧": the graphic cell picker on the chosen sheet kind; a picked cell becomes the graphic
  // number. 1 when the command was that button's.
  int PickGraphic(WPARAM wParam);
  // A graphic kind chosen in the combo box; 1 when the command was that choice.
  int ChooseGraphicKind(WPARAM wParam);

  cCtrlGroups<cCtrlCombo<uint8_t>> m_vKinds;
  cCtrlGroups<cCtrlEditVal<int16_t>> m_vShorts;
  cDlgAnimePattern* m_pPatternDlg = nullptr;  // while the pattern dialog runs

private:
  void RestartSample() { this->m_Core.RestartSample(); }
  cCtrlEditVal<int16_t>* NumberEdit() { return FindCtrlById(m_vShorts, kIdcAnimeNumber); }
  cCtrlEditVal<int16_t>* StartEdit() { return FindCtrlById(m_vShorts, kIdcAnimeStart); }
  int CharaExcCount();

  cAnimeData& m_Graphic;  // the anime whose graphic the controls edit
};

class cDbPageAnimeSet : public cDbAnimePage<cDbPageAnimeSetCore> {
public:
  cDbPageAnimeSet(uint16_t templateId, cDatabaseWnd& window, cDbPageAnimeSetCore& core);

  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  cCtrlList<cAnimeData>& Motions() { return m_cgMotionList.m_Ctrl; }

protected:
  void AttachOtherGroups() override;
  int OwnCommand(WPARAM wParam) override;
  void OnSheetNotice(HWND window, const NMHDR& notice) override;
  void AfterHandled() override { DrawSample(0); }
  int SampleMotion() override { return m_Core.MotionRow(); }
  int32_t FlyingShift() override;

private:
  // "編集" or a double click on a motion: its frames in the pattern dialog.
  void EditMotionPattern();
  // PSN_APPLY: OK and Apply commit every page; a failure keeps the sheet open and Apply enabled.
  void Apply(HWND window, const NMHDR& notice);

  cCtrlGroup<cCtrlList<cAnimeData>> m_cgMotionList;
};

class cDbPageAnime : public cDbAnimePage<cDbPageAnimeCore> {
public:
  cDbPageAnime(uint16_t templateId, cDatabaseWnd& window, cDbPageAnimeCore& core);

protected:
  int OwnCommand(WPARAM wParam) override;

private:
  // "パターンの編集": the edited anime's frames in the pattern dialog, every other window disabled.
  void EditPattern();
};

// The anime pattern dialog: the frames of the target anime in a list of 1 to 99 frames, the frame
// selected in the edits, and a still preview of its cell. OK writes the frames into the target.
class cDlgAnimePattern : public cDialog {
public:
  // The anime and motion the next dialog edits, set by its opener just before (motion -1: the
  // anime page's anime).
  static void SetTarget(cAnimeData* target, int motion);

  cDlgAnimePattern(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* list, cCtrl* place,
                   int32_t center);
  ~cDlgAnimePattern() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  // The still preview: the target's graphic at the cell of the edit.
  void OnPaint() override;

  cAnimePatternCore& Core() { return m_Core; }

private:
  void StoreControls();
  void Refresh() { RefreshControlsExcept(0, &m_cgList.m_Ctrl); }

  cAnimePatternCore m_Core;
  cCtrlGroup<cCtrlList<cAnimeFrameData>> m_cgList;
  cCtrlGroups<cCtrlEditVal<int32_t>> m_vInts;
  cCtrlGroups<cCtrlCheck<int32_t>> m_vChecks;
  cCtrlGroups<cCtrlBitmap> m_vBitmaps;

  static cDlgAnimePattern* s_lpInstance;
  static cAnimeData* s_pTarget;
  static int s_nMotion;
};

// A default character of the graphic kind, number and cell drawn over the whole control with the
// stage view's character drawer; black where it has no picture.
void DrawCharaSample(cCtrlBitmap& control, int kind, int32_t number, int32_t cell);
