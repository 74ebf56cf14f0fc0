#pragma once
// The system settings sheet "システムの設定": eight pages bound to the global settings record. Its
// apply stores every page and saves data\System.dat; its owner (the stage editor window) is told
// to revalidate when the pages that carry the sheet's behaviour go.

#include <functional>

#include "project/SystemSettingsPages.h"
#include "ui/win/cPropSheet.h"

class cSysPage;

class cSystemSettingsSheet : public cPropSheet {
public:
  // Registers with the window list, which deletes the sheet through slot once the user has ended it;
  // revalidate is what the owner does when the sheet's pages go.
  cSystemSettingsSheet(int32_t mode, cWindow* owner, cModelessList* list, cPropSheet** slot,
                       std::function<void()> revalidate);
  ~cSystemSettingsSheet() override;

  // Makes the eight pages and runs the sheet on page 1. A page that cannot be allocated is told and
  // the sheet does not run: the owner revalidates at once. 1 when the sheet runs.
  int Create();
  // Stores every page into the record, all of them twice in tab order, and saves the file; 0 after
  // telling the user that the file could not be written.
  int Apply();
  // The owner's revalidation, when a page that carries it goes.
  void Revalidate();
  // The owner goes first (the program ends with the sheet open): the pages no longer call it.
  void ForgetOwner() { m_Revalidate = nullptr; }

  cSysPage* m_apPages[kSysPageCount] = {};

private:
  std::function<void()> m_Revalidate;
};
