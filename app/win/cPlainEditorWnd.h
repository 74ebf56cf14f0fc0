#pragma once
// The working window while the stage editor window is not part of the program: a plain modeless
// dialog of the stage editor's template, owned by the main frame. Closing it asks to end the
// program, as closing the frame does.

#include "app/win/cMainFrame.h"

class cPlainEditorWnd : public cEditorWindow {
public:
  explicit cPlainEditorWnd(cMainFrame& frame);
  ~cPlainEditorWnd() override;

  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

  // It owns no palette or group windows and shows no previews.
  void CreatePaletteWindows() override {}
  void ShowAll() override { Show(1); }
  void HideAll() override { Show(0); }
  void PaintDataSheetPreviews() override {}
  void PaintPalettePreviews() override {}

  static constexpr uint16_t kTemplateId = 104;
  static constexpr uint16_t kIconId = 103;

private:
  static cPlainEditorWnd* s_lpInstance;
  cMainFrame& m_Frame;
};

// The main frame's maker of its working window; null (after the out-of-memory box) without memory.
cEditorWindow* MakePlainEditor(cMainFrame& frame);
