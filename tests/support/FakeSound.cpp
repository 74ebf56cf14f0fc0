#include "tests/support/FakeSound.h"

#include <chrono>

#include "app/cMciSound.h"
#include "app/cVox.h"

namespace {

cFakeSound* g_pFakeSound = nullptr;
int g_nModule;

uint32_t LittleEndian32(const uint8_t* p) {
  return p[0] | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}

class cFakeVox final : public cVox {
public:
  explicit cFakeVox(int number) : m_strName("vox" + std::to_string(number)) {}
  uint8_t VX_STDCALL Load(const char* path) override {
    Record(std::string("Load ") + path);
    m_bLoaded = g_pFakeSound->m_Playable.count(path) > 0;
    return m_bLoaded ? 1 : 0;
  }
  void VX_STDCALL Play() override {
    Record("Play");
    m_bPlaying = m_bLoaded;
  }
  void VX_STDCALL Stop() override {
    Record("Stop");
    m_bPlaying = false;
  }
  void VX_STDCALL Reset() override {
    Record("Reset");
    m_bLoaded = m_bPlaying = false;
  }
  void VX_STDCALL SetLoopCount(int32_t count) override { Record("SetLoopCount " + std::to_string(count)); }
  uint8_t VX_STDCALL IsPlaying() override { return m_bPlaying ? 1 : 0; }
  uint32_t VX_STDCALL GetPlayedFrames() override { return 0; }
  uint32_t VX_STDCALL GetFrameCount() override { return 0; }
  uint32_t VX_STDCALL GetSampleRate() override { return 0; }
  void VX_STDCALL Release() override {
    Record("Release");
    delete this;
  }

private:
  ~cFakeVox() = default;
  void Record(const std::string& call) { g_pFakeSound->Record(m_strName + " " + call); }
  std::string m_strName;
  bool m_bLoaded = false;
  bool m_bPlaying = false;
};

cVox* FakeCreateVox() {
  g_pFakeSound->Record("CreateVox");
  if (g_pFakeSound->m_bCreateVoxFails) return nullptr;
  return new cFakeVox(g_pFakeSound->m_nVoxMade++);
}

}  // namespace

// --- cFakeMidiStream

uint32_t cFakeMidiStream::Call(const std::string& call, const char* operation) {
  m_Sound.Record("midi " + call);
  auto error = m_Sound.m_MidiErrors.find(operation);
  return error == m_Sound.m_MidiErrors.end() ? 0 : error->second;
}

uint32_t cFakeMidiStream::Open(cMidiPlayer* player) {
  m_pPlayer = player;
  return Call("Open", "Open");
}

uint32_t cFakeMidiStream::SetTimeDivision(uint32_t division) {
  return Call("Property " + std::to_string(division), "Property");
}

uint32_t cFakeMidiStream::Prepare(int buffer, uint8_t* data, uint32_t size, uint32_t recorded) {
  std::lock_guard<std::mutex> lock(m_Lock);
  m_aData[buffer] = data;
  m_aRecorded[buffer] = recorded;
  return Call("Prepare " + std::to_string(buffer) + " " + std::to_string(size) + " " + std::to_string(recorded),
              "Prepare");
}

uint32_t cFakeMidiStream::Out(int buffer) {
  uint32_t result = Call("Out " + std::to_string(buffer), "Out");
  std::lock_guard<std::mutex> lock(m_Lock);
  if (!result) m_Queue.push_back(buffer);
  return result;
}

int cFakeMidiStream::IsQueued(int buffer) {
  std::lock_guard<std::mutex> lock(m_Lock);
  for (int queued : m_Queue)
    if (queued == buffer) return 1;
  return 0;
}

uint32_t cFakeMidiStream::Restart() {
  uint32_t result = Call("Restart", "Restart");
  std::lock_guard<std::mutex> lock(m_Lock);
  if (!result) m_bRunning = true;
  return result;
}

uint32_t cFakeMidiStream::Pause() {
  std::lock_guard<std::mutex> lock(m_Lock);
  m_bRunning = false;
  return Call("Pause", "Pause");
}

uint32_t cFakeMidiStream::Stop() {
  std::lock_guard<std::mutex> lock(m_Lock);
  m_bRunning = false;
  m_Queue.clear();
  return Call("Stop", "Stop");
}

uint32_t cFakeMidiStream::Reset() {
  std::lock_guard<std::mutex> lock(m_Lock);
  m_bRunning = false;
  m_Queue.clear();
  return Call("Reset", "Reset");
}

uint32_t cFakeMidiStream::Unprepare(int buffer) { return Call("Unprepare " + std::to_string(buffer), "Unprepare"); }
uint32_t cFakeMidiStream::Close() { return Call("Close", "Close"); }

