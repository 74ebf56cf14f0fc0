#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "app/PathUtil.h"
#include "app/cBgmManager.h"
#include "tests/support/FakeSound.h"
#include "tests/support/MidiFixtures.h"
#include "tests/support/TestSupport.h"

namespace {

using Calls = std::vector<std::string>;

bool Has(const Calls& calls, const std::string& call) { return std::find(calls.begin(), calls.end(), call) != calls.end(); }

class BgmManagerTest : public ::testing::Test {
protected:
  BgmManagerTest() {
    MakeDirectory("bgm");
    WriteFileBytes("bgm/b.mid", kSmfFormat0);
    WriteFileBytes("bgm/Free.mid", kSmfFormat0);
    m_Sound.m_Playable = {"bgm\\a.ogg", "bgm\\c.OGG"};
  }
  int Init(int channels = 1, int slots = 2) { return m_Bgm.Init({channels, m_aOgg, m_aMidi, slots}); }

  cScratchFolder m_Folder;
  cTestReportLog m_Log;
  cFakeShell m_Shell;
  cFakeSound m_Sound;
  char m_aOgg[3][kBgmOggPathSize] = {};
  char m_aMidi[3][kBgmMidiPathSize] = {};
  cBgmManager m_Bgm;
};

}  // namespace

TEST_F(BgmManagerTest, InitMakesChannelsSlotsAndOneOggPlayerPerChannel) {
  EXPECT_EQ(Init(2, 3), 1);
  EXPECT_EQ(m_Sound.Take(), (Calls{"OpenModule Vox.dll", "FindFunction CreateVox", "CreateVox", "CreateVox"}));
  for (int slot = 0; slot < 3; ++slot) EXPECT_EQ(m_Bgm.SlotKind(slot), kBgmOggThenMidi);
  EXPECT_EQ(m_Bgm.ChannelState(1), kBgmSilent);
  EXPECT_EQ(m_Bgm.CurrentSlot(), -1);
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
}

// Without the library only the Ogg side is missing: the slots, channels and MIDI players are there.
TEST_F(BgmManagerTest, WithoutTheOggLibraryMidiStillPlays) {
  for (int missing = 0; missing < 2; ++missing) {
    m_Sound.m_bHasVox = missing == 0;
    m_Sound.m_bHasCreateVox = false;
    EXPECT_EQ(Init(), 0);
    Calls calls = m_Sound.Take();
    EXPECT_EQ(Has(calls, "CloseModule"), missing == 0) << "a library without CreateVox is unloaded at once";
    ASSERT_EQ(m_Shell.m_vBoxes.size(), static_cast<size_t>(missing + 1));
    EXPECT_EQ(m_Shell.m_vBoxes.back().m_strText, "oggの初期化に失敗！");
    EXPECT_EQ(m_Shell.m_vBoxes.back().m_strCaption, "エラー");
    EXPECT_EQ(m_Bgm.SetSlotFile(0, "bgm\\a.ogg"), 1);
    EXPECT_EQ(m_Bgm.Play(0, 0, 1, 0), 0);
    EXPECT_EQ(m_Bgm.SetSlotFile(1, "bgm\\b.mid"), 1);
    EXPECT_EQ(m_Bgm.Play(0, 1, 1, 0), 1);
    EXPECT_EQ(m_Bgm.ChannelState(0), kBgmPlayingMidi);
    EXPECT_TRUE(Has(m_Sound.Take(), "midi Restart"));
    EXPECT_EQ(m_Shell.m_nCloseRequests, 0);
  }
}

