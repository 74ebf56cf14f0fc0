#pragma once
// The key condition dialog "キー条件" (template 204): which keys are pressed or released, how they
// combine and for how long the pressed keys are held. Run by the flow page's key-condition list on
// the row it edits or has just inserted; only OK writes the row.

#include "editors/KeyCondRules.h"
#include "editors/RecordEdit.h"
#include "editors/win/cBoundDialog.h"
#include "listctrl/ListEditContext.h"

constexpr uint16_t kIddKeyCond = 204;

class cDlgKeyCond : public cBoundDialog {
public:
  // The list hands the key condition of its row in context (m_pElement).
  cDlgKeyCond(uint16_t templateId, cWindow* parent, int32_t kind, cListEditContext* context, cModelessList* list,
              cCtrl* place, int32_t center);
  ~cDlgKeyCond() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  const cKeyCondData& Shown() const { return m_Edit.Work(); }

protected:
  void Rules(uint16_t changed, cCtrlStates& states) override;
  int Accept() override;

private:
  cRecordEdit<cKeyCondData> m_Edit;

  static cDlgKeyCond* s_lpInstance;
};
