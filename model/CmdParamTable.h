#pragma once
// The numbered settings of every character command kind that an arrange command ("アレンジ") can
// change: per kind, a list of {name, limits}. An arrange command stores the kind and the index in
// that kind's list. Built once at start-up.

#include <cstdint>

#include "app/cString.h"
#include "app/cVector.h"

struct cCmdParam {
  cString m_strName;
  int32_t m_nMin = 0;
  int32_t m_nMax = 0;
};

constexpr int kCmdParamKindCount = 40;

// Indexed by character command kind 0..39; an empty list: the kind cannot be arranged.
extern cVector<cVector<cCmdParam>> CmdParamTable;

void BuildCmdParamTable();
