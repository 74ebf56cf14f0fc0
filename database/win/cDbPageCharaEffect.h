#pragma once
// The chara effect page "キャラエフェクト" (template 210) and the screen effect page "画面エフェクト"
// (235): an effect kind and five parameters per record, whose labels, ranges, enables and note
// follow the kind chosen (cEffectKindPanel); the chara effect page shows the colour of its
// colour-change kind in a swatch.

#include "database/win/cDbPage.h"

template <class Core>
class cDbEffectKindPage : public cDbTablePage<Core> {
  using Base = cDbTablePage<Core>;

public:
  cDbEffectKindPage(uint16_t templateId, cDatabaseWnd& window, int tab, Core& core, const cListInstance& list);
  // The swatch in the kind's colour while it shows.
  void OnPaint() override;

protected:
  void AfterShown() override { ShowPanel(); }
  void UpdateDependentControls() override {}
  int OwnCommand(WPARAM wParam) override;
  void AfterListCommand(uint16_t id) override;
  void StoreControls() override;
  void SelectRecord() override;
  // The record in its controls, then the kind's state of the panel.
  void Refresh() override {
    Base::Refresh();
    ShowPanel();
  }
  void AfterHandled() override { OnPaint(); }

private:
  // The panel's kind, labels, note, enables, ranges, values and swatch in the controls.
  void ShowPanel();
  cCtrlEditVal<int32_t>* ParamEdit(int param) { return FindCtrlById(this->m_vInts, kParamEditIds[param]); }
};

class cDbPageCharaEffect : public cDbEffectKindPage<cDbPageCharaEffectCore> {
public:
  cDbPageCharaEffect(uint16_t templateId, cDatabaseWnd& window, cDbPageCharaEffectCore& core)
      : cDbEffectKindPage(templateId, window, kTabCharaEffect, core, kListCharaEffectTable) {}
};

class cDbPageScrEffect : public cDbEffectKindPage<cDbPageScrEffectCore> {
public:
  cDbPageScrEffect(uint16_t templateId, cDatabaseWnd& window, cDbPageScrEffectCore& core)
      : cDbEffectKindPage(templateId, window, kTabScrEffect, core, kListScrEffectTable) {}
};
