// The common palette and stage palette files: layout, entry rules and damaged files.
#include "tests/stage/StageTest.h"

namespace {

template <class T>
Bytes ListBytes(cVector<T> list) {
  cWriteStream out;
  list.Save(out);
  return out.Bytes();
}

cEdBlock Block(int graphic, const char* name) {
  cEdBlock block;
  block.m_nGraphic = static_cast<int16_t>(graphic);
  block.m_strName = name;
  return block;
}

cEdChara Chara(int graphic, const char* name) {
  cEdChara chara;
  chara.m_nGraphic = static_cast<int16_t>(graphic);
  chara.m_strName = name;
  return chara;
}

cEdItem Item(int graphic, const char* name) {
  cEdItem item;
  item.m_nGraphic = static_cast<int16_t>(graphic);
  item.m_strName = name;
  return item;
}

Bytes CommonFile(const cVector<cEdBlock>& blocks, const cVector<cEdChara>& charas, const cVector<cEdItem>& items) {
  return Cat({U32(kDataVersion), U32(0), U32(0), ListBytes(blocks), ListBytes(charas), ListBytes(items)});
}

const cEdBlock& DefaultBlock() { return g_ProjectSettings.m_DefBlock; }
const cEdChara& DefaultChara() { return g_ProjectSettings.m_DefChara; }
const cEdItem& DefaultItem() { return g_ProjectSettings.m_DefItem; }

}  // namespace

// The project's default records are told apart by their names.
class PaletteDoc : public StageTest {
protected:
  void SetUp() override {
    StageTest::SetUp();
    g_ProjectSettings.m_DefBlock.m_strName = "既定ブロック";
    g_ProjectSettings.m_DefChara.m_strName = "既定キャラ";
    g_ProjectSettings.m_DefItem.m_strName = "既定アイテム";
  }
};

TEST_F(PaletteDoc, FileLayoutAndExactRoundTrip) {
  cVector<cEdBlock> blocks = {cEdBlock(), Block(3, "岩"), Block(4, "草")};
  cVector<cEdChara> charas = {cEdChara(), Chara(2, "主人公")};
  cVector<cEdItem> items = {cEdItem(), Item(1, "鍵"), Item(5, "剣"), Item(6, "盾")};
  Bytes file = CommonFile(blocks, charas, items);
  WriteFileBytes("data.cplt4", file);
  ASSERT_TRUE(g_CommonPalette.LoadPaletteFile("data.cplt4"));
  EXPECT_EQ(g_CommonPalette.m_vBlock.Count(), 3);
  EXPECT_EQ(g_CommonPalette.m_vItem[3].m_strName, "盾");
  ASSERT_TRUE(g_CommonPalette.SaveFile("saved.cplt4"));
  EXPECT_EQ(ToHex(ReadFileBytes("saved.cplt4")), ToHex(file));
}

TEST_F(PaletteDoc, EntryRulesOnLoad) {
  // Entry 0 holds something, entries follow a source: loading resets entry 0 and every flag.
  cEdBlock odd = Block(9, "零");
  cEdBlock follower = Block(7, "従");
  follower.m_cInheritPalette = kPaletteCommon;
  follower.m_nInheritIndex = 1;
  for (auto& flag : follower.m_bbInherit) flag = 1;
  cVector<cEdBlock> five = {odd, Block(1, "a"), Block(2, "b"), follower, Block(4, "d")};
  cEdChara oneChara = Chara(3, "只一人");
  WriteFileBytes("data.cplt4", CommonFile(five, {oneChara}, {}));
  ASSERT_TRUE(g_CommonPalette.LoadPaletteFile("data.cplt4"));

  const cPaletteDoc& palette = g_CommonPalette;
  ASSERT_EQ(palette.m_vBlock.Count(), 5);
  EXPECT_EQ(palette.m_vBlock[0].m_nGraphic, 0);
  EXPECT_EQ(palette.m_vBlock[0].m_strName, "");
  EXPECT_EQ(palette.m_vBlock[3].m_strName, "従");  // its source was never followed
  EXPECT_EQ(std::count(palette.m_vBlock[3].m_bbInherit.begin(), palette.m_vBlock[3].m_bbInherit.end(), 0), 11);
  // A list of one: entry 0 reset, entry 1 the project's default character.
  ASSERT_EQ(palette.m_vChara.Count(), 2);
  EXPECT_EQ(palette.m_vChara[0].m_strName, "");
  EXPECT_EQ(palette.m_vChara[1].m_strName, "既定キャラ");
  EXPECT_TRUE(palette.m_vChara[1] == DefaultChara());
  // An empty list: two entries.
  ASSERT_EQ(palette.m_vItem.Count(), 2);
  EXPECT_TRUE(palette.m_vItem[1] == DefaultItem());

  // Saving writes the normalised lists: an emptied list goes out with two entries.
  g_CommonPalette.m_vBlock.clear();
  ASSERT_TRUE(g_CommonPalette.SaveFile("saved.cplt4"));
  cPaletteDoc back;
  ASSERT_TRUE(back.LoadPaletteFile("saved.cplt4"));
  ASSERT_EQ(back.m_vBlock.Count(), 2);
  EXPECT_TRUE(back.m_vBlock[1] == DefaultBlock());
}

