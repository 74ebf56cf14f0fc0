// The condition kind chooser and the condition dialogs, run from the condition lists of the
// character sheet: the kinds offered, the defaults of a new row, the subjects, the status lists,
// and renaming a variable.

#include <algorithm>
#include <string>
#include <vector>

#include "app/DataPaths.h"
#include "app/cValInfoData.h"
#include "editors/CondDialogRules.h"
#include "editors/StatusCondRules.h"
#include "model/VariableNames.h"
#include "tests/editors/win/EditorWndTest.h"
#include "tests/support/win/DialogItems.h"

namespace {
// The text of the static whose middle lies between two controls on their line; empty without one.
std::string TextBetween(HWND dialog, int leftId, int rightId) {
  RECT left = {}, right = {};
  GetWindowRect(GetDlgItem(dialog, leftId), &left);
  GetWindowRect(GetDlgItem(dialog, rightId), &right);
  for (HWND item = GetWindow(dialog, GW_CHILD); item; item = GetWindow(item, GW_HWNDNEXT)) {
    char name[16] = {}, text[64] = {};
    GetClassNameA(item, name, sizeof name);
    GetWindowTextA(item, text, sizeof text);
    RECT at = {};
    GetWindowRect(item, &at);
    LONG x = (at.left + at.right) / 2, y = (at.top + at.bottom) / 2;
    if (lstrcmpiA(name, "Static") == 0 && x > left.right && x < right.left && y > left.top && y < left.bottom)
      return text;
  }
  return "";
}

// The texts of a dialog's statics that show one, in byte order.
std::vector<std::string> StaticTexts(HWND dialog) {
  std::vector<std::string> texts;
  for (HWND item = GetWindow(dialog, GW_CHILD); item; item = GetWindow(item, GW_HWNDNEXT)) {
    char name[16] = {}, text[64] = {};
    GetClassNameA(item, name, sizeof name);
    GetWindowTextA(item, text, sizeof text);
    if (lstrcmpiA(name, "Static") == 0 && text[0]) texts.push_back(text);
  }
  std::sort(texts.begin(), texts.end());
  return texts;
}

class CondDialogsWndTest : public EditorWndTest {
protected:
  void SetUp() override {
    EditorWndTest::SetUp();
    g_vValInfo.Reset(1000);
    g_vValInfo[5].m_strName = "鍵";
    g_StageDoc.m_vStageVarName.Reset(1000);
    RegisterVariableNames(kVarScopeCommon, &g_vValInfo);
    RegisterVariableNames(kVarScopeStage, &g_StageDoc.m_vStageVarName);
    cEdChara chara = NamedChara("歩兵");
    chara.m_cControl = 1;
    Place(1, 1, chara);
  }
  void TearDown() override {
    RegisterVariableNames<cValInfoData>(kVarScopeCommon, nullptr);
    RegisterVariableNames<cValInfoData>(kVarScopeStage, nullptr);
    EditorWndTest::TearDown();
  }
  const cEdChara& Placed() { return g_StageDoc.m_vCharaLayer.Get(g_StageDoc.CellIndex(1, 1)); }
  // The basic page of a computer character, its appearance conditions open.
  HWND BasicPage() {
    EXPECT_NE(OpenPlaced(1, 1), nullptr);
    return Page(0);
  }
};
}  // namespace

TEST_F(CondDialogsWndTest, TheChooserNamesTheKindsAndOffersDistanceOnlyWhereItCounts) {
  HWND basic = BasicPage();
  std::vector<std::string> names;
  bool distanceOnBasicPage = true, distanceOnFlowPage = false;
  cDialogScript script({[&](HWND chooser) {
    for (int id = 1267; id <= 1273; ++id) names.push_back(Text(chooser, id));
    distanceOnBasicPage = Enabled(chooser, 1273);
    PostMessageA(chooser, WM_CLOSE, 0, 0);
  }});
  // As if the stage editor showed the block layer.
  g_StageEditState.m_nLayer = 0;
  Click(basic, 1041);
  EXPECT_EQ(names, (std::vector<std::string>{"コモン変数条件", "ステージ変数条件", "キャラ変数条件", "ステータス条件",
                                             "ステータス条件2", "ステータス条件3", "距離条件"}));
  EXPECT_FALSE(distanceOnBasicPage) << "the basic page's list offers it only on the character layer";
  EXPECT_EQ(Placed().m_vAppearCond.Count(), 0);
  HWND flow = Page(3);
  cDialogScript onFlow({[&](HWND chooser) {
    distanceOnFlowPage = Enabled(chooser, 1273);
    PostMessageA(chooser, WM_CLOSE, 0, 0);
  }});
  Click(flow, 1083);
  EXPECT_TRUE(distanceOnFlowPage);
  g_StageEditState.m_nLayer = 1;
}

