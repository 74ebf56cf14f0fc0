// The flow editor page in the character sheet and alone as "フローデータ": its four lists, the
// inner lists' editors (key condition dialog, command chooser and the command dialogs played from
// their descriptions), the trigger rules, the copy buffers.

#include "editors/CommandChooser.h"
#include "editors/ElementRowLabels.h"
#include "editors/WaitTurnJumpRules.h"
#include "editors/win/cDlgCommand.h"
#include "model/cKeyCondData.h"
#include "tests/editors/win/EditorWndTest.h"
#include "tests/support/win/DialogItems.h"
#include "tests/support/win/UserInput.h"

namespace {
// "ウエイト" and "ジャンプ" on test templates; every other kind on the editor's own.
cCmdDialogDesc TestDesc(const cCmdDialogDesc& desc, uint16_t templateId) {
  cCmdDialogDesc test = desc;
  test.m_nTemplate = templateId;
  return test;
}
const cCmdDialogDesc* FlowPageLookup(int set, int kind) {
  static const cCmdDialogDesc wait = TestDesc(kWaitDialog, 941);
  static const cCmdDialogDesc jump = TestDesc(kJumpDialog, 942);
  if (set == 0 && kind == kCmdWait) return &wait;
  if (set == 0 && kind == kCmdJump) return &jump;
  return FindCmdDialogDesc(set, kind);
}

cCommandData MakeCommand(int kind, int time) {
  cCommandData command;
  command.m_cKind = static_cast<int8_t>(kind);
  command.m_nTime = static_cast<int16_t>(time);
  command.SizeParams();
  return command;
}

std::string CommandRow(const cCommandData& command) {
  cString text;
  CommandRowLabel(&text, 0, &command);
  return text.GetStr();
}

class FlowPageWndTest : public EditorWndTest {
protected:
  void SetUp() override {
    EditorWndTest::SetUp();
    SetCmdDialogLookup(FlowPageLookup);
    cEdChara chara = NamedChara("歩兵");
    cFlowData flow;
    flow.m_cId = 1;
    flow.m_vCommand.push_back(MakeCommand(kCmdWait, 5));
    cCondData cond;
    cond.m_cKind = 3;
    cond.m_nNumber = 2;
    flow.m_vCond.push_back(cond);
    cKeyCondData key;
    key.m_vKeyState[11] = 1;
    key.m_vKeyState[12] = 1;
    key.m_bOpenEnd = 1;
    flow.m_vKeyCond.push_back(key);
    chara.m_vFlow.push_back(flow);
    chara.m_vFlow.push_back(cFlowData());
    Place(1, 1, chara);
  }
  void TearDown() override {
    SetCmdDialogLookup(nullptr);
    EditorWndTest::TearDown();
  }
  HWND OpenFlowPage() {
    EXPECT_NE(OpenPlaced(1, 1), nullptr);
    return Page(3);
  }
  const cEdChara& Placed() { return g_StageDoc.m_vCharaLayer.Get(g_StageDoc.CellIndex(1, 1)); }
  cFlowEditPage& FlowPage() { return *Sheet()->FlowPage(); }
};
}  // namespace

TEST_F(FlowPageWndTest, TheFourListsShowTheRowsOfTheShownFlow) {
  HWND page = OpenFlowPage();
  std::vector<std::string> flows = Rows(page, kIdcFlowList);
  ASSERT_EQ(flows.size(), 3u) << "two flows and the row after them";
  EXPECT_EQ(flows[0], "1 ×1 A -");
  EXPECT_EQ(flows[1], "2 ×0 - -");
  EXPECT_EQ(Rows(page, kIdcFlowCondList)[0], "キャラ変数条件 ： キャラ変数 「2 キャラ変数-2」が 0 である");
  EXPECT_EQ(Rows(page, kIdcFlowKeyList)[0], "1～∞ ： Z + X ");
  EXPECT_EQ(Rows(page, kIdcFlowCommandList)[0], CommandRow(Placed().m_vFlow[0].m_vCommand[0]));
  EXPECT_FALSE(Shown(page, kIdcOk)) << "the sheet's own buttons serve the page";
  EXPECT_FALSE(Shown(page, kIdcFlowTestButton));
  EXPECT_EQ(cFlowEditPage::Standalone(), nullptr) << "the sheet's page is in sheet mode";
  // Choosing the second flow shows its fields and empty inner lists.
  SelectRow(page, kIdcFlowList, 1);
  EXPECT_EQ(Row(page, kIdcFlowId), 0);
  EXPECT_EQ(Rows(page, kIdcFlowCommandList).size(), 1u);
  Type(page, kIdcFlowMemo, "二番目");
  Press(PSBTN_OK);
  EXPECT_EQ(Placed().m_vFlow[1].m_strMemo, "二番目");
  EXPECT_EQ(Placed().m_vFlow[0].m_vCommand.Count(), 1);
}

