#include "stage/win/StageLoad.h"

#include <windows.h>

#include <vector>

#include "app/ReportLog.h"
#include "app/win/cWorkerThread.h"
#include "stage/StageFile.h"
#include "ui/win/cValueInputDlg.h"

namespace {

unsigned __stdcall StageLoadThreadMain(void*) {
  return static_cast<unsigned>(StageLoadThreadProc([] { return g_WorkerThread.ShouldStop(); }));
}

bool IsInput(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

// What the wait does with the messages that arrive: the user's input is dropped, and no window
// code runs on the stage being replaced. Only the status popup is served; the other windows are
// painted once the load is over, and what was posted to them is posted again then.
class cLoadWait {
public:
  explicit cLoadWait(HWND popup) : m_hPopup(popup) {}
  // 0 at the quit message, which goes back on the queue for the main loop.
  int Take(const MSG& message) {
    if (message.message == WM_QUIT) {
      LogErrorF("msg.message == WM_QUIT");
      PostQuitMessage(static_cast<int>(message.wParam));
      return 0;
    }
    bool popup = m_hPopup && (message.hwnd == m_hPopup || IsChild(m_hPopup, message.hwnd));
    if (popup && !IsInput(message.message)) {
      DispatchMessageA(&message);
    } else if (message.message == WM_PAINT) {
      ValidateRect(message.hwnd, nullptr);
      m_vRepaint.push_back(message.hwnd);
    } else if (!IsInput(message.message) && message.hwnd) {
      m_vLater.push_back(message);
    }
    return 1;
  }
  ~cLoadWait() {
    for (HWND window : m_vRepaint) InvalidateRect(window, nullptr, FALSE);
    for (const MSG& message : m_vLater) PostMessageA(message.hwnd, message.message, message.wParam, message.lParam);
  }

private:
  HWND m_hPopup;
  std::vector<HWND> m_vRepaint;
  std::vector<MSG> m_vLater;
};

}  // namespace

int LoadStageInBackground(const char* path) {
  if (!BeginStageLoad(path)) return 0;
  if (!g_WorkerThread.Start(StageLoadThreadMain, nullptr)) return FinishStageLoad();
  {
    cStatusPopup* popup = CurrentStatusPopup();
    cLoadWait wait(popup ? popup->m_hWnd : nullptr);
    HANDLE thread = g_WorkerThread.m_hThread;
    // Woken by the end of the worker or by a message; never spinning.
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
      MSG message;
      while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        if (!wait.Take(message)) {
          g_WorkerThread.Stop();
          return 0;
        }
    }
  }
  g_WorkerThread.Stop();
  return FinishStageLoad();
}
