#pragma once
// The words of variables and comparisons: character variables, variable operators, comparisons
// and the two state-comparison words. Name tables ended by one empty entry; the stored value is
// the row, except a character variable, stored as its number 1..8 (row number - 1).

#include "app/cString.h"
#include "model/NameTable.h"

extern const cString CharaVarNames[9];
extern const cString VarOpNames[8];
extern const cString CompareNames[9];
extern const cString NaraNames[3];

// The name of character variable 1..8; the placeholder for any other number.
const cString& CharaVarName(int number);