TEST_F(PaletteDoc, ReferencesOutsideThePaletteAreReset) {
  cEdBlock block = Block(2, "宝箱");
  block.m_cItemPalette = kPaletteCommon;
  block.m_nItemIndex = 4;  // the file holds two items
  cEdBlock kept = Block(3, "箱");
  kept.m_cItemPalette = kPaletteCommon;
  kept.m_nItemIndex = 1;
  WriteFileBytes("data.cplt4", CommonFile({cEdBlock(), block, kept}, {}, {cEdItem(), Item(1, "鍵")}));
  ASSERT_TRUE(g_CommonPalette.LoadPaletteFile("data.cplt4"));
  EXPECT_EQ(g_CommonPalette.m_vBlock[1].m_cItemPalette, 0);
  EXPECT_EQ(g_CommonPalette.m_vBlock[1].m_nItemIndex, 0);
  EXPECT_EQ(g_CommonPalette.m_vBlock[2].m_nItemIndex, 1);
}

TEST_F(PaletteDoc, DamagedFilesChangeNothing) {
  g_CommonPalette.m_vBlock.push_back(Block(5, "元"));
  Bytes file = CommonFile({cEdBlock(), Block(1, "a")}, {cEdChara(), Chara(1, "c")}, {cEdItem(), Item(1, "i")});
  for (size_t n = 4; n < file.size(); n += 7) {
    WriteFileBytes("cut.cplt4", Bytes(file.begin(), file.begin() + n));
    EXPECT_FALSE(g_CommonPalette.LoadPaletteFile("cut.cplt4")) << n;
  }
  // A count the file cannot hold.
  WriteFileBytes("huge.cplt4", Cat({U32(kDataVersion), U32(0), U32(0), U32(0x7FFFFFFF)}));
  EXPECT_FALSE(g_CommonPalette.LoadPaletteFile("huge.cplt4"));
  EXPECT_FALSE(g_CommonPalette.LoadPaletteFile("missing.cplt4"));
  ASSERT_EQ(g_CommonPalette.m_vBlock.Count(), 2);
  EXPECT_EQ(g_CommonPalette.m_vBlock[1].m_strName, "元");
}

