#include "editors/CmdDialogCore.h"

#include <algorithm>
#include <cmath>

#include "app/MessageBox.h"
#include "app/cBgmManager.h"
#include "app/cShellSeam.h"
#include "database/MediaPreview.h"
#include "database/cDatabaseSet.h"
#include "editors/CmdEffectDialogs.h"
#include "editors/CmdLookDialogs.h"
#include "editors/CmdMoveDialogs.h"
#include "editors/CmdPickDialogs.h"
#include "editors/CmdShotDialogs.h"
#include "editors/CmdStageDialogs.h"
#include "editors/CmdStatusDialogs.h"
#include "stage/cStageEditState.h"
#include "ui/ComboItems.h"

namespace {
// A number's place in a command and its width; a null place for one the command lacks.
struct cSlot {
  void* m_pPlace = nullptr;
  uint8_t m_nType = 0;
};
enum : uint8_t { kSlotInt8 = 1, kSlotInt16, kSlotInt32, kSlotDouble };

template <class T>
constexpr uint8_t SlotType() {
  if constexpr (std::is_same_v<T, int8_t>) return kSlotInt8;
  else if constexpr (std::is_same_v<T, int16_t>) return kSlotInt16;
  else if constexpr (std::is_same_v<T, int32_t>) return kSlotInt32;
  else return kSlotDouble;
}

template <class R, class T>
cSlot MemberSlot(R* holder, T R::*member) {
  return holder ? cSlot{&(holder->*member), SlotType<T>()} : cSlot();
}

// Tries each kind of member a reference may name, in the holder of that kind.
template <class R, class T, class... Rest>
bool FindMember(const tCmdRef& ref, R* holder, cSlot& slot) {
  if (auto member = std::get_if<T R::*>(&ref)) {
    slot = MemberSlot(holder, *member);
    return true;
  }
  if constexpr (sizeof...(Rest) > 0) return FindMember<R, Rest...>(ref, holder, slot);
  else return false;
}

cSlot SlotOf(const cCommandData& command, const tCmdRef& ref) {
  cCommandData& held = const_cast<cCommandData&>(command);
  cSlot slot;
  if (FindMember<cCommandData, int8_t, int16_t, int32_t>(ref, &held, slot) ||
      FindMember<cEdMove, int8_t, int16_t, double>(ref, held.m_pMove.Get(), slot) ||
      FindMember<cEdShot, int8_t, int16_t, int32_t>(ref, held.m_pShot.Get(), slot))
    return slot;
  if (auto array = std::get_if<cShotArrayRef>(&ref)) {
    cEdShot* shot = held.m_pShot.Get();
    if (shot && array->m_nIndex >= 0 && array->m_nIndex < 3)
      return {&(shot->*array->m_pArray)[array->m_nIndex], kSlotInt16};
  }
  if (auto param = std::get_if<cParamRef>(&ref)) {
    if (param->m_nIndex >= 0 && param->m_nIndex < held.m_vParam.Count())
      return {&held.m_vParam[param->m_nIndex], kSlotInt32};
  }
  return slot;
}

template <class T>
void Store(void* place, double value) {
  if constexpr (std::is_floating_point_v<T>) *static_cast<T*>(place) = value;
  else *static_cast<T*>(place) = static_cast<T>(std::llround(value));
}
}  // namespace

int HasRef(const cCommandData& command, const tCmdRef& ref) { return SlotOf(command, ref).m_pPlace ? 1 : 0; }

double ReadRef(const cCommandData& command, const tCmdRef& ref) {
  cSlot slot = SlotOf(command, ref);
  switch (slot.m_nType) {
    case kSlotInt8: return *static_cast<int8_t*>(slot.m_pPlace);
    case kSlotInt16: return *static_cast<int16_t*>(slot.m_pPlace);
    case kSlotInt32: return *static_cast<int32_t*>(slot.m_pPlace);
    case kSlotDouble: return *static_cast<double*>(slot.m_pPlace);
    default: return 0;
  }
}

void WriteRef(cCommandData& command, const tCmdRef& ref, double value) {
  cSlot slot = SlotOf(command, ref);
  switch (slot.m_nType) {
    case kSlotInt8: Store<int8_t>(slot.m_pPlace, value); break;
    case kSlotInt16: Store<int16_t>(slot.m_pPlace, value); break;
    case kSlotInt32: Store<int32_t>(slot.m_pPlace, value); break;
    case kSlotDouble: Store<double>(slot.m_pPlace, value); break;
    default: break;
  }
}

