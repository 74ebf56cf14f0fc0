#include "editors/win/ElementEditors.h"

#include <new>

#include "app/MessageBox.h"
#include "app/Utility.h"
#include "editors/win/cCharaDataSheet.h"
#include "editors/win/cCharaGroupWnd.h"
#include "stage/win/cStageEditorWnd.h"
#include "ui/win/cModelessList.h"

namespace {
constexpr int kKindChara = 1;

int OpenSheetOfKind(int kind, cWindow* owner, cPropSheet** slot) {
  // The block and item sheets come with their own part of the editor.
  return kind == kKindChara ? OpenCharaSheet(owner, slot) : -1;
}
}  // namespace

void InstallElementEditors() {
  g_ElementEditors.m_pfnOpenSheet = OpenSheetOfKind;
  g_ElementEditors.m_pfnMakeGroupWindow = MakeCharaGroupWindow;
}

int OpenCharaSheet(cWindow* owner, cPropSheet** slot) {
  g_ModelessList.EnableAll(0);
  SafeDelete(*slot);
  cCharaDataSheet* sheet = new (std::nothrow) cCharaDataSheet(1, owner, &g_ModelessList, slot);
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
