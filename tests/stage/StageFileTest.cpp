// The stage file: its layout, every older version, damaged files, the end-marker check with its
// recovery, and the overwrite save with its safety copy.
#include <algorithm>
#include <functional>
#include <vector>

#include "app/PathUtil.h"
#include "stage/StageFile.h"
#include "tests/support/FileCallFaults.h"
#include "tests/stage/StageTest.h"

namespace {

bool Contains(const Bytes& bytes, const Bytes& part) {
  return std::search(bytes.begin(), bytes.end(), part.begin(), part.end()) != bytes.end();
}

uint32_t U32At(const Bytes& bytes, size_t offset) {
  return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 | static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

cEdBlock Block(int graphic) {
  cEdBlock block;
  block.m_nGraphic = static_cast<int16_t>(graphic);
  return block;
}

cEdItem Item(int graphic) {
  cEdItem item;
  item.m_nGraphic = static_cast<int16_t>(graphic);
  return item;
}

cEdChara Chara(int graphic, int control, int holds) {
  cEdChara chara;
  chara.m_nGraphic = static_cast<int16_t>(graphic);
  chara.m_cControl = static_cast<int8_t>(control);
  chara.m_bHoldItem = static_cast<int8_t>(holds);
  return chara;
}

}  // namespace

using StageFile = StageTest;

TEST_F(StageFile, RecordBodyByVersion) {
  struct Case {
    uint32_t m_nVersion;
    int m_nFields, m_nBytes;
  } cases[] = {{154, 71, 308}, {155, 79, 340}, {165, 79, 340}, {166, 80, 344}, {182, 80, 344},
               {183, 81, 348}, {184, 82, 352}, {198, 82, 352}, {199, 83, 356}, {200, 97, 412},
               {224, 97, 412}, {225, 98, 416}, {771, 98, 416}};
  for (const Case& c : cases) {
    cVector<cFieldDesc> fields = g_StageDoc.Fields(c.m_nVersion);
    int bytes = 0;
    for (const cFieldDesc& field : fields) bytes += field.m_nWidth * field.m_nCount;
    EXPECT_EQ(fields.Count(), c.m_nFields) << c.m_nVersion;
    EXPECT_EQ(bytes, c.m_nBytes) << c.m_nVersion;
  }
}

TEST_F(StageFile, EveryFieldOfEveryVersionLoadsInItsPlace) {
  // Both sides of every version that adds fields, with the number of fields each stores.
  const struct {
    uint32_t m_nVersion, m_nFields;
  } cases[] = {{154, 71}, {155, 79}, {165, 79}, {166, 80}, {182, 80}, {183, 81}, {184, 82},
               {198, 82}, {199, 83}, {200, 97}, {224, 97}, {225, 98}, {771, 98}};
  g_DatabaseSet.m_vBgm.resize(200);  // holds the fixture's BGM number
  cStageDoc source;
  FillDistinct(source);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.m_nVersion);
    EXPECT_EQ(U32At(StageBodyAt(source, c.m_nVersion), 0), c.m_nFields);
    WriteFileBytes("f.stg4", StageFileAt(c.m_nVersion, source));
    ASSERT_TRUE(g_StageDoc.LoadStageFile("f.stg4"));
    for (const cStageField& field : StageFields()) {
      double expected = field.m_nFrom <= c.m_nVersion ? field.m_dValue
                        : field.m_pOldFrom          ? source.*field.m_pOldFrom
                                                    : field.m_dOld;
      EXPECT_EQ(FieldValue(g_StageDoc, field), expected) << field.m_pName;
    }
    EXPECT_EQ(g_StageDoc.m_strName, "面");
  }
}

TEST_F(StageFile, SavedBodyRankingAndRulesAreTheLayout) {
  g_DatabaseSet.m_vBgm.resize(200);
  cStageDoc& stage = g_StageDoc;
  FillDistinct(stage);
  stage.m_vRankingItem = {2, 3, 4, 5, 6};
  for (int k = 0; k < kVanishRuleCount; ++k) {
    cAutoVanishData& rule = stage.m_aAutoVanish[k];
    int32_t* values[] = {&rule.m_bLeft, &rule.m_bRight, &rule.m_bTop, &rule.m_bBottom,
                         &rule.m_nLeft, &rule.m_nRight, &rule.m_nTop, &rule.m_nBottom};
    for (int i = 0; i < 8; ++i) *values[i] = 10 * (k + 1) + i;
  }
  Bytes expected = Cat({U32(771), StageBodyAt(stage, 771), U32(5), I32Bytes(2), I32Bytes(3), I32Bytes(4), I32Bytes(5),
                        I32Bytes(6)});
  for (const cAutoVanishData& rule : stage.m_aAutoVanish) expected = Cat({expected, AutoVanishBodyAt(rule, 771)});
  ASSERT_TRUE(stage.SaveFile("s.stg4_771"));
  Bytes file = ReadFileBytes("s.stg4_771");
  ASSERT_GT(file.size(), expected.size());
  EXPECT_EQ(ToHex(Bytes(file.begin(), file.begin() + static_cast<long>(expected.size()))), ToHex(expected));

  cStageDoc loaded;
  ASSERT_TRUE(loaded.LoadStageFile("s.stg4_771"));
  for (int k = 0; k < kVanishRuleCount; ++k) {
    const cAutoVanishData& rule = loaded.m_aAutoVanish[k];
    EXPECT_EQ(ToHex(AutoVanishBodyAt(rule, 771)), ToHex(AutoVanishBodyAt(stage.m_aAutoVanish[k], 771))) << k;
  }
}

