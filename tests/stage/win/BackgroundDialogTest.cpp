// The background dialog: its enables, the colour preview, the picture browse, OK and Cancel; and
// the layout of the sheet's pages and of the dialog, held on screen for screenshots when asked.
#include <cstdio>
#include <cstdlib>

#include "app/ProgramPalette.h"
#include "app/win/FileDialogs.h"
#include "stage/win/cDlgBackground.h"
#include "tests/stage/win/StageSettingsTest.h"
#include "tests/support/win/GuiObjects.h"
#include "tests/support/win/LabelFit.h"
#include "tests/support/win/UserInput.h"

namespace {

// Answers the open-file dialog with a path and notes what it was asked.
class cPictureChoice : public cFileDialogSeam {
public:
  cPictureChoice() { SetFileDialogSeam(this); }
  ~cPictureChoice() override { SetFileDialogSeam(nullptr); }
  BOOL RunOpen(OPENFILENAMEA& record) override {
    m_strFolder = record.lpstrInitialDir ? record.lpstrInitialDir : "";
    m_strTitle = record.lpstrTitle ? record.lpstrTitle : "";
    m_strExtension = record.lpstrDefExt ? record.lpstrDefExt : "";
    m_strFilter.assign(record.lpstrFilter, record.lpstrFilter + sizeof "BitmapFile ( *.bmp )\0*.bmp\0");
    if (m_strAnswer.empty()) return FALSE;
    std::snprintf(record.lpstrFile, record.nMaxFile, "%s", m_strAnswer.c_str());
    return TRUE;
  }
  std::string m_strAnswer;
  std::string m_strFolder, m_strTitle, m_strExtension, m_strFilter;
};

std::string Here() {
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof folder, folder);
  return folder;
}

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

void Command(HWND dialog, int id, int code = BN_CLICKED) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

COLORREF PreviewPixel(cDlgBackground& dialog) { return GetPixel(dialog.m_vPictures[0].m_Ctrl.m_Back.Dc(), 16, 16); }

class BackgroundDialogTest : public StageSettingsTest {
protected:
  BackgroundDialogTest() {
    m_Record.m_bUseColor = 1;
    m_Record.m_nColor = 40;
    m_Record.m_strPicture = "bmp\\back\\sky.bmp";
    m_Record.m_dScrollX = 0.5;
    g_ProgramPalette.m_aEntry[40] = {10, 20, 200, 0};
    g_ProgramPalette.m_aEntry[100] = {250, 60, 30, 0};
  }
  cBackgroundData m_Record;
};

}  // namespace

TEST_F(BackgroundDialogTest, ColourOrPictureAndTheColourPreview) {
  cDlgBackground dialog(&m_Host, &m_List, &m_Record, nullptr);
  cModalDriver driver([&](HWND window) {
    const int pictureCtrls[] = {1253, 1254, 1256, 1257, 1259, 1260, 1258, 1261};
    EXPECT_TRUE(Enabled(window, 1251));
    for (int id : pictureCtrls) EXPECT_FALSE(Enabled(window, id)) << id;
    RECT preview = {};
    GetClientRect(GetDlgItem(window, 1255), &preview);
    EXPECT_EQ(preview.right, 32);
    EXPECT_EQ(preview.bottom, 32);
    EXPECT_EQ(PreviewPixel(dialog), RGB(200, 20, 10)) << "the colour at index 40 of the program palette";
    SetDlgItemTextA(window, 1251, "100");
    EXPECT_EQ(PreviewPixel(dialog), RGB(30, 60, 250));
    SetDlgItemTextA(window, 1251, "300");
    char shown[16] = {};
    GetDlgItemTextA(window, 1251, shown, sizeof shown);
    EXPECT_STREQ(shown, "207");

    SendDlgItemMessageA(window, 1250, BM_SETCHECK, BST_UNCHECKED, 0);
    Command(window, 1250);
    EXPECT_FALSE(Enabled(window, 1251));
    for (int id : pictureCtrls) EXPECT_TRUE(Enabled(window, id)) << id;
    SetDlgItemTextA(window, 1256, "700");
    SetDlgItemTextA(window, 1259, "-12.345");
    SendDlgItemMessageA(window, 1182, BM_SETCHECK, BST_CHECKED, 0);
    SendDlgItemMessageA(window, 1258, BM_SETCHECK, BST_CHECKED, 0);
    Command(window, kIdcOk);
  });
  EXPECT_EQ(dialog.DoModal(0), 1);
  EXPECT_TRUE(driver.Ran());
  EXPECT_EQ(m_Record.m_bUseColor, 0);
  EXPECT_EQ(m_Record.m_nColor, 207);
  EXPECT_EQ(m_Record.m_dScrollX, 640.0);
  EXPECT_NEAR(m_Record.m_dScrollY, -12.35, 0.006);
  EXPECT_EQ(m_Record.m_bShowFromStart, 1);
  EXPECT_EQ(m_Record.m_bAutoScrollX, 1);
  EXPECT_EQ(m_Record.m_bAutoScrollY, 0);
  EXPECT_STREQ(m_Record.m_strPicture.GetStr(), "bmp\\back\\sky.bmp");
}

