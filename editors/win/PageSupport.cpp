#include "editors/win/PageSupport.h"

#include "editors/win/cCharaDataSheet.h"
#include "editors/win/cItemDataSheet.h"
#include "stage/cStageEditState.h"
#include "stage/win/FieldBinding.h"

void AnswerSheet(HWND page, LONG_PTR result) { SetWindowLongPtrA(page, DWLP_MSGRESULT, result); }

void TellSheetChanged(const cDialog& page) {
  HWND sheet = page.m_hWndSheet ? page.m_hWndSheet : GetParent(page.m_hWnd);
  SendMessageA(sheet, PSM_CHANGED, reinterpret_cast<WPARAM>(page.m_hWnd), 0);
}

void ShowValues(cDialog& dialog, const cCtrl* except) {
  for (cCtrl* ctrl : dialog.m_vCtrl)
    if (ctrl != except && ctrl->m_nKind != kCtrlList) ctrl->DataToCtrl();
}

cCtrl* BoundCtrlOf(cDialog& dialog, uint16_t id) {
  for (cCtrl* ctrl : dialog.m_vCtrl)
    if (ctrl->m_wId == id) return ctrl;
  return nullptr;
}

void PresentStates(cDialog& dialog, const cCtrlStates& states, const cCtrl* except) {
  ApplyCtrlRanges(dialog, states);
  ShowValues(dialog, except);
  ApplyCtrlStates(dialog, states);
}

cOpenSheets CurrentOpenSheets() {
  cOpenSheets sheets = OpenSheetsOf(g_StageEditState);
  if (cCharaDataSheet* sheet = g_StageEditState.m_pCharaSheet) sheets.m_nPage = sheet->CurrentPageIndex();
  if (cItemDataSheet* sheet = g_StageEditState.m_pItemSheet) {
    sheets.m_nPage = sheet->CurrentPageIndex();
    sheets.m_bItemEffectChooser = sheet->Page2() && sheet->Page2()->Chooser() ? 1 : 0;
  }
  return sheets;
}
