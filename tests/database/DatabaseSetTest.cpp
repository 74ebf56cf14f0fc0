#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/DataFile.h"
#include "app/PathUtil.h"
#include "database/cDatabaseSet.h"
#include "tests/database/RecordFixture.h"

namespace {

const char* const kAnimeFile = "data\\database\\Anime.dat";
const char* const kCharaEffectFile = "data\\database\\CharaEffect.dat";
const char* const kScrEffectFile = "data\\database\\ScrEffect.dat";

class DatabaseSetTest : public RecordTest {
protected:
  DatabaseSetTest() {
    MakeDirectory("data");
    MakeDirectory("data\\database");
  }
  cScratchFolder m_Folder;
  cFakeShell m_Shell;
};

// The ten table files by their own names, in the order the set saves them.
const char* const kFiles[kDatabaseTableCount] = {
    "data\\database\\AnimeSet.dat", "data\\database\\Anime.dat",       "data\\database\\Bmp_CharaExc.dat",
    "data\\database\\SwordType.dat", "data\\database\\Effect.dat",     "data\\database\\CharaEffect.dat",
    "data\\database\\ScrEffect.dat", "data\\database\\Picture.dat",    "data\\database\\Sound.dat",
    "data\\database\\Bgm.dat",
};

std::vector<Bytes> ReadTableFiles() {
  std::vector<Bytes> files;
  for (const char* path : kFiles) files.push_back(ReadFileBytes(path));
  return files;
}

// A new record of each table as its file holds it.
Bytes NewAnimeSet() {
  Bytes frame = Hex("03000000 00000000 01000000 00000000 00000000");
  Bytes motions = U32(4);
  for (const char* name : kMotionNames)
    motions = Cat({motions, Hex("03000000 0000 01 0000 01000000"), StoredString(name), U32(1), frame});
  return Cat({Hex("03000000 04000000 08000000 00000000 01000000 01000000"), motions});
}
const Bytes kNewCharaExc = Hex("03000000 00000000 00000000 02000000 02000000 01000000 01000000");
const Bytes kNewSwordType = Cat({Hex("01000000 00000000 03000000 01000000 01000000 01000000 01000000"),
                                 Hex("0A000000 00000000 00000000 01000000 00000000 00000000 00000000 00000000 00000000 "
                                     "00000000 01000000 00000000")});
const Bytes kNewEffect = Hex("04000000 00000000 20000000 20000000 00000000 02000000 01000000 01000000 00000000");
const Bytes kNewMedia = Hex("01000000 00000000 02000000 01000000 01000000");
const Bytes kNoneEffect = Hex("02000000 00000000 00000000 00000000 00000000 00000000 00000000 01000000 01000000");
const Bytes kNewEffectKind = Hex("02000000 01000000 00000000 00000000 00000000 00000000 00000000 01000000 01000000");

// A table file: the version, the count, then each record.
Bytes TableFile(std::initializer_list<Bytes> records) {
  Bytes file = Cat({Hex("03030000"), U32(static_cast<uint32_t>(records.size()))});
  for (const Bytes& record : records) file = Cat({file, record});
  return file;
}
Bytes TableFile(size_t count, const Bytes& record, const Bytes& first) {
  Bytes file = Cat({Hex("03030000"), U32(static_cast<uint32_t>(count)), first});
  for (size_t i = 1; i < count; ++i) file = Cat({file, record});
  return file;
}

// Every table with entries that differ from the defaults in fields, strings and lists.
void FillSet(cDatabaseSet& set) {
  set.m_vAnimeSet.resize(2);
  set.m_vAnimeSet[1].m_strName = "ソ表";
  set.m_vAnimeSet[1].m_nShiftFly = 3;
  set.m_vAnimeSet[1].m_vMotion[2].m_vFrame.resize(4);
  set.m_vAnimeSet[1].m_vMotion[2].m_vFrame[3].m_bRunCommand = 1;
  set.m_vAnime[1].m_nGraphic = 12;
  set.m_vAnime[1].m_cGraphicSheet = 4;
  set.m_vAnime[1].m_vFrame.resize(3);
  set.m_vAnime[1].m_vFrame[2].m_nCell = 299;
  set.m_vCharaExc[1].m_strPath = "bmp\\chara_sp\\竜.bmp";
  set.m_vCharaExc[1].m_bGiant = 1;
  set.m_vSwordType[0].m_strPathRight = "bmp\\sword\\r.bmp";
  set.m_vSwordType[0].m_vPos.resize(3);
  set.m_vSwordType[0].m_vPos[2].m_nOffsetX = -320;
  set.m_vEffect[1].m_vFrame.resize(2);
  set.m_vEffect[1].m_vFrame[1].m_nCell = 640;
  set.m_vEffect[1].m_bSameAsFileName = 1;
  set.m_vCharaEffect[1].m_nKind = 12;
  set.m_vCharaEffect[1].m_anParam[3] = -16;
  set.m_vScrEffect.resize(3);
  set.m_vScrEffect[2].m_nKind = 13;
  set.m_vPicture[1].m_strName = "森";
  set.m_vSound[1].m_strPath = "wave\\se.wav";
  set.m_vBgm[1].m_strPath = "bgm\\title.ogg";
}

}  // namespace