TEST_F(StageFile, SavedLayout) {
  cStageDoc& stage = g_StageDoc;
  stage.m_strName = "面";
  stage.m_bNoClearWait = 1;
  stage.m_vBlockLayer.At(stage.CellIndex(3, 2)) = Block(9);
  ASSERT_TRUE(stage.SaveFile("s.stg4_771"));
  Bytes file = ReadFileBytes("s.stg4_771");
  EXPECT_EQ(U32At(file, 0), 771u);
  EXPECT_EQ(U32At(file, 4), 98u);
  // Width, pitch, shift and height lead; gravity is the one double among the first 24 fields.
  EXPECT_EQ(ToHex(Bytes(file.begin() + 8, file.begin() + 24)), "14 00 00 00 20 00 00 00 05 00 00 00 0F 00 00 00");
  EXPECT_EQ(ToHex(Bytes(file.begin() + 88, file.begin() + 96)), "9A 99 99 99 99 99 D9 3F");
  // The status window comes before the clear without waiting; the undo depth is field 84.
  EXPECT_EQ(U32At(file, 128), 1u);
  EXPECT_EQ(U32At(file, 132), 1u);
  EXPECT_EQ(U32At(file, 344), 1u);
  EXPECT_EQ(ToHex(Bytes(file.begin() + 424, file.begin() + 431)), "01 00 00 00 03 00 00");
  EXPECT_EQ(ToHex(Bytes(file.end() - 4, file.end())), "15 CD 5B 07");
  // One block, at cell 2 x 32 + 3, carrying its column and row.
  cEdBlock placed = Block(9);
  placed.m_nCellX = 3;
  placed.m_nCellY = 2;
  EXPECT_TRUE(Contains(file, Cat({U32(1), U32(67), SavedBytes(placed), U32(0)})));

  // Loading and saving again gives the same bytes.
  ASSERT_TRUE(stage.LoadStageFile("s.stg4_771"));
  ASSERT_TRUE(stage.SaveFile("again.stg4_771"));
  EXPECT_EQ(ToHex(ReadFileBytes("again.stg4_771")), ToHex(file));
}

TEST_F(StageFile, HeldItems) {
  cStageDoc& stage = g_StageDoc;
  for (int x : {1, 4, 6, 8}) stage.m_vItemLayer.At(stage.CellIndex(x, 0)) = Item(2);
  struct Case {
    int m_nX;
    cEdChara m_Chara;
    int m_nHeld;
  } cases[] = {
      {6, Chara(1, 1, 1), 2},   // on the third item in reading order
      {1, Chara(1, 1, 1), 0},
      {8, Chara(1, 0, 1), -1},  // the player holds nothing
      {4, Chara(1, 1, 0), -1},  // does not hold
      {5, Chara(1, 1, 1), -1},  // no item here
  };
  for (const Case& c : cases) stage.m_vCharaLayer.At(stage.CellIndex(c.m_nX, 0)) = c.m_Chara;
  ASSERT_TRUE(stage.SaveFile("s.stg4_771"));
  cStageDoc loaded;
  ASSERT_TRUE(loaded.LoadStageFile("s.stg4_771"));
  for (const Case& c : cases) EXPECT_EQ(loaded.m_vCharaLayer.Get(loaded.CellIndex(c.m_nX, 0)).m_nHeldItem, c.m_nHeld) << c.m_nX;
}

TEST_F(StageFile, CellsAreResolvedBeforeTheyAreCounted) {
  cStageDoc& stage = g_StageDoc;
  // Stage entry 1 is empty; a placed block follows its graphic and so becomes empty itself.
  stage.m_vStageBlock = {cEdBlock(), cEdBlock()};
  cEdBlock follower = Block(3);
  follower.m_cInheritPalette = kPaletteStage;
  follower.m_nInheritIndex = 1;
  follower.m_bbInherit[2] = 1;
  stage.m_vBlockLayer.At(stage.CellIndex(0, 1)) = follower;
  stage.m_vBlockLayer.At(stage.CellIndex(5, 1)) = Block(4);
  ASSERT_TRUE(stage.SaveFile("s.stg4_771"));
  cStageDoc loaded;
  ASSERT_TRUE(loaded.LoadStageFile("s.stg4_771"));
  EXPECT_EQ(loaded.m_vBlockLayer.Get(loaded.CellIndex(5, 1)).m_nGraphic, 4);
  EXPECT_EQ(loaded.m_vBlockLayer.Get(loaded.CellIndex(0, 1)).m_nGraphic, 0);
}

