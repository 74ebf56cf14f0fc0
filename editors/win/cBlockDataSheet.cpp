#include "editors/win/cBlockDataSheet.h"

#include <new>

#include "editors/ElementRowLabels.h"
#include "editors/win/PageSupport.h"
#include "model/NameTable.h"
#include "stage/cStageEditState.h"

// The sheet.

cBlockDataSheet::cBlockDataSheet(int32_t mode, cWindow* owner, cModelessList* list, cPropSheet** slot)
    : cDataSheet(mode, owner, list, slot) {
  g_StageEditState.m_pBlockSheet = this;
  g_StageEditState.m_pCharaSheet = nullptr;
  g_StageEditState.m_pItemSheet = nullptr;
}

cBlockDataSheet::~cBlockDataSheet() {
  if (g_StageEditState.m_pBlockSheet == this) g_StageEditState.m_pBlockSheet = nullptr;
}

int cBlockDataSheet::Create() {
  return CreatePages(kBlockSheetCaption, [this](int) -> cBlockDataPage* {
    return new (std::nothrow) cBlockDataPage(m_lpParentClass, m_lpManager, this);
  });
}

cBlockDataPage* cBlockDataSheet::BlockPage() const { return static_cast<cBlockDataPage*>(Page(0)); }

// The page.

cBlockDataPage* cBlockDataPage::s_lpInstance = nullptr;

cBlockDataPage::cBlockDataPage(cWindow* parent, cModelessList* list, cBlockDataSheet* sheet)
    : cSheetPage(kBlockPageTemplate, parent, list, sheet, 0) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  m_bTwoPreviews = 1;
  BindDesc(kBlockPage);
  m_Conds.Bind(&Record().m_vAppearCond, HeroCondRowLabel);
}

cBlockDataPage::~cBlockDataPage() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cBlockDataPage::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cBlockDataPage::InitPage() {
  FillSourceRows(1);
  if (cCtrlChoice* palettes = m_Ctrls.Combo(kIdcBlockItemPalette))
    palettes->SetRows(NameList(BlockItemPaletteRows(View().m_nContext)), 0);
  m_Conds.Attach(*this);
}

void cBlockDataPage::FillItemRows() {
  if (cCtrlChoice* items = m_Ctrls.Combo(kIdcBlockItemIndex)) items->SetRows(BlockItemIndexRows(Record().m_cItemPalette), 1);
}

void cBlockDataPage::ValueRules(uint16_t id) {
  ApplyBlockPageRules(Record(), m_Action, DedicatedBitmapCount(), id);
  // The entry combos follow their palette combos (and a new entry's palettes).
  if (id == 0 || id == kIdcBlockSource) FillSourceRows(0);
  if (id == 0 || id == kIdcBlockItemPalette) FillItemRows();
}

void cBlockDataPage::PageStates(cCtrlStates& states) {
  BlockPageStates(Record(), View(), DedicatedBitmapCount(), states);
}

int cBlockDataPage::PageCommand(WPARAM wParam) { return m_Conds.Route(*this, wParam, 1) || RunGraphicPicker(wParam); }

void cBlockDataPage::OnSheetNotify(UINT code) {
  if (code == static_cast<UINT>(PSN_SETACTIVE)) RefillList(CondList());
}

void cBlockDataPage::AfterStep() {
  m_Action.Forget();
  ReloadList(CondList());
}

void cBlockDataPage::AddPreview(cPaintList& list, const cSheetExtents& extents, int) {
  AddBlockGraphic(list, extents, 0, 0, Record(), 0);
}

LRESULT cBlockDataPage::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = cSheetPage::OnMessage(window, message, wParam, lParam);
  if (m_bInitialized && IsRightClicked()) m_Conds.PopupAt(m_ptCursorScreen);
  return result;
}
