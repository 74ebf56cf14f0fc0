#include "app/cMciSound.h"

#include <new>

#include "app/DataFile.h"
#include "app/PathUtil.h"
#include "app/ReportLog.h"
#include "app/cSoundSeam.h"

namespace {
const char* const kWaveAudio = "waveaudio";
const char* const kSequencer = "sequencer";
}  // namespace

void cMciSound::Enable() {
  m_bEnabled = 1;
  m_nCurrent = -1;
}

const cMciOpenRecord* cMciSound::Record(int index) const { return ValidIndex(index) ? &m_pRecords[index] : nullptr; }

void cMciSound::CloseRecord(int index) {
  cMciOpenRecord& record = m_pRecords[index];
  if (record.m_nDeviceId) SoundSeam().MciClose(record.m_nDeviceId);
}

int cMciSound::Open(const char* deviceType, const char* const* paths) {
  if (!m_bEnabled) return 1;
  CloseAll();
  int count = 0;
  while (paths[count]) ++count;
  m_pRecords.reset(new (std::nothrow) cMciOpenRecord[count]);
  if (!m_pRecords) return 0;
  m_nCount = count;
  for (int i = 0; i < count; ++i) {
    cMciOpenRecord& record = m_pRecords[i];
    record.m_strDeviceType = deviceType;
    record.m_strElement = paths[i];
    if (SoundSeam().MciOpen(record)) record = cMciOpenRecord();
  }
  m_nCurrent = -1;
  return 1;
}

int cMciSound::ChangeSound(int index, const char* deviceType, const char* path) {
  if (!m_bEnabled) return 1;
  if (!ValidIndex(index)) return 0;
  Stop();
  cMciOpenRecord& record = m_pRecords[index];
  if (cString(deviceType) == kSequencer) {
    // MCI allows one sequencer at a time: every device goes, wave devices too.
    for (int i = 0; i < m_nCount; ++i) CloseRecord(i);
  } else if (record.m_nDeviceId) {
    if (SoundSeam().MciClose(record.m_nDeviceId)) LogErrorF("MCI_CLOSE失敗！ %d", index);
    record = cMciOpenRecord();
  }
  record.m_strDeviceType = deviceType;
  record.m_strElement = path;
  if (SoundSeam().MciOpen(record)) {
    LogErrorF("ChangeSound失敗！ %s", path);
    record = cMciOpenRecord();
    return 0;
  }
  return 1;
}

void cMciSound::Play(int index, uint32_t position) {
  if (!m_bEnabled || !ValidIndex(index)) return;
  if (m_nCurrent >= 0) Stop();
  SoundSeam().MciPlay(m_pRecords[index].m_nDeviceId, position);
  m_nCurrent = index;
}

void cMciSound::Stop() {
  if (!m_bEnabled || !ValidIndex(m_nCurrent)) return;
  uint32_t device = m_pRecords[m_nCurrent].m_nDeviceId;
  uint32_t result = SoundSeam().MciStop(device);
  if (result) LogErrorF("Stop失敗！ mr = %8x stop =%d", result, m_nCurrent);
  else LogErrorF("Stop成功！ mr = %8x stop =%d", result, m_nCurrent);
  SoundSeam().MciSeekToStart(device);
  m_nCurrent = -1;
}

void cMciSound::CloseAll() {
  if (!m_bEnabled) return;
  for (int i = 0; i < m_nCount; ++i) CloseRecord(i);
  m_pRecords.reset();
  m_nCount = 0;
  m_nCurrent = -1;
}

void cMciSound::Shutdown() {
  CloseAll();
  m_bEnabled = 0;
}

int PlaySoundFile(cMciSound& sound, int index, char* path, uint32_t position) {
  cString extension;
  if (!GetExtension(extension, path)) return 0;
  const char* deviceType;
  if (extension == "mid" || extension == "MID") {
    ChangeExtension(path, path, "mid");
    deviceType = kSequencer;
  } else if (extension == "wav" || extension == "WAV") {
    deviceType = kWaveAudio;
  } else {
    return 0;
  }
  if (!sound.ChangeSound(index, deviceType, path)) return 0;
  sound.Play(index, position);
  return 1;
}

int OpenDefaultWave(cMciSound& sound) {
  static const char* const paths[] = {"wave\\free.wav", nullptr};
  sound.Enable();
  return sound.Open(kWaveAudio, paths);
}