TEST_F(StageFile, EveryOlderVersionLoads) {
  struct Row {
    uint32_t m_nVersion;
    std::function<void(cStageDoc&)> m_Setup;
    std::function<void(const cStageDoc&)> m_Check;
    int m_nVarNames = 1000;
  };
  const Row rows[] = {
      // Before 125 a rule keeps only its left switch: the others are a new stage's, never the
      // previous stage's.
      {124,
       [](cStageDoc& s) {
         s.m_aAutoVanish[kVanishEnemy].m_bLeft = 1;
         s.m_aAutoVanish[kVanishEnemy].m_nTop = 3;
         s.m_aAutoVanish[kVanishPlayerShot].m_bLeft = 0;
       },
       [](const cStageDoc& s) {
         EXPECT_EQ(s.m_aAutoVanish[kVanishEnemy].m_bLeft, 1);
         EXPECT_EQ(s.m_aAutoVanish[kVanishEnemy].m_bRight, 0);
         EXPECT_EQ(s.m_aAutoVanish[kVanishEnemy].m_nTop, 3);
         EXPECT_EQ(s.m_aAutoVanish[kVanishPlayerShot].m_bLeft, 0);
         EXPECT_EQ(s.m_aAutoVanish[kVanishPlayerShot].m_bRight, 1);
         EXPECT_EQ(s.m_aAutoVanish[kVanishPlayerShot].m_bBottom, 1);
       }},
      {125,
       [](cStageDoc& s) {
         s.m_aAutoVanish[kVanishEnemy].m_bRight = 1;
         s.m_aAutoVanish[kVanishPlayerShot].m_bTop = 0;
       },
       [](const cStageDoc& s) {
         EXPECT_EQ(s.m_aAutoVanish[kVanishEnemy].m_bRight, 1);
         EXPECT_EQ(s.m_aAutoVanish[kVanishEnemy].m_bTop, 0);
         EXPECT_EQ(s.m_aAutoVanish[kVanishPlayerShot].m_bTop, 0);
         EXPECT_EQ(s.m_aAutoVanish[kVanishPlayerShot].m_bRight, 1);
       }},
      // 155: flying boxes against characters take the walking ones; the positions are centred.
      {154,
       [](cStageDoc& s) {
         s.m_nHitPlWalkCharaW = 20, s.m_nHitPlWalkCharaH = 30, s.m_nHitEnWalkCharaW = 14, s.m_nHitEnWalkCharaH = 22;
       },
       [](const cStageDoc& s) {
         EXPECT_EQ(s.m_nHitPlFlyCharaW, 20);
         EXPECT_EQ(s.m_nHitPlFlyCharaH, 30);
         EXPECT_EQ(s.m_nHitEnFlyCharaW, 14);
         EXPECT_EQ(s.m_nHitEnFlyCharaH, 22);
         EXPECT_EQ(s.m_nHitPlWalkCharaPos + s.m_nHitPlFlyCharaPos + s.m_nHitEnWalkCharaPos + s.m_nHitEnFlyCharaPos, 0);
       }},
      {155, [](cStageDoc& s) { s.m_nHitPlFlyCharaW = 7, s.m_nHitEnWalkCharaPos = 1; },
       [](const cStageDoc& s) {
         EXPECT_EQ(s.m_nHitPlFlyCharaW, 7);
         EXPECT_EQ(s.m_nHitEnWalkCharaPos, 1);
         EXPECT_EQ(s.m_bBgmLoop, 1);
       }},
      {166, [](cStageDoc& s) { s.m_bBgmLoop = 0; }, [](const cStageDoc& s) { EXPECT_EQ(s.m_bBgmLoop, 0); }},
      // 173: no end marker before it.
      {172, [](cStageDoc& s) { s.m_strName = "古"; }, [](const cStageDoc& s) { EXPECT_EQ(s.m_strName, "古"); }},
      {173, [](cStageDoc& s) { s.m_strName = "印"; }, [](const cStageDoc& s) { EXPECT_EQ(s.m_strName, "印"); }},
      // 181: five ranking entries, the two new ones off.
      {180, [](cStageDoc& s) { s.m_vRankingItem = {1, 0, 1}; },
       [](const cStageDoc& s) { EXPECT_EQ(s.m_vRankingItem, (cVector<int32_t>{1, 0, 1, 0, 0})); }},
      {181, [](cStageDoc& s) { s.m_vRankingItem = {1, 0, 1, 1, 1}; },
       [](const cStageDoc& s) { EXPECT_EQ(s.m_vRankingItem, (cVector<int32_t>{1, 0, 1, 1, 1})); }},
      // 183, 184: the status window shows, the clear waits.
      {182, [](cStageDoc& s) { s.m_bStatusWindow = 0, s.m_bNoClearWait = 1; },
       [](const cStageDoc& s) {
         EXPECT_EQ(s.m_bStatusWindow, 1);
         EXPECT_EQ(s.m_bNoClearWait, 0);
       }},
      {183, [](cStageDoc& s) { s.m_bStatusWindow = 0, s.m_bNoClearWait = 1; },
       [](const cStageDoc& s) {
         EXPECT_EQ(s.m_bStatusWindow, 0);
         EXPECT_EQ(s.m_bNoClearWait, 0);
       }},
      {184, [](cStageDoc& s) { s.m_bNoClearWait = 1, s.m_bBgmKeep = 1; },
       [](const cStageDoc& s) {
         EXPECT_EQ(s.m_bNoClearWait, 1);
         EXPECT_EQ(s.m_bBgmKeep, 0);
       }},
      // 200: the boxes against blocks, the enemy's taller than a new stage's.
      {199, [](cStageDoc& s) { s.m_bBgmKeep = 1, s.m_nHitEnWalkBlockH = 2; },
       [](const cStageDoc& s) {
         EXPECT_EQ(s.m_bBgmKeep, 1);
         EXPECT_EQ(s.m_nHitEnWalkBlockW, 16);
         EXPECT_EQ(s.m_nHitEnWalkBlockH, 30);
         EXPECT_EQ(s.m_nHitEnFlyBlockH, 30);
         EXPECT_EQ(s.m_nHitEnFlyBlockPos, 1);
         EXPECT_EQ(s.m_nHitPlWalkBlockH, 24);
         EXPECT_EQ(s.m_nHitPlBlockColor, 5);
       }},
      {200, [](cStageDoc& s) { s.m_nHitEnWalkBlockH = 2, s.m_nHitPlBlockColor = 3; },
       [](const cStageDoc& s) {
         EXPECT_EQ(s.m_nHitEnWalkBlockH, 2);
         EXPECT_EQ(s.m_nHitPlBlockColor, 3);
         EXPECT_EQ(s.m_nWheelAxis, 0);
       }},
      {207, [](cStageDoc&) {}, [](const cStageDoc& s) { EXPECT_EQ(s.m_nWheelAxis, 0); }},
      {208, [](cStageDoc& s) { s.m_bShowReady = 1; },
       [](const cStageDoc& s) {
         EXPECT_EQ(s.m_nWheelAxis, 1);
         EXPECT_EQ(s.m_bShowReady, 0);
       }},
      {225, [](cStageDoc& s) { s.m_bShowReady = 1; }, [](const cStageDoc& s) { EXPECT_EQ(s.m_bShowReady, 1); }},
      // 754: a stage names 1,000 variables.
      {753, [](cStageDoc&) {}, [](const cStageDoc& s) { EXPECT_EQ(s.m_vStageVarName.Count(), 1000); }, 3},
      {754, [](cStageDoc&) {}, [](const cStageDoc& s) { EXPECT_EQ(s.m_vStageVarName.Count(), 3); }, 3},
      {771, [](cStageDoc& s) { s.m_nUndoDepth = 4; },
       [](const cStageDoc& s) {
         EXPECT_EQ(s.m_vStageVarName.Count(), 3);
         EXPECT_EQ(s.m_nUndoDepth, 4);
       },
       3},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.m_nVersion);
    cStageDoc source;
    row.m_Setup(source);
    cStageFileParts parts;
    parts.m_nVarNames = row.m_nVarNames;
    WriteFileBytes("old.stg4", StageFileAt(row.m_nVersion, source, parts));
    // Whatever the stage open before held must not show through.
    g_StageDoc.SetDefaults();
    g_StageDoc.m_nWheelAxis = 1;
    for (cAutoVanishData& rule : g_StageDoc.m_aAutoVanish) rule.m_bRight = rule.m_bTop = 7;
    ASSERT_TRUE(g_StageDoc.LoadStageFile("old.stg4"));
    row.m_Check(g_StageDoc);
  }
}