// A right click on another flow whose popup menu is dismissed shows that flow: OK keeps both
// flows as they were, none written with the controls of the other.
TEST_F(FlowPageWndTest, ADismissedPopupMenuLeavesTheRightClickedFlowShownAndKept) {
  HWND page = OpenFlowPage();
  Type(page, kIdcFlowMemo, "一番目");
  int menus = 0;
  {
    cPopupMenuWatch watch([&](HWND) {
      ++menus;
      TypeKey(VK_ESCAPE);
    });
    ClickListBoxRow(GetDlgItem(page, kIdcFlowList), 1, VK_RBUTTON);
    PumpFor(50);
  }
  EXPECT_EQ(menus, 1);
  EXPECT_EQ(Row(page, kIdcFlowId), 0) << "the second flow is shown";
  EXPECT_EQ(Text(page, kIdcFlowMemo), "");
  Press(PSBTN_OK);
  ASSERT_EQ(Placed().m_vFlow.Count(), 2);
  EXPECT_EQ(Placed().m_vFlow[0].m_cId, 1);
  EXPECT_EQ(Placed().m_vFlow[0].m_strMemo, "一番目");
  EXPECT_EQ(Placed().m_vFlow[0].m_vCommand.Count(), 1);
  EXPECT_EQ(Placed().m_vFlow[1].m_cId, 0);
  EXPECT_EQ(Placed().m_vFlow[1].m_strMemo, "");
}

TEST_F(FlowPageWndTest, TheTriggerDecidesTheNoteTheGroupAndTheTarget) {
  HWND page = OpenFlowPage();
  EXPECT_TRUE(Enabled(page, kIdcFlowGroup));
  Choose(page, kIdcFlowGroup, 2);
  Choose(page, kIdcFlowTrigger, 3);
  EXPECT_EQ(Text(page, kIdcFlowNote), "※実行時間0の並列実行コマンド（P-0）のみ実行可");
  EXPECT_FALSE(Enabled(page, kIdcFlowGroup));
  EXPECT_EQ(Row(page, kIdcFlowGroup), 0) << "a trigger other than 常時 resets the group";
  EXPECT_FALSE(Enabled(page, kIdcFlowTargetCheck));
  Choose(page, kIdcFlowTrigger, 1);
  EXPECT_EQ(Text(page, kIdcFlowNote), " ");
  EXPECT_TRUE(Enabled(page, kIdcFlowTargetCheck));
  EXPECT_FALSE(Enabled(page, kIdcFlowTarget));
  Check(page, kIdcFlowTargetCheck, 1);
  EXPECT_TRUE(Enabled(page, kIdcFlowTarget));
  Press(PSBTN_OK);
  EXPECT_EQ(Placed().m_vFlow[0].m_cTrigger, 1);
  EXPECT_EQ(Placed().m_vFlow[0].m_bTriggerTarget, 1);
  EXPECT_EQ(Placed().m_vFlow[0].m_cGroup, 0);
}

