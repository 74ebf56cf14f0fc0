#pragma once
// The MIDI stream player: plays a converted sequence through a MIDI stream, two buffers of stream
// events in turn, refilled from the stream's callbacks on a thread of the device's own.

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "app/cMidiSequence.h"

class cMidiPlayer;

constexpr int kMidiBufferCount = 2;
constexpr uint32_t kMidiBufferSize = 24000;

// The device under one player: a MIDI stream on the default MIDI device and the thread that
// receives its callbacks. Results are the device's error codes, 0 for success.
class cMidiStream {
public:
  virtual ~cMidiStream() = default;
  // Starts the callback thread, then opens the stream with its callbacks going to the player.
  virtual uint32_t Open(cMidiPlayer* player) = 0;
  virtual uint32_t SetTimeDivision(uint32_t division) = 0;
  // Sets up the buffer's header over data (size bytes, recorded of them used) and prepares it.
  virtual uint32_t Prepare(int buffer, uint8_t* data, uint32_t size, uint32_t recorded) = 0;
  virtual uint32_t Out(int buffer) = 0;
  // 1 while the device still holds the buffer.
  virtual int IsQueued(int buffer) = 0;
  virtual uint32_t Restart() = 0;
  virtual uint32_t Pause() = 0;
  virtual uint32_t Stop() = 0;
  virtual uint32_t Reset() = 0;
  virtual uint32_t Unprepare(int buffer) = 0;
  virtual uint32_t Close() = 0;
  // Ends the callback thread and waits for it: no callback reaches the player afterwards.
  virtual void EndThread() = 0;
  virtual cString ErrorText(uint32_t code) = 0;
};

enum : int32_t { kMidiStopped = 0, kMidiPlaying = 1, kMidiPaused = 2 };

class cMidiPlayer : public cMidiSequence {
public:
  // Reads and converts the file, then opens the device when there is an image.
  explicit cMidiPlayer(const char* path);
  ~cMidiPlayer() override;
  cMidiPlayer(const cMidiPlayer&) = delete;
  cMidiPlayer& operator=(const cMidiPlayer&) = delete;

  // Starts or resumes playing; loop plays the piece again at its end.
  void Restart(int loop);
  // 1 pauses a playing piece; 0 stops and rewinds it (one buffer is filled again at once).
  void Stop(int pause);

  // From the device's thread: the flagged event at offset in buffer has been played.
  void OnPositionCallback(int buffer, uint32_t offset);
  // From the device's thread: the device has given the buffer back.
  void OnBufferDone(int buffer);

  int32_t State();
  uint32_t Position();
  cMidiStream* Stream() { return m_pStream.get(); }

private:
  void Open();
  // Converts the next part of the piece into the current buffer and sends it.
  void RefillLocked();
  void RestartLocked(int loop);
  void StopLocked(int pause);
  // Without an image or a device every operation does nothing.
  bool Ready() const { return HasImage() && m_pStream; }
  void Check(uint32_t result, const char* operation);

  int m_nCurBuffer = 0;
  std::unique_ptr<cMidiStream> m_pStream;
  std::vector<uint8_t> m_aBuffers[kMidiBufferCount];
  uint32_t m_nPosition = kMidiTrackStart;
  int32_t m_nState = kMidiStopped;
  int32_t m_bLoop = 0;
  // The user-interface thread and the device's thread both play the piece.
  std::mutex m_Lock;
};
