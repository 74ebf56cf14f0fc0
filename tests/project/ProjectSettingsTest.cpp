#include <gtest/gtest.h>

#include <filesystem>

#include "app/cApplication.h"
#include "project/cProjectSettings.h"
#include "tests/model/CharaFixture.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/TestSupport.h"

namespace {

const char* kPrjOptionPath = "data\\PrjOption.dat";
using Flags = std::vector<int>;

// The three default records as a file of the version holds them, written out by hand: graphics
// 7, 8 and 9 (or 1 each) and every inheritance flag set (or none): 11 block, 34 or 37 character
// and 13 item flags.
Bytes DefaultRecords(uint32_t version, bool made = true) {
  std::string graphic[3] = {made ? "0700" : "0100", made ? "0800" : "0100", made ? "0900" : "0100"};
  unsigned char flag = made ? 1 : 0;
  //                      ip ii   aj ao gr   gs gf   fr tr ms mk   bt df ac ax       ip ii   nbs
  Bytes block = Cat({U32(18), Hex("00 0000 00 00" + graphic[0] + "00 0000 00 00 00 0000 01 FF 00 00000000 00 0000 00"),
                     U32(1), U32(1), Hex("0000 0000"), U32(11), Bytes(11, flag), U32(0)});
  Bytes chara = CharaBody(CharaFieldsAbsentAt(version), {{"g", graphic[1]}},
                          CharaTail(Bytes(CharaFlagCountAt(version), flag)));
  //                     ip ii   aj ao ox   oy   gr   gs gf   z  tr ms mk   sh tm gi so
  Bytes item = Cat({U32(17), Hex("00 0000 00 00 0000 0000" + graphic[2] + "02 0000 06 00 00 0000 01 00 01 0000"), U32(1),
                    U32(1), Hex("0000 0000"), U32(13), Bytes(13, flag), U32(0), U32(0)});
  return Cat({block, chara, item});
}

Bytes FlagBytes(const Flags& flags) {
  Bytes bytes = U32(static_cast<uint32_t>(flags.size()));
  for (int flag : flags) bytes.push_back(static_cast<unsigned char>(flag));
  return bytes;
}

// n flags counting up from first, to follow where each one moves.
Flags Counting(int n, int first) {
  Flags flags(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) flags[static_cast<size_t>(i)] = first + i;
  return flags;
}

Flags Placed(int kind) {
  Flags flags(static_cast<size_t>(cProjectSettings::GroupCount(kind)), 1);
  if (kind == cProjectSettings::kKindChara) {
    for (int group : {4, 5, 33, 35}) flags[static_cast<size_t>(group)] = 0;
  } else {
    flags[1] = 0;
  }
  return flags;
}

Flags FlagsOf(const cVector<int8_t>& flags) { return Flags(flags.begin(), flags.end()); }

// What a load keeps when the file does not say otherwise.
void MakeUnusual(cProjectSettings& settings) {
  for (auto& situation : settings.m_nDefInheritPal)
    for (int32_t& palette : situation) palette = 9;
  settings.m_bAutoGameProgram = 5;
  settings.m_strGameProgram = "pre";
  settings.m_nOldStageMode = 2;
}

class ProjectSettingsFile : public ::testing::Test {
protected:
  void SetUp() override { std::filesystem::create_directory("data"); }
  cScratchFolder m_Folder;
  cFakeShell m_Shell;
  cVersionReadGuard m_Guard;
};

}  // namespace

TEST_F(ProjectSettingsFile, DefaultFileBytes) {
  cProjectSettings settings;
  ASSERT_EQ(settings.SaveFile(kPrjOptionPath), 1);
  Bytes expected = Cat({Hex("03 03 00 00  0B 00 00 00  00 00 00 00 00 00 00 00 00 00 00 00"
                            "01 00 00 00 01 00 00 00 01 00 00 00  02 00 00 00 02 00 00 00 02 00 00 00"
                            "01 00 00 00  00 00 00 00  01 00 00 00  01 00 00 00"),
                        DefaultRecords(771, false),
                        FlagBytes(Flags(11, 0)), FlagBytes(Flags(37, 0)), FlagBytes(Flags(13, 0))});
  for (int situation = 1; situation < 3; ++situation)
    for (int kind = 0; kind < 3; ++kind) expected = Cat({expected, FlagBytes(Placed(kind))});
  Bytes written = ReadFileBytes(kPrjOptionPath);
  EXPECT_EQ(ToHex(written), ToHex(expected));
  // Header and body: 4 + 4 + 44 + 4 + 4 + 1 bytes; the nine vectors close the file.
  EXPECT_EQ(ToHex(Bytes(written.end() - 17, written.end() - 13)), "0D 00 00 00");
}

