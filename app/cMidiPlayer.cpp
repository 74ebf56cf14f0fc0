#include "app/cMidiPlayer.h"

#include "app/ReportLog.h"
#include "app/cSoundSeam.h"

namespace {
using cLock = std::lock_guard<std::mutex>;

uint32_t LittleEndian32(const uint8_t* p) {
  return p[0] | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}
}  // namespace

cMidiPlayer::cMidiPlayer(const char* path) : cMidiSequence(path) {
  if (HasImage()) Open();
}

cMidiPlayer::~cMidiPlayer() {
  if (!m_pStream) return;
  // The thread goes first: after this nothing but this destructor touches the player.
  m_pStream->EndThread();
  Check(m_pStream->Reset(), "Reset");
  for (int i = 0; i < kMidiBufferCount; ++i) Check(m_pStream->Unprepare(i), "Unprepare");
  Check(m_pStream->Close(), "Close");
}

void cMidiPlayer::Check(uint32_t result, const char* operation) {
  if (result) LogReportAndError("Midi %s %s %s", Name().GetStr(), operation, m_pStream->ErrorText(result).GetStr());
}

void cMidiPlayer::Open() {
  cLock lock(m_Lock);
  m_nCurBuffer = 0;
  for (std::vector<uint8_t>& buffer : m_aBuffers) buffer.assign(kMidiBufferSize, 0);
  m_pStream = SoundSeam().NewMidiStream();
  if (!m_pStream) return;
  Check(m_pStream->Open(this), "Open");
  Check(m_pStream->SetTimeDivision(Division()), "Property");
  m_nPosition = kMidiTrackStart;
  m_nState = kMidiStopped;
  RefillLocked();
}

void cMidiPlayer::RefillLocked() {
  if (!Ready() || m_nPosition >= ImageEnd() || m_pStream->IsQueued(m_nCurBuffer)) return;
  std::vector<uint8_t>& buffer = m_aBuffers[m_nCurBuffer];
  uint32_t recorded;
  m_nPosition += FillStreamBuffer(m_nPosition, buffer.data(), kMidiBufferSize, recorded);
  Check(m_pStream->Prepare(m_nCurBuffer, buffer.data(), kMidiBufferSize, recorded), "Prepare");
  Check(m_pStream->Out(m_nCurBuffer), "Out");
  m_nCurBuffer = (m_nCurBuffer + 1) % kMidiBufferCount;
}

void cMidiPlayer::Restart(int loop) {
  cLock lock(m_Lock);
  RestartLocked(loop);
}

void cMidiPlayer::RestartLocked(int loop) {
  if (!Ready()) return;
  m_bLoop = loop;
  if (m_nState == kMidiPlaying) return;
  Check(m_pStream->Restart(), "Restart");
  int32_t previous = m_nState;
  m_nState = kMidiPlaying;
  // A paused piece goes on where it was; a stopped one has one buffer waiting and gets the second.
  if (previous == kMidiStopped) RefillLocked();
}

void cMidiPlayer::Stop(int pause) {
  cLock lock(m_Lock);
  StopLocked(pause);
}

void cMidiPlayer::StopLocked(int pause) {
  if (!Ready()) return;
  if (pause) {
    if (m_nState != kMidiPlaying) return;
    Check(m_pStream->Pause(), "Pause");
    m_nState = kMidiPaused;
    return;
  }
  Check(m_pStream->Stop(), "Stop");
  m_nState = kMidiStopped;
  m_nPosition = kMidiTrackStart;
  RefillLocked();
}

void cMidiPlayer::OnPositionCallback(int buffer, uint32_t offset) {
  cLock lock(m_Lock);
  // A callback that was on its way when the piece was stopped must not start it again.
  if (!Ready() || m_nState == kMidiStopped) return;
  if (buffer < 0 || buffer >= kMidiBufferCount || offset > kMidiBufferSize - kMidiShortEventSize) return;
  uint32_t word = LittleEndian32(&m_aBuffers[buffer][offset + 8]);
  if ((word & 0xFFFFFF) == kMidiEndOfPiece) {
    StopLocked(0);
    if (m_bLoop) RestartLocked(1);
  } else {
    RefillLocked();
  }
}

void cMidiPlayer::OnBufferDone(int buffer) {
  cLock lock(m_Lock);
  // The position callback of a full buffer may come while the device still holds that buffer.
  if (Ready() && m_nState != kMidiStopped && buffer >= 0 && buffer < kMidiBufferCount) RefillLocked();
}

int32_t cMidiPlayer::State() {
  cLock lock(m_Lock);
  return m_nState;
}

uint32_t cMidiPlayer::Position() {
  cLock lock(m_Lock);
  return m_nPosition;
}
