#pragma once
// The rules of the stage settings sheet, apart from any window: its controls as data (id, member,
// limits), what its check boxes and combo boxes enable, the widths the scroll limits hide, the
// memory a new size needs, the labels of the hit-box sizes and the size change itself. The pages
// bind their controls from these rows and apply the decided states (cCtrlStates).

#include <cstdint>
#include <vector>

#include "app/cEditConfig.h"
#include "app/cString.h"
#include "editors/CtrlStates.h"
#include "editors/FieldTable.h"
#include "stage/cAutoVanishData.h"
#include "stage/cBackgroundData.h"
#include "stage/cStageDoc.h"

class cStageEditState;

// Templates of the sheet's pages and of the background dialog.
enum : uint16_t {
  kIddStagePageBasic = 144,
  kIddStagePageAdvanced = 241,
  kIddStagePageAdvanced2 = 242,
  kIddBackground = 136,
};

// The basic page (144).
enum : uint16_t {
  kIdcBasicName = 1002,
  kIdcBasicWidth = 11210,
  kIdcBasicWidthSpin = 11212,
  kIdcBasicHeight = 11211,
  kIdcBasicHeightSpin = 11166,
  kIdcBasicAnchorX = 1286,
  kIdcBasicAnchorY = 1287,
  kIdcBasicLimitLeftOn = 1265,
  kIdcBasicLimitRightOn = 1266,
  kIdcBasicLimitTopOn = 1267,
  kIdcBasicLimitBottomOn = 1268,
  kIdcBasicLimitLeft = 11214,
  kIdcBasicLimitRight = 11216,
  kIdcBasicLimitTop = 11218,
  kIdcBasicLimitBottom = 11220,
  kIdcBasicScrollKindX = 1263,
  kIdcBasicScrollKindY = 1264,
  kIdcBasicAutoScrollX = 1256,
  kIdcBasicAutoScrollY = 1259,
  kIdcBasicTimeLimitOn = 1269,
  kIdcBasicTimeLimit = 1258,
  kIdcBasicWarningTime = 1262,
  kIdcBasicGravity = 11223,
  kIdcBasicGravitySpin = 11168,
  kIdcBasicStatusWindow = 1284,
  kIdcBasicBgm = 11222,
  kIdcBasicBgmLoop = 1448,
  kIdcBasicBgmKeep = 1449,
  kIdcBasicNoClearWait = 1285,
  kIdcBasicBackgrounds = 1222,
  kIdcBasicRanking = 1316,  // 1316 to 1320: the five ranking items
  kIdcBasicMemory = 1427,
  kIdcBasicUndoWarning = 1428,
  kIdcBasicHiddenLeft = 1429,  // 1429 to 1432: left, right, top, bottom
  kIdcBasicBgmPlay = 1217,
  kIdcBasicBgInsert = 1219,
  kIdcBasicBgEdit = 1220,
  kIdcBasicBgDelete = 1221,
};

// The advanced page (241).
enum : uint16_t {
  kIdcAdvFrameRate = 11222,
  kIdcAdvFrameRateSpin = 11167,
  kIdcAdvHitLevel = 1271,
  kIdcAdvShotPrecision = 1279,
  kIdcAdvZEnabled = 1272,
  kIdcAdvNoDamageOffScreen = 1273,
  kIdcAdvVanishOn = 1434,       // 1434 + 4 x rule + side
  kIdcAdvVanishMargin = 11223,  // 11223 + 4 x rule + side
  kIdcAdvVanishSpin = 11168,    // 11168 + 4 x rule + side
};

// The background dialog (136).
enum : uint16_t {
  kIdcBgShowFromStart = 1182,
  kIdcBgUseColor = 1250,
  kIdcBgColor = 1251,
  kIdcBgColorSpin = 1252,
  kIdcBgFront = 1181,
  kIdcBgScrollX = 1256,
  kIdcBgScrollXSpin = 1257,
  kIdcBgScrollY = 1259,
  kIdcBgScrollYSpin = 1260,
  kIdcBgAutoScrollX = 1258,
  kIdcBgAutoScrollY = 1261,
  kIdcBgPicture = 1253,
  kIdcBgBrowse = 1254,
  kIdcBgPreview = 1255,
};

constexpr int kStageNameBytes = 30;
constexpr int kRankingItemCount = 5;
// Sizes the basic page takes and the smallest a stage gets.
constexpr int kNewSizeMin = 1;
constexpr int kNewSizeMax = 512;
constexpr int kStageMinWidth = 20;
constexpr int kStageMinHeight = 15;
constexpr int kMaxBackgrounds = 8;
constexpr int kBgPictureBytes = 260;
constexpr int kBgPreviewSize = 32;

// The width and height typed on the basic page; they reach the stage only through ApplyStageSize.
struct cStageNewSize {
  int32_t m_nNewWidth = 0;
  int32_t m_nNewHeight = 0;
};

// Bound controls of the basic page.
extern const cTextField<cStageDoc> kStageBasicTextFields[1];
extern const cNumField<cStageNewSize> kStageBasicSizeFields[2];
extern const cNumField<cStageDoc> kStageBasicNumFields[12];
extern const cRealField<cStageDoc> kStageBasicRealFields[1];
extern const cComboField<cEditConfig> kStageBasicAnchorFields[2];
// The scroll kinds; the BGM combo box (rows built when the page opens) is bound by the page.
extern const cComboField<cStageDoc> kStageBasicComboFields[2];
extern const cCheckField<cStageDoc, int32_t> kStageBasicCheckFields[15];

