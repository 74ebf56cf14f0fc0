#include "ui/CtrlCommand.h"

namespace {
// Notification codes as the platform numbers them.
constexpr uint16_t kClicked = 0;
constexpr uint16_t kEditChanged = 0x300;
constexpr uint16_t kSelectionChanged = 1;
}  // namespace

int MatchCommand(int32_t kind, uint16_t id, uint32_t wParam) {
  if ((wParam & 0xFFFF) != id) return 0;
  uint16_t code = static_cast<uint16_t>(wParam >> 16);
  switch (kind) {
    case kCtrlButton:
    case kCtrlCheck: return code == kClicked ? 1 : 0;
    case kCtrlEditVal:
    case kCtrlEditText: return code == kEditChanged ? 1 : 0;
    case kCtrlCombo:
    case kCtrlList: return code == kSelectionChanged ? 1 : 0;
    default: return 0;
  }
}
