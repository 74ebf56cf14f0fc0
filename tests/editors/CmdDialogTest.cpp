// The command dialogs' descriptions and rules beyond the runner rows: which dialog a kind opens,
// the controls' tables, the distance ÷ speed ratio and its display, the enable decisions, the
// message and arrange rows, the text limits, the renames, the flow operation's own conditions and
// the item flow change's nested flows.
#include <cstdio>
#include <memory>
#include <string>

#include "app/DataFile.h"
#include "app/PathUtil.h"
#include "app/cValInfoData.h"
#include "database/cDatabaseSet.h"
#include "editors/CodeArrangeLoopRules.h"
#include "editors/CommandChooser.h"
#include "editors/FlowOpCommandRules.h"
#include "editors/ItemCommandChooser.h"
#include "editors/MessageCommandRules.h"
#include "editors/MoveCommandRules.h"
#include "editors/WaitTurnJumpRules.h"
#include "model/CmdParamTable.h"
#include "model/VariableNames.h"
#include "tests/editors/EditorTest.h"
#include "ui/TextLimits.h"

namespace {
class CmdDialogTest : public EditorTest {
protected:
  void SetUp() override {
    EditorTest::SetUp();
    BuildCmdParamTable();
    m_vSavedNames.swap(g_vValInfo);
    g_vValInfo.resize(1000);
    g_StageDoc.m_vStageVarName.resize(1000);
    RegisterVariableNames(kVarScopeCommon, &g_vValInfo);
    RegisterVariableNames(kVarScopeStage, &g_StageDoc.m_vStageVarName);
  }
  void TearDown() override {
    RegisterVariableNames<cValInfoData>(kVarScopeCommon, nullptr);
    RegisterVariableNames<cValInfoData>(kVarScopeStage, nullptr);
    m_vSavedNames.swap(g_vValInfo);
    EditorTest::TearDown();
  }

  // A new command of a kind, and its dialog.
  cCmdDialogModel& Open(int set, int kind, int isNew = 1) {
    m_Command = cCommandData();
    m_Command.m_cSet = static_cast<int8_t>(set);
    m_Command.m_cKind = static_cast<int8_t>(kind);
    return Reopen(isNew);
  }
  cCmdDialogModel& Reopen(int isNew) {
    m_pDialog.reset();
    m_pDialog = std::make_unique<cCmdDialogModel>(*FindCmdDialogDesc(m_Command.m_cSet, m_Command.m_cKind),
                                                  cCmdEditContext{&m_Command, isNew});
    return *m_pDialog;
  }

  cVector<cValInfoData> m_vSavedNames;
  cCommandData m_Command;
  std::unique_ptr<cCmdDialogModel> m_pDialog;
};
}  // namespace

TEST_F(CmdDialogTest, EachKindFindsItsDialogAndTheChoosersAgree) {
  struct cCase {
    int m_nSet, m_nKind;
    const char* m_pClass;  // null: no description here
    uint16_t m_nTemplate;
    const char* m_pCaption;
  };
  const cCase cases[] = {
      {0, 1, "cDlgCommandWait", 207, "ウエイト"},       {0, 2, "cDlgCommandMoveStraight", 208, "直線移動"},
      {0, 8, "cDlgCommandMoveAvoid", 273, "移動の無効化"}, {0, 9, "cDlgCommandTurn", 263, "向き変更"},
      {0, 10, "cDlgCommandJump", 243, "ジャンプ"},       {0, 16, "cDlgCommandFlowOp", 225, "フローの操作"},
      {0, 19, "cDlgCommandMessage", 239, "メッセージ"},  {1, 4, "cDlgCommandMessage", 239, "メッセージ"},
      {0, 37, "cDlgCommandCode", 252, "コードの実行"},   {1, 22, "cDlgCommandCode", 252, "コードの実行"},
      {0, 38, "cDlgCommandArrange", 279, "アレンジ"},    {1, 23, "cDlgCommandArrange", 279, "アレンジ"},
      {0, 39, "cDlgCommandLoop", 280, "ループ"},         {1, 24, "cDlgCommandLoop", 280, "ループ"},
      {1, 1, "cDlgItemFlowOp", 217, "フローの変更"},     {0, 11, "cDlgCommandShot", 209, "ショット"},
      {1, 2, "cDlgCommandStageClear", 245, "ステージクリア"}, {0, 0, nullptr, 0, ""},
      {0, 40, nullptr, 0, ""},                           {1, 25, nullptr, 0, ""},
      {0, -3, nullptr, 0, ""},                           {5, 19, "cDlgCommandBackground", 240, "背景の変更"},
  };
  for (const cCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.m_nSet << " " << c.m_nKind);
    const cCmdDialogDesc* desc = FindCmdDialogDesc(c.m_nSet, c.m_nKind);
    ASSERT_EQ(desc != nullptr, c.m_pClass != nullptr);
    if (!desc) continue;
    EXPECT_STREQ(desc->m_pClass, c.m_pClass);
    EXPECT_EQ(desc->m_nTemplate, c.m_nTemplate);
    EXPECT_EQ(CmdDialogCaption(*desc), c.m_pCaption);
    const cCmdSelectTable& chooser = c.m_nSet == 0 ? kCharaCmdSelect : kItemCmdSelect;
    EXPECT_EQ(chooser.m_pEntries[c.m_nKind].m_nTemplateId, c.m_nTemplate);
  }
}

