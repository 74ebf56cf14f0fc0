#include "app/cEditConfig.h"

#include "app/cApplication.h"

namespace {
cWindowPlacement cEditConfig::*const kPlacements[cEditConfig::kPlacementCount] = {
    &cEditConfig::m_wpStageEditor, &cEditConfig::m_wpCommonBlocks, &cEditConfig::m_wpStageBlocks,
    &cEditConfig::m_wpCommonCharas, &cEditConfig::m_wpStageCharas, &cEditConfig::m_wpCommonItems,
    &cEditConfig::m_wpStageItems, &cEditConfig::m_wpCharaGroup, &cEditConfig::m_wpWorldMap,
    &cEditConfig::m_wpMapChipPalette, &cEditConfig::m_wpEventPalette,
};
}  // namespace

cEditConfig::cEditConfig() {
  RegisterFields(kDataVersion);
  SetDefaults();
}

void cEditConfig::SetDefaults() {
  Clear();
  for (cWindowPlacement cEditConfig::*member : kPlacements) this->*member = cWindowPlacement();
  m_nStatusBarHeight = 20;
  m_nToolbarRowHeight = 28;
  m_strNewStageTemplate = "data\\stg4\\Default.stg4_***";
  m_nNewStagePaletteSource = 1;
  m_bEditBeforePlacing = 1;
  m_bAutoWorldNo = 1;
  m_bBmpTransparent = 1;
  m_nBmpLineFrom = 1;
  m_nBmpLineTo = 15;
  m_strBmpOutDir = "bmp\\convert";
}

void cEditConfig::RegisterFields(uint32_t version) {
  ClearFields();
  if (version < 129) RegisterDiscardString();
  if (version >= 73) RegisterString(&m_strLastStagePath);
  if (version >= 288) {
    RegisterInt(&m_nStatusBarHeight);
    RegisterInt(&m_nToolbarRowHeight);
  }
  if (version >= 130) {
    RegisterString(&m_strNewStageTemplate);
    RegisterInt(&m_nNewStagePaletteSource);
    RegisterString(&m_strNewStagePaletteFile);
  }
  if (version >= 95) {
    RegisterInt(&m_nBlockSheetPage);
    RegisterInt(&m_nCharaSheetPage);
    RegisterInt(&m_nItemSheetPage);
  }
  if (version >= 198) {
    RegisterInt(&m_nResizeDirX);
    RegisterInt(&m_nResizeDirY);
  }
  if (version == 130) RegisterDiscardString();
  RegisterInt(&m_bEditIfPlaced);
  RegisterInt(&m_bEditBeforePlacing);
  RegisterInt(&m_bAutoWorldNo);
  RegisterInt(&m_bBmpTransparent);
  RegisterInt(&m_nBmpTransparentIndex);
  if (version >= 87) {
    RegisterInt(&m_bBmpReplaceLine);
    RegisterInt(&m_nBmpLineFrom);
    RegisterInt(&m_nBmpLineTo);
  }
  RegisterInt(&m_bBmpOverwrite);
  RegisterString(&m_strBmpOutDir);
}

void cEditConfig::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  uint32_t version = VersionRead();
  if (version >= 130) {
    for (cWindowPlacement cEditConfig::*member : kPlacements) {
      if (stream.Failed()) return;
      (this->*member).Load(stream);
    }
  }
  if (stream.Failed()) return;
  Upgrade(version);
  ApplyShownRule();
}

void cEditConfig::Upgrade(uint32_t version) {
  // Files before these versions knew nothing of the resize directions and the measured heights;
  // whatever the record held before must not survive into them.
  if (version < 198) {
    m_nResizeDirX = 0;
    m_nResizeDirY = 0;
  }
  if (version < 288) {
    m_nStatusBarHeight = 20;
    m_nToolbarRowHeight = 28;
  }
}

void cEditConfig::Save(cWriteStream& stream) {
  ApplyShownRule();
  cDataRecord::Save(stream);
  for (cWindowPlacement cEditConfig::*member : kPlacements) (this->*member).Save(stream);
}

void cEditConfig::ApplyShownRule() {
  m_wpCommonCharas.m_bShown = m_wpCommonBlocks.m_bShown;
  m_wpCommonItems.m_bShown = m_wpCommonBlocks.m_bShown;
  m_wpStageCharas.m_bShown = m_wpStageBlocks.m_bShown;
  m_wpStageItems.m_bShown = m_wpStageBlocks.m_bShown;
}
