#include "editors/CmdDialogDesc.h"

#include <algorithm>
#include <cstdlib>

#include "app/cShellSeam.h"
#include "database/cDatabaseSet.h"
#include "editors/CodeArrangeLoopRules.h"
#include "editors/CondDialogRules.h"
#include "editors/EffectCommandRules.h"
#include "editors/FlowOpCommandRules.h"
#include "editors/ItemCommandChooser.h"
#include "editors/LookCommandRules.h"
#include "editors/MediaCommandRules.h"
#include "editors/MessageCommandRules.h"
#include "editors/MoveCommandRules.h"
#include "editors/OtherMoveRules.h"
#include "editors/ShotCommandRules.h"
#include "editors/StageCommandRules.h"
#include "editors/StatusOpRules.h"
#include "editors/VariableRename.h"
#include "editors/WaitTurnJumpRules.h"
#include "model/NameTable.h"
#include "model/VariableNames.h"
#include "stage/cMapView.h"
#include "ui/TextLimits.h"

namespace {
template <class... F>
struct cOverload : F... {
  using F::operator()...;
};
template <class... F>
cOverload(F...) -> cOverload<F...>;

const cEdMove* Move(const cCommandData& command) { return command.m_pMove.Get(); }
const cEdShot* Shot(const cCommandData& command) { return command.m_pShot.Get(); }

int16_t* ShotArrayElement(const cCommandData& command, const cShotArraySlot& slot) {
  cEdShot* shot = command.m_pShot.Get();
  return shot && slot.m_nIndex >= 0 && slot.m_nIndex < 3 ? &(shot->*slot.m_pArray)[slot.m_nIndex] : nullptr;
}
const cCondList* Conditions(const cCommandData& command) { return command.m_pCondList.Get(); }

template <class T>
T Narrow(int32_t value) {
  return static_cast<T>(value);
}

// A text cut to at most maxBytes bytes, never inside a double-byte character.
cString CutToBytes(const cString& text, int32_t maxBytes) {
  if (static_cast<int64_t>(text.size()) <= maxBytes) return text;
  cString cut(text.substr(0, static_cast<size_t>(std::max(0, maxBytes))));
  TrimPartialChar(cut);
  return cut;
}

cString LimitedText(const cCmdCtrl& ctrl, const cString& text) {
  if (ctrl.m_nLines == 0) return CutToBytes(text, ctrl.m_nMax);
  cTextLimits limits;
  limits.m_nMaxChars = ctrl.m_nMax;
  limits.m_nMaxLines = ctrl.m_nLines;
  limits.m_bCharMode = 1;
  // As the edit takes a text the program sets: the text is its own previous text.
  return LimitEditText(limits, text, text, 0, 0, 0, 1).m_strText;
}
}  // namespace

int32_t ReadCmdSlot(const cCommandData& command, const tCmdSlot& slot) {
  return std::visit(
      cOverload{
          [&](int8_t cCommandData::*m) -> int32_t { return command.*m; },
          [&](int16_t cCommandData::*m) -> int32_t { return command.*m; },
          [&](int32_t cCommandData::*m) -> int32_t { return command.*m; },
          [&](cString cCommandData::*) -> int32_t { return 0; },
          [&](int8_t cEdMove::*m) -> int32_t { return Move(command) ? Move(command)->*m : 0; },
          [&](int16_t cEdMove::*m) -> int32_t { return Move(command) ? Move(command)->*m : 0; },
          [&](double cEdMove::*) -> int32_t { return 0; },
          [&](int8_t cCondList::*m) -> int32_t { return Conditions(command) ? Conditions(command)->*m : 0; },
          [&](cParamSlot p) -> int32_t {
            return p.m_nIndex >= 0 && p.m_nIndex < command.m_vParam.Count() ? command.m_vParam[p.m_nIndex] : 0;
          },
          [&](cDialogSlot) -> int32_t { return 0; },
          [&](int8_t cEdShot::*m) -> int32_t { return Shot(command) ? Shot(command)->*m : 0; },
          [&](int16_t cEdShot::*m) -> int32_t { return Shot(command) ? Shot(command)->*m : 0; },
          [&](int32_t cEdShot::*m) -> int32_t { return Shot(command) ? Shot(command)->*m : 0; },
          [&](cShotArraySlot a) -> int32_t {
            const int16_t* element = ShotArrayElement(command, a);
            return element ? *element : 0;
          },
      },
      slot);
}