TEST_F(CmdDialogTest, ControlsHaveTheirLimitsAndRows) {
  struct cCase {
    const cCmdDialogDesc* m_pDesc;
    uint16_t m_nId;
    int8_t m_nKind;
    uint16_t m_nSpin;
    int32_t m_nMin, m_nMax, m_nOffset;
  };
  const cCase cases[] = {
      {&kWaitDialog, kIdcCmdTime, kCtrlEditVal, 1114, 1, 9999, 0},
      {&kWaitDialog, kIdcCmdTimeClone, kCtrlEditVal, 1116, -500, 500, 0},
      {&kMoveStraightDialog, kIdcMoveSpeed, kCtrlEditVal, 1119, -200, 200, 0},
      {&kMoveStraightDialog, kIdcMoveCloneDistance, kCtrlEditVal, 11270, -40, 40, 0},
      {&kMoveStraightDialog, kIdcMoveTargetDotY, kCtrlEditVal, 1391, -640, 640, 0},
      {&kJumpDialog, kIdcJumpLowHeight, kCtrlEditVal, 1308, 1, 20, 0},
      {&kMessageDialog, kIdcMsgY, kCtrlEditVal, 1211, 0, 15, 0},
      {&kMessageDialog, kIdcMsgInterval, kCtrlEditVal, 1116, 1, 9999, 0},
      {&kMessageDialog, kIdcMsgCommonVar, kCtrlCombo, 0, 0, 0, 1},
      {&kArrangeDialog, kIdcArrangeKind, kCtrlCombo, 0, 0, 0, 1},
      {&kLoopDialog, kIdcLoopCommands, kCtrlEditVal, 1184, 1, 999, 0},
      {&kLoopDialog, kIdcLoopTimes, kCtrlEditVal, 1262, 1, 99, 0},
  };
  for (const cCase& c : cases) {
    const cCmdCtrl* ctrl = FindCmdCtrl(*c.m_pDesc, c.m_nId);
    ASSERT_NE(ctrl, nullptr) << c.m_nId;
    EXPECT_EQ(ctrl->m_nKind, c.m_nKind) << c.m_nId;
    EXPECT_EQ(ctrl->m_nSpinId, c.m_nSpin) << c.m_nId;
    if (c.m_nKind == kCtrlEditVal) {
      EXPECT_EQ(ctrl->m_nMin, c.m_nMin) << c.m_nId;
      EXPECT_EQ(ctrl->m_nMax, c.m_nMax) << c.m_nId;
    }
    EXPECT_EQ(ctrl->m_nOffset, c.m_nOffset) << c.m_nId;
  }
  const cCmdCtrl* rate = FindCmdCtrl(kMoveStraightDialog, kIdcMoveTurnRate);
  EXPECT_EQ(rate->m_dMax, 9.9);
  EXPECT_EQ(rate->m_dStep, 0.1);
  EXPECT_EQ(FindCmdCtrl(kMessageDialog, kIdcMsgText)->m_nMax, 39);
  EXPECT_EQ(FindCmdCtrl(kMessageDialog, kIdcMsgText)->m_nLines, 29);
  EXPECT_EQ(FindCmdCtrl(kCodeDialog, kIdcCodeText)->m_nMax, 100);
  // The straight move's unit combo shares its id with the sound combo of other dialogs.
  EXPECT_EQ(FindCmdCtrl(kMoveStraightDialog, kIdcMoveUnit)->m_pRows, UnitNames);
  EXPECT_EQ(FindCmdCtrl(kTurnDialog, kIdcCmdSound)->m_nRows, kRowsSound);
  EXPECT_EQ(kTurnDialog.m_nSoundPreview, kIdcCmdSound);
  EXPECT_EQ(kJumpDialog.m_nSoundPreview, kIdcCmdSound);
}

