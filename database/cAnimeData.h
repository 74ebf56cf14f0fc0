#pragma once
// Animes of the database: a frame list over a graphic, and anime sets that bundle the four
// motions of a character with the cell shifts of its states.

#include <cstdint>

#include "app/cDataRecord.h"

class cAnimeFrameData : public cDataRecord {
public:
  cAnimeFrameData() { SetDefaults(); }
  void RegisterFields(uint32_t version) override;
  void SetDefaults();

  int32_t m_nCell = 0;        // added to the anime's start cell
  int32_t m_nTime = 0;        // tenths of a second
  int32_t m_bRunCommand = 0;  // the command runs at this frame
};

class cAnimeData : public cDataRecord {
public:
  cAnimeData() { SetDefaults(); }
  void RegisterFields(uint32_t version) override;
  void Load(cReadStream& stream) override;
  void Save(cWriteStream& stream) override;
  void SetDefaults();

  cString m_strName;
  cVector<cAnimeFrameData> m_vFrame;
  int16_t m_nGraphic = 0;
  uint8_t m_cGraphicSheet = 0;  // a row of the graphic sheet names; 4 names a dedicated bitmap
  int16_t m_nStartCell = 0;
};

// An anime set always holds these four motions, in this order.
enum : int { kMotionStand, kMotionStandMove, kMotionFly, kMotionFlyMove, kMotionCount };
extern const char* const kMotionNames[kMotionCount];

class cAnimeSetData : public cDataRecord {
public:
  cAnimeSetData() { SetDefaults(); }
  void RegisterFields(uint32_t version) override;
  void Load(cReadStream& stream) override;
  void Save(cWriteStream& stream) override;
  void SetDefaults();

  cString m_strName;
  int32_t m_nShiftInvincible = 0;
  int32_t m_nShiftBlock = 0;
  int32_t m_nShiftFly = 0;
  cVector<cAnimeData> m_vMotion;

private:
  void Upgrade(uint32_t version);
  // Brings the motions to exactly four; appended motions get their default names.
  void FitMotions();
};
