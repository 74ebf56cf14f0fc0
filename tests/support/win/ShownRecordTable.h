#pragma once
// Showing a stored record never changes it. A window that binds a record gives a row: how to open
// it over a record whose fields hold values valid for its own state but outside the ranges other
// states give, each way the record comes to be shown there, each store the user then triggers
// (an edit of another control, OK), and the record's bytes as the document holds them. Every
// showing is followed by every store, on a window opened afresh; the record must come out byte for
// byte as it went in.

#include <functional>
#include <string>
#include <vector>

#include "app/cDataRecord.h"
#include "tests/support/TestSupport.h"

// A named step of the user's or the window's.
struct cShownRecordStep {
  std::string m_strName;
  std::function<void()> m_fnRun;
};

struct cShownRecordRow {
  std::string m_strWindow;
  // Opens the window over the stored record; each showing and store starts from a new opening.
  std::function<void()> m_fnOpen;
  // Ways the record comes to be shown: the first showing, a click, keys, the list commands that
  // leave it edited, a dismissed popup menu, previous/next, the idle tick.
  std::vector<cShownRecordStep> m_vShowings;
  // Stores the user triggers while the record is shown: an edit of another control, OK.
  std::vector<cShownRecordStep> m_vStores;
  // The stored record's bytes, as the document (or file) holds them now; also before the opening
  // (the record as seeded), so that an opening that changes it is seen too.
  std::function<Bytes()> m_fnStored;
  // Closes what is still open after a store (OK may have closed it already).
  std::function<void()> m_fnClose;
};

// The bytes a record saves.
Bytes RecordBytes(cDataRecord& record);

// Runs every showing of the row with every store and expects the stored record unchanged.
void ExpectShowingKeepsTheRecord(const cShownRecordRow& row);
