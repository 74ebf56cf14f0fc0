#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/MessageBox.h"
#include "editors/ExpressionChecker.h"
#include "tests/support/TestSupport.h"

namespace {
struct cCodeCase {
  const char* m_pText;
  int m_bCompat751;
  int32_t m_nValue;  // checked only when the text passes
  std::vector<std::string> m_vMessages;  // empty: the text passes
};

const cCodeCase kCases[] = {
    // Texts that pass. Variables and statuses stand for 1 during the check.
    {"", 0, 0, {}},
    {"   ", 0, 0, {}},
    {"hp = hp + 10", 0, 11, {}},
    {"sys.time = tg1.v3", 0, 1, {}},
    {"C5 = rand(4,4)", 0, 4, {}},
    {"C1 = C2 / C3", 0, 1, {}},
    {"C1 = (2 + 3) * 4", 0, 20, {}},
    {"C1 = ((1 + 1) * (2 + 2))", 0, 8, {}},
    {"rand(rand(2,2),2)", 0, 2, {}},
    {"rand(3,,3)", 0, 3, {}},
    {"rand( ,0)", 0, 0, {}},
    {"()", 0, 0, {}},
    {"1 2", 0, 2, {}},
    {"2 + 3 * 4", 0, 14, {}},
    {"8 / 2 / 2", 0, 2, {}},
    {"-7 % 3", 0, -1, {}},
    {"+7 - -3", 0, 10, {}},
    {"C1 = 1000000", 0, 999999, {}},
    {"hp = -5", 0, 0, {}},
    {"sys.hp = my.score", 0, 1, {}},
    {"C(1) = S+x", 0, 1, {}},
    {"C1 = 1 + 2 + 3", 0, 6, {}},
    {"C1 = 1 + 2 + 3", 1, 3, {}},
    {"C1 = 2 * 3 + 1", 1, 6, {}},
    // Assignments without a target, operators in operand places, 32-bit limits.
    {"1 = 5", 0, 5, {}},
    {"C1 = = 2", 0, 0, {}},
    {"2147483647 + 1", 0, INT32_MIN, {}},
    {"65536 * 65536", 0, 0, {}},
    {"-2147483648 / -1", 0, INT32_MIN, {}},
    {"-2147483648 % -1", 0, 0, {}},
    {"99999999999", 0, INT32_MAX, {}},
    {"-99999999999", 0, INT32_MIN, {}},
    {"rand(-2147483648,2147483647) * 0", 0, 0, {}},
    // Errors, with the exact texts.
    {"(1 + 2", 0, 0, {"\")\"が見つかりません！\""}},
    {"rand(1,2", 0, 0, {"\")\"が見つかりません！\""}},
    {"rand(1)", 0, 0, {"関数 rand の引数が不正です！"}},
    {"rand()", 0, 0, {"関数 rand の引数が不正です！"}},
    {"rand(,5)", 0, 0, {"関数 rand の引数が不正です！"}},
    {"rand(1,2,3)", 0, 0, {"関数 rand の引数が不正です！"}},
    {"1+2", 0, 0, {"定数 \"1+2\" が認識できません！"}},
    {"C1 = 1+(2)", 0, 0, {"定数 \"1+(2)\" が認識できません！"}},
    {"x(1) + 2", 0, 0, {"定数 \"x(1)\" が認識できません！"}},
    {"HP = 1", 0, 0, {"定数 \"HP\" が認識できません！"}},
    {"tg1.hpp = 1", 0, 0, {"定数 \"hpp\" が認識できません！"}},
    {"1 + foo.hp", 0, 0, {"オブジェクト \"foo.\" が認識できません！"}},
    {".hp", 0, 0, {"オブジェクト \".\" が認識できません！"}},
    {"C1 = 1.5", 0, 0, {"オブジェクト \"1.\" が認識できません！"}},
    {"= 1", 0, 0, {"演算子 \"=\" の使い方が不正です！"}},
    {"1 +", 0, 0, {"演算子 \"+\" の使い方が不正です！"}},
    {"1 / 0", 0, 0, {"0除算が行われました！(1 / 0)"}},
    {"1 % (0)", 0, 0, {"0除算が行われました！(1 % 0)"}},
    // An error inside parentheses ends only that part; the rest goes on with 0.
    {"1 / (abc)", 0, 0, {"定数 \"abc\" が認識できません！", "0除算が行われました！(1 / 0)"}},
    {"rand(abc,2) + 1", 0, 0, {"定数 \"abc\" が認識できません！"}},
};

class ExpressionCheckerTest : public ::testing::Test {
protected:
  cFakeShell m_Shell;
};
}  // namespace

