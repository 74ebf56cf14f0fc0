// The background dialog, run by the basic page's list for the row's background: its enables, the
// colour preview, the picture browse, OK and Cancel; and the layout of the sheet's pages and of the
// dialog, held on screen for screenshots when asked.
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "app/ProgramPalette.h"
#include "app/win/FileDialogs.h"
#include "stage/win/cDlgBackground.h"
#include "tests/stage/win/StageSettingsTest.h"
#include "tests/support/win/DialogItems.h"
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

COLORREF PreviewPixel(cDlgBackground& dialog) { return GetPixel(dialog.m_vPictures[0].m_Ctrl.m_Back.Dc(), 16, 16); }

class BackgroundDialogTest : public StageSettingsTest {
protected:
  BackgroundDialogTest() {
    m_Record.m_bUseColor = 1;
    m_Record.m_nColor = 40;
    m_Record.m_strPicture = "bmp\\back\\sky.bmp";
    m_Record.m_dScrollX = 0.5;
    g_ProgramPalette.m_Pal[40] = {10, 20, 200, 0};
    g_ProgramPalette.m_Pal[100] = {250, 60, 30, 0};
  }
  // The sheet open on its basic page, with the record as the stage's only background.
  HWND OpenOnRecord() {
    g_StageDoc.m_vBackground.clear();
    g_StageDoc.m_vBackground.push_back(m_Record);
    Open();
    return Page(0);
  }
  // The button "編集" for the list's current row; action drives the dialog. The dialog's holder
  // names it while it runs, and nothing after.
  void EditRow(HWND page, const std::function<void(HWND, cDlgBackground&)>& action) {
    cModalDriver driver([&](HWND window) {
      ASSERT_NE(Basic().m_pBackgroundDlg, nullptr);
      action(window, *Basic().m_pBackgroundDlg);
    });
    SendItemCommand(page, kIdcBasicBgEdit);
    EXPECT_TRUE(driver.Ran());
    EXPECT_EQ(Basic().m_pBackgroundDlg, nullptr);
  }
  // The stage's background after the sheet applied.
  const cBackgroundData& Applied() {
    Apply();
    EXPECT_EQ(g_StageDoc.m_vBackground.Count(), 1);
    return g_StageDoc.m_vBackground[0];
  }
  cBackgroundData m_Record;
};

}  // namespace

TEST_F(BackgroundDialogTest, ColourOrPictureAndTheColourPreview) {
  HWND page = OpenOnRecord();
  EditRow(page, [&](HWND window, cDlgBackground& dialog) {
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
    SendItemCommand(window, 1250);
    EXPECT_FALSE(Enabled(window, 1251));
    for (int id : pictureCtrls) EXPECT_TRUE(Enabled(window, id)) << id;
    SetDlgItemTextA(window, 1256, "700");
    SetDlgItemTextA(window, 1259, "-12.345");
    SendDlgItemMessageA(window, 1182, BM_SETCHECK, BST_CHECKED, 0);
    SendDlgItemMessageA(window, 1258, BM_SETCHECK, BST_CHECKED, 0);
    SendItemCommand(window, kIdcOk);
  });
  char row[64] = {};
  SendDlgItemMessageA(page, kIdcBasicBackgrounds, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(row));
  EXPECT_STREQ(row, "1 ○ bmp\\back\\sky.bmp") << "OK rewrites the row";
  const cBackgroundData& stored = Applied();
  EXPECT_EQ(stored.m_bUseColor, 0);
  EXPECT_EQ(stored.m_nColor, 207);
  EXPECT_EQ(stored.m_dScrollX, 640.0);
  EXPECT_NEAR(stored.m_dScrollY, -12.35, 0.006);
  EXPECT_EQ(stored.m_bShowFromStart, 1);
  EXPECT_EQ(stored.m_bAutoScrollX, 1);
  EXPECT_EQ(stored.m_bAutoScrollY, 0);
  EXPECT_STREQ(stored.m_strPicture.GetStr(), "bmp\\back\\sky.bmp");
}