double ReadCmdSlotDouble(const cCommandData& command, const tCmdSlot& slot) {
  if (const auto* m = std::get_if<double cEdMove::*>(&slot)) return Move(command) ? Move(command)->**m : 0.0;
  return ReadCmdSlot(command, slot);
}

cString ReadCmdSlotText(const cCommandData& command, const tCmdSlot& slot) {
  if (const auto* m = std::get_if<cString cCommandData::*>(&slot)) return command.**m;
  return cString();
}

void WriteCmdSlot(cCommandData& command, const tCmdSlot& slot, int32_t value) {
  cEdMove* move = command.m_pMove.Get();
  cCondList* conditions = command.m_pCondList.Get();
  cEdShot* shot = command.m_pShot.Get();
  std::visit(cOverload{
                 [&](int8_t cCommandData::*m) { command.*m = Narrow<int8_t>(value); },
                 [&](int16_t cCommandData::*m) { command.*m = Narrow<int16_t>(value); },
                 [&](int32_t cCommandData::*m) { command.*m = value; },
                 [&](cString cCommandData::*) {},
                 [&](int8_t cEdMove::*m) {
                   if (move) move->*m = Narrow<int8_t>(value);
                 },
                 [&](int16_t cEdMove::*m) {
                   if (move) move->*m = Narrow<int16_t>(value);
                 },
                 [&](double cEdMove::*m) {
                   if (move) move->*m = value;
                 },
                 [&](int8_t cCondList::*m) {
                   if (conditions) conditions->*m = Narrow<int8_t>(value);
                 },
                 [&](cParamSlot p) {
                   if (p.m_nIndex >= 0 && p.m_nIndex < command.m_vParam.Count()) command.m_vParam[p.m_nIndex] = value;
                 },
                 [&](cDialogSlot) {},
                 [&](int8_t cEdShot::*m) {
                   if (shot) shot->*m = Narrow<int8_t>(value);
                 },
                 [&](int16_t cEdShot::*m) {
                   if (shot) shot->*m = Narrow<int16_t>(value);
                 },
                 [&](int32_t cEdShot::*m) {
                   if (shot) shot->*m = value;
                 },
                 [&](cShotArraySlot a) {
                   if (int16_t* element = ShotArrayElement(command, a)) *element = Narrow<int16_t>(value);
                 },
             },
             slot);
}

void WriteCmdSlotDouble(cCommandData& command, const tCmdSlot& slot, double value) {
  if (const auto* m = std::get_if<double cEdMove::*>(&slot)) {
    if (cEdMove* move = command.m_pMove.Get()) move->**m = value;
  }
}

void WriteCmdSlotText(cCommandData& command, const tCmdSlot& slot, const cString& text) {
  if (const auto* m = std::get_if<cString cCommandData::*>(&slot)) command.**m = text;
}

int IsTextSlot(const tCmdSlot& slot) { return std::holds_alternative<cString cCommandData::*>(slot) ? 1 : 0; }
int IsDoubleSlot(const tCmdSlot& slot) { return std::holds_alternative<double cEdMove::*>(slot) ? 1 : 0; }

cCmdCtrl CommonCmdCtrl(uint16_t id) {
  auto slotOf = [](const tIntMember<cCommandData>& member) {
    return std::visit([](auto pointer) { return tCmdSlot(pointer); }, member);
  };
  if (const cNumField<cCommandData>* field = FindField(kCmdCommonNumFields, id))
    return NumCtrl(id, field->m_nSpinId, slotOf(field->m_Member), field->m_nMin, field->m_nMax);
  if (const cCheckField<cCommandData>* field = FindField(kCmdCommonCheckFields, id))
    return CheckCtrl(id, field->m_pMember);
  const cComboField<cCommandData>* field = FindField(kCmdCommonComboFields, id);
  // Only the anime and sound combos remain; their rows are the database's.
  return RowsCtrl(id, field ? slotOf(field->m_Member) : tCmdSlot(&cCommandData::m_nAnime),
                  id == kIdcCmdSound ? kRowsSound : kRowsAnime, 0);
}

