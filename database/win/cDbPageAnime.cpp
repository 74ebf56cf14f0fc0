#include "database/win/cDbPageAnime.h"

#include <cstdint>
#include <new>

#include "app/MessageBox.h"
#include "database/win/cDatabaseWnd.h"
#include "editors/win/cDlgGraphicPick.h"
#include "model/cEdBlock.h"
#include "model/cEdChara.h"
#include "stage/win/PaintCanvas.h"
#include "ui/win/cModelessList.h"

void DrawCharaSample(cCtrlBitmap& control, int kind, int32_t number, int32_t cell) {
  cCanvas& canvas = control.m_Back;
  if (!canvas.Dc()) return;
  cEdChara chara;
  chara.m_cGraphicSheet = static_cast<int8_t>(kind);
  chara.m_nGraphic = static_cast<int16_t>(number);
  chara.m_nGraphicFrame = static_cast<int16_t>(cell);
  cSheetExtents sheets;
  MeasureSheets(sheets);
  cPaintList list;
  list.Begin(0, 0, canvas.Width(), canvas.Height());
  list.AddFill(0, 0, canvas.Width(), canvas.Height(), kColourBackground);
  AddCharaGraphic(list, sheets, 0, 0, chara, 0);
  DrawPaintList(canvas, list);
  control.Present();
}

// Both anime pages.

template <class Core>
cDbAnimePage<Core>::cDbAnimePage(uint16_t templateId, cDatabaseWnd& window, int tab, Core& core,
                                 const cListInstance& list, cAnimeData& graphic)
    : Base(templateId, window, tab, core, list), m_Graphic(graphic) {
  AddCtrlGroup(m_vKinds, kIdcAnimeKind, &graphic.m_cGraphicSheet, GraphicSheetNames, 0);
  AddCtrlGroup(m_vShorts, kIdcAnimeNumber, &graphic.m_nGraphic, int16_t{1}, int16_t{119}, kIdcAnimeNumberSpin,
               int16_t{1});
  AddCtrlGroup(m_vShorts, kIdcAnimeStart, &graphic.m_nStartCell, int16_t{0}, int16_t{19}, kIdcAnimeStartSpin,
               int16_t{1});
  AddCtrlGroup(this->m_vBitmaps, kIdcAnimeSample, kSampleSide, kSampleSide);
}

template <class Core>
void cDbAnimePage<Core>::AttachOtherGroups() {
  this->AttachCtrlGroups(m_vKinds);
  this->AttachCtrlGroups(m_vShorts);
}

template <class Core>
void cDbAnimePage<Core>::AfterShown() {
  UpdateDependentControls();
  RestartSample();
}

template <class Core>
void cDbAnimePage<Core>::UpdateDependentControls() {
  cCtrlCombo<uint8_t>* kind = FindCtrlById(m_vKinds, kIdcAnimeKind);
  cCtrlEditVal<int16_t>* number = NumberEdit();
  cCtrlEditVal<int16_t>* start = StartEdit();
  if (!kind || !number || !start) return;
  // The ranges bound what the user types and steps; the values shown stay those of the record.
  cGraphicRule rule = GraphicRuleOf(kind->GetCurData(), CharaExcCount());
  number->SetRange(1, static_cast<int16_t>(rule.m_nNumberMax));
  // A kind without a start cell keeps any: its disabled edit shows it whole.
  if (rule.m_bStartCellEnabled) start->SetRange(0, static_cast<int16_t>(rule.m_nStartCellMax));
  else start->SetRange(INT16_MIN, INT16_MAX);
  start->Enable(rule.m_bStartCellEnabled);
  EnableWindow(GetDlgItem(this->m_hWnd, kIdcAnimePick), rule.m_bPickerEnabled);
}

template <class Core>
int cDbAnimePage<Core>::ChooseGraphicKind(WPARAM wParam) {
  if (LOWORD(wParam) != kIdcAnimeKind || HIWORD(wParam) != CBN_SELCHANGE) return 0;
  // The kind the user chose brings the graphic number and start cell into its ranges, in the
  // record; the edits then show the record.
  this->StoreControls();
  ApplyGraphicKind(m_Graphic, CharaExcCount());
  for (cCtrlGroup<cCtrlEditVal<int16_t>>& edit : m_vShorts) edit.m_Ctrl.DataToCtrl();
  return 1;
}

template <class Core>
int cDbAnimePage<Core>::CharaExcCount() {
  return this->m_Window.Core().m_CharaExc.Table().Count();
}

template <class Core>
int cDbAnimePage<Core>::PickGraphic(WPARAM wParam) {
  if (LOWORD(wParam) != kIdcAnimePick || HIWORD(wParam) != BN_CLICKED) return 0;
  cCtrlCombo<uint8_t>* kind = FindCtrlById(m_vKinds, kIdcAnimeKind);
  cCtrlEditVal<int16_t>* number = NumberEdit();
  if (!kind || !number) return 1;
  int16_t cell = number->Value();
  cCtrl button;
  button.Attach(this, kIdcAnimePick);
  if (!PickGraphicCell(&cell, kind->GetCurData(), this, &button)) return 1;
  number->SetValue(cell);
  // The button is no bound control: the picked number is stored as a typed one would be.
  this->StoreControls();
  this->m_Core.StoreEdited();
  return 1;
}

