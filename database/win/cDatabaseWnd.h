#pragma once
// The database window "データベース": a modeless property sheet of ten pages, one per database
// table, over one cDatabaseCore. The stage editor opens it with its other windows hidden and
// disabled; OK and Apply commit every page and write the ten table files; closing hands control
// back to the stage editor (cDatabaseHost). The idle tick steps the anime pages' samples.

#include "app/win/ProjectSheets.h"
#include "app/win/cMainFrame.h"
#include "database/cDatabaseCore.h"
#include "ui/win/cPropSheet.h"

class cDbPage;

enum : uint16_t {
  kIddDbAnimeSet = 212,
  kIddDbAnime = 226,
  kIddDbCharaExc = 141,
  kIddDbSwordType = 222,
  kIddDbEffect = 211,
  kIddDbCharaEffect = 210,
  kIddDbScrEffect = 235,
  kIddDbPicture = 237,
  kIddDbSound = 199,
  kIddDbBgm = 220,
  kIddAnimePattern = 221,
  kIddSwordPos = 223,
  kIddEffectFrame = 236,
};

class cDatabaseWnd : public cPropSheet, public cPreviewSheetLink {
public:
  // Registers the window in the window list with the owner's pointer to it, which the list clears
  // when it deletes the window; host hears that the window has closed. The tables padded to their
  // minimum sizes at once.
  cDatabaseWnd(int32_t mode, cWindow* parent, cModelessList* manager, cPropSheet** owner, cDatabaseHost& host);
  ~cDatabaseWnd() override;

  // Makes the ten pages and runs the sheet on tab 0; 0 when a page could not be made (after the
  // out-of-memory report) or the sheet could not be made.
  int Create();
  cDatabaseCore& Core() { return m_Core; }
  cDbPage* Page(int tab) { return m_apPage[tab]; }
  // The idle step: the current page's sample stepped (advance 1) or repainted.
  void OnIdleTick(int advance);

  // cPreviewSheetLink
  int PreviewAnimates() override;
  void TickPreview(int32_t step) override { OnIdleTick(step); }

  // The database window while it exists, null otherwise.
  static cDatabaseWnd* Instance() { return s_lpInstance; }

private:
  cCanvasBitmapTarget m_Bitmaps;
  cDatabaseCore m_Core;
  cDbPage* m_apPage[kTabCount] = {};

  static cDatabaseWnd* s_lpInstance;
};
