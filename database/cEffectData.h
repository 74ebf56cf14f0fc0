#pragma once
// Effect animations: a bitmap cut into cells and the frames that show them in turn.

#include <cstdint>

#include "app/cDataRecord.h"

class cEffectFrameData : public cDataRecord {
public:
  cEffectFrameData() { SetDefaults(); }
  void RegisterFields(uint32_t version) override;
  void SetDefaults();

  int32_t m_nCell = 0;
  int32_t m_nTime = 0;  // tenths of a second
};

class cEffectData : public cDataRecord {
public:
  cEffectData() { SetDefaults(); }
  void RegisterFields(uint32_t version) override;
  void Load(cReadStream& stream) override;
  void Save(cWriteStream& stream) override;
  // Keeps the frames: a reset effect still plays what it had.
  void SetDefaults();

  cString m_strName;
  int32_t m_bSameAsFileName = 0;
  cString m_strPath;
  int32_t m_nCellWidth = 0;  // dots
  int32_t m_nCellHeight = 0;
  int32_t m_bAllowGiant = 0;
  cVector<cEffectFrameData> m_vFrame;
};