TEST_F(StageFile, TheLoadReadsEveryByteOnBothSidesOfTheEndMarker) {
  // From 173 the file ends with the marker, which the load reads too.
  for (uint32_t version : {172u, 173u, 771u}) {
    SCOPED_TRACE(version);
    cStageDoc source;
    Bytes file = StageFileAt(version, source);
    cVersionReadGuard read(version);
    cReadStream in(Bytes(file.begin() + 4, file.end()));
    cStageDoc loaded;
    loaded.Load(in);
    EXPECT_FALSE(in.Failed());
    EXPECT_TRUE(in.AtEnd());
  }
}

TEST_F(StageFile, DamagedFilesLeaveTheStageAsItWas) {
  cStageDoc source;
  auto file = [&](int width, int height, const Bytes& layers) {
    source.m_nWidth = width;
    source.m_nHeight = height;
    cStageFileParts parts;
    parts.m_Layers = layers;
    parts.m_nVarNames = 2;
    return StageFileAt(kDataVersion, source, parts);
  };
  cEdBlock three = Block(3);
  Bytes block = SavedBytes(three);
  Bytes empty = Cat({U32(0), U32(0)});
  struct Case {
    const char* m_pName;
    Bytes m_File;
  } cases[] = {
      {"width 0", file(0, 15, Cat({U32(0), empty}))},
      {"width 513", file(513, 15, Cat({U32(0), empty}))},
      {"height 600", file(20, 600, Cat({U32(0), empty}))},
      {"cell outside the layer", file(20, 15, Cat({U32(1), U32(32 * 15), block, empty}))},
      {"cell in a spare column", file(20, 15, Cat({U32(1), U32(20), block, empty}))},
      {"count beyond the bytes", file(20, 15, Cat({U32(100000), U32(3), block, empty}))},
      {"truncated record", file(20, 15, Cat({U32(1), U32(3), Bytes(block.begin(), block.begin() + 9)}))},
  };
  g_StageDoc.m_strName = "元";
  g_StageDoc.m_vBlockLayer.At(5) = Block(2);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pName);
    WriteFileBytes("bad.stg4_771", c.m_File);
    EXPECT_FALSE(g_StageDoc.LoadStageFile("bad.stg4_771"));
    EXPECT_EQ(g_StageDoc.m_strName, "元");
    EXPECT_EQ(g_StageDoc.m_nWidth, 20);
    EXPECT_EQ(g_StageDoc.m_vBlockLayer.Get(5).m_nGraphic, 2);
  }
  // Every prefix of a good file fails too.
  Bytes good = file(20, 15, Cat({U32(1), U32(3), block, empty}));
  for (size_t n = 0; n < good.size(); n += 13) {
    WriteFileBytes("cut.stg4_771", Bytes(good.begin(), good.begin() + n));
    EXPECT_FALSE(g_StageDoc.LoadStageFile("cut.stg4_771")) << n;
  }
  WriteFileBytes("good.stg4_771", good);
  EXPECT_TRUE(g_StageDoc.LoadStageFile("good.stg4_771"));
  EXPECT_EQ(g_StageDoc.m_vBlockLayer.Get(3).m_nGraphic, 3);
}

