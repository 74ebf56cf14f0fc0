#pragma once
// The command dialogs of what a character does besides its flows' own course: the movements, the
// shot, the sword, the summons, the status operations, the stage clear, the game wait, the warp,
// the target and the vanish (templates in cDlgCommandAction.rc). cDlgCommand plays them all from
// their descriptions; two have a window behaviour of their own besides: "ショット" draws the
// shot graphic being typed and opens the graphic cell picker on the shots, "ステージクリア"
// browses for the stage file, which it keeps relative to the working folder.

#include "app/win/cCanvas.h"
#include "editors/win/cDlgCommand.h"
#include "ui/win/cCtrlBitmap.h"

class cDlgCommandShot : public cDlgCommand {
public:
  cDlgCommandShot(const cCmdDialogDesc& desc, cWindow* parent, const cCmdEditContext* context, cModelessList* list,
                  cCtrl* anchor);

  // After every message the dialog handled the preview is drawn again, so it follows typing.
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  // The preview's picture as last drawn.
  const cCanvas& Preview() const { return m_cgPreview.m_Ctrl.m_Back; }

protected:
  void InitDialog() override;
  int DialogCommand(WPARAM wParam) override;

private:
  // The 16 x 16 shot graphic whose number the graphic edit shows, on black.
  void DrawPreview();
  // "一覧": the picked cell goes into the graphic edit; OK stores it.
  void PickGraphic();

  cCtrlGroup<cCtrlBitmap> m_cgPreview;
};

class cDlgCommandStageClear : public cDlgCommand {
public:
  cDlgCommandStageClear(const cCmdDialogDesc& desc, cWindow* parent, const cCmdEditContext* context,
                        cModelessList* list, cCtrl* anchor);

protected:
  int DialogCommand(WPARAM wParam) override;

private:
  // "参照": a stage file chosen below the working folder becomes the path's text; cancelling or a
  // file on another drive leaves the path as it was, without a word.
  void BrowseStageFile();
};
