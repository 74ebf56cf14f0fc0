#pragma once
// The project options sheet "プロジェクトオプション": the general page (the default records, the game
// program for test play, old stage files) and the inheritance defaults, both bound to the global
// project options. Its apply stores both pages and saves data\PrjOption.dat.

#include <functional>

#include "ui/win/cPropSheet.h"

class cPrjPage;

class cProjectOptionSheet : public cPropSheet {
public:
  enum { kPageGeneral, kPageInherit, kPageCount };

  // What the owner (the stage editor window) does for the sheet.
  struct cOwnerCalls {
    // The sheet's pages went: the owner shows and enables its windows again.
    std::function<void()> m_Closed;
    // Opens the data sheet of a kind (0 blocks, 1 characters, 2 items) on the default record the
    // edit state names, owned by owner, in the slot: 1 opened, 0 not.
    std::function<int(int kind, cWindow* owner, cPropSheet** slot)> m_OpenDataSheet;
  };

  // Registers with the window list, which deletes the sheet through slot once the user has ended it.
  cProjectOptionSheet(int32_t mode, cWindow* owner, cModelessList* list, cPropSheet** slot, cOwnerCalls calls);
  ~cProjectOptionSheet() override;

  // Makes both pages and runs the sheet. A page that cannot be allocated is told and the sheet
  // does not run: the owner is told at once that it closed. 1 when the sheet runs.
  int Create();
  // Stores both pages into the options, twice in tab order, and saves the file; 0 after telling the
  // user that the file could not be written.
  int Apply();
  void OnPagesClosed();
  // The owner's opener of a data sheet.
  void OpenDataSheet(int kind, cWindow* owner, cPropSheet** slot);
  // An owner that goes before the sheet is called no more.
  void ForgetOwner() { m_Calls = cOwnerCalls(); }

  cPrjPage* m_apPages[kPageCount] = {};

private:
  cOwnerCalls m_Calls;
};