TEST_F(StageFile, WholeOlderAndMissingFilesPassTheEndMarkerCheckUntouched) {
  MakeDirectory("data");
  MakeDirectory("data\\stg4");
  const char* path = "data\\stg4\\a.stg4_771";
  cStageDoc source;
  Bytes whole = StageFileAt(kDataVersion, source);
  Bytes old173 = StageFileAt(173, source);
  old173.back() = 0;
  for (const Bytes& bytes : {whole, old173}) {
    WriteFileBytes(path, bytes);
    EXPECT_TRUE(CheckStageFile(path));
    EXPECT_EQ(ReadFileBytes(path), bytes);
  }
  EXPECT_TRUE(CheckStageFile("data\\stg4\\none.stg4_771"));
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
}

TEST_F(StageFile, EachStageFileHasASafetyCopyNameOfItsOwn) {
  const struct {
    const char* m_pStage;
    const char* m_pCopy;
  } rows[] = {
      // Directly in data\stg4\: the names that earlier saves gave, so their copies still recover.
      {"data\\stg4\\a.stg4_771", "data\\work\\a.stg4_771"},
      {".\\data\\stg4\\a.stg4_771", "data\\work\\a.stg4_771"},
      {"data\\stg4\\a~b.stg4_771", "data\\work\\a~b.stg4_771"},
      {"data\\stg4\\ソ表.stg4_771", "data\\work\\ソ表.stg4_771"},  // trail bytes 5C are no separators
      // Any other stage: its whole path in one name, which begins with '~'.
      {"data\\stg4\\sub\\other.stg4_771", "data\\work\\~data~bstg4~bsub~bother.stg4_771"},
      {"data\\stg4\\~x.stg4_771", "data\\work\\~data~bstg4~b~tx.stg4_771"},
      {"data\\stg4\\表\\a.stg4_771", "data\\work\\~data~bstg4~b表~ba.stg4_771"},
      {"stages\\a.stg4_771", "data\\work\\~stages~ba.stg4_771"},
      {"D:\\games/a.stg4_771", "data\\work\\~D~c~bgames~fa.stg4_771"},
  };
  for (const auto& row : rows) EXPECT_EQ(SafetyCopyPath(row.m_pStage), row.m_pCopy) << row.m_pStage;

  // Stages that differ only where a plain name and an escaped one could meet still differ.
  const char* const stages[] = {
      "data\\stg4\\other.stg4_771",   "data\\stg4\\sub\\other.stg4_771", "other.stg4_771",
      "sub\\other.stg4_771",          "data\\stg4\\~data~bstg4~bsub~bother.stg4_771",
      "data\\stg4\\sub~bother.stg4_771", "data\\stg4\\sub/other.stg4_771", "data\\stg4\\~tother.stg4_771",
  };
  std::vector<cString> copies;
  for (const char* stage : stages) copies.push_back(SafetyCopyPath(stage));
  std::sort(copies.begin(), copies.end());
  EXPECT_EQ(std::adjacent_find(copies.begin(), copies.end()), copies.end());
}

