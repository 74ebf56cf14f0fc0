// The previews of the system settings sheet (title font, BGM, sound effects) and what it does when
// memory, the disk or the data fall short.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "app/DataPaths.h"
#include "app/ReportLog.h"
#include "app/cBgmManager.h"
#include "app/cMciSound.h"
#include "app/win/FileDialogs.h"
#include "app/win/cCanvas.h"
#include "database/cDatabaseSet.h"
#include "tests/support/RefusedAllocation.h"
#include "tests/project/win/FileAnswer.h"
#include "tests/project/win/SystemSheetFixture.h"
#include "tests/support/FakeSound.h"

namespace {

std::vector<uint8_t> Pixels(const cCanvas& canvas) {
  cPixelView view = canvas.Image();
  std::vector<uint8_t> pixels;
  for (int y = 0; y < view.m_nHeight; ++y)
    pixels.insert(pixels.end(), view.Row(y), view.Row(y) + view.m_nWidth * view.m_nBytesPerPixel);
  return pixels;
}

std::string Joined(const std::vector<std::string>& calls) {
  std::string all;
  for (const std::string& call : calls) all += call + "; ";
  return all;
}

// The preview as the page must draw it: the text in that face, white on black.
std::vector<uint8_t> ExpectedPreview(const char* face) {
  cCanvas canvas;
  canvas.Create(430, 19, 32, 0);
  canvas.Fill(RGB(0, 0, 0));
  canvas.CreateFont(face, 0, 16);
  canvas.DrawText(0, 1, "abc ABC あいう 剣弾魔龍", RGB(255, 255, 255), TRANSPARENT);
  return Pixels(canvas);
}

}  // namespace


TEST_F(SystemSheetTest, FontPreviewDrawsTheFaceTheComboShows) {
  Open();
  HWND general = ShowPage(kSysPageGeneral);
  auto* page = static_cast<cSysGeneralPage*>(Sheet()->m_apPages[kSysPageGeneral]);
  cCanvas& preview = page->m_cgPreview.m_Ctrl.m_Back;
  ASSERT_EQ(preview.Width(), 430);
  ASSERT_EQ(preview.Height(), 19);
  EXPECT_EQ(Pixels(preview), ExpectedPreview("ＭＳ Ｐゴシック")) << "the stored font, row 60";

  ChooseRow(general, kIdcFont, 62);
  std::vector<uint8_t> mincho = Pixels(preview);
  EXPECT_EQ(mincho, ExpectedPreview("IPAMincho")) << "ＭＳ 明朝 is drawn with the IPA Mincho here";
  EXPECT_NE(mincho, ExpectedPreview("IPAPGothic"));
  EXPECT_EQ(S.m_nFont, 60) << "the preview follows the combo, the member waits for the apply";
  ChooseRow(general, kIdcFont, 60);
  EXPECT_EQ(Pixels(preview), ExpectedPreview("IPAPGothic"));
}

