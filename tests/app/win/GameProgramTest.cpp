#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "app/win/GameProgram.h"
#include "tests/support/TestSupport.h"

namespace {
std::string FakeGamePath() { return BuildTreePath("tools\\fakegame\\FakeGame.exe"); }

// Copies the fake game under name, with its string-table block 1 replaced by the given bytes
// (empty: as built).
void CopyGame(const char* name, const Bytes* block) {
  ASSERT_TRUE(CopyFileA(FakeGamePath().c_str(), name, FALSE)) << FakeGamePath();
  if (block->empty()) return;
  HANDLE update = BeginUpdateResourceA(name, FALSE);
  ASSERT_NE(update, nullptr);
  ASSERT_TRUE(UpdateResourceA(update, RT_STRING, MAKEINTRESOURCEA(1), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                              const_cast<unsigned char*>(block->data()), static_cast<DWORD>(block->size())));
  ASSERT_TRUE(EndUpdateResourceA(update, FALSE));
}

// A block whose entry 1 is the text.
Bytes TagBlock(const std::u16string& tag) {
  Bytes block = Hex("00 00");
  block.push_back(static_cast<unsigned char>(tag.size()));
  block.push_back(0);
  for (char16_t unit : tag) {
    block.push_back(static_cast<unsigned char>(unit));
    block.push_back(static_cast<unsigned char>(unit >> 8));
  }
  for (int i = 2; i < 16; ++i) block.insert(block.end(), {0, 0});
  return block;
}

const Bytes kAsBuilt;  // empty: the program as the build made it
}  // namespace

TEST(GameProgram, TheFakeGameCarriesTheTag) {
  cScratchFolder folder;
  CopyGame("Game.exe", &kAsBuilt);
  HMODULE module = LoadLibraryExA("Game.exe", nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  wchar_t* text = LoadStringResource(module, 1);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(std::wstring(text), L"GAME");
  DeleteAndNull(&text);
  EXPECT_EQ(text, nullptr);
  EXPECT_EQ(LoadStringResource(module, 2), nullptr) << "an empty entry";
  EXPECT_EQ(LoadStringResource(module, 17), nullptr) << "a block that is not there";
  FreeLibrary(module);
}

TEST(GameProgram, ProbeFindsTheOneProgramWhoseStringOneIsExactlyTheTag) {
  cScratchFolder folder;
  Bytes lower = TagBlock(u"game"), blank = TagBlock(u"GAME "), none = TagBlock(u"");
  Bytes hostile = Hex("00 00 FF FF 47 00");
  CopyGame("Lower.exe", &lower);
  CopyGame("Blank.exe", &blank);
  CopyGame("Hostile.exe", &hostile);
  CopyGame("NoString.exe", &none);
  WriteFileBytes("Text.exe", Hex("4D 5A 00"));
  char buffer[260] = "untouched";
  EXPECT_EQ(ProbeGameProgram(buffer), 0);
  EXPECT_STREQ(buffer, "untouched");
  CopyGame("Game.exe", &kAsBuilt);
  EXPECT_EQ(ProbeGameProgram(buffer), 1);
  EXPECT_STREQ(buffer, "Game.exe");
  cVector<cString> names;
  EXPECT_EQ(ListExeFiles(names), 1);
  EXPECT_EQ(names.size(), 6u);
}

TEST(GameProgram, ProbeReadsResourcesWithoutLoadingTheProgramsLibraries) {
  cScratchFolder folder;
  CopyGame("Game.exe", &kAsBuilt);
  // A program built for another processor cannot be loaded to run here, but its resources read.
  // The fake game has this build's own processor (i386 or x86-64); it is marked as the other one.
  Bytes bytes = ReadFileBytes("Game.exe");
  uint32_t header = bytes[0x3C] | bytes[0x3D] << 8;
  uint16_t machine = static_cast<uint16_t>(bytes[header + 4] | bytes[header + 5] << 8);
  ASSERT_EQ(machine, sizeof(void*) == 8 ? 0x8664 : 0x14C);
  uint16_t other = machine == 0x14C ? 0x8664 : 0x14C;
  bytes[header + 4] = static_cast<uint8_t>(other);
  bytes[header + 5] = static_cast<uint8_t>(other >> 8);
  WriteFileBytes("Game.exe", bytes);
  EXPECT_EQ(LoadLibraryA("Game.exe"), nullptr);
  char buffer[260] = {};
  EXPECT_EQ(ProbeGameProgram(buffer), 1);
  EXPECT_STREQ(buffer, "Game.exe");
}

TEST(GameProgram, FirstTaggedProgramInListingOrderWins) {
  cScratchFolder folder;
  CopyGame("GameA.exe", &kAsBuilt);
  CopyGame("GameB.exe", &kAsBuilt);
  cVector<cString> names;
  ASSERT_EQ(ListExeFiles(names), 1);
  char buffer[260] = {};
  ASSERT_EQ(FindGameProgram(buffer, 1, ""), 1);
  EXPECT_EQ(cString(buffer), names.front());
}

TEST(GameProgram, ConfiguredPathCountsWhenAFileIsThere) {
  cScratchFolder folder;
  char buffer[260] = "old";
  EXPECT_EQ(FindGameProgram(buffer, 1, "Game.exe"), 0) << "no program files at all";
  EXPECT_STREQ(buffer, "");
  strcpy(buffer, "old");
  EXPECT_EQ(FindGameProgram(buffer, 0, "bin\\Game.exe"), 0);
  EXPECT_STREQ(buffer, "");
  CreateDirectoryA("bin", nullptr);
  WriteFileBytes("bin\\Game.exe", Hex("00"));  // whatever it holds
  EXPECT_EQ(FindGameProgram(buffer, 0, "bin\\Game.exe"), 1);
  EXPECT_STREQ(buffer, "bin\\Game.exe");
  EXPECT_EQ(FindGameProgram(buffer, 0, "bin"), 0) << "a folder is no program";
  EXPECT_EQ(FindGameProgram(buffer, 0, "bin\\*.exe"), 0) << "a pattern is no program";
  std::string longPath(400, 'a');
  EXPECT_EQ(FindGameProgram(buffer, 0, longPath.c_str()), 0);
  EXPECT_EQ(std::strlen(buffer), 0u);
}