TEST_F(StageFile, ABrokenStageIsRecoveredOnlyFromItsOwnCopyAndIsKeptBesideIt) {
  MakeDirectory("data");
  MakeDirectory("data\\stg4");
  MakeDirectory("data\\stg4\\sub");
  MakeDirectory("data\\work");
  cStageDoc older, newer, another;
  older.m_strName = "控";
  newer.m_strName = "新";
  another.m_strName = "別";
  const Bytes copyBytes = StageFileAt(kDataVersion, older);
  const Bytes otherBytes = StageFileAt(kDataVersion, another);
  Bytes newerWhole = StageFileAt(kDataVersion, newer);
  // The newer stage whole but for its last bytes, as an interrupted write leaves it.
  const Bytes broken(newerWhole.begin(), newerWhole.end() - 2);
  const std::string recovered = "\n※ただし、前回の更新内容が保存されていない可能性があります…\n破損したファイルは ";
  const struct {
    const char* m_pName;
    const char* m_pStage;
    const char* m_pCopy;       // the copy lying in data\work\, if any
    const Bytes* m_pCopyBytes;
    const char* m_pEarlier;    // a broken file kept at an earlier recovery, if any
    const char* m_pKeptAs;     // where the broken file is kept; null: not recovered
    std::string m_strBox;
  } rows[] = {
      {"its own copy, in data\\stg4", "data\\stg4\\a.stg4_771", "data\\work\\a.stg4_771", &copyBytes, nullptr,
       "data\\stg4\\a.stg4_771.broken",
       "破損ファイル data\\stg4\\a.stg4_771 を復旧しました！" + recovered + "data\\stg4\\a.stg4_771.broken として残してあります。"},
      {"its own copy, in a subfolder", "data\\stg4\\sub\\other.stg4_771", "data\\work\\~data~bstg4~bsub~bother.stg4_771",
       &copyBytes, nullptr, "data\\stg4\\sub\\other.stg4_771.broken",
       "破損ファイル data\\stg4\\sub\\other.stg4_771 を復旧しました！" + recovered +
           "data\\stg4\\sub\\other.stg4_771.broken として残してあります。"},
      {"an earlier broken file stays too", "data\\stg4\\a.stg4_771", "data\\work\\a.stg4_771", &copyBytes,
       "data\\stg4\\a.stg4_771.broken", "data\\stg4\\a.stg4_771.broken2",
       "破損ファイル data\\stg4\\a.stg4_771 を復旧しました！" + recovered + "data\\stg4\\a.stg4_771.broken2 として残してあります。"},
      {"the copy of another stage of the same name", "data\\stg4\\sub\\other.stg4_771", "data\\work\\other.stg4_771",
       &otherBytes, nullptr, nullptr,
       "破損ファイル data\\stg4\\sub\\other.stg4_771 を復旧できませんでした！\n「data\\work\\」にバックアップファイルがありません。"},
      {"no copy", "data\\stg4\\a.stg4_771", nullptr, nullptr, nullptr, nullptr,
       "破損ファイル data\\stg4\\a.stg4_771 を復旧できませんでした！\n「data\\work\\」にバックアップファイルがありません。"},
  };
  const Bytes earlierBytes = Hex("03 03 00 00 0E");
  for (const auto& row : rows) {
    SCOPED_TRACE(row.m_pName);
    WriteFileBytes(row.m_pStage, broken);
    if (row.m_pCopy) WriteFileBytes(row.m_pCopy, *row.m_pCopyBytes);
    if (row.m_pEarlier) WriteFileBytes(row.m_pEarlier, earlierBytes);
    m_Shell.m_vBoxes.clear();
    g_StageDoc.m_strName = "前";

    EXPECT_EQ(LoadStage(row.m_pStage), row.m_pKeptAs ? 1 : 0);
    ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
    EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, row.m_strBox);
    EXPECT_EQ(m_Shell.m_vBoxes[0].m_strCaption, row.m_pKeptAs ? "ファイルの復旧" : "エラー");
    if (row.m_pKeptAs) {
      EXPECT_EQ(ReadFileBytes(row.m_pStage), copyBytes);
      EXPECT_EQ(ReadFileBytes(row.m_pKeptAs), broken) << "the broken file is never thrown away";
      EXPECT_FALSE(FileThere(row.m_pCopy));
      EXPECT_EQ(g_StageDoc.m_strName, "控");
    } else {
      EXPECT_EQ(ReadFileBytes(row.m_pStage), broken) << "left as it is";
      EXPECT_FALSE(FileThere(std::string(row.m_pStage) + ".broken"));
      if (row.m_pCopy) {
        EXPECT_EQ(ReadFileBytes(row.m_pCopy), *row.m_pCopyBytes) << "another stage's copy stays";
      }
      EXPECT_EQ(g_StageDoc.m_strName, "前");
    }
    if (row.m_pEarlier) {
      EXPECT_EQ(ReadFileBytes(row.m_pEarlier), earlierBytes);
    }
    for (const char* file : {row.m_pStage, row.m_pCopy, row.m_pKeptAs, row.m_pEarlier})
      if (file) DeletePath(file);
  }
}