cCmdRows CmdCtrlRowSet(const cCmdCtrl& ctrl, const cCommandData& shown) {
  cCmdRows rows;
  rows.m_nOffset = ctrl.m_nOffset;
  if (ctrl.m_pfnRows) {
    ctrl.m_pfnRows(shown, rows);
    return rows;
  }
  switch (ctrl.m_nRows) {
    // Database and variable rows show a value past their table as its number.
    case kRowsAnime: rows = {AnimeRows(g_DatabaseSet), ctrl.m_nOffset, {2, 0}}; break;
    case kRowsSound: rows = {SoundRows(g_DatabaseSet), ctrl.m_nOffset, {2, 0}}; break;
    case kRowsCommonVars: rows = {VariableRows(kVarScopeCommon), ctrl.m_nOffset, {3, 0}}; break;
    case kRowsStageVars: rows = {VariableRows(kVarScopeStage), ctrl.m_nOffset, {3, 0}}; break;
    case kRowsCharaKinds: rows.m_vRows = CharaKindRows(); break;
    case kRowsArrangeParams:
      rows.m_vRows = ArrangeParamRows(ReadCmdSlot(shown, cParamSlot{kArrangeKindParam}));
      break;
    case kRowsArrangeVars: rows.m_vRows = ArrangeVarRows(ReadCmdSlot(shown, cParamSlot{kArrangeScopeParam})); break;
    default:
      if (ctrl.m_pRows) rows.m_vRows = NameList(ctrl.m_pRows);
      break;
  }
  return rows;
}

cVector<cString> CmdCtrlRows(const cCmdCtrl& ctrl, const cCommandData& shown) {
  return CmdCtrlRowSet(ctrl, shown).m_vRows;
}

int CmdCtrlRowCount(const cCmdCtrl& ctrl, const cCommandData& shown) {
  if (ctrl.m_pfnRows) return CmdCtrlRows(ctrl, shown).Count();
  switch (ctrl.m_nRows) {
    case kRowsAnime: return g_DatabaseSet.m_vAnime.Count();
    case kRowsSound: return g_DatabaseSet.m_vSound.Count();
    case kRowsCommonVars:
    case kRowsStageVars: return kVariableRowCount;
    case kRowsTable: return ctrl.m_pRows ? NameListCount(ctrl.m_pRows) : 0;
    default: return CmdCtrlRows(ctrl, shown).Count();
  }
}

int32_t CmdCtrlOffset(const cCmdCtrl& ctrl, const cCommandData& shown) {
  if (!ctrl.m_pfnRows) return ctrl.m_nOffset;
  return CmdCtrlRowSet(ctrl, shown).m_nOffset;
}

cComboChoice CmdCtrlChoice(const cCmdCtrl& ctrl, const cCommandData& shown) {
  cCmdRows rows = CmdCtrlRowSet(ctrl, shown);
  return ComboChoice(rows.m_vRows, ReadCmdSlot(shown, ctrl.m_Slot), rows.m_nOffset, rows.m_Numbering);
}

const cVector<const cCmdDialogDesc*>& CmdDialogDescs() {
  static const cVector<const cCmdDialogDesc*> descs = {
      &kWaitDialog,        &kMoveStraightDialog, &kMoveGroundDialog,   &kMoveCircleDialog,  &kMoveChargeDialog,
      &kMoveHomingDialog,  &kMoveAvoidDialog,    &kMoveStopDialog,     &kTurnDialog,        &kJumpDialog,
      &kShotDialog,        &kSwordDialog,        &kBlockSummonDialog,  &kCharaSummonDialog, &kItemSummonDialog,
      &kFlowOpDialog,      &kStageClearDialog,   &kGameWaitDialog,     &kMessageDialog,     &kWarpDialog,
      &kTargetDialog,      &kStatusOpDialog,     &kStatusOp2Dialog,    &kVanishDialog,      &kItemGetDialog,
      &kGraphicDialog,     &kAnimeSetDialog,     &kAnimeDialog,        &kEffectDialog,      &kCharaEffectDialog,
      &kScrEffectDialog,   &kPictureDialog,      &kScreenColourDialog, &kBackgroundDialog,  &kSoundDialog,
      &kBgmDialog,         &kCodeDialog,         &kArrangeDialog,      &kLoopDialog,        &kItemFlowOpDialog,
  };
  return descs;
}

