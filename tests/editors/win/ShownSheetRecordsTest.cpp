// The data sheets' pages and the flow page over a stored stage palette entry whose every field
// holds a value valid for its own kind but outside what the entries beside it, or a control's
// first range, allow: each way the entry comes to be shown, then each store the user triggers,
// must leave the entry's bytes as they were, with no modified mark from the showing.

#include "app/cEditConfig.h"
#include "database/cDatabaseSet.h"
#include "model/cCmdKindInfo.h"
#include "model/cKeyCondData.h"
#include "tests/editors/win/EditorWndTest.h"
#include "tests/support/win/DialogItems.h"
#include "tests/support/win/ShownRecordInput.h"
#include "tests/support/win/ShownRecordTable.h"
#include "tests/support/win/UserInput.h"
#include "ui/win/cModelessList.h"

namespace {
constexpr int kSeededEntry = 2;  // of the stage palette's three; 1 and 3 are of another kind
constexpr int kSheetDedicatedBitmaps = 200;
constexpr const char* kLongName = "ABCDEFGHIJKLMNOPQRST";  // the 20 bytes a name may have
// The flows of the seeded character: S and T (kept), with plain flows beside them.
constexpr const char* kFlowS = "S-flow of every extreme";
constexpr const char* kFlowT = "T-flow with a target";
constexpr int kRowS = 0, kRowN0 = 1, kRowT = 2;
// The cells of the placed block, character and item.
constexpr int kPlacedX[3] = {1, 2, 3};
constexpr int kPlacedY = 1;

cCondData NumberCond() {
  cCondData cond;
  cond.m_cKind = 3;
  cond.m_nNumber = 2;
  return cond;
}

cCommandData SheetCommand(int set, int kind) {
  cCommandData command;
  command.m_cSet = static_cast<int8_t>(set);
  command.m_cKind = static_cast<int8_t>(kind);
  command.SizeParams();
  return command;
}

cFlowData PlainFlow(const char* memo) {
  cFlowData flow;
  flow.m_strMemo = memo;
  flow.m_cTrigger = 3;  // "死亡時": no group, no target
  flow.m_cKeyEase = 7;
  return flow;
}

cFlowData FlowS() {
  cFlowData flow;
  flow.m_strMemo = kFlowS;
  flow.m_cId = 26;
  flow.m_cGroup = 26;  // a group: only "常時" has one
  flow.m_bTestPlayOnly = 1;
  flow.m_vCond.push_back(NumberCond());
  flow.m_cJudge = 1;
  flow.m_bOnce = 1;
  flow.m_cTriggerTargetNo = 3;
  flow.m_cKeyEase = 15;
  flow.m_bHoldRepeat = 1;
  cKeyCondData key;
  key.m_vKeyState[11] = 1;
  flow.m_vKeyCond.push_back(key);
  cCommandData wait = SheetCommand(0, kCmdWait);
  wait.m_nTime = 999;
  flow.m_vCommand.push_back(wait);
  return flow;
}

cFlowData FlowT() {
  cFlowData flow;
  flow.m_strMemo = kFlowT;
  flow.m_cId = 1;
  flow.m_cTrigger = 20;
  flow.m_bTriggerTarget = 1;
  flow.m_cTriggerTargetNo = 3;
  flow.m_cKeyEase = 0;
  return flow;
}

cEdChara SeededChara() {
  cEdChara chara = NamedChara(kLongName);
  chara.m_nInheritIndex = 9;  // no source: an index none of the palettes has
  chara.m_vAppearCond = {NumberCond(), NumberCond()};
  chara.m_cAppearJudge = 1;
  chara.m_bAppearOnce = 1;
  chara.m_bFaceRight = 1;
  chara.m_cControl = 1;
  chara.m_cFaction = 7;
  chara.m_cCharaId = 99;
  chara.m_cCloneCount = 32;
  chara.m_nOffsetX = -640;
  chara.m_nCloneOffsetX = 640;
  chara.m_nOffsetY = 640;
  chara.m_nCloneOffsetY = -640;
  chara.m_bMirrorOffsetX = chara.m_bMirrorOffsetY = 1;
  chara.m_cGraphicSheet = 4;  // "専用bmp": cells beyond 119, offsets beyond 19
  chara.m_nGraphic = kSheetDedicatedBitmaps - 1;
  chara.m_nGraphicFrame = -239;
  chara.m_nAnimeSet = 9;  // beyond the rows of an empty database
  chara.m_cZ = 7;
  chara.m_bTransparent = 1;
  chara.m_nStartEffect = chara.m_nDeathEffect = 9;
  chara.m_cStartEffectRun = chara.m_cDeathEffectRun = 2;
  chara.m_bStartEffectLoop = 0;
  chara.m_cMarkShow = 2;
  chara.m_nMark = 119;
  chara.m_cFlying = 3;
  chara.m_bFixedFacing = 0;
  chara.m_cInvincible = 2;
  chara.m_cInvincibleEffect = 9;
  chara.m_bBlock = 1;
  chara.m_cGiant = 10;
  chara.m_bScrollSync = 1;
  chara.m_cViewShape = 4;  // a computer's sight is disabled and keeps its values
  chara.m_cViewRange = 40;
  chara.m_nHp = chara.m_nSp = chara.m_nDefence = 999999;
  chara.m_nStopEase = 200;
  chara.m_cBodyHitRange = 3;
  chara.m_nBodyPower = chara.m_nScore = -999999;
  chara.m_cBodyImpact = -20;
  chara.m_nBodyEffect = 9;
  chara.m_cImpactResist = 20;
  chara.m_bHoldItem = 0;
  chara.m_bHasGroup = 1;
  chara.m_nGroupNo = 59;
  chara.m_cActRange = 3;
  chara.m_cActJudge = 2;
  chara.m_vFlow = {FlowS(), PlainFlow("n0"), FlowT(), PlainFlow("n1")};
  return chara;
}

// The bytes of the kept flows S and T of a character, each with the number of flows of its memo.
Bytes FlowBytes(cEdChara& chara) {
  Bytes bytes;
  for (const char* memo : {kFlowS, kFlowT}) {
    int found = 0;
    for (cFlowData& flow : chara.m_vFlow)
      if (flow.m_strMemo == memo && ++found == 1) {
        Bytes flowBytes = RecordBytes(flow);
        bytes.insert(bytes.end(), flowBytes.begin(), flowBytes.end());
      }
    bytes.push_back(static_cast<uint8_t>(found));
  }
  return bytes;
}

// A player on the character sheet, whose ranges are the first the pages give.
cEdChara OtherChara(const char* name) {
  cEdChara chara = NamedChara(name);
  chara.m_cControl = 0;
  chara.m_cGraphicSheet = 1;
  chara.m_vFlow = {PlainFlow("other")};
  return chara;
}

cEdBlock SeededBlock() {
  cEdBlock block = Named<cEdBlock>(kLongName);
  block.m_nInheritIndex = 9;
  block.m_vAppearCond = {NumberCond(), NumberCond()};
  block.m_cAppearJudge = 1;
  block.m_bAppearOnce = 1;
  block.m_cGraphicSheet = 4;
  block.m_nGraphic = kSheetDedicatedBitmaps - 1;
  block.m_nGraphicFrame = 239;
  block.m_bFront = 1;
  block.m_bTransparent = 1;
  block.m_cMarkShow = 2;
  block.m_nMark = 119;
  block.m_cBlockType = 2;
  block.m_cDisabledFaction = 7;
  block.m_cAction = 3;  // "移動速度変更": X up to 500
  block.m_nActionX = 500;
  block.m_cItemPalette = 2;
  block.m_nItemIndex = 9;  // beyond the stage palette's items
  block.m_bNoBlockSummon = 1;
  return block;
}

// A jumping block on the block sheet, whose X is at most 20.
cEdBlock OtherBlock(const char* name) {
  cEdBlock block = Named<cEdBlock>(name);
  block.m_cAction = 1;
  block.m_nActionX = 7;
  return block;
}

cEdItem SeededItem() {
  cEdItem item = Named<cEdItem>(kLongName);
  item.m_nInheritIndex = 9;
  item.m_vAppearCond = {NumberCond(), NumberCond()};
  item.m_cAppearJudge = 1;
  item.m_bAppearOnce = 1;
  item.m_nOffsetX = -640;
  item.m_nOffsetY = 640;
  item.m_cGraphicSheet = 4;
  item.m_nGraphic = kSheetDedicatedBitmaps - 1;
  item.m_nGraphicFrame = 239;
  item.m_cZ = 7;
  item.m_bTransparent = 1;
  item.m_cMarkShow = 2;
  item.m_nMark = 119;
  item.m_cTakeMode = 2;
  item.m_bShowOnTake = 0;
  item.m_cGiant = 10;
  item.m_nSound = 9;  // beyond the rows of an empty sound table
  cCommandData wait = SheetCommand(1, 3);  // "ゲームウエイト" of the item effect set
  wait.m_vParam[0] = 99;
  item.m_vEffect = {wait, SheetCommand(1, 3)};
  return item;
}

cEdItem OtherItem(const char* name) {
  cEdItem item = Named<cEdItem>(name);
  item.m_cGraphicSheet = 0;
  return item;
}

// Real input on the windows of the sheets, served through the window list as the main loop does.
// The main window's nudge lets the window list end a finished sheet, as the main loop's next
// message does.
template <class Done>
bool PumpUntilShown(Done done) {
  for (DWORD start = GetTickCount(); !done() && GetTickCount() - start < 5000;) {
    PostMessageA(g_hMainWnd, WM_NULL, 0, 0);
    PumpFor(5, &g_ModelessList);
  }
  return done();
}

// The sheet in front, so that its keys and accelerators reach it.
void BringSheetForward(cPropSheet* sheet) {
  SetForegroundWindow(sheet->m_hWndSheet);
  SetActiveWindow(sheet->m_hWndSheet);
  EXPECT_TRUE(PumpUntilShown([&] { return GetActiveWindow() == sheet->m_hWndSheet; }));
}

void ClickTab(cPropSheet* sheet, int index) {
  BringSheetForward(sheet);
  ClickSheetTab(sheet->m_hWndSheet, index, &g_ModelessList);
  EXPECT_TRUE(PumpUntilShown([&] { return sheet->CurrentPageIndex() == index; })) << "tab " << index;
}

// The user edits a field and puts it back as it was: two stores of the page. A field with text
// has its last character taken back and typed again (a name may be at its limit); an empty one
// gets a character typed and taken back.
void EditAndPutBack(cPropSheet* sheet, HWND page, int id) {
  BringSheetForward(sheet);
  SetFocus(GetDlgItem(page, id));
  std::string before = ItemText(page, id);
  std::string between = before.empty() ? "1" : before.substr(0, before.size() - 1);
  PressKey(VK_END, false, &g_ModelessList);
  if (before.empty()) TypeText(between, &g_ModelessList);
  else PressKey(VK_BACK, false, &g_ModelessList);
  EXPECT_TRUE(PumpUntilShown([&] { return ItemText(page, id) == between; })) << id;
  if (before.empty()) PressKey(VK_BACK, false, &g_ModelessList);
  else TypeText(before.substr(before.size() - 1), &g_ModelessList);
  EXPECT_TRUE(PumpUntilShown([&] { return ItemText(page, id) == before; })) << id;
}

// The user clicks a check box twice.
void ClickTwice(cPropSheet* sheet, HWND page, int id) {
  BringSheetForward(sheet);
  LRESULT before = SendDlgItemMessageA(page, id, BM_GETCHECK, 0, 0);
  ClickItem(page, id, &g_ModelessList);
  EXPECT_TRUE(PumpUntilShown([&] { return SendDlgItemMessageA(page, id, BM_GETCHECK, 0, 0) != before; })) << id;
  ClickItem(page, id, &g_ModelessList);
  EXPECT_TRUE(PumpUntilShown([&] { return SendDlgItemMessageA(page, id, BM_GETCHECK, 0, 0) == before; })) << id;
}

// "←" or "→" clicked on the page, until the entry it names is shown.
void ClickStep(cPropSheet* sheet, HWND page, int button, int entry) {
  BringSheetForward(sheet);
  ClickItem(page, button, &g_ModelessList);
  std::string shown = "No." + std::to_string(entry);
  EXPECT_TRUE(PumpUntilShown([&] { return ItemText(page, 1023) == shown; })) << shown;
}

// A right click on a row of a list whose popup menu the user dismisses with Escape.
void DismissPopupOn(cPropSheet* sheet, HWND list, int row) {
  BringSheetForward(sheet);
  int menus = 0;
  cPopupMenuWatch watch([&](HWND) {
    ++menus;
    TypeKey(VK_ESCAPE);
  });
  ClickListBoxRow(list, row, VK_RBUTTON, &g_ModelessList);
  EXPECT_TRUE(PumpUntilShown([&] { return menus == 1; }));
  PumpFor(50, &g_ModelessList);
}

class ShownSheetRecordsTest : public EditorWndTest {
protected:
  void SetUp() override {
    EditorWndTest::SetUp();
    g_DatabaseSet.m_vCharaExc.resize(kSheetDedicatedBitmaps);
    SeedRecords();
  }
  // The stage palette's entries as stored, the seeded one between two of another kind, and the
  // seeded records placed in the stage. The list commands of a showing are committed with them,
  // so every opening starts from these again.
  void SeedRecords() {
    Place(kPlacedX[0], kPlacedY, SeededBlock());
    Place(kPlacedX[1], kPlacedY, SeededChara());
    Place(kPlacedX[2], kPlacedY, SeededItem());
    g_StageDoc.m_vStageChara[1] = OtherChara("before");
    g_StageDoc.m_vStageChara[kSeededEntry] = SeededChara();
    g_StageDoc.m_vStageChara[3] = OtherChara("after");
    g_StageDoc.m_vStageBlock.Reset(4);
    g_StageDoc.m_vStageItem.Reset(4);
    g_StageDoc.m_vStageBlock[1] = OtherBlock("before");
    g_StageDoc.m_vStageBlock[kSeededEntry] = SeededBlock();
    g_StageDoc.m_vStageBlock[3] = OtherBlock("after");
    g_StageDoc.m_vStageItem[1] = OtherItem("before");
    g_StageDoc.m_vStageItem[kSeededEntry] = SeededItem();
    g_StageDoc.m_vStageItem[3] = OtherItem("after");
  }