TEST(MoveRatio, TheDistanceOverSpeedCheck) {
  struct cCase {
    int32_t m_nDistance, m_nSpeed, m_nUnit;
    double m_dRatio;
    int m_bAccepted;
    const char* m_pText;
  };
  const cCase cases[] = {
      {1, 160, 0, 0.1, 1, "距離(dot)÷速度　＝　0.10 (※分身は無視)"},
      {1, 161, 0, 16.0 / 161, 0, "距離(dot)÷速度　＝　0.10 (※分身は無視)"},
      {1, -160, 0, -0.1, 1, "距離(dot)÷速度　＝　-0.10 (※分身は無視)"},
      {1, 10, 1, 0.1, 1, "距離(dot)÷速度　＝　0.10 (※分身は無視)"},
      {1, 11, 1, 1.0 / 11, 0, "距離(dot)÷速度　＝　0.09 (※分身は無視)"},
      {64, 0, 0, 0.0, 0, "距離(dot)÷速度　＝　0.00 (※分身は無視)"},
      {64, 1, 0, 1024.0, 1, "距離(dot)÷速度　＝　1024.00 (※分身は無視)"},
      {3, -200, 7, -0.24, 1, "距離(dot)÷速度　＝　-0.24 (※分身は無視)"},  // any unit but dot counts hbl
  };
  for (const cCase& c : cases) {
    double ratio = MoveRatio(c.m_nDistance, c.m_nSpeed, c.m_nUnit);
    EXPECT_DOUBLE_EQ(ratio, c.m_dRatio) << c.m_nDistance << "/" << c.m_nSpeed;
    EXPECT_EQ(MoveRatioAcceptable(c.m_nDistance, c.m_nSpeed, c.m_nUnit), c.m_bAccepted)
        << c.m_nDistance << "/" << c.m_nSpeed;
    EXPECT_EQ(MoveRatioText(ratio), c.m_pText);
  }
}

TEST_F(CmdDialogTest, TheSettingTypeDecidesTimeSpeedDistanceAndTheRatio) {
  struct cCase {
    int m_nMode;
    const char* m_pEnabled;  // time, clone, speed, clone, distance, clone, unit
    int m_bRatioShown;
  };
  const cCase cases[] = {{0, "1111000", 0}, {1, "1100111", 0}, {2, "0011111", 1}};
  for (const cCase& c : cases) {
    cCmdDialogModel& dialog = Open(0, kCmdStraightMove);
    ASSERT_EQ(dialog.SetValue(kIdcMoveTimeMode, c.m_nMode), 1);
    ASSERT_EQ(dialog.SetValue(kIdcMoveDistance, 2), c.m_nMode == 0 ? 0 : 1);
    const cCtrlStates& states = dialog.States();
    EXPECT_EQ(EnabledOf(states, {kIdcCmdTime, kIdcCmdTimeClone, kIdcMoveSpeed, kIdcMoveCloneSpeed, kIdcMoveDistance,
                                 kIdcMoveCloneDistance, kIdcMoveUnit}),
              c.m_pEnabled);
    EXPECT_EQ(states.Shown(kIdcMoveRatio), c.m_bRatioShown);
    EXPECT_EQ(states.Shown(kIdcMoveRatioNote), c.m_bRatioShown);
    // The ratio follows the controls, not the clone factors.
    if (c.m_bRatioShown) {
      dialog.SetValue(kIdcMoveCloneSpeed, 50);
      EXPECT_EQ(*states.Text(kIdcMoveRatio), "距離(dot)÷速度　＝　3.20 (※分身は無視)");
    }
  }
}