TEST_F(CondDialogsWndTest, ANewDistanceConditionOpensWithItsDefaults) {
  HWND basic = BasicPage();
  std::string blocks, dots;
  bool shown1 = false, shown2 = false, colourEnabled = true, colourAfter = false;
  cDialogScript script({[](HWND chooser) { PostClick(chooser, 1273); },
                        [&](HWND dialog) {
                          blocks = Text(dialog, 1183);
                          dots = Text(dialog, 1185);
                          shown1 = Checked(dialog, 1474);
                          shown2 = Checked(dialog, 1477);
                          colourEnabled = Enabled(dialog, 1476) || Enabled(dialog, 1474);
                          Choose(dialog, 1475, 1);
                          colourAfter = Enabled(dialog, 1476) && Enabled(dialog, 1477);
                          PostClick(dialog, kIdcOk);
                        }});
  Click(basic, 1041);
  EXPECT_EQ(script.Captions(), (std::vector<std::string>{"条件", "距離条件"}));
  EXPECT_EQ(blocks, "10");
  EXPECT_EQ(dots, "0");
  EXPECT_TRUE(shown1);
  EXPECT_TRUE(shown2);
  EXPECT_FALSE(colourEnabled) << "\"表示しない\" leaves the colour and the checks off";
  EXPECT_TRUE(colourAfter);
  EXPECT_EQ(Rows(basic, 1044)[0], "距離条件 ： 主人公 が 横 10 以内");
  Press(PSBTN_OK);
  ASSERT_EQ(Placed().m_vAppearCond.Count(), 1);
  EXPECT_EQ(Placed().m_vAppearCond[0].m_cKind, 7);
  EXPECT_EQ(Placed().m_vAppearCond[0].m_cLeftKind, 1);
}

TEST_F(CondDialogsWndTest, AnExistingConditionOpensItsKindAndCancelLeavesIt) {
  cEdChara chara = Placed();
  cCondData cond;
  cond.m_cKind = 1;
  cond.m_nNumber = 5;
  cond.m_nValue = 3;
  chara.m_vAppearCond.push_back(cond);
  Place(1, 1, chara);
  HWND basic = BasicPage();
  std::string variable, value;
  cDialogScript script({[&](HWND dialog) {
    variable = Rows(dialog, 1045)[static_cast<size_t>(Row(dialog, 1045))];
    value = Text(dialog, 1046);
    Type(dialog, 1046, "99");
    PostClick(dialog, kIdcCancel);
  }});
  DoubleClick(basic, 1044);
  EXPECT_EQ(script.Captions(), (std::vector<std::string>{"コモン変数条件"}));
  EXPECT_EQ(variable, "005 鍵");
  EXPECT_EQ(value, "3");
  Press(PSBTN_OK);
  EXPECT_EQ(Placed().m_vAppearCond[0].m_nValue, 3);
}

