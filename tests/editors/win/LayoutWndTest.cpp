// Every label of the element editors' windows fits inside its control, and opening and closing
// the sheet leaves no handles. Asked to (tests/editors/win/screenshot.sh), the windows stay on
// screen for a screenshot each, announced by a file "shot-N.ready".

#include <filesystem>

#include "app/ProgramPalette.h"
#include "app/ProjectLoad.h"
#include "app/cValInfoData.h"
#include "app/win/ProjectSheets.h"
#include "editors/win/cDlgCommand.h"
#include "model/CmdParamTable.h"
#include "model/VariableNames.h"
#include "model/cKeyCondData.h"
#include "tests/editors/win/EditorWndTest.h"
#include "tests/support/win/DialogItems.h"
#include "tests/support/win/GuiObjects.h"
#include "tests/support/win/LabelFit.h"
#include "tests/support/win/UserInput.h"
#include "ui/win/cModelessList.h"

namespace {
using LayoutWndTest = EditorWndTest;

// Looks at a dialog (and photographs it when shot is not -1), then closes it with the button.
std::function<void(HWND)> LookAt(int shot, int hold, int closeWith) {
  return [=](HWND dialog) {
    ExpectLabelsInside(dialog);
    if (shot >= 0) HoldForShot(shot, hold, &g_ModelessList);
    PostClick(dialog, closeWith);
  };
}
}  // namespace

TEST_F(LayoutWndTest, EveryLabelFitsInsideItsControl) {
  int hold = HoldMilliseconds();
  cEdChara chara = NamedChara("ゴブリン");
  chara.m_cControl = 1;
  // Rows in every list, so that the pictures show how rows look.
  cCondData cond;
  cond.m_cKind = 3;
  cond.m_nNumber = 2;
  chara.m_vAppearCond.push_back(cond);
  cFlowData first;
  first.m_cId = 1;
  first.m_vCond.push_back(cond);
  cKeyCondData key;
  key.m_vKeyState[11] = 1;
  key.m_bOpenEnd = 1;
  first.m_vKeyCond.push_back(key);
  cCommandData wait;
  wait.m_cKind = 1;
  wait.m_nTime = 5;
  wait.SizeParams();
  first.m_vCommand.push_back(wait);
  chara.m_vFlow.push_back(first);
  chara.m_vFlow.push_back(cFlowData());
  Place(1, 1, chara);
  ASSERT_NE(OpenPlaced(1, 1), nullptr);
  SetForegroundWindow(Sheet()->m_hWndSheet);
  for (int page = 0; page < kCharaPageCount; ++page) {
    ExpectLabelsInside(Page(page));
    HoldForShot(page, hold, &g_ModelessList);
  }
  HWND flow = Page(3);
  {
    cDialogScript script({[&](HWND chooser) {
                            ExpectLabelsInside(chooser);
                            HoldForShot(4, hold, &g_ModelessList);
                            PostClick(chooser, 1270);
                          },
                          LookAt(5, hold, kIdcCancel)});
    Click(flow, 1083);
  }
  {
    cDialogScript script({[](HWND chooser) { PostClick(chooser, 1273); }, LookAt(6, hold, kIdcCancel)});
    Click(flow, 1083);
  }
  for (int button : {1267, 1268, 1269, 1271, 1272}) {
    cDialogScript script({[=](HWND chooser) { PostClick(chooser, button); }, LookAt(-1, 0, kIdcCancel)});
    Click(flow, 1083);
    EXPECT_EQ(script.Ran(), 2) << button;
  }
  {
    cDialogScript script({[&](HWND chooser) {
      ExpectLabelsInside(chooser);
      HoldForShot(7, hold, &g_ModelessList);
      PostMessageA(chooser, WM_CLOSE, 0, 0);
    }});
    Click(flow, 1068);
  }
  {
    cDialogScript script({LookAt(8, hold, kIdcCancel)});
    Click(flow, 1091);
  }
  {
    HWND graphic = Page(1);
    cDialogScript script({[&](HWND picker) {
      HoldForShot(9, hold, &g_ModelessList);
      PostMessageA(picker, WM_CLOSE, 0, 0);
    }});
    Click(graphic, 1446);
  }
  Press(PSBTN_CANCEL);
  HWND group = Editor().m_pGroupWnd->m_hWnd;
  ShowWindow(group, SW_SHOW);
  ExpectLabelsInside(group);
  HoldForShot(10, hold, &g_ModelessList);
}

