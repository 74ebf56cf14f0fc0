// Sound under Wine: with the null ALSA device waveOut and MCI really play; run again with
// VX_WINE_NO_SOUND set, there is no device at all. MIDI streams have no sequencer either way.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <cstring>
#include <functional>

#include "app/MessageBox.h"
#include "app/PathUtil.h"
#include "app/cBgmManager.h"
#include "app/cMciSound.h"
#include "app/win/cMidiStreamWin.h"
#include "app/win/cShellWin.h"
#include "app/win/cSoundWin.h"
#include "tests/support/MidiFixtures.h"
#include "tests/support/TestSupport.h"
#include "tests/support/win/BoxAnswerer.h"

namespace {

const char* const kOggFolder = "Z:\\usr\\share\\sounds\\freedesktop\\stereo\\";
const char* const kWaveFile = "Z:\\usr\\share\\sounds\\alsa\\Front_Center.wav";

bool HasSoundDevice() { return waveOutGetNumDevs() > 0; }

bool WaitFor(const std::function<bool()>& done, DWORD milliseconds = 10000) {
  for (DWORD start = GetTickCount(); !done(); Sleep(5))
    if (GetTickCount() - start > milliseconds) return false;
  return true;
}

// What the Ogg container itself says, read without a decoder: the channels and rate of the
// identification header, and the last page's granule position (the frames of the piece).
struct cOggFacts {
  int m_nChannels = 0;
  uint32_t m_nRate = 0;
  uint64_t m_nFrames = 0;
};

cOggFacts ReadOggFacts(const std::string& path) {
  Bytes bytes = ReadFileBytes(path);
  std::string text(bytes.begin(), bytes.end());
  cOggFacts facts;
  size_t id = text.find("\x01vorbis");
  size_t last = text.rfind("OggS");
  if (id == std::string::npos || last == std::string::npos) return facts;
  facts.m_nChannels = bytes[id + 11];
  std::memcpy(&facts.m_nRate, &bytes[id + 12], 4);
  std::memcpy(&facts.m_nFrames, &bytes[last + 6], 8);
  return facts;
}

std::string MidiErrorText(MMRESULT code) {
  char text[MAXERRORLENGTH];
  midiOutGetErrorTextA(code, text, sizeof text);
  return text;
}

DWORD MciMode(uint32_t device) {
  MCI_STATUS_PARMS status = {};
  status.dwItem = MCI_STATUS_MODE;
  if (mciSendCommandA(device, MCI_STATUS, MCI_STATUS_ITEM, reinterpret_cast<DWORD_PTR>(&status))) return 0;
  return status.dwReturn;
}

// Every call the editor makes on the library's player objects, in order, then on to the real object.
std::vector<std::string> g_vVoxCalls;
CreateVoxFunction g_pRealCreateVox;

class cRecordingVox final : public cVox {
public:
  explicit cRecordingVox(cVox* real) : m_pReal(real) {}
  uint8_t VX_STDCALL Load(const char* path) override {
    uint8_t loaded = m_pReal->Load(path);
    g_vVoxCalls.push_back(std::string("Load ") + path + " -> " + std::to_string(loaded));
    return loaded;
  }
  void VX_STDCALL Play() override { Call("Play"), m_pReal->Play(); }
  void VX_STDCALL Stop() override { Call("Stop"), m_pReal->Stop(); }
  void VX_STDCALL Reset() override { Call("Reset"), m_pReal->Reset(); }
  void VX_STDCALL SetLoopCount(int32_t count) override {
    Call("SetLoopCount " + std::to_string(count));
    m_pReal->SetLoopCount(count);
  }
  uint8_t VX_STDCALL IsPlaying() override { return m_pReal->IsPlaying(); }
  uint32_t VX_STDCALL GetPlayedFrames() override { return m_pReal->GetPlayedFrames(); }
  uint32_t VX_STDCALL GetFrameCount() override { return m_pReal->GetFrameCount(); }
  uint32_t VX_STDCALL GetSampleRate() override { return m_pReal->GetSampleRate(); }
  void VX_STDCALL Release() override {
    Call("Release");
    m_pReal->Release();
    delete this;
  }
  cVox* Real() { return m_pReal; }

private:
  ~cRecordingVox() = default;
  static void Call(const std::string& call) { g_vVoxCalls.push_back(call); }
  cVox* m_pReal;
};

std::vector<cRecordingVox*> g_vRecorders;

cVox* RecordingCreateVox() {
  cVox* real = g_pRealCreateVox();
  if (!real) return nullptr;
  g_vRecorders.push_back(new cRecordingVox(real));
  return g_vRecorders.back();
}

// The Windows seam, with the library's name or its objects replaced where a test asks.
class cTestSoundWin : public cSoundWin {
public:
  cTestSoundWin() { SetSoundSeam(this); }
  ~cTestSoundWin() override { SetSoundSeam(nullptr); }
  void* OpenModule(const char* name) override { return cSoundWin::OpenModule(m_pszModule ? m_pszModule : name); }
  cModuleFunction FindFunction(void* module, const char* name) override {
    cModuleFunction function = cSoundWin::FindFunction(module, name);
    if (!m_bRecord || !function) return function;
    g_pRealCreateVox = reinterpret_cast<CreateVoxFunction>(function);
    return reinterpret_cast<cModuleFunction>(&RecordingCreateVox);
  }
  const char* m_pszModule = nullptr;
  bool m_bRecord = false;
};

class SoundWinTest : public ::testing::Test {
protected:
  SoundWinTest() {
    InstallShellWin();
    MakeDirectory("bgm");
    MakeDirectory("wave");
    g_vVoxCalls.clear();
    g_vRecorders.clear();
  }
  ~SoundWinTest() override { SetShell(nullptr); }
  // A real Ogg Vorbis file, copied into the project's bgm folder.
  std::string CopyOgg(const char* name, const char* as) {
    std::string target = std::string("bgm\\") + as;
    CopyFileA((std::string(kOggFolder) + name).c_str(), target.c_str(), FALSE);
    return target;
  }
  cScratchFolder m_Folder;
  cTestReportLog m_Log;
};

class cVoxLibrary {
public:
  cVoxLibrary() : m_hModule(LoadLibraryA("Vox.dll")) {}
  ~cVoxLibrary() {
    if (m_hModule) FreeLibrary(m_hModule);
  }
  cVox* Create() {
    auto create = reinterpret_cast<CreateVoxFunction>(reinterpret_cast<void*>(GetProcAddress(m_hModule, "CreateVox")));
    return create ? create() : nullptr;
  }
  HMODULE m_hModule;
};

}  // namespace

