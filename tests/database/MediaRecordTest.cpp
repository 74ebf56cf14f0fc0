#include <array>
#include <vector>

#include "database/cCharaEffectData.h"
#include "database/cCharaExcData.h"
#include "database/cEffectData.h"
#include "database/cPictureData.h"
#include "database/cSwordTypeData.h"
#include "tests/database/RecordFixture.h"

namespace {

using MediaRecordTest = RecordTest;

// A sword position of ten fields: offsets 1, 2, the two flips, direction 3, rectangle, time 9.
Bytes Position(const char* flips) {
  return Cat({Hex("0A000000 01000000 02000000"), Hex(flips), Hex("03000000 04000000 05000000 06000000 07000000 09000000"),
              Hex("00000000")});
}

template <class T>
void CheckMediaFileRows() {
  struct cRow {
    uint32_t m_nVersion;
    Bytes m_Body;
    const char* m_pName;
    const char* m_pPath;
    int32_t m_bSame;
    bool m_bSavedAsRead;
  };
  const char* name = "森";
  const char* path = "bmp\\picture\\森.bmp";
  std::vector<cRow> rows = {
      {150, Body(0, {}, {name, path}), name, path, 0, false},
      // The flag exists from 151 on, but flags stored before 153 start off.
      {151, Body(1, U32(1), {name, path}), name, path, 0, false},
      {153, Body(1, U32(1), {name, path}), name, path, 1, true},
      {kDataVersion, Body(1, U32(1), {name, path}), name, path, 1, true},
      {kDataVersion, Body(1, U32(0), {"", ""}), "", "", 0, true},
  };
  for (const cRow& row : rows) {
    SCOPED_TRACE(row.m_nVersion);
    T record = LoadBody<T>(row.m_nVersion, row.m_Body);
    EXPECT_EQ(record.m_strName, row.m_pName);
    EXPECT_EQ(record.m_strPath, row.m_pPath);
    EXPECT_EQ(record.m_bSameAsFileName, row.m_bSame);
    if (row.m_bSavedAsRead) {
      EXPECT_EQ(ToHex(SavedBytes(record)), ToHex(row.m_Body));
    }
    ExpectStableSave(record);
  }
}

}  // namespace

TEST_F(MediaRecordTest, PictureSoundAndBgmBodies) {
  CheckMediaFileRows<cPictureData>();
  CheckMediaFileRows<cSoundData>();
  CheckMediaFileRows<cBgmData>();
  cBgmData bgm;
  EXPECT_EQ(ToHex(SavedBytes(bgm)), "01 00 00 00 00 00 00 00 02 00 00 00 01 00 00 00 01 00 00 00");
}

TEST_F(MediaRecordTest, CharaExcBodies) {
  struct cRow {
    uint32_t m_nVersion;
    Bytes m_Body;
    std::array<int32_t, 3> m_anFields;  // same-as-file-name, giant, giant size
    bool m_bSavedAsRead;
  };
  std::vector<cRow> rows = {
      {151, Body(0, {}, {"竜", "bmp\\chara_sp\\竜.bmp"}), {0, 0, 2}, false},
      {152, Body(1, U32(1), {"竜", "bmp\\chara_sp\\竜.bmp"}), {0, 0, 2}, false},
      {153, Body(1, U32(1), {"竜", "bmp\\chara_sp\\竜.bmp"}), {1, 0, 2}, false},
      {160, Body(1, U32(1), {"竜", "bmp\\chara_sp\\竜.bmp"}), {1, 0, 2}, false},
      {172, Body(3, Hex("01000000 01000000 05000000"), {"竜", "bmp\\chara_sp\\竜.bmp"}), {1, 1, 5}, true},
      {kDataVersion, Body(3, Hex("00000000 01000000 0A000000"), {"竜", "bmp\\chara_sp\\竜.bmp"}), {0, 1, 10}, true},
  };
  for (const cRow& row : rows) {
    SCOPED_TRACE(row.m_nVersion);
    cCharaExcData record = LoadBody<cCharaExcData>(row.m_nVersion, row.m_Body);
    EXPECT_EQ(record.m_strName, "竜");
    EXPECT_EQ(record.m_strPath, "bmp\\chara_sp\\竜.bmp");
    EXPECT_EQ(record.m_bSameAsFileName, row.m_anFields[0]);
    EXPECT_EQ(record.m_bGiant, row.m_anFields[1]);
    EXPECT_EQ(record.m_nGiantSize, row.m_anFields[2]);
    if (row.m_bSavedAsRead) {
      EXPECT_EQ(ToHex(SavedBytes(record)), ToHex(row.m_Body));
    }
    ExpectStableSave(record);
  }
}

