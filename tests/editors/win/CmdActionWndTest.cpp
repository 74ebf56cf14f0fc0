// The command dialogs of what a character does, on the editor's own templates: every built
// dialog holds the controls its description binds and no input control it does not, each label
// inside its control; the shot's preview and graphic picker; the stage clear's stage file browse;
// the rows that the rules build (numbered rows for stored values past their tables, an empty
// sword-type table) and the rules that act on a user's change; the sound previews. Asked to
// (tests/editors/win/action-screenshot.sh), the shot and status operation dialogs stay on screen
// over the factory project.

#include <windows.h>
#include <commctrl.h>
#include <mmsystem.h>

#include <filesystem>
#include <functional>
#include <iterator>
#include <set>

#include "app/SheetCanvases.h"
#include "app/cMciSound.h"
#include "app/cValInfoData.h"
#include "app/win/FileDialogs.h"
#include "app/win/ProjectSheets.h"
#include "app/win/cCanvas.h"
#include "database/cDatabaseSet.h"
#include "editors/ShotCommandRules.h"
#include "editors/StageCommandRules.h"
#include "editors/StatusCondRules.h"
#include "editors/StatusOpRules.h"
#include "editors/win/cDlgCommand.h"
#include "editors/win/cDlgGraphicPick.h"
#include "model/VariableNames.h"
#include "tests/editors/win/EditorWndTest.h"
#include "tests/support/CmdDialogRows.h"
#include "tests/support/FakeSound.h"
#include "tests/support/win/DialogItems.h"
#include "tests/support/win/LabelFit.h"
#include "tests/support/win/UserInput.h"
#include "ui/win/cModelessList.h"

namespace {
using C = cCommandData;
using S = cEdShot;

// The kinds of the character set whose dialogs live in cDlgCommandAction.rc.
const int kActionKinds[] = {kCmdGroundMove, kCmdCircleMove, kCmdChargeMove, kCmdHomingMove, kCmdEvadeMove,
                            kCmdStopMove,   kCmdShot,       kCmdSword,      kCmdBlockSummon, kCmdCharaSummon,
                            kCmdItemSummon, kCmdStatus,     kCmdStatus2,    kCmdStageClear,  kCmdGameWait,
                            kCmdWarp,       kCmdSetTarget,  kCmdVanish};

std::string ClassOf(HWND item) {
  char name[64] = {};
  GetClassNameA(item, name, sizeof name);
  return name;
}

LONG StyleOf(HWND item) { return GetWindowLongA(item, GWL_STYLE); }

// A shot sheet whose 16 x 16 graphics each have a colour of their own: red and green count the
// sheet's column and row of graphics.
void MakeShotSheet(cCanvas& canvas) {
  ASSERT_EQ(canvas.Create(256, 480, 32, 0), 1);
  cPixelView image = canvas.Image();
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 256; ++x) {
      uint8_t* pixel = image.At(x, y);
      pixel[0] = 10;
      pixel[1] = static_cast<uint8_t>(8 * (y / 16));
      pixel[2] = static_cast<uint8_t>(8 * (x / 32) + 1);
    }
}

// The colour the preview shows for graphic n: that of its area on the sheet.
uint32_t SheetColour(int32_t n) {
  int32_t x = 0, y = 0;
  ShotPreviewOrigin(n, x, y);
  const uint8_t* pixel = g_aSheetCanvas[kSheetShot].Image().At(x + 8, y + 8);
  return Rgb(pixel[2], pixel[1], pixel[0]);
}

uint32_t PreviewColour(const cDlgCommand& dialog) {
  const uint8_t* pixel = dialog.PreviewCanvas().Image().At(8, 8);
  return Rgb(pixel[2], pixel[1], pixel[0]);
}