TEST_F(SoundWinTest, VoxDecodesARealFileLoopsAndStops) {
  if (!HasSoundDevice()) GTEST_SKIP() << "no sound device";
  std::string path = CopyOgg("bell.oga", "bell.ogg");
  cOggFacts facts = ReadOggFacts(path);
  ASSERT_GT(facts.m_nFrames, 0u);
  cVoxLibrary library;
  ASSERT_NE(library.m_hModule, nullptr) << "Vox.dll beside the test program";
  cVox* vox = library.Create();
  ASSERT_NE(vox, nullptr);
  ASSERT_EQ(vox->Load(path.c_str()), 1);
  EXPECT_EQ(vox->GetFrameCount(), facts.m_nFrames);
  EXPECT_EQ(vox->GetSampleRate(), facts.m_nRate);

  vox->SetLoopCount(0);
  vox->Play();
  EXPECT_EQ(vox->IsPlaying(), 1);
  ASSERT_TRUE(WaitFor([&] { return !vox->IsPlaying(); })) << "a piece played once ends";
  EXPECT_EQ(vox->GetPlayedFrames(), facts.m_nFrames) << "every decoded frame went through the device";

  vox->SetLoopCount(2);
  vox->Play();
  ASSERT_TRUE(WaitFor([&] { return !vox->IsPlaying(); }));
  EXPECT_EQ(vox->GetPlayedFrames(), 3 * facts.m_nFrames) << "two loops after the first time";

  vox->SetLoopCount(kVoxLoopForever);
  vox->Play();
  ASSERT_TRUE(WaitFor([&] { return vox->GetPlayedFrames() > 5 * facts.m_nFrames; }));
  EXPECT_EQ(vox->IsPlaying(), 1) << "still looping";
  vox->Stop();
  EXPECT_EQ(vox->IsPlaying(), 0);
  uint32_t played = vox->GetPlayedFrames();
  Sleep(100);
  EXPECT_EQ(vox->GetPlayedFrames(), played) << "nothing plays after Stop";
  vox->Release();
}

TEST_F(SoundWinTest, VoxLoadsOnlyOggVorbisThatCanPlay) {
  WriteFileBytes("bgm/b.mid", kSmfFormat0);
  CopyFileA(kWaveFile, "wave\\a.wav", FALSE);
  std::string ogg = CopyOgg("complete.oga", "c.ogg");
  cVoxLibrary library;
  cVox* vox = library.Create();
  ASSERT_NE(vox, nullptr);
  for (const char* path : {"bgm\\none.ogg", "bgm\\b.mid", "wave\\a.wav", ""}) {
    EXPECT_EQ(vox->Load(path), 0) << path;
    vox->Play();
    EXPECT_EQ(vox->IsPlaying(), 0) << path;
  }
  // Without a device even a good file cannot play, so it does not load.
  EXPECT_EQ(vox->Load(ogg.c_str()), HasSoundDevice() ? 1 : 0);
  vox->Release();
}

