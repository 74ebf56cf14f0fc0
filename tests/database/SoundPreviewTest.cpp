#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/cBgmManager.h"
#include "app/cMciSound.h"
#include "database/DbPageRules.h"
#include "tests/support/FakeSound.h"
#include "tests/support/TestSupport.h"

namespace {

using Calls = std::vector<std::string>;

// The previews play through the editor's own BGM manager and wave player.
class SoundPreviewTest : public ::testing::Test {
protected:
  SoundPreviewTest() {
    m_Sound.m_Playable = {"bgm\\stage1.ogg"};
    EXPECT_EQ(InitDefaultBgm(g_BgmManager), 1);
    EXPECT_EQ(OpenDefaultWave(g_MciSound), 1);
    m_Sound.Take();
  }
  ~SoundPreviewTest() override {
    g_BgmManager.Shutdown();
    g_MciSound.Shutdown();
  }
  bool Called(const std::string& call) {
    Calls calls = m_Sound.Take();
    return std::find(calls.begin(), calls.end(), call) != calls.end();
  }

  cScratchFolder m_Folder;
  cTestReportLog m_Log;
  cFakeShell m_Shell;
  cFakeSound m_Sound;
};

}  // namespace

TEST_F(SoundPreviewTest, BgmPlaysInALoopAndAFailureEndsTheCommand) {
  EXPECT_EQ(PlayBgmPreview(cString()), 1);
  EXPECT_TRUE(m_Sound.Take().empty()) << "an empty path does nothing";
  EXPECT_EQ(PlayBgmPreview(cString("bgm\\stage1.ogg")), 1);
  EXPECT_EQ(g_BgmManager.ChannelState(0), kBgmPlayingOgg);
  EXPECT_TRUE(Called("vox0 SetLoopCount 2147483647")) << "it repeats endlessly";
  EXPECT_EQ(PlayBgmPreview(cString("bgm\\stage1.ogg")), 1);
  EXPECT_TRUE(Called("vox0 Play")) << "a second press plays it again: the play is forced";
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());

  EXPECT_EQ(PlayBgmPreview(cString("bgm\\broken.ogg")), 0);
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, "読み込み失敗！");
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strCaption, "エラー");
}

TEST_F(SoundPreviewTest, SoundEffectsPlayOnceAndAnotherExtensionFails) {
  PlaySoundPreview(cString());
  EXPECT_TRUE(m_Sound.Take().empty());
  cString path("wave\\jump.wav");
  PlaySoundPreview(path);
  EXPECT_TRUE(Called("MciOpen waveaudio wave\\jump.wav"));
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
  cString midi("wave\\tune.MID");
  PlaySoundPreview(midi);
  EXPECT_EQ(midi, "wave\\tune.MID") << "the record's path is not changed by the player";
  PlaySoundPreview(cString("wave\\notes.txt"));
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, "読み込み失敗！");
}