// The command dialogs of the flow of commands, new, on the factory project: the straight move and
// the code dialog first (screenshots 11 and 12), then the others.
TEST_F(LayoutWndTest, CommandDialogsOnTheFactoryProject) {
  namespace fs = std::filesystem;
  int hold = HoldMilliseconds();
  fs::remove_all("data");
  fs::copy(BuildTreePath("project\\default"), "data", fs::copy_options::recursive);
  ASSERT_EQ(LoadProjectDocuments(), 1);
  BuildCmdParamTable();
  const int kinds[][2] = {{0, kCmdStraightMove}, {0, kCmdCode},    {0, kCmdWait},    {0, kCmdTurn},
                          {0, kCmdJump},         {0, kCmdFlowOp},  {1, kItemCmdFlowChange}, {0, kCmdMessage},
                          {0, kCmdArrange},      {0, kCmdLoop}};
  int shot = 11;
  for (const auto& kind : kinds) {
    cCommandData command;
    command.m_cSet = static_cast<int8_t>(kind[0]);
    command.m_cKind = static_cast<int8_t>(kind[1]);
    cCmdEditContext context{&command, 1};
    cDlgCommand* dialog = nullptr;
    cDialogScript script({LookAt(shot++, hold, kIdcCancel)});
    EXPECT_EQ(RunCommandDialog(dialog, kind[0], kind[1], &Editor(), &context, &g_ModelessList, nullptr), 0);
    EXPECT_EQ(script.Ran(), 1) << kind[1];
  }
  RegisterVariableNames<cValInfoData>(kVarScopeCommon, nullptr);
  RegisterVariableNames<cValInfoData>(kVarScopeStage, nullptr);
  g_vValInfo.clear();
}

TEST_F(LayoutWndTest, OpeningAndClosingTheSheetLeavesNoHandles) {
  Place(1, 1, NamedChara("歩兵"));
  auto openAndClose = [this] {
    ASSERT_NE(OpenPlaced(1, 1), nullptr);
    for (int page = 3; page >= 0; --page) Page(page);
    Press(PSBTN_CANCEL);
  };
  openAndClose();  // the first run loads what the process keeps: fonts, classes, cached contexts
  cGuiObjects before = CountGuiObjects();
  size_t windows = g_ModelessList.m_Windows.size();
  for (int i = 0; i < 10; ++i) openAndClose();
  EXPECT_EQ(CountGuiObjects(), before);
  EXPECT_EQ(g_ModelessList.m_Windows.size(), windows) << "the pages leave the window list with the sheet";
  EXPECT_EQ(Sheet(), nullptr);
  EXPECT_EQ(g_ModelessList.m_Sheets.size(), 0u);
}

TEST_F(LayoutWndTest, OpeningAndClosingTheBlockAndItemSheetsLeavesNoHandles) {
  cEdBlock block;
  block.m_nGraphic = 1;
  g_StageDoc.m_vBlockLayer.At(g_StageDoc.CellIndex(1, 1)) = block;
  cEdItem item;
  item.m_nGraphic = 1;
  item.m_vEffect.resize(2);
  g_StageDoc.m_vItemLayer.At(g_StageDoc.CellIndex(2, 1)) = item;
  auto openAndClose = [this] {
    g_StageEditState.SetLayer(0);
    ClickCell(1, 1);
    ASSERT_NE(BlockSheet(), nullptr);
    PressOn(BlockSheet(), PSBTN_CANCEL);
    g_StageEditState.SetLayer(2);
    ClickCell(2, 1);
    ASSERT_NE(ItemSheet(), nullptr);
    PageOf(ItemSheet(), 1);
    PageOf(ItemSheet(), 0);
    PressOn(ItemSheet(), PSBTN_CANCEL);
  };
  openAndClose();  // the first run loads what the process keeps
  cGuiObjects before = CountGuiObjects();
  size_t windows = g_ModelessList.m_Windows.size();
  for (int i = 0; i < 10; ++i) openAndClose();
  EXPECT_EQ(CountGuiObjects(), before);
  EXPECT_EQ(g_ModelessList.m_Windows.size(), windows);
  EXPECT_EQ(BlockSheet(), nullptr);
  EXPECT_EQ(ItemSheet(), nullptr);
  EXPECT_EQ(g_ModelessList.m_Sheets.size(), 0u);
}