TEST_F(SoundWinTest, BgmPlaysOggThroughOurLibraryInItsCallOrder) {
  cTestSoundWin seam;
  seam.m_bRecord = true;
  std::string path = CopyOgg("bell.oga", "bell.ogg");
  WriteFileBytes("bgm/b.mid", kSmfFormat0);
  char ogg[2][kBgmOggPathSize] = {};
  char midi[2][kBgmMidiPathSize] = {};
  cBgmManager bgm;
  ASSERT_EQ(bgm.Init({1, ogg, midi, 2}), 1);
  ASSERT_EQ(g_vRecorders.size(), 1u);
  cVox* real = g_vRecorders[0]->Real();
  bgm.SetSlotFile(0, path.c_str());
  bgm.SetSlotFile(1, "bgm\\b.mid");
  if (!HasSoundDevice()) {
    EXPECT_EQ(bgm.Play(0, 0, 1, 0), 0) << "an Ogg-only slot has nothing to play on";
    EXPECT_EQ(g_vVoxCalls, (std::vector<std::string>{"Reset", "Load bgm\\bell.ogg -> 0"}));
    EXPECT_EQ(bgm.ChannelState(0), kBgmSilent);
    return;
  }
  ASSERT_EQ(bgm.Play(0, 0, 1, 0), 1);
  EXPECT_EQ(g_vVoxCalls, (std::vector<std::string>{"Reset", "Load bgm\\bell.ogg -> 1", "SetLoopCount 2147483647", "Play"}));
  EXPECT_TRUE(WaitFor([&] { return real->GetPlayedFrames() > 3 * real->GetFrameCount(); })) << "it loops";
  // A MIDI slot stops the Ogg piece (whether or not MIDI can sound here).
  g_vVoxCalls.clear();
  EXPECT_EQ(bgm.Play(0, 1, 1, 0), 1);
  EXPECT_EQ(g_vVoxCalls, (std::vector<std::string>{"Stop"}));
  EXPECT_EQ(real->IsPlaying(), 0);
  EXPECT_EQ(bgm.ChannelState(0), kBgmPlayingMidi);
  g_vVoxCalls.clear();
  bgm.Shutdown();
  EXPECT_EQ(g_vVoxCalls, (std::vector<std::string>{"Release"}));
}

TEST_F(SoundWinTest, WithoutOurLibraryStartUpGoesOnAndMidiStillPlays) {
  WriteFileBytes("bgm/Free.mid", kSmfFormat0);
  for (const char* module : {"NoSuchVox.dll", "kernel32.dll"}) {
    cTestSoundWin seam;
    seam.m_pszModule = module;
    cBoxAnswerer answerer;
    cBgmManager bgm;
    EXPECT_EQ(InitDefaultBgm(bgm), 0) << module;
    ASSERT_EQ(answerer.Seen().size(), 1u) << module;
    EXPECT_EQ(answerer.Seen()[0].m_strCaption, "エラー");
    EXPECT_EQ(answerer.Seen()[0].m_strText, "oggの初期化に失敗！");
    // bgm\Free.ogg cannot be tried, bgm\Free.mid is played (its device errors are only logged).
    EXPECT_EQ(bgm.Play(0, 0, 1, 0), 1) << module;
    EXPECT_EQ(bgm.ChannelState(0), kBgmPlayingMidi);
    bgm.Stop();
    EXPECT_EQ(bgm.CurrentSlot(), -1);
  }
}

TEST_F(SoundWinTest, MidiDeviceErrorsAreLoggedWithTheirMidiTextsAndNothingCrashes) {
  if (midiOutGetNumDevs() > 0) GTEST_SKIP() << "a MIDI device is there";
  WriteFileBytes("a.mid", kSmfFormat0);
  {
    cMidiPlayer player("a.mid");
    player.Restart(1);
    player.Stop(1);
    player.Restart(1);
    player.Stop(0);
  }
  std::vector<std::string> lines = m_Log.Lines();
  std::vector<std::string> operations;
  for (const std::string& line : lines) {
    ASSERT_EQ(line.compare(0, 11, "Midi a.mid "), 0) << line;
    operations.push_back(line.substr(11, line.find(' ', 11) - 11));
  }
  EXPECT_EQ(operations, (std::vector<std::string>{"Open", "Property", "Prepare", "Out", "Restart", "Pause", "Restart",
                                                  "Stop", "Prepare", "Out", "Reset", "Unprepare", "Unprepare", "Close"}));
  EXPECT_EQ(lines[0], "Midi a.mid Open " + MidiErrorText(MIDIERR_NODEVICE));
  EXPECT_EQ(lines[1], "Midi a.mid Property " + MidiErrorText(MMSYSERR_INVALHANDLE));
}