  // The sheet of a kind (0 blocks, 1 characters, 2 items) on the seeded stage palette entry, opened
  // on a page by the palette window's right click.
  void OpenEntry(int kind, int page) {
    RememberPage(page);
    OpenPaletteEntry(1, kind, kSeededEntry);
    ExpectOpenOn(page);
  }
  // The same for the seeded object of a kind placed in the stage, by the edit tool's click on its
  // cell on the kind's layer.
  void OpenPlacedObject(int kind, int page) {
    RememberPage(page);
    g_StageEditState.SetLayer(kind);
    ClickCell(kPlacedX[kind], kPlacedY);
    ExpectOpenOn(page);
  }
  // The sheets open on the page they were last closed on.
  static void RememberPage(int page) {
    EditConfig.m_nBlockSheetPage = 0;
    EditConfig.m_nCharaSheetPage = EditConfig.m_nItemSheetPage = page;
  }
  // The sheet is open on the page; the marks the opening makes are cleared, so that those of the
  // showing are seen.
  void ExpectOpenOn(int page) {
    ASSERT_NE(OpenSheet(), nullptr);
    ASSERT_EQ(OpenSheet()->CurrentPageIndex(), page);
    g_StageEditState.m_bStageModified = g_StageEditState.m_bCommonModified = 0;
    m_nUndoCount = g_StageEditState.UndoCount();
  }
  static cEdBlock& PlacedBlock() { return g_StageDoc.m_vBlockLayer.At(g_StageDoc.CellIndex(kPlacedX[0], kPlacedY)); }
  static cEdChara& PlacedChara() { return g_StageDoc.m_vCharaLayer.At(g_StageDoc.CellIndex(kPlacedX[1], kPlacedY)); }
  static cEdItem& PlacedItem() { return g_StageDoc.m_vItemLayer.At(g_StageDoc.CellIndex(kPlacedX[2], kPlacedY)); }
  cPropSheet* OpenSheet() {
    if (BlockSheet()) return BlockSheet();
    if (Sheet()) return Sheet();
    return ItemSheet();
  }
  HWND CurrentPage() { return PageOf(OpenSheet(), OpenSheet()->CurrentPageIndex()); }