TEST_F(DatabaseSetTest, DefaultsHoldTheReservedEntries) {
  cDatabaseSet set;
  EXPECT_EQ(set.m_vAnimeSet.size(), 1u);
  ASSERT_EQ(set.m_vAnime.size(), 2u);
  EXPECT_EQ(set.m_vAnime[0].m_strName, "なし");
  EXPECT_EQ(set.m_vAnime[1].m_strName, "アクションA");
  EXPECT_EQ(set.m_vSwordType.size(), 1u);
  for (size_t count : {set.m_vCharaExc.size(), set.m_vEffect.size(), set.m_vCharaEffect.size(), set.m_vScrEffect.size(),
                       set.m_vPicture.size(), set.m_vSound.size(), set.m_vBgm.size()})
    EXPECT_EQ(count, 2u);
  EXPECT_EQ(g_DatabaseSet.m_vAnime.size(), 2u) << "the global set starts with the defaults too";

  FillSet(set);
  set.SetDefaults();
  EXPECT_EQ(set.m_vScrEffect.size(), 2u);
  EXPECT_EQ(set.m_vAnime[1].m_vFrame.size(), 1u);
}

// The exact default files; the same test in the i686 build shows both builds write the same bytes.
TEST_F(DatabaseSetTest, DefaultFilesAreTheseBytes) {
  cDatabaseSet set;
  ASSERT_EQ(set.SaveDatabaseTables(), 1);
  std::vector<Bytes> expected = {
      TableFile({NewAnimeSet()}),
      Hex("03030000 02000000"
          "03000000 0000 01 0000 01000000 05000000 82C882B500 01000000 03000000 00000000 01000000 00000000 00000000"
          "03000000 0000 01 0000 01000000 0C000000 8341834E8356838783934100"
          "01000000 03000000 00000000 01000000 00000000 00000000"),
      TableFile({kNewCharaExc, kNewCharaExc}),
      TableFile({kNewSwordType}),
      TableFile({kNewEffect, kNewEffect}),
      TableFile({kNoneEffect, kNewEffectKind}),
      TableFile({kNoneEffect, kNewEffectKind}),
      TableFile({kNewMedia, kNewMedia}),
      TableFile({kNewMedia, kNewMedia}),
      TableFile({kNewMedia, kNewMedia}),
  };
  std::vector<Bytes> files = ReadTableFiles();
  for (int i = 0; i < kDatabaseTableCount; ++i) EXPECT_EQ(ToHex(files[i]), ToHex(expected[i])) << kFiles[i];
}