TEST_F(BackgroundDialogTest, BrowseKeepsARelativePathAndCancelKeepsTheRecord) {
  m_Record.m_bUseColor = 0;
  cPictureChoice choice;
  cDlgBackground dialog(&m_Host, &m_List, &m_Record, nullptr);
  cModalDriver driver([&](HWND window) {
    char shown[300] = {};
    choice.m_strAnswer = Here() + "\\bmp\\back\\夕焼け.bmp";
    Command(window, 1254);
    GetDlgItemTextA(window, 1253, shown, sizeof shown);
    EXPECT_STREQ(shown, ".\\bmp\\back\\夕焼け.bmp");
    choice.m_strAnswer = "C:\\other\\far.bmp";  // another drive than the working folder's
    Command(window, 1254);
    GetDlgItemTextA(window, 1253, shown, sizeof shown);
    EXPECT_STREQ(shown, ".\\bmp\\back\\夕焼け.bmp") << "a picture without a relative path is ignored";
    choice.m_strAnswer.clear();
    Command(window, 1254);
    GetDlgItemTextA(window, 1253, shown, sizeof shown);
    EXPECT_STREQ(shown, ".\\bmp\\back\\夕焼け.bmp") << "a cancelled choice changes nothing";
    Command(window, kIdcOk);
  });
  EXPECT_EQ(dialog.DoModal(0), 1);
  EXPECT_STREQ(m_Record.m_strPicture.GetStr(), ".\\bmp\\back\\夕焼け.bmp");
  EXPECT_EQ(choice.m_strFolder, "bmp\\back\\");
  EXPECT_EQ(choice.m_strTitle, "ビットマップの選択");
  EXPECT_EQ(choice.m_strExtension, "bmp");
  EXPECT_EQ(choice.m_strFilter, std::string("BitmapFile ( *.bmp )\0*.bmp\0", sizeof "BitmapFile ( *.bmp )\0*.bmp\0"));

  cDlgBackground again(&m_Host, &m_List, &m_Record, nullptr);
  cModalDriver cancel([&](HWND window) {
    SetDlgItemTextA(window, 1253, "bmp\\back\\other.bmp");
    SendDlgItemMessageA(window, 1250, BM_SETCHECK, BST_CHECKED, 0);
    Command(window, kIdcCancel);
  });
  EXPECT_EQ(again.DoModal(0), 0);
  EXPECT_STREQ(m_Record.m_strPicture.GetStr(), ".\\bmp\\back\\夕焼け.bmp");
  EXPECT_EQ(m_Record.m_bUseColor, 0);
}

namespace {
// The windows stay on screen this long each for a screenshot when asked to (stage/win/screenshot.sh),
// each announced by a file "shot-N.ready" in the current folder.
void HoldForShot(int shot, int hold, cModelessList* list) {
  if (!hold) return;
  PumpFor(200, list);
  char name[32];
  std::snprintf(name, sizeof name, "shot-%d.ready", shot);
  WriteFileBytes(name, Bytes{1});
  PumpFor(hold, list);
}
}  // namespace

TEST_F(BackgroundDialogTest, EveryLabelFitsInsideItsControl) {
  int hold = HoldMilliseconds();
  g_StageDoc.m_strName = "草原ステージ";
  g_StageDoc.m_bLimitLeft = 1;
  g_StageDoc.m_nLimitLeft = 2;
  g_StageDoc.m_nBgm = 1;
  Open();
  SetForegroundWindow(m_pSettings->m_hWndSheet);
  for (int page = 0; page < 3; ++page) {
    HWND window = Page(page);
    ExpectLabelsInside(window);
    HoldForShot(page, hold, &m_List);
  }
  cDlgBackground dialog(&m_Host, &m_List, &m_Record, nullptr);
  cModalDriver driver([&](HWND window) {
    ExpectLabelsInside(window);
    HoldForShot(3, hold, nullptr);
    Command(window, kIdcCancel);
  });
  dialog.DoModal(0);
  EXPECT_TRUE(driver.Ran());
}

TEST_F(BackgroundDialogTest, OpeningAndClosingTheSheetAndTheDialogLeavesNoHandles) {
  auto openAndClose = [this] {
    Open();
    for (int page = 2; page >= 0; --page) Page(page);
    Finish(PSBTN_CANCEL);
    cDlgBackground dialog(&m_Host, &m_List, &m_Record, nullptr);
    cModalDriver driver([](HWND window) { Command(window, kIdcCancel); });
    dialog.DoModal(0);
  };
  openAndClose();  // the first run loads what the process keeps: fonts, classes, cached contexts
  cGuiObjects before = CountGuiObjects();
  for (int i = 0; i < 10; ++i) openAndClose();
  cGuiObjects after = CountGuiObjects();
  EXPECT_EQ(after, before);
  EXPECT_EQ(m_Host.m_nSettingsClosed, 11);
  EXPECT_EQ(m_List.m_Windows.size(), 1u);
}