TEST_F(CmdDialogTest, TheStraightMovesDirectionGroup) {
  struct cCase {
    int m_nSetType, m_nDirection, m_nTargetType, m_bUseX, m_bUseY;
    // direction, reverse, target type, use X, X, X dot, mirror X, use Y, Y, Y dot, mirror Y, until, jitter, rotate
    const char* m_pEnabled;
  };
  const cCase cases[] = {
      {0, 0, 0, 1, 1, "11000000000001"},  {0, 12, 0, 1, 1, "11000000000000"},
      {1, 0, 0, 1, 1, "00111111111111"},  {1, 0, 1, 0, 1, "00110001111111"},
      {1, 0, 2, 1, 1, "00111101110111"},  {1, 0, 3, 1, 0, "00111101000111"},
  };
  for (const cCase& c : cases) {
    cCmdDialogModel& dialog = Open(0, kCmdStraightMove);
    cEdMove& move = *dialog.Work().m_pMove;
    move.m_cSetType = static_cast<int8_t>(c.m_nSetType);
    move.m_cDirection = static_cast<int8_t>(c.m_nDirection);
    move.m_cTargetType = static_cast<int8_t>(c.m_nTargetType);
    move.m_bUseTargetX = static_cast<int8_t>(c.m_bUseX);
    move.m_bUseTargetY = static_cast<int8_t>(c.m_bUseY);
    dialog.Refresh();
    EXPECT_EQ(EnabledOf(dialog.States(), {kIdcMoveDir, kIdcMoveTurnReverse, kIdcMoveTargetMode, kIdcMoveUseTargetX,
                                          kIdcMoveTargetX, kIdcMoveTargetDotX, kIdcMoveMirrorX, kIdcMoveUseTargetY,
                                          kIdcMoveTargetY, kIdcMoveTargetDotY, kIdcMoveMirrorY, kIdcMoveUntilTarget,
                                          kIdcMoveNoJitter, kIdcMoveMirrorRotate}),
              c.m_pEnabled)
        << c.m_nSetType << " " << c.m_nDirection << " " << c.m_nTargetType;
    EXPECT_EQ(EnabledOf(dialog.States(), {kIdcMoveMaxSpeed, kIdcMoveTurnRate, kIdcCmdAnime}), "000");
  }
}

TEST_F(CmdDialogTest, TheJumpTypeDecidesItsEdits) {
  const std::pair<int, const char*> cases[] = {{0, "0100"}, {1, "0100"}, {2, "1111"}};
  for (const auto& c : cases) {
    cCmdDialogModel& dialog = Open(0, kCmdJump);
    dialog.SetValue(kIdcJumpType, c.first);
    EXPECT_EQ(EnabledOf(dialog.States(), {kIdcJumpHighSpeed, kIdcJumpHighHeight, kIdcJumpLowSpeed, kIdcJumpLowHeight}),
              c.second)
        << c.first;
  }
  // The anime, the sound and the off-screen check are never disabled.
  EXPECT_EQ(EnabledOf(Open(0, kCmdJump).States(), {kIdcCmdAnime, kIdcCmdSound, kIdcCmdSoundInView}), "---");
}

TEST_F(CmdDialogTest, TheMessageStates) {
  struct cCase {
    int m_nDuration, m_bInstant, m_bClear, m_bHasId;
    // time, pause, follow, instant, text, window, ID
    const char* m_pEnabled;
  };
  const cCase cases[] = {
      {0, 0, 0, 0, "0000110"}, {1, 0, 0, 1, "0010111"}, {2, 0, 0, 0, "1111110"},
      {2, 1, 0, 0, "0111110"}, {2, 0, 1, 1, "0000001"}, {0, 0, 1, 0, "0000000"},
  };
  for (const cCase& c : cases) {
    cCmdDialogModel& dialog = Open(0, kCmdMessage);
    cVector<int32_t>& params = dialog.Work().m_vParam;
    params[kMsgDuration] = c.m_nDuration;
    params[kMsgInstant] = c.m_bInstant;
    params[kMsgClear] = c.m_bClear;
    params[kMsgHasId] = c.m_bHasId;
    dialog.Refresh();
    std::string enabled = EnabledOf(dialog.States(), {kIdcMsgTime, kIdcMsgPause, kIdcMsgFollow, kIdcMsgInstant,
                                                      kIdcMsgText, kIdcMsgWindow, kIdcMsgId});
    EXPECT_EQ(enabled, c.m_pEnabled) << c.m_nDuration << c.m_bInstant << c.m_bClear;
  }
}