TEST_F(DatabaseSetTest, EveryTableGoesToItsOwnFileAndComesBackFromIt) {
  // Each table holds a number of records of its own, one to ten.
  cDatabaseSet set;
  set.m_vAnime.resize(2);
  set.m_vCharaExc.resize(3);
  set.m_vSwordType.resize(4);
  set.m_vEffect.resize(5);
  set.m_vCharaEffect.resize(6);
  set.m_vScrEffect.resize(7);
  set.m_vPicture.resize(8);
  set.m_vSound.resize(9);
  set.m_vBgm.resize(10);
  ASSERT_EQ(set.SaveDatabaseTables(), 1);
  Bytes anime = ReadFileBytes("data\\database\\Anime.dat");
  std::vector<Bytes> expected = {
      TableFile({NewAnimeSet()}),
      anime,
      TableFile(3, kNewCharaExc, kNewCharaExc),
      TableFile(4, kNewSwordType, kNewSwordType),
      TableFile(5, kNewEffect, kNewEffect),
      TableFile(6, kNewEffectKind, kNoneEffect),
      TableFile(7, kNewEffectKind, kNoneEffect),
      TableFile(8, kNewMedia, kNewMedia),
      TableFile(9, kNewMedia, kNewMedia),
      TableFile(10, kNewMedia, kNewMedia),
  };
  EXPECT_EQ(ToHex(Bytes(anime.begin(), anime.begin() + 8)), "03 03 00 00 02 00 00 00");
  std::vector<Bytes> files = ReadTableFiles();
  for (int i = 0; i < kDatabaseTableCount; ++i) EXPECT_EQ(ToHex(files[i]), ToHex(expected[i])) << kFiles[i];

  cDatabaseSet loaded;
  ASSERT_EQ(loaded.LoadDatabaseTables(), 1);
  std::vector<size_t> counts = {loaded.m_vAnimeSet.size(),    loaded.m_vAnime.size(),     loaded.m_vCharaExc.size(),
                                loaded.m_vSwordType.size(),   loaded.m_vEffect.size(),    loaded.m_vCharaEffect.size(),
                                loaded.m_vScrEffect.size(),   loaded.m_vPicture.size(),   loaded.m_vSound.size(),
                                loaded.m_vBgm.size()};
  EXPECT_EQ(counts, (std::vector<size_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST_F(DatabaseSetTest, SaveLoadSaveIsByteIdentical) {
  cDatabaseSet defaults, filled;
  FillSet(filled);
  for (cDatabaseSet* source : {&defaults, &filled}) {
    ASSERT_EQ(source->SaveDatabaseTables(), 1);
    std::vector<Bytes> first = ReadTableFiles();
    cDatabaseSet loaded;
    loaded.m_vPicture.resize(7);
    ASSERT_EQ(loaded.LoadDatabaseTables(), 1);
    EXPECT_EQ(loaded.m_vPicture.size(), source->m_vPicture.size());
    ASSERT_EQ(loaded.SaveDatabaseTables(), 1);
    std::vector<Bytes> second = ReadTableFiles();
    for (int i = 0; i < kDatabaseTableCount; ++i) EXPECT_EQ(ToHex(second[i]), ToHex(first[i])) << kFiles[i];
  }
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
}

TEST_F(DatabaseSetTest, MissingFileStopsTheLoadAndNamesIt) {
  cDatabaseSet filled;
  FillSet(filled);
  filled.SaveDatabaseTables();
  DeletePath(kCharaEffectFile);

  cDatabaseSet set;
  set.m_vScrEffect[0].m_nKind = 5;
  EXPECT_EQ(set.LoadDatabaseTables(), 0);
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strCaption, "エラー");
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText,
            "data\\database\\CharaEffect.dat の読み込みに失敗しました！\nこのファイルが存在しない場合は「default」フォルダから「data」フォルダへ同名のファイルをコピーして下さい。");
  // The tables before it hold the files; it and the later ones keep what they held.
  EXPECT_EQ(set.m_vAnimeSet.size(), 2u);
  EXPECT_EQ(set.m_vAnime[1].m_nGraphic, 12);
  EXPECT_EQ(set.m_vCharaExc[1].m_bGiant, 1);
  EXPECT_EQ(set.m_vSwordType[0].m_vPos.size(), 3u);
  EXPECT_EQ(set.m_vEffect[1].m_vFrame.size(), 2u);
  EXPECT_EQ(set.m_vCharaEffect[1].m_nKind, 1);
  EXPECT_EQ(set.m_vScrEffect.size(), 2u);
  EXPECT_EQ(set.m_vScrEffect[0].m_nKind, 5) << "entry 0 kinds are reset only after a whole load";
  EXPECT_TRUE(set.m_vPicture[1].m_strName.empty());
}

TEST_F(DatabaseSetTest, LoadAndSaveResetTheNoneEffectKinds) {
  cDatabaseSet written;
  written.SaveDatabaseTables();
  cVector<cScrEffectData> screen(3);
  for (cScrEffectData& effect : screen) effect.m_nKind = 5;
  ASSERT_EQ(SaveTableFile(screen, kScrEffectFile), 1);

  cDatabaseSet set;
  ASSERT_EQ(set.LoadDatabaseTables(), 1);
  ASSERT_EQ(set.m_vScrEffect.size(), 3u);
  EXPECT_EQ(set.m_vScrEffect[0].m_nKind, 0);
  EXPECT_EQ(set.m_vScrEffect[1].m_nKind, 5);
  EXPECT_EQ(set.m_vScrEffect[2].m_nKind, 5);

  set.m_vCharaEffect[0].m_nKind = 9;
  set.SaveDatabaseTables();
  cVector<cCharaEffectData> chara;
  ASSERT_EQ(LoadTableFile(chara, kCharaEffectFile), 1);
  EXPECT_EQ(chara[0].m_nKind, 0);
}

TEST_F(DatabaseSetTest, EmptyEffectTablesGetTheirNoneEntry) {
  cDatabaseSet written;
  written.SaveDatabaseTables();
  cVector<cCharaEffectData> noChara;
  cVector<cScrEffectData> noScreen;
  SaveTableFile(noChara, kCharaEffectFile);
  SaveTableFile(noScreen, kScrEffectFile);

  cDatabaseSet set;
  ASSERT_EQ(set.LoadDatabaseTables(), 1);
  ASSERT_EQ(set.m_vCharaEffect.size(), 1u);
  ASSERT_EQ(set.m_vScrEffect.size(), 1u);
  EXPECT_EQ(set.m_vCharaEffect[0].m_nKind, 0);
  EXPECT_EQ(set.m_vScrEffect[0].m_nKind, 0);

  set.m_vCharaEffect.clear();
  set.m_vScrEffect.clear();
  ASSERT_EQ(set.SaveDatabaseTables(), 1);
  EXPECT_EQ(ToHex(ReadFileBytes(kScrEffectFile)),
            ToHex(Hex("03030000 01000000 02000000 00000000 00000000 00000000 00000000 00000000 00000000 01000000 01000000")));
}

TEST_F(DatabaseSetTest, DamagedFileFailsWithTheBoxAndLeavesNoHalfTable) {
  cDatabaseSet filled;
  FillSet(filled);
  filled.SaveDatabaseTables();
  Bytes good = ReadFileBytes(kAnimeFile);
  Bytes goodSets = ReadFileBytes(kFiles[0]);
  struct cDamage {
    const char* m_pWhat;
    const char* m_pFile;
    Bytes m_Bytes;
  };
  std::vector<cDamage> damage = {
      {"no version", kAnimeFile, Hex("0303")},
      {"cut in the count", kAnimeFile, Bytes(good.begin(), good.begin() + 6)},
      {"cut in entry 1", kAnimeFile, Bytes(good.begin(), good.end() - 30)},
      {"cut by one byte", kAnimeFile, Bytes(good.begin(), good.end() - 1)},
      {"hostile count", kAnimeFile, Cat({Hex("03030000"), U32(0x7FFFFFFF)})},
      {"string past the end", kAnimeFile, Hex("03030000 01000000 03000000 0000 01 0000 01000000 FFFFFF7F 41")},
      {"too many fields", kAnimeFile, Hex("03030000 01000000 09000000 0000 01 0000 00000000 00000000")},
      {"hostile frame count", kAnimeFile, Hex("03030000 01000000 03000000 0000 01 0000 00000000 FFFFFFFF")},
      {"hostile motion count", kFiles[0],
       Cat({Bytes(goodSets.begin(), goodSets.begin() + 32), U32(0x40000000)})},
  };
  for (const cDamage& bad : damage) {
    SCOPED_TRACE(bad.m_pWhat);
    filled.SaveDatabaseTables();
    WriteFileBytes(bad.m_pFile, bad.m_Bytes);
    cDatabaseSet set;
    cWriteStream animeSetsBefore, animesBefore;
    set.m_vAnimeSet.Save(animeSetsBefore);
    set.m_vAnime.Save(animesBefore);
    m_Shell.m_vBoxes.clear();

    EXPECT_EQ(set.LoadDatabaseTables(), 0);
    ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
    EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText.rfind(std::string(bad.m_pFile) + " の読み込みに失敗しました！", 0), 0u);
    cWriteStream animesAfter;
    set.m_vAnime.Save(animesAfter);
    EXPECT_EQ(animesAfter.Bytes(), animesBefore.Bytes()) << "the damaged table keeps what it held";
    if (bad.m_pFile == kAnimeFile) {
      EXPECT_EQ(set.m_vAnimeSet.size(), 2u) << "the table before it was read";
    } else {
      cWriteStream animeSetsAfter;
      set.m_vAnimeSet.Save(animeSetsAfter);
      EXPECT_EQ(animeSetsAfter.Bytes(), animeSetsBefore.Bytes());
    }
    EXPECT_EQ(ReadFileBytes(bad.m_pFile), bad.m_Bytes) << "the file is left as it was";
  }
}