TEST_F(FlowPageWndTest, AnInsertedCommandStaysOnOkMovesOnAndGoesOnCancel) {
  HWND page = OpenFlowPage();
  {
    cDialogScript script({[](HWND chooser) { PostClick(chooser, 1267); },
                          [](HWND dialog) {
                            Type(dialog, kIdcCmdTime, "25");
                            PostClick(dialog, kIdcOk);
                          }});
    Click(page, 1068);
    ASSERT_EQ(script.Ran(), 2);
    EXPECT_EQ(script.Captions(), (std::vector<std::string>{"コマンド", "ウエイト"}));
  }
  const cFlowData& shown = FlowPage().ShownFlow();
  ASSERT_EQ(shown.m_vCommand.Count(), 2);
  EXPECT_EQ(shown.m_vCommand[0].m_cKind, kCmdWait);
  EXPECT_EQ(shown.m_vCommand[0].m_nTime, 25);
  EXPECT_EQ(FlowPage().CommandList().GetCurSel(), 1) << "the row after the new one is selected";
  {
    cDialogScript script({[](HWND chooser) { PostClick(chooser, 1267); },
                          [](HWND dialog) { PostClick(dialog, kIdcCancel); }});
    Click(page, 1068);
    EXPECT_EQ(script.Ran(), 2);
  }
  EXPECT_EQ(FlowPage().ShownFlow().m_vCommand.Count(), 2) << "a cancelled new command leaves no row";
  {
    // "ショット" opens its own dialog; its Cancel inserts nothing either.
    cDialogScript script({[](HWND chooser) { PostClick(chooser, 1277); },
                          [](HWND dialog) { PostClick(dialog, kIdcCancel); }});
    Click(page, 1068);
    EXPECT_EQ(script.Ran(), 2);
    EXPECT_EQ(script.Captions(), (std::vector<std::string>{"コマンド", "ショット"}));
  }
  EXPECT_EQ(m_Beeps.m_nBeeps, 0);
  EXPECT_EQ(FlowPage().ShownFlow().m_vCommand.Count(), 2);
  EXPECT_EQ(Rows(page, kIdcFlowList)[0], "1 ×2 A -") << "the flow's row follows its commands";
  Press(PSBTN_OK);
  EXPECT_EQ(Placed().m_vFlow[0].m_vCommand.Count(), 2);
}

TEST_F(FlowPageWndTest, AnExistingCommandOpensItsDialogWithoutTheChooser) {
  g_StageDoc.m_vCharaLayer.At(g_StageDoc.CellIndex(1, 1)).m_vFlow[0].m_vCommand[0] = MakeCommand(kCmdJump, 1);
  g_StageDoc.m_vCharaLayer.At(g_StageDoc.CellIndex(1, 1)).m_vFlow[0].m_vCommand[0].m_vParam.clear();
  HWND page = OpenFlowPage();
  {
    cDialogScript script({[](HWND dialog) {
      Type(dialog, 1309, "150");
      PostClick(dialog, kIdcCancel);
    }});
    DoubleClick(page, kIdcFlowCommandList);
    EXPECT_EQ(script.Captions(), (std::vector<std::string>{"ジャンプ"}));
  }
  const cCommandData& command = FlowPage().ShownFlow().m_vCommand[0];
  EXPECT_EQ(command.m_vParam.Count(), 5) << "opening sized the parameters, and cancel keeps that";
  EXPECT_EQ(command.m_vParam[1], 0) << "cancel stores nothing";
  {
    cDialogScript script({[](HWND dialog) {
      Type(dialog, 1309, "150");
      PostClick(dialog, kIdcOk);
    }});
    DoubleClick(page, kIdcFlowCommandList);
    EXPECT_EQ(script.Ran(), 1);
  }
  EXPECT_EQ(FlowPage().ShownFlow().m_vCommand[0].m_vParam[1], 150);
}