TEST_F(MediaRecordTest, SwordTypeBodies) {
  struct cRow {
    uint32_t m_nVersion;
    Bytes m_Body;
    int32_t m_bSame;
    std::array<int32_t, 2> m_anFlips;  // of the first position
    bool m_bSavedAsRead;
  };
  // Before 138 a position has eight fields: no flips.
  Bytes oldPosition = Hex("08000000 01000000 02000000 03000000 04000000 05000000 06000000 07000000 09000000 00000000");
  std::vector<cRow> rows = {
      {137, Cat({Body(0, {}, {"剣", "l.bmp", "r.bmp"}), U32(1), oldPosition}), 0, {1, 0}, false},
      {138, Cat({Body(0, {}, {"剣", "l.bmp", "r.bmp"}), U32(1), Position("00000000 01000000")}), 0, {0, 1}, false},
      {151, Cat({Body(1, U32(1), {"剣", "l.bmp", "r.bmp"}), U32(1), Position("00000000 01000000")}), 0, {0, 1}, false},
      {153, Cat({Body(1, U32(1), {"剣", "l.bmp", "r.bmp"}), U32(1), Position("00000000 01000000")}), 1, {0, 1}, true},
      {kDataVersion,
       Cat({Body(1, U32(0), {"剣", "l.bmp", "r.bmp"}), U32(2), Position("01000000 00000000"), Position("00000000 00000000")}),
       0, {1, 0}, true},
  };
  for (const cRow& row : rows) {
    SCOPED_TRACE(row.m_nVersion);
    cSwordTypeData sword = LoadBody<cSwordTypeData>(row.m_nVersion, row.m_Body);
    EXPECT_EQ(sword.m_strName, "剣");
    EXPECT_EQ(sword.m_strPathLeft, "l.bmp");
    EXPECT_EQ(sword.m_strPathRight, "r.bmp");
    EXPECT_EQ(sword.m_bSameAsFileName, row.m_bSame);
    ASSERT_GE(sword.m_vPos.size(), 1u);
    const cSwordPosData& pos = sword.m_vPos[0];
    EXPECT_EQ(pos.m_bFlipX, row.m_anFlips[0]);
    EXPECT_EQ(pos.m_bFlipY, row.m_anFlips[1]);
    std::array<int32_t, 8> rest = {pos.m_nOffsetX, pos.m_nOffsetY, pos.m_nDirection, pos.m_nSrcX,
                                   pos.m_nSrcY,    pos.m_nWidth,   pos.m_nHeight,    pos.m_nTime};
    EXPECT_EQ(rest, (std::array<int32_t, 8>{1, 2, 3, 4, 5, 6, 7, 9}));
    if (row.m_bSavedAsRead) {
      EXPECT_EQ(ToHex(SavedBytes(sword)), ToHex(row.m_Body));
    }
    ExpectStableSave(sword);
  }
}

TEST_F(MediaRecordTest, SwordDefaults) {
  cSwordPosData pos;
  EXPECT_EQ(ToHex(SavedBytes(pos)), ToHex(Cat({Hex("0A000000 00000000 00000000 01000000"), Bytes(32, 0)})));
  cSwordTypeData sword;
  ASSERT_EQ(sword.m_vPos.size(), 1u);
  EXPECT_EQ(sword.m_vPos[0].m_bFlipX, 1);
  EXPECT_EQ(sword.m_vPos[0].m_nTime, 1);
  sword.m_vPos.resize(4);
  sword.m_strPathLeft = "a.bmp";
  sword.SetDefaults();
  EXPECT_EQ(sword.m_vPos.size(), 1u);
  EXPECT_TRUE(sword.m_strPathLeft.empty());
  EXPECT_EQ(SwordDirNames[0], "前");
  EXPECT_EQ(SwordDirNames[3], "下");
  EXPECT_TRUE(SwordDirNames[4].empty());
}