const cCmdDialogDesc* FindCmdDialogDesc(int set, int kind) {
  cCommandData probe;
  probe.m_cSet = static_cast<int8_t>(set);
  probe.m_cKind = static_cast<int8_t>(kind);
  if (kind != static_cast<int8_t>(kind) || !probe.KindInfo()) return nullptr;
  int charaKind = probe.CharaKind();
  for (const cCmdDialogDesc* desc : CmdDialogDescs()) {
    bool itemOnly = desc->m_nSet != 0;
    if (itemOnly && set != 0 && desc->m_nKind == kind) return desc;
    if (!itemOnly && charaKind != 0 && desc->m_nKind == charaKind) return desc;
  }
  return nullptr;
}

cString CmdDialogCaption(const cCmdDialogDesc& desc) {
  const cCmdKindInfo* info = FindCmdKind(desc.m_nSet, desc.m_nKind);
  return info ? info->m_strName : cString();
}

const cCmdCtrl* FindCmdCtrl(const cCmdDialogDesc& desc, uint16_t id) {
  const cCmdCtrl* found = nullptr;
  ForEachCmdCtrl(desc, [&](const cCmdCtrl& ctrl) {
    if (!found && ctrl.m_nId == id) found = &ctrl;
  });
  return found;
}

int CmdCtrlPresent(const cCmdDialogDesc& desc, uint16_t id) {
  if (!desc.m_pPresent) return 1;
  return std::find(desc.m_pPresent, desc.m_pPresent + desc.m_nPresent, id) != desc.m_pPresent + desc.m_nPresent;
}

namespace {
// Whether opening wrote the control's value: every value of a new command, and of an existing one
// the parameters that sizing appended.
bool OpeningWrote(const tCmdSlot& slot, const cOpenedValues& opened) {
  if (opened.m_bNew) return true;
  const auto* param = std::get_if<cParamSlot>(&slot);
  return param && param->m_nIndex >= opened.m_nStoredParams;
}

void HoldToOwnLimits(const cCmdCtrl& ctrl, cCommandData& shown) {
  if (IsTextSlot(ctrl.m_Slot)) {
    WriteCmdSlotText(shown, ctrl.m_Slot, LimitedText(ctrl, ReadCmdSlotText(shown, ctrl.m_Slot)));
  } else if (ctrl.m_nKind == kCtrlEditVal && IsDoubleSlot(ctrl.m_Slot)) {
    double value = ReadCmdSlotDouble(shown, ctrl.m_Slot);
    WriteCmdSlotDouble(shown, ctrl.m_Slot, std::clamp(value, ctrl.m_dMin, ctrl.m_dMax));
  } else if (ctrl.m_nKind == kCtrlEditVal || ctrl.m_nKind == kCtrlSlider) {
    WriteCmdSlot(shown, ctrl.m_Slot, std::clamp(ReadCmdSlot(shown, ctrl.m_Slot), ctrl.m_nMin, ctrl.m_nMax));
  }
}
}  // namespace

void OpenCmdDialogValues(const cCmdDialogDesc& desc, cCommandData& shown, const cOpenedValues& opened) {
  ForEachCmdCtrl(desc, [&](const cCmdCtrl& ctrl) {
    if (std::holds_alternative<cDialogSlot>(ctrl.m_Slot)) return;
    if (!CmdCtrlPresent(desc, ctrl.m_nId)) {
      WriteCmdSlot(shown, ctrl.m_Slot, 0);
      WriteCmdSlotDouble(shown, ctrl.m_Slot, 0.0);
      WriteCmdSlotText(shown, ctrl.m_Slot, cString());
      return;
    }
    if (OpeningWrote(ctrl.m_Slot, opened)) HoldToOwnLimits(ctrl, shown);
    bool moveType = std::holds_alternative<int8_t cEdMove::*>(ctrl.m_Slot) && ctrl.m_nKind == kCtrlCombo &&
                    ctrl.m_nRows == kRowsTable;
    if ((desc.m_bFitMoveTypes && moveType) || ctrl.m_bFit) {
      int64_t row = static_cast<int64_t>(ReadCmdSlot(shown, ctrl.m_Slot)) - ctrl.m_nOffset;
      if (row < 0 || row >= CmdCtrlRowCount(ctrl, shown)) WriteCmdSlot(shown, ctrl.m_Slot, ctrl.m_nOffset);
    }
  });
}

