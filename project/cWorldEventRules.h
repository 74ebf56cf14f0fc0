#pragma once
// The rules of the world event dialog, which edits one world map event with its pages: the numeric
// ranges, the page rows, the enables that follow the event type, the combo rows and renaming a
// common variable. "参照" stores the chosen stage file relative to the working folder
// (AssignRelativePath) and ignores one that cannot be.

#include <array>
#include <cstdint>

#include "app/cString.h"
#include "app/cVector.h"
#include "project/cWorldMapDoc.h"

// Template 161 "イベント" and its controls.
enum : int {
  kIddWorldEvent = 161,
  kIdcEventName = 1002,
  kIdcPageList = 1254,
  kIdcPageInsert = 1066,
  kIdcPageDelete = 1067,
  kIdcNeedClearWorld = 1242,
  kIdcNeedClearWorldSpin = 1243,
  kIdcCondVar = 1249,
  kIdcCondVarRename = 1250,
  kIdcCondValue = 1251,
  kIdcCondValueSpin = 1252,
  kIdcCondCompare = 1253,
  kIdcTotalScore = 1256,
  kIdcTotalScoreSpin = 1257,
  kIdcEventPreview = 1070,
  kIdcEventGraphic = 1032,
  kIdcEventType = 1033,
  kIdcWorldName = 1255,
  kIdcStartStage = 1247,
  kIdcStartStageBrowse = 1248,
  kIdcVariation = 1038,
  kIdcVariationVar = 1258,
  kIdcVariationRename = 1259,
  kIdcVariationValue = 1260,
  kIdcVariationValueSpin = 1261,
  kIdcWorldNo = 1245,
  kIdcWorldNoSpin = 1246,
  kIdcPassWithoutClear = 1036,
  kIdcPlayAfterClear = 1037,
  kIdcGameClear = 1244,
};

// A numeric edit with its up-down control and the page field it is bound to.
struct cWorldEventNumber {
  int m_nId;
  int m_nSpinId;
  int32_t m_nMin;
  int32_t m_nMax;
  int32_t cWorldEventPage::*m_pMember;
};
extern const cWorldEventNumber kWorldEventNumbers[5];

struct cCtrlEnable {
  int m_nId;
  int32_t m_bEnabled;
};

class cWorldEventRules {
public:
  static constexpr int kMinPages = 1;
  static constexpr int kMaxPages = 99;
  static constexpr int kNameLimit = 20;
  static constexpr int kWorldNameLimit = 20;
  static constexpr int kStartStageLimit = 260;
  // The condition variable combo stores its row; the variation combo has no "none" row.
  static constexpr int32_t kCondVarRowOffset = 0;
  static constexpr int32_t kVariationVarRowOffset = 1;
  static constexpr int kEnableCount = 12;

  // "ワールド番号 %d" with the page's number.
  static cString PageRow(const cWorldEventPage& page);
  // A road or wall has no world number: 1 when the page lost one.
  static int ApplyType(cWorldEventPage& page);
  // The controls that follow the condition variable, the type and the variation box.
  static std::array<cCtrlEnable, kEnableCount> Enables(const cWorldEventPage& page);
  // "1" .. "N", one row of the event sheet each.
  static cVector<cString> GraphicRows(int32_t sheetHeight);
  // "変数条件なし" and then, as the variation combo shows alone, "%03d %s" for variables 1 .. 999.
  static cVector<cString> CondVarRows();
  static cVector<cString> VariationVarRows();
  // 0 and a beep for "変数条件なし": there is no variable to rename.
  static int CanRenameVariable(int32_t number);
  // The common variable's new name, saved to data\GValInfo.dat at once; a failed save is told.
  static int RenameVariable(int32_t number, const cString& name);
};