TEST_F(MediaRecordTest, EffectBodies) {
  struct cRow {
    uint32_t m_nVersion;
    Bytes m_Body;
    int32_t m_bSame;
    bool m_bSavedAsRead;
  };
  Bytes sizes = Hex("40000000 20000000 01000000");  // 64 x 32, giant allowed
  Bytes frames = Hex("02000000 02000000 03000000 00000000 00000000 02000000 00000000 02000000 00000000");
  std::vector<cRow> rows = {
      {150, Cat({Body(3, sizes, {"炎", "bmp\\effect\\炎.bmp"}), frames}), 0, false},
      {151, Cat({Body(4, Cat({U32(1), sizes}), {"炎", "bmp\\effect\\炎.bmp"}), frames}), 0, false},
      {153, Cat({Body(4, Cat({U32(1), sizes}), {"炎", "bmp\\effect\\炎.bmp"}), frames}), 1, true},
      {kDataVersion, Cat({Body(4, Cat({U32(1), sizes}), {"炎", "bmp\\effect\\炎.bmp"}), frames}), 1, true},
  };
  for (const cRow& row : rows) {
    SCOPED_TRACE(row.m_nVersion);
    cEffectData effect = LoadBody<cEffectData>(row.m_nVersion, row.m_Body);
    EXPECT_EQ(effect.m_strName, "炎");
    EXPECT_EQ(effect.m_strPath, "bmp\\effect\\炎.bmp");
    EXPECT_EQ(effect.m_bSameAsFileName, row.m_bSame);
    EXPECT_EQ(effect.m_nCellWidth, 64);
    EXPECT_EQ(effect.m_nCellHeight, 32);
    EXPECT_EQ(effect.m_bAllowGiant, 1);
    ASSERT_EQ(effect.m_vFrame.size(), 2u);
    EXPECT_EQ(effect.m_vFrame[0].m_nCell, 3);
    EXPECT_EQ(effect.m_vFrame[0].m_nTime, 0);
    EXPECT_EQ(effect.m_vFrame[1].m_nCell, 0);
    EXPECT_EQ(effect.m_vFrame[1].m_nTime, 2);
    if (row.m_bSavedAsRead) {
      EXPECT_EQ(ToHex(SavedBytes(effect)), ToHex(row.m_Body));
    }
    ExpectStableSave(effect);
  }
}

TEST_F(MediaRecordTest, EffectDefaultsKeepFrames) {
  cEffectData effect;
  EXPECT_TRUE(effect.m_vFrame.empty());
  EXPECT_EQ(effect.m_nCellWidth, 32);
  EXPECT_EQ(effect.m_nCellHeight, 32);
  cEffectFrameData frame;
  EXPECT_EQ(frame.m_nTime, 1);

  effect.m_vFrame.resize(3);
  effect.m_nCellWidth = 100;
  effect.m_bAllowGiant = 1;
  effect.m_strName = "x";
  effect.SetDefaults();
  EXPECT_EQ(effect.m_vFrame.size(), 3u);
  EXPECT_EQ(effect.m_nCellWidth, 32);
  EXPECT_EQ(effect.m_bAllowGiant, 0);
  EXPECT_TRUE(effect.m_strName.empty());
}

TEST_F(MediaRecordTest, CharaExcDefaults) {
  cCharaExcData record;
  EXPECT_EQ(ToHex(SavedBytes(record)), "03 00 00 00 00 00 00 00 00 00 00 00 02 00 00 00 02 00 00 00 01 00 00 00 01 00 00 00");
}

