#include "editors/CommandEdit.h"

#include "database/cDatabaseSet.h"
#include "editors/DatabaseRows.h"

using D = cCommandData;

const cNumField<D> kCmdCommonNumFields[2] = {
    {kIdcCmdTime, 1114, &D::m_nTime, 1, 9999, kNoGroup},
    {kIdcCmdTimeClone, 1116, &D::m_nCloneTime, -500, 500, kNoGroup},
};
const cCheckField<D> kCmdCommonCheckFields[2] = {
    {kIdcCmdParallel, &D::m_bParallel, kNoGroup},
    {kIdcCmdSoundInView, &D::m_bMuteOffScreen, kNoGroup},
};
const cComboField<D> kCmdCommonComboFields[2] = {
    {kIdcCmdAnime, &D::m_nAnime, nullptr, 0, kNoGroup},
    {kIdcCmdSound, &D::m_nSound, nullptr, 0, kNoGroup},
};

namespace {
// What opening a dialog writes into the command itself, before the copy is taken.
cCommandData* OpenCommand(const cCmdEditContext& context, tCommandDefaults defaults, tCommandDefaults opening) {
  cCommandData& command = *context.m_pCommand;
  command.SizeParams();
  if (context.m_bNew) {
    command.CreateNeededPayload();
    if (defaults) defaults(command);
  }
  if (opening) opening(command);
  return &command;
}
}  // namespace

cCommandEdit::cCommandEdit(const cCmdEditContext& context, tCommandDefaults defaults, tCommandDefaults opening)
    : cRecordEdit(OpenCommand(context, defaults, opening)), m_Context(context) {}

cVector<cString> AnimeRows(const cDatabaseSet& db) { return DatabaseRows(db.m_vAnime, 2, 0, "なし"); }
cVector<cString> SoundRows(const cDatabaseSet& db) { return DatabaseRows(db.m_vSound, 2, 0, "なし"); }