namespace {
const cString* TextOf(const cCommandData& command, const tCmdRef& ref) {
  auto member = std::get_if<cString cCommandData::*>(&ref);
  return member ? &(command.**member) : nullptr;
}
}  // namespace

cCmdDialogCtrl CtrlCommon(uint16_t id) {
  if (const cNumField<cCommandData>* field = FindField(kCmdCommonNumFields, id))
    return CtrlEdit(id, field->m_nSpinId, std::visit([](auto member) { return tCmdRef(member); }, field->m_Member),
                    field->m_nMin, field->m_nMax);
  if (const cCheckField<cCommandData>* field = FindField(kCmdCommonCheckFields, id))
    return CtrlCheck(id, field->m_pMember);
  const cComboField<cCommandData>* field = FindField(kCmdCommonComboFields, id);
  return field ? CtrlCombo(id, std::visit([](auto member) { return tCmdRef(member); }, field->m_Member), nullptr,
                           field->m_nOffset)
               : CtrlStatic(id);
}

void cCmdDialogKind::Command(cCmdDialogRun& run, uint16_t id, int code) {
  if (run.IsRefresh(id, code)) Update(run);
}

namespace {
const cCmdDialogSpec kNoDialog = {0, 0, "", nullptr, 0, nullptr, nullptr};

template <size_t N>
void AddSpecs(cVector<const cCmdDialogSpec*>& list, const cCmdDialogSpec (&specs)[N]) {
  for (const cCmdDialogSpec& spec : specs) list.push_back(&spec);
}
}  // namespace

const cVector<const cCmdDialogSpec*>& CmdDialogSpecs() {
  static const cVector<const cCmdDialogSpec*> specs = [] {
    cVector<const cCmdDialogSpec*> list;
    AddSpecs(list, kMoveDialogs);
    AddSpecs(list, kShotDialogs);
    AddSpecs(list, kStageDialogs);
    AddSpecs(list, kStatusDialogs);
    AddSpecs(list, kPickDialogs);
    AddSpecs(list, kEffectDialogs);
    AddSpecs(list, kLookDialogs);
    std::sort(list.begin(), list.end(),
              [](const cCmdDialogSpec* a, const cCmdDialogSpec* b) { return a->m_nKind < b->m_nKind; });
    return list;
  }();
  return specs;
}

const cCmdDialogSpec* FindCmdDialog(int charaKind) {
  for (const cCmdDialogSpec* spec : CmdDialogSpecs())
    if (spec->m_nKind == charaKind) return spec;
  return nullptr;
}

const cCmdDialogCtrl* FindDialogCtrl(const cCmdDialogSpec& spec, uint16_t id) {
  for (int i = 0; i < spec.m_nCtrl; ++i)
    if (spec.m_pCtrl[i].m_nId == id) return &spec.m_pCtrl[i];
  return nullptr;
}

cCmdDialogEnv CmdDialogEnvOf(const cStageEditState& state) {
  cCmdDialogEnv env;
  env.m_nEditContext = state.m_nEditContext;
  env.m_Sheets = OpenSheetsOf(state);
  return env;
}

void cCmdDialogHost::PlaySound(const cString& path) { PlaySoundPreview(path); }
void cCmdDialogHost::PlayBgm(const cString& path) { PlayBgmPreview(path); }
void cCmdDialogHost::StopBgm() { g_BgmManager.Stop(); }
int cCmdDialogHost::PickCell(int, int32_t&) { return 0; }
int cCmdDialogHost::BrowseFile(const cBrowseSpec&, cString&) { return 0; }
int cCmdDialogHost::EditVariableName(uint16_t, cString&) { return 0; }
void cCmdDialogHost::Beep() { Shell().Beep(); }
void cCmdDialogHost::ShowError(const char* text) { ErrorBoxF("%s", text); }
void cCmdDialogHost::DrawShotCell(int32_t, int32_t) {}
void cCmdDialogHost::DrawChara(const cEdChara&) {}
void cCmdDialogHost::DrawColour(int32_t, int32_t, int32_t) {}