TEST_F(BgmManagerTest, SlotFilesGoByTheirExactExtension) {
  Init();
  struct {
    const char* path;
    int result;
    int32_t kind;
    const char* ogg;
    const char* midi;
  } rows[] = {
      {"bgm\\x.mid", 1, kBgmMidiOnly, "", "bgm\\x.mid"},
      {"bgm\\x.MID", 1, kBgmMidiOnly, "", "bgm\\x.mid"},
      {"bgm\\x.ogg", 1, kBgmOggOnly, "bgm\\x.ogg", ""},
      {"bgm\\x.OGG", 1, kBgmOggOnly, "bgm\\x.OGG", ""},
      {"wave\\x.wav", 0, kBgmOggThenMidi, "wave\\x.wav", "wave\\x.wav"},
      {"bgm\\x.Mid", 0, kBgmOggThenMidi, "bgm\\x.Mid", "bgm\\x.Mid"},
      {"bgm\\x", 0, kBgmOggThenMidi, "", ""},
  };
  for (const auto& row : rows) {
    std::strcpy(m_aOgg[1], "");
    std::strcpy(m_aMidi[1], "");
    EXPECT_EQ(m_Bgm.SetSlotFile(1, row.path), row.result) << row.path;
    EXPECT_EQ(m_Bgm.SlotKind(1), row.kind) << row.path;
    EXPECT_STREQ(m_aOgg[1], row.ogg) << row.path;
    EXPECT_STREQ(m_aMidi[1], row.midi) << row.path;
  }
  std::strcpy(m_aOgg[1], "old");
  m_Bgm.SetSlotFile(1, "bgm\\none");
  EXPECT_STREQ(m_aOgg[1], "") << "a path without extension empties both";
}

TEST_F(BgmManagerTest, PlayingTheSameSlotAgainNeedsForce) {
  Init();
  m_Bgm.SetSlotFile(0, "bgm\\a.ogg");
  m_Sound.Take();
  EXPECT_EQ(m_Bgm.Play(0, 0, 1, 0), 1);
  EXPECT_EQ(m_Sound.Take(), (Calls{"vox0 Reset", "vox0 Load bgm\\a.ogg", "vox0 SetLoopCount 2147483647", "vox0 Play"}));
  EXPECT_EQ(m_Bgm.ChannelState(0), kBgmPlayingOgg);
  EXPECT_EQ(m_Bgm.CurrentSlot(), 0);
  EXPECT_EQ(m_Bgm.Play(0, 0, 1, 0), 1);
  EXPECT_TRUE(m_Sound.Take().empty()) << "the music runs on";
  EXPECT_EQ(m_Bgm.Play(0, 0, 0, 1), 1);
  EXPECT_EQ(m_Sound.Take(), (Calls{"vox0 Stop", "vox0 Reset", "vox0 Load bgm\\a.ogg", "vox0 SetLoopCount 0", "vox0 Play"}));
  // After a stop nothing plays, so the same slot starts again without force.
  m_Bgm.Stop();
  EXPECT_EQ(m_Sound.Take(), (Calls{"vox0 Stop"}));
  EXPECT_EQ(m_Bgm.CurrentSlot(), -1);
  EXPECT_EQ(m_Bgm.Play(0, 0, 1, 0), 1);
  EXPECT_TRUE(Has(m_Sound.Take(), "vox0 Play"));
}

TEST_F(BgmManagerTest, OggAndMidiStopEachOther) {
  Init();
  m_Bgm.SetSlotFile(0, "bgm\\a.ogg");
  m_Bgm.SetSlotFile(1, "bgm\\b.mid");
  m_Sound.Take();
  ASSERT_EQ(m_Bgm.Play(0, 1, 1, 0), 1);
  EXPECT_EQ(m_Sound.Take(), (Calls{"midi Open", "midi Property 96", "midi Prepare 0 24000 104", "midi Out 0", "midi Restart"}));
  EXPECT_EQ(m_Bgm.ChannelState(0), kBgmPlayingMidi);
  ASSERT_EQ(m_Bgm.Play(0, 0, 1, 0), 1);
  Calls calls = m_Sound.Take();
  EXPECT_TRUE(Has(calls, "vox0 Play"));
  EXPECT_TRUE(Has(calls, "midi Stop")) << "the MIDI piece stops";
  EXPECT_EQ(m_Bgm.ChannelState(0), kBgmPlayingOgg);
  ASSERT_EQ(m_Bgm.Play(0, 1, 1, 0), 1);
  calls = m_Sound.Take();
  EXPECT_TRUE(Has(calls, "midi Close")) << "each MIDI preview has a new player";
  EXPECT_TRUE(Has(calls, "midi Restart"));
  EXPECT_EQ(calls.back(), "vox0 Stop") << "the Ogg piece stops";
}