void cFakeMidiStream::EndThread() {
  if (!m_pPlayer) return;
  m_Sound.Record("midi EndThread");
  m_bQuit = true;
  if (m_Thread.joinable()) m_Thread.join();
  m_pPlayer = nullptr;
}

cString cFakeMidiStream::ErrorText(uint32_t code) { return cString("error ") + std::to_string(code); }

int cFakeMidiStream::PlayNext() {
  int buffer;
  std::vector<uint8_t> data;
  {
    std::lock_guard<std::mutex> lock(m_Lock);
    if (!m_bRunning || m_Queue.empty() || !m_pPlayer) return 0;
    buffer = m_Queue.front();
    if (m_bReturnFirst) m_Queue.pop_front();
    data.assign(m_aData[buffer], m_aData[buffer] + m_aRecorded[buffer]);
  }
  std::vector<uint32_t> flagged;
  for (uint32_t offset = 0; offset + kMidiShortEventSize <= data.size();) {
    uint32_t word = LittleEndian32(&data[offset + 8]);
    {
      std::lock_guard<std::mutex> lock(m_Lock);
      m_vPlayed.push_back({LittleEndian32(&data[offset]), word});
    }
    if (word & kMidiEventCallback) flagged.push_back(offset);
    offset += kMidiShortEventSize + (word & kMidiEventLong ? ((word & 0xFFFFFF) + 3) & ~3u : 0);
  }
  for (uint32_t offset : flagged) m_pPlayer->OnPositionCallback(buffer, offset);
  if (!m_bReturnFirst) {
    std::lock_guard<std::mutex> lock(m_Lock);
    if (!m_Queue.empty() && m_Queue.front() == buffer) m_Queue.pop_front();
  }
  m_pPlayer->OnBufferDone(buffer);
  return 1;
}

void cFakeMidiStream::StartPlayingThread() {
  m_Thread = std::thread([this] {
    while (!m_bQuit)
      if (!PlayNext()) std::this_thread::sleep_for(std::chrono::microseconds(100));
  });
}

std::vector<cFakeMidiStream::cPlayed> cFakeMidiStream::Played() {
  std::lock_guard<std::mutex> lock(m_Lock);
  return m_vPlayed;
}

int cFakeMidiStream::Queued() {
  std::lock_guard<std::mutex> lock(m_Lock);
  return static_cast<int>(m_Queue.size());
}

// --- cFakeSound

cFakeSound::cFakeSound() {
  g_pFakeSound = this;
  SetSoundSeam(this);
}

cFakeSound::~cFakeSound() {
  SetSoundSeam(nullptr);
  g_pFakeSound = nullptr;
}

void cFakeSound::Record(const std::string& call) {
  std::lock_guard<std::mutex> lock(m_Lock);
  m_vCalls.push_back(call);
}

std::vector<std::string> cFakeSound::Take() {
  std::lock_guard<std::mutex> lock(m_Lock);
  std::vector<std::string> calls;
  calls.swap(m_vCalls);
  return calls;
}

void* cFakeSound::OpenModule(const char* name) {
  Record(std::string("OpenModule ") + name);
  return m_bHasVox ? &g_nModule : nullptr;
}

cModuleFunction cFakeSound::FindFunction(void*, const char* name) {
  Record(std::string("FindFunction ") + name);
  return m_bHasCreateVox ? reinterpret_cast<cModuleFunction>(&FakeCreateVox) : nullptr;
}

int cFakeSound::CloseModule(void*) {
  Record("CloseModule");
  return 1;
}

std::unique_ptr<cMidiStream> cFakeSound::NewMidiStream() {
  auto stream = std::make_unique<cFakeMidiStream>(*this);
  m_pLastStream = stream.get();
  return stream;
}

uint32_t cFakeSound::MciOpen(cMciOpenRecord& record) {
  Record("MciOpen " + record.m_strDeviceType + " " + record.m_strElement);
  if (m_MciMissing.count(record.m_strElement)) return 275;  // MCIERR_FILE_NOT_FOUND
  record.m_nDeviceId = m_nNextDevice++;
  return 0;
}

uint32_t cFakeSound::MciClose(uint32_t device) {
  Record("MciClose " + std::to_string(device));
  return 0;
}

uint32_t cFakeSound::MciPlay(uint32_t device, uint32_t from) {
  Record("MciPlay " + std::to_string(device) + " " + std::to_string(from));
  return 0;
}

uint32_t cFakeSound::MciStop(uint32_t device) {
  Record("MciStop " + std::to_string(device));
  return 0;
}

uint32_t cFakeSound::MciSeekToStart(uint32_t device) {
  Record("MciSeekToStart " + std::to_string(device));
  return 0;
}
