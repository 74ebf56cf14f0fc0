// Backgrounds, auto-vanish rules and variable names: plain record bodies gated by version.
#include "stage/cAutoVanishData.h"
#include "stage/cBackgroundData.h"
#include "app/cValInfoData.h"
#include "tests/stage/StageTest.h"

TEST(StageRecords, BackgroundBodies) {
  cBackgroundData background;
  EXPECT_EQ(background.m_bShowFromStart, 1);
  EXPECT_EQ(background.m_nColor, 16);
  EXPECT_EQ(background.m_dScrollX, 0.1);
  EXPECT_EQ(background.m_dScrollY, 0.1);
  background.m_strPicture = "bmp\\back\\空.bmp";
  background.m_dSpare2 = 2.5;
  Bytes saved = SavedBytes(background);
  // 10 fields in 56 bytes, then the picture.
  EXPECT_EQ(ToHex(Bytes(saved.begin(), saved.begin() + 4)), "0A 00 00 00");
  EXPECT_EQ(ToHex(Bytes(saved.begin() + 60, saved.begin() + 64)), "01 00 00 00");
  cBackgroundData loaded;
  ASSERT_TRUE(LoadBytes(loaded, kDataVersion, saved));
  EXPECT_EQ(loaded.m_strPicture, background.m_strPicture);
  EXPECT_EQ(loaded.m_dSpare2, 2.5);

  // Old bodies: colour, number and front, the discarded values, then the picture.
  using Row = cLoadRow<cBackgroundData>;
  RunLoadRows<cBackgroundData>({
      Row{60, Cat({U32(5), Hex("01000000 20000000 01000000 07000000 08000000"), U32(1), StoredString("a.bmp")}),
          [](const cBackgroundData& b) {
            EXPECT_EQ(b.m_bUseColor, 1);
            EXPECT_EQ(b.m_nColor, 32);
            EXPECT_EQ(b.m_bFront, 1);
            EXPECT_EQ(b.m_bShowFromStart, 1);
            EXPECT_EQ(b.m_dScrollX, 0.1);
            EXPECT_EQ(b.m_dScrollY, 0.1);
            EXPECT_EQ(b.m_bAutoScrollX, 0);
            EXPECT_EQ(b.m_dSpare1, 0);
            EXPECT_EQ(b.m_strPicture, "a.bmp");
          }},
      Row{61,
          Cat({U32(9), Hex("00000000 11000000 00000000 000000000000F03F 000000000000E03F 01000000 00000000"),
               Hex("07000000 08000000"), U32(1), U32(1)}),
          [](const cBackgroundData& b) {
            EXPECT_EQ(b.m_nColor, 17);
            EXPECT_EQ(b.m_dScrollX, 1.0);
            EXPECT_EQ(b.m_dScrollY, 0.5);
            EXPECT_EQ(b.m_bAutoScrollX, 1);
            EXPECT_EQ(b.m_bShowFromStart, 1);
            EXPECT_EQ(b.m_dSpare1, 0);
          }},
      // From 62 the shown-from-start switch and the two spare values.
      Row{62,
          Cat({U32(10), Hex("00000000 01000000 12000000 01000000 000000000000F03F 000000000000E03F 01000000 00000000"),
               Hex("0000000000000040 0000000000000840"), U32(1), U32(1)}),
          [](const cBackgroundData& b) {
            EXPECT_EQ(b.m_bShowFromStart, 0);
            EXPECT_EQ(b.m_bUseColor, 1);
            EXPECT_EQ(b.m_nColor, 18);
            EXPECT_EQ(b.m_dSpare1, 2.0);
            EXPECT_EQ(b.m_dSpare2, 3.0);
          }},
  });
}

TEST(StageRecords, AutoVanishBodies) {
  cAutoVanishData rule;
  rule.m_bRight = 1;
  rule.m_nBottom = 9;
  EXPECT_EQ(ToHex(SavedBytes(rule)),
            "08 00 00 00 00 00 00 00 01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 09 00 00 00 "
            "00 00 00 00");
  // Before 125: the left switch and the four margins; the other switches keep what they held.
  cAutoVanishData old;
  old.m_bTop = 1;
  ASSERT_TRUE(LoadBytes(old, 124, Cat({U32(5), Hex("01000000 02000000 03000000 04000000 05000000"), U32(0)})));
  EXPECT_EQ(old.m_bLeft, 1);
  EXPECT_EQ(old.m_bRight, 0);
  EXPECT_EQ(old.m_bTop, 1);
  EXPECT_EQ(old.m_bBottom, 0);
  EXPECT_EQ(old.m_nLeft, 2);
  EXPECT_EQ(old.m_nBottom, 5);
  // From 125 all eight.
  cAutoVanishData full;
  ASSERT_TRUE(LoadBytes(full, 125, Cat({U32(8), Hex("01000000 02000000 03000000 04000000 05000000 06000000 07000000 08000000"), U32(0)})));
  EXPECT_EQ(full.m_bRight, 2);
  EXPECT_EQ(full.m_bBottom, 4);
  EXPECT_EQ(full.m_nLeft, 5);
  EXPECT_EQ(full.m_nBottom, 8);
}

TEST(StageRecords, VariableNames) {
  cValInfoData name;
  EXPECT_EQ(ToHex(SavedBytes(name)), "00 00 00 00 01 00 00 00 01 00 00 00");
  name.m_strName = "鍵";
  cValInfoData loaded;
  ASSERT_TRUE(LoadBytes(loaded, 300, SavedBytes(name)));
  EXPECT_EQ(loaded.m_strName, "鍵");
}
