#include "project/cWorldEventRules.h"

#include "app/DataFile.h"
#include "app/DataPaths.h"
#include "app/MessageBox.h"
#include "app/cShellSeam.h"
#include "app/cValInfoData.h"
#include "model/VariableNames.h"

const cWorldEventNumber kWorldEventNumbers[5] = {
    {kIdcNeedClearWorld, kIdcNeedClearWorldSpin, 0, cWorldMapDoc::kMaxWorldNo, &cWorldEventPage::m_nNeedClearWorld},
    {kIdcCondValue, kIdcCondValueSpin, -999999, 999999, &cWorldEventPage::m_nCondValue},
    {kIdcTotalScore, kIdcTotalScoreSpin, -999999, 999999, &cWorldEventPage::m_nTotalScore},
    {kIdcVariationValue, kIdcVariationValueSpin, -999999, 999999, &cWorldEventPage::m_nVariationValue},
    {kIdcWorldNo, kIdcWorldNoSpin, 0, cWorldMapDoc::kMaxWorldNo, &cWorldEventPage::m_nWorldNo},
};

namespace {
constexpr int32_t kLastVariable = 999;

void AppendVariableRows(cVector<cString>& rows) {
  for (int32_t number = 1; number <= kLastVariable; ++number) {
    cString row;
    row.Format("%03d %s", number, VariableName(kVarScopeCommon, number).GetStr());
    rows.push_back(row);
  }
}
}  // namespace

cString cWorldEventRules::PageRow(const cWorldEventPage& page) {
  cString row;
  row.Format("ワールド番号 %d", page.m_nWorldNo);
  return row;
}

int cWorldEventRules::ApplyType(cWorldEventPage& page) {
  if (page.m_nType == cWorldEventPage::kTypeWorld || page.m_nWorldNo == 0) return 0;
  page.m_nWorldNo = 0;
  return 1;
}

std::array<cCtrlEnable, cWorldEventRules::kEnableCount> cWorldEventRules::Enables(const cWorldEventPage& page) {
  int32_t condition = page.m_nCondVar != 0 ? 1 : 0;
  int32_t world = page.m_nType == cWorldEventPage::kTypeWorld ? 1 : 0;
  int32_t variation = world && page.m_bVariation ? 1 : 0;
  return {{
      {kIdcCondValue, condition},
      {kIdcCondCompare, condition},
      {kIdcWorldNo, world},
      {kIdcWorldName, world},
      {kIdcStartStage, world},
      {kIdcVariation, world},
      {kIdcPassWithoutClear, world},
      {kIdcPlayAfterClear, world},
      {kIdcGameClear, world},
      {kIdcVariationVar, variation},
      {kIdcVariationRename, variation},
      {kIdcVariationValue, variation},
  }};
}

cVector<cString> cWorldEventRules::GraphicRows(int32_t sheetHeight) {
  cVector<cString> rows;
  for (int32_t row = 1; row <= sheetHeight / 32; ++row) {
    cString text;
    text.Format("%d", row);
    rows.push_back(text);
  }
  return rows;
}

cVector<cString> cWorldEventRules::CondVarRows() {
  cVector<cString> rows;
  rows.push_back("変数条件なし");
  AppendVariableRows(rows);
  return rows;
}

cVector<cString> cWorldEventRules::VariationVarRows() {
  cVector<cString> rows;
  AppendVariableRows(rows);
  return rows;
}

int cWorldEventRules::CanRenameVariable(int32_t number) {
  if (number >= 1 && number <= kLastVariable) return 1;
  Shell().Beep();
  return 0;
}

int cWorldEventRules::RenameVariable(int32_t number, const cString& name) {
  if (number < 1 || number > kLastVariable || number >= g_vValInfo.Count()) return 0;
  g_vValInfo[number].m_strName = name;
  const char* path = g_DataPaths[kPathValInfo].GetStr();
  if (SaveTableFile(g_vValInfo, path)) return 1;
  ErrorBoxF("%s の保存に失敗しました！", path);
  return 0;
}