TEST_F(FlowPageWndTest, ANewCommandTakesItsKindsDefaultsAndOpensOverTheList) {
  HWND page = OpenFlowPage();
  RECT dialogRect = {}, listRect = {};
  GetWindowRect(GetDlgItem(page, kIdcFlowCommandList), &listRect);
  cDialogScript script({[](HWND chooser) { PostClick(chooser, 1276); },
                        [&](HWND dialog) {
                          GetWindowRect(dialog, &dialogRect);
                          EXPECT_EQ(Text(dialog, 1309), "100");
                          EXPECT_EQ(Text(dialog, 1305), "7");
                          EXPECT_EQ(Text(dialog, 1311), "0");
                          EXPECT_EQ(Text(dialog, 1307), "4");
                          PostClick(dialog, kIdcOk);
                        }});
  Click(page, 1068);
  ASSERT_EQ(script.Ran(), 2);
  const cCommandData& jump = FlowPage().ShownFlow().m_vCommand[0];
  EXPECT_EQ(jump.m_cKind, kCmdJump);
  EXPECT_EQ(jump.m_bParallel, 1);
  EXPECT_EQ(jump.m_vParam.Count(), 5);
  RECT area = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  EXPECT_GE(dialogRect.left, area.left);
  EXPECT_LE(dialogRect.right, area.right);
  EXPECT_GE(dialogRect.top, area.top);
  EXPECT_LE(dialogRect.bottom, area.bottom);
  // Centred over the command list unless the work area moved it.
  int listCentre = (listRect.left + listRect.right) / 2;
  int dialogCentre = (dialogRect.left + dialogRect.right) / 2;
  if (dialogRect.left > area.left && dialogRect.right < area.right) {
    EXPECT_NEAR(dialogCentre, listCentre, 12);
  }
}

TEST_F(FlowPageWndTest, TheChooserShowsTheKindsOfTheCharacterSetAndItsCloseBoxCancels) {
  HWND page = OpenFlowPage();
  int shownButtons = -1;
  std::string first, last;
  bool spareShown = true;
  cDialogScript script({[&](HWND chooser) {
    shownButtons = 0;
    for (int kind = 1; kind < kCmdSelectEntryCount; ++kind)
      if (Shown(chooser, kCmdSelectEntries[kind].m_nCtrlId)) ++shownButtons;
    first = Text(chooser, 1267);
    last = Text(chooser, 1306);
    spareShown = Shown(chooser, 1307) || Shown(chooser, 1312);
    PostMessageA(chooser, WM_CLOSE, 0, 0);
  }});
  Click(page, 1068);
  EXPECT_EQ(shownButtons, 39);
  EXPECT_EQ(first, "ウエイト");
  EXPECT_EQ(last, "ループ");
  EXPECT_FALSE(spareShown);
  EXPECT_EQ(FlowPage().ShownFlow().m_vCommand.Count(), 1) << "closing the chooser cancels the insert";
}

TEST_F(FlowPageWndTest, TheKeyConditionDialogKeepsTheLongestTimeAboveTheShortest) {
  HWND page = OpenFlowPage();
  std::string maxShown;
  bool timesEnabled = true;
  cDialogScript script({[&](HWND dialog) {
    Type(dialog, 1109, "20");
    Type(dialog, 1038, "50");
    maxShown = Text(dialog, 1109);
    Choose(dialog, 1101, 1);
    Check(dialog, 1111, 1);
    timesEnabled = Enabled(dialog, 1038) || Enabled(dialog, 1109);
    PostClick(dialog, kIdcOk);
  }});
  Click(page, 1091);
  EXPECT_EQ(maxShown, "50");
  EXPECT_FALSE(timesEnabled);
  const cKeyCondData& key = FlowPage().ShownFlow().m_vKeyCond[0];
  EXPECT_EQ(key.m_nPressMin, 50);
  EXPECT_EQ(key.m_nPressMax, 50);
  EXPECT_EQ(key.m_vKeyState[13], 1);
  EXPECT_EQ(Rows(page, kIdcFlowKeyList)[0], "1～∞ ： C ");
  // An existing key condition opens at once; cancel leaves it as it was.
  cDialogScript cancel({[](HWND dialog) {
    Choose(dialog, 1099, 2);
    PostClick(dialog, kIdcCancel);
  }});
  SelectRow(page, kIdcFlowKeyList, 0);
  DoubleClick(page, kIdcFlowKeyList);
  EXPECT_EQ(cancel.Ran(), 1);
  EXPECT_EQ(FlowPage().ShownFlow().m_vKeyCond[0].m_vKeyState[11], 0);
}

