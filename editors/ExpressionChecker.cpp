#include "editors/ExpressionChecker.h"

#include <cstdint>
#include <cstring>

#include "app/MessageBox.h"
#include "app/Utility.h"

const cString CodeFunctionNames[2] = {"rand", ""};
const cString CodeOperatorNames[7] = {"=", "+", "-", "*", "/", "%", ""};
const cString CodeObjectNames[9] = {"my", "tg", "tg1", "tg2", "tg3", "tg4", "pl", "sys", ""};
const cString CodeVariablePrefixes[3] = {"C", "S", ""};
const cString CodeCharaStatusNames[23] = {
    "v1", "v2",  "v3",  "v4",  "v5",    "v6",    "v7",  "v8",  "hp",   "sp",   "mhp", "msp",
    "cid", "z", "mark", "sight", "power", "imp", "def", "impd", "stop", "getsc", ""};
const cString CodeSystemStatusNames[6] = {"time", "scrlx", "scrly", "score", "life", ""};
const int CodeOperatorLevels[6] = {2, 1, 1, 0, 0, 0};

namespace {
enum : int { kOpAssign = 0, kOpAdd, kOpSubtract, kOpMultiply, kOpDivide, kOpRemainder };
constexpr int32_t kStatusMax = 2147483647;

// Row of the name in a table that ends with an empty entry, or -1.
int FindName(const cString* table, const std::string& name) {
  for (int row = 0; !table[row].empty(); ++row)
    if (table[row] == name.c_str()) return row;
  return -1;
}

int IsVariableName(const std::string& token) {
  for (int row = 0; !CodeVariablePrefixes[row].empty(); ++row)
    if (token[0] == CodeVariablePrefixes[row][0]) return 1;
  return 0;
}

// A decimal constant with an optional sign. Digits past the 32-bit range saturate, so a long
// constant cannot overflow.
int ParseConstant(const std::string& token, int32_t& value) {
  size_t at = (token[0] == '-' || token[0] == '+') ? 1 : 0;
  if (at == token.size()) return 0;
  int64_t magnitude = 0;
  for (; at < token.size(); ++at) {
    if (token[at] < '0' || token[at] > '9') return 0;
    if (magnitude <= kStatusMax) magnitude = magnitude * 10 + (token[at] - '0');
  }
  if (token[0] == '-') magnitude = -magnitude;
  if (magnitude > INT32_MAX) magnitude = INT32_MAX;
  if (magnitude < INT32_MIN) magnitude = INT32_MIN;
  value = static_cast<int32_t>(magnitude);
  return 1;
}

// The 32-bit result of a 64-bit one, wrapped as the game program's arithmetic wraps.
int32_t Wrap(int64_t value) { return static_cast<int32_t>(static_cast<uint32_t>(value)); }

int32_t Clamp(int32_t value, int32_t minimum, int32_t maximum) {
  return value < minimum ? minimum : value > maximum ? maximum : value;
}

// Position of the ")" that closes the "(" at open, or npos.
size_t MatchingClose(const std::string& text, size_t open) {
  int depth = 0;
  for (size_t at = open + 1; at < text.size(); ++at) {
    if (text[at] == '(') {
      ++depth;
    } else if (text[at] == ')') {
      if (depth == 0) return at;
      --depth;
    }
  }
  return std::string::npos;
}

// A message around a piece of the user's code: the piece is appended as it is, never read as a
// format (code may hold "%"), and cut so that the whole message fits the message box's buffer.
void ErrorAround(const char* head, const std::string& piece, const char* tail) {
  cString text(head);
  int room = kMessageBufferSize - 1 - static_cast<int>(std::strlen(head) + std::strlen(tail));
  text.AppendBounded(piece.c_str(), room);
  text += tail;
  ErrorBox(text.c_str());
}

// Replaces text[start, end) by the value in decimal. Built by concatenation, so that no
// formatting buffer cuts a long text.
void Splice(cString& text, size_t start, int32_t value, size_t end) {
  cString number;
  number.Format("%d", value);
  text.replace(start, end - start, number);
}
}  // namespace

int32_t cCodeChecker::Fail() {
  m_bError = 1;
  return 0;
}

int cCodeChecker::Check(const cString& text) {
  m_bError = 0;
  EvalCodeText(text);
  return m_bError ? 0 : 1;
}

int32_t cCodeChecker::EvalCodeText(const cString& text) {
  cString work(text.c_str());
  size_t start = 0;
  size_t at = 0;
  while (at < work.size()) {
    if (work[at] == ' ') {
      start = ++at;
      continue;
    }
    if (work[at] != '(') {
      ++at;
      continue;
    }
    size_t close = MatchingClose(work, at);
    if (close == std::string::npos) {
      ErrorBox("\")\"が見つかりません！\"");
      return Fail();
    }
    if (at == start) {
      Splice(work, start, EvalCodeText(work.substr(at + 1, close - at - 1)), close + 1);
    } else if (FindName(CodeFunctionNames, work.substr(start, at - start)) >= 0) {
      if (!EvalFunction(work, start, at, close)) return Fail();
    } else {
      ++at;  // not a function: the "(" stays inside the token, which the flat text rejects
      continue;
    }
    at = start;
  }
  return EvalCodeFlat(work);
}