TEST_F(ProjectSettingsFile, SaveLoadSaveIsByteIdentical) {
  cProjectSettings settings;
  settings.m_nDefInheritPal[2][1] = 1;
  settings.m_strGameProgram = "game\\ゲーム.exe";
  settings.m_bAutoGameProgram = 0;
  settings.m_nOldStageMode = cProjectSettings::kOldStageDelete;
  settings.m_DefChara.m_strName = "主人公";
  settings.m_DefItem.m_nGraphic = 12;
  settings.m_bbDefInherit[0][2][5] = 1;
  ASSERT_EQ(settings.SaveFile(kPrjOptionPath), 1);
  Bytes first = ReadFileBytes(kPrjOptionPath);
  cProjectSettings again;
  ASSERT_EQ(again.LoadFile(kPrjOptionPath), 1);
  EXPECT_EQ(again.m_DefChara.m_strName, "主人公");
  EXPECT_EQ(again.m_bbDefInherit[0][2][5], 1);
  ASSERT_EQ(again.SaveFile(kPrjOptionPath), 1);
  EXPECT_EQ(ToHex(ReadFileBytes(kPrjOptionPath)), ToHex(first));
}

TEST_F(ProjectSettingsFile, RecordBodyOfEveryVersion) {
  // Nine vectors of today's lengths, or the six a file before 70 holds.
  auto vectors = [](bool withPlaced) {
    Bytes all;
    for (int situation = 0; situation < 3; ++situation)
      if (situation != 1 || withPlaced)
        for (int kind = 0; kind < 3; ++kind) all = Cat({all, FlagBytes(Flags(cProjectSettings::GroupCount(kind), 0))});
    return all;
  };
  auto placements = [](std::initializer_list<int32_t> one) {
    Bytes all;
    for (int i = 0; i < 11; ++i) all = Cat({all, Body(one, {})});
    return all;
  };
  struct cRow {
    uint32_t m_nVersion;
    Bytes m_Content;
    int32_t m_nPal0, m_nPal1, m_nPal2, m_bAuto, m_nOldStage;
    int16_t m_nBlockGraphic;
  };
  const cRow rows[] = {
      // Before 51 no palette kinds, before 130 one int and three strings that are dropped.
      {49, Body({77, 0}, {"x", "y", "z", "p49"}), 9, 9, 9, 0, 0, 1},
      // From 50 the new-entry and stage-placed vectors.
      {50, Cat({Body({77, 0}, {"x", "y", "z", "p50"}), vectors(false)}), 9, 9, 9, 0, 0, 1},
      {51, Cat({Body({77, 2, 2, 2, 1, 1, 1, 0}, {"x", "y", "z", "p51"}), vectors(false)}), 2, 9, 1, 0, 0, 1},
      {69, Cat({Body({77, 2, 2, 2, 1, 1, 1, 0}, {"x", "y", "z", "p69"}), vectors(false)}), 2, 9, 1, 0, 0, 1},
      // From 70 the common-placed kinds and vectors; from 71 eleven window places to skip.
      {70, Cat({Body({77, 2, 2, 2, 0, 0, 0, 1, 1, 1, 0}, {"x", "y", "z", "p70"}), vectors(true)}), 2, 0, 1, 0, 0, 1},
      {71, Cat({Body({77, 2, 2, 2, 0, 0, 0, 1, 1, 1, 0}, {"x", "y", "z", "p71"}), placements({1, 2, 3, 4}), vectors(true)}),
       2, 0, 1, 0, 0, 1},
      {72, Cat({Body({77, 2, 2, 2, 0, 0, 0, 1, 1, 1, 0}, {"x", "y", "z", "p72"}), placements({1, 1, 2, 3, 4}),
                vectors(true)}),
       2, 0, 1, 0, 0, 1},
      {119, Cat({Body({77, 2, 2, 2, 0, 0, 0, 1, 1, 1, 0}, {"x", "y", "z", "p119"}), placements({1, 1, 2, 3, 4}),
                 vectors(true)}),
       2, 0, 1, 0, 0, 1},
      // From 120 the default records; from 122 the places have a shown flag.
      {120, Cat({Body({77, 2, 2, 2, 0, 0, 0, 1, 1, 1, 0}, {"x", "y", "z", "p120"}), DefaultRecords(120),
                 placements({1, 1, 2, 3, 4}), vectors(true)}),
       2, 0, 1, 0, 0, 7},
      {121, Cat({Body({77, 2, 2, 2, 0, 0, 0, 1, 1, 1, 0}, {"x", "y", "z", "p121"}), DefaultRecords(121),
                 placements({1, 1, 2, 3, 4}), vectors(true)}),
       2, 0, 1, 0, 0, 7},
      {122, Cat({Body({77, 2, 2, 2, 0, 0, 0, 1, 1, 1, 0}, {"x", "y", "z", "p122"}), DefaultRecords(122),
                 placements({1, 1, 2, 3, 4, 1}), vectors(true)}),
       2, 0, 1, 0, 0, 7},
      {129, Cat({Body({77, 2, 2, 2, 0, 0, 0, 1, 1, 1, 0}, {"x", "y", "z", "p129"}), DefaultRecords(129),
                 placements({1, 1, 2, 3, 4, 1}), vectors(true)}),
       2, 0, 1, 0, 0, 7},
      // From 130 nothing dropped; from 142 the old-stage handling.
      {130, Cat({Body({2, 2, 2, 0, 0, 0, 1, 1, 1, 0}, {"p130"}), DefaultRecords(130), vectors(true)}), 2, 0, 1, 0, 0, 7},
      {141, Cat({Body({2, 2, 2, 0, 0, 0, 1, 1, 1, 0}, {"p141"}), DefaultRecords(141), vectors(true)}), 2, 0, 1, 0, 0, 7},
      {142, Cat({Body({2, 2, 2, 0, 0, 0, 1, 1, 1, 0, 1}, {"p142"}), DefaultRecords(142), vectors(true)}), 2, 0, 1, 0, 1,
       7},
      {771, Cat({Body({2, 2, 2, 0, 0, 0, 1, 1, 1, 0, 1}, {"p771"}), DefaultRecords(771), vectors(true)}), 2, 0, 1, 0, 1,
       7},
  };
  for (const cRow& row : rows) {
    SCOPED_TRACE(row.m_nVersion);
    WriteFileBytes(kPrjOptionPath, Cat({U32(row.m_nVersion), row.m_Content}));
    cProjectSettings settings;
    MakeUnusual(settings);
    ASSERT_EQ(settings.LoadFile(kPrjOptionPath), 1);
    for (int kind = 0; kind < 3; ++kind) {
      EXPECT_EQ(settings.m_nDefInheritPal[0][kind], row.m_nPal0);
      EXPECT_EQ(settings.m_nDefInheritPal[1][kind], row.m_nPal1);
      EXPECT_EQ(settings.m_nDefInheritPal[2][kind], row.m_nPal2);
    }
    EXPECT_EQ(settings.m_bAutoGameProgram, row.m_bAuto);
    EXPECT_EQ(settings.m_strGameProgram, "p" + std::to_string(row.m_nVersion));
    EXPECT_EQ(settings.m_nOldStageMode, row.m_nOldStage);
    EXPECT_EQ(settings.m_DefBlock.m_nGraphic, row.m_nBlockGraphic);
    EXPECT_EQ(settings.m_DefChara.m_nGraphic, row.m_nBlockGraphic == 1 ? 1 : 8);
    EXPECT_EQ(settings.m_DefItem.m_nGraphic, row.m_nBlockGraphic == 1 ? 1 : 9);
    // The default records never inherit, whatever the file held.
    EXPECT_EQ(FlagsOf(cVector<int8_t>(settings.m_DefBlock.m_bbInherit.begin(), settings.m_DefBlock.m_bbInherit.end())),
              Flags(11, 0));
    EXPECT_EQ(FlagsOf(cVector<int8_t>(settings.m_DefChara.m_bbInherit.begin(), settings.m_DefChara.m_bbInherit.end())),
              Flags(37, 0));
    EXPECT_EQ(FlagsOf(cVector<int8_t>(settings.m_DefItem.m_bbInherit.begin(), settings.m_DefItem.m_bbInherit.end())),
              Flags(13, 0));
    for (int situation = 0; situation < 3; ++situation)
      for (int kind = 0; kind < 3; ++kind)
        EXPECT_EQ(settings.m_bbDefInherit[situation][kind].Count(), cProjectSettings::GroupCount(kind));
  }
}