cCmdDialogModel::cCmdDialogModel(const cCmdDialogDesc& desc, const cCmdEditContext& context)
    : cCmdDialogModel(desc, context, {context.m_bNew, context.m_pCommand->m_vParam.Count()}) {}

cCmdDialogModel::cCmdDialogModel(const cCmdDialogDesc& desc, const cCmdEditContext& context,
                                 const cOpenedValues& opened)
    : cCommandEdit(context, desc.m_pfnDefaults, desc.m_pfnOpening), m_Desc(desc) {
  OpenCmdDialogValues(desc, Work(), opened);
  Refresh();
}

void cCmdDialogModel::Refresh() {
  if (m_Desc.m_pfnApply) m_Desc.m_pfnApply(Work());
  m_States = cCtrlStates();
  if (m_Desc.m_pfnStates) m_Desc.m_pfnStates(Work(), m_States);
}

void cCmdDialogModel::HoldToNewRanges(const cCtrlStates& before) {
  ForEachCmdCtrl(m_Desc, [&](const cCmdCtrl& ctrl) {
    if (ctrl.m_nKind != kCtrlEditVal || IsDoubleSlot(ctrl.m_Slot) || !CmdCtrlPresent(m_Desc, ctrl.m_nId)) return;
    int32_t wasMin = ctrl.m_nMin, wasMax = ctrl.m_nMax, min = ctrl.m_nMin, max = ctrl.m_nMax;
    before.Range(ctrl.m_nId, wasMin, wasMax);
    m_States.Range(ctrl.m_nId, min, max);
    if (min != wasMin || max != wasMax) WriteCtrl(ctrl, std::clamp(ReadCtrl(ctrl), min, max));
  });
}

int cCmdDialogModel::Preview(const cSheetExtents& sheets, cPaintList& list) const {
  list = cPaintList();
  if (!m_Desc.m_pfnPreview) return 0;
  int32_t side = m_Desc.m_nPreviewPixels;
  list.Begin(0, 0, side, side);
  list.AddFill(0, 0, side, side, kColourBackground);
  m_Desc.m_pfnPreview(Work(), sheets, list);
  return 1;
}

void cCmdDialogModel::Range(uint16_t id, int32_t& min, int32_t& max) const {
  const cCmdCtrl* ctrl = FindCmdCtrl(m_Desc, id);
  min = ctrl ? ctrl->m_nMin : 0;
  max = ctrl ? ctrl->m_nMax : 0;
  m_States.Range(id, min, max);
}

int32_t cCmdDialogModel::ReadCtrl(const cCmdCtrl& ctrl) const {
  if (const auto* slot = std::get_if<cDialogSlot>(&ctrl.m_Slot))
    return slot->m_nIndex >= 0 && slot->m_nIndex < kDialogSlotCount ? m_aDialog[slot->m_nIndex] : 0;
  return ReadCmdSlot(Work(), ctrl.m_Slot);
}

void cCmdDialogModel::WriteCtrl(const cCmdCtrl& ctrl, int32_t value) {
  if (const auto* slot = std::get_if<cDialogSlot>(&ctrl.m_Slot)) {
    if (slot->m_nIndex >= 0 && slot->m_nIndex < kDialogSlotCount) m_aDialog[slot->m_nIndex] = value;
    return;
  }
  WriteCmdSlot(Work(), ctrl.m_Slot, value);
}

int cCmdDialogModel::Writable(const cCmdCtrl& ctrl) const {
  return CmdCtrlPresent(m_Desc, ctrl.m_nId) && m_States.Enabled(ctrl.m_nId) != 0 && m_States.Shown(ctrl.m_nId) != 0;
}