TEST_F(CmdDialogTest, ArrangeRowsFollowTheTargetAndTheVariableKind) {
  cVector<cString> kinds = CharaKindRows();
  ASSERT_EQ(kinds.Count(), 39);
  EXPECT_EQ(kinds[0], "ウエイト");
  EXPECT_EQ(kinds[38], "ループ");
  EXPECT_EQ(ArrangeParamRows(1), cVector<cString>{"×　非対応"});
  EXPECT_EQ(ArrangeParamRows(40), cVector<cString>{"×　非対応"});
  EXPECT_EQ(ArrangeParamRows(-1), cVector<cString>{"×　非対応"});
  cVector<cString> sword = ArrangeParamRows(12);
  EXPECT_EQ(sword, (cVector<cString>{"勢力", "Z座標", "威力", "衝撃"}));
  g_vValInfo[7].m_strName = "鍵";
  g_StageDoc.m_vStageVarName[7].m_strName = "扉";
  EXPECT_EQ(ArrangeVarRows(0)[6], "007 鍵");
  EXPECT_EQ(ArrangeVarRows(1)[6], "007 扉");
  EXPECT_EQ(ArrangeVarRows(2).Count(), 8);
  EXPECT_EQ(ArrangeVarRows(2)[7], "8 キャラ変数-8");
  cCmdDialogModel& dialog = Open(0, kCmdArrange);
  EXPECT_EQ(CmdCtrlRows(*FindCmdCtrl(dialog.Desc(), kIdcArrangeParam), dialog.Work()), ArrangeParamRows(2));
  dialog.SetValue(kIdcArrangeScope, 2);
  EXPECT_EQ(EnabledOf(dialog.States(), {kIdcArrangeOperation, kIdcArrangeScope, kIdcArrangeVar, kIdcArrangeRename}),
            "1110");
  dialog.SetValue(kIdcArrangeKind, 39);
  EXPECT_EQ(EnabledOf(dialog.States(), {kIdcArrangeOperation, kIdcArrangeScope, kIdcArrangeVar, kIdcArrangeRename}),
            "0000");
}

TEST_F(CmdDialogTest, TextsAreCutToTheirEdits) {
  std::string lines;
  for (int i = 0; i < 31; ++i) lines += "行\r\n";
  cCmdDialogModel& message = Open(0, kCmdMessage);
  ASSERT_EQ(message.SetText(kIdcMsgText, lines.c_str()), 1);
  int shown = CountLines(message.Work().m_strText.c_str());
  EXPECT_GT(shown, 0);
  EXPECT_LE(shown, kMsgLines);
  std::string longLine(50, 'a');
  ASSERT_EQ(message.SetText(kIdcMsgText, longLine.c_str()), 1);
  EXPECT_EQ(message.Work().m_strText, std::string(39, 'a') + "\r\n" + std::string(11, 'a'));
  // A code of 99 bytes and a double-byte character keeps 99 bytes, never half a character.
  std::string code(99, '1');
  code += "漢";
  cCmdDialogModel& dialog = Open(0, kCmdCode);
  ASSERT_EQ(dialog.SetText(kIdcCodeText, code.c_str()), 1);
  EXPECT_EQ(dialog.Work().m_strText, std::string(99, '1'));
  // A longer stored code is the user's to cut: OK keeps it as stored.
  m_Command.m_strText = "C1 = 1" + std::string(150, ' ');
  Reopen(0);
  ASSERT_EQ(m_pDialog->PressOk(), 1);
  EXPECT_EQ(m_Command.m_strText.size(), 156u);
}