TEST_F(DatabaseSetTest, OldFilesAreSavedWithEveryField) {
  cDatabaseSet written;
  written.SaveDatabaseTables();
  // An anime table of version 54 and a dedicated bitmap table of version 151.
  WriteFileBytes(kAnimeFile, Cat({U32(54), U32(1), Hex("00000000 01000000"), StoredString("なし"), U32(0)}));
  WriteFileBytes("data\\database\\Bmp_CharaExc.dat", Cat({U32(151), U32(1), Body(0, {}, {"竜", "a.bmp"})}));

  cDatabaseSet set;
  ASSERT_EQ(set.LoadDatabaseTables(), 1);
  ASSERT_EQ(set.m_vAnime.size(), 1u);
  EXPECT_EQ(set.m_vAnime[0].m_cGraphicSheet, 1);
  ASSERT_EQ(set.SaveDatabaseTables(), 1);
  EXPECT_EQ(ToHex(ReadFileBytes(kAnimeFile)),
            ToHex(Cat({Hex("03030000 01000000 03000000 0000 01 0000 01000000"), StoredString("なし"), U32(0)})));
  EXPECT_EQ(ToHex(ReadFileBytes("data\\database\\Bmp_CharaExc.dat")),
            ToHex(Cat({Hex("03030000 01000000"), Body(3, Hex("00000000 00000000 02000000"), {"竜", "a.bmp"})})));
}

