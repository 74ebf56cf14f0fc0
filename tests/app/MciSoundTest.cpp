#include <gtest/gtest.h>

#include <cstring>

#include "app/cMciSound.h"
#include "tests/support/FakeSound.h"
#include "tests/support/TestSupport.h"

namespace {

using Calls = std::vector<std::string>;

class MciSoundTest : public ::testing::Test {
protected:
  MciSoundTest() {
    EXPECT_EQ(OpenDefaultWave(m_Mci), 1);
    EXPECT_EQ(m_Sound.Take(), (Calls{"MciOpen waveaudio wave\\free.wav"}));
  }
  cFakeSound m_Sound;
  cMciSound m_Mci;
};

}  // namespace

TEST_F(MciSoundTest, StartUpOpensOneWaveDevice) {
  EXPECT_EQ(m_Mci.Count(), 1);
  EXPECT_EQ(m_Mci.Record(0)->m_nDeviceId, 1u);
  EXPECT_EQ(m_Mci.Current(), -1);
  m_Sound.m_MciMissing = {"wave\\free.wav"};
  EXPECT_EQ(OpenDefaultWave(m_Mci), 1) << "a missing file leaves a closed record";
  EXPECT_EQ(m_Sound.Take(), (Calls{"MciClose 1", "MciOpen waveaudio wave\\free.wav"}));
  EXPECT_EQ(m_Mci.Count(), 1);
  EXPECT_EQ(m_Mci.Record(0)->m_nDeviceId, 0u);
}

TEST_F(MciSoundTest, PlaySoundFileChoosesTheDeviceByExtension) {
  struct {
    const char* path;
    int result;
    const char* pathAfter;
    Calls calls;
  } rows[] = {
      {"wave\\a.WAV", 1, "wave\\a.WAV", {"MciClose 1", "MciOpen waveaudio wave\\a.WAV", "MciPlay 2 0"}},
      {"wave\\b.wav", 1, "wave\\b.wav",
       {"MciStop 2", "MciSeekToStart 2", "MciClose 2", "MciOpen waveaudio wave\\b.wav", "MciPlay 3 0"}},
      {"bgm\\a.MID", 1, "bgm\\a.mid",
       {"MciStop 3", "MciSeekToStart 3", "MciClose 3", "MciOpen sequencer bgm\\a.mid", "MciPlay 4 0"}},
      {"bgm\\a.ogg", 0, "bgm\\a.ogg", {}},
      {"wave\\a", 0, "wave\\a", {}},
      {"wave\\gone.wav", 0, "wave\\gone.wav", {"MciStop 4", "MciSeekToStart 4", "MciClose 4", "MciOpen waveaudio wave\\gone.wav"}},
  };
  m_Sound.m_MciMissing = {"wave\\gone.wav"};
  for (const auto& row : rows) {
    char path[260];
    std::strcpy(path, row.path);
    EXPECT_EQ(PlaySoundFile(m_Mci, 0, path, 0), row.result) << row.path;
    EXPECT_STREQ(path, row.pathAfter);
    EXPECT_EQ(m_Sound.Take(), row.calls) << row.path;
  }
  EXPECT_EQ(m_Mci.Record(0)->m_nDeviceId, 0u) << "a failed open leaves the record closed";
  EXPECT_EQ(m_Mci.Current(), -1);
}

TEST_F(MciSoundTest, ASecondPreviewStopsAndRewindsTheFirst) {
  const char* paths[] = {"wave\\a.wav", "wave\\b.wav", nullptr};
  ASSERT_EQ(m_Mci.Open("waveaudio", paths), 1);
  m_Sound.Take();
  m_Mci.Play(0, 0);
  m_Mci.Play(1, 250);
  EXPECT_EQ(m_Sound.Take(), (Calls{"MciPlay 2 0", "MciStop 2", "MciSeekToStart 2", "MciPlay 3 250"}));
  EXPECT_EQ(m_Mci.Current(), 1);
  // One sequencer at a time: every device closes first, the wave devices too.
  EXPECT_EQ(m_Mci.ChangeSound(0, "sequencer", "bgm\\a.mid"), 1);
  EXPECT_EQ(m_Sound.Take(), (Calls{"MciStop 3", "MciSeekToStart 3", "MciClose 2", "MciClose 3", "MciOpen sequencer bgm\\a.mid"}));
  EXPECT_EQ(m_Mci.Record(0)->m_strDeviceType, "sequencer");
  m_Mci.Shutdown();
  Calls calls = m_Sound.Take();
  EXPECT_EQ(calls.front(), "MciClose 4");
  EXPECT_EQ(m_Mci.Count(), 0);
  EXPECT_EQ(m_Mci.Enabled(), 0);
}

TEST(MciSound, ADisabledSetDoesNothingAndSucceeds) {
  cFakeSound sound;
  cMciSound mci;
  const char* paths[] = {"wave\\a.wav", nullptr};
  EXPECT_EQ(mci.Open("waveaudio", paths), 1);
  EXPECT_EQ(mci.ChangeSound(0, "waveaudio", "wave\\a.wav"), 1);
  char path[260] = "wave\\a.wav";
  EXPECT_EQ(PlaySoundFile(mci, 0, path, 0), 1);
  mci.Stop();
  mci.CloseAll();
  EXPECT_TRUE(sound.Take().empty());
  // Enabled, an index past the records is refused, never followed.
  mci.Enable();
  EXPECT_EQ(mci.Open("waveaudio", paths), 1);
  EXPECT_EQ(mci.ChangeSound(3, "waveaudio", "wave\\a.wav"), 0);
  mci.Play(-1, 0);
  EXPECT_EQ(sound.Take(), (Calls{"MciOpen waveaudio wave\\a.wav"}));
}
