#pragma once
// The command dialog base (cDlgCommand) apart from its window: the edit context that travels from
// the command list through the chooser to a kind's dialog, what opening a dialog writes into the
// command, and the rule that only OK stores. A dialog binds its controls to Work(), a copy of the
// command; OK copies it back, cancel and the close box leave the command as opening left it.

#include <cstdint>

#include "app/cString.h"
#include "app/cVector.h"
#include "editors/FieldTable.h"
#include "editors/RecordEdit.h"
#include "model/cCommandData.h"

class cDatabaseSet;

// The edit context: the command (a row of the calling page's working list, written in place) and
// whether it was inserted just before the call.
struct cCmdEditContext {
  cCommandData* m_pCommand = nullptr;
  int32_t m_bNew = 0;
};

// Writes a kind's defaults into a new command (time, parallel flag, payload fields and so on).
using tCommandDefaults = void (*)(cCommandData& command);

class cCommandEdit : public cRecordEdit<cCommandData> {
public:
  // Sizes the command's parameters to the count of its kind in its set (kept on cancel); for a new
  // command creates the payload block its kind works on and writes the kind's defaults (null: none)
  // into it; then what the dialog's opening writes into any command (null: nothing); then takes
  // the copy the controls are bound to.
  cCommandEdit(const cCmdEditContext& context, tCommandDefaults defaults, tCommandDefaults opening = nullptr);

  const cCmdEditContext& Context() const { return m_Context; }

private:
  cCmdEditContext m_Context;
};


// The controls every command dialog that has the field uses, with their limits.
enum : uint16_t {
  kIdcCmdParallel = 1117,
  kIdcCmdTime = 1113,
  kIdcCmdTimeClone = 1115,
  kIdcCmdAnime = 1263,
  kIdcCmdSound = 1131,
  kIdcCmdSoundInView = 1435,
};
extern const cNumField<cCommandData> kCmdCommonNumFields[2];
extern const cCheckField<cCommandData> kCmdCommonCheckFields[2];
// Rows: AnimeRows and SoundRows.
extern const cComboField<cCommandData> kCmdCommonComboFields[2];

// "なし", then "01 name" for row n of the anime or sound table.
cVector<cString> AnimeRows(const cDatabaseSet& db);
cVector<cString> SoundRows(const cDatabaseSet& db);
