#pragma once
// The dedicated bitmap page "キャラの専用bmp" (template 141): a bitmap under bmp\chara_sp\ per record,
// whether it is a giant's and how large. Its apply also rebuilds the dedicated bitmaps.

#include "database/win/cDbFilePage.h"

class cDbPageCharaExc : public cDbFilePage<cDbPageCharaExcCore> {
public:
  cDbPageCharaExc(uint16_t templateId, cDatabaseWnd& window, cDbPageCharaExcCore& core);

protected:
  // The name rule, then the size combo box enabled with "巨大キャラ".
  void UpdateDependentControls() override;
};