// Bound controls of the advanced page; the auto-vanish rows are those of rule 0, rule k's ids
// are 4 x k further (VanishCtrlId).
extern const cNumField<cStageDoc> kStageAdvNumFields[1];
extern const cComboField<cStageDoc> kStageAdvComboFields[2];
extern const cCheckField<cStageDoc, int32_t> kStageAdvCheckFields[2];
extern const cCheckField<cAutoVanishData, int32_t> kVanishCheckFields[4];
extern const cNumField<cAutoVanishData> kVanishMarginFields[4];
uint16_t VanishCtrlId(uint16_t ruleZeroId, int rule);

// One row of the advanced page 2: a hit box's label, size edits, position combo (0: none) and
// the default that its label shows.
struct cHitBoxRow {
  uint16_t m_nLabelId;
  cNumField<cStageDoc> m_Width;
  cNumField<cStageDoc> m_Height;
  uint16_t m_nPosId;
  int32_t cStageDoc::*m_pPos;
  int32_t m_nDefWidth;
  int32_t m_nDefHeight;
  int32_t m_nDefPos;  // -1: the row has no position
};
constexpr int kHitBoxRowCount = 16;
extern const cHitBoxRow kHitBoxRows[kHitBoxRowCount];
// The player's display combo boxes and the colour combo box each one enables.
extern const cComboField<cStageDoc> kHitBoxShowFields[4];
extern const cComboField<cStageDoc> kHitBoxColorFields[4];
// " (%d,%d,%s)" with the short position name, or " (%d,%d)" for a row without a position.
cString HitBoxLabelSuffix(const cHitBoxRow& row);

// Bound controls of the background dialog.
extern const cNumField<cBackgroundData> kBackgroundNumFields[1];
extern const cRealField<cBackgroundData> kBackgroundRealFields[2];
extern const cCheckField<cBackgroundData, int32_t> kBackgroundCheckFields[5];
extern const cTextField<cBackgroundData> kBackgroundTextFields[1];

// What the basic page's enables depend on: its check boxes as they stand.
struct cBasicPageChecks {
  int32_t m_abLimit[4] = {};  // left, right, top, bottom
  int32_t m_bTimeLimit = 0;
  int32_t m_bNoClearWait = 0;
};
// Each limit's check box enables its edit and shows its hidden width; the time limit enables the
// time and the warning; waiting for no key after a clear disables the ranking items.
void BasicPageStates(const cBasicPageChecks& checks, cCtrlStates& states);
// Check box k of the auto-vanish rules enables margin edit k (k from 0 to 19).
void AdvancedPageStates(const int32_t (&checks)[20], cCtrlStates& states);
// Each colour combo box is enabled while its display combo box does not say "表示しない" (row 0).
void Advanced2PageStates(const int32_t (&shows)[4], cCtrlStates& states);
// A colour background enables the colour; a picture enables the picture, its browse button, the
// speeds and the auto-scrolls.
void BackgroundStates(int32_t useColor, cCtrlStates& states);

// The columns or rows of the map that each scroll limit keeps out of view, from the values typed:
// left, right, top, bottom.
struct cHiddenWidths {
  int32_t m_anWidth[4] = {};
};
cHiddenWidths HiddenWidths(int32_t width, int32_t height, int32_t left, int32_t right, int32_t top,
                           int32_t bottom);
// "隠れる幅 %d(bl)"
cString HiddenWidthText(int32_t width);

// The memory a size change may count on: the free memory and what the undo history holds, which
// the change releases. The estimate the sheet shows and the change itself measure with this.
uint64_t SizeChangeMemory(const cStageDoc& stage, const cStageEditState& state);

// The memory a size change needs: two snapshots of the new size, against one of the current size
// and the memory SizeChangeMemory gives; the undo steps that would still fit (0 when even the two
// do not).
struct cMemoryEstimate {
  uint64_t m_nStep = 0;
  uint64_t m_nNeed = 0;
  uint64_t m_nLimit = 0;
  int32_t m_nDepth = 0;
};
cMemoryEstimate EstimateSizeMemory(int32_t newWidth, int32_t newHeight, int32_t width, int32_t height,
                                   uint64_t memory);
// "%9u KB\r\n%9u KB\r\n" with the need and the limit.
cString MemoryEstimateText(const cMemoryEstimate& estimate);
// "※元に戻せる回数 %d → %d" while fewer steps fit than the stage asks for; empty otherwise.
cString UndoWarningText(const cMemoryEstimate& estimate, int32_t undoDepth);

// What a size change shows while it runs: the status popup of the page that applies it.
class cSizeChangeView {
public:
  virtual ~cSizeChangeView() = default;
  virtual void ShowBusy(const char* text, const char* caption) = 0;
  virtual void CloseBusy() = 0;
};

enum : int {
  kSizeKept,     // the new size is the stage's own: nothing done
  kSizeChanged,  // resized; the undo history was released
  kSizeRefused,  // growing needs more than SizeChangeMemory: refused after a box
  kSizeFailed,   // the stage could not be resized: the main window is destroyed after a box
};
// Raises the new size to the smallest stage, then resizes the stage toward the anchors (rows of
// ExpandXNames and ExpandYNames), rescuing the player as SetSize does.
int ApplyStageSize(cStageDoc& stage, cStageEditState& state, cStageNewSize& size, int32_t anchorX, int32_t anchorY,
                   cSizeChangeView& view);

// The labels of the BGM combo box: "なし", then one numbered row per record of the BGM table.
void MakeBgmLabels(std::vector<cString>& labels);