  // Showing alone marks nothing: no undo step, no modified palette.
  void ExpectNothingMarked() {
    EXPECT_EQ(g_StageEditState.m_bStageModified, 0);
    EXPECT_EQ(g_StageEditState.m_bCommonModified, 0);
    EXPECT_EQ(g_StageEditState.UndoCount(), m_nUndoCount);
  }
  void ClickOk() {
    ExpectNothingMarked();
    cPropSheet* sheet = OpenSheet();
    BringSheetForward(sheet);
    ClickItem(sheet->m_hWndSheet, IDOK, &g_ModelessList);
    EXPECT_TRUE(PumpUntilShown([&] { return OpenSheet() == nullptr; })) << "OK closes the sheet";
  }
  void ClickApply() {
    ExpectNothingMarked();
    cPropSheet* sheet = OpenSheet();
    BringSheetForward(sheet);
    ClickItem(sheet->m_hWndSheet, kIdApplyNow, &g_ModelessList);
    EXPECT_TRUE(PumpUntilShown([&] { return g_StageEditState.m_bStageModified == 1; })) << "Apply commits";
  }
  void CloseSheet() {
    if (OpenSheet()) PressOn(OpenSheet(), PSBTN_CANCEL);
  }

  // The stores of a page: an edit of one of its fields (typing, or a check box where the page has
  // no edit), a tab change away to another page, OK, Apply.
  std::vector<cShownRecordStep> Stores(int otherPage, std::function<void()> edit) {
    std::vector<cShownRecordStep> stores = {
        {"an edit, then OK",
         [this, edit] {
           edit();
           ClickOk();
         }},
        {"OK", [this] { ClickOk(); }},
        {"Apply", [this] { ClickApply(); }},
    };
    if (otherPage >= 0)
      stores.push_back({"a tab change away, then OK", [this, otherPage] {
                          ClickTab(OpenSheet(), otherPage);
                          ClickOk();
                        }});
    return stores;
  }
  std::function<void()> Typing(int id) {
    return [this, id] { EditAndPutBack(OpenSheet(), CurrentPage(), id); };
  }

