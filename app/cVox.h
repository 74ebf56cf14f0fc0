#pragma once
// A player object of the Ogg player library Vox.dll, as the editor calls it: a table of operations
// in a fixed order, each taking the object first, with the standard calling convention. CreateVox,
// exported by the library, makes one (null when it cannot). The editor calls Load, Play, Stop,
// Reset, SetLoopCount and Release; the four operations between them report on the playing.

#include <cstdint>

#if defined(_WIN32) && defined(__i386__)
#define VX_STDCALL __attribute__((stdcall))
#else
#define VX_STDCALL
#endif

// Loop count that plays for ever; 0 plays once.
constexpr int32_t kVoxLoopForever = 0x7FFFFFFF;

class cVox {
public:
  // Non-zero when the file (a code page 932 path) was loaded and can play.
  virtual uint8_t VX_STDCALL Load(const char* path) = 0;
  virtual void VX_STDCALL Play() = 0;
  virtual void VX_STDCALL Stop() = 0;
  // Stops and forgets the file; called before every load.
  virtual void VX_STDCALL Reset() = 0;
  // How often the piece is played again after its first time.
  virtual void VX_STDCALL SetLoopCount(int32_t count) = 0;
  virtual uint8_t VX_STDCALL IsPlaying() = 0;
  // Sample frames that the device has played since the last Play.
  virtual uint32_t VX_STDCALL GetPlayedFrames() = 0;
  // Sample frames of one pass through the loaded file.
  virtual uint32_t VX_STDCALL GetFrameCount() = 0;
  virtual uint32_t VX_STDCALL GetSampleRate() = 0;
  // Frees the object; it is not used again.
  virtual void VX_STDCALL Release() = 0;

protected:
  ~cVox() = default;
};

using CreateVoxFunction = cVox* (*)();
