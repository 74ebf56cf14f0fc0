#include "editors/CommandChooser.h"

#include "model/cCmdKindInfo.h"
#include "model/cCommandData.h"

const cCmdSelectEntry kCmdSelectEntries[kCmdSelectEntryCount] = {
    {0, 0, 0},
    {1267, 207, 1}, {1268, 208, 1}, {1269, 259, 1}, {1270, 260, 1}, {1271, 261, 1},  // 1-5
    {1272, 214, 1}, {1273, 262, 1}, {1274, 273, 1}, {1275, 263, 1}, {1276, 243, 1},  // 6-10
    {1277, 209, 1}, {1278, 224, 1}, {1279, 258, 1}, {1280, 256, 1}, {1281, 257, 1},  // 11-15
    {1282, 225, 1}, {1283, 245, 1}, {1284, 244, 1}, {1285, 239, 1}, {1286, 264, 1},  // 16-20
    {1287, 265, 1}, {1288, 215, 1}, {1289, 266, 1}, {1290, 281, 1}, {1291, 268, 1},  // 21-25
    {1292, 232, 1}, {1293, 230, 1}, {1294, 227, 1}, {1295, 234, 1}, {1296, 213, 1},  // 26-30
    {1297, 231, 1}, {1298, 233, 1}, {1300, 238, 1}, {1301, 240, 1}, {1302, 228, 1},  // 31-35 (no 1299)
    {1303, 229, 1}, {1304, 252, 1}, {1305, 279, 1}, {1306, 280, 1},                  // 36-39
    {1307, 0, 0},   {1308, 0, 0},   {1309, 0, 0},   {1310, 0, 0},   {1311, 0, 0},   {1312, 0, 0},  // spare
};

const cCmdSelectTable kCharaCmdSelect = {kCmdSelectEntries, 0, 205};

namespace {
bool Offered(const cCmdSelectTable& table, int kind) {
  return kind > 0 && kind < kCmdSelectEntryCount && table.m_pEntries[kind].m_bEnabled &&
         table.m_pEntries[kind].m_nTemplateId != 0;
}
}  // namespace

uint16_t CmdSelectButtonOfKind(const cCmdSelectTable& table, int kind) {
  return Offered(table, kind) ? table.m_pEntries[kind].m_nCtrlId : 0;
}

int CmdSelectKindOfButton(const cCmdSelectTable& table, uint16_t id) {
  if (id == 0) return 0;
  for (int kind = 1; kind < kCmdSelectEntryCount; ++kind)
    if (table.m_pEntries[kind].m_nCtrlId == id) return Offered(table, kind) ? kind : 0;
  return 0;
}

void CmdSelectStates(const cCmdSelectTable& table, cCtrlStates& states) {
  for (int kind = 1; kind < kCmdSelectEntryCount; ++kind) {
    const cCmdSelectEntry& entry = table.m_pEntries[kind];
    states.Show(entry.m_nCtrlId, entry.m_bEnabled != 0);
    const cCmdKindInfo* info = FindCmdKind(table.m_nSet, kind);
    if (entry.m_bEnabled && info) states.SetText(entry.m_nCtrlId, info->m_strName);
  }
}

void ChooseCommandKind(const cCmdSelectTable& table, cCommandData& command, int kind) {
  command.m_cSet = table.m_nSet;
  command.m_cKind = static_cast<int8_t>(kind);
}
