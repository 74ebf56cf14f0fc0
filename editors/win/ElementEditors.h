#pragma once
// Puts the element editors into the stage editor window (and, through it, the palette windows):
// the data sheets it opens and the character group window it keeps.

class cPropSheet;
class cWindow;

void InstallElementEditors();

// Opens the character data sheet on the record the edit state names (its context, record and
// index set by the opener), owned by owner, in the slot; every other registered window is
// disabled while it is open. 0 when none opened: the windows are enabled again, the slot is null.
int OpenCharaSheet(cWindow* owner, cPropSheet** slot);
