#pragma once
// The project options: the default block, character and item, the inheritance that palette
// entries receive by default in three situations, the game program for test play, and what a
// stage save does with the file of an older version. Stored in data\PrjOption.dat.

#include <cstdint>

#include "app/cDataRecord.h"
#include "app/cString.h"
#include "app/cVector.h"
#include "model/cEdBlock.h"
#include "model/cEdChara.h"
#include "model/cEdItem.h"

class cProjectSettings : public cDataRecord {
public:
  // Situations: a new stage palette entry, a common palette entry placed, a stage palette entry
  // placed. Kinds: block, character, item.
  enum { kSituations = 3, kKinds = 3 };
  enum { kKindBlock = 0, kKindChara = 1, kKindItem = 2 };
  // Old stage files on a save under a new version: moved to data\stg4\old_ver\, kept, deleted.
  enum : int32_t { kOldStageMove = 0, kOldStageKeep = 1, kOldStageDelete = 2 };

  cEdBlock m_DefBlock;
  cEdChara m_DefChara;
  cEdItem m_DefItem;
  int32_t m_nDefInheritPal[kSituations][kKinds] = {};  // 0 none, 1 common, 2 stage palette
  cVector<int8_t> m_bbDefInherit[kSituations][kKinds];  // one flag per inheritance group
  int32_t m_bAutoGameProgram = 0;
  cString m_strGameProgram;
  int32_t m_nOldStageMode = 0;

  cProjectSettings();
  void SetDefaults();
  void RegisterFields(uint32_t version) override;
  // The body, the default records, the flag vectors, then the upgrades of older files; the flag
  // vectors end with exactly one flag per group and the default records never inherit.
  void Load(cReadStream& stream) override;
  void Save(cWriteStream& stream) override;

  // Inheritance groups of a kind: 11, 37 and 13.
  static int GroupCount(int kind);
  // The flag a situation starts with for a group of a kind.
  static int8_t DefaultFlag(int situation, int kind, int group);

private:
  // read: which situations' flag vectors the file held.
  void Upgrade(uint32_t version, const bool read[kSituations]);
  void FitFlagsToGroups();
};

extern cProjectSettings g_ProjectSettings;