cComboChoice RowChoice(const cVector<cString>& rows, int32_t value, int32_t offset, cRowNumbering numbering) {
  cComboChoice choice = ComboChoice(rows, value, offset);
  if (!choice.m_bUnknown || numbering.m_nDigits == 0) return choice;
  choice.m_vRows.pop_back();
  if (numbering.m_nDigits < 0) {
    choice.m_bUnknown = 0;
    choice.m_nSel = -1;
    return choice;
  }
  choice.m_vRows.push_back(NumberedLabel(value + numbering.m_nShift, numbering.m_nDigits, cString()));
  return choice;
}

void cCmdStates::SetRows(uint16_t id, const cComboChoice& choice) {
  for (cRows& rows : m_vRows)
    if (rows.m_nId == id) {
      rows.m_Choice = choice;
      return;
    }
  m_vRows.push_back({id, choice});
}

const cCmdStates::cRows* cCmdStates::Rows(uint16_t id) const {
  for (const cRows& rows : m_vRows)
    if (rows.m_nId == id) return &rows;
  return nullptr;
}

void cCmdStates::KeepOnly(const cCmdDialogSpec& spec) {
  cCtrlStates kept;
  for (const cState& state : States()) {
    if (!FindDialogCtrl(spec, state.m_nId)) continue;
    if (state.m_nEnabled >= 0) kept.Enable(state.m_nId, state.m_nEnabled != 0);
    if (state.m_nShown >= 0) kept.Show(state.m_nId, state.m_nShown != 0);
    if (state.m_nChecked >= 0) kept.Check(state.m_nId, state.m_nChecked != 0);
    if (state.m_bHasText) kept.SetText(state.m_nId, state.m_strText);
    if (state.m_bHasRange) kept.SetRange(state.m_nId, state.m_nMin, state.m_nMax);
  }
  static_cast<cCtrlStates&>(*this) = kept;
}

void cCmdStates::MarkChanged(uint16_t id) {
  if (!Changed(id)) m_vChanged.push_back(id);
}

int cCmdStates::Changed(uint16_t id) const {
  return std::find(m_vChanged.begin(), m_vChanged.end(), id) != m_vChanged.end() ? 1 : 0;
}

void cCmdStates::Clear() { *this = cCmdStates(); }

namespace {
const cCmdDialogSpec& SpecOf(const cCommandData& command) {
  const cCmdDialogSpec* spec = FindCmdDialog(command.CharaKind());
  return spec ? *spec : kNoDialog;
}

bool HasRange(uint8_t kind) { return kind == kCtrlEditVal || kind == kCtrlSlider; }
}  // namespace

cCmdDialogRun::cCmdDialogRun(const cCmdEditContext& context, const cCmdDialogEnv& env, cCmdDialogHost& host)
    : m_pSpec(&SpecOf(*context.m_pCommand)),
      m_Env(env),
      m_Host(host),
      m_Edit(context, m_pSpec->m_pDefaults),
      m_pCommand(context.m_pCommand) {
  if (m_pSpec->m_pNewKind) m_pKind = m_pSpec->m_pNewKind();
  // The rules may count on the block their kind works on; saving would add it all the same.
  Shown().CreateNeededPayload();
  for (int i = 0; i < m_pSpec->m_nCtrl; ++i) {
    const cCmdDialogCtrl& ctrl = m_pSpec->m_pCtrl[i];
    if (ctrl.m_nKind == kCtrlCombo)
      m_vCombo.push_back(
          {ctrl.m_nId, ctrl.m_pRows ? NameList(ctrl.m_pRows) : cVector<cString>(), ctrl.m_nOffset, cRowNumbering()});
    else if (HasRange(ctrl.m_nKind))
      m_vRange.push_back({ctrl.m_nId, ctrl.m_dMin, ctrl.m_dMax});
  }
  // The anime and sound of the command itself show their database rows in every dialog.
  if (cComboState* anime = ComboOf(&cCommandData::m_nAnime)) {
    anime->m_vRows = AnimeRows(g_DatabaseSet);
    anime->m_Numbering = {2, 0};
  }
  if (cComboState* sound = ComboOf(&cCommandData::m_nSound)) {
    sound->m_vRows = SoundRows(g_DatabaseSet);
    sound->m_Numbering = {2, 0};
  }
}

