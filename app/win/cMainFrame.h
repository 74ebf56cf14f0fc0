#pragma once
// The hidden main frame: the program's one real top-level window, far off the screen. It carries
// the taskbar entry, the application's activation and minimisation, the quit message at the end,
// and the message with which the game program ends a test play. It owns the stage editor window,
// the window the user works in, and rebuilds it when a new stage has been loaded.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "ui/win/cDialog.h"

class cMainFrame;
class cModelessList;

// What the idle tick uses of the database window, whose class comes with the database.
class cPreviewSheetLink {
public:
  virtual ~cPreviewSheetLink() = default;
  // 1 while the tab the user sees runs an animated preview (the two anime pages).
  virtual int PreviewAnimates() = 0;
  // One step of the current page's preview (or a repaint of a page without one).
  virtual void TickPreview(int32_t step) = 0;
};

// What the frame and the idle tick use of the stage editor window; that window derives from this.
class cEditorWindow : public cDialog {
public:
  using cDialog::cDialog;
  virtual void CreatePaletteWindows() = 0;
  // Idle tick: the current pages of the palette windows' open data sheets.
  virtual void PaintDataSheetPreviews() = 0;
  // Idle tick, after the database previews: the palette windows themselves.
  virtual void PaintPalettePreviews() = 0;

  cPreviewSheetLink* m_lpDatabaseWnd = nullptr;  // the database window while it is open
  cWindow* m_pWorldMapWnd = nullptr;             // the world map window while it is open
  int32_t m_bMinimised = 0;                      // set while the frame's minimise keeps the windows hidden
};

// What the frame asks of the stage editor's documents; the stage editor fills it in at start-up.
struct cStageEditorServices {
  // Constructs the stage editor window: template 104, the frame as parent, kind 1, the list.
  cEditorWindow* (*m_pfnMakeEditor)(cMainFrame& frame) = nullptr;
  // Resets the stage edit state, keeping the stage path and the stage-open flag.
  void (*m_pfnResetEditState)() = nullptr;
  // The end of a test play: the stage's undo buffers back, the stage editor activated.
  void (*m_pfnEndTestPlay)() = nullptr;
};

class cMainFrame : public cFrameWnd {
public:
  ~cMainFrame() override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnCreate(WPARAM wParam, LPARAM lParam) override;

  void Init(uint16_t templateId, HWND parent, cModelessList* manager);
  void RestoreEditor();
  void OnCopyData(WPARAM wParam, const COPYDATASTRUCT* data);
  // The game's end message, or the end of the game process the editor kept, whichever comes first.
  void EndTestPlay();
  void CreateStageEditor();
  void RecreateStageEditor(WPARAM wParam);

  cEditorWindow* m_lpStageEditor = nullptr;
  int32_t m_nEditorKind = 0;  // the working window: 0 the stage editor, 1 the world map
  cStageEditorServices m_Services;

private:
  void OnActivateApp(WPARAM wParam, LPARAM lParam);
  // The frame went to the taskbar, whoever sent it there: the windows the user sees go too, and
  // only they come back with the restore.
  void OnMinimized();
  // Shows (1) or hides (0) the windows that were visible at the minimise; shown, they keep their
  // order and the one that was active is active again.
  void ShowWorkingWindows(int show);
  // The stage editor window is there and has hidden its working windows for a minimised program.
  bool EditorMinimized() const {
    return EditorHasWindow() && m_lpStageEditor->m_bInitialized && m_lpStageEditor->m_bMinimised;
  }
  bool EditorHasWindow() const { return m_lpStageEditor && m_lpStageEditor->m_hWnd; }

  // The program's windows visible when the frame was minimised, the front one first, and the one
  // of them that was active (else the front one).
  std::vector<HWND> m_vMinimisedWindows;
  HWND m_hWndMinimisedActive = nullptr;
};

extern cMainFrame g_MainFrame;

constexpr const char* kMainFrameClass = "Vontaris_Editor";

LRESULT CALLBACK MainFrameWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Registers the window class of the main frame; 0 on failure.
int RegisterMainFrameClass(HINSTANCE instance);
// Creates the frame's window with a 1 x 1 client area at (9999, 9999), makes it the process's main
// window, shows it and attaches the frame object; 0 when the window cannot be made.
int CreateMainFrameWindow(HINSTANCE instance);
