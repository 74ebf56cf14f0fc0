#pragma once
// The block data sheet's one page (template 137, "ブロックデータ") apart from its window: its
// controls as data with their eleven inheritance groups, the action table with the value X that
// follows the action, the acquired item's palette rows, and the enable and range decisions of
// every refresh. The page stores its controls into its working copy, applies the value rules,
// shows the copy again and applies the decided states.

#include <cstdint>

#include "app/cString.h"
#include "app/cVector.h"
#include "editors/CtrlStates.h"
#include "editors/FieldTable.h"
#include "editors/SheetPageRules.h"
#include "model/cEdBlock.h"

constexpr uint16_t kBlockPageTemplate = 137;
constexpr const char* kBlockSheetCaption = "ブロックデータ";

enum : uint16_t {
  kIdcBlockSource = 1268,
  kIdcBlockSourceIndex = 1269,
  kIdcBlockName = 1002,
  kIdcBlockCondList = 1044,
  kIdcBlockCondInsert = 1041,
  kIdcBlockCondEdit = 1042,
  kIdcBlockCondDelete = 1043,
  kIdcBlockJudge = 1255,
  kIdcBlockOnce = 1051,
  kIdcBlockSheet = 1254,
  kIdcBlockCell = 1036,
  kIdcBlockFrame = 1038,
  kIdcBlockCellPick = 1446,
  kIdcBlockPreview2 = kIdcSheetPreview2,
  kIdcBlockFront = 1181,
  kIdcBlockTransparent = 1258,
  kIdcBlockMarkShow = 1260,
  kIdcBlockMark = 11040,
  kIdcBlockMarkPick = 1445,
  kIdcBlockType = 1259,
  kIdcBlockFaction = 1262,
  kIdcBlockAction = 1263,
  kIdcBlockActionX = 1130,
  kIdcBlockItemPalette = 1270,
  kIdcBlockItemIndex = 12640,
  kIdcBlockNoSummon = 1182,
  kIdcBlockInheritFirst = 1024,  // 1024 + g is group g's "継承→"
};

extern const cNumField<cEdBlock> kBlockNumFields[4];
extern const cComboField<cEdBlock> kBlockComboFields[11];
extern const cCheckField<cEdBlock> kBlockCheckFields[3];
extern const cTextField<cEdBlock> kBlockTextFields[1];
extern const cGroupCtrl kBlockExtraCtrls[6];
extern const uint16_t kBlockInheritButtons[cEdBlock::kGroupCount];
extern const cPageDesc<cEdBlock> kBlockPage;

// One action: its X limits and the X an action change sets.
struct cBlockAction {
  int32_t m_nMin;
  int32_t m_nMax;
  int32_t m_nDefault;
};
constexpr int kBlockActionCount = 6;
extern const cBlockAction kBlockActions[kBlockActionCount];
// The action's row; null for an action outside the table, which leaves X as it is.
const cBlockAction* BlockActionOf(int action);

// The action last seen by the page: -1 until the first refresh, and again after previous or next,
// so that only the user's change of the action resets X.
class cBlockActionMemory {
public:
  // The action rule on the shown block (every refresh): an action the user chose (chosen) other
  // than the one last seen sets X to its default; a shown X stays as stored, whatever the limits
  // (its edit holds what the user types to them). The action is remembered.
  void Apply(cEdBlock& shown, bool chosen);
  void Forget() { m_nLast = -1; }
  int Last() const { return m_nLast; }

private:
  int m_nLast = -1;
};

// Rows of "取得アイテム" by context: the stage palette only where a stage palette entry or a
// placed block may name it (contexts 0 and 1).
const cString* BlockItemPaletteRows(int context);
// Rows of the acquired item's "の": entries 1 .. count - 1 of the items of palette kind 1 or 2;
// row r stands for index r + 1.
cVector<cString> BlockItemIndexRows(int palette);
// The acquired item's index follows the user's palette change as its combo keeps it: on one of the
// palette's entries 1 .. count - 1 when the palette has any.
void FitBlockItemIndex(cEdBlock& shown);

// Every value rule of a refresh on the shown block: the inheritance source; and the rules of what
// the user chose, the action's X, the acquired item's index and the graphic limits (changed: the id
// of the control the user changed, 0 when the block is only shown).
void ApplyBlockPageRules(cEdBlock& shown, cBlockActionMemory& action, int dedicatedCount, uint16_t changed);
// The whole refresh: inheritance, navigation, source combos, graphic and mark, action and acquired
// item. dedicatedCount: entries of the character dedicated bitmap table.
void BlockPageStates(const cEdBlock& shown, const cSheetPageView& view, int dedicatedCount, cCtrlStates& states);