cCmdDialogRun::~cCmdDialogRun() = default;

const cCmdDialogCtrl& cCmdDialogRun::Ctrl(uint16_t id) const {
  // A control the template lacks reads as empty.
  static const cCmdDialogCtrl kAbsent = CtrlStatic(0);
  const cCmdDialogCtrl* ctrl = FindDialogCtrl(*m_pSpec, id);
  return ctrl ? *ctrl : kAbsent;
}

cCmdDialogRun::cComboState* cCmdDialogRun::ComboOf(int16_t cCommandData::*member) {
  for (cComboState& combo : m_vCombo) {
    const tCmdRef& ref = Ctrl(combo.m_nId).m_Ref;
    auto bound = std::get_if<int16_t cCommandData::*>(&ref);
    if (bound && *bound == member) return &combo;
  }
  return nullptr;
}

cCmdDialogRun::cComboState* cCmdDialogRun::Combo(uint16_t id) {
  for (cComboState& combo : m_vCombo)
    if (combo.m_nId == id) return &combo;
  return nullptr;
}

const cCmdDialogRun::cComboState* cCmdDialogRun::Combo(uint16_t id) const {
  return const_cast<cCmdDialogRun*>(this)->Combo(id);
}

cCmdDialogRun::cRangeState* cCmdDialogRun::RangeOf(uint16_t id) {
  for (cRangeState& range : m_vRange)
    if (range.m_nId == id) return &range;
  return nullptr;
}

const cCmdDialogRun::cRangeState* cCmdDialogRun::RangeOf(uint16_t id) const {
  return const_cast<cCmdDialogRun*>(this)->RangeOf(id);
}

template <class Step>
void cCmdDialogRun::Decided(Step step) {
  const bool all = !m_bInitialised;
  const cCommandData before = Shown();
  cVector<cComboChoice> choices;
  for (const cComboState& combo : m_vCombo) choices.push_back(Choice(combo.m_nId));
  m_States.Clear();
  step();
  m_States.KeepOnly(*m_pSpec);
  for (int i = 0; i < m_pSpec->m_nCtrl; ++i) {
    const cCmdDialogCtrl& ctrl = m_pSpec->m_pCtrl[i];
    const cString* text = TextOf(Shown(), ctrl.m_Ref);
    bool changed =
        text ? *text != *TextOf(before, ctrl.m_Ref) : ReadRef(Shown(), ctrl.m_Ref) != ReadRef(before, ctrl.m_Ref);
    if (ctrl.m_nKind == kCtrlCombo) {
      const cComboChoice& was = choices[static_cast<int>(Combo(ctrl.m_nId) - m_vCombo.data())];
      cComboChoice now = Choice(ctrl.m_nId);
      bool rows = now.m_vRows != was.m_vRows;
      if (all || rows) m_States.SetRows(ctrl.m_nId, now);
      changed = changed || rows || now.m_nSel != was.m_nSel;
    }
    if (all || changed) m_States.MarkChanged(ctrl.m_nId);
  }
}

void cCmdDialogRun::Init() {
  if (!Valid()) return;
  Decided([this] {
    for (const cRangeState& range : m_vRange) Reclamp(range.m_nId);
    m_pKind->Init(*this);
  });
  m_bInitialised = 1;
}

void cCmdDialogRun::ReadNumber(uint16_t id, double value) {
  if (HasRange(Ctrl(id).m_nKind)) SetValue(id, value);
}

void cCmdDialogRun::ReadCheck(uint16_t id, int checked) {
  if (Ctrl(id).m_nKind == kCtrlCheck) WriteRef(Shown(), Ctrl(id).m_Ref, checked ? 1 : 0);
}

void cCmdDialogRun::ReadRow(uint16_t id, int row) {
  const cComboState* combo = Combo(id);
  if (!combo) return;
  WriteRef(Shown(), Ctrl(id).m_Ref, ComboChoiceValue(Choice(id), row, combo->m_nOffset, IntValue(id)));
}

void cCmdDialogRun::ReadText(uint16_t id, const cString& text) {
  if (auto member = std::get_if<cString cCommandData::*>(&Ctrl(id).m_Ref)) Shown().** member = text;
}

