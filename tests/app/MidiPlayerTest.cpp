#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "app/cMidiPlayer.h"
#include "tests/support/FakeSound.h"
#include "tests/support/MidiFixtures.h"
#include "tests/support/TestSupport.h"

namespace {

// count notes one tick apart, note i on key i % 100, then the end of the piece.
Bytes Notes(int count) {
  Bytes events;
  events.reserve(count * 4 + 4);
  for (int i = 0; i < count; ++i) {
    Bytes note = {0x01, 0x90, static_cast<unsigned char>(i % 100), 0x40};
    events.insert(events.end(), note.begin(), note.end());
  }
  return Smf(0, 0x60, {Cat({events, Hex("00 FF 2F 00")})});
}

// The keys of the notes played, -1 for the end of the piece.
std::vector<int> Keys(const std::vector<cFakeMidiStream::cPlayed>& played) {
  std::vector<int> keys;
  for (const auto& event : played) keys.push_back((event.m_nWord & 0xFFFFFF) == kMidiEndOfPiece ? -1 : event.m_nWord >> 8 & 0x7F);
  return keys;
}

std::vector<int> Range(int from, int to) {
  std::vector<int> keys;
  for (int i = from; i < to; ++i) keys.push_back(i % 100);
  return keys;
}

std::vector<int> Join(std::vector<int> a, const std::vector<int>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class MidiPlayerTest : public ::testing::Test {
protected:
  cScratchFolder m_Folder;
  cTestReportLog m_Log;
  cFakeSound m_Sound;
};

}  // namespace

TEST_F(MidiPlayerTest, OpeningFillsTheFirstBufferAndWaitsStopped) {
  WriteFileBytes("a.mid", kSmfFormat0);
  cMidiPlayer player("a.mid");
  EXPECT_EQ(m_Sound.Take(), (std::vector<std::string>{"midi Open", "midi Property 96", "midi Prepare 0 24000 104", "midi Out 0"}));
  EXPECT_EQ(player.State(), kMidiStopped);
  EXPECT_EQ(player.Position(), player.ImageEnd());
  player.Restart(0);
  EXPECT_EQ(m_Sound.Take(), (std::vector<std::string>{"midi Restart"})) << "the whole piece is already queued";
  EXPECT_EQ(player.State(), kMidiPlaying);
}

TEST_F(MidiPlayerTest, AFileWithoutSequenceGetsNoDevice) {
  WriteFileBytes("a.mid", Hex("4D 54 68 64"));
  cMidiPlayer player("a.mid");
  player.Restart(1);
  player.Stop(0);
  EXPECT_EQ(player.Stream(), nullptr);
  EXPECT_TRUE(m_Sound.Take().empty());
  EXPECT_EQ(player.State(), kMidiStopped);
}

TEST_F(MidiPlayerTest, DeviceErrorsAreLoggedAndThePlayerGoesOn) {
  WriteFileBytes("a.mid", kSmfFormat0);
  const char* operations[] = {"Open", "Property", "Prepare", "Out", "Restart", "Pause", "Stop", "Reset", "Unprepare", "Close"};
  for (uint32_t i = 0; i < 10; ++i) m_Sound.m_MidiErrors[operations[i]] = 60 + i;
  {
    cMidiPlayer player("a.mid");
    player.Restart(1);
    player.Stop(1);
    player.Stop(0);
    EXPECT_EQ(player.State(), kMidiStopped);
  }
  EXPECT_EQ(m_Log.Lines(), (std::vector<std::string>{
                               "Midi a.mid Open error 60", "Midi a.mid Property error 61", "Midi a.mid Prepare error 62",
                               "Midi a.mid Out error 63", "Midi a.mid Restart error 64", "Midi a.mid Pause error 65",
                               "Midi a.mid Stop error 66", "Midi a.mid Prepare error 62", "Midi a.mid Out error 63",
                               "Midi a.mid Reset error 67", "Midi a.mid Unprepare error 68", "Midi a.mid Unprepare error 68",
                               "Midi a.mid Close error 69"}));
}

// Both orders in which a device may report a played buffer: position callback first, or the buffer first.
TEST_F(MidiPlayerTest, ALongPieceGoesOutBufferByBufferAndLoops) {
  WriteFileBytes("a.mid", Notes(2500));
  for (bool returnFirst : {false, true}) {
    cMidiPlayer player("a.mid");
    cFakeMidiStream& stream = *m_Sound.m_pLastStream;
    stream.m_bReturnFirst = returnFirst;
    player.Restart(1);
    EXPECT_EQ(stream.Queued(), 2);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(stream.PlayNext(), 1) << "buffer " << i << (returnFirst ? " returned first" : "");
    std::vector<int> once = Join(Range(0, 2500), {-1});
    EXPECT_EQ(Keys(stream.Played()), Join(Join(once, once), once)) << "two buffers a time through";
    std::vector<cFakeMidiStream::cPlayed> played = stream.Played();
    EXPECT_EQ(played[1999].m_nWord, 0x40406390u) << "the last event of a full buffer calls back";
    EXPECT_EQ(played[1998].m_nWord, 0x00406290u);
    EXPECT_EQ(played[2500].m_nDelta, 0u);
    EXPECT_EQ(player.State(), kMidiPlaying);
  }
}

TEST_F(MidiPlayerTest, WithoutLoopingThePieceStopsReadyToPlayFromTheStart) {
  WriteFileBytes("a.mid", Notes(2500));
  cMidiPlayer player("a.mid");
  cFakeMidiStream& stream = *m_Sound.m_pLastStream;
  player.Restart(0);
  while (stream.PlayNext()) {
  }
  EXPECT_EQ(Keys(stream.Played()), Join(Range(0, 2500), {-1}));
  EXPECT_EQ(player.State(), kMidiStopped);
  EXPECT_EQ(player.Position(), kMidiTrackStart + 2000 * 4) << "rewound, with the first buffer filled again";
  EXPECT_EQ(stream.Queued(), 1);
  player.Restart(0);
  EXPECT_EQ(stream.PlayNext(), 1);
  EXPECT_EQ(Keys(stream.Played()), Join(Join(Range(0, 2500), {-1}), Range(0, 2000)));
}

TEST_F(MidiPlayerTest, PauseResumesWhereItWasAndStopStartsAgain) {
  WriteFileBytes("a.mid", Notes(4500));
  cMidiPlayer player("a.mid");
  cFakeMidiStream& stream = *m_Sound.m_pLastStream;
  player.Restart(1);
  ASSERT_EQ(stream.PlayNext(), 1);
  player.Stop(1);
  EXPECT_EQ(player.State(), kMidiPaused);
  EXPECT_EQ(stream.PlayNext(), 0) << "nothing plays while paused";
  player.Restart(1);
  ASSERT_EQ(stream.PlayNext(), 1);
  EXPECT_EQ(Keys(stream.Played()), Range(0, 4000));
  player.Stop(0);
  player.Restart(1);
  ASSERT_EQ(stream.PlayNext(), 1);
  EXPECT_EQ(Keys(stream.Played()), Join(Range(0, 4000), Range(0, 2000)));
}

TEST_F(MidiPlayerTest, ACallbackOnItsWayWhenThePieceStoppedDoesNotStartItAgain) {
  WriteFileBytes("a.mid", kSmfFormat0);
  cMidiPlayer player("a.mid");
  player.Restart(1);
  player.Stop(0);
  m_Sound.Take();
  player.OnPositionCallback(0, 92);  // the end of the piece in the first buffer
  player.OnBufferDone(0);
  EXPECT_TRUE(m_Sound.Take().empty());
  EXPECT_EQ(player.State(), kMidiStopped);
}

// The device's thread plays and loops while the user-interface thread pauses, resumes, stops and
// finally destroys the player: the thread is joined before the device and the buffers go.
TEST_F(MidiPlayerTest, TheDeviceThreadEndsBeforeThePlayerGoes) {
  WriteFileBytes("a.mid", Notes(2100));
  for (int round = 0; round < 20; ++round) {
    {
      cMidiPlayer player("a.mid");
      m_Sound.m_pLastStream->StartPlayingThread();
      player.Restart(1);
      for (int i = 0; i < 30; ++i) {
        player.Stop(i % 3 == 0 ? 0 : 1);
        player.Restart(1);
        std::this_thread::sleep_for(std::chrono::microseconds(200));
      }
      EXPECT_LE(player.Position(), player.ImageEnd());
    }
    std::vector<std::string> calls = m_Sound.Take();
    auto at = [&](const char* call) { return std::find(calls.begin(), calls.end(), call) - calls.begin(); };
    EXPECT_LT(at("midi EndThread"), at("midi Reset"));
    EXPECT_EQ(calls.back(), "midi Close");
  }
}