TEST_F(PaletteDoc, StagePaletteFiles) {
  cStageDoc& stage = g_StageDoc;
  // A stage palette file: the version, then three lists, no body.
  cEdChara entry0 = Chara(8, "零");
  cEdChara hero = Chara(2, "勇者");
  hero.m_cInheritPalette = kPaletteCommon;
  hero.m_nInheritIndex = 1;
  hero.m_bbInherit[23] = 1;  // HP from the common palette
  g_CommonPalette.m_vChara = {cEdChara(), Chara(5, "共")};
  g_CommonPalette.m_vChara[1].m_nHp = 40;
  Bytes file = Cat({U32(kDataVersion), ListBytes<cEdBlock>({cEdBlock(), Block(3, "岩")}),
                    ListBytes<cEdChara>({entry0, hero}), ListBytes<cEdItem>({})});
  WriteFileBytes("s.plt4", file);

  // A placed character following stage entry 1's name.
  cEdChara placed = Chara(1, "旧");
  placed.m_cInheritPalette = kPaletteStage;
  placed.m_nInheritIndex = 1;
  placed.m_bbInherit[0] = 1;
  stage.m_vCharaLayer.At(stage.CellIndex(2, 3)) = placed;

  // New stage palette entries follow the common palette's entry of their number.
  g_ProjectSettings.m_nDefInheritPal[0][2] = kPaletteCommon;
  g_CommonPalette.m_vItem = {cEdItem(), Item(4, "共通の鍵")};
  ASSERT_TRUE(stage.LoadStagePalette("s.plt4"));
  // Entry 0 and the flags stay as the file has them.
  EXPECT_EQ(stage.m_vStageChara[0].m_strName, "零");
  EXPECT_EQ(stage.m_vStageChara[1].m_nHp, 40);
  EXPECT_EQ(stage.m_vStageChara[1].m_bbInherit[23], 1);
  EXPECT_EQ(stage.m_vCharaLayer.Get(stage.CellIndex(2, 3)).m_strName, "勇者");
  // An empty list gets its two entries as the stage's normalisation gives them.
  ASSERT_EQ(stage.m_vStageItem.Count(), 2);
  EXPECT_EQ(stage.m_vStageItem[0].m_nGraphic, 0);
  EXPECT_EQ(stage.m_vStageItem[1].m_cInheritPalette, kPaletteCommon);
  EXPECT_EQ(stage.m_vStageItem[1].m_nInheritIndex, 1);
  EXPECT_EQ(stage.m_vStageItem[1].m_strName, "既定アイテム");  // no flag of the case is set

  ASSERT_TRUE(stage.SaveStagePalette("back.plt4"));
  Bytes saved = ReadFileBytes("back.plt4");
  EXPECT_EQ(ToHex(Bytes(saved.begin(), saved.begin() + 8)), "03 03 00 00 02 00 00 00");

  // A missing or damaged file changes nothing.
  EXPECT_FALSE(stage.LoadStagePalette("missing.plt4"));
  WriteFileBytes("cut.plt4", Bytes(file.begin(), file.end() - 3));
  EXPECT_FALSE(stage.LoadStagePalette("cut.plt4"));
  EXPECT_EQ(stage.m_vStageChara[1].m_strName, "勇者");
}

TEST_F(PaletteDoc, ProjectDefaultsLoadedAfterThePalette) {
  // Start-up reads the common palette before the project options: lists the load filled up take
  // the project's defaults once they are known; lists the file filled keep their entry 1.
  WriteFileBytes("data.cplt4", CommonFile({cEdBlock(), Block(1, "ファイル")}, {}, {cEdItem()}));
  g_ProjectSettings.SetDefaults();
  ASSERT_TRUE(g_CommonPalette.LoadPaletteFile("data.cplt4"));
  EXPECT_EQ(g_CommonPalette.m_vChara[1].m_strName, "");
  g_ProjectSettings.m_DefBlock.m_strName = "読込後ブロック";
  g_ProjectSettings.m_DefChara.m_strName = "読込後キャラ";
  g_ProjectSettings.m_DefItem.m_strName = "読込後アイテム";
  g_ProjectSettings.m_DefItem.m_nSound = 1;
  g_CommonPalette.ApplyProjectDefaults();
  EXPECT_EQ(g_CommonPalette.m_vBlock[1].m_strName, "ファイル");
  EXPECT_EQ(g_CommonPalette.m_vChara[1].m_strName, "読込後キャラ");
  EXPECT_EQ(g_CommonPalette.m_vItem[1].m_strName, "読込後アイテム");
  EXPECT_EQ(g_CommonPalette.m_vItem[1].m_nSound, 1);
  // Only once: later edits of the entries are the author's.
  g_CommonPalette.m_vChara[1].m_strName = "編集";
  g_CommonPalette.ApplyProjectDefaults();
  EXPECT_EQ(g_CommonPalette.m_vChara[1].m_strName, "編集");
}