  // The showings every page of a palette entry has: the first, previous and next, a tab change
  // onto the page from another.
  std::vector<cShownRecordStep> SheetShowings(int otherPage) {
    std::vector<cShownRecordStep> showings = {
        {"the first showing", [] {}},
        {"next, then previous",
         [this] {
           ClickStep(OpenSheet(), CurrentPage(), 1022, 3);
           ClickStep(OpenSheet(), CurrentPage(), 1021, kSeededEntry);
         }},
        {"previous, then next",
         [this] {
           ClickStep(OpenSheet(), CurrentPage(), 1021, 1);
           ClickStep(OpenSheet(), CurrentPage(), 1022, kSeededEntry);
         }},
    };
    if (otherPage >= 0)
      showings.push_back({"a tab change onto the page", [this, otherPage] {
                            int page = OpenSheet()->CurrentPageIndex();
                            ClickTab(OpenSheet(), otherPage);
                            ClickTab(OpenSheet(), page);
                          }});
    return showings;
  }
  cShownRecordStep PopupShowing(int listId) {
    return {"a dismissed popup menu", [this, listId] {
              DismissPopupOn(OpenSheet(), GetDlgItem(CurrentPage(), listId), 0);
            }};
  }

  template <class T>
  cShownRecordRow PageRow(const char* window, int kind, int page, int otherPage, cVector<T>& palette,
                          std::vector<cShownRecordStep> extraShowings, std::function<void()> edit) {
    cShownRecordRow row;
    row.m_strWindow = window;
    row.m_fnOpen = [this, kind, page] { OpenEntry(kind, page); };
    row.m_vShowings = SheetShowings(otherPage);
    row.m_vShowings.insert(row.m_vShowings.end(), extraShowings.begin(), extraShowings.end());
    row.m_vStores = Stores(otherPage, std::move(edit));
    row.m_fnStored = [&palette] { return RecordBytes(palette[kSeededEntry]); };
    row.m_fnClose = [this] {
      CloseSheet();
      SeedRecords();
    };
    return row;
  }