TEST_F(FlowPageWndTest, TheCopyBuffersOutliveTheSheet) {
  HWND page = OpenFlowPage();
  SetFocus(GetDlgItem(page, kIdcFlowList));
  Command(page, 40001);  // Ctrl+C on the flow list
  SetFocus(GetDlgItem(page, kIdcFlowCommandList));
  Command(page, 40091);  // Ctrl+C on the command list
  Press(PSBTN_CANCEL);
  EXPECT_EQ(g_StageEditState.m_vFlowClipboard.Count(), 1);
  EXPECT_EQ(g_StageEditState.m_vCommandClipboard.Count(), 1);
  page = OpenFlowPage();
  SetFocus(GetDlgItem(page, kIdcFlowList));
  Command(page, 40007);  // Ctrl+V
  EXPECT_EQ(Rows(page, kIdcFlowList).size(), 4u);
  Press(PSBTN_OK);
  EXPECT_EQ(Placed().m_vFlow.Count(), 3);
  EXPECT_EQ(Placed().m_vFlow[0].m_cId, 1);
  EXPECT_EQ(Placed().m_vFlow[1].m_cId, 1);
}

TEST_F(FlowPageWndTest, InheritedFlowsFollowTheSourceWithTheEditorDisabled) {
  cFlowData sourceFlow;
  sourceFlow.m_strMemo = "元";
  g_StageDoc.m_vStageChara[2].m_vFlow.push_back(sourceFlow);
  cEdChara follower = Follower("従", 2, 2, {});
  follower.m_vFlow.push_back(cFlowData());
  Place(1, 1, follower);
  HWND page = OpenFlowPage();
  EXPECT_TRUE(Enabled(page, kIdcFlowInherit));
  Check(page, kIdcFlowInherit, 1);
  EXPECT_EQ(Text(page, kIdcFlowMemo), "元");
  EXPECT_FALSE(Enabled(page, kIdcFlowMemo));
  EXPECT_FALSE(Enabled(page, kIdcFlowCommandList));
  Press(PSBTN_OK);
  EXPECT_EQ(Placed().m_vFlow[0].m_strMemo, "元");
  EXPECT_EQ(Placed().m_bbInherit[kFlowInheritGroup], 1);
}

TEST_F(FlowPageWndTest, AloneThePageEditsTheNestedFlowsOfAnItemCommand) {
  cVector<cFlowData> nested(1);
  nested[0].m_cId = 3;
  g_StageEditState.m_pEditFlows = &nested;
  g_StageEditState.m_nFlowOperation = 1;
  std::string title;
  bool standalone = false, okShown = false, navigationShown = true, idEnabled = true;
  cDialogScript script({[&](HWND dialog) {
    char text[64] = {};
    GetWindowTextA(dialog, text, sizeof text);
    title = text;
    standalone = cFlowEditPage::Standalone() && cFlowEditPage::Standalone()->m_hWnd == dialog;
    okShown = Shown(dialog, kIdcOk);
    navigationShown = Shown(dialog, 1021) || Shown(dialog, kIdcFlowInherit);
    idEnabled = Enabled(dialog, kIdcFlowId);
    Type(dialog, kIdcFlowMemo, "入れ子");
    PostClick(dialog, kIdcOk);
  }});
  EXPECT_EQ(RunFlowDataDialog(&Editor(), &g_ModelessList), 1);
  EXPECT_EQ(title, "フローデータ");
  EXPECT_TRUE(standalone);
  EXPECT_TRUE(okShown);
  EXPECT_FALSE(navigationShown);
  EXPECT_FALSE(idEnabled) << "\"変更\" keeps every flow's ID";
  EXPECT_EQ(nested[0].m_strMemo, "入れ子");
  EXPECT_EQ(nested[0].m_cId, 3);
  cDialogScript cancel({[](HWND dialog) {
    Type(dialog, kIdcFlowMemo, "捨てる");
    PostClick(dialog, kIdcCancel);
  }});
  EXPECT_EQ(RunFlowDataDialog(&Editor(), &g_ModelessList), 0);
  EXPECT_EQ(nested[0].m_strMemo, "入れ子");
  g_StageEditState.m_pEditFlows = nullptr;
}
