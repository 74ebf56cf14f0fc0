// The dialogs of waiting, turning, jumping, the straight move and the flow of commands on their
// own templates, for what the runner rows do not show: every control of a description is on its
// template (LayoutWndTest sees that their labels fit), the ratio display of the straight move,
// movement types outside their tables, the renames of the message, code and arrange dialogs, the
// sound preview, the flow operation's condition list, the item command's nested flows, and a
// message text as the command row shows it.

#include <algorithm>
#include <string>
#include <vector>

#include "app/cMciSound.h"
#include "app/cValInfoData.h"
#include "editors/CodeArrangeLoopRules.h"
#include "editors/CommandChooser.h"
#include "editors/FlowOpCommandRules.h"
#include "editors/ItemCommandChooser.h"
#include "editors/MessageCommandRules.h"
#include "editors/MoveCommandRules.h"
#include "editors/WaitTurnJumpRules.h"
#include "editors/win/cDlgCommand.h"
#include "model/CmdParamTable.h"
#include "model/VariableNames.h"
#include "tests/editors/win/EditorWndTest.h"
#include "tests/support/CmdDialogRows.h"
#include "tests/support/FakeSound.h"
#include "tests/support/win/DialogItems.h"
#include "tests/support/win/GuiObjects.h"

namespace {
bool IsDefaultButton(HWND dialog, int id) {
  return (GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

cCommandData NewCommand(int set, int kind) {
  cCommandData command;
  command.m_cSet = static_cast<int8_t>(set);
  command.m_cKind = static_cast<int8_t>(kind);
  return command;
}

// The ids of a description's controls that its template holds, with their up-downs.
std::vector<uint16_t> DescribedIds(const cCmdDialogDesc& desc) {
  std::vector<uint16_t> ids;
  ForEachCmdCtrl(desc, [&](const cCmdCtrl& ctrl) {
    if (!CmdCtrlPresent(desc, ctrl.m_nId)) return;
    ids.push_back(ctrl.m_nId);
    if (ctrl.m_nSpinId && ctrl.m_nKind == kCtrlEditVal) ids.push_back(ctrl.m_nSpinId);
  });
  for (int i = 0; i < desc.m_nButtons; ++i) ids.push_back(desc.m_pButtons[i]);
  return ids;
}

class CmdDialogFlowWndTest : public EditorWndTest {
protected:
  void SetUp() override {
    EditorWndTest::SetUp();
    BuildCmdParamTable();
    m_vSavedNames.swap(g_vValInfo);
    SetUpCmdDialogWorld();
  }
  void TearDown() override {
    RegisterVariableNames<cValInfoData>(kVarScopeCommon, nullptr);
    RegisterVariableNames<cValInfoData>(kVarScopeStage, nullptr);
    m_vSavedNames.swap(g_vValInfo);
    EditorWndTest::TearDown();
  }

  // Runs the kind's dialog on the command, the actions taking each dialog as it appears.
  int Run(cCommandData& command, int isNew, std::vector<std::function<void(HWND)>> actions) {
    cDialogScript script(std::move(actions));
    cCmdEditContext context{&command, isNew};
    cDlgCommand* dialog = nullptr;
    int result = RunCommandDialog(dialog, command.m_cSet, command.m_cKind, &Editor(), &context, &g_ModelessList,
                                  nullptr);
    m_vCaptions = script.Captions();
    return result;
  }

  std::vector<std::string> m_vCaptions;
  cVector<cValInfoData> m_vSavedNames;
};

struct cBuiltKind {
  int m_nSet;
  int m_nKind;
  uint16_t m_nTemplate;
  const char* m_pCaption;
};
const cBuiltKind kBuiltKinds[] = {
    {0, kCmdWait, 207, "ウエイト"},          {0, kCmdStraightMove, 208, "直線移動"}, {0, kCmdTurn, 263, "向き変更"},
    {0, kCmdJump, 243, "ジャンプ"},          {0, kCmdFlowOp, 225, "フローの操作"},  {0, kCmdMessage, 239, "メッセージ"},
    {0, kCmdCode, 252, "コードの実行"},      {0, kCmdArrange, 279, "アレンジ"},     {0, kCmdLoop, 280, "ループ"},
    {1, kItemCmdFlowChange, 217, "フローの変更"},
};
}  // namespace

TEST_F(CmdDialogFlowWndTest, EveryDialogHoldsItsControls) {
  for (const cBuiltKind& built : kBuiltKinds) {
    SCOPED_TRACE(built.m_pCaption);
    const cCmdDialogDesc* desc = CmdDialogOf(built.m_nSet, built.m_nKind);
    ASSERT_NE(desc, nullptr) << "the editor has the template";
    EXPECT_EQ(desc->m_nTemplate, built.m_nTemplate);
    std::vector<uint16_t> missing;
    bool okIsDefault = false;
    cCommandData command = NewCommand(built.m_nSet, built.m_nKind);
    Run(command, 1, {[&](HWND dialog) {
          for (uint16_t id : DescribedIds(*desc))
            if (!GetDlgItem(dialog, id)) missing.push_back(id);
          okIsDefault = IsDefaultButton(dialog, kIdcOk);
          PostClick(dialog, kIdcCancel);
        }});
    EXPECT_EQ(m_vCaptions, std::vector<std::string>{built.m_pCaption});
    EXPECT_TRUE(missing.empty()) << "first missing control " << (missing.empty() ? 0 : missing[0]);
    // The message text takes Enter as a line break, so its OK is a plain button.
    EXPECT_EQ(okIsDefault, built.m_nKind != kCmdMessage);
  }
}

TEST_F(CmdDialogFlowWndTest, TheMessageTextBreaksLinesOnEnter) {
  cCommandData command = NewCommand(0, kCmdMessage);
  LONG style = 0;
  Run(command, 1, {[&](HWND dialog) {
        style = GetWindowLongA(GetDlgItem(dialog, kIdcMsgText), GWL_STYLE);
        PostClick(dialog, kIdcCancel);
      }});
  EXPECT_TRUE((style & ES_MULTILINE) && (style & ES_WANTRETURN));
}

TEST_F(CmdDialogFlowWndTest, TheStraightMoveShowsItsRatioOnlyForSpeedAndDistance) {
  cCommandData command = NewCommand(0, kCmdStraightMove);
  std::vector<std::string> shown;
  bool hiddenAtFirst = false, shownThen = false;
  std::string box, caption;
  HWND move = nullptr;
  int result = Run(command, 1,
                   {[&](HWND dialog) {
                      move = dialog;
                      hiddenAtFirst = !Shown(dialog, kIdcMoveRatio) && !Shown(dialog, kIdcMoveRatioNote);
                      Choose(dialog, kIdcMoveTimeMode, kMoveSpeedAndDistance);
                      shownThen = Shown(dialog, kIdcMoveRatio) && Shown(dialog, kIdcMoveRatioNote);
                      shown.push_back(Text(dialog, kIdcMoveRatio));
                      Type(dialog, kIdcMoveSpeed, "160");
                      shown.push_back(Text(dialog, kIdcMoveRatio));
                      Type(dialog, kIdcMoveCloneSpeed, "50");  // the clone factors take no part
                      Type(dialog, kIdcMoveSpeed, "-161");
                      shown.push_back(Text(dialog, kIdcMoveRatio));
                      Choose(dialog, kIdcMoveUnit, 1);
                      shown.push_back(Text(dialog, kIdcMoveRatio));
                      PostClick(dialog, kIdcOk);
                    },
                    [&](HWND message) {
                      box = Text(message, 0xFFFF);
                      char text[64] = {};
                      GetWindowTextA(message, text, sizeof text);
                      caption = text;
                      PostClick(message, IDOK);
                      PostMessageA(move, WM_CLOSE, 0, 0);
                    }});
  EXPECT_TRUE(hiddenAtFirst);
  EXPECT_TRUE(shownThen);
  EXPECT_EQ(shown, (std::vector<std::string>{"距離(dot)÷速度　＝　1.60 (※分身は無視)",
                                             "距離(dot)÷速度　＝　0.10 (※分身は無視)",
                                             "距離(dot)÷速度　＝　-0.10 (※分身は無視)",
                                             "距離(dot)÷速度　＝　-0.01 (※分身は無視)"}));
  EXPECT_EQ(box, kMoveRatioRefusal);
  EXPECT_EQ(caption, "エラー");
  EXPECT_EQ(result, 0);
  EXPECT_EQ(command.m_pMove->m_cTimeMode, 0) << "the refused values were not stored";
}

TEST_F(CmdDialogFlowWndTest, MovementTypesOutsideTheirTablesShowAsTheFirstRow) {
  cCommandData command = NewCommand(0, kCmdStraightMove);
  command.m_pMove.Create();
  command.m_pMove->m_cTimeMode = 7;
  command.m_pMove->m_cSetType = -2;
  command.m_pMove->m_cUnit = 9;
  command.m_pMove->m_cTargetType = 40;
  std::vector<int> rows;
  size_t modeRows = 0;
  Run(command, 0, {[&](HWND dialog) {
        for (int id : {kIdcMoveTimeMode, kIdcMoveDirMode, kIdcMoveUnit, kIdcMoveTargetMode}) rows.push_back(Row(dialog, id));
        modeRows = Rows(dialog, kIdcMoveTimeMode).size();
        PostClick(dialog, kIdcOk);
      }});
  EXPECT_EQ(rows, (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(modeRows, 3u) << "no row of its own for the unknown type";
  EXPECT_EQ(command.m_pMove->m_cTimeMode, 0);
  EXPECT_EQ(command.m_pMove->m_cSetType, 0);
  EXPECT_EQ(command.m_pMove->m_cTargetType, 0);
}

TEST_F(CmdDialogFlowWndTest, TheMessageRenamesACommonVariableIntoTheFileAndAStageVariableInMemory) {
  DeleteFileA("data\\GValInfo.dat");
  cCommandData command = NewCommand(0, kCmdMessage);
  std::string commonRow;
  bool savedAtOnce = false, savedForStage = true;
  int result = Run(command, 1,
                   {[&](HWND dialog) {
                      Choose(dialog, kIdcMsgCommonVar, 4);
                      Click(dialog, kIdcMsgCommonRename);
                      commonRow = Rows(dialog, kIdcMsgCommonVar)[4];
                      savedAtOnce = FileThere("data\\GValInfo.dat");
                      DeleteFileA("data\\GValInfo.dat");
                      Choose(dialog, kIdcMsgStageVar, 1);
                      Click(dialog, kIdcMsgStageRename);
                      savedForStage = FileThere("data\\GValInfo.dat");
                      PostClick(dialog, kIdcCancel);
                    },
                    [](HWND input) {
                      SetDlgItemTextA(input, 1003, "体力");
                      PostClick(input, kIdcOk);
                    },
                    [](HWND input) {
                      SetDlgItemTextA(input, 1003, "旗");
                      PostClick(input, kIdcOk);
                    }});
  EXPECT_EQ(result, 0);
  ASSERT_EQ(m_vCaptions.size(), 3u);
  EXPECT_EQ(m_vCaptions[1], "変数名の入力");
  EXPECT_EQ(commonRow, "005 体力") << "the picker shows the new name at once";
  EXPECT_TRUE(savedAtOnce);
  EXPECT_FALSE(savedForStage) << "stage variable names are saved with the stage";
  EXPECT_EQ(g_vValInfo[5].m_strName, "体力") << "a cancelled dialog keeps the rename";
  EXPECT_EQ(g_StageDoc.m_vStageVarName[2].m_strName, "旗");
}

TEST_F(CmdDialogFlowWndTest, TheCodeDialogSavesARenameTheArrangeDialogKeepsItInMemory) {
  DeleteFileA("data\\GValInfo.dat");
  cCommandData code = NewCommand(0, kCmdCode);
  Run(code, 1, {[](HWND dialog) {
        Choose(dialog, kIdcCodeCommonVar, 5);
        Click(dialog, kIdcCodeCommonRename);
        PostClick(dialog, kIdcCancel);
      },
                [](HWND input) {
                  SetDlgItemTextA(input, 1003, "速さ");
                  PostClick(input, kIdcOk);
                }});
  EXPECT_EQ(g_vValInfo[6].m_strName, "速さ");
  EXPECT_TRUE(FileThere("data\\GValInfo.dat"));
  DeleteFileA("data\\GValInfo.dat");
  cCommandData arrange = NewCommand(0, kCmdArrange);
  bool renameForCharaVar = true;
  int result = Run(arrange, 1,
                   {[&](HWND dialog) {
                      Choose(dialog, kIdcArrangeVar, 2);
                      Click(dialog, kIdcArrangeRename);
                      Choose(dialog, kIdcArrangeScope, kArrangeScopeCharaVar);
                      renameForCharaVar = Enabled(dialog, kIdcArrangeRename);
                      PostClick(dialog, kIdcOk);
                    },
                    [](HWND input) {
                      SetDlgItemTextA(input, 1003, "鍵");
                      PostClick(input, kIdcOk);
                    }});
  EXPECT_EQ(result, 1);
  EXPECT_EQ(g_vValInfo[3].m_strName, "鍵");
  EXPECT_FALSE(FileThere("data\\GValInfo.dat")) << "the arrange dialog's renames are saved at shut-down";
  EXPECT_FALSE(renameForCharaVar);
  EXPECT_EQ(arrange.m_vParam[kArrangeScopeParam], kArrangeScopeCharaVar);
}

TEST_F(CmdDialogFlowWndTest, ChoosingASoundPlaysItAtOnce) {
  cFakeSound sound;
  ASSERT_EQ(OpenDefaultWave(g_MciSound), 1);
  sound.Take();
  cCommandData command = NewCommand(0, kCmdTurn);
  std::vector<std::string> chosen, none;
  Run(command, 1, {[&](HWND dialog) {
        Choose(dialog, kIdcCmdSound, 2);
        chosen = sound.Take();
        Choose(dialog, kIdcCmdSound, 0);
        none = sound.Take();
        PostClick(dialog, kIdcOk);
      }});
  EXPECT_TRUE(std::any_of(chosen.begin(), chosen.end(),
                          [](const std::string& call) { return call.find("wave\\bomb.wav") != std::string::npos; }))
      << (chosen.empty() ? "nothing played" : chosen[0]);
  EXPECT_TRUE(none.empty());
  EXPECT_EQ(command.m_nSound, 0);
  g_MciSound.Shutdown();
}

TEST_F(CmdDialogFlowWndTest, TheFlowOperationEditsItsOwnConditions) {
  Place(1, 1, NamedChara("歩兵"));
  ASSERT_NE(OpenPlaced(1, 1), nullptr);
  Page(3);  // the condition dialogs are placed by the flow page's list
  cCommandData command = NewCommand(0, kCmdFlowOp);
  bool listAtFirst = true, listTicked = false, distanceOffered = false, listUnticked = true;
  std::vector<std::string> afterInsert;
  int selectedAfterInsert = -1;
  size_t afterCancelledInsert = 0, afterPaste = 0;
  int result = Run(command, 1,
                   {[&](HWND dialog) {
                      listAtFirst = Enabled(dialog, kIdcFlowOpCondList) || Enabled(dialog, kIdcFlowOpCondInsert);
                      Check(dialog, kIdcFlowOpHasCond, 1);
                      listTicked = Enabled(dialog, kIdcFlowOpCondList) && Enabled(dialog, kIdcFlowOpJudge) &&
                                   Enabled(dialog, kIdcFlowOpCondDelete);
                      Click(dialog, kIdcFlowOpCondInsert);
                      afterInsert = Rows(dialog, kIdcFlowOpCondList);
                      selectedAfterInsert = static_cast<int>(SendDlgItemMessageA(dialog, kIdcFlowOpCondList,
                                                                                 LB_GETCARETINDEX, 0, 0));
                      Click(dialog, kIdcFlowOpCondInsert);
                      afterCancelledInsert = Rows(dialog, kIdcFlowOpCondList).size();
                      // Copy and paste through the list's keys while it has the focus.
                      SelectRow(dialog, kIdcFlowOpCondList, 0);
                      SetFocus(GetDlgItem(dialog, kIdcFlowOpCondList));
                      Command(dialog, 40001);
                      Command(dialog, 40007);
                      afterPaste = Rows(dialog, kIdcFlowOpCondList).size();
                      Check(dialog, kIdcFlowOpHasCond, 0);
                      listUnticked = Enabled(dialog, kIdcFlowOpCondList) || Enabled(dialog, kIdcFlowOpCondEdit);
                      PostClick(dialog, kIdcOk);
                    },
                    [&](HWND chooser) {
                      distanceOffered = Enabled(chooser, kIdcCondDistanceButton);
                      PostClick(chooser, 1269);
                    },
                    [](HWND condition) {
                      Choose(condition, 1429, 1);
                      Type(condition, 1046, "3");
                      PostClick(condition, kIdcOk);
                    },
                    [](HWND chooser) { PostClick(chooser, 1269); },
                    [](HWND condition) { PostClick(condition, kIdcCancel); }});
  EXPECT_EQ(result, 1);
  EXPECT_FALSE(listAtFirst) << "a new command has no conditions in use";
  EXPECT_TRUE(listTicked);
  EXPECT_TRUE(distanceOffered) << "every kind, the distance condition included";
  ASSERT_EQ(afterInsert.size(), 2u) << "the condition and the row after it";
  EXPECT_EQ(afterInsert[0], "キャラ変数条件 ： キャラ変数 「2 キャラ変数-2」が 3 である");
  EXPECT_EQ(selectedAfterInsert, 1) << "the row after the new condition";
  EXPECT_EQ(afterCancelledInsert, 2u) << "a cancelled insert leaves no row";
  EXPECT_EQ(afterPaste, 3u);
  EXPECT_FALSE(listUnticked);
  ASSERT_TRUE(command.m_pCondList);
  EXPECT_EQ(command.m_pCondList->m_bHasCond, 0);
  ASSERT_EQ(command.m_pCondList->m_vCond.Count(), 2) << "unticked, the conditions are kept";
  EXPECT_EQ(command.m_pCondList->m_vCond[0].m_nValue, 3);

  // Deleting them and cancelling leaves the command's conditions as they were.
  cCommandData kept = command;
  result = Run(command, 0, {[](HWND dialog) {
                 Check(dialog, kIdcFlowOpHasCond, 1);
                 SelectRow(dialog, kIdcFlowOpCondList, 0);
                 Click(dialog, kIdcFlowOpCondDelete);
                 Click(dialog, kIdcFlowOpCondDelete);
                 PostClick(dialog, kIdcCancel);
               }});
  EXPECT_EQ(result, 0);
  EXPECT_TRUE(command == kept);
  Press(PSBTN_CANCEL);
}

TEST_F(CmdDialogFlowWndTest, TheItemFlowChangeEditsTheNestedFlowsAlone) {
  cCommandData command = NewCommand(1, kItemCmdFlowChange);
  bool idAtFirst = true, settingAtFirst = false, settingForDelete = true, idForDelete = false;
  std::string flowTitle;
  size_t flowRows = 0;
  int operationRead = -1;
  int result = Run(command, 1,
                   {[&](HWND dialog) {
                      idAtFirst = Enabled(dialog, kIdcItemFlowDeleteId);
                      settingAtFirst = Enabled(dialog, kIdcItemFlowSetting);
                      Choose(dialog, kIdcItemFlowOperation, kItemFlowDelete);
                      settingForDelete = Enabled(dialog, kIdcItemFlowSetting);
                      idForDelete = Enabled(dialog, kIdcItemFlowDeleteId);
                      Choose(dialog, kIdcItemFlowOperation, kItemFlowChange);
                      Click(dialog, kIdcItemFlowSetting);
                      PostClick(dialog, kIdcCancel);
                    },
                    [&](HWND flows) {
                      char text[64] = {};
                      GetWindowTextA(flows, text, sizeof text);
                      flowTitle = text;
                      flowRows = Rows(flows, kIdcFlowList).size();
                      operationRead = g_StageEditState.m_nFlowOperation;
                      PostClick(flows, kIdcCancel);
                    }});
  EXPECT_EQ(result, 0);
  EXPECT_FALSE(idAtFirst) << "\"追加\" deletes nothing";
  EXPECT_TRUE(settingAtFirst);
  EXPECT_FALSE(settingForDelete);
  EXPECT_TRUE(idForDelete);
  EXPECT_EQ(flowTitle, "フローデータ");
  EXPECT_EQ(flowRows, 2u) << "one default flow and the row after it";
  EXPECT_EQ(operationRead, kItemFlowChange) << "the flow editor reads the operation shown";
  EXPECT_EQ(command.m_vFlow.Count(), 1) << "the default flow stays after both cancels";
  EXPECT_EQ(g_StageEditState.m_pEditFlows, nullptr);
}

TEST_F(CmdDialogFlowWndTest, AMessageTextShowsInTheCommandRowAsTyped) {
  Place(1, 1, NamedChara("歩兵"));
  ASSERT_NE(OpenPlaced(1, 1), nullptr);
  HWND page = Page(3);
  const std::string typed = "100% %s %n #C1.";
  cDialogScript script({[](HWND chooser) { PostClick(chooser, kCmdSelectEntries[kCmdMessage].m_nCtrlId); },
                        [&](HWND dialog) {
                          Type(dialog, kIdcMsgText, typed.c_str());
                          PostClick(dialog, kIdcOk);
                        }});
  Click(page, 1068);
  ASSERT_EQ(script.Ran(), 2);
  std::string row = Rows(page, kIdcFlowCommandList)[0];
  EXPECT_NE(row.find("メッセージ"), std::string::npos) << row;
  EXPECT_EQ(row.substr(row.size() - typed.size()), typed) << "the text is appended, never read as a format";
  Press(PSBTN_CANCEL);
}

TEST_F(CmdDialogFlowWndTest, OpeningAndClosingTheDialogsLeavesNoHandles) {
  auto openAndClose = [this] {
    for (const cBuiltKind& built : kBuiltKinds) {
      cCommandData command = NewCommand(built.m_nSet, built.m_nKind);
      Run(command, 1, {[](HWND dialog) { PostClick(dialog, kIdcOk); }});
    }
  };
  openAndClose();  // the first run loads what the process keeps: fonts, classes, cached contexts
  cGuiObjects before = CountGuiObjects();
  for (int i = 0; i < 5; ++i) openAndClose();
  EXPECT_EQ(CountGuiObjects(), before);
}