  // A page's row over the seeded object placed in the stage: the showings of the palette entry's row
  // but previous and next, which a placed object has not.
  cShownRecordRow Placed(cShownRecordRow row, int kind, int page, std::function<Bytes()> stored) {
    row.m_strWindow += " (配置)";
    row.m_fnOpen = [this, kind, page] { OpenPlacedObject(kind, page); };
    std::vector<cShownRecordStep> showings;
    for (const cShownRecordStep& showing : row.m_vShowings)
      if (showing.m_strName.find("next") == std::string::npos) showings.push_back(showing);
    row.m_vShowings = showings;
    row.m_fnStored = std::move(stored);
    return row;
  }

  cShownRecordRow FlowRow();

  static constexpr int kIdApplyNow = 0x3021;  // the property sheet's "適用" button
  int m_nUndoCount = 0;
};

// The flow page's own showings: a click on a flow's row, keys, the flow list's commands on a
// neighbour, a dismissed popup menu. Its record: the kept flows S and T, found by their memos.
cShownRecordRow ShownSheetRecordsTest::FlowRow() {
  cShownRecordRow row = PageRow("キャラデータ: フロー", 1, kCharaPageFlow, kCharaPageBasic,
                                g_StageDoc.m_vStageChara, {}, Typing(kIdcFlowMemo));
  auto flowList = [this] { return GetDlgItem(CurrentPage(), kIdcFlowList); };
  auto shownRow = [this] { return Sheet()->FlowPage()->FlowList().GetCurSel(); };
  auto clickRow = [this, flowList, shownRow](int row) {
    BringSheetForward(Sheet());
    ClickListBoxRow(flowList(), row, VK_LBUTTON, &g_ModelessList);
    EXPECT_TRUE(PumpUntilShown([&] { return shownRow() == row; })) << "row " << row;
  };
  auto key = [shownRow](WORD key, int row) {
    PressKey(key, false, &g_ModelessList);
    EXPECT_TRUE(PumpUntilShown([&] { return shownRow() == row; })) << "row " << row;
  };
  auto command = [this](WORD modifier, WORD key, int rows) {
    if (modifier) PressKeyWith(modifier, key, &g_ModelessList);
    else PressKey(key, false, &g_ModelessList);
    EXPECT_TRUE(PumpUntilShown([&] { return Rows(CurrentPage(), kIdcFlowList).size() == static_cast<size_t>(rows); }));
  };
  constexpr int kRows = 5;  // four flows and the row after them
  std::vector<cShownRecordStep> own = {
      {"a click on its row", [=] {
         clickRow(kRowT);
         clickRow(kRowS);
       }},
      {"Down and Up", [=] {
         clickRow(kRowS);
         key(VK_DOWN, kRowN0);
         key(VK_DOWN, kRowT);
         key(VK_UP, kRowN0);
         key(VK_UP, kRowS);
       }},
      {"a cut of a neighbour", [=] {
         clickRow(kRowN0);
         command(VK_CONTROL, 'X', kRows - 1);
       }},
      {"a delete of a neighbour", [=] {
         clickRow(kRowN0);
         command(0, VK_DELETE, kRows - 1);
       }},
      {"an insert before it", [=] {
         clickRow(kRowT);
         command(VK_CONTROL, 'I', kRows + 1);
       }},
      {"a paste of a neighbour before it", [=] {
         clickRow(kRowN0);
         PressKeyWith(VK_CONTROL, 'C', &g_ModelessList);
         clickRow(kRowT);
         command(VK_CONTROL, 'V', kRows + 1);
       }},
      {"a dismissed popup menu", [this, flowList] { DismissPopupOn(Sheet(), flowList(), kRowT); }},
  };
  row.m_vShowings.insert(row.m_vShowings.end(), own.begin(), own.end());
  row.m_fnStored = [] { return FlowBytes(g_StageDoc.m_vStageChara[kSeededEntry]); };
  return row;
}
}  // namespace

