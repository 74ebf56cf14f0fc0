#include "editors/win/ElementEditors.h"

#include <new>

#include "app/MessageBox.h"
#include "app/Utility.h"
#include "editors/win/cBlockDataSheet.h"
#include "editors/win/cCharaDataSheet.h"
#include "editors/win/cCharaGroupWnd.h"
#include "editors/win/cItemDataSheet.h"
#include "stage/win/cStageEditorWnd.h"
#include "ui/win/cModelessList.h"

namespace {
enum : int { kKindBlock = 0, kKindChara = 1, kKindItem = 2 };

// Opens a data sheet on the record the edit state names (its context, record and index set by the
// opener), owned by owner, in the slot; every other registered window is disabled while it is open.
// 0 when none opened: the windows are enabled again, the slot is null.
template <class Sheet>
int OpenSheet(cWindow* owner, cPropSheet** slot) {
  g_ModelessList.EnableAll(0);
  SafeDelete(*slot);
  Sheet* sheet = new (std::nothrow) Sheet(1, owner, &g_ModelessList, slot);
  if (!sheet) {
    OutOfMemory();
    g_ModelessList.EnableAll(1);
    return 0;
  }
  *slot = sheet;
  if (sheet->Create()) return 1;
  SafeDelete(*slot);
  g_ModelessList.EnableAll(1);
  return 0;
}

int OpenSheetOfKind(int kind, cWindow* owner, cPropSheet** slot) {
  switch (kind) {
    case kKindBlock: return OpenSheet<cBlockDataSheet>(owner, slot);
    case kKindChara: return OpenSheet<cCharaDataSheet>(owner, slot);
    case kKindItem: return OpenSheet<cItemDataSheet>(owner, slot);
    default: return 0;
  }
}
}  // namespace

void InstallElementEditors() {
  g_ElementEditors.m_pfnOpenSheet = OpenSheetOfKind;
  g_ElementEditors.m_pfnMakeGroupWindow = MakeCharaGroupWindow;
}
