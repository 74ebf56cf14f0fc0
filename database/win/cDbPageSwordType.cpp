#include "database/win/cDbPageSwordType.h"

#include "database/win/cDatabaseWnd.h"

namespace {
// The position at the current row of the sword type page's inner list.
cSwordPosData* CurrentPosition() {
  cDatabaseWnd* database = cDatabaseWnd::Instance();
  if (!database) return nullptr;
  cDbPageSwordTypeCore& page = database->Core().m_SwordType;
  int index = page.InnerList().GetCurIndex();
  return index < 0 ? nullptr : &page.m_Edit.m_vPos.At(index);
}
}  // namespace

cDlgSwordPos::cDlgSwordPos(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* list, cCtrl* place,
                           int32_t center)
    : cDbItemDialog(templateId, parent, kind, list, place, center, CurrentPosition()) {
  AddFieldGroups(m_vInts, kSwordPosFields, Record());
  AddFieldGroups(m_vChecks, kSwordPosChecks, Record());
  AddFieldGroups(m_vCombos, kSwordPosCombos, Record());
}

cDbPageSwordType::cDbPageSwordType(uint16_t templateId, cDatabaseWnd& window, cDbPageSwordTypeCore& core)
    : cDbListPage(templateId, window, kTabSwordType, core, kListSwordTypeTable, &cSwordTypeData::m_strPathLeft,
                  kIdcSwordBrowseLeft, kListSwordPositions) {
  AddCtrlGroup(m_vTexts, kIdcSwordPathRight, &m_Core.m_Edit.m_strPathRight, kPathLimit, 0);
  AddCtrlGroup(m_vButtons, kIdcSwordBrowseRight);
}

int cDbPageSwordType::OwnCommand(WPARAM wParam) {
  if (LOWORD(wParam) == kIdcSwordBrowseRight && HIWORD(wParam) == BN_CLICKED)
    return BrowseInto(kIdcSwordPathRight, &cSwordTypeData::m_strPathRight);
  return cDbListPage::OwnCommand(wParam);
}