TEST_F(MediaRecordTest, EffectKindBodiesAndUpgrade) {
  struct cRow {
    bool m_bScreen;
    uint32_t m_nVersion;
    int32_t m_nKind;
    std::array<int32_t, 5> m_anStored;
    std::array<int32_t, 5> m_anLoaded;
  };
  std::vector<cRow> rows = {
      // Up to 510 the waves take the default roughness and the circle its default coarseness.
      {false, 510, 4, {5, 0, 32, 2, 0}, {5, 0, 32, 2, 2}},
      {false, 511, 4, {5, 0, 32, 2, 0}, {5, 0, 32, 2, 0}},
      {false, 100, 5, {1, 2, 3, 4, 9}, {1, 2, 3, 4, 2}},
      {false, 510, 10, {5, 32, 0, 0, 0}, {5, 32, 0, 2, 0}},
      {false, 510, 6, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}},
      {false, kDataVersion, 10, {5, 32, 0, 0, 7}, {5, 32, 0, 0, 7}},
      {true, 300, 10, {1, 2, 3, 4, 5}, {1, 2, 3, 8, 5}},
      {true, 510, 6, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 8}},
      {true, 510, 7, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 10}},
      {true, 510, 4, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}},
      {true, 511, 7, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}},
      {true, kDataVersion, 0, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}},
  };
  for (const cRow& row : rows) {
    SCOPED_TRACE(testing::Message() << row.m_bScreen << " " << row.m_nVersion << " kind " << row.m_nKind);
    Bytes numerics = U32(row.m_nKind);
    for (int32_t value : row.m_anStored) numerics = Cat({numerics, U32(value)});
    Bytes body = Body(2, numerics, {"効果"});
    cCharaEffectData chara;
    cScrEffectData screen;
    cEffectKindData& record = row.m_bScreen ? static_cast<cEffectKindData&>(screen) : chara;
    if (row.m_bScreen) screen = LoadBody<cScrEffectData>(row.m_nVersion, body);
    else chara = LoadBody<cCharaEffectData>(row.m_nVersion, body);
    EXPECT_EQ(record.m_strName, "効果");
    EXPECT_EQ(record.m_nKind, row.m_nKind);
    std::array<int32_t, 5> params;
    std::copy(record.m_anParam, record.m_anParam + 5, params.begin());
    EXPECT_EQ(params, row.m_anLoaded);
    if (row.m_anStored == row.m_anLoaded) {
      EXPECT_EQ(ToHex(SavedBytes(record)), ToHex(body));
    }
  }
  EXPECT_EQ(cCharaEffectData().m_nKind, 1);
  EXPECT_EQ(cScrEffectData().m_nKind, 1);
}

TEST_F(MediaRecordTest, CopiesCarryListsAndStayApart) {
  cSwordTypeData sword;
  sword.m_strPathRight = "r.bmp";
  sword.m_vPos.resize(3);
  sword.m_vPos[2].m_nWidth = 40;
  cSwordTypeData swordCopy = sword;
  EXPECT_EQ(ToHex(SavedBytes(swordCopy)), ToHex(SavedBytes(sword)));
  swordCopy.m_vPos[2].m_nWidth = 1;
  EXPECT_EQ(sword.m_vPos[2].m_nWidth, 40);

  cEffectData effect;
  effect.m_vFrame.resize(2);
  effect.m_vFrame[1].m_nCell = 8;
  cEffectData effectCopy;
  effectCopy = effect;
  EXPECT_EQ(ToHex(SavedBytes(effectCopy)), ToHex(SavedBytes(effect)));
  effectCopy.m_vFrame.clear();
  EXPECT_EQ(effect.m_vFrame.size(), 2u);

  cScrEffectData screen;
  screen.m_anParam[4] = 6;
  cScrEffectData screenCopy(screen);
  EXPECT_TRUE(cDataRecord::Equal(screenCopy, screen));
  screenCopy.m_anParam[4] = 7;
  EXPECT_FALSE(cDataRecord::Equal(screenCopy, screen));
}