TEST_F(SystemSheetTest, PreviewsGoThroughTheSoundServices) {
  cFakeSound sound;
  SetSoundSeam(&sound);
  sound.m_Playable = {"bgm\\Field.ogg"};
  ASSERT_EQ(InitDefaultBgm(g_BgmManager), 1);
  ASSERT_EQ(OpenDefaultWave(g_MciSound), 1);
  cVector<cBgmData>& bgm = g_DatabaseSet.m_vBgm;
  bgm.resize(3);
  bgm[1].m_strPath = "bgm\\Field.ogg";
  bgm[2].m_strPath = "bgm\\Gone.ogg";
  Open();
  HWND page = ShowPage(kSysPageSound);
  sound.Take();

  SendDlgItemMessageA(page, 1351, BM_CLICK, 0, 0);  // story slot on "なし"
  std::vector<std::string> calls = sound.Take();
  EXPECT_TRUE(calls.empty()) << "none plays nothing: " << Joined(calls);
  ChooseRow(page, 1352, 1);
  SendDlgItemMessageA(page, 1351, BM_CLICK, 0, 0);
  calls = sound.Take();
  EXPECT_NE(std::find_if(calls.begin(), calls.end(),
                         [](const std::string& call) { return call.find("bgm\\Field.ogg") != std::string::npos; }),
            calls.end());
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
  ChooseRow(page, 1352, 2);
  SendDlgItemMessageA(page, 1351, BM_CLICK, 0, 0);
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u) << "a file that does not play";
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, "読み込み失敗！");
  sound.Take();

  // Sound effects: an empty edit plays nothing, a wave file plays, another kind is refused.
  SendDlgItemMessageA(page, 1357, BM_CLICK, 0, 0);
  calls = sound.Take();
  EXPECT_TRUE(calls.empty()) << Joined(calls);
  EnterText(page, 1355, "wave\\cursor.wav");
  SendDlgItemMessageA(page, 1357, BM_CLICK, 0, 0);
  calls = sound.Take();
  EXPECT_NE(std::find_if(calls.begin(), calls.end(),
                         [](const std::string& call) { return call.find("wave\\cursor.wav") != std::string::npos; }),
            calls.end())
      << Joined(calls);
  EnterText(page, 1358, "wave\\decide.ogg");
  SendDlgItemMessageA(page, 1360, BM_CLICK, 0, 0);
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 2u);
  EXPECT_EQ(m_Shell.m_vBoxes[1].m_strText, "読み込み失敗！");

  CloseSheet();
  EXPECT_EQ(g_BgmManager.CurrentSlot(), -1) << "closing stopped the BGM";
  g_MciSound.Shutdown();
  g_BgmManager.Shutdown();
  SetSoundSeam(nullptr);
}

TEST_F(SystemSheetTest, BrowsePutsThePathRelativeToTheWorkingFolder) {
  CreateDirectoryA("wave", nullptr);
  CreateDirectoryA("wave\\se", nullptr);
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  cOpenFileAnswer chosen(std::string(folder) + "\\wave\\se\\決定.wav");
  Open();
  HWND page = ShowPage(kSysPageSound);
  SendDlgItemMessageA(page, 1359, BM_CLICK, 0, 0);
  char shown[260] = {};
  GetDlgItemTextA(page, 1358, shown, sizeof shown);
  EXPECT_STREQ(shown, ".\\wave\\se\\決定.wav") << "relative as every stored path of the project";
  EXPECT_EQ(chosen.m_strTitle, "効果音の選択");
  chosen.m_strAnswer.clear();  // cancelled
  SendDlgItemMessageA(page, 1356, BM_CLICK, 0, 0);
  GetDlgItemTextA(page, 1355, shown, sizeof shown);
  EXPECT_STREQ(shown, "");
  PressApply();
  EXPECT_EQ(S.m_vSoundFile[1], ".\\wave\\se\\決定.wav");
}

TEST_F(SystemSheetTest, ASheetShortOfAPageDoesNotRun) {
  for (int missing : {1, 3, 8}) {
    RefuseNothrowAllocation(missing);
    EXPECT_EQ(Open(), 0) << "page " << missing;
    RefuseNothrowAllocation(0);
    EXPECT_EQ(Sheet()->m_hWndSheet, nullptr);
    EXPECT_EQ(Sheet()->m_apPages[missing - 1], nullptr);
    ASSERT_FALSE(m_Shell.m_vBoxes.empty());
    EXPECT_EQ(m_Shell.m_vBoxes.back().m_strText, "メモリが不足しています！");
    EXPECT_EQ(m_nRevalidates, missing == 1 ? 1 : missing == 3 ? 2 : 3) << "the owner shows its windows again";
  }
  CloseSheet();
  EXPECT_EQ(m_Shell.m_vBoxes.size(), 3u);
}

