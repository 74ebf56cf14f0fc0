#include "editors/CharaGroupRules.h"

#include "app/cWindowPlacement.h"
#include "stage/cStageDoc.h"

const uint16_t kCharaGroupButtons[kCharaGroupCount] = {
    1453, 1413, 1414, 1415, 1416, 1417, 1418, 1419, 1420, 1421, 1422, 1423, 1424, 1425, 1426,
    1427, 1428, 1429, 1430, 1431, 1432, 1433, 1434, 1435, 1436, 1437, 1438, 1439, 1440, 1441,
    1442, 1443, 1444, 1445, 1446, 1447, 1448, 1449, 1450, 1451, 1452, 1454, 1455, 1456, 1457,
    1458, 1459, 1460, 1461, 1462, 1463, 1464, 1465, 1466, 1467, 1468, 1469, 1470, 1471, 1472,
};

void UsedCharaGroups(const cStageDoc& stage, int32_t (&used)[kCharaGroupCount]) {
  for (int32_t& flag : used) flag = 0;
  // Cells of chunks never written are new characters, which have no group.
  stage.m_vCharaLayer.ForEachStored([&used](int, const cEdChara& chara) {
    if (chara.m_bHasGroup && chara.m_nGroupNo >= 0 && chara.m_nGroupNo < kCharaGroupCount) used[chara.m_nGroupNo] = 1;
  });
}

void CharaGroupStates(const cStageDoc& stage, cCtrlStates& states) {
  int32_t used[kCharaGroupCount];
  UsedCharaGroups(stage, used);
  for (int group = 0; group < kCharaGroupCount; ++group) {
    cString caption;
    caption.Format("%d", group);
    states.SetText(kCharaGroupButtons[group], caption);
    states.Check(kCharaGroupButtons[group], used[group] != 0);
  }
}

int IsForwardedGroupCommand(uint16_t id) {
  switch (id) {
    case 40003: case 40004: case 40005: case 40006: case 40010: case 40011: case 40133: return 1;
    default: return 0;
  }
}

int IsForwardedGroupKey(unsigned virtualKey) { return virtualKey == 0x20 ? 1 : 0; }

void CharaGroupWindowPos(const cWindowPlacement& placement, int32_t editorX, int32_t editorY, int32_t& x,
                         int32_t& y) {
  if (placement.m_bValid) {
    x = placement.m_nX;
    y = placement.m_nY;
    return;
  }
  x = editorX + 8;
  y = editorY - 80;
}

void StoreCharaGroupPlacement(cWindowPlacement& placement, int32_t left, int32_t top, int32_t right, int32_t bottom) {
  placement.Set(left, top, right - left + 1, bottom - top + 1);
}
