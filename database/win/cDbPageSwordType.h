#pragma once
// The sword type page "ソードタイプ" (template 222): two bitmaps per sword type and its positions,
// each edited in the sword position dialog "ソードの位置" (223).

#include "database/win/cDbListPage.h"

enum : uint16_t {
  kIdcSwordPathLeft = 1208,
  kIdcSwordBrowseLeft = 1209,
  kIdcSwordPathRight = 1210,
  kIdcSwordBrowseRight = 1211,
};

class cDlgSwordPos : public cDbItemDialog<cSwordPosData> {
public:
  cDlgSwordPos(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* list, cCtrl* place, int32_t center);
};

class cDbPageSwordType : public cDbListPage<cDbPageSwordTypeCore, cSwordPosData, cDlgSwordPos> {
public:
  cDbPageSwordType(uint16_t templateId, cDatabaseWnd& window, cDbPageSwordTypeCore& core);

protected:
  // "参照" beside the right-facing path fills that path alone.
  int OwnCommand(WPARAM wParam) override;
};
