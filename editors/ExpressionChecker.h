#pragma once
// The checker of the code-execution command's text. The editor never runs the code; it evaluates
// it once as the game program would, only to tell the user which piece it cannot read.

#include <cstdint>

#include "app/cString.h"
#include "app/cVector.h"

// The words the code may use; each table ends with an empty entry.
extern const cString CodeFunctionNames[2];
extern const cString CodeOperatorNames[7];
extern const cString CodeObjectNames[9];
extern const cString CodeVariablePrefixes[3];
extern const cString CodeCharaStatusNames[23];
extern const cString CodeSystemStatusNames[6];
// The pass in which each operator is applied: "*", "/" and "%" first, "+" and "-", "=" last.
extern const int CodeOperatorLevels[6];

// One token of a text without parentheses.
struct cCodeOperand {
  enum : int32_t { kConstant = 0, kVariable = 1, kCharaStatus = 2, kSystemStatus = 3, kOperator = 4 };
  int32_t m_nKind = kConstant;
  int32_t m_nValue = 0;  // an operator standing where an operand belongs counts as 0
  int32_t* m_pTarget = nullptr;  // what an assignment writes; none for constants and results
  int32_t m_nWidth = 4;          // every operand of the check is 32 bits wide
  int32_t m_nOperator = 0;
  int32_t m_nMin = -999999;
  int32_t m_nMax = 999999;
  int32_t m_nCharaStatus = 0;
  int32_t m_nSystemStatus = 0;
  int32_t m_nObject = 0;
};

class cCodeChecker {
public:
  // bCompat751: the reduction rule of the older game programs, where the leftmost operation other
  // than "=" gives the value of the whole expression.
  explicit cCodeChecker(int bCompat751) : m_bCompat751(bCompat751) {}

  // 1 when the text evaluates without any error; every error is shown in a box.
  int Check(const cString& text);
  int32_t EvalCodeText(const cString& text);
  int32_t EvalCodeFlat(const cString& text);
  int ErrorReported() const { return m_bError; }

private:
  int32_t Fail();
  int32_t EvalFunction(cString& text, size_t start, size_t open, size_t close);
  int Tokenize(const cString& text, cVector<cCodeOperand>& operands, int32_t* placeholder);
  int ClassifyToken(const cString& token, int object, int32_t* placeholder, cCodeOperand& operand);
  int Reduce(const cString& text, cVector<cCodeOperand>& operands, int32_t& value);
  int Apply(const cString& text, const cCodeOperand& left, int op, const cCodeOperand& right,
            int32_t& value);

  int m_bCompat751;
  int m_bError = 0;
};

// Checks the code of a code-execution command; the caller passes the compatibility switch of the
// system settings. 1 when the code can be read.
int CheckCodeText(const cString& text, int bCompat751);
