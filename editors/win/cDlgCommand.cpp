#include "editors/win/cDlgCommand.h"

#include <new>
#include <string_view>

#include "app/MessageBox.h"
#include "app/Utility.h"
#include "app/cShellSeam.h"
#include "editors/VariableRename.h"
#include "editors/win/cDlgCommandAction.h"
#include "editors/win/cDlgCommandFlowOp.h"
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

// The dialogs with a list, a sub-dialog or a picture of their own have a class of their own; every
// other plays its description on this class.
cDlgCommand* NewCommandDialog(const cCmdDialogDesc& desc, cWindow* parent, const cCmdEditContext* context,
                              cModelessList* list, cCtrl* anchor) {
  std::string_view name = desc.m_pClass;
  if (name == "cDlgCommandFlowOp") return new (std::nothrow) cDlgCommandFlowOp(desc, parent, context, list, anchor);
  if (name == "cDlgItemFlowOp") return new (std::nothrow) cDlgItemFlowOp(desc, parent, context, list, anchor);
  if (name == "cDlgCommandShot") return new (std::nothrow) cDlgCommandShot(desc, parent, context, list, anchor);
  if (name == "cDlgCommandStageClear")
    return new (std::nothrow) cDlgCommandStageClear(desc, parent, context, list, anchor);
  return new (std::nothrow) cDlgCommand(desc, parent, kKindDialog, context, list, anchor);
}

// Rows that other controls choose: built again after every change.
bool RowsFollowOthers(const cCmdCtrl& ctrl) {
  return ctrl.m_pfnRows || ctrl.m_nRows == kRowsArrangeParams || ctrl.m_nRows == kRowsArrangeVars;
}
}  // namespace

const cCmdDialogDesc* BuiltCmdDialog(int set, int kind) {
  if (g_pfnCmdDialogLookup) return g_pfnCmdDialogLookup(set, kind);
  const cCmdDialogDesc* desc = FindCmdDialogDesc(set, kind);
  HMODULE module = GetModuleHandleA(nullptr);
  return desc && FindResourceA(module, MAKEINTRESOURCEA(desc->m_nTemplate), MAKEINTRESOURCEA(5)) ? desc : nullptr;
}

void SetCmdDialogLookup(tCmdDialogLookup lookup) { g_pfnCmdDialogLookup = lookup; }

int RunCommandDialog(cDlgCommand*& slot, int set, int kind, cWindow* chooser, const cCmdEditContext* context,
                     cModelessList* list, cCtrl* anchor) {
  const cCmdDialogDesc* desc = BuiltCmdDialog(set, kind);
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
    : cBoundDialog(desc.m_nTemplate, parent, list, anchor, 1), m_Model(desc, *context), m_Shown(m_Model.Work()) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  ForEachCmdCtrl(desc, [this](const cCmdCtrl& ctrl) { Bind(ctrl); });
  for (int i = 0; i < desc.m_nButtons; ++i) AddCtrlGroup(m_Ctrls.m_vButtons, desc.m_pButtons[i]);
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
      AddCtrlGroup(m_Ctrls.m_vCombos, ctrl.m_nId, ModelRef(m_Model, ctrl), ctrl.m_pRows, ctrl.m_nOffset);
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
  SetWindowTextA(m_hWnd, CmdDialogCaption(m_Model.Desc()).GetStr());
  FillRows(1);
}

void cDlgCommand::ShowRows(const cCmdCtrl& ctrl) {
  cCtrlChoice* combo = m_Ctrls.Combo(ctrl.m_nId);
  if (!combo) return;
  cCmdRows rows = CmdCtrlRowSet(ctrl, m_Model.Work());
  combo->SetRows(rows.m_vRows, rows.m_nOffset, rows.m_Numbering);
}

void cDlgCommand::FillRows(int all) {
  ForEachCmdCtrl(m_Model.Desc(), [this, all](const cCmdCtrl& ctrl) {
    if (ctrl.m_nKind != kCtrlCombo) return;
    if (RowsFollowOthers(ctrl) || (all && ctrl.m_nRows != kRowsTable)) ShowRows(ctrl);
  });
}

void cDlgCommand::Rules(uint16_t changed, cCtrlStates& states) {
  if (changed) m_Model.Changed(m_Shown);
  else m_Model.Refresh();
  m_Shown = m_Model.Work();
  FillRows(0);
  states = m_Model.States();
}

int cDlgCommand::DialogCommand(WPARAM wParam) {
  uint16_t id = LOWORD(wParam);
  const cCmdDialogDesc& desc = m_Model.Desc();
  if (desc.m_nSoundPreview && id == desc.m_nSoundPreview && HIWORD(wParam) == CBN_SELCHANGE)
    if (cCtrlChoice* sound = m_Ctrls.Combo(id)) PlayComboSound(m_hWnd, sound->Value());
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
    if (const cCmdCtrl* picker = FindCmdCtrl(desc, rename.m_nPicker)) ShowRows(*picker);
    return 1;
  }
  return 0;
}

int cDlgCommand::Accept() { return m_Model.PressOk(); }
