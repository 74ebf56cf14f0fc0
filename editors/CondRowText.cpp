#include "editors/CondRowText.h"

#include "model/FlowVocabulary.h"
#include "model/VariableNames.h"
#include "model/VariableVocabulary.h"
#include "model/cCondData.h"
#include "model/cKeyCondData.h"

namespace {
enum : int {
  kCondCommonVar = 1,
  kCondStageVar,
  kCondCharaVar,
  kCondStatus,
  kCondStatus2,
  kCondStatus3,
  kCondDistance,
};
constexpr int kSystemSubject = 5;

bool IsCharaSubject(int subject) { return subject >= 0 && subject < kSystemSubject; }

// One side of a status condition that names a status: a character's (its character variable for
// status 0) or, for subject 5, the system's. tail follows the status name.
void StatusSide(cString& text, const cVector<cString>& subjects, int subject, int status, int charaVar,
                const char* varTail, const char* statusTail) {
  if (IsCharaSubject(subject) && status == 0)
    text.AppendFormat(" %s の 「%s」%s", NameRow(subjects, subject).c_str(), CharaVarName(charaVar).c_str(), varTail);
  else if (IsCharaSubject(subject))
    text.AppendFormat(" %s の %s%s", NameRow(subjects, subject).c_str(), CharaStatusName(status).c_str(), statusTail);
  else if (subject == kSystemSubject)
    text.AppendFormat(" %s%s", SystemStatusName(status).c_str(), statusTail);
}

// " 「005 name」" of a common (scope 0) or stage (scope 1) variable; nothing for another scope.
void VariableSide(cString& text, int scope, int number, const char* tail) {
  if (scope == kVarScopeCommon || scope == kVarScopeStage)
    text.AppendFormat(" 「%03d %s」%s", number, VariableName(scope, number).c_str(), tail);
}

void StatusCondText(cString& text, const cCondData& c, const cVector<cString>& subjects) {
  text += " ：";
  if (c.m_cLeftKind == 0) StatusSide(text, subjects, c.m_cSubject, c.m_cStatus, c.m_nNumber, " が", " が");
  if (c.m_cLeftKind == 1) VariableSide(text, c.m_cLeftScope, c.m_nNumber, "が");
  switch (c.m_cRightKind) {
    case 0: text.AppendFormat(" %d", c.m_nValue); break;
    case 1: text.AppendFormat(" %d～%d", c.m_nRandMin, c.m_nRandMax); break;
    case 2: StatusSide(text, subjects, c.m_cRightSubject, c.m_cRightStatus, c.m_nRightNumber, "", ""); break;
    case 3: VariableSide(text, c.m_cRightScope, c.m_nRightNumber, ""); break;
    default: break;
  }
  if (c.m_bPercent != 0) text += "%";
  text.AppendFormat(" %s", NameRow(CompareNames, c.m_cCompare).c_str());
}

// A flag or scroll status and the name of its value.
void Status2CondText(cString& text, const cCondData& c, const cVector<cString>& subjects) {
  text += " ：";
  if (IsCharaSubject(c.m_cSubject)) {
    const cOptionStatusDesc* status = FlagStatus(c.m_cStatus);
    text.AppendFormat(" %s の %s が %s", NameRow(subjects, c.m_cSubject).c_str(),
                      status ? status->m_strName.c_str() : kUnknownName.c_str(),
                      status ? status->Option(c.m_nNumber - status->m_nMin).c_str() : kUnknownName.c_str());
  } else if (c.m_cSubject == kSystemSubject) {
    const cOptionStatusDesc* status = ScrollStatus(c.m_cStatus);
    text.AppendFormat(" %s が %s", status ? status->m_strName.c_str() : kUnknownName.c_str(),
                      status ? status->Option(c.m_nNumber).c_str() : kUnknownName.c_str());
  }
  text.AppendFormat(" %s", NameRow(CompareNames, c.m_cCompare).c_str());
}
}  // namespace

void CondRowText(cString& text, const cCondData& c, const cVector<cString>& subjects) {
  text.Set(NameRow(CondKindNames, c.m_cKind).c_str());
  const char* compare = NameRow(CompareNames, c.m_cCompare).c_str();
  switch (c.m_cKind) {
    case kCondCommonVar:
    case kCondStageVar:
      text.AppendFormat(" ： 「%03d %s」 が %d %s", c.m_nNumber,
                        VariableName(c.m_cKind == kCondCommonVar ? kVarScopeCommon : kVarScopeStage, c.m_nNumber).c_str(),
                        c.m_nValue, compare);
      break;
    case kCondCharaVar:
      text.AppendFormat(" ： キャラ変数 「%s」が %d %s", CharaVarName(c.m_nNumber).c_str(), c.m_nValue, compare);
      break;
    case kCondStatus: StatusCondText(text, c, subjects); break;
    case kCondStatus2: Status2CondText(text, c, subjects); break;
    case kCondStatus3:
      text.AppendFormat(" ： %s が %s %s", NameRow(subjects, c.m_cSubject).c_str(),
                        NameRow(StateCheckNames, c.m_cStatus).c_str(), NameRow(NaraNames, c.m_cCompare).c_str());
      break;
    case kCondDistance:
      text.AppendFormat(" ： %s が %s %d %s", NameRow(DistanceSubjectNames, c.m_cSubject).c_str(),
                        NameRow(DistanceAxisNames, c.m_cAxis).c_str(), c.m_nValue,
                        NameRow(DistanceRangeNames, c.m_cCompare).c_str());
      break;
    default: break;
  }
}

namespace {
const char* const kKeyNames[] = {"方n", "←", "→", "↑", "↓", "←↑", "←↓", "→↑", "→↓", "方向",
                                 "アn", "Z",  "X", "C", "V", "A",   "S",   "D",   "F"};
const cString kJudgeSymbols[4] = {"+", "･", "/", ""};
}  // namespace

void KeyCondRowText(cString& text, const cKeyCondData& key) {
  if (key.m_bOpenEnd) text += "1～∞ ： ";
  else text.AppendFormat("%d～%d ： ", key.m_nPressMin, key.m_nPressMax);
  const cString& symbol = NameRow(kJudgeSymbols, key.m_cJudge);
  int shown = 0;
  int count = key.m_vKeyState.Count() < cKeyCondData::kKeyCount ? key.m_vKeyState.Count() : cKeyCondData::kKeyCount;
  for (int k = 0; k < count; ++k) {
    if (key.m_vKeyState[k] != 1) continue;
    if (shown++) text.AppendFormat("%s ", symbol.c_str());
    text.AppendFormat("%s ", kKeyNames[k]);
  }
}