TEST_F(StageFile, TheCopyOfAnUnfinishedSaveInASubfolderRecoversThatStageAlone) {
  MakeDirectory("data");
  MakeDirectory("data\\stg4");
  MakeDirectory("data\\stg4\\sub");
  const char* path = "data\\stg4\\sub\\x.stg4_771";
  g_StageDoc.m_strName = "一";
  ASSERT_TRUE(g_StageDoc.SaveFile(path));
  const Bytes first = ReadFileBytes(path);
  g_StageEditState.m_strStagePath = path;
  g_StageEditState.m_bStageModified = 1;
  g_StageDoc.m_strName = "二";
  // The write stops: the copy stays under the stage's own name, never under its bare file name.
  MakeDirectory((std::string(path) + ".~tmp").c_str());
  EXPECT_FALSE(SaveStageOver(g_StageDoc, g_StageEditState));
  EXPECT_EQ(ReadFileBytes("data\\work\\~data~bstg4~bsub~bx.stg4_771"), first);
  EXPECT_FALSE(FileThere("data\\work\\x.stg4_771"));

  Bytes broken(first.begin(), first.end() - 1);
  WriteFileBytes(path, broken);
  m_Shell.m_vBoxes.clear();
  EXPECT_TRUE(LoadStage(path));
  EXPECT_EQ(g_StageDoc.m_strName, "一");
  EXPECT_EQ(ReadFileBytes(std::string(path) + ".broken"), broken);
}

TEST_F(StageFile, EndMarkerIsCheckedFrom174On) {
  MakeDirectory("data");
  MakeDirectory("data\\stg4");
  MakeDirectory("data\\work");
  const char* path = "data\\stg4\\e.stg4_771";
  const char* copy = "data\\work\\e.stg4_771";
  cStageDoc source;
  source.m_strName = "控";
  Bytes good = StageFileAt(kDataVersion, source);
  const struct {
    uint32_t m_nVersion;
    bool m_bChecked;
  } cases[] = {{173, false}, {174, true}, {771, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.m_nVersion);
    Bytes broken = StageFileAt(c.m_nVersion, source);
    broken.back() = 0;  // the marker's last byte
    WriteFileBytes(path, broken);
    WriteFileBytes(copy, good);
    m_Shell.m_vBoxes.clear();
    EXPECT_TRUE(CheckStageFile(path));
    EXPECT_EQ(ReadFileBytes(path), c.m_bChecked ? good : broken);
    EXPECT_EQ(FileThere(copy), !c.m_bChecked);
    EXPECT_EQ(m_Shell.m_vBoxes.size(), c.m_bChecked ? 1u : 0u);
  }
}