TEST_F(CondDialogsWndTest, TheStatusDialogsNameTheCharacterItselfAndFollowTheirSubjects) {
  BasicPage();
  HWND flow = Page(3);
  std::vector<std::string> subjects, systemStatuses;
  std::string idLimit;
  bool percentForHp = false, percentForMaxHp = true;
  cDialogScript script({[](HWND chooser) { PostClick(chooser, 1270); },
                        [&](HWND dialog) {
                          subjects = Rows(dialog, kIdcStatSubject);
                          Choose(dialog, kIdcStatSubject, 5);
                          systemStatuses = Rows(dialog, kIdcStatStatus);
                          Choose(dialog, kIdcStatSubject, 0);
                          Choose(dialog, kIdcStatStatus, 1);
                          percentForHp = Enabled(dialog, kIdcStatPercent);
                          Check(dialog, kIdcStatPercent, 1);
                          Choose(dialog, kIdcStatStatus, 3);
                          percentForMaxHp = Enabled(dialog, kIdcStatPercent) || Checked(dialog, kIdcStatPercent);
                          int charaId = -1;
                          std::vector<std::string> rows = Rows(dialog, kIdcStatStatus);
                          for (size_t i = 0; i < rows.size(); ++i)
                            if (rows[i] == "キャラID") charaId = static_cast<int>(i);
                          Choose(dialog, kIdcStatStatus, charaId);
                          Type(dialog, kIdcStatValue, "500");
                          idLimit = Text(dialog, kIdcStatValue);
                          PostClick(dialog, kIdcOk);
                        }});
  Click(flow, 1083);
  ASSERT_EQ(subjects.size(), 6u);
  EXPECT_EQ(subjects[0], "自分");
  EXPECT_EQ(subjects[5], "システム");
  EXPECT_EQ(systemStatuses,
            (std::vector<std::string>{"時間", "横スクロール速度", "縦スクロール速度", "スコア", "残り人数"}));
  EXPECT_TRUE(percentForHp);
  EXPECT_FALSE(percentForMaxHp) << "\"最大HP\" cannot be compared in percent";
  EXPECT_EQ(idLimit, "99") << "the character ID compares within -99 .. 99";
  const cCondData& stored = Sheet()->FlowPage()->ShownFlow().m_vCond[0];
  EXPECT_EQ(stored.m_cKind, 4);
  EXPECT_EQ(stored.m_nValue, 99);
  EXPECT_EQ(stored.m_bPercent, 0);
}

// Each side reads as a sentence: "ステータス が 自分 の HP", "変数 が コモン変数 の 001", "～" between
// the random number's bounds.
TEST_F(CondDialogsWndTest, TheStatusConditionsTextsJoinItsControls) {
  HWND basic = BasicPage();
  std::vector<std::string> texts, between;
  cDialogScript script({[](HWND chooser) { PostClick(chooser, 1270); },
                        [&](HWND dialog) {
                          texts = StaticTexts(dialog);
                          const int pairs[][2] = {{kIdcStatLeftType, kIdcStatSubject},
                                                  {kIdcStatSubject, kIdcStatStatus},
                                                  {kIdcStatLeftScope, kIdcStatLeftVar},
                                                  {kIdcStatRandMin, kIdcStatRandMax},
                                                  {kIdcStatRightSubject, kIdcStatRightStatus},
                                                  {kIdcStatRightScope, kIdcStatRightVar}};
                          for (const auto& pair : pairs) between.push_back(TextBetween(dialog, pair[0], pair[1]));
                          PostClick(dialog, kIdcCancel);
                        }});
  Click(basic, 1041);
  EXPECT_EQ(script.Captions(), (std::vector<std::string>{"条件", "ステータス条件"}));
  EXPECT_EQ(texts, (std::vector<std::string>{"～", "が", "が", "の", "の", "の", "の"}));
  EXPECT_EQ(between, (std::vector<std::string>{"が", "の", "の", "～", "の", "の"}));
}

TEST_F(CondDialogsWndTest, TheSecondStatusDialogListsFlagsOrScrollModes) {
  HWND basic = BasicPage();
  std::vector<std::string> flags, scrolls, flight;
  cDialogScript script({[](HWND chooser) { PostClick(chooser, 1271); },
                        [&](HWND dialog) {
                          flags = Rows(dialog, kIdcStat2Status);
                          Choose(dialog, kIdcStat2Status, 2);
                          flight = Rows(dialog, kIdcStat2Option);
                          Choose(dialog, kIdcStat2Subject, 5);
                          scrolls = Rows(dialog, kIdcStat2Status);
                          PostClick(dialog, kIdcOk);
                        }});
  Click(basic, 1041);
  EXPECT_EQ(flags.front(), "透明");
  EXPECT_EQ(flags.size(), 6u) << "\"消滅\" is never offered";
  EXPECT_EQ(flight, (std::vector<std::string>{"OFF", "ON (ブロックをすり抜ける)", "ON (ブロックに当たる)",
                                              "ON (ブロックに当たると即死)"}));
  EXPECT_EQ(scrolls, (std::vector<std::string>{"横スクロール", "縦スクロール"}));
  const cCondData& stored = Sheet()->Basic()->Chara().m_vAppearCond[0];
  EXPECT_EQ(stored.m_cSubject, 5);
  EXPECT_EQ(stored.m_cStatus, 1) << "the scroll rows store 0 and 1";
}