TEST_F(BgmManagerTest, ASlotOfEitherKindTriesOggThenMidi) {
  InitDefaultBgm(m_Bgm);
  m_Sound.Take();
  EXPECT_EQ(m_Bgm.Play(0, 0, 1, 0), 1) << "bgm\\Free.ogg cannot be played here, bgm\\Free.mid can";
  Calls calls = m_Sound.Take();
  EXPECT_EQ(calls[1], "vox0 Load bgm\\Free.ogg");
  EXPECT_TRUE(Has(calls, "midi Restart"));
  EXPECT_EQ(m_Bgm.ChannelState(0), kBgmPlayingMidi);

  // A wave file goes into both tables: the Ogg player fails and the MIDI side refuses it.
  for (const char* path : {"wave\\a.wav", "bgm\\b.Mid"}) {
    EXPECT_EQ(m_Bgm.SetSlotFile(0, path), 0);
    // The slot was playing, so the first try needs force; a failed one leaves no slot current.
    for (int force = 1; force >= 0; --force) {
      EXPECT_EQ(m_Bgm.Play(0, 0, 1, force), 0) << path;
      EXPECT_EQ(m_Bgm.ChannelState(0), kBgmSilent);
      EXPECT_EQ(m_Bgm.CurrentSlot(), -1);
      calls = m_Sound.Take();
      EXPECT_TRUE(Has(calls, std::string("vox0 Load ") + path)) << "tried again each time";
      EXPECT_FALSE(Has(calls, "midi Open"));
    }
  }
}

TEST_F(BgmManagerTest, BadSlotsAndChannelsAskTheMainWindowToClose) {
  Init();
  EXPECT_EQ(m_Bgm.Play(0, 2, 1, 0), 0);
  EXPECT_EQ(m_Bgm.Play(1, 0, 1, 0), 0);
  EXPECT_EQ(m_Bgm.SetSlotFile(-1, "bgm\\a.ogg"), 0);
  EXPECT_EQ(m_Shell.m_nCloseRequests, 3);
  EXPECT_EQ(m_Log.Lines(), (std::vector<std::string>{"err V[2] ( 2 , 4 )", "err V[1] ( 1 , 4 )", "err V[-1] ( 2 , 4 )"}));
}

TEST_F(BgmManagerTest, ShutdownReleasesEverythingAndDisables) {
  EXPECT_EQ(m_Bgm.Play(0, 5, 1, 0), 1) << "nothing to do before Init";
  EXPECT_EQ(m_Bgm.SetSlotFile(0, "bgm\\a.ogg"), 1);
  Init(2, 2);
  m_Bgm.SetSlotFile(1, "bgm\\b.mid");
  m_Bgm.Play(1, 1, 1, 0);
  m_Sound.Take();
  m_Bgm.Shutdown();
  Calls calls = m_Sound.Take();
  EXPECT_TRUE(Has(calls, "vox0 Release"));
  EXPECT_TRUE(Has(calls, "vox1 Release"));
  EXPECT_TRUE(Has(calls, "CloseModule"));
  EXPECT_TRUE(Has(calls, "midi Close"));
  EXPECT_EQ(m_Bgm.Play(0, 1, 1, 1), 1);
  m_Bgm.Shutdown();
  EXPECT_TRUE(m_Sound.Take().empty());
  EXPECT_EQ(m_Shell.m_nCloseRequests, 0);
}