template <class Core>
void cDbAnimePage<Core>::EndOfCommand() {
  RestartSample();
  DrawSample(0);
}

template <class Core>
void cDbAnimePage<Core>::OnSheetNotice(HWND, const NMHDR& notice) {
  // The two pages share the preview player: the page coming to the front plays its own anime.
  if (notice.code == static_cast<UINT>(PSN_SETACTIVE) && this->m_bInitialized) RestartSample();
}

template <class Core>
void cDbAnimePage<Core>::DrawSample(int advance) {
  if (!this->m_bInitialized || this->m_vBitmaps.empty()) return;
  cCtrlCombo<uint8_t>* kind = FindCtrlById(m_vKinds, kIdcAnimeKind);
  cCtrlEditVal<int16_t>* number = NumberEdit();
  cCtrlEditVal<int16_t>* start = StartEdit();
  if (!kind || !number || !start) return;
  int32_t cell = SampleCell(start->Value(), SampleMotion(), FlyingShift(), PreviewFrameCell(advance));
  DrawCharaSample(this->m_vBitmaps[0].m_Ctrl, kind->GetCurData(), number->Value(), cell);
}

template class cDbAnimePage<cDbPageAnimeSetCore>;
template class cDbAnimePage<cDbPageAnimeCore>;

// The anime set page.

cDbPageAnimeSet::cDbPageAnimeSet(uint16_t templateId, cDatabaseWnd& window, cDbPageAnimeSetCore& core)
    : cDbAnimePage(templateId, window, kTabAnimeSet, core, kListAnimeSetTable, core.m_Edit.m_vMotion[kMotionStand]) {
  m_cgMotionList.m_Param = m_Core.MotionsParam();
  AddFieldGroups(m_vInts, kAnimeSetShiftFields, m_Core.m_Edit);
  AddCtrlGroup(m_vButtons, kIdcAnimeEditMotion);
}

void cDbPageAnimeSet::AttachOtherGroups() {
  cDbAnimePage::AttachOtherGroups();
  AttachCtrlGroup(m_cgMotionList);
  m_Core.BindMotions(Motions());
}

int32_t cDbPageAnimeSet::FlyingShift() {
  cCtrlEditVal<int32_t>* shift = FindCtrlById(m_vInts, kIdcAnimeFlyShift);
  return shift ? shift->Value() : 0;
}

int cDbPageAnimeSet::OwnCommand(WPARAM wParam) {
  if (PickGraphic(wParam) || ChooseGraphicKind(wParam)) return 1;
  if (LOWORD(wParam) == kIdcAnimeMotions && HIWORD(wParam) == LBN_SELCHANGE) Motions().OnSelChange();
  else if (ListActionOf(kListAnimeMotions, static_cast<uint32_t>(wParam)) == kListActEdit) EditMotionPattern();
  return 1;
}

void cDbPageAnimeSet::EditMotionPattern() {
  cAnimeData* motion = m_Core.MotionToEdit();
  if (!motion) return;
  cDlgAnimePattern::SetTarget(motion, Motions().GetCurIndex());
  if (Motions().EditAsInstance(m_pPatternDlg, kListAnimeMotions, 0, m_lpManager)) m_Core.StoreEdited();
}

LRESULT cDbPageAnimeSet::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = cDbAnimePage::OnMessage(window, message, wParam, lParam);
  // The sheet is closing: OK, Cancel or the close box; the core stops the BGM preview and hands
  // control back to the stage editor once.
  if (message == WM_DESTROY) m_Window.Core().OnCancel();
  return result;
}

void cDbPageAnimeSet::OnSheetNotice(HWND window, const NMHDR& notice) {
  cDbAnimePage::OnSheetNotice(window, notice);
  if (notice.code == static_cast<UINT>(PSN_APPLY)) Apply(window, notice);
}

void cDbPageAnimeSet::Apply(HWND window, const NMHDR& notice) {
  cDatabaseCore& core = m_Window.Core();
  // The sheet tells OK from Apply in the notice's parameter.
  int ok = reinterpret_cast<const PSHNOTIFY&>(notice).lParam ? core.OnOk() : core.ApplyAll();
  if (ok) return;
  SetWindowLongPtrA(window, DWLP_MSGRESULT, PSNRET_INVALID_NOCHANGEPAGE);
  TellSheetChanged();
}

// The anime page.

cDbPageAnime::cDbPageAnime(uint16_t templateId, cDatabaseWnd& window, cDbPageAnimeCore& core)
    : cDbAnimePage(templateId, window, kTabAnime, core, kListAnimeTable, core.m_Edit) {
  AddCtrlGroup(m_vButtons, kIdcAnimeEditPattern);
}

int cDbPageAnime::OwnCommand(WPARAM wParam) {
  if (PickGraphic(wParam) || ChooseGraphicKind(wParam)) return 1;
  if (LOWORD(wParam) == kIdcAnimeEditPattern && HIWORD(wParam) == BN_CLICKED) EditPattern();
  return 1;
}

