#include "editors/win/cItemDataSheet.h"

#include <new>

#include "database/cDatabaseSet.h"
#include "editors/CommandEdit.h"
#include "editors/ElementRowLabels.h"
#include "editors/win/PageSupport.h"
#include "editors/win/cDlgCommandSelect.h"
#include "stage/cStageEditState.h"
#include "ui/win/cCtrlCombo.h"

namespace {
// The keys and menu item that insert an effect command and choose its kind.
const uint16_t kCommandInsertIds[2] = {kItemCommandAccelInsert, kItemCommandPopupInsert};
}  // namespace

// The sheet.

cItemDataSheet::cItemDataSheet(int32_t mode, cWindow* owner, cModelessList* list, cPropSheet** slot)
    : cDataSheet(mode, owner, list, slot) {
  g_StageEditState.m_pItemSheet = this;
  g_StageEditState.m_pBlockSheet = nullptr;
  g_StageEditState.m_pCharaSheet = nullptr;
}

cItemDataSheet::~cItemDataSheet() {
  if (g_StageEditState.m_pItemSheet == this) g_StageEditState.m_pItemSheet = nullptr;
}

int cItemDataSheet::Create() {
  return CreatePages(kItemSheetCaption, [this](int index) -> cSheetPage<cEdItem>* {
    if (index == 0) return new (std::nothrow) cItemPage1(m_lpParentClass, m_lpManager, this);
    return new (std::nothrow) cItemPage2(m_lpParentClass, m_lpManager, this);
  });
}

cItemPage1* cItemDataSheet::Page1() const { return static_cast<cItemPage1*>(Page(0)); }

cItemPage2* cItemDataSheet::Page2() const { return static_cast<cItemPage2*>(Page(1)); }

// The first page.

cItemPage1* cItemPage1::s_lpInstance = nullptr;

cItemPage1::cItemPage1(cWindow* parent, cModelessList* list, cItemDataSheet* sheet)
    : cSheetPage(kItemPage1Template, parent, list, sheet, 0) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  m_bTwoPreviews = 1;
  BindDesc(kItemPage1);
  m_Conds.Bind(&Record().m_vAppearCond, HeroCondRowLabel);
}

cItemPage1::~cItemPage1() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cItemPage1::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cItemPage1::InitPage() {
  FillSourceRows(1);
  m_Conds.Attach(*this);
}

void cItemPage1::ValueRules(uint16_t id) {
  ApplyItemPage1Rules(Record(), DedicatedBitmapCount(), id);
  if (id == 0 || id == kIdcItemSource) FillSourceRows(0);
}

void cItemPage1::PageStates(cCtrlStates& states) { ItemPage1States(Record(), View(), DedicatedBitmapCount(), states); }

int cItemPage1::PageCommand(WPARAM wParam) { return m_Conds.Route(*this, wParam, 1) || RunGraphicPicker(wParam); }

void cItemPage1::OnSheetNotify(UINT code) {
  if (code == static_cast<UINT>(PSN_SETACTIVE)) RefillList(CondList());
}

void cItemPage1::AfterStep() { ReloadList(CondList()); }

void cItemPage1::AddPreview(cPaintList& list, const cSheetExtents& extents, int) {
  AddItemGraphic(list, extents, 0, 0, Record(), 0);
}

LRESULT cItemPage1::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = cSheetPage::OnMessage(window, message, wParam, lParam);
  if (m_bInitialized && IsRightClicked()) m_Conds.PopupAt(m_ptCursorScreen);
  return result;
}

// The effect page.

cItemPage2* cItemPage2::s_lpInstance = nullptr;

cItemPage2::cItemPage2(cWindow* parent, cModelessList* list, cItemDataSheet* sheet)
    : cSheetPage(kItemPage2Template, parent, list, sheet, 1) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  BindDesc(kItemPage2);
  m_cgCommandList.m_Param.Set(kIdcItemCommandList, nullptr, &Record().m_vEffect, nullptr, CommandRowLabel,
                              kListItemCommands.m_Shape);
}

cItemPage2::~cItemPage2() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cItemPage2::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cItemPage2::InitPage() {
  if (cCtrlChoice* sounds = m_Ctrls.Combo(kIdcItemSound)) sounds->SetRows(SoundRows(g_DatabaseSet), 0);
  AttachCtrlGroup(m_cgCommandList);
  CommandList().SetInstanceIds(kListItemCommands);
  CommandList().m_vCopyBuf = g_StageEditState.m_vItemCommandClipboard;
  ReloadList(CommandList());
}

void cItemPage2::PageStates(cCtrlStates& states) { ItemPage2States(Record(), View(), states); }

int cItemPage2::PageCommand(WPARAM wParam) {
  uint16_t id = LOWORD(wParam);
  if (id == kIdcItemSound && HIWORD(wParam) == CBN_SELCHANGE) {
    if (cCtrlChoice* sound = m_Ctrls.Combo(kIdcItemSound)) PlayComboSound(m_hWnd, sound->Value());
    return 0;
  }
  int done = RouteListCommand(*this, CommandList(), kListItemCommands, kCommandInsertIds, wParam, m_pChooser,
                              &m_CommandContext, 1);
  if (done == kListChanged && IsItemCommandPaste(id)) {
    // Only the command at the current row has its palette references checked.
    ValidatePastedCommand(Record().m_vEffect, CommandList().GetCurIndex());
    RefillList(CommandList());
  }
  return done != kListUntouched;
}

void cItemPage2::OnSheetNotify(UINT code) {
  if (code == static_cast<UINT>(PSN_SETACTIVE)) RefillList(CommandList());
}

void cItemPage2::AfterStep() { ReloadList(CommandList()); }

void cItemPage2::AddPreview(cPaintList& list, const cSheetExtents& extents, int) {
  AddItemGraphic(list, extents, 0, 0, Record(), 0);
}

LRESULT cItemPage2::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY && m_bInitialized) g_StageEditState.m_vItemCommandClipboard = CommandList().m_vCopyBuf;
  LRESULT result = cSheetPage::OnMessage(window, message, wParam, lParam);
  if (m_bInitialized && IsRightClicked()) CommandList().PopupAt(m_ptCursorScreen);
  return result;
}