// The stream's thread hands position callbacks to the player, ignores anything that is not one of
// its headers, and has ended once the player is gone.
TEST_F(SoundWinTest, MidiThreadDeliversCallbacksAndEndsWithThePlayer) {
  Bytes events;
  for (int i = 0; i < 5000; ++i) events = Cat({events, Hex("01 90 3C 40")});
  WriteFileBytes("a.mid", Smf(0, 0x60, {Cat({events, Hex("00 FF 2F 00")})}));
  HANDLE thread = nullptr;
  {
    cMidiPlayer player("a.mid");
    auto* stream = dynamic_cast<cMidiStreamWin*>(player.Stream());
    ASSERT_NE(stream, nullptr);
    ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), stream->Thread(), GetCurrentProcess(), &thread, SYNCHRONIZE, FALSE, 0));
    player.Restart(1);
    uint32_t position = player.Position();
    PostThreadMessageA(stream->ThreadId(), MM_MOM_POSITIONCB, 0, 12345);
    PostThreadMessageA(stream->ThreadId(), MM_MOM_POSITIONCB, 0, reinterpret_cast<LPARAM>(stream->Header(0)));
    EXPECT_TRUE(WaitFor([&] { return player.Position() > position; })) << "the callback refilled a buffer";
    for (int i = 0; i < 200; ++i)
      PostThreadMessageA(stream->ThreadId(), i % 2 ? MM_MOM_DONE : MM_MOM_POSITIONCB, 0,
                         reinterpret_cast<LPARAM>(stream->Header(i % 2)));
  }
  EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_OBJECT_0) << "the thread ended with the player";
  CloseHandle(thread);
}

TEST_F(SoundWinTest, MciPreviewsOpenPlayAndStopTheirDevices) {
  CopyFileA(kWaveFile, "wave\\free.wav", FALSE);
  CopyFileA(kWaveFile, "wave\\b.WAV", FALSE);
  WriteFileBytes("bgm/a.MID", kSmfFormat0);
  cMciSound mci;
  ASSERT_EQ(OpenDefaultWave(mci), 1);
  EXPECT_NE(mci.Record(0)->m_nDeviceId, 0u);
  char wave[260] = "wave\\b.WAV";
  ASSERT_EQ(PlaySoundFile(mci, 0, wave, 0), 1);
  uint32_t device = mci.Record(0)->m_nDeviceId;
  EXPECT_EQ(mci.Record(0)->m_strDeviceType, "waveaudio");
  EXPECT_EQ(mci.Record(0)->m_strElement, "wave\\b.WAV");
  if (HasSoundDevice()) {
    EXPECT_EQ(MciMode(device), static_cast<DWORD>(MCI_MODE_PLAY));
  }
  EXPECT_EQ(mci.Current(), 0);

  // A second record playing stops the first.
  const char* paths[] = {"wave\\free.wav", "wave\\b.WAV", nullptr};
  ASSERT_EQ(mci.Open("waveaudio", paths), 1);
  uint32_t a = mci.Record(0)->m_nDeviceId;
  uint32_t b = mci.Record(1)->m_nDeviceId;
  mci.Play(0, 0);
  mci.Play(1, 0);
  EXPECT_EQ(MciMode(a), static_cast<DWORD>(MCI_MODE_STOP));
  if (HasSoundDevice()) {
    EXPECT_EQ(MciMode(b), static_cast<DWORD>(MCI_MODE_PLAY));
  }

  // A MIDI file opens the sequencer after every other device has closed.
  char midi[260] = "bgm\\a.MID";
  ASSERT_EQ(PlaySoundFile(mci, 0, midi, 0), 1);
  EXPECT_STREQ(midi, "bgm\\a.mid");
  EXPECT_EQ(mci.Record(0)->m_strDeviceType, "sequencer");
  uint32_t sequencer = mci.Record(0)->m_nDeviceId;
  EXPECT_NE(MciMode(sequencer), 0u);
  for (uint32_t id : {a, b}) {
    if (id != sequencer) {
      EXPECT_EQ(MciMode(id), 0u) << "the wave devices were closed";
    }
  }

  char missing[260] = "wave\\none.wav";
  char ogg[260] = "bgm\\a.ogg";
  EXPECT_EQ(PlaySoundFile(mci, 0, missing, 0), 0);
  EXPECT_EQ(PlaySoundFile(mci, 0, ogg, 0), 0);
  mci.Shutdown();
  EXPECT_EQ(MciMode(sequencer), 0u);
  EXPECT_EQ(mci.Count(), 0);
}