TEST_F(CondDialogsWndTest, RenamingACommonVariableSavesTheNamesAStageVariableDoesNot) {
  HWND basic = BasicPage();
  HWND condition = nullptr;
  cDialogScript script({[](HWND chooser) { PostClick(chooser, 1267); },
                        [&](HWND dialog) {
                          condition = dialog;
                          Choose(dialog, 1045, 4);
                          PostClick(dialog, kIdcCondRename);
                        },
                        [&](HWND input) {
                          SetDlgItemTextA(input, 1003, "扉");
                          PostClick(input, kIdcOk);
                          PostClick(condition, kIdcOk);
                        }});
  Click(basic, 1041);
  ASSERT_EQ(script.Captions().size(), 3u);
  EXPECT_EQ(script.Captions()[2], "変数名の入力");
  EXPECT_EQ(g_vValInfo[5].m_strName, "扉");
  EXPECT_EQ(Rows(basic, 1044)[0], "コモン変数条件 ： 「005 扉」 が 0 である") << "the row shows the new name";
  EXPECT_TRUE(FileThere("data\\GValInfo.dat"));
  DeleteFileA("data\\GValInfo.dat");
  cDialogScript stage({[](HWND chooser) { PostClick(chooser, 1268); },
                       [&](HWND dialog) {
                         condition = dialog;
                         Choose(dialog, 1049, 1);
                         PostClick(dialog, kIdcCondRename);
                       },
                       [&](HWND input) {
                         SetDlgItemTextA(input, 1003, "旗");
                         PostClick(input, kIdcOk);
                         PostClick(condition, kIdcCancel);
                       }});
  Click(basic, 1041);
  EXPECT_EQ(g_StageDoc.m_vStageVarName[2].m_strName, "旗");
  EXPECT_FALSE(FileThere("data\\GValInfo.dat")) << "stage variable names are saved with the stage";
}

TEST_F(CondDialogsWndTest, AFailedSaveOfTheVariableNamesNamesTheFile) {
  CreateDirectoryA("data\\GValInfo.dat", nullptr);  // a folder where the file should go
  HWND basic = BasicPage();
  HWND condition = nullptr;
  std::string message;
  cDialogScript script({[](HWND chooser) { PostClick(chooser, 1267); },
                        [&](HWND dialog) {
                          condition = dialog;
                          Choose(dialog, 1045, 0);
                          PostClick(dialog, kIdcCondRename);
                        },
                        [&](HWND input) {
                          SetDlgItemTextA(input, 1003, "扉");
                          PostClick(input, kIdcOk);
                        },
                        [&](HWND box) {
                          message = Text(box, 0xFFFF);
                          PostClick(box, IDOK);
                          PostClick(condition, kIdcCancel);
                        }});
  Click(basic, 1041);
  ASSERT_EQ(script.Ran(), 4);
  EXPECT_NE(message.find("data\\GValInfo.dat"), std::string::npos) << message;
  RemoveDirectoryA("data\\GValInfo.dat");
}

TEST_F(CondDialogsWndTest, CtrlIInsertsAConditionAndOpensTheChooser) {
  HWND basic = BasicPage();
  cDialogScript script({[](HWND chooser) { PostClick(chooser, 1269); },
                        [](HWND dialog) {
                          Choose(dialog, 1429, 1);
                          Type(dialog, 1046, "0");
                          PostClick(dialog, kIdcOk);
                        }});
  SetFocus(GetDlgItem(basic, 1044));
  Command(basic, 40033);
  EXPECT_EQ(script.Ran(), 2);
  EXPECT_EQ(Rows(basic, 1044)[0], "キャラ変数条件 ： キャラ変数 「2 キャラ変数-2」が 0 である");
}