TEST_F(ProjectSettingsFile, FlagVectorsOpenTheGroupsLaterVersionsAdded) {
  // Widens to the group count with 0, then opens each slot in turn: the flags from the slot on
  // move up within the length and the slot gets the added flag.
  auto opened = [](Flags flags, int count, std::initializer_list<int> slots, int added) {
    flags.resize(static_cast<size_t>(count), 0);
    for (int slot : slots) {
      for (int i = count - 1; i > slot; --i) flags[static_cast<size_t>(i)] = flags[static_cast<size_t>(i - 1)];
      flags[static_cast<size_t>(slot)] = added;
    }
    return flags;
  };
  struct cRow {
    uint32_t m_nVersion;
    int m_anStored[3];  // block, character and item flags a file of that version holds
    std::initializer_list<int> m_Slots[3];
  };
  const cRow rows[] = {
      {80, {10, 32, 12}, {{5}, {14, 3, 27, 24, 21}, {7}}},
      {87, {10, 32, 12}, {{5}, {14, 3, 27, 24, 21}, {7}}},
      {91, {10, 33, 13}, {{}, {3, 27, 24, 21}, {}}},  // blocks only widened
      {100, {11, 33, 13}, {{}, {3, 27, 24, 21}, {}}},
      {105, {11, 34, 13}, {{}, {27, 24, 21}, {}}},
      {167, {11, 34, 13}, {{}, {27, 24, 21}, {}}},
      {168, {11, 35, 13}, {{}, {24, 21}, {}}},
      {200, {11, 35, 13}, {{}, {24, 21}, {}}},
      {201, {11, 36, 13}, {{}, {21}, {}}},
      {209, {11, 36, 13}, {{}, {21}, {}}},
      {210, {11, 37, 13}, {{}, {}, {}}},
  };
  const int first[3] = {50, 10, 70};
  for (const cRow& row : rows) {
    SCOPED_TRACE(row.m_nVersion);
    Bytes body = row.m_nVersion < 130 ? Body({0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 1}, {"", "", "", ""})
                                      : Body({0, 0, 0, 1, 1, 1, 2, 2, 2, 1}, {""});
    Bytes file = Cat({U32(row.m_nVersion), body});
    if (row.m_nVersion >= 120) file = Cat({file, DefaultRecords(row.m_nVersion)});
    if (row.m_nVersion < 130)
      for (int i = 0; i < 11; ++i) file = Cat({file, Body({1, 1, 2, 3, 4}, {})});
    for (int situation = 0; situation < 3; ++situation)
      for (int kind = 0; kind < 3; ++kind) file = Cat({file, FlagBytes(Counting(row.m_anStored[kind], first[kind]))});
    WriteFileBytes(kPrjOptionPath, file);
    cProjectSettings settings;
    ASSERT_EQ(settings.LoadFile(kPrjOptionPath), 1);
    for (int situation = 0; situation < 3; ++situation) {
      for (int kind = 0; kind < 3; ++kind) {
        Flags expected = opened(Counting(row.m_anStored[kind], first[kind]), cProjectSettings::GroupCount(kind),
                                row.m_Slots[kind], situation == 0 ? 0 : 1);
        EXPECT_EQ(FlagsOf(settings.m_bbDefInherit[situation][kind]), expected) << situation << " " << kind;
      }
    }
    if (row.m_nVersion != 100) continue;
    // Spelled out: the 33 character flags of version 100 with the new groups at 3, 21, 25 and 29.
    Flags chara = Counting(3, 10);
    chara.push_back(1);
    for (int f : Counting(17, 13)) chara.push_back(f);
    for (int f : {1, 30, 31, 32, 1, 33, 34, 35, 1}) chara.push_back(f);
    for (int f : Counting(7, 36)) chara.push_back(f);
    EXPECT_EQ(FlagsOf(settings.m_bbDefInherit[2][1]), chara);
  }
}