TEST_F(CmdDialogTest, RenamesChangeTheNamesAndOnlyTheMessageAndCodeSaveAtOnce) {
  ASSERT_TRUE(MakeDirectory("data"));
  struct cCase {
    int m_nKind;
    uint16_t m_nButton;
    uint16_t m_nPicker;
    int m_nScope;
    int m_bSaved;
  };
  const cCase cases[] = {
      {kCmdArrange, kIdcArrangeRename, kIdcArrangeVar, kVarScopeCommon, 0},
      {kCmdMessage, kIdcMsgStageRename, kIdcMsgStageVar, kVarScopeStage, 0},
      {kCmdCode, kIdcCodeStageRename, kIdcCodeStageVar, kVarScopeStage, 0},
      {kCmdMessage, kIdcMsgCommonRename, kIdcMsgCommonVar, kVarScopeCommon, 1},
      {kCmdCode, kIdcCodeCommonRename, kIdcCodeCommonVar, kVarScopeCommon, 1},
  };
  for (const cCase& c : cases) {
    SCOPED_TRACE(c.m_nButton);
    std::remove("data\\GValInfo.dat");
    cCmdDialogModel& dialog = Open(0, c.m_nKind);
    ASSERT_EQ(dialog.SetValue(c.m_nPicker, 12), 1);
    if (c.m_nKind != kCmdArrange) {
      EXPECT_EQ(dialog.DialogValue(c.m_nScope), 12);  // the pickers keep their value in the dialog
    }
    EXPECT_EQ(dialog.Rename(c.m_nButton, "名前"), 1);
    EXPECT_EQ(VariableName(c.m_nScope, 12), "名前");
    EXPECT_EQ(FileThere("data\\GValInfo.dat"), c.m_bSaved == 1);
    // The name stays changed when the dialog is cancelled; the command is untouched.
    EXPECT_TRUE(m_Command.m_strText.empty());
    g_vValInfo[12].m_strName.clear();
    g_StageDoc.m_vStageVarName[12].m_strName.clear();
  }
  EXPECT_EQ(m_Shell.m_nBeeps, 0);
  // A character variable has no name to change.
  cCmdDialogModel& dialog = Open(0, kCmdArrange);
  dialog.SetValue(kIdcArrangeScope, 2);
  int site = 0, scope = 0;
  EXPECT_EQ(dialog.RenameSlot(kIdcArrangeRename, site, scope), nullptr);
  EXPECT_EQ(m_Shell.m_nBeeps, 1);
  EXPECT_EQ(dialog.Rename(kIdcMsgCommonRename, "x"), 0);  // not a button of this dialog
}

TEST_F(CmdDialogTest, TheFlowOperationsConditionsAreStoredOnlyByOk) {
  for (bool ok : {false, true}) {
    cCmdDialogModel& dialog = Open(0, kCmdFlowOp);
    EXPECT_EQ(EnabledOf(dialog.States(), {kIdcFlowOpCondList, kIdcFlowOpCondInsert, kIdcFlowOpCondEdit,
                                          kIdcFlowOpCondDelete, kIdcFlowOpJudge}),
              "00000");
    dialog.SetValue(kIdcFlowOpHasCond, 1);
    EXPECT_EQ(EnabledOf(dialog.States(), {kIdcFlowOpCondList, kIdcFlowOpCondInsert, kIdcFlowOpCondEdit,
                                          kIdcFlowOpCondDelete, kIdcFlowOpJudge}),
              "11111");
    cCondData distance;
    distance.m_cKind = kCondDistance;
    dialog.Work().m_pCondList->m_vCond.push_back(distance);  // a pasted distance condition is accepted here
    dialog.SetValue(kIdcFlowOpHasCond, 0);                     // unticking keeps the conditions
    if (ok) {
      ASSERT_EQ(dialog.PressOk(), 1);
    }
    ASSERT_NE(m_Command.m_pCondList.Get(), nullptr);
    EXPECT_EQ(m_Command.m_pCondList->m_vCond.Count(), ok ? 1 : 0);
    EXPECT_EQ(m_Command.m_pCondList->m_bHasCond, 0);
  }
  cCondData cond;
  cCondEditContext context = FlowOpCondContext(&cond, 1);
  EXPECT_EQ(context.m_pCond, &cond);
  EXPECT_EQ(context.m_bNew, 1);
  EXPECT_EQ(context.m_nListKind, 2);
}