// Answers the open-file dialog with one path, or cancels it; remembers what it was asked.
class cAnsweringFileDialog : public cFileDialogSeam {
public:
  BOOL RunOpen(OPENFILENAMEA& record) override {
    ++m_nRuns;
    m_strFolder = record.lpstrInitialDir ? record.lpstrInitialDir : "";
    m_strTitle = record.lpstrTitle ? record.lpstrTitle : "";
    m_strFilter = record.lpstrFilter ? record.lpstrFilter : "";
    if (m_strAnswer.empty()) return FALSE;
    lstrcpynA(record.lpstrFile, m_strAnswer.c_str(), static_cast<int>(record.nMaxFile));
    return TRUE;
  }
  std::string m_strAnswer;
  std::string m_strFolder, m_strTitle, m_strFilter;
  int m_nRuns = 0;
};

class CmdActionWndTest : public EditorWndTest {
protected:
  void SetUp() override {
    EditorWndTest::SetUp();
    m_vSavedNames.swap(g_vValInfo);
    SetUpCmdDialogWorld();
    MakeShotSheet(g_aSheetCanvas[kSheetShot]);
    MakeShotSheet(g_aSheetCanvas[kSheetOverviewShot]);
  }
  void TearDown() override {
    SetFileDialogSeam(nullptr);
    g_StageEditState.m_nEditContext = 0;
    RegisterVariableNames<cValInfoData>(kVarScopeCommon, nullptr);
    RegisterVariableNames<cValInfoData>(kVarScopeStage, nullptr);
    m_vSavedNames.swap(g_vValInfo);
    EditorWndTest::TearDown();
  }

  // Runs the dialog of a kind on the command; act does what the user does, ending with OK or
  // Cancel. The dialog's result.
  int Run(int set, int kind, int isNew, const std::function<void(HWND, cDlgCommand&)>& act) {
    m_Command.m_cSet = static_cast<int8_t>(set);
    m_Command.m_cKind = static_cast<int8_t>(kind);
    cCmdEditContext context{&m_Command, isNew};
    cDlgCommand* slot = nullptr;
    cDialogScript script({[&](HWND dialog) { act(dialog, *slot); }});
    int result = RunCommandDialog(slot, set, kind, &Editor(), &context, &g_ModelessList, nullptr);
    EXPECT_EQ(script.Ran(), 1);
    return result;
  }

  cVector<cValInfoData> m_vSavedNames;
  C m_Command;
};

void ExpectControlOfItsKind(HWND dialog, const cCmdCtrl& ctrl) {
  HWND item = GetDlgItem(dialog, ctrl.m_nId);
  ASSERT_NE(item, nullptr) << ctrl.m_nId;
  std::string name = ClassOf(item);
  switch (ctrl.m_nKind) {
    case kCtrlEditVal:
    case kCtrlEditText: EXPECT_EQ(name, "Edit") << ctrl.m_nId; break;
    case kCtrlCheck:
      EXPECT_EQ(name, "Button") << ctrl.m_nId;
      EXPECT_EQ(StyleOf(item) & BS_TYPEMASK, BS_AUTOCHECKBOX) << ctrl.m_nId;
      break;
    case kCtrlCombo:
      EXPECT_EQ(name, "ComboBox") << ctrl.m_nId;
      EXPECT_EQ(StyleOf(item) & 3, CBS_DROPDOWNLIST) << ctrl.m_nId;
      break;
    default: break;
  }
  EXPECT_TRUE(StyleOf(item) & WS_TABSTOP) << ctrl.m_nId << " is reached by the tab key";
  if (ctrl.m_nKind == kCtrlSlider) {
    // Its value edit beside it.
    EXPECT_EQ(name, "msctls_trackbar32") << ctrl.m_nId;
    HWND value = GetDlgItem(dialog, ctrl.m_nSpinId);
    ASSERT_NE(value, nullptr) << ctrl.m_nSpinId;
    EXPECT_EQ(ClassOf(value), "Edit") << ctrl.m_nSpinId;
  } else if (ctrl.m_nSpinId) {
    HWND spin = GetDlgItem(dialog, ctrl.m_nSpinId);
    ASSERT_NE(spin, nullptr) << ctrl.m_nSpinId;
    EXPECT_EQ(ClassOf(spin), "msctls_updown32");
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(spin, UDM_GETBUDDY, 0, 0)), item) << ctrl.m_nSpinId;
  }
}