TEST_F(ProjectSettingsFile, Version50KeepsTheCommonPlacedFlags) {
  // Vectors of situations 0 and 2 only, of the lengths of that time: 10 block, 32 character and
  // 12 item flags (the character list widened at 81).
  Bytes file = Cat({U32(50), Body({0, 1}, {"", "", "", ""})});
  for (int situation : {0, 2}) {
    int flag = situation == 0 ? 0 : 1;
    file = Cat({file, FlagBytes(Flags(10, flag)), FlagBytes(Flags(30, flag)), FlagBytes(Flags(12, flag))});
  }
  WriteFileBytes(kPrjOptionPath, file);
  cProjectSettings settings;
  settings.m_bbDefInherit[1][1][0] = 0;
  Flags common = FlagsOf(settings.m_bbDefInherit[1][1]);
  ASSERT_EQ(settings.LoadFile(kPrjOptionPath), 1);
  EXPECT_EQ(FlagsOf(settings.m_bbDefInherit[1][0]), Placed(0));
  EXPECT_EQ(FlagsOf(settings.m_bbDefInherit[1][1]), common) << "vectors the file lacks are not shifted";
  EXPECT_EQ(FlagsOf(settings.m_bbDefInherit[1][2]), Placed(2));
  EXPECT_EQ(FlagsOf(settings.m_bbDefInherit[0][0]), Flags(11, 0));
  // Widened to 11 at 88 and then opened at 5: the widening's 0 moves out at the end.
  EXPECT_EQ(FlagsOf(settings.m_bbDefInherit[2][0]), Flags(11, 1));
  EXPECT_EQ(settings.m_bbDefInherit[2][1].size(), 37u);
}