void cCmdDialogRun::Command(uint16_t id, int code) {
  if (!Valid() || !m_bInitialised) return;
  Decided([&] { m_pKind->Command(*this, id, code); });
}

int cCmdDialogRun::Ok() {
  if (!Valid()) return 0;
  // Every edit stores its value held to the limits it has now.
  for (const cRangeState& range : m_vRange) Reclamp(range.m_nId);
  cString message;
  if (!m_pKind->Check(*this, message)) {
    m_Host.ShowError(message.GetStr());
    return 0;
  }
  m_pKind->Close(*this);
  m_pKind->Finish(Shown());
  m_Edit.Ok();
  return 1;
}

void cCmdDialogRun::Cancel() {
  if (Valid()) m_pKind->Close(*this);
}

void cCmdDialogRun::Paint() {
  if (Valid() && m_bInitialised) m_pKind->Paint(*this);
}

double cCmdDialogRun::Value(uint16_t id) const {
  double value = ReadRef(m_Edit.Work(), Ctrl(id).m_Ref);
  // An edit reads its text held to the limits it has now.
  const cRangeState* range = RangeOf(id);
  return range ? std::clamp(value, range->m_dMin, range->m_dMax) : value;
}

void cCmdDialogRun::SetValue(uint16_t id, double value) {
  if (const cRangeState* range = RangeOf(id)) value = std::clamp(value, range->m_dMin, range->m_dMax);
  WriteRef(Shown(), Ctrl(id).m_Ref, value);
}

int cCmdDialogRun::IsRefresh(uint16_t id, int code) const {
  return IsRefreshNotification(Ctrl(id).m_nKind, static_cast<uint16_t>(code));
}

void cCmdDialogRun::SetRange(uint16_t id, double min, double max) {
  cRangeState* range = RangeOf(id);
  if (!range) return;
  range->m_dMin = min;
  range->m_dMax = max;
  m_States.SetRange(id, static_cast<int32_t>(min), static_cast<int32_t>(max));
}

void cCmdDialogRun::Range(uint16_t id, double& min, double& max) const {
  const cRangeState* range = RangeOf(id);
  min = range ? range->m_dMin : 0;
  max = range ? range->m_dMax : 0;
}

void cCmdDialogRun::Reclamp(uint16_t id) { SetValue(id, Value(id)); }

void cCmdDialogRun::SetComboRows(uint16_t id, const cVector<cString>& rows, cRowNumbering numbering) {
  cComboState* combo = Combo(id);
  if (!combo) return;
  if (m_bInitialised && rows != combo->m_vRows && !rows.empty()) {
    int32_t low = combo->m_nOffset;
    int32_t high = low + rows.Count() - 1;
    WriteRef(Shown(), Ctrl(id).m_Ref, std::clamp(IntValue(id), low, high));
  }
  combo->m_vRows = rows;
  combo->m_Numbering = numbering;
}

void cCmdDialogRun::SetComboOffset(uint16_t id, int32_t offset) {
  cComboState* combo = Combo(id);
  if (!combo) return;
  combo->m_nOffset = offset;
  const tCmdRef& ref = Ctrl(id).m_Ref;
  if (IntValue(id) < offset) WriteRef(Shown(), ref, offset);
  // The combo is bound to the command itself: the raised value stays even when the dialog is
  // cancelled.
  if (ReadRef(*m_pCommand, ref) < offset) WriteRef(*m_pCommand, ref, offset);
}

cComboChoice cCmdDialogRun::Choice(uint16_t id) const {
  const cComboState* combo = Combo(id);
  if (!combo) return cComboChoice();
  return RowChoice(combo->m_vRows, static_cast<int32_t>(Value(id)), combo->m_nOffset, combo->m_Numbering);
}

int32_t cCmdDialogRun::ComboOffset(uint16_t id) const {
  const cComboState* combo = Combo(id);
  return combo ? combo->m_nOffset : 0;
}

void cCmdDialogRun::PreviewSound(uint16_t id) {
  const cVector<cSoundData>& sounds = g_DatabaseSet.m_vSound;
  int32_t row = IntValue(id);
  if (row > 0 && row < sounds.Count()) m_Host.PlaySound(sounds[row].m_strPath);
}
