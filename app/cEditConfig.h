#pragma once
// The editor's own settings (not the project's): tool window places, the last stage, measured bar
// heights and the last choices of a few dialogs. Stored in e_data\EditConfig.dat.

#include <cstdint>

#include "app/cDataRecord.h"
#include "app/cString.h"
#include "app/cWindowPlacement.h"

class cEditConfig : public cDataRecord {
public:
  static constexpr int kPlacementCount = 11;

  cString m_strLastStagePath;
  cWindowPlacement m_wpStageEditor;
  cWindowPlacement m_wpCommonBlocks;
  cWindowPlacement m_wpStageBlocks;
  cWindowPlacement m_wpCommonCharas;
  cWindowPlacement m_wpStageCharas;
  cWindowPlacement m_wpCommonItems;
  cWindowPlacement m_wpStageItems;
  cWindowPlacement m_wpCharaGroup;
  cWindowPlacement m_wpWorldMap;
  cWindowPlacement m_wpMapChipPalette;
  cWindowPlacement m_wpEventPalette;
  int32_t m_nStatusBarHeight = 0;
  int32_t m_nToolbarRowHeight = 0;
  cString m_strNewStageTemplate;
  int32_t m_nNewStagePaletteSource = 0;
  cString m_strNewStagePaletteFile;
  int32_t m_nBlockSheetPage = 0;
  int32_t m_nCharaSheetPage = 0;
  int32_t m_nItemSheetPage = 0;
  int32_t m_nResizeDirX = 0;
  int32_t m_nResizeDirY = 0;
  int32_t m_bEditIfPlaced = 0;
  int32_t m_bEditBeforePlacing = 0;
  int32_t m_bAutoWorldNo = 0;
  int32_t m_bBmpTransparent = 0;
  int32_t m_nBmpTransparentIndex = 0;
  int32_t m_bBmpReplaceLine = 0;
  int32_t m_nBmpLineFrom = 0;
  int32_t m_nBmpLineTo = 0;
  int32_t m_bBmpOverwrite = 0;
  cString m_strBmpOutDir;

  cEditConfig();
  void SetDefaults();
  void RegisterFields(uint32_t version) override;
  // The record body, then (from version 130) the placements; older files are brought up to date.
  void Load(cReadStream& stream) override;
  void Save(cWriteStream& stream) override;

  // The three common palette windows are shown or hidden together, and so are the stage ones.
  void ApplyShownRule();

private:
  void Upgrade(uint32_t version);
};

extern cEditConfig EditConfig;