TEST_F(SystemSheetTest, AFailedSaveIsToldByPathAndKeepsApplyEnabled) {
  RemoveDirectoryA("data");
  CreateDirectoryA("data", nullptr);
  CreateDirectoryA("data\\System.dat", nullptr);  // a folder where the file should be
  Open();
  HWND general = ShowPage(kSysPageGeneral);
  EnterText(general, kIdcGameTitle, "新しい題");
  PressApply();
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText,
            std::string(g_DataPaths[kPathSystem].GetStr()) + " の保存に失敗しました！\n保存前のファイルはそのまま残っています。");
  HWND apply = GetDlgItem(Sheet()->m_hWndSheet, 0x3021);
  EXPECT_TRUE(IsWindowEnabled(apply));
  EndSheet(PSBTN_OK);
  ASSERT_NE(m_pSheet, nullptr) << "OK keeps the sheet open while the file is not written";
  EXPECT_TRUE(IsWindow(Sheet()->m_hWndSheet));
  EXPECT_EQ(m_Shell.m_vBoxes.size(), 2u);

  RemoveDirectoryA("data\\System.dat");
  EndSheet(PSBTN_OK);
  EXPECT_EQ(m_pSheet, nullptr);
  EXPECT_EQ(ReadFileBytes("data/System.dat"), SavedFile(S));
}

TEST_F(SystemSheetTest, ShortListsBindOnlyTheEntriesThatExist) {
  S.m_vbStockTarget.resize(5);
  S.m_vbStockReset.clear();
  S.m_vStatusItem.resize(1);
  S.m_vTitleMenu.resize(2);
  S.m_vTerm.resize(3);
  S.m_vIniEntry.resize(4);
  S.m_vRanking.resize(1);
  S.m_vnInitialLives.resize(2);
  S.m_vSoundFile.resize(1);
  Open();
  for (int page = 0; page < kSysPageCount; ++page) ShowPage(page);
  HWND sound = ShowPage(kSysPageSound);
  SendDlgItemMessageA(sound, 1360, BM_CLICK, 0, 0);  // play of a sound that has no entry
  HWND terms = ShowPage(kSysPageTerm);
  EnterText(terms, 1376, "面");
  PressApply();
  EXPECT_EQ(S.m_vTerm.Count(), 3);
  EXPECT_EQ(S.m_vTerm[1], "面");
  EXPECT_EQ(S.m_vbStockTarget.Count(), 5);
  EXPECT_EQ(S.m_vStatusItem.Count(), 1);
  EXPECT_EQ(S.m_vIniEntry.Count(), 4);
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
  EXPECT_EQ(m_Shell.m_nDestroys, 0) << "no bad index";
  EndSheet(PSBTN_OK);
  EXPECT_EQ(m_pSheet, nullptr);
}

// With the platform's own sound (a null device, or none at all under VX_WINE_NO_SOUND), the previews
// play real files through the sound services and neither hang nor complain.
TEST_F(SystemSheetTest, PreviewsOnThePlatformsSoundFailQuietlyWithoutADevice) {
  CreateDirectoryA("bgm", nullptr);
  CreateDirectoryA("wave", nullptr);
  ASSERT_TRUE(CopyFileA("Z:\\usr\\share\\sounds\\freedesktop\\stereo\\bell.oga", "bgm\\Bell.ogg", FALSE));
  ASSERT_TRUE(CopyFileA("Z:\\usr\\share\\sounds\\alsa\\Front_Center.wav", "wave\\center.wav", FALSE));
  InitDefaultBgm(g_BgmManager);
  ASSERT_EQ(OpenDefaultWave(g_MciSound), 1);
  cVector<cBgmData>& bgm = g_DatabaseSet.m_vBgm;
  bgm.resize(2);
  bgm[1].m_strPath = "bgm\\Bell.ogg";
  Open();
  HWND page = ShowPage(kSysPageSound);
  ChooseRow(page, 1349, 1);
  SendDlgItemMessageA(page, 1350, BM_CLICK, 0, 0);
  EnterText(page, 1355, "wave\\center.wav");
  SendDlgItemMessageA(page, 1357, BM_CLICK, 0, 0);
  EXPECT_TRUE(m_Shell.m_vBoxes.empty()) << (waveOutGetNumDevs() ? "a null device" : "no device");
  CloseSheet();
  g_MciSound.Shutdown();
  g_BgmManager.Shutdown();
}