TEST_F(CmdDialogTest, AFlowChangesNestedFlowsStayWhateverTheDialogReturns) {
  for (bool ok : {false, true}) {
    cCmdDialogModel& dialog = Open(1, kItemCmdFlowChange);
    dialog.SetValue(kIdcItemFlowOperation, 1);
    dialog.SetValue(kIdcItemFlowDeleteId, 4);
    EXPECT_EQ(EnabledOf(dialog.States(), {kIdcItemFlowDeleteId, kIdcItemFlowSetting}), "11");
    cVector<cFlowData>* flows = BeginItemFlowSetting(m_Command, dialog.Work(), g_StageEditState);
    EXPECT_EQ(flows, &m_Command.m_vFlow);
    EXPECT_EQ(g_StageEditState.m_pEditFlows, &m_Command.m_vFlow);
    EXPECT_EQ(g_StageEditState.m_nFlowOperation, 1);
    EXPECT_EQ(g_StageEditState.m_nFlowOperationId, 4);
    ASSERT_EQ(flows->Count(), 1);  // a default flow for the editor
    (*flows)[0].m_strMemo = "編集済み";  // the flow editor's own OK
    EndItemFlowSetting(g_StageEditState);
    EXPECT_EQ(g_StageEditState.m_pEditFlows, nullptr);
    if (ok) {
      ASSERT_EQ(dialog.PressOk(), 1);
    }
    ASSERT_EQ(m_Command.m_vFlow.Count(), 1);
    EXPECT_EQ(m_Command.m_vFlow[0].m_strMemo, "編集済み");
    EXPECT_EQ(m_Command.m_vParam[0], ok ? 1 : 0);
  }
  // A command with flows gets none added.
  m_Command.m_vFlow.resize(3);
  BeginItemFlowSetting(m_Command, m_Command, g_StageEditState);
  EXPECT_EQ(m_Command.m_vFlow.Count(), 3);
  EndItemFlowSetting(g_StageEditState);
}

TEST_F(CmdDialogTest, DatabaseRowsOfTheCommonCombos) {
  g_DatabaseSet.m_vAnime.resize(3);
  g_DatabaseSet.m_vAnime[2].m_strName = "走る";
  cCmdDialogModel& dialog = Open(0, kCmdTurn);
  const cCmdCtrl& anime = *FindCmdCtrl(dialog.Desc(), kIdcCmdAnime);
  EXPECT_EQ(CmdCtrlRowCount(anime, dialog.Work()), 3);
  EXPECT_EQ(CmdCtrlRows(anime, dialog.Work())[2], "02 走る");
  EXPECT_EQ(dialog.SetValue(kIdcCmdAnime, 2), 1);
  EXPECT_EQ(dialog.SetValue(kIdcCmdAnime, 3), 0);
  ASSERT_EQ(dialog.PressOk(), 1);
  EXPECT_EQ(m_Command.m_nAnime, 2);
  const cCmdCtrl& common = *FindCmdCtrl(kMessageDialog, kIdcMsgCommonVar);
  EXPECT_EQ(CmdCtrlRowCount(common, m_Command), 999);
}

TEST_F(CmdDialogTest, AMovementTypeOutsideItsTableShowsAsTheFirstRow) {
  for (int8_t stored : {int8_t{13}, int8_t{-1}, int8_t{100}}) {
    m_Command = cCommandData();
    m_Command.m_cKind = kCmdStraightMove;
    m_Command.m_pMove.Create();
    m_Command.m_pMove->m_cTimeMode = stored;
    m_Command.m_pMove->m_cDirection = stored;
    m_Command.m_pMove->m_cTargetType = stored;
    cCmdDialogModel& dialog = Reopen(0);
    EXPECT_EQ(dialog.Value(kIdcMoveTimeMode), 0) << int{stored};
    EXPECT_EQ(dialog.Value(kIdcMoveDir), 0);
    EXPECT_EQ(dialog.Value(kIdcMoveTargetMode), 0);
    EXPECT_EQ(dialog.States().Shown(kIdcMoveRatio), 0);
    EXPECT_EQ(EnabledOf(dialog.States(), {kIdcMoveSpeed, kIdcMoveDistance}), "10");
    EXPECT_EQ(m_Command.m_pMove->m_cTimeMode, stored);  // only OK stores the first row
  }
  // A setting type in its table stays as stored.
  m_Command.m_pMove->m_cTimeMode = 1;
  EXPECT_EQ(Reopen(0).Value(kIdcMoveTimeMode), 1);
}
