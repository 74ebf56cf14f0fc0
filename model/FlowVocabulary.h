#pragma once
// The words that flows, key conditions, conditions and commands show for their stored choices,
// and the descriptors of the statuses that status operations and status conditions name.
// Every name table ends with one empty entry; the stored value is the row unless said otherwise.

#include <cstdint>

#include "app/cString.h"
#include "app/cVector.h"
#include "model/NameTable.h"

// Flows.
extern const cString FlowIdNames[28];       // "-", "A".."Z"
extern const cString FlowGroupNames[28];    // "-", "a".."z"
extern const cString FlowTriggerNames[24];

// Flow operations ("フローの操作") and flow changes of items ("フローの変更").
extern const cString FlowOpNames[7];
extern const cString FlowOpScopeNames[4];
extern const cString FlowOpTargetNames[6];
extern const cString FlowChangeOpNames[4];
extern const cString FlowChangeIdNames[28];  // "全て削除", "A".."Z"
extern const cString ValidFlowIdNames[28];   // "全て", "A".."Z"

// Whose status or variable.
extern const cString SelfSubjectNames[6];
extern const cString SelfSubjectSysNames[7];
extern const cString HeroSubjectNames[6];
extern const cString HeroSubjectSysNames[7];

// Status operations and status conditions.
extern const cString StatusValueKindNames[3];
extern const cString OperandKindNames[5];
extern const cString VariableScopeNames[3];
extern const cString StatusCalcNames[4];
extern const cString VanishOptionNames[2];

// Character states and key conditions.
extern const cString StateCheckNames[6];
extern const cString KeyJudgeNames[4];
extern const cString KeyStateNames[4];

// Options of other commands.
extern const cString StageClearModeNames[5];
extern const cString ClearFacingNames[4];
extern const cString MessagePosNames[10];
extern const cString MessageDurNames[4];
extern const cString TargetChoiceNames[12];
extern const cString TargetRangeNames[4];
extern const cString TargetFailNames[3];
extern const cString VanishKindNames[7];
extern const cString VanishScopeNames[3];
extern const cString ItemGetPaletteNames[3];
extern const cString ItemGetCommonOnlyNames[2];
extern const cString ScreenPosNames[6];
extern const cString PictureDurNames[4];
extern const cString PlayModeNames[4];
extern const cString BackgroundOpNames[4];
extern const cString ArrangeVarScopeNames[4];

// A numeric status: its name, its own range and the range of a constant operand on it.
struct cStatusDesc {
  cString m_strName;
  int32_t m_nMin;
  int32_t m_nMax;
  int32_t m_nOpMin;
  int32_t m_nOpMax;
  int32_t m_nReserved;
  int32_t m_bPercentCond;  // a condition on it may be given in percent
  int32_t m_bPercentOp;    // an operation on it may use the percent calculations
};

// A status whose values have names; value v shows option v - m_nMin.
struct cOptionStatusDesc {
  cString m_strName;
  int32_t m_nMin = 0;
  int32_t m_nMax = 0;
  // The option names are read in place from their name table rather than copied, so that no
  // table depends on the order in which the static tables of other files are built.
  const cString* m_pOption = nullptr;
  int32_t m_bFromOne = 0;

  int OptionCount() const { return NameListCount(m_pOption); }
  const cString& Option(int row) const;
  cVector<cString> OptionList() const { return NameList(m_pOption); }
};

constexpr int kCharaStatusCount = 15;
constexpr int kSystemStatusCount = 5;
constexpr int kFlagStatusCount = 7;
constexpr int kScrollStatusCount = 2;
extern const cStatusDesc CharaStatusTable[kCharaStatusCount];
extern const cStatusDesc SystemStatusTable[kSystemStatusCount];
extern const cOptionStatusDesc FlagStatusTable[kFlagStatusCount];
// Empty until start-up fills it: its options are the stage's scroll kinds.
extern cOptionStatusDesc ScrollStatusTable[kScrollStatusCount];

// Sets both scroll statuses, their options read from the stage's scroll-kind names (a table that
// ends with an empty entry).
void FillScrollStatusTable(cOptionStatusDesc* table, const cString* scrollKindNames);

// Status lookups; a row outside its table gives the placeholder name, or no descriptor.
const cString& CharaStatusName(int row);
const cString& SystemStatusName(int row);
const cOptionStatusDesc* FlagStatus(int row);
const cOptionStatusDesc* ScrollStatus(int row);