TEST_F(ExpressionCheckerTest, EveryCaseGivesItsValueOrItsMessages) {
  for (const cCodeCase& c : kCases) {
    SCOPED_TRACE(c.m_pText);
    m_Shell.m_vBoxes.clear();
    cCodeChecker checker(c.m_bCompat751);
    int32_t value = checker.EvalCodeText(c.m_pText);
    std::vector<std::string> messages;
    for (const cFakeShell::cBox& box : m_Shell.m_vBoxes) {
      messages.push_back(box.m_strText);
      EXPECT_EQ(box.m_strCaption, "エラー");
    }
    EXPECT_EQ(messages, c.m_vMessages);
    EXPECT_EQ(checker.ErrorReported(), c.m_vMessages.empty() ? 0 : 1);
    if (c.m_vMessages.empty()) {
      EXPECT_EQ(value, c.m_nValue);
    }
    EXPECT_EQ(CheckCodeText(c.m_pText, c.m_bCompat751), c.m_vMessages.empty() ? 1 : 0);
  }
}

TEST_F(ExpressionCheckerTest, RandomValuesStayWithinTheirArguments) {
  for (int i = 0; i < 200; ++i) {
    cCodeChecker checker(0);
    int32_t value = checker.EvalCodeText("rand(5,-3)");
    EXPECT_GE(value, -3);
    EXPECT_LE(value, 5);
  }
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
}

TEST_F(ExpressionCheckerTest, EachCheckStartsWithoutTheLastOnesError) {
  cCodeChecker checker(0);
  EXPECT_EQ(checker.Check("1 / 0"), 0);
  EXPECT_EQ(checker.Check("1 / 1"), 1);
}

TEST_F(ExpressionCheckerTest, LongTextsAreEvaluatedWholeAndMessagesCut) {
  // Far past the formatting buffer: the splicing must not cut the text.
  std::string sum = "(";
  for (int i = 0; i < 3000; ++i) sum += "1 + ";
  sum += "1) * 2";
  cCodeChecker checker(0);
  EXPECT_EQ(checker.EvalCodeText(sum.c_str()), 6002);
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());

  std::string word(6000, 'x');
  EXPECT_EQ(checker.Check(word.c_str()), 0);
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
  const std::string& text = m_Shell.m_vBoxes[0].m_strText;
  EXPECT_EQ(text.size(), static_cast<size_t>(kMessageBufferSize - 1));
  EXPECT_EQ(text.rfind("定数 \"xxx", 0), 0u);
}

TEST_F(ExpressionCheckerTest, MessagesShowTheCodeAsTypedWithTheirEndWhole) {
  cCodeChecker checker(0);
  EXPECT_EQ(checker.Check("C1 = %s%n%x"), 0);
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, "定数 \"%s%n%x\" が認識できません！");
  // A long piece is cut between characters and the message keeps its end.
  std::string word;
  while (word.size() < 3000) word += "漢";
  m_Shell.m_vBoxes.clear();
  EXPECT_EQ(checker.Check(("%d" + word + "%s.hp").c_str()), 0);
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
  const std::string& text = m_Shell.m_vBoxes[0].m_strText;
  std::string head = "オブジェクト \"%d";
  std::string tail = ".\" が認識できません！";
  EXPECT_LE(text.size(), static_cast<size_t>(kMessageBufferSize - 1));
  ASSERT_EQ(text.rfind(head, 0), 0u);
  ASSERT_GE(text.size(), head.size() + tail.size());
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
  EXPECT_EQ((text.size() - head.size() - tail.size()) % 2, 0u);
}