TEST_F(ProjectSettingsFile, FlagVectorsEndWithOneFlagPerGroup) {
  // A current file whose vectors are cut short, too long or empty.
  Bytes file = Cat({U32(771), Body({0, 0, 0, 1, 1, 1, 2, 2, 2, 1, 0}, {""}), DefaultRecords(771)});
  const Flags stored[3][3] = {
      {Flags(5, 1), Flags(40, 1), Flags()},
      {Flags(11, 0), Flags(), Flags(20, 0)},
      {Flags(), Flags(37, 0), Flags(13, 0)},
  };
  for (const auto& situation : stored)
    for (const Flags& flags : situation) file = Cat({file, FlagBytes(flags)});
  WriteFileBytes(kPrjOptionPath, file);
  cProjectSettings settings;
  ASSERT_EQ(settings.LoadFile(kPrjOptionPath), 1);
  Flags block = Flags(11, 0);
  std::fill(block.begin(), block.begin() + 5, 1);
  EXPECT_EQ(FlagsOf(settings.m_bbDefInherit[0][0]), block) << "missing flags come from the defaults";
  EXPECT_EQ(FlagsOf(settings.m_bbDefInherit[0][1]), Flags(37, 1));
  EXPECT_EQ(FlagsOf(settings.m_bbDefInherit[0][2]), Flags(13, 0));
  EXPECT_EQ(FlagsOf(settings.m_bbDefInherit[1][1]), Placed(1));
  EXPECT_EQ(FlagsOf(settings.m_bbDefInherit[1][2]), Flags(13, 0));
  EXPECT_EQ(FlagsOf(settings.m_bbDefInherit[2][0]), Placed(0));
}



TEST(ProjectSettings, Defaults) {
  cProjectSettings settings;
  EXPECT_EQ(settings.m_DefBlock.m_nGraphic, 1);
  EXPECT_EQ(settings.m_DefChara.m_nGraphic, 1);
  EXPECT_EQ(settings.m_DefItem.m_nGraphic, 1);
  EXPECT_EQ(settings.m_DefBlock.m_cBlockType, 1) << "otherwise the record's own defaults";
  EXPECT_EQ(settings.m_bAutoGameProgram, 1);
  EXPECT_EQ(settings.m_nOldStageMode, cProjectSettings::kOldStageMove);
  for (int situation = 0; situation < 3; ++situation) {
    for (int kind = 0; kind < 3; ++kind) {
      EXPECT_EQ(settings.m_nDefInheritPal[situation][kind], situation);
      Flags expected = situation == 0 ? Flags(static_cast<size_t>(cProjectSettings::GroupCount(kind)), 0) : Placed(kind);
      EXPECT_EQ(FlagsOf(settings.m_bbDefInherit[situation][kind]), expected);
    }
  }
}
