#include <gtest/gtest.h>

#include <string>

#include "ui/MessageName.h"

TEST(MessageName, FirstNameOfANumberWinsAndUnknownNumbersAreDigits) {
  struct Row {
    uint32_t m_nMessage;
    const char* m_pName;
  } rows[] = {
      {0x0000, "WM_NULL"},          {0x0002, "WM_DESTROY"},     {0x004A, "WM_COPYDATA"},
      {0x0100, "WM_KEYFIRST"},      {0x0101, "WM_KEYUP"},       {0x010F, "WM_IME_COMPOSITION"},
      {0x0111, "WM_COMMAND"},       {0x0200, "WM_MOUSEFIRST"},  {0x0312, "WM_HOTKEY"},
      {0x0400, "WM_USER"},          {0x8000, "WM_APP"},         {0x0401, "1025"},
      {0x07E8, "2024"},
  };
  for (const Row& row : rows) EXPECT_EQ(std::string(MessageName(row.m_nMessage)), row.m_pName);
  EXPECT_EQ(MessageNameCount(), 192);
}
