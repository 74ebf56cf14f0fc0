#pragma once
// Pictures, sound effects and BGM: a named media file.

#include <cstdint>

#include "app/cDataRecord.h"

// What the three media records hold, in the same stored form.
class cMediaFileData : public cDataRecord {
public:
  void RegisterFields(uint32_t version) override;
  void Load(cReadStream& stream) override;
  void SetDefaults() { Clear(); }

  cString m_strName;
  int32_t m_bSameAsFileName = 0;
  cString m_strPath;  // a bitmap, a wave file, or a MIDI or Ogg file

protected:
  cMediaFileData() = default;
};

class cPictureData : public cMediaFileData {
public:
  cPictureData() { SetDefaults(); }
};

class cSoundData : public cMediaFileData {
public:
  cSoundData() { SetDefaults(); }
};

class cBgmData : public cMediaFileData {
public:
  cBgmData() { SetDefaults(); }
};