// Evaluates the call text[start .. close] and splices its value in. 0 when the call is refused.
int cCodeChecker::EvalFunction(cString& text, size_t start, size_t open, size_t close) {
  cString name = text.substr(start, open - start);
  cVector<int32_t> args;
  std::string arg;
  int depth = 0;
  for (size_t at = open + 1; at <= close; ++at) {
    char c = text[at];
    if (c == '(' || (c == ')' && depth > 0)) {
      depth += c == '(' ? 1 : -1;
      arg += c;
    } else if (depth == 0 && (c == ',' || c == ')')) {
      // Empty arguments are skipped; blanks count as an argument.
      if (!arg.empty()) args.push_back(EvalCodeText(cString(arg)));
      arg.clear();
    } else {
      arg += c;
    }
  }
  if (args.size() != 2) {
    ErrorAround("関数 ", name, " の引数が不正です！");
    return 0;
  }
  Splice(text, start, RandomInRange(args[0], args[1]), close + 1);
  return 1;
}

int32_t cCodeChecker::EvalCodeFlat(const cString& text) {
  // Variables and statuses have no run-time value here; one placeholder of 1 stands for all of
  // them, so that a division by a variable passes.
  int32_t placeholder = 1;
  cVector<cCodeOperand> operands;
  int32_t value = 0;
  if (!Tokenize(text, operands, &placeholder) || !Reduce(text, operands, value)) return Fail();
  return value;
}

int cCodeChecker::Tokenize(const cString& text, cVector<cCodeOperand>& operands, int32_t* placeholder) {
  std::string token;
  int object = 0;
  size_t length = std::strlen(text.c_str());
  for (size_t at = 0; at <= length; ++at) {
    char c = at < length ? text[at] : '\0';
    if (c == ' ' || c == '\0') {
      if (token.empty()) continue;
      cCodeOperand operand;
      if (!ClassifyToken(token, object, placeholder, operand)) return 0;
      operands.push_back(operand);
      token.clear();
      object = 0;
    } else if (c == '.') {
      object = FindName(CodeObjectNames, token);
      if (object < 0) {
        ErrorAround("オブジェクト \"", token, ".\" が認識できません！");
        return 0;
      }
      token.clear();
    } else {
      token += c;
    }
  }
  return 1;
}

int cCodeChecker::ClassifyToken(const cString& token, int object, int32_t* placeholder,
                                cCodeOperand& operand) {
  operand.m_nOperator = FindName(CodeOperatorNames, token);
  if (operand.m_nOperator >= 0) {
    operand.m_nKind = cCodeOperand::kOperator;
    return 1;
  }
  operand.m_nOperator = 0;
  int chara = FindName(CodeCharaStatusNames, token);
  int system = FindName(CodeSystemStatusNames, token);
  if (IsVariableName(token)) {
    operand.m_nKind = cCodeOperand::kVariable;
  } else if (chara >= 0 || system >= 0) {
    operand.m_nKind = chara >= 0 ? cCodeOperand::kCharaStatus : cCodeOperand::kSystemStatus;
    operand.m_nCharaStatus = chara >= 0 ? chara : 0;
    operand.m_nSystemStatus = system >= 0 ? system : 0;
    operand.m_nObject = object;
    operand.m_nMin = 0;
    operand.m_nMax = kStatusMax;
  } else {
    if (!ParseConstant(token, operand.m_nValue)) {
      ErrorAround("定数 \"", token, "\" が認識できません！");
      return 0;
    }
    return 1;
  }
  operand.m_nValue = *placeholder;
  operand.m_pTarget = placeholder;
  return 1;
}

int cCodeChecker::Reduce(const cString& text, cVector<cCodeOperand>& operands, int32_t& value) {
  int operated = 0;
  for (int pass = 0; pass < 3; ++pass) {
    for (;;) {
      int at = 0;
      while (at < operands.Count() && (operands[at].m_nKind != cCodeOperand::kOperator ||
                                        CodeOperatorLevels[operands[at].m_nOperator] != pass))
        ++at;
      if (at == operands.Count()) break;
      int op = operands[at].m_nOperator;
      if (at == 0 || at == operands.Count() - 1) {
        ErrorBoxF("演算子 \"%s\" の使い方が不正です！", CodeOperatorNames[op].c_str());
        return 0;
      }
      if (!Apply(text, operands[at - 1], op, operands[at + 1], value)) return 0;
      operated = 1;
      cCodeOperand result;
      result.m_nValue = value;
      // The older rule keeps the right operand in the list, next to the result.
      operands.erase(operands.begin() + (at - 1), operands.begin() + (m_bCompat751 ? at + 1 : at + 2));
      operands.InsertAt(at - 1, result);
    }
  }
  if (!operated) value = operands.empty() ? 0 : operands.back().m_nValue;
  return 1;
}

int cCodeChecker::Apply(const cString& text, const cCodeOperand& left, int op,
                        const cCodeOperand& right, int32_t& value) {
  int64_t l = left.m_nValue;
  int64_t r = right.m_nValue;
  switch (op) {
    case kOpAssign:
      value = Clamp(right.m_nValue, left.m_nMin, left.m_nMax);
      if (left.m_pTarget) *left.m_pTarget = value;  // a constant or a result has nothing to write
      return 1;
    case kOpAdd: value = Wrap(l + r); return 1;
    case kOpSubtract: value = Wrap(l - r); return 1;
    case kOpMultiply: value = Wrap(l * r); return 1;
    default:
      if (r == 0) {
        ErrorAround("0除算が行われました！(", text, ")");
        return 0;
      }
      // In 64 bits the quotient of -2147483648 by -1 exists; it wraps like any other result.
      value = Wrap(op == kOpDivide ? l / r : l % r);
      return 1;
  }
}

int CheckCodeText(const cString& text, int bCompat751) { return cCodeChecker(bCompat751).Check(text); }