// Whether the user changes or presses the item: edits, combos, lists, sliders, up-downs and every
// button but a group box.
bool IsInputItem(HWND item) {
  std::string name = ClassOf(item);
  if (name == "Button") return (StyleOf(item) & BS_TYPEMASK) != BS_GROUPBOX;
  return name == "Edit" || name == "ComboBox" || name == "ListBox" || name == "msctls_trackbar32" ||
         name == "msctls_updown32";
}

// The ids a description binds or handles: its controls with their up-downs or value edits, its
// buttons of their own, renames, condition list, cell picker, browse and BGM play, and OK and cancel.
std::set<int> BoundIds(const cCmdDialogDesc& desc) {
  std::set<int> ids = {kIdcOk, kIdcCancel, desc.m_nCondList, desc.m_CellPick.m_nButton, desc.m_Browse.m_nButton,
                       desc.m_nBgmPlay};
  ForEachCmdCtrl(desc, [&](const cCmdCtrl& ctrl) {
    ids.insert(ctrl.m_nId);
    ids.insert(ctrl.m_nSpinId);
  });
  for (int i = 0; i < desc.m_nButtons; ++i) ids.insert(desc.m_pButtons[i]);
  for (int i = 0; i < desc.m_nRenames; ++i) ids.insert(desc.m_pRenames[i].m_nButton);
  ids.erase(0);
  return ids;
}
}  // namespace

TEST_F(CmdActionWndTest, EveryBuiltDialogHoldsTheControlsItsDescriptionBindsAndNoOthers) {
  for (int kind : kActionKinds) EXPECT_NE(CmdDialogOf(0, kind), nullptr) << kind;
  int checked = 0;
  for (const cCmdDialogDesc* desc : CmdDialogDescs()) {
    if (CmdDialogOf(desc->m_nSet, desc->m_nKind) != desc) continue;
    SCOPED_TRACE(desc->m_pClass);
    m_Command = C();
    Run(desc->m_nSet, desc->m_nKind, 1, [&](HWND dialog, cDlgCommand&) {
      char caption[128] = {};
      GetWindowTextA(dialog, caption, sizeof caption);
      EXPECT_EQ(std::string(caption), CmdDialogCaption(*desc).GetStr());
      ForEachCmdCtrl(*desc, [&](const cCmdCtrl& ctrl) {
        if (CmdCtrlPresent(*desc, ctrl.m_nId)) ExpectControlOfItsKind(dialog, ctrl);
        else EXPECT_EQ(GetDlgItem(dialog, ctrl.m_nId), nullptr) << ctrl.m_nId << " is not on this template";
      });
      std::set<int> bound = BoundIds(*desc);
      for (HWND item = GetWindow(dialog, GW_CHILD); item; item = GetWindow(item, GW_HWNDNEXT)) {
        int id = GetDlgCtrlID(item);
        if (IsInputItem(item)) {
          EXPECT_EQ(bound.count(id), 1u) << id << " on the template is bound by nothing";
        }
      }
      for (int i = 0; i < desc->m_nButtons; ++i) {
        HWND button = GetDlgItem(dialog, desc->m_pButtons[i]);
        ASSERT_NE(button, nullptr) << desc->m_pButtons[i];
        EXPECT_EQ(ClassOf(button), "Button");
      }
      EXPECT_EQ(EditorWndTest::Text(dialog, kIdcCancel), "ｷｬﾝｾﾙ");
      ExpectLabelsInside(dialog);
      ++checked;
      PostClick(dialog, kIdcCancel);
    });
  }
  EXPECT_GE(checked, static_cast<int>(std::size(kActionKinds)));
}