// The block sheet, the item sheet's two pages and the item effect command chooser over entries of
// the factory project's common palette, with rows in their lists; asked to, each stays on screen
// for its screenshot (30 to 33, tests/editors/win/screenshot.sh).
TEST_F(LayoutWndTest, BlockAndItemSheetsOnTheFactoryProject) {
  namespace fs = std::filesystem;
  int hold = HoldMilliseconds();
  fs::remove_all("data");
  fs::copy(BuildTreePath("project\\default"), "data", fs::copy_options::recursive);
  fs::copy(BuildTreePath("project\\bmp"), "bmp", fs::copy_options::recursive);
  cProgramPalette palette = g_ProgramPalette;
  ASSERT_EQ(LoadProjectDocuments(), 1);
  ASSERT_EQ(LoadProgramPalettes(), 1);
  ASSERT_EQ(LoadSheetCanvases(cString(), cString()), 1);
  ComposeOverviewSheets();
  ASSERT_GE(g_CommonPalette.m_vBlock.Count(), 2);
  ASSERT_GE(g_CommonPalette.m_vItem.Count(), 2);
  cCondData cond;
  cond.m_cKind = 3;
  cond.m_nNumber = 2;
  cEdBlock& block = g_CommonPalette.m_vBlock[1];
  block.m_strName = "レンガ";
  block.m_nGraphic = 3;
  block.m_cAction = 1;
  block.m_nActionX = 7;
  block.m_vAppearCond.push_back(cond);
  cEdItem& item = g_CommonPalette.m_vItem[1];
  item.m_strName = "コイン";
  item.m_nGraphic = 2;
  item.m_vAppearCond.push_back(cond);
  for (int kind : {3, 20, 22, 24}) {
    cCommandData command;
    command.m_cSet = 1;
    command.m_cKind = static_cast<int8_t>(kind);
    command.SizeParams();
    item.m_vEffect.push_back(command);
  }

  OpenPaletteEntry(2, 0, 1);
  ASSERT_NE(BlockSheet(), nullptr);
  SetForegroundWindow(BlockSheet()->m_hWndSheet);
  HWND page = PageOf(BlockSheet(), 0);
  ExpectLabelsInside(page);
  HoldForShot(30, hold, &g_ModelessList);
  PressOn(BlockSheet(), PSBTN_CANCEL);

  OpenPaletteEntry(2, 2, 1);
  ASSERT_NE(ItemSheet(), nullptr);
  SetForegroundWindow(ItemSheet()->m_hWndSheet);
  for (int index = 0; index < 2; ++index) {
    page = PageOf(ItemSheet(), index);
    ExpectLabelsInside(page);
    HoldForShot(31 + index, hold, &g_ModelessList);
  }
  cDialogScript script({[&](HWND chooser) {
    ExpectLabelsInside(chooser);
    HoldForShot(33, hold, &g_ModelessList);
    PostMessageA(chooser, WM_CLOSE, 0, 0);
  }});
  Click(page, 1068);
  EXPECT_EQ(script.Ran(), 1);
  PressOn(ItemSheet(), PSBTN_CANCEL);
  g_ProgramPalette = palette;
  g_vCharaExcCanvas.clear();
  RegisterVariableNames<cValInfoData>(kVarScopeCommon, nullptr);
  RegisterVariableNames<cValInfoData>(kVarScopeStage, nullptr);
  g_vValInfo.clear();
}
