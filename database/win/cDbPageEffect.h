#pragma once
// The effect page "エフェクト" (template 211): a bitmap under bmp\effect\ cut into cells, and the
// frames that show them, each edited in the effect frame dialog "アニメ" (236).

#include "database/win/cDbListPage.h"

class cDlgEffectFrame : public cDbItemDialog<cEffectFrameData> {
public:
  cDlgEffectFrame(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* list, cCtrl* place,
                  int32_t center);
};

class cDbPageEffect : public cDbListPage<cDbPageEffectCore, cEffectFrameData, cDlgEffectFrame> {
public:
  cDbPageEffect(uint16_t templateId, cDatabaseWnd& window, cDbPageEffectCore& core);

protected:
  // The name rule waits for the page's first command: the name edit stays enabled until then.
  void AfterShown() override {}
};
