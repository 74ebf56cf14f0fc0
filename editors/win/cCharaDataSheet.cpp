#include "editors/win/cCharaDataSheet.h"

#include <new>

#include "database/cDatabaseSet.h"
#include "editors/ElementRowLabels.h"
#include "editors/win/PageSupport.h"
#include "editors/win/cFlowEditPage.h"
#include "stage/cStageEditState.h"

// The sheet.

cCharaDataSheet::cCharaDataSheet(int32_t mode, cWindow* owner, cModelessList* list, cPropSheet** slot)
    : cDataSheet(mode, owner, list, slot) {
  g_StageEditState.m_pCharaSheet = this;
  g_StageEditState.m_pBlockSheet = nullptr;
  g_StageEditState.m_pItemSheet = nullptr;
}

cCharaDataSheet::~cCharaDataSheet() {
  if (g_StageEditState.m_pCharaSheet == this) g_StageEditState.m_pCharaSheet = nullptr;
}

int cCharaDataSheet::Create() {
  return CreatePages(kCharaSheetTitle, [this](int index) -> cCharaPage* {
    switch (index) {
      case kCharaPageBasic: return new (std::nothrow) cCharaBasicPage(m_lpParentClass, m_lpManager, this);
      case kCharaPageGraphic: return new (std::nothrow) cCharaGraphicPage(m_lpParentClass, m_lpManager, this);
      case kCharaPageStatus: return new (std::nothrow) cCharaStatusPage(m_lpParentClass, m_lpManager, this);
      default: return new (std::nothrow) cFlowEditPage(m_lpParentClass, m_lpManager, this);
    }
  });
}

cCharaPage* cCharaDataSheet::Page(int index) const { return static_cast<cCharaPage*>(cDataSheet::Page(index)); }

cCharaBasicPage* cCharaDataSheet::Basic() const { return static_cast<cCharaBasicPage*>(Page(kCharaPageBasic)); }

cFlowEditPage* cCharaDataSheet::FlowPage() const { return static_cast<cFlowEditPage*>(Page(kCharaPageFlow)); }

// What the pages share.

void cCharaPage::AddPreview(cPaintList& list, const cSheetExtents& extents, int which) {
  AddCharaGraphic(list, extents, 0, 0, Chara(), which);
}

// The basic page.

cCharaBasicPage* cCharaBasicPage::s_lpInstance = nullptr;

cCharaBasicPage::cCharaBasicPage(cWindow* parent, cModelessList* list, cCharaDataSheet* sheet)
    : cCharaPage(kIddCharaBasic, parent, list, sheet, kCharaPageBasic) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  BindDesc(kBasicPageForm);
  m_Conds.Bind(&Chara().m_vAppearCond, SelfCondRowLabel);
}

cCharaBasicPage::~cCharaBasicPage() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cCharaBasicPage::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cCharaBasicPage::InitPage() {
  FillSourceRows(1);
  m_Conds.Attach(*this);
}

void cCharaBasicPage::ValueRules(uint16_t id) {
  if (id == kIdcBasicSource || id == kIdcBasicSourceIndex) {
    ApplySourceKind(Chara());
    FillSourceRows(0);
  } else {
    Chara().ApplyInheritance();
  }
}

void cCharaBasicPage::PageStates(cCtrlStates& states) { BasicPageStates(Chara(), View(), states); }

int cCharaBasicPage::PageCommand(WPARAM wParam) { return m_Conds.Route(*this, wParam, 0); }

void cCharaBasicPage::OnSheetNotify(UINT code) {
  if (code == static_cast<UINT>(PSN_SETACTIVE)) RefillList(CondList());
}

void cCharaBasicPage::AfterStep() { ReloadList(CondList()); }

LRESULT cCharaBasicPage::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = cCharaPage::OnMessage(window, message, wParam, lParam);
  if (m_bInitialized && IsRightClicked()) m_Conds.PopupAt(m_ptCursorScreen);
  return result;
}

// The graphic page.

cCharaGraphicPage* cCharaGraphicPage::s_lpInstance = nullptr;

cCharaGraphicPage::cCharaGraphicPage(cWindow* parent, cModelessList* list, cCharaDataSheet* sheet)
    : cCharaPage(kIddCharaGraphic, parent, list, sheet, kCharaPageGraphic) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  m_bTwoPreviews = 1;
  BindDesc(kGraphicPageForm);
}

cCharaGraphicPage::~cCharaGraphicPage() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cCharaGraphicPage::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cCharaGraphicPage::InitPage() {
  if (cCtrlChoice* sets = m_Ctrls.Combo(1263)) sets->SetRows(AnimeSetRows(g_DatabaseSet), 0);
  cVector<cString> effects = CharaEffectRows(g_DatabaseSet);
  for (uint16_t id : {1270, 1264})
    if (cCtrlChoice* combo = m_Ctrls.Combo(id)) combo->SetRows(effects, 0);
}

void cCharaGraphicPage::ValueRules(uint16_t id) {
  Chara().ApplyInheritance();
  // Only a sheet the user chose holds the graphic to its limits; showing a record changes nothing.
  if (id == kIdcGraphicSheet) ClampGraphicToSheet(Chara(), DedicatedBitmapCount());
}

void cCharaGraphicPage::PageStates(cCtrlStates& states) {
  GraphicPageStates(Chara(), View(), DedicatedBitmapCount(), states);
}

int cCharaGraphicPage::PageCommand(WPARAM wParam) { return RunGraphicPicker(wParam); }

// The status page.

cCharaStatusPage* cCharaStatusPage::s_lpInstance = nullptr;

cCharaStatusPage::cCharaStatusPage(cWindow* parent, cModelessList* list, cCharaDataSheet* sheet)
    : cCharaPage(kIddCharaStatus, parent, list, sheet, kCharaPageStatus) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  BindDesc(kStatusPageForm);
}

cCharaStatusPage::~cCharaStatusPage() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cCharaStatusPage::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cCharaStatusPage::InitPage() {
  if (cCtrlChoice* effects = m_Ctrls.Combo(1230)) effects->SetRows(EffectRows(g_DatabaseSet), 0);
}

void cCharaStatusPage::PageStates(cCtrlStates& states) { StatusPageStates(Chara(), View(), states); }
