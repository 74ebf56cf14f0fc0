#include "database/win/cDbPageEffect.h"

#include "database/win/cDatabaseWnd.h"

namespace {
// The frame at the current row of the effect page's frame list.
cEffectFrameData* CurrentFrame() {
  cDatabaseWnd* database = cDatabaseWnd::Instance();
  if (!database) return nullptr;
  cDbPageEffectCore& page = database->Core().m_Effect;
  int index = page.InnerList().GetCurIndex();
  return index < 0 ? nullptr : &page.m_Edit.m_vFrame.At(index);
}
}  // namespace

cDlgEffectFrame::cDlgEffectFrame(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* list,
                                 cCtrl* place, int32_t center)
    : cDbItemDialog(templateId, parent, kind, list, place, center, CurrentFrame()) {
  AddFieldGroups(m_vInts, kEffectFrameFields, Record());
}

cDbPageEffect::cDbPageEffect(uint16_t templateId, cDatabaseWnd& window, cDbPageEffectCore& core)
    : cDbListPage(templateId, window, kTabEffect, core, kListEffectTable, &cEffectData::m_strPath, kIdcBrowse,
                  kListEffectFrames) {
  AddFieldGroups(m_vInts, kEffectCellFields, m_Core.m_Edit);
  AddFieldGroups(m_vChecks, kEffectChecks, m_Core.m_Edit);
}
