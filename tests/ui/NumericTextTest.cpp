#include <gtest/gtest.h>

#include "ui/NumericText.h"

TEST(NumericText, TypeCodesAndTheirLimits) {
  EXPECT_EQ(ValueTypeCode<char>(), 0);
  EXPECT_EQ(ValueTypeCode<unsigned char>(), 1);
  EXPECT_EQ(ValueTypeCode<short>(), 2);
  EXPECT_EQ(ValueTypeCode<int>(), 4);
  EXPECT_EQ(ValueTypeCode<double>(), 7);
  EXPECT_EQ(ValueTypeCode<long long>(), -1);
  EXPECT_EQ(TypeMin<int>(kTypeChar), -128);
  EXPECT_EQ(TypeMax<int>(kTypeUChar), 255);
  EXPECT_EQ(TypeMax<short>(kTypeShort), 32767);
  EXPECT_EQ(TypeMin<int>(kTypeInt), INT32_MIN);
  EXPECT_EQ(TypeMax<double>(kTypeDouble), -1.0) << "no limits: T(-1)";
}

TEST(NumericText, DecimalsFollowTheStep) {
  struct Row {
    double step;
    int decimals;
  } rows[] = {{1, 0}, {0.1, 1}, {0.05, 2}, {12.5, 1}, {0.001, 3}, {100, 0}, {0, 0}};
  for (const Row& row : rows) EXPECT_EQ(DecimalsNeeded(row.step), row.decimals) << row.step;
}

TEST(NumericText, TypedCharactersThatReachTheEdit) {
  struct Row {
    unsigned code;
    int integer;
    int floating;
  } rows[] = {{'-', 1, 1}, {'.', 0, 1}, {'0', 1, 1}, {'9', 1, 1}, {8, 1, 1},  {3, 1, 1},
              {22, 1, 1},  {'a', 0, 0}, {' ', 0, 0}, {'+', 0, 0}, {0x82, 0, 0}, {0, 0, 0}};
  for (const Row& row : rows) {
    EXPECT_EQ(AcceptsNumberChar(row.code, 0), row.integer) << row.code;
    EXPECT_EQ(AcceptsNumberChar(row.code, 1), row.floating) << row.code;
  }
}

TEST(NumericText, FilterKeepsOnlyWhatANumberHolds) {
  struct Row {
    const char* text;
    const char* kept;
  } rows[] = {
      {"1a2b", "12"},     {"-5", "-5"},   {"5-", "5"},       {"--3", "-3"}, {" 4 2 ", "42"},
      {"2.3.4", "2.3.4"}, {"あ12", "12"}, {"１２", ""},       {"x-1", "1"},  {"", ""},
  };
  for (const Row& row : rows) EXPECT_EQ(FilterNumberText(row.text), row.kept) << row.text;
}

TEST(NumericText, FullWidthInputBecomesHalfWidth) {
  struct Row {
    const char* composed;
    const char* half;
  } rows[] = {
      {"１２", "12"}, {"－３．５", "-3.5"}, {"０９８７６５４", "0987654"}, {"ａ１", "1"}, {"あ", ""}, {"7８", "8"},
  };
  for (const Row& row : rows) EXPECT_EQ(HalfWidthNumberChars(row.composed), row.half) << row.composed;
}

TEST(NumericText, IntegerTextsSaturateToTheirType) {
  struct Row {
    const char* text;
    int value;
    const char* typed;
    int empty;
  } rows[] = {
      {"150", 150, "", 0},       {"-", 0, "-", 0},        {"-0", 0, "-0", 0}, {"-5", -5, "", 0},
      {"", 0, "", 1},            {"abc", 0, "", 1},       {"1a2b", 12, "", 0}, {"99999999999999999999", INT32_MAX, "", 0},
      {"-99999999999", INT32_MIN, "", 0}, {"12.7", 12, "", 0},
  };
  for (const Row& row : rows) {
    cNumberReading<int> reading = ReadNumberText<int>(row.text, -1000, 1000, 0);
    EXPECT_EQ(reading.m_Value, row.value) << row.text;
    EXPECT_EQ(reading.m_strTyped, row.typed) << row.text;
    EXPECT_EQ(reading.m_bEmpty, row.empty) << row.text;
  }
  EXPECT_EQ(ReadNumberText<short>("40000", 0, 100, 0).m_Value, 32767);
  EXPECT_EQ(ReadNumberText<char>("300", 0, 100, 0).m_Value, 127);
  EXPECT_EQ(ReadNumberText<char>("-300", -100, 100, 0).m_Value, -128);
  EXPECT_EQ(ReadNumberText<unsigned char>("-3", 0, 100, 0).m_Value, 0) << "below the type: its minimum";
  EXPECT_EQ(ReadNumberText<unsigned char>("-", 0, 100, 0).m_strTyped, "-");
}

TEST(NumericText, EmptyTextStandsForTheLimitNearestZero) {
  EXPECT_EQ(ReadNumberText<int>("", 3, 10, 0).m_Value, 3);
  EXPECT_EQ(ReadNumberText<int>("", -10, -3, 0).m_Value, -3);
  EXPECT_EQ(ReadNumberText<int>("", -10, 10, 0).m_Value, 0);
  EXPECT_EQ(ReadNumberText<double>("x", 0.5, 2.0, 1).m_Value, 0.5);
}

TEST(NumericText, FloatingTextsKeepTheEditsDecimals) {
  struct Row {
    const char* text;
    int decimals;
    double value;
  } rows[] = {{"2.34", 1, 2.3}, {"2.36", 1, 2.4}, {"-1.5", 0, -2}, {".5", 2, 0.5}, {"1.2.3", 1, 1.2}, {"-", 1, 0}};
  for (const Row& row : rows) {
    cNumberReading<double> reading = ReadNumberText<double>(row.text, -100.0, 100.0, row.decimals);
    EXPECT_DOUBLE_EQ(reading.m_Value, row.value) << row.text;
    EXPECT_EQ(reading.m_strTyped, FilterNumberText(row.text)) << "shown as typed while typing";
  }
}

TEST(NumericText, ClampAndStepNeverWrap) {
  int32_t limited = -1;
  EXPECT_EQ(ClampValue(150, 0, 100, &limited), 100);
  EXPECT_EQ(limited, 1);
  EXPECT_EQ(ClampValue(50, 0, 100, &limited), 50);
  EXPECT_EQ(limited, 0);
  EXPECT_EQ(StepValue<char>(127, 1, 1, 1, 127), 127);
  EXPECT_EQ(StepValue<char>(120, 3, 5, 1, 127), 127);
  EXPECT_EQ(StepValue<int>(INT32_MAX, 1, 1, INT32_MIN, INT32_MAX), INT32_MAX);
  EXPECT_EQ(StepValue<int>(INT32_MIN, -2, 1000, INT32_MIN, INT32_MAX), INT32_MIN);
  EXPECT_EQ(StepValue<short>(10, -1, 5, 0, 100), 5);
  EXPECT_EQ(StepValue<unsigned char>(0, -1, 1, 0, 255), 0);
  EXPECT_DOUBLE_EQ(StepValue<double>(1.0, 3, 0.1, 0.0, 2.0), 1.3);
  EXPECT_DOUBLE_EQ(StepValue<double>(1.95, 1, 0.1, 0.0, 2.0), 2.0);
}

TEST(NumericText, ShownText) {
  EXPECT_EQ(FormatNumber(-15, 0, 0), "-15");
  EXPECT_EQ(FormatNumber(2.3, 1, 1), "2.3");
  EXPECT_EQ(FormatNumber(2, 1, 2), "2.00");
}
