#include "model/cCondData.h"

#include "app/cApplication.h"

const cString CondKindNames[8] = {"",           "コモン変数条件", "ステージ変数条件", "キャラ変数条件",
                                  "ステータス条件", "ステータス条件2", "ステータス条件3", "距離条件"};
const cString CondJudgeNames[3] = {"全ての条件が真なら成立", "1つ以上の条件が真なら成立", ""};
const cString DistanceSubjectNames[6] = {"主人公", "ターゲット1", "ターゲット2", "ターゲット3", "ターゲット4", ""};
const cString DistanceAxisNames[8] = {"横", "前", "後", "縦", "前Y", "後Y", "円", ""};
const cString DistanceRangeNames[3] = {"以内", "外", ""};
const cString RangeShowNames[4] = {"表示しない", "表示する", "テストプレイ時のみ表示", ""};

namespace {
enum : int8_t { kStatusCond = 4, kFlagCond = 5, kStateCond = 6, kDistanceCond = 7 };
}

void cCondData::RegisterFields(uint32_t version) {
  ClearFields();
  RegisterChar(&m_cKind);
  RegisterInt(&m_nValue);
  if (version >= 110) {
    RegisterInt(&m_nRandMin);
    RegisterInt(&m_nRandMax);
    RegisterChar(&m_cSubject);
    RegisterChar(&m_cStatus);
    RegisterChar(&m_cLeftKind);
    RegisterChar(&m_cLeftScope);
    RegisterShort(&m_nNumber);
    RegisterChar(&m_cRightKind);
    RegisterChar(&m_cRightSubject);
    RegisterChar(&m_cRightStatus);
    RegisterChar(&m_cRightScope);
    RegisterShort(&m_nRightNumber);
  } else {
    // Two 16-bit values that no later layout keeps.
    RegisterDiscard(2);
    RegisterDiscard(2);
  }
  RegisterChar(&m_cCompare);
  if (version >= 43) RegisterChar(&m_bPercent);
  RegisterChar(&m_cAxis);
}

void cCondData::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  if (stream.Failed()) return;
  if (VersionRead() < kDataVersion) Upgrade(VersionRead());
  Validate();
}

void cCondData::Save(cWriteStream& stream) {
  Validate();
  cDataRecord::Save(stream);
}

void cCondData::Upgrade(uint32_t v) {
  // 160: two kinds were added before the flag-status kinds.
  if (v < 160 && m_cKind >= 5) m_cKind += 2;
  // 161: the comparison of state 2 turned round.
  if (v < 161 && m_cKind == kStateCond && m_cStatus == 2) m_cCompare ^= 1;
  // 168 and 203: a status row was inserted at 10, then at 5.
  if (v < 168 && m_cKind == kStatusCond) InsertStatusRow(10);
  if (v < 203 && m_cKind == kStatusCond) InsertStatusRow(5);
  // 210: a flag status was inserted at 6.
  if (v < 210 && m_cKind == kFlagCond && m_cSubject != 2 && m_cStatus >= 6) ++m_cStatus;
  // 657 to 746: distance conditions gained a subject, a range display and two show flags.
  if (m_cKind == kDistanceCond) {
    if (v < 657) m_cSubject = 0;
    if (v < 745) m_cLeftKind = 0;
    if (v < 746) {
      m_cRightKind = 1;
      m_cRightSubject = 1;
    }
  }
  // 767: three targets joined the subjects after the first two.
  if (v < 767 && (m_cKind == kStatusCond || m_cKind == kFlagCond)) {
    if (m_cSubject >= 2) m_cSubject += 3;
    if (m_cRightSubject >= 2) m_cRightSubject += 3;
  }
}

// Status rows from `row` on move down one; subject 2 keeps its rows.
void cCondData::InsertStatusRow(int8_t row) {
  if (m_cLeftKind == 0 && m_cSubject != 2 && m_cStatus >= row) ++m_cStatus;
  if (m_cRightKind == 2 && m_cRightSubject != 2 && m_cRightStatus >= row) ++m_cRightStatus;
}

bool cCondData::operator==(const cCondData& other) const {
  return Equal(const_cast<cCondData&>(*this), const_cast<cCondData&>(other)) != 0;
}

void cCondList::RegisterFields(uint32_t) {
  ClearFields();
  RegisterChar(&m_bHasCond);
  RegisterChar(&m_cJudge);
}

void cCondList::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  // Lists before 766 hold no conditions.
  if (VersionRead() >= 766) LoadList(m_vCond, stream);
  else m_vCond.Release();
  // Each condition validated itself as it loaded.
}

void cCondList::Save(cWriteStream& stream) {
  Validate();
  cDataRecord::Save(stream);
  SaveList(m_vCond, stream);
}

void cCondList::Validate() {
  for (cCondData& cond : m_vCond) cond.Validate();
}

bool cCondList::operator==(const cCondList& other) const {
  return Equal(const_cast<cCondList&>(*this), const_cast<cCondList&>(other)) && m_vCond == other.m_vCond;
}