TEST_F(BackgroundDialogTest, BrowseKeepsARelativePathAndCancelKeepsTheRecord) {
  m_Record.m_bUseColor = 0;
  cPictureChoice choice;
  HWND page = OpenOnRecord();
  EditRow(page, [&](HWND window, cDlgBackground&) {
    char shown[300] = {};
    choice.m_strAnswer = Here() + "\\bmp\\back\\夕焼け.bmp";
    SendItemCommand(window, 1254);
    GetDlgItemTextA(window, 1253, shown, sizeof shown);
    EXPECT_STREQ(shown, ".\\bmp\\back\\夕焼け.bmp");
    choice.m_strAnswer = "C:\\other\\far.bmp";  // another drive than the working folder's
    SendItemCommand(window, 1254);
    GetDlgItemTextA(window, 1253, shown, sizeof shown);
    EXPECT_STREQ(shown, ".\\bmp\\back\\夕焼け.bmp") << "a picture without a relative path is ignored";
    choice.m_strAnswer.clear();
    SendItemCommand(window, 1254);
    GetDlgItemTextA(window, 1253, shown, sizeof shown);
    EXPECT_STREQ(shown, ".\\bmp\\back\\夕焼け.bmp") << "a cancelled choice changes nothing";
    SendItemCommand(window, kIdcOk);
  });
  EXPECT_STREQ(Basic().m_vBackgroundWork[0].m_strPicture.GetStr(), ".\\bmp\\back\\夕焼け.bmp");
  EXPECT_EQ(choice.m_strFolder, "bmp\\back\\");
  EXPECT_EQ(choice.m_strTitle, "ビットマップの選択");
  EXPECT_EQ(choice.m_strExtension, "bmp");
  EXPECT_EQ(choice.m_strFilter, std::string("BitmapFile ( *.bmp )\0*.bmp\0", sizeof "BitmapFile ( *.bmp )\0*.bmp\0"));

  EditRow(page, [&](HWND window, cDlgBackground&) {
    SetDlgItemTextA(window, 1253, "bmp\\back\\other.bmp");
    SendDlgItemMessageA(window, 1250, BM_SETCHECK, BST_CHECKED, 0);
    SendItemCommand(window, kIdcCancel);
  });
  const cBackgroundData& stored = Applied();
  EXPECT_STREQ(stored.m_strPicture.GetStr(), ".\\bmp\\back\\夕焼け.bmp");
  EXPECT_EQ(stored.m_bUseColor, 0);
}

TEST_F(BackgroundDialogTest, EveryLabelFitsInsideItsControl) {
  int hold = HoldMilliseconds();
  g_StageDoc.m_strName = "草原ステージ";
  g_StageDoc.m_bLimitLeft = 1;
  g_StageDoc.m_nLimitLeft = 2;
  g_StageDoc.m_nBgm = 1;
  // A list of backgrounds of both kinds, as an author's stage has them.
  g_StageDoc.m_vBackground.clear();
  for (int i = 0; i < 5; ++i) {
    cBackgroundData background = m_Record;
    background.m_bShowFromStart = i % 2;
    background.m_bUseColor = i % 3 == 0;
    background.m_nColor = 40 + 16 * i;
    background.m_strPicture.Format("bmp\\back\\layer%d.bmp", i + 1);
    g_StageDoc.m_vBackground.push_back(background);
  }
  Open();
  SetForegroundWindow(m_pSettings->m_hWndSheet);
  for (int page = 0; page < 3; ++page) {
    HWND window = Page(page);
    ExpectLabelsInside(window);
    HoldForShot(page, hold, &m_List);
  }
  HWND basic = Page(0);
  EditRow(basic, [&](HWND window, cDlgBackground&) {
    ExpectLabelsInside(window);
    HoldForShot(3, hold, nullptr);
    SendItemCommand(window, kIdcCancel);
  });
}

TEST_F(BackgroundDialogTest, OpeningAndClosingTheSheetAndTheDialogLeavesNoHandles) {
  auto openAndClose = [this] {
    HWND basic = OpenOnRecord();
    for (int page = 2; page >= 0; --page) Page(page);
    EditRow(basic, [](HWND window, cDlgBackground&) { SendItemCommand(window, kIdcCancel); });
    Finish(PSBTN_CANCEL);
  };
  openAndClose();  // the first run loads what the process keeps: fonts, classes, cached contexts
  cGuiObjects before = CountGuiObjects();
  for (int i = 0; i < 10; ++i) openAndClose();
  cGuiObjects after = CountGuiObjects();
  EXPECT_EQ(after, before);
  EXPECT_EQ(m_Host.m_nSettingsClosed, 11);
  EXPECT_EQ(m_List.m_Windows.size(), 1u);
}
