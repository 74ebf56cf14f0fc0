#include "editors/win/cDlgCommand.h"

#include <new>
#include <string_view>

#include "app/DataFile.h"
#include "app/MessageBox.h"
#include "app/Utility.h"
#include "app/cShellSeam.h"
#include "app/win/FileDialogs.h"
#include "database/MediaPreview.h"
#include "editors/MediaCommandRules.h"
#include "editors/VariableRename.h"
#include "editors/win/cDlgCommandFlowOp.h"
#include "editors/win/PageSupport.h"
#include "editors/win/cDlgGraphicPick.h"
#include "stage/win/PaintCanvas.h"
#include "ui/win/cCtrlCombo.h"
#include "ui/win/cValueInputDlg.h"

cDlgCommand* cDlgCommand::s_lpInstance = nullptr;

namespace {
constexpr const char* kRenameTitle = "変数名の入力";
constexpr int32_t kVariableNameLimit = 12;

tCmdDialogLookup g_pfnCmdDialogLookup = nullptr;

// A control of a description reaches its value through the dialog's model.
int32_t ReadModel(void* model, intptr_t ctrl) {
  return static_cast<cCmdDialogModel*>(model)->Value(reinterpret_cast<const cCmdCtrl*>(ctrl)->m_nId);
}

void WriteModel(void* target, intptr_t key, int32_t value) {
  auto* model = static_cast<cCmdDialogModel*>(target);
  const cCmdCtrl* ctrl = reinterpret_cast<const cCmdCtrl*>(key);
  if (const auto* slot = std::get_if<cDialogSlot>(&ctrl->m_Slot)) {
    if (int32_t* stored = model->DialogSlot(slot->m_nIndex)) *stored = value;
    return;
  }
  WriteCmdSlot(model->Work(), ctrl->m_Slot, value);
}

cIntRef ModelRef(cCmdDialogModel& model, const cCmdCtrl& ctrl) {
  cIntRef ref;
  ref.m_pTarget = &model;
  ref.m_nKey = reinterpret_cast<intptr_t>(&ctrl);
  ref.m_pfnGet = ReadModel;
  ref.m_pfnSet = WriteModel;
  return ref;
}

// The dialogs with a list or a sub-dialog of their own have a class of their own; every other
// plays its description on this class.
cDlgCommand* NewCommandDialog(const cCmdDialogDesc& desc, cWindow* parent, const cCmdEditContext* context,
                              cModelessList* list, cCtrl* anchor) {
  std::string_view name = desc.m_pClass;
  if (name == "cDlgCommandFlowOp") return new (std::nothrow) cDlgCommandFlowOp(desc, parent, context, list, anchor);
  if (name == "cDlgItemFlowOp") return new (std::nothrow) cDlgItemFlowOp(desc, parent, context, list, anchor);
  return new (std::nothrow) cDlgCommand(desc, parent, kKindDialog, context, list, anchor);
}

bool RowsBuilt(const cCmdCtrl& ctrl) {
  return ctrl.m_nKind == kCtrlCombo && (ctrl.m_pfnRows || ctrl.m_nRows != kRowsTable);
}

// Rows a rule builds from the shown values may change with any other control.
bool RowsFollowOthers(const cCmdCtrl& ctrl) {
  return ctrl.m_pfnRows || ctrl.m_nRows == kRowsArrangeParams || ctrl.m_nRows == kRowsArrangeVars;
}

bool Clicked(WPARAM wParam, uint16_t button) { return button && LOWORD(wParam) == button && HIWORD(wParam) == BN_CLICKED; }
}  // namespace

const cCmdDialogDesc* CmdDialogOf(int set, int kind) {
  return g_pfnCmdDialogLookup ? g_pfnCmdDialogLookup(set, kind) : FindCmdDialogDesc(set, kind);
}

void SetCmdDialogLookup(tCmdDialogLookup lookup) { g_pfnCmdDialogLookup = lookup; }

int RunCommandDialog(cDlgCommand*& slot, int set, int kind, cWindow* chooser, const cCmdEditContext* context,
                     cModelessList* list, cCtrl* anchor) {
  const cCmdDialogDesc* desc = CmdDialogOf(set, kind);
  if (!desc) {
    Shell().Beep();
    return 0;
  }
  slot = NewCommandDialog(*desc, chooser, context, list, anchor);
  if (!slot) {
    OutOfMemory();
    return 0;
  }
  INT_PTR result = slot->DoModal(0);
  SafeDelete(slot);
  return result == 1 ? 1 : 0;
}