TEST_F(ShownSheetRecordsTest, ShowingAnEntryOnAnyPageOfTheDataSheetsKeepsItsRecord) {
  cShownRecordRow block = PageRow("ブロックデータ", 0, 0, -1, g_StageDoc.m_vStageBlock,
                                  {PopupShowing(kIdcBlockCondList)}, Typing(kIdcBlockName));
  cShownRecordRow basic = PageRow("キャラデータ: 基本", 1, kCharaPageBasic, kCharaPageStatus, g_StageDoc.m_vStageChara,
                                  {PopupShowing(kIdcBasicAppearList)}, Typing(1002));
  cShownRecordRow graphic = PageRow("キャラデータ: グラフィック", 1, kCharaPageGraphic, kCharaPageBasic,
                                    g_StageDoc.m_vStageChara, {}, Typing(1256));
  cShownRecordRow status = PageRow("キャラデータ: ステータス", 1, kCharaPageStatus, kCharaPageGraphic,
                                   g_StageDoc.m_vStageChara, {}, Typing(1061));
  cShownRecordRow flow = FlowRow();
  cShownRecordRow item1 = PageRow("アイテムデータ: 1", 2, 0, 1, g_StageDoc.m_vStageItem,
                                  {PopupShowing(kIdcItemCondList)}, Typing(kIdcItemName));
  cShownRecordRow item2 = PageRow("アイテムデータ: 2", 2, 1, 0, g_StageDoc.m_vStageItem,
                                  {PopupShowing(kIdcItemCommandList)},
                                  [this] { ClickTwice(OpenSheet(), CurrentPage(), kIdcItemShowOnTake); });
  auto chara = [] { return RecordBytes(PlacedChara()); };
  auto item = [] { return RecordBytes(PlacedItem()); };
  std::vector<cShownRecordRow> rows = {
      block, basic, graphic, status, flow, item1, item2,
      Placed(block, 0, 0, [] { return RecordBytes(PlacedBlock()); }),
      Placed(basic, 1, kCharaPageBasic, chara),
      Placed(graphic, 1, kCharaPageGraphic, chara),
      Placed(status, 1, kCharaPageStatus, chara),
      Placed(flow, 1, kCharaPageFlow, [] { return FlowBytes(PlacedChara()); }),
      Placed(item1, 2, 0, item),
      Placed(item2, 2, 1, item),
  };
  for (const cShownRecordRow& row : rows) ExpectShowingKeepsTheRecord(row);
}

// An X beyond its action's limits (a file may hold one) survives the opening and OK; only the
// user's choice of an action sets that action's default.
TEST_F(ShownSheetRecordsTest, AStoredActionXBeyondItsLimitsStaysUntilTheUserChoosesAnAction) {
  PlacedBlock().m_cAction = 4;  // "左移動": X at most 200
  PlacedBlock().m_nActionX = 500;
  OpenPlacedObject(0, 0);
  ClickOk();
  EXPECT_EQ(PlacedBlock().m_nActionX, 500);
  OpenPlacedObject(0, 0);
  Choose(CurrentPage(), kIdcBlockAction, 5);
  PressOn(BlockSheet(), PSBTN_OK);
  EXPECT_EQ(PlacedBlock().m_cAction, 5);
  EXPECT_EQ(PlacedBlock().m_nActionX, 30);
}
