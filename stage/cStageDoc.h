#pragma once
// The stage being edited: three layers of cells (blocks, characters, items) painted from the stage
// palette, its backgrounds, the names of its 1,000 variables and every setting the game reads.
// A cell index is row x pitch + column; the pitch is the smallest power of two not below the
// width, and the columns from the width to the pitch are spare cells that stay empty.

#include <cstdint>

#include "app/cDataRecord.h"
#include "app/cValInfoData.h"
#include "model/cEdBlock.h"
#include "model/cEdChara.h"
#include "model/cEdItem.h"
#include "model/cPaletteLists.h"
#include "stage/cAutoVanishData.h"
#include "stage/cBackgroundData.h"
#include "stage/cStageLayer.h"

// Widths and heights a stage can have, in cells.
constexpr int kMaxStageSize = 512;
constexpr int kStageVarCount = 1000;
constexpr uint32_t kStageEndMarker = 123456789;
// The auto-vanish rules, in stored order.
enum { kVanishEnemy, kVanishBlockEnemy, kVanishItem, kVanishPlayerShot, kVanishEnemyShot, kVanishRuleCount };

// The three lists of a stage palette file, read apart from any stage.
struct cStagePaletteFile {
  cVector<cEdBlock> m_vBlock;
  cVector<cEdChara> m_vChara;
  cVector<cEdItem> m_vItem;

  // 1 when the whole file loaded; 0 for a file that is missing or damaged.
  int Read(const char* path);
};

class cStageDoc : public cDataRecord {
public:
  // palette: the palette kind whose lists this document's stage palette is, for its life (the
  // global stage is kPaletteStage); other documents name theirs only while they work on them.
  explicit cStageDoc(int palette = kPaletteNone);
  ~cStageDoc() override;
  cStageDoc(const cStageDoc&) = delete;
  cStageDoc& operator=(const cStageDoc&) = delete;

  void RegisterFields(uint32_t version) override;
  void Load(cReadStream& stream) override;
  void Save(cWriteStream& stream) override;

  void SetDefaults();
  // 0 and nothing changed for a size outside 1..512. anchorX 1 grows or shrinks on the left,
  // anchorY 1 at the top; any other value on the right or at the bottom.
  int SetSize(int width, int height, int anchorX, int anchorY);
  void Normalise();
  void SetHitLevel(int level);
  void ValidateAll();

  void RefreshBlocksFromCommon();
  void RefreshCharasFromCommon();
  void RefreshItemsFromCommon();
  void RefreshBlocksFromStage();
  void RefreshCharasFromStage();
  void RefreshItemsFromStage();
  // Resolves every non-empty cell of the layers that the flags name (1 blocks, 2 characters, 4
  // items), as restored cells need.
  void ResolveLayers(int flags);

  // The player's cell, or (-1, -1); 1 when there is one.
  void FindPlayer(int& x, int& y) const;
  int HasPlayer() const;
  // Places a copy of chara (whose control group flag is cleared) under the one-player rule.
  void PutChara(int index, cEdChara& chara);
  // Keeps only the last player in reading order.
  void RemoveExtraPlayers();

  // The stage palette changes only when the whole file loaded (1); 0 and nothing changed otherwise.
  int LoadStagePalette(const char* path);
  // Makes lists read from a file the stage palette: every list gets its two entries as Normalise
  // gives them, entry 0 and the inheritance flags stay as read, and the placed objects that follow
  // the stage palette are resolved again. The file's lists are taken (left empty).
  void TakeStagePalette(cStagePaletteFile& file);
  int SaveStagePalette(const char* path);

  // Reads a stage file into a separate document and takes its content only when the whole file
  // loaded; 0 and this stage unchanged otherwise. On the worker thread, shouldStop tells between
  // the steps of the load whether to give it up.
  int LoadStageFile(const char* path, int (*shouldStop)() = nullptr);

  int CellIndex(int x, int y) const { return (y << m_nPitch_Shift) + x; }