TEST_F(StageFile, OverwriteSaveKeepsASafetyCopyUntilTheFileIsWhole) {
  MakeDirectory("data");
  MakeDirectory("data\\stg4");
  const char* path = "data\\stg4\\b.stg4_771";
  const char* copy = "data\\work\\b.stg4_771";
  g_StageDoc.m_strName = "一";
  ASSERT_TRUE(g_StageDoc.SaveFile(path));
  Bytes first = ReadFileBytes(path);
  cStageEditState& state = g_StageEditState;
  state.m_strStagePath = path;

  // Unchanged: nothing is written.
  g_StageDoc.m_strName = "二";
  state.m_bStageModified = 0;
  EXPECT_TRUE(SaveStageOver(g_StageDoc, state));
  EXPECT_EQ(ReadFileBytes(path), first);

  // Changed: written, the copy gone, the flag cleared.
  state.m_bStageModified = 1;
  EXPECT_TRUE(SaveStageOver(g_StageDoc, state));
  Bytes second = ReadFileBytes(path);
  EXPECT_NE(second, first);
  EXPECT_FALSE(FileThere(copy));
  EXPECT_EQ(state.m_bStageModified, 0);

  // A write that fails: the file and the safety copy stay whole, the flag stays, the user is told.
  MakeDirectory((std::string(path) + ".~tmp").c_str());
  g_StageDoc.m_strName = "三";
  state.m_bStageModified = 1;
  EXPECT_FALSE(SaveStageOver(g_StageDoc, state));
  EXPECT_EQ(ReadFileBytes(path), second);
  EXPECT_EQ(ReadFileBytes(copy), second);
  EXPECT_EQ(state.m_bStageModified, 1);
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
  EXPECT_NE(m_Shell.m_vBoxes[0].m_strText.find("data\\stg4\\b.stg4_771 の保存に失敗しました"), std::string::npos);
  EXPECT_EQ(g_StageDoc.m_strName, "三");
}

TEST_F(StageFile, EveryFailedFileCallOfTheOverwriteSaveKeepsTheStage) {
  MakeDirectory("data");
  MakeDirectory("data\\stg4");
  const char* path = "data\\stg4\\c.stg4_771";
  const char* copy = "data\\work\\c.stg4_771";
  g_StageDoc.m_strName = "前";
  ASSERT_TRUE(g_StageDoc.SaveFile(path));
  Bytes before = ReadFileBytes(path);
  cStageEditState& state = g_StageEditState;
  state.m_strStagePath = path;
  g_StageDoc.m_strName = "後";
  // The safety copy and the stage are each written through a checked save; a failure in either
  // keeps the stage file, the modified flag, and a copy only when it is whole.
  int calls = ExpectEveryFailureKeepsTheFile(
      path, [&] { return SaveStageOver(g_StageDoc, state); },
      [&] {
        state.m_bStageModified = 1;
        DeletePath(copy);
      },
      [&] {
        EXPECT_EQ(state.m_bStageModified, 1);
        if (FileThere(copy)) {
          EXPECT_TRUE(ReadFileBytes(copy) == before) << "a safety copy is whole";
        }
      });
  EXPECT_EQ(calls, 8) << "write, flush, close, rename of the copy, then of the stage";
  g_StageDoc.m_strName = "";
  ASSERT_TRUE(g_StageDoc.LoadStageFile(path));
  EXPECT_EQ(g_StageDoc.m_strName, "後");
}

TEST_F(StageFile, AStopBetweenAnyTwoStepsOfTheOverwriteSaveLeavesAWholeStage) {
  MakeDirectory("data");
  MakeDirectory("data\\stg4");
  const char* path = "data\\stg4\\d.stg4_771";
  g_StageDoc.m_strName = "前";
  ASSERT_TRUE(g_StageDoc.SaveFile(path));
  Bytes before = ReadFileBytes(path);
  g_StageEditState.m_strStagePath = path;
  g_StageEditState.m_bStageModified = 1;
  g_StageDoc.m_strName = "後";
  std::vector<Bytes> seen;
  {
    cFileCallFaults watch(0, [&] { seen.push_back(ReadFileBytes(path)); });
    ASSERT_TRUE(SaveStageOver(g_StageDoc, g_StageEditState));
  }
  Bytes after = ReadFileBytes(path);
  ASSERT_NE(after, before);
  ASSERT_EQ(seen.size(), 8u);
  for (size_t k = 0; k < seen.size(); ++k) EXPECT_TRUE(seen[k] == before || seen[k] == after) << "stopped before call " << k + 1;
}

TEST_F(StageFile, AStoppedWorkerLeavesTheStage) {
  cStageDoc source;
  source.m_strName = "新";
  source.m_vBlockLayer.At(3) = Block(5);
  ASSERT_TRUE(source.SaveFile("s.stg4_771"));
  g_StageDoc.m_strName = "旧";
  EXPECT_FALSE(g_StageDoc.LoadStageFile("s.stg4_771", [] { return 1; }));
  EXPECT_EQ(g_StageDoc.m_strName, "旧");
  EXPECT_TRUE(BeginStageLoad("s.stg4_771"));
  EXPECT_TRUE(StageLoadThreadProc([] { return 0; }));
  EXPECT_TRUE(FinishStageLoad());
  EXPECT_EQ(g_StageDoc.m_strName, "新");
  EXPECT_EQ(g_StageDoc.m_vBlockLayer.Get(3).m_nGraphic, 5);
}