// With the flow, media and action dialogs the editor has a dialog, and its template, for every kind
// of both sets.
TEST_F(CmdActionWndTest, EveryKindOfBothSetsHasItsDialog) {
  HMODULE module = GetModuleHandleA(nullptr);
  for (int set = 0; set < 2; ++set) {
    for (int kind = 1; kind < (set ? kItemCmdCount : kCharaCmdCount); ++kind) {
      const cCmdDialogDesc* desc = CmdDialogOf(set, kind);
      ASSERT_NE(desc, nullptr) << set << " " << kind;
      EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(desc->m_nTemplate), MAKEINTRESOURCEA(5)), nullptr)
          << set << " " << kind;
    }
  }
}

TEST_F(CmdActionWndTest, TheShotPreviewFollowsTheTypedGraphicAndThePicker) {
  uint32_t typed = 0, picked = 0;
  std::string pickedText;
  int result = Run(0, kCmdShot, 1, [&](HWND dialog, cDlgCommand& shot) {
    EXPECT_EQ(PreviewColour(shot), SheetColour(1)) << "a new shot shows graphic 1";
    Type(dialog, kIdcShotGraphic, "61");
    typed = PreviewColour(shot);
    cDialogScript pick({[](HWND picker) { ClickPickerCell(picker, 15); }});
    Click(dialog, kIdcShotPick);
    EXPECT_EQ(pick.Captions(), (std::vector<std::string>{"グラフィック"}));
    pickedText = Text(dialog, kIdcShotGraphic);
    picked = PreviewColour(shot);
    PostClick(dialog, kIdcOk);
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(typed, SheetColour(61)) << "the number being typed counts before OK";
  EXPECT_EQ(pickedText, "15") << "the second column's top cell";
  EXPECT_EQ(picked, SheetColour(15));
  ASSERT_TRUE(m_Command.m_pShot);
  EXPECT_EQ(m_Command.m_pShot->m_nGraphic, 15);
}

TEST_F(CmdActionWndTest, TheStageFileBrowseKeepsAPathRelativeToTheWorkingFolderOrNothing) {
  cAnsweringFileDialog files;
  SetFileDialogSeam(&files);
  char here[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof here, here);
  std::vector<std::string> shown;
  cBoxAnswerer boxes;
  int result = Run(0, kCmdStageClear, 1, [&](HWND dialog, cDlgCommand&) {
    EXPECT_FALSE(Enabled(dialog, kIdcClearBrowse));
    Choose(dialog, kIdcClearMode, 2);
    EXPECT_TRUE(Enabled(dialog, kIdcClearBrowse));
    files.m_strAnswer = std::string(here) + "\\data\\stg4\\stage-2.stg4_771";
    Click(dialog, kIdcClearBrowse);
    shown.push_back(Text(dialog, kIdcClearPath));
    files.m_strAnswer = "Q:\\elsewhere\\stage-3.stg4_771";  // another drive
    Click(dialog, kIdcClearBrowse);
    shown.push_back(Text(dialog, kIdcClearPath));
    files.m_strAnswer.clear();  // cancelled
    Click(dialog, kIdcClearBrowse);
    shown.push_back(Text(dialog, kIdcClearPath));
    PostClick(dialog, kIdcOk);
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(files.m_nRuns, 3);
  EXPECT_EQ(files.m_strFolder, kStageFileBrowse.m_pFolder);
  EXPECT_EQ(files.m_strTitle, "ステージファイルの選択");
  EXPECT_EQ(files.m_strFilter, "StageFile ( *.stg4_* )");
  const std::string relative = ".\\data\\stg4\\stage-2.stg4_771";
  EXPECT_EQ(shown, (std::vector<std::string>{relative, relative, relative}));
  EXPECT_TRUE(boxes.Seen().empty()) << "a file on another drive is left out without a word";
  EXPECT_EQ(m_Command.m_strText, relative.c_str());
  EXPECT_EQ(m_Command.m_vParam[0], 2);
}

TEST_F(CmdActionWndTest, StoredRowsPastTheirTablesShowTheirNumberWithABlankName) {
  m_Command.m_pShot.Create();
  m_Command.m_pShot->m_nSummonIndex = 7;
  m_Command.m_nSound = 9;
  m_Command.m_nAnime = 1;
  std::vector<std::string> entries, sounds;
  int entryRow = -1, soundRow = -1;
  Run(0, kCmdCharaSummon, 0, [&](HWND dialog, cDlgCommand&) {
    entries = Rows(dialog, kIdcSummonIndex);
    entryRow = Row(dialog, kIdcSummonIndex);
    sounds = Rows(dialog, kIdcCmdSound);
    soundRow = Row(dialog, kIdcCmdSound);
    PostClick(dialog, kIdcOk);
  });
  EXPECT_EQ(entries, (std::vector<std::string>{"001 ", "002 ", "007 "}));
  EXPECT_EQ(entryRow, 2);
  ASSERT_EQ(sounds.size(), 4u);
  EXPECT_EQ(sounds[3], "09 ");
  EXPECT_EQ(soundRow, 3);
  EXPECT_EQ(m_Command.m_pShot->m_nSummonIndex, 7) << "OK keeps the stored entry";
  EXPECT_EQ(m_Command.m_nSound, 9);
}

TEST_F(CmdActionWndTest, ASwordWithoutSwordTypesTakesTimeOneAndAnEmptyCombo) {
  g_DatabaseSet.m_vSwordType.clear();
  std::vector<std::string> types;
  int row = 0;
  std::string time;
  bool timeEnabled = true;
  Run(0, kCmdSword, 1, [&](HWND dialog, cDlgCommand&) {
    types = Rows(dialog, kIdcSwordType);
    row = Row(dialog, kIdcSwordType);
    time = Text(dialog, kIdcCmdTime);
    timeEnabled = Enabled(dialog, kIdcCmdTime);
    PostClick(dialog, kIdcOk);
  });
  EXPECT_TRUE(types.empty());
  EXPECT_EQ(row, -1);
  EXPECT_EQ(time, "1");
  EXPECT_FALSE(timeEnabled);
  EXPECT_EQ(m_Command.m_nTime, 1);
  EXPECT_EQ(m_Command.m_pShot->m_cMoveType, 0);
}

TEST_F(CmdActionWndTest, AChoiceInTheWindowBringsItsDefaultsAndItsRows) {
  std::vector<std::string> labels, values, items;
  std::string spread;
  bool aimChecked = false, aimEnabled = true;
  int result = Run(0, kCmdShot, 1, [&](HWND dialog, cDlgCommand&) {
    Choose(dialog, kIdcShotFormation, 2);
    spread = Text(dialog, 1041);
    Choose(dialog, kIdcShotFormation, 3);
    for (uint16_t id : kFormParamLabels) labels.push_back(Text(dialog, id));
    for (uint16_t id : kFormParamEdits) values.push_back(Text(dialog, id));
    aimChecked = Checked(dialog, kIdcShotAimAngle);
    aimEnabled = Enabled(dialog, kIdcShotAimAngle);
    Type(dialog, 1042, "30");
    Choose(dialog, kIdcShotItemPalette, 1);
    items = Rows(dialog, kIdcShotItem);
    Choose(dialog, kIdcShotItem, 2);
    PostClick(dialog, kIdcOk);
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(spread, "30") << "拡散 brings its angle";
  EXPECT_EQ(labels, (std::vector<std::string>{"間隔(hbl)", "列の数", "列の間隔(hbl)"}));
  EXPECT_EQ(values, (std::vector<std::string>{"0", "1", "0"}));
  EXPECT_TRUE(aimChecked);
  EXPECT_FALSE(aimEnabled);
  EXPECT_EQ(items, (std::vector<std::string>{"001 ", "002 ", "003 "}));
  const S& shot = *m_Command.m_pShot;
  EXPECT_EQ(shot.m_cFormation, 3);
  EXPECT_EQ(shot.m_nFormParam[1], 30) << "another control keeps the parameters";
  EXPECT_EQ(shot.m_bAimAngle, 1);
  EXPECT_EQ(shot.m_cItemPalette, 1);
  EXPECT_EQ(shot.m_nItemIndex, 3);

  // The status lists follow the subject; the system's time narrows the constant.
  m_Command = C();
  std::vector<std::string> statuses;
  Run(0, kCmdStatus, 1, [&](HWND dialog, cDlgCommand&) {
    Choose(dialog, kIdcStatSubject, 5);
    statuses = Rows(dialog, kIdcStatStatus);
    Choose(dialog, kIdcStatStatus, 0);
    Type(dialog, kIdcStatValue, "5000");
    PostClick(dialog, kIdcOk);
  });
  ASSERT_EQ(statuses.size(), 5u);
  EXPECT_EQ(statuses[0], "時間");
  EXPECT_EQ(m_Command.m_vParam[kOpLeftSubject], 5);
  EXPECT_EQ(m_Command.m_vParam[kOpConstant], 999);
}

// The sound combo's choice reaches the wave player at once.
TEST_F(CmdActionWndTest, ChoosingASoundPlaysItThroughTheWavePlayer) {
  cFakeSound sound;
  ASSERT_EQ(OpenDefaultWave(g_MciSound), 1);
  sound.Take();
  std::vector<std::string> calls;
  Run(0, kCmdCharaSummon, 1, [&](HWND dialog, cDlgCommand&) {
    Choose(dialog, kIdcCmdSound, 2);
    calls = sound.Take();
    Choose(dialog, kIdcCmdSound, 0);
    EXPECT_TRUE(sound.Take().empty()) << "なし plays nothing";
    PostClick(dialog, kIdcCancel);
  });
  g_MciSound.Shutdown();
  bool played = false;
  for (const std::string& call : calls) played = played || call.find("wave\\bomb.wav") != std::string::npos;
  EXPECT_TRUE(played) << "calls: " << calls.size();
}

// With the platform's own sound (a null device, or none at all under VX_WINE_NO_SOUND), choosing
// a real sound file neither hangs nor complains.
TEST_F(CmdActionWndTest, APreviewOnThePlatformsSoundFailsQuietlyWithoutADevice) {
  CreateDirectoryA("wave", nullptr);
  ASSERT_TRUE(CopyFileA("Z:\\usr\\share\\sounds\\alsa\\Front_Center.wav", "wave\\bomb.wav", FALSE));
  ASSERT_EQ(OpenDefaultWave(g_MciSound), 1);
  cBoxAnswerer boxes;
  Run(0, kCmdShot, 1, [&](HWND dialog, cDlgCommand&) {
    Choose(dialog, kIdcCmdSound, 2);
    PostClick(dialog, kIdcCancel);
  });
  g_MciSound.Shutdown();
  EXPECT_TRUE(boxes.Seen().empty()) << (waveOutGetNumDevs() ? "a null device" : "no device");
}

// Every dialog of the family over the factory project (its database, palettes and shot sheet), in
// the order of kActionKinds, each label inside its control.
TEST_F(CmdActionWndTest, TheDialogsOnScreenOverTheFactoryProject) {
  int hold = HoldMilliseconds();
  namespace fs = std::filesystem;
  for (const char* folder : {"data", "bmp"}) fs::remove_all(folder);
  fs::copy(BuildTreePath("project\\default"), "data", fs::copy_options::recursive);
  fs::copy(BuildTreePath("project\\bmp"), "bmp", fs::copy_options::recursive);
  {
    cBoxAnswerer boxes;
    ASSERT_EQ(LoadProject(), 1);
    EXPECT_TRUE(boxes.Seen().empty());
  }
  int shot = 0;
  for (int kind : kActionKinds) {
    m_Command = C();
    Run(0, kind, 1, [&](HWND dialog, cDlgCommand&) {
      SetForegroundWindow(dialog);
      ExpectLabelsInside(dialog);
      HoldForShot(shot, hold, &g_ModelessList);
      PostClick(dialog, kIdcCancel);
    });
    ++shot;
  }
}