TEST_F(DatabaseSetTest, SaveWritesWhatItCanAndNamesEveryFileItCouldNot) {
  // A file is written through its temporary beside it: a folder in that place stops the write.
  auto block = [](const char* path) { MakeDirectory((std::string(path) + ".~tmp").c_str()); };
  cDatabaseSet set;
  block("data\\database\\Effect.dat");
  EXPECT_EQ(set.SaveDatabaseTables(), 0) << "a file in the middle fails the save";
  EXPECT_FALSE(FileExists("data\\database\\Effect.dat"));
  EXPECT_FALSE(ReadFileBytes("data\\database\\Bgm.dat").empty()) << "the files after it are still written";
  EXPECT_FALSE(ReadFileBytes(kCharaEffectFile).empty());
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strCaption, "エラー");
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, "データベースのファイルを保存できませんでした！\ndata\\database\\Effect.dat");

  block("data\\database\\Bgm.dat");
  block(kAnimeFile);
  m_Shell.m_vBoxes.clear();
  EXPECT_EQ(set.SaveDatabaseTables(), 0);
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u) << "one box for every failed file";
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText,
            "データベースのファイルを保存できませんでした！\ndata\\database\\Anime.dat\ndata\\database\\Effect.dat"
            "\ndata\\database\\Bgm.dat");
}