  cString m_strName;
  cStageLayer<cEdBlock> m_vBlockLayer;
  cStageLayer<cEdChara> m_vCharaLayer;
  cStageLayer<cEdItem> m_vItemLayer;
  cVector<cEdBlock> m_vStageBlock;
  cVector<cEdChara> m_vStageChara;
  cVector<cEdItem> m_vStageItem;
  cVector<cBackgroundData> m_vBackground;
  cVector<cValInfoData> m_vStageVarName;
  int32_t m_nWidth = 0;
  int32_t m_nPitch = 0;
  int32_t m_nPitch_Shift = 0;
  int32_t m_nHeight = 0;
  int32_t m_bLimitLeft = 0;
  int32_t m_bLimitRight = 0;
  int32_t m_bLimitTop = 0;
  int32_t m_bLimitBottom = 0;
  int32_t m_nLimitLeft = 0;
  int32_t m_nLimitRight = 0;
  int32_t m_nLimitTop = 0;
  int32_t m_nLimitBottom = 0;
  int32_t m_nFrameRate = 0;
  int32_t m_bTimeLimit = 0;
  int32_t m_nTimeLimit = 0;
  int32_t m_nWarningTime = 0;
  int32_t m_nScrollKindX = 0;
  int32_t m_nScrollKindY = 0;
  int32_t m_nAutoScrollX = 0;
  int32_t m_nAutoScrollY = 0;
  double m_dGravity = 0;
  int32_t m_nHitLevel = 0;
  int32_t m_nShotHitPrecision = 0;
  int32_t m_nBgm = 0;
  int32_t m_bBgmLoop = 0;
  int32_t m_bBgmKeep = 0;
  int32_t m_bZEnabled = 0;
  int32_t m_bStockLoad = 0;
  int32_t m_bStockStore = 0;
  int32_t m_bNoClearWait = 0;
  int32_t m_bStatusWindow = 0;
  int32_t m_bShowStageX = 0;
  int32_t m_bShowReady = 0;
  int32_t m_bShowClear = 0;
  int32_t m_bShowGameOver = 0;
  cVector<int32_t> m_vRankingItem;
  cAutoVanishData m_aAutoVanish[kVanishRuleCount];
  // Hit boxes: sizes in pixels, positions (0 centred, 1 at the bottom), display and colour.
  int32_t m_nHitPlWalkBlockW = 0, m_nHitPlWalkBlockH = 0;
  int32_t m_nHitPlFlyBlockW = 0, m_nHitPlFlyBlockH = 0;
  int32_t m_nHitPlWalkCharaW = 0, m_nHitPlWalkCharaH = 0;
  int32_t m_nHitPlFlyCharaW = 0, m_nHitPlFlyCharaH = 0;
  int32_t m_nHitPlShotW = 0, m_nHitPlShotH = 0;
  int32_t m_nHitPlItemW = 0, m_nHitPlItemH = 0;
  int32_t m_nHitPlWalkBlockPos = 0;
  int32_t m_nHitPlFlyBlockPos = 0;
  int32_t m_nHitPlWalkCharaPos = 0;
  int32_t m_nHitPlFlyCharaPos = 0;
  int32_t m_nHitPlBlockShow = 0;
  int32_t m_nHitPlCharaShow = 0;
  int32_t m_nHitPlShotShow = 0;
  int32_t m_nHitPlItemShow = 0;
  int32_t m_nHitPlBlockColor = 0;
  int32_t m_nHitPlCharaColor = 0;
  int32_t m_nHitPlShotColor = 0;
  int32_t m_nHitPlItemColor = 0;
  int32_t m_nHitEnWalkBlockW = 0, m_nHitEnWalkBlockH = 0;
  int32_t m_nHitEnFlyBlockW = 0, m_nHitEnFlyBlockH = 0;
  int32_t m_nHitEnWalkCharaW = 0, m_nHitEnWalkCharaH = 0;
  int32_t m_nHitEnFlyCharaW = 0, m_nHitEnFlyCharaH = 0;
  int32_t m_nHitEnShotW = 0, m_nHitEnShotH = 0;
  int32_t m_nHitEnWalkBlockPos = 0;
  int32_t m_nHitEnFlyBlockPos = 0;
  int32_t m_nHitEnWalkCharaPos = 0;
  int32_t m_nHitEnFlyCharaPos = 0;
  int32_t m_nHitItemCharaW = 0, m_nHitItemCharaH = 0;
  int32_t m_nHitPlShotCharaW = 0, m_nHitPlShotCharaH = 0;
  int32_t m_nHitPlShotShotW = 0, m_nHitPlShotShotH = 0;
  int32_t m_nHitEnShotCharaW = 0, m_nHitEnShotCharaH = 0;
  int32_t m_nHitEnShotShotW = 0, m_nHitEnShotShotH = 0;
  // The undo depth the author chose; the edit state may use fewer steps when memory is short.
  int32_t m_nUndoDepth = 0;
  // Not stored: survives SetDefaults and Load (a file older than 208 resets it).
  int32_t m_nWheelAxis = 0;
  // The stage file the worker thread loads, and whether that load succeeded.
  cString m_strLoadPath;
  int32_t m_bLoadDone = 0;
  int32_t m_nWidthPx = 0;
  int32_t m_nHeightPx = 0;
  // Derived from the hit level by SetHitLevel.
  int32_t m_nHitSteps = 0;
  double m_dHitSteps = 0;
  double m_dHitStepsSq = 0;
  double m_dMaxSpeed = 0;
  double m_dGravityPerStep = 0;
  double m_dMaxSpeedPerStep = 0;
  int32_t m_nHitSteps8 = 0;
  int32_t m_bNoDamageOffScreen = 0;
  int32_t m_nPlInvincibleSame = 0;
  int32_t m_nPlInvincible = 0;
  int32_t m_nEnInvincibleSame = 0;
  int32_t m_nEnInvincible = 0;

private:
  cPaletteLists StagePalette() { return {&m_vStageBlock, &m_vStageChara, &m_vStageItem}; }
  void Normalise(bool cellsJustLoaded);
  void SetHitBoxDefaults();
  void ResetAutoVanish();
  void ClampScrollLimits();
  void Upgrade(uint32_t version);
  // Takes the content of a loaded document; the load path and flag stay.
  void TakeContentFrom(cStageDoc& loaded);
  template <class T>
  int LoadLayer(cStageLayer<T>& layer, cReadStream& stream);
  template <class T>
  void SaveLayer(cStageLayer<T>& layer, cWriteStream& stream);
  void SetHeldItems();

  // True when the worker loading this document is asked to stop; the load then fails.
  bool Stopping() const { return m_pfnShouldStop && m_pfnShouldStop(); }

  // Only TakeContentFrom moves a whole document.
  cStageDoc& operator=(cStageDoc&&) = default;

  int m_nPalette;
  int (*m_pfnShouldStop)() = nullptr;
};

extern cStageDoc g_StageDoc;

// Option rows of the stage settings; the stored value is the row (HitLevelNames: row + 1).
extern const cString ScrollKindNames[3];
extern const cString ExpandXNames[3];
extern const cString ExpandYNames[3];
extern const cString HitLevelNames[20];
extern const cString ShotPrecisionNames[7];
extern const cString HitBoxPosNames[3];
extern const cString HitBoxPosShortNames[3];
extern const cString HitBoxShowNames[4];
extern const cString HitBoxColorNames[9];
extern const cString WheelAxisNames[3];
