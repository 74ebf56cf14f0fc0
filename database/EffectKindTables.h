#pragma once
// The kinds of character effects and screen effects: names and notes of kinds 1..N (entry k - 1,
// then an empty end entry) and five parameters per kind (row k; row 0 is the unused kind 0).

#include "app/cString.h"
#include "database/cEffectParam.h"

constexpr int kCharaEffectKinds = 16;
constexpr int kScrEffectKinds = 13;
constexpr int kEffectParams = 5;

extern const cString CharaEffectNames[kCharaEffectKinds + 1];
extern const cString CharaEffectNotes[kCharaEffectKinds + 1];
extern const cEffectParam CharaEffectParams[kCharaEffectKinds + 1][kEffectParams];

extern const cString ScrEffectNames[kScrEffectKinds + 1];
extern const cString ScrEffectNotes[kScrEffectKinds + 1];
extern const cEffectParam ScrEffectParams[kScrEffectKinds + 1][kEffectParams];