cDlgCommand::cDlgCommand(const cCmdDialogDesc& desc, cWindow* parent, int32_t, const cCmdEditContext* context,
                         cModelessList* list, cCtrl* anchor)
    : cBoundDialog(desc.m_nTemplate, parent, list, anchor, 1), m_Model(desc, *context), m_Before(m_Model.Work()) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  ForEachCmdCtrl(desc, [this](const cCmdCtrl& ctrl) { Bind(ctrl); });
  for (int i = 0; i < desc.m_nButtons; ++i) AddCtrlGroup(m_Ctrls.m_vButtons, desc.m_pButtons[i]);
  m_cgPreview.m_Param.Set(desc.m_nPreview, desc.m_nPreviewPixels, desc.m_nPreviewPixels);
}

cDlgCommand::~cDlgCommand() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cDlgCommand::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cDlgCommand::Bind(const cCmdCtrl& ctrl) {
  if (!CmdCtrlPresent(m_Model.Desc(), ctrl.m_nId)) return;
  cCommandData& work = m_Model.Work();
  switch (ctrl.m_nKind) {
    case kCtrlEditVal:
      if (const auto* member = std::get_if<double cEdMove::*>(&ctrl.m_Slot)) {
        if (cEdMove* move = work.m_pMove.Get())
          AddCtrlGroup(m_vRealEdits, ctrl.m_nId, &(move->**member), ctrl.m_dMin, ctrl.m_dMax, ctrl.m_nSpinId, ctrl.m_dStep);
      } else {
        AddCtrlGroup(m_Ctrls.m_vEdits, ctrl.m_nId, ModelRef(m_Model, ctrl), ctrl.m_nMin, ctrl.m_nMax, ctrl.m_nSpinId);
      }
      break;
    case kCtrlCheck:
      AddCtrlGroup(m_Ctrls.m_vChecks, ctrl.m_nId, ModelRef(m_Model, ctrl));
      break;
    case kCtrlCombo:
      AddCtrlGroup(m_Ctrls.m_vCombos, ctrl.m_nId, ModelRef(m_Model, ctrl), ctrl.m_pRows, CmdCtrlOffset(ctrl, work));
      break;
    case kCtrlSlider:
      AddCtrlGroup(m_Ctrls.m_vSliders, ctrl.m_nId, ModelRef(m_Model, ctrl), ctrl.m_nMin, ctrl.m_nMax, ctrl.m_nPage,
                   ctrl.m_nSpinId);
      break;
    case kCtrlEditText:
      if (const auto* member = std::get_if<cString cCommandData::*>(&ctrl.m_Slot)) {
        cCtrlGroup<cCtrlEditText>& text = AddCtrlGroup(m_Ctrls.m_vTexts, ctrl.m_nId, &(work.**member), ctrl.m_nMax, 0);
        if (ctrl.m_nLines > 0) {
          // Lines of characters, a double-byte character counting one.
          text.m_Param.m_nMaxChars = ctrl.m_nMax;
          text.m_Param.m_nMaxLines = ctrl.m_nLines;
          text.m_Param.m_bCharMode = 1;
          text.m_Param.m_nBufSize = (ctrl.m_nMax + 2) * ctrl.m_nLines + 1;
        }
      }
      break;
    default:
      break;
  }
}

void cDlgCommand::InitDialog() {
  AttachCtrlGroups(m_vRealEdits);
  if (m_cgPreview.m_Param.m_wId) AttachCtrlGroup(m_cgPreview);
  SetWindowTextA(m_hWnd, CmdDialogCaption(m_Model.Desc()).GetStr());
  FillRows(true);
}

void cDlgCommand::FillRows(bool all) {
  ForEachCmdCtrl(m_Model.Desc(), [&](const cCmdCtrl& ctrl) {
    if (!RowsBuilt(ctrl) || (!all && !RowsFollowOthers(ctrl))) return;
    cCtrlChoice* combo = m_Ctrls.Combo(ctrl.m_nId);
    if (!combo) return;
    cCmdRows rows = CmdCtrlRowSet(ctrl, m_Model.Work());
    combo->SetRows(rows.m_vRows, rows.m_nOffset, rows.m_Numbering);
  });
}

void cDlgCommand::Rules(uint16_t changed, cCtrlStates& states) {
  if (changed)
    m_Model.Changed(m_Before);
  else
    m_Model.Refresh();
  m_Before = m_Model.Work();
  FillRows(false);
  states = m_Model.States();
  DrawPreview();
}

