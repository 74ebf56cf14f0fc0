#include "app/win/MainLoop.h"

#include <exception>

#include "app/Fault.h"
#include "app/FramePacer.h"
#include "app/win/cMainFrame.h"
#include "ui/win/cModelessList.h"

int32_t g_bAppActive = 0;
int32_t g_bRefocusEditor = 0;

namespace {
constexpr uint32_t kPreviewRate = 60;

// The desktop of a full-screen game started by a test play.
bool DesktopIsFullScreenGame() {
  RECT desktop = {};
  GetClientRect(GetDesktopWindow(), &desktop);
  return desktop.right == 640 && desktop.bottom == 480;
}

bool DatabaseAnimates(cEditorWindow& editor) {
  return editor.m_lpDatabaseWnd && editor.m_lpDatabaseWnd->PreviewAnimates();
}

void Refocus(cEditorWindow& editor) {
  if (!g_bRefocusEditor) return;
  g_bRefocusEditor = 0;
  if (g_MainFrame.m_nEditorKind == 0) SetFocus(editor.m_hWnd);
  else if (editor.m_pWorldMapWnd && editor.m_pWorldMapWnd->m_bInitialized)
    SetFocus(editor.m_pWorldMapWnd->m_hWnd);
}

// One pass of the loop; false once the quit message has come.
bool LoopOnce(WPARAM* code) {
  MSG message;
  if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      *code = message.wParam;
      return false;
    }
    if (g_ModelessList.PreTranslateMessage(&message)) return true;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  } else if (!g_bAppActive) {
    WaitMessage();
  } else {
    IdleTick();
  }
  return true;
}
}  // namespace

WPARAM RunMessageLoop() {
  WPARAM code = 0;
  for (;;) {
    // The idle work calls into every window: a fault there ends this pass, not the program.
    try {
      if (!LoopOnce(&code)) return code;
    } catch (const std::exception& fault) {
      ReportFault("MainLoop", fault.what());
    } catch (...) {
      ReportFault("MainLoop", "unknown");
    }
  }
}

void IdleTick() {
  cEditorWindow* editor = g_MainFrame.m_lpStageEditor;
  if (!editor) {
    // Nothing to tick yet: waiting keeps the loop from spinning.
    WaitMessage();
    return;
  }
  if (DatabaseAnimates(*editor)) {
    while (!WaitFrame(kPreviewRate)) Sleep(1);
  } else {
    WaitMessage();
  }
  if (g_bAppActive && DesktopIsFullScreenGame()) {
    g_bAppActive = 0;
    return;
  }
  Refocus(*editor);
  g_ModelessList.IdleAll();
  editor->PaintDataSheetPreviews();
  if (editor->m_lpDatabaseWnd) editor->m_lpDatabaseWnd->TickPreview(1);
  editor->PaintPalettePreviews();
}
