#pragma once
// One background layer of a stage: a picture or a colour, scrolling at its own speed.

#include <cstdint>

#include "app/cDataRecord.h"

class cBackgroundData : public cDataRecord {
public:
  int32_t m_bShowFromStart = 0;
  int32_t m_bUseColor = 0;
  int32_t m_nColor = 0;
  int32_t m_bFront = 0;
  double m_dScrollX = 0;
  double m_dScrollY = 0;
  int32_t m_bAutoScrollX = 0;
  int32_t m_bAutoScrollY = 0;
  cString m_strPicture;
  // Stored and copied; the editor neither shows nor changes them.
  double m_dSpare1 = 0;
  double m_dSpare2 = 0;

  cBackgroundData() { SetDefaults(); }
  void SetDefaults();
  void RegisterFields(uint32_t version) override;
};

// The fewest bytes a stored background takes: the two counts and the length of an empty path.
template <>
struct cStoredSize<cBackgroundData> {
  static constexpr size_t kMin = 12;
};
