#pragma once
// Helpers for the command dialog tests: a host that records what a dialog asks of its window and
// answers from a script, the world of tables and palettes the runs open in, and the replay of a
// run through the dialogs' portable core.

#include <cstdlib>
#include <string>
#include <vector>

#include "app/cValInfoData.h"
#include "editors/CmdDialogCore.h"
#include "model/VariableNames.h"
#include "tests/editors/EditorTest.h"
#include "tests/support/CmdDialogRuns.h"
#include "ui/NumericText.h"

// A file on another drive than the working folder.
#ifdef _WIN32
constexpr const char* kOtherDrivePath = "Q:\\elsewhere\\a.stg4_0";
#else
constexpr const char* kOtherDrivePath = "/elsewhere/a.stg4_0";
#endif

class cRecordingHost : public cCmdDialogHost {
public:
  void PlaySound(const cString& path) override { m_vCalls.push_back("sound " + path); }
  void PlayBgm(const cString& path) override { m_vCalls.push_back("bgm " + path); }
  void StopBgm() override { m_vCalls.push_back("stop bgm"); }
  int PickCell(int sheet, int32_t& cell) override {
    m_vCalls.push_back("pick " + std::to_string(sheet));
    if (!m_pAnswer) return 0;
    cell = std::atoi(m_pAnswer);
    return 1;
  }
  int BrowseFile(const cBrowseSpec&, cString& path) override {
    m_vCalls.push_back("browse");
    if (!m_pAnswer) return 0;
    path = CmdRunPath(m_pAnswer, m_strCwd, m_strOther);
    return 1;
  }
  int EditVariableName(uint16_t anchor, cString& name) override {
    m_vCalls.push_back("rename " + std::to_string(anchor) + " " + name);
    if (!m_pAnswer) return 0;
    name = m_pAnswer;
    return 1;
  }
  void Beep() override { m_vCalls.push_back("beep"); }
  void ShowError(const char* text) override { m_vCalls.push_back(std::string("error ") + text); }
  void DrawShotCell(int32_t x, int32_t y) override {
    m_vCalls.push_back("shot cell " + std::to_string(x) + "," + std::to_string(y));
  }
  void DrawChara(const cEdChara& chara) override {
    m_vCalls.push_back("chara " + std::to_string(chara.m_cGraphicSheet) + "/" + std::to_string(chara.m_nGraphic) + "/" +
                       std::to_string(chara.m_nGraphicFrame));
  }
  void DrawColour(int32_t red, int32_t green, int32_t blue) override {
    m_vCalls.push_back("colour " + std::to_string(red) + "," + std::to_string(green) + "," + std::to_string(blue));
  }

  std::vector<std::string> m_vCalls;
  const char* m_pAnswer = nullptr;
  std::string m_strCwd;
  std::string m_strOther = kOtherDrivePath;
};

class CmdDialogRunTest : public EditorTest {
protected:
  void SetUp() override {
    EditorTest::SetUp();
    m_vSavedNames.swap(g_vValInfo);
    SetUpCmdDialogWorld();
    m_Host.m_strCwd = m_Folder.Path();
  }
  void TearDown() override {
    RegisterVariableNames<cValInfoData>(kVarScopeCommon, nullptr);
    RegisterVariableNames<cValInfoData>(kVarScopeStage, nullptr);
    m_vSavedNames.swap(g_vValInfo);
    EditorTest::TearDown();
  }

  // What a user's action makes the window hand to the dialog: the control's new content, then the
  // command the control sends.
  static void Act(cCmdDialogRun& dialog, const cCmdInput& input) {
    switch (input.m_nAct) {
      case kInType:
        dialog.ReadNumber(input.m_nId, std::strtod(FilterNumberText(input.m_pText).c_str(), nullptr));
        dialog.Command(input.m_nId, kEnUpdate);
        break;
      case kInText:
        dialog.ReadText(input.m_nId, input.m_pText);
        dialog.Command(input.m_nId, kEnUpdate);
        break;
      case kInRow:
        dialog.ReadRow(input.m_nId, input.m_nValue);
        dialog.Command(input.m_nId, kCbnSelChange);
        break;
      case kInCheck:
        dialog.ReadCheck(input.m_nId, input.m_nValue);
        dialog.Command(input.m_nId, kBnClicked);
        break;
      case kInSlide: dialog.ReadNumber(input.m_nId, input.m_nValue); break;
      case kInClick: dialog.Command(input.m_nId, kBnClicked); break;
    }
    dialog.Paint();
  }

  // Runs a run on command; the result the dialog closes with (-1 while it stays open).
  int Replay(const cCmdRun& run, cCommandData& command) {
    m_Host.m_pAnswer = run.m_pAnswer;
    cCmdDialogEnv env;
    env.m_nEditContext = run.m_nEditContext;
    env.m_Sheets.m_bChara = 1;
    cCmdDialogRun dialog({&command, run.m_bNew}, env, m_Host);
    EXPECT_TRUE(dialog.Valid()) << run.m_pName;
    dialog.Init();
    for (const cCmdInput& input : run.m_vInput) Act(dialog, input);
    if (run.m_nEnd == kEndOk || run.m_nEnd == kEndRefused) {
      if (dialog.Ok()) return 1;
      dialog.Cancel();
      return -1;
    }
    dialog.Cancel();
    return 0;
  }

  cRecordingHost m_Host;
  cVector<cValInfoData> m_vSavedNames;
};
