#include "editors/win/cDlgCommandAction.h"

#include "app/DataFile.h"
#include "app/SheetCanvases.h"
#include "app/win/FileDialogs.h"
#include "editors/ShotCommandRules.h"
#include "editors/StageCommandRules.h"
#include "editors/win/PageSupport.h"
#include "editors/win/cDlgGraphicPick.h"

namespace {
constexpr int32_t kPreviewSide = 16;
constexpr COLORREF kPreviewGround = RGB(0, 0, 0);
}  // namespace

// "ショット".

cDlgCommandShot::cDlgCommandShot(const cCmdDialogDesc& desc, cWindow* parent, const cCmdEditContext* context,
                                 cModelessList* list, cCtrl* anchor)
    : cDlgCommand(desc, parent, kKindDialog, context, list, anchor) {
  m_cgPreview.m_Param.Set(kIdcShotPreview, kPreviewSide, kPreviewSide);
}

void cDlgCommandShot::InitDialog() {
  cDlgCommand::InitDialog();
  AttachCtrlGroup(m_cgPreview);
}

LRESULT cDlgCommandShot::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = cDlgCommand::OnMessage(window, message, wParam, lParam);
  if (result && m_hWnd) DrawPreview();
  return result;
}

int cDlgCommandShot::DialogCommand(WPARAM wParam) {
  if (LOWORD(wParam) == kIdcShotPick && HIWORD(wParam) == BN_CLICKED) {
    PickGraphic();
    return 1;
  }
  return cDlgCommand::DialogCommand(wParam);
}

void cDlgCommandShot::DrawPreview() {
  cCtrlBitmap& preview = m_cgPreview.m_Ctrl;
  cCtrlIntEdit* graphic = m_Ctrls.Edit(kIdcShotGraphic);
  if (!m_bInitialized || !preview.m_hWnd || !preview.m_Back.Dc() || !graphic) return;
  preview.m_Back.Fill(kPreviewGround);
  int32_t x = 0, y = 0;
  ShotPreviewOrigin(graphic->ParseText(), x, y);
  preview.m_Back.Blit(0, 0, kPreviewSide, kPreviewSide, g_aSheetCanvas[kSheetShot], x, y, 0);
  preview.Present();
}

void cDlgCommandShot::PickGraphic() {
  cCtrlIntEdit* graphic = m_Ctrls.Edit(kIdcShotGraphic);
  if (!graphic) return;
  int16_t cell = static_cast<int16_t>(graphic->Value());
  cCtrl button;
  button.Attach(this, kIdcShotPick);
  if (!OpenGraphicPicker(&cell, kShotPickerSheet, this, &button)) return;
  graphic->SetValue(cell);
  Refresh(1, graphic);
}

// "ステージクリア".

cDlgCommandStageClear::cDlgCommandStageClear(const cCmdDialogDesc& desc, cWindow* parent,
                                             const cCmdEditContext* context, cModelessList* list, cCtrl* anchor)
    : cDlgCommand(desc, parent, kKindDialog, context, list, anchor) {}

int cDlgCommandStageClear::DialogCommand(WPARAM wParam) {
  if (LOWORD(wParam) == kIdcClearBrowse && HIWORD(wParam) == BN_CLICKED) {
    BrowseStageFile();
    return 1;
  }
  return cDlgCommand::DialogCommand(wParam);
}

void cDlgCommandStageClear::BrowseStageFile() {
  auto* edit = dynamic_cast<cCtrlEditText*>(BoundCtrlOf(*this, kIdcClearPath));
  char chosen[kMaxPath] = {};
  if (!edit || !OpenFileDialog(m_hWnd, chosen, kMaxPath, kStageFileBrowse.m_pFolder, kStageFileBrowse.m_pTitle,
                               kStageFileBrowse.m_pFilter, kStageFileBrowse.m_pDefaultExtension, 0, nullptr))
    return;
  cString path;
  if (!AcceptStageFile(cString(chosen), path)) return;
  edit->SetText(path);
  Refresh(1, edit);
}