void cDlgCommand::DrawPreview() {
  cCtrlBitmap& preview = m_cgPreview.m_Ctrl;
  if (!preview.m_hWnd || !preview.m_Back.Dc()) return;
  cSheetExtents sheets;
  MeasureSheets(sheets);
  cPaintList list;
  if (!m_Model.Preview(sheets, list)) return;
  DrawPaintList(preview.m_Back, list);
  preview.Present();
}

void cDlgCommand::PickCell() {
  const cCellPickButton& pick = m_Model.Desc().m_CellPick;
  cCtrlChoice* kind = pick.m_nKindCtrl ? m_Ctrls.Combo(pick.m_nKindCtrl) : nullptr;
  cCtrlIntEdit* number = m_Ctrls.Edit(pick.m_nNumberCtrl);
  if ((pick.m_nKindCtrl && !kind) || !number) return;
  int16_t cell = static_cast<int16_t>(number->Value());
  cCtrl place;
  place.Attach(this, pick.m_nButton);
  if (!PickGraphicCell(&cell, kind ? kind->Value() : pick.m_nKind, this, &place)) return;
  number->SetValue(cell);
  Refresh(1, number);
}

void cDlgCommand::BrowseFile() {
  const cBrowseButton& browse = m_Model.Desc().m_Browse;
  auto* edit = dynamic_cast<cCtrlEditText*>(BoundCtrlOf(*this, browse.m_nTextCtrl));
  char chosen[kMaxPath] = {};
  if (!edit || !OpenFileDialog(m_hWnd, chosen, kMaxPath, browse.m_pForm->m_pFolder, browse.m_pForm->m_pTitle,
                               browse.m_pForm->m_pFilter, browse.m_pForm->m_pDefaultExtension, 0, nullptr))
    return;
  cString path;
  if (!browse.m_pfnAccept(cString(chosen), path)) return;
  edit->SetText(path);
  Refresh(1, edit);
}

LRESULT cDlgCommand::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // However the dialog closes, the BGM it played stops.
  if (message == WM_DESTROY && m_Model.Desc().m_nBgmPlay) StopCmdBgm();
  LRESULT result = cBoundDialog::OnMessage(window, message, wParam, lParam);
  // A trackbar moved: its value counts at once, as a combo's choice does.
  if (message == WM_HSCROLL && m_bInitialized && lParam)
    for (cCtrlGroup<cCtrlIntSlider>& slider : m_Ctrls.m_vSliders)
      if (slider.m_Ctrl.m_hWnd == reinterpret_cast<HWND>(lParam)) Refresh(1, &slider.m_Ctrl);
  return result;
}

int cDlgCommand::DialogCommand(WPARAM wParam) {
  uint16_t id = LOWORD(wParam);
  const cCmdDialogDesc& desc = m_Model.Desc();
  if (desc.m_nSoundPreview && id == desc.m_nSoundPreview && HIWORD(wParam) == CBN_SELCHANGE)
    if (cCtrlChoice* sound = m_Ctrls.Combo(id)) PlayComboSound(m_hWnd, sound->Value());
  if (Clicked(wParam, desc.m_nBgmPlay)) {
    if (cCtrlChoice* bgm = m_Ctrls.Combo(desc.m_nBgmCombo)) PlayCmdBgm(bgm->Value());
    return 1;
  }
  if (Clicked(wParam, desc.m_CellPick.m_nButton)) {
    PickCell();
    return 1;
  }
  if (Clicked(wParam, desc.m_Browse.m_nButton)) {
    BrowseFile();
    return 1;
  }
  for (int i = 0; i < desc.m_nRenames; ++i) {
    const cRenameButton& rename = desc.m_pRenames[i];
    if (rename.m_nButton != id || HIWORD(wParam) != BN_CLICKED) continue;
    ControlsToData();
    int site = 0, scope = 0;
    cString* name = m_Model.RenameSlot(id, site, scope);
    if (!name) return 1;
    cCtrl place;
    place.Attach(this, id);
    if (!RunStringInputDialog(this, m_lpManager, name, kVariableNameLimit, 1, kRenameTitle, &place, 1)) return 1;
    FinishVariableRename(site, scope);
    if (const cCmdCtrl* picker = FindCmdCtrl(desc, rename.m_nPicker))
      if (cCtrlChoice* combo = m_Ctrls.Combo(picker->m_nId)) combo->SetRows(CmdCtrlRows(*picker, m_Model.Work()));
    return 1;
  }
  return 0;
}

int cDlgCommand::Accept() { return m_Model.PressOk(); }
