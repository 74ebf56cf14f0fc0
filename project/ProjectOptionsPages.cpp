#include "project/ProjectOptionsPages.h"

#include "app/DataFile.h"
#include "app/DataPaths.h"
#include "app/MessageBox.h"
#include "app/ReportLog.h"
#include "app/cShellSeam.h"
#include "stage/cStageEditState.h"

const cString kOldStageModeNames[] = {"旧バージョンのステージファイルを「old_ver」フォルダへ移動(推奨)",
                                      "旧バージョンのステージファイルをそのまま残す",
                                      "旧バージョンのステージファイルを削除", ""};

namespace {
// The entry after the last check box.
constexpr int kNoId = -1;
}  // namespace

const int32_t kIdcInheritChecks[kInheritCheckCount + 1] = {
    // Blocks: situation 0, 1, 2.
    1257, 1258, 1259, 1260, 1261, 1262, 1263, 1264, 1265, 11301, 1366,
    1307, 1308, 1309, 1310, 1311, 1312, 1313, 1314, 1315, 1328, 1367,
    1188, 1189, 1190, 1191, 1192, 1193, 1194, 1195, 1196, 11300, 1365,
    // Characters: situation 0.
    1268, 1269, 1270, 1271, 1272, 1273, 1274, 1275, 1276, 1277, 1278, 1279, 1280, 1281, 1282, 1283,
    1284, 1285, 1286, 1287, 1288, 1289, 1290, 1291, 1292, 1293, 1294, 1295, 1296, 1297, 1298, 1299,
    1301, 1303, 1369, 1371, 1375,
    // Characters: situation 1.
    1330, 1331, 1332, 1333, 1334, 1335, 1336, 1337, 1338, 1339, 1340, 1341, 1342, 1343, 1344, 1345,
    1346, 1347, 1348, 1349, 1316, 1317, 1318, 1319, 1320, 1321, 1322, 1323, 1324, 1325, 1326, 1327,
    1329, 1370, 1373, 1374, 1376,
    // Characters: situation 2.
    1197, 1198, 1199, 1200, 1201, 1202, 1203, 1204, 1205, 1206, 1207, 1208, 1209, 1210, 1211, 1212,
    1213, 1214, 1215, 1216, 1217, 1218, 1219, 1220, 1221, 1222, 1223, 1224, 1225, 1226, 1227, 1228,
    1300, 1302, 1368, 1372, 1377,
    // Items: situation 0, 1, 2.
    1229, 1243, 1244, 1245, 1246, 1247, 1248, 1249, 1250, 1251, 1252, 1253, 1363,
    1350, 1351, 1352, 1353, 1354, 1355, 1356, 1357, 1358, 1359, 1360, 1361, 1364,
    1242, 1231, 1232, 1233, 1234, 1235, 1236, 1237, 1238, 1239, 1240, 1241, 1362,
    kNoId};

const uint16_t kIdcInheritPalette[cProjectSettings::kKinds][cProjectSettings::kSituations] = {
    {1255, 1304, 1256}, {1266, 1305, 1267}, {1230, 1306, 1254}};

const cString kInheritSourceNames[] = {"継承しない", "コモンパレット", ""};
const cString kInheritSourceNamesStage[] = {"継承しない", "ステージパレット", ""};
const cVector<int32_t> kInheritSourceStageTable = {0, 2};

int BuildInheritChecks(cProjectSettings& settings, cVector<cInheritCheck>& checks) {
  checks.clear();
  int next = 0;
  bool fits = true;
  for (int kind = 0; kind < cProjectSettings::kKinds; ++kind) {
    for (int situation = 0; situation < cProjectSettings::kSituations; ++situation) {
      for (int8_t& flag : settings.m_bbDefInherit[situation][kind]) {
        if (kIdcInheritChecks[next] == kNoId) {
          fits = false;
          break;
        }
        checks.push_back({static_cast<uint16_t>(kIdcInheritChecks[next++]), &flag});
      }
    }
  }
  if (fits && kIdcInheritChecks[next] == kNoId) return 1;
  ErrorBoxF("継承データの数が一致しません！(バグかデータファイルが破損しているかどちらか)");
  LogReport("継承データの数が一致しません！");
  Shell().DestroyMainWindow();
  return 0;
}

void PrjGeneralStates(const cShownCtrls& shown, cCtrlStates& states) {
  states.Enable(kIdcGameProgram, !shown.Checked(kIdcAutoGameProgram));
}

void PointAtDefaultRecord(cStageEditState& state, cProjectSettings& settings, int kind) {
  state.m_nEditContext = kEditContextProjectDefault;
  state.m_pEditBlock = kind == cProjectSettings::kKindBlock ? &settings.m_DefBlock : nullptr;
  state.m_pEditChara = kind == cProjectSettings::kKindChara ? &settings.m_DefChara : nullptr;
  state.m_pEditItem = kind == cProjectSettings::kKindItem ? &settings.m_DefItem : nullptr;
}

int SaveProjectSettings(cProjectSettings& settings) {
  return SaveFileReported(settings, g_DataPaths[kPathProjectOptions].GetStr());
}
