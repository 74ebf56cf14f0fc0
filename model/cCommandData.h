#pragma once
// A command of a flow or of an item's effect: its set and kind, time, int parameters, text, and
// the optional payloads that movement, shot and flow-operation commands carry. The item-effect
// kind "フローの変更" carries whole flows.

#include <cstdint>

#include "app/cDataRecord.h"
#include "app/cVector.h"
#include "model/cCmdKindInfo.h"
#include "model/cCondData.h"
#include "model/cDataPtr.h"
#include "model/cEdMove.h"
#include "model/cEdShot.h"

class cFlowData;

class cCommandData : public cDataRecord {
public:
  int8_t m_cSet = 0;
  int8_t m_cKind = 0;
  cVector<int32_t> m_vParam;
  cString m_strText;
  cDataPtr<cEdMove> m_pMove;
  cDataPtr<cEdShot> m_pShot;
  int16_t m_nTime = 0;
  int16_t m_nCloneTime = 0;
  int8_t m_bParallel = 0;
  int16_t m_nSound = 0;
  int8_t m_bMuteOffScreen = 1;
  int16_t m_nAnime = 0;
  cDataPtr<cCondList> m_pCondList;
  cVector<cFlowData> m_vFlow;

  // Registered fields and text back to their defaults, no payloads; parameters and flows stay.
  void SetDefaults();
  void RegisterFields(uint32_t version) override;
  void Load(cReadStream& stream) override;
  void Save(cWriteStream& stream) override;
  // Database references into range, parameters sized by kind, needed payloads present,
  // nested flows validated.
  void Validate();
  // Palette references into range, once every palette is present.
  void ValidatePaletteRefs();

  // The kind's entry in its command set; null for a kind outside it.
  const cCmdKindInfo* KindInfo() const;
  // The character kind this command stands for (item kinds from 2 on are character kinds - 15);
  // 0 for the item kinds that have no character counterpart.
  int CharaKind() const;
  // Sizes the parameters to the kind's count, keeping values; a kind outside its set keeps them.
  void SizeParams();
  // Creates the movement, shot or condition-list payload that the kind works on, if missing.
  void CreateNeededPayload();

  bool operator==(const cCommandData& other) const;
  bool operator!=(const cCommandData& other) const { return !(*this == other); }

private:
  void LoadFlows(cReadStream& stream);
  void Upgrade(uint32_t version);
  void UpgradeMessage(uint32_t version);
  void UpgradePicture(uint32_t version);
  void UpgradeArrange(uint32_t version);
  void UpgradeFrom734(uint32_t version, int kind);
  void UpgradeTargets(int kind);
  void InsertStatusRow(int row);
  // Everything Validate checks but the nested flows.
  void ValidateOwn();
  void ValidateSummonRef();
  void ValidateSword();
  void ValidateTableParam(int kind);
  // Parameter i, the list grown to hold it.
  int32_t& Param(int i);
  void ResizeParams(int count) { m_vParam.resize(count); }
  void InsertParam(int i, int32_t value, int count);
};

// The fewest bytes a stored cCommandData takes (the two counts of the body, two payload flags, the
// flow and parameter counts), so that a list count the file cannot hold fails before anything is
// allocated.
template <>
struct cStoredSize<cCommandData> {
  static constexpr size_t kMin = 24;
};

// Both headers together: a command holds flows and a flow holds commands.
#include "model/cFlowData.h"
