#include "project/win/WorldMapPlacement.h"

#include "app/DataPaths.h"
#include "app/ReportLog.h"
#include "app/cEditConfig.h"
#include "ui/win/cWindow.h"

namespace {
constexpr int32_t kBesideDrop = 10;
}  // namespace

POINT PlacementStart(const cWindowPlacement& placement, const cWindow* reference, int beside) {
  if (placement.m_bValid) return POINT{placement.m_nX, placement.m_nY};
  RECT rect = {};
  if (reference && reference->m_hWnd) GetWindowRect(reference->m_hWnd, &rect);
  if (!beside) return POINT{rect.left, rect.top};
  return POINT{rect.right, rect.top + kBesideDrop};
}

void StorePlacement(cWindowPlacement& placement, HWND window, int32_t width, int32_t height) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  placement.Set(rect.left, rect.top, width, height);
  if (!EditConfig.SaveFile(g_DataPaths[kPathEditConfig].GetStr())) LogErrorF("EditConfig.Save 失敗");
}