int cCmdDialogModel::SetValue(uint16_t id, int32_t value) {
  const cCmdCtrl* ctrl = FindCmdCtrl(m_Desc, id);
  if (!ctrl || !Writable(*ctrl) || IsTextSlot(ctrl->m_Slot) || IsDoubleSlot(ctrl->m_Slot)) return 0;
  switch (ctrl->m_nKind) {
    case kCtrlCheck: value = value != 0 ? 1 : 0; break;
    case kCtrlEditVal:
    case kCtrlSlider: {
      int32_t min = 0, max = 0;
      Range(id, min, max);
      value = std::clamp(value, min, max);
      break;
    }
    case kCtrlCombo: {
      int64_t row = static_cast<int64_t>(value) - CmdCtrlOffset(*ctrl, Work());
      if (row < 0 || row >= CmdCtrlRowCount(*ctrl, Work())) return 0;
      break;
    }
    default: return 0;
  }
  const cCommandData before = Work();
  WriteCtrl(*ctrl, value);
  Changed(before);
  return 1;
}

int cCmdDialogModel::SetText(uint16_t id, const cString& text) {
  const cCmdCtrl* ctrl = FindCmdCtrl(m_Desc, id);
  if (!ctrl || !Writable(*ctrl)) return 0;
  const cCommandData before = Work();
  if (IsTextSlot(ctrl->m_Slot)) {
    WriteCmdSlotText(Work(), ctrl->m_Slot, LimitedText(*ctrl, text));
  } else if (IsDoubleSlot(ctrl->m_Slot)) {
    double value = std::strtod(text.c_str(), nullptr);
    WriteCmdSlotDouble(Work(), ctrl->m_Slot, std::clamp(value, ctrl->m_dMin, ctrl->m_dMax));
  } else {
    return 0;
  }
  Changed(before);
  return 1;
}

void cCmdDialogModel::Changed(const cCommandData& before) {
  if (m_Desc.m_pfnChange) m_Desc.m_pfnChange(Work(), before);
  const cCtrlStates was = m_States;
  Refresh();
  HoldToNewRanges(was);
}

int32_t cCmdDialogModel::Value(uint16_t id) const {
  const cCmdCtrl* ctrl = FindCmdCtrl(m_Desc, id);
  return ctrl ? ReadCtrl(*ctrl) : 0;
}

int32_t cCmdDialogModel::DialogValue(int index) const {
  return index >= 0 && index < kDialogSlotCount ? m_aDialog[index] : 0;
}

int cCmdDialogModel::PressOk() {
  if (m_Desc.m_pfnCheck && !m_Desc.m_pfnCheck(Work())) return 0;
  if (m_Desc.m_pfnDerive) m_Desc.m_pfnDerive(Work());
  // No control shows the nested flows: the flow editor writes them into the command itself.
  Work().m_vFlow.swap(Context().m_pCommand->m_vFlow);
  Ok();
  return 1;
}

cString* cCmdDialogModel::RenameSlot(uint16_t button, int& site, int& scope) {
  for (int i = 0; i < m_Desc.m_nRenames; ++i) {
    const cRenameButton& rename = m_Desc.m_pRenames[i];
    if (rename.m_nButton != button) continue;
    site = rename.m_nSite;
    // A button its rules disabled renames nothing.
    if (m_States.Enabled(button) == 0) {
      Shell().Beep();
      return nullptr;
    }
    scope = rename.m_nScope == kRenameScopeByParam ? ReadCmdSlot(Work(), cParamSlot{rename.m_nScopeParam})
                                                   : rename.m_nScope;
    cString* slot = nullptr;
    if (scope == kVarScopeCommon || scope == kVarScopeStage) slot = VariableNameSlot(scope, Value(rename.m_nPicker));
    if (!slot) Shell().Beep();
    return slot;
  }
  return nullptr;
}

int cCmdDialogModel::Rename(uint16_t button, const cString& name) {
  int site = 0, scope = 0;
  cString* slot = RenameSlot(button, site, scope);
  if (!slot) return 0;
  *slot = name;
  FinishVariableRename(site, scope);
  return 1;
}