void cDbPageAnime::EditPattern() {
  if (List().GetCurIndex() < 0) return;
  cDlgAnimePattern::SetTarget(&m_Core.m_Edit, -1);
  m_lpManager->EnableAll(0);
  m_pPatternDlg = new (std::nothrow)
      cDlgAnimePattern(kIddAnimePattern, this, kKindDialog, m_lpManager, BoundCtrl(kIdcAnimeEditPattern), 1);
  if (m_pPatternDlg) m_pPatternDlg->DoModal(0);
  else OutOfMemory();
  SafeDelete(m_pPatternDlg);
  m_lpManager->EnableAll(1);
}

// The anime pattern dialog.

cDlgAnimePattern* cDlgAnimePattern::s_lpInstance = nullptr;
cAnimeData* cDlgAnimePattern::s_pTarget = nullptr;
int cDlgAnimePattern::s_nMotion = -1;

void cDlgAnimePattern::SetTarget(cAnimeData* target, int motion) {
  s_pTarget = target;
  s_nMotion = motion;
}

cDlgAnimePattern::cDlgAnimePattern(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* list,
                                   cCtrl* place, int32_t center)
    : cDialog(templateId, parent, kind, list, place, center), m_Core(*s_pTarget, s_nMotion) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  m_cgList.m_Param = m_Core.ListParam();
  AddFieldGroups(m_vInts, kAnimeFrameFields, m_Core.m_Edit);
  AddFieldGroups(m_vChecks, kAnimeFrameRunCheck, m_Core.m_Edit);
  AddCtrlGroup(m_vBitmaps, kIdcAnimeSample, kSampleSide, kSampleSide);
}

cDlgAnimePattern::~cDlgAnimePattern() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cDlgAnimePattern::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cDlgAnimePattern::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  AttachCtrlGroup(m_cgList);
  m_Core.BindList(m_cgList.m_Ctrl);
  m_cgList.m_Ctrl.SetInstanceIds(kListAnimeFrames);
  AttachCtrlGroups(m_vInts);
  AttachCtrlGroups(m_vChecks);
  AttachCtrlGroups(m_vBitmaps);
  m_cgList.m_Ctrl.SetCurSel(0, 1);
  FindCtrlById(m_vChecks, kAnimeFrameRunCheck[0].m_nId)->Enable(m_Core.RunCommandEnabled());
  DataToControls();
  m_bInitialized = 1;
}

LRESULT cDlgAnimePattern::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(window, message, wParam, lParam);
  if (IsRightClicked()) m_cgList.m_Ctrl.PopupAt(m_ptCursorScreen);
  OnPaint();
  if (message == WM_CLOSE) {
    Close(0);
    return 1;
  }
  return result;
}

void cDlgAnimePattern::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  // The focus and texts that arrive while the dialog opens, before its list is bound.
  if (!m_bInitialized) {
    RedrawList();
    return;
  }
  uint16_t id = LOWORD(wParam);
  uint16_t code = HIWORD(wParam);
  cCtrlList<cAnimeFrameData>& list = m_cgList.m_Ctrl;
  if (id == kIdcOk) {
    StoreControls();
    m_Core.Ok();
    Close(1);
    return;
  }
  if (id == kIdcCancel) {
    Close(0);
    return;
  }
  int action = ListActionOf(kListAnimeFrames, static_cast<uint32_t>(wParam));
  if (id == list.m_wId && code == LBN_SELCHANGE) {
    m_Core.OnSelChange();
    Refresh();
  } else if (action == kListActInsert) {
    if (m_Core.Insert()) Refresh();
  } else if (action == kListActDelete) {
    if (m_Core.Delete()) Refresh();
  } else if (list.OnAccelCommand(id) || list.OnMenuCommand(id)) {
    Refresh();
  }
  if (FindCommandCtrl(wParam)) StoreControls();
  RedrawList();
}

void cDlgAnimePattern::StoreControls() {
  cCtrlEditVal<int32_t>* cell = FindCtrlById(m_vInts, kAnimeFrameFields[0].m_nId);
  cCtrlEditVal<int32_t>* time = FindCtrlById(m_vInts, kAnimeFrameFields[1].m_nId);
  cCtrlCheck<int32_t>* run = FindCtrlById(m_vChecks, kAnimeFrameRunCheck[0].m_nId);
  if (cell && time && run) m_Core.StoreControls(cell->Value(), time->Value(), run->GetCheck());
}

void cDlgAnimePattern::OnPaint() {
  if (!m_bInitialized || m_vBitmaps.empty()) return;
  cCtrlEditVal<int32_t>* cell = FindCtrlById(m_vInts, kAnimeFrameFields[0].m_nId);
  cDatabaseWnd* database = cDatabaseWnd::Instance();
  int32_t shift = database ? database->Core().m_AnimeSet.m_Edit.m_nShiftFly : 0;
  const cAnimeData& target = m_Core.Target();
  DrawCharaSample(m_vBitmaps[0].m_Ctrl, target.m_cGraphicSheet, target.m_nGraphic,
                  m_Core.PreviewCell(cell ? cell->Value() : 0, shift));
}
