#pragma once
// The world event dialog "イベント" (template 161): one world map event with all its pages, edited
// on a copy. The page list edits the pages; the controls beside it show the current page. OK hands
// the copy to the world map window, which takes its undo checkpoint and writes the event.

#include "listctrl/win/cCtrlList.h"
#include "project/cWorldEventRules.h"
#include "ui/win/cCtrlBitmap.h"
#include "ui/win/cCtrlCheck.h"
#include "ui/win/cCtrlCombo.h"
#include "ui/win/cCtrlEditText.h"
#include "ui/win/cCtrlEditVal.h"
#include "ui/win/cDialog.h"

class cWorldMapWnd;

class cDlgWorldEvent : public cDialog {
public:
  static constexpr uint16_t kIdcFrameBitmap = 1075;
  static constexpr int32_t kPreviewPixels = 32;
  using tPageList = cCtrlList<cWorldEventPage>;

  // Edits *target, which only OK writes; owner is the world map window.
  cDlgWorldEvent(cWorldMapWnd* owner, cModelessList* list, cWorldEvent* target);
  ~cDlgWorldEvent() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPaint() override { PaintPreview(); }
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

  tPageList& Pages() { return m_cgPages.m_Ctrl; }
  // The graphic preview as last painted; empty before the dialog has a window.
  const cCanvas* PreviewCanvas() const { return m_vPictures.Count() ? &m_vPictures[0].m_Ctrl.m_Back : nullptr; }

  cWorldEvent* m_pTarget;
  cWorldEvent m_Event;
  cVector<cWorldEventPage> m_vPageWork;
  cWorldEventPage m_Page;
  cVector<cString> m_vGraphicItems;
  cVector<cString> m_vCondVarItems;
  cVector<cString> m_vVariationVarItems;

private:
  static cDlgWorldEvent* s_lpInstance;

  void Commit();
  // A command of the page list (its buttons, keys, popup menu, selection); 1 when it was one.
  int RunPageCommand(WPARAM wParam);
  // The controls show the current page (the list keeps its rows).
  void ShowPage();
  // A control's new value: into the page, and the page back into the list.
  void StoreChange();
  // The type's rule on the page shown (a road or wall loses its world number), then the enables.
  void ApplyEnables();
  void ApplyTypeRule();
  void PaintPreview();
  void BrowseStartStage();
  void RenameVariable(uint16_t buttonId, uint16_t comboId);

  cWorldMapWnd* m_pOwner;
  cCtrlGroup<tPageList> m_cgPages;
  cCtrlGroups<cCtrlEditText> m_vTexts;
  cCtrlGroups<cCtrlEditVal<int32_t>> m_vNumbers;
  cCtrlGroups<cCtrlCombo<int32_t>> m_vCombos;
  cCtrlGroups<cCtrlCheck<int32_t>> m_vChecks;
  cCtrlGroups<cCtrlBitmap> m_vPictures;
  cCtrlGroups<cCtrlButton> m_vButtons;
};
