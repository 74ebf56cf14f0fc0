#include "database/win/cDbPageCharaEffect.h"

#include "app/ProgramPalette.h"

namespace {
// The paste key of the record list's table (Ctrl+V) and the popup menu's "貼り付け".
constexpr uint16_t kIdPasteKey = 40007;
constexpr uint16_t kIdPasteItem = 40040;
constexpr int32_t kSwatchSide = 32;
}  // namespace

template <class Core>
cDbEffectKindPage<Core>::cDbEffectKindPage(uint16_t templateId, cDatabaseWnd& window, int tab, Core& core,
                                           const cListInstance& list)
    : Base(templateId, window, tab, core, list) {
  const cEffectKindFamily& family = core.Panel().Family();
  // The kind and the parameters go through the panel, which keeps what the controls show.
  AddCtrlGroup(this->m_vCombos, kIdcEffectKind, nullptr, family.m_pNames, 0);
  for (int i = 0; i < kEffectParams; ++i) {
    const cParamEdit& param = core.Panel().Param(i);
    AddCtrlGroup(this->m_vInts, static_cast<uint16_t>(kParamEditIds[i]), nullptr, param.m_nMin, param.m_nMax,
                 static_cast<uint16_t>(kParamSpinIds[i]), 1);
    AddCtrlGroup(this->m_vStatics, static_cast<uint16_t>(kParamLabelIds[i]));
  }
  AddCtrlGroup(this->m_vStatics, kIdcEffectNote);
  if (family.m_bSwatch) AddCtrlGroup(this->m_vBitmaps, kIdcSwatch, kSwatchSide, kSwatchSide);
}

template <class Core>
int cDbEffectKindPage<Core>::OwnCommand(WPARAM wParam) {
  // The kind changes by the user's choice alone: a focus or a drop-down of the box clamps nothing.
  if (LOWORD(wParam) != kIdcEffectKind || HIWORD(wParam) != CBN_SELCHANGE || !this->m_bInitialized) return 1;
  cCtrlCombo<int32_t>* kind = FindCtrlById(this->m_vCombos, kIdcEffectKind);
  this->m_Core.OnKindChosen(static_cast<int>(SendMessageA(kind->m_hWnd, CB_GETCURSEL, 0, 0)));
  ShowPanel();
  return 1;
}

template <class Core>
void cDbEffectKindPage<Core>::AfterListCommand(uint16_t id) {
  if (id == kIdPasteKey || id == kIdPasteItem) SelectRecord();
}

template <class Core>
void cDbEffectKindPage<Core>::StoreControls() {
  // A parameter the user typed or stepped is taken within its range; the others keep their values.
  cEffectKindPanel& panel = this->m_Core.Panel();
  for (int i = 0; i < kEffectParams; ++i) {
    cCtrlEditVal<int32_t>* edit = ParamEdit(i);
    if (!edit || !edit->ChangedByUser()) continue;
    panel.TypeValue(i, edit->Value());
    edit->Stored(panel.Param(i).m_nValue);
  }
  this->StoreControlsExceptLists();
  panel.StoreRecord(this->m_Core.m_Edit);
}

template <class Core>
void cDbEffectKindPage<Core>::SelectRecord() {
  this->m_Core.OnSelectRecord();
  Refresh();
}

template <class Core>
void cDbEffectKindPage<Core>::ShowPanel() {
  const cEffectKindPanel& panel = this->m_Core.Panel();
  if (cCtrlCombo<int32_t>* kind = FindCtrlById(this->m_vCombos, kIdcEffectKind))
    SendMessageA(kind->m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(panel.Item()), 0);
  for (int i = 0; i < kEffectParams; ++i) {
    const cParamEdit& param = panel.Param(i);
    if (cCtrlStatic* label = FindCtrlById(this->m_vStatics, static_cast<uint16_t>(kParamLabelIds[i])))
      label->SetText(param.m_strLabel.GetStr());
    if (cCtrlEditVal<int32_t>* edit = ParamEdit(i)) {
      edit->SetRange(param.m_nMin, param.m_nMax);
      edit->SetValue(param.m_nValue);
      edit->Enable(param.m_bEnabled);
    }
  }
  if (cCtrlStatic* note = FindCtrlById(this->m_vStatics, kIdcEffectNote)) note->SetText(panel.Note().GetStr());
  if (!this->m_vBitmaps.empty()) this->m_vBitmaps[0].m_Ctrl.Show(panel.SwatchShown());
  OnPaint();
}

template <class Core>
void cDbEffectKindPage<Core>::OnPaint() {
  const cEffectKindPanel& panel = this->m_Core.Panel();
  if (this->m_vBitmaps.empty() || !panel.SwatchShown()) return;
  cCtrlBitmap& swatch = this->m_vBitmaps[0].m_Ctrl;
  if (!swatch.m_Back.Dc()) return;
  swatch.m_Back.FillRgb(g_ProgramPalette.m_Pal[panel.SwatchColour()]);
  swatch.Present();
}

template class cDbEffectKindPage<cDbPageCharaEffectCore>;
template class cDbEffectKindPage<cDbPageScrEffectCore>;
