#include "stage/cStageDoc.h"

#include <algorithm>
#include <memory>

#include "app/DataFile.h"
#include "app/cApplication.h"
#include "database/cDatabaseSet.h"
#include "model/Inheritance.h"
#include "model/VariableNames.h"
#include "stage/ProjectDefaults.h"

const cString ScrollKindNames[3] = {"主人公の位置に合わせてスクロール", "オートスクロール", ""};
const cString ExpandXNames[3] = {"右方向へ拡張（または右を削除）", "左方向へ拡張（または左を削除）", ""};
const cString ExpandYNames[3] = {"下方向へ拡張（または下を削除）", "上方向へ拡張（または上を削除）", ""};
const cString HitLevelNames[20] = {
    "レベル1 (速度制限=60)",  "レベル2 (速度制限=120)", "レベル3 (速度制限=180)", "レベル4 (速度制限=240)",
    "レベル5 (速度制限=300)", "レベル6 (速度制限=360)", "レベル7 (速度制限=420)", "レベル8 (速度制限=480)",
    "レベル9 (速度制限=540)", "レベル10 (速度制限=600)", "レベル1 (速度制限=600)", "レベル2 (速度制限=600)",
    "レベル3 (速度制限=600)", "レベル4 (速度制限=600)", "レベル5 (速度制限=600)", "レベル6 (速度制限=600)",
    "レベル7 (速度制限=600)", "レベル8 (速度制限=600)", "レベル9 (速度制限=600)", ""};
const cString ShotPrecisionNames[7] = {"最大 (当たり判定レベルと同じ)", "1 (対応速度=60)",      "2 (対応速度=最大120)",
                                       "3 (対応速度=最大180)",          "4 (対応速度=最大240)", "5 (対応速度=最大300)",
                                       ""};
const cString HitBoxPosNames[3] = {"中央", "下", ""};
const cString HitBoxPosShortNames[3] = {"中", "下", ""};
const cString HitBoxShowNames[4] = {"表示しない", "表示する", "枠のみ表示", ""};
const cString HitBoxColorNames[9] = {"赤", "緑", "青", "黄", "赤紫", "青紫", "黒", "虹", ""};
const cString WheelAxisNames[3] = {"水平方向", "垂直方向", ""};

namespace {

// Which part of an old row (column) range a resize keeps, and where it lands.
struct cSpan {
  int m_nSource = 0;
  int m_nDest = 0;
  int m_nLength = 0;
  cSpan(int oldSize, int newSize, int anchor) : m_nLength(std::min(oldSize, newSize)) {
    if (anchor != 1) return;
    if (newSize > oldSize) m_nDest = newSize - oldSize;
    else m_nSource = oldSize - newSize;
  }
  bool Keeps(int old) const { return old >= m_nSource && old < m_nSource + m_nLength; }
  int Moved(int old) const { return old - m_nSource + m_nDest; }
};

int PitchShift(int width) {
  int shift = 0;
  for (int rest = width - 1; rest > 0; rest >>= 1) ++shift;
  return shift;
}

// Resolves the cells that follow a palette kind, giving a cell its own copy only when it changes.
template <class T>
void Resolve(cStageLayer<T>& layer, int palette) {
  layer.ForEachStored([&](int i, const T& cell) {
    if (cell.m_nGraphic != 0 && cell.m_cInheritPalette == palette && InheritanceChanges(cell))
      layer.At(i).ApplyInheritance();
  });
}

template <class T>
void ResolveEntries(cVector<T>& list, int palette) {
  for (T& entry : list)
    if (entry.m_nGraphic != 0 && entry.m_cInheritPalette == palette) entry.ApplyInheritance();
}

// The two-entry rule: entry 1 of a short list is the project's default record, pointed at the
// project's source for new stage palette entries.
template <class T>
void FillShortList(cVector<T>& list) {
  if (list.Count() >= 2) return;
  list.resize(2);
  list[1] = ProjectDefault(static_cast<const T*>(nullptr));
  SetNewStageEntrySource(list[1], 1);
}

// A record's own checks (database and inheritance source), and its references into the palettes.
void ValidateOwn(cEdBlock& block) { block.Validate(); }
void ValidateOwn(cEdChara& chara) { chara.Validate(); }
void ValidateOwn(cEdItem& item) { item.ValidateRefs(); }
void ValidatePaletteRefsOf(cEdBlock& block) { block.ValidateItemRef(); }
void ValidatePaletteRefsOf(cEdChara& chara) { chara.ValidatePaletteRefs(); }
void ValidatePaletteRefsOf(cEdItem& item) { item.ValidatePaletteRefs(); }
template <class T>
void ValidateRecord(T& record) {
  ValidateOwn(record);
  ValidatePaletteRefsOf(record);
}

// The objects of a layer. An empty cell is never written to the file nor shown, and becomes an
// object only by taking a whole record, so what it holds needs no repair.
template <class T, class Check>
void ValidateLayer(cStageLayer<T>& layer, Check check) {
  layer.ForEachStoredInPlace([&](int, T& cell) {
    if (cell.m_nGraphic != 0) check(cell);
  });
}

bool IsPlayer(const cEdChara& chara) { return chara.m_nGraphic != 0 && chara.m_cControl == 0; }

}  // namespace

cStageDoc::cStageDoc(int palette) : m_nPalette(palette) {
  if (m_nPalette != kPaletteNone) {
    if (cPaletteLists* lists = PaletteLists(m_nPalette)) *lists = StagePalette();
    RegisterVariableNames(kVarScopeStage, &m_vStageVarName);
  }
  SetDefaults();
}

cStageDoc::~cStageDoc() {
  if (m_nPalette == kPaletteNone) return;
  cPaletteLists* lists = PaletteLists(m_nPalette);
  if (lists && lists->m_pvBlock == &m_vStageBlock) *lists = cPaletteLists();
  RegisterVariableNames<cValInfoData>(kVarScopeStage, nullptr);
}

void cStageDoc::RegisterFields(uint32_t version) {
  ClearFields();
  RegisterInt(&m_nWidth);
  RegisterInt(&m_nPitch);
  RegisterInt(&m_nPitch_Shift);
  RegisterInt(&m_nHeight);
  RegisterInt(&m_bLimitLeft);
  RegisterInt(&m_bLimitRight);
  RegisterInt(&m_bLimitTop);
  RegisterInt(&m_bLimitBottom);
  RegisterInt(&m_nLimitLeft);
  RegisterInt(&m_nLimitRight);
  RegisterInt(&m_nLimitTop);
  RegisterInt(&m_nLimitBottom);
  RegisterInt(&m_nFrameRate);
  RegisterInt(&m_bTimeLimit);
  RegisterInt(&m_nTimeLimit);
  RegisterInt(&m_nWarningTime);
  RegisterInt(&m_nScrollKindX);
  RegisterInt(&m_nScrollKindY);
  RegisterInt(&m_nAutoScrollX);
  RegisterInt(&m_nAutoScrollY);
  AddDoubleField(&m_dGravity);
  RegisterInt(&m_nHitLevel);
  RegisterInt(&m_nShotHitPrecision);
  RegisterInt(&m_nBgm);
  if (version >= 166) RegisterInt(&m_bBgmLoop);
  if (version >= 199) RegisterInt(&m_bBgmKeep);
  RegisterInt(&m_bZEnabled);
  RegisterInt(&m_bStockLoad);
  RegisterInt(&m_bStockStore);
  if (version >= 183) RegisterInt(&m_bStatusWindow);
  if (version >= 184) RegisterInt(&m_bNoClearWait);
  RegisterInt(&m_bShowStageX);
  if (version >= 225) RegisterInt(&m_bShowReady);
  RegisterInt(&m_bShowClear);
  RegisterInt(&m_bShowGameOver);
  if (version >= 200) {
    RegisterInt(&m_nHitPlWalkBlockW);
    RegisterInt(&m_nHitPlWalkBlockH);
    RegisterInt(&m_nHitPlFlyBlockW);
    RegisterInt(&m_nHitPlFlyBlockH);
  }
  RegisterInt(&m_nHitPlWalkCharaW);
  RegisterInt(&m_nHitPlWalkCharaH);
  if (version >= 155) {
    RegisterInt(&m_nHitPlFlyCharaW);
    RegisterInt(&m_nHitPlFlyCharaH);
  }
  RegisterInt(&m_nHitPlShotW);
  RegisterInt(&m_nHitPlShotH);
  RegisterInt(&m_nHitPlItemW);
  RegisterInt(&m_nHitPlItemH);
  if (version >= 200) {
    RegisterInt(&m_nHitPlWalkBlockPos);
    RegisterInt(&m_nHitPlFlyBlockPos);
  }
  if (version >= 155) {
    RegisterInt(&m_nHitPlWalkCharaPos);
    RegisterInt(&m_nHitPlFlyCharaPos);
  }
  if (version >= 200) RegisterInt(&m_nHitPlBlockShow);
  RegisterInt(&m_nHitPlCharaShow);
  RegisterInt(&m_nHitPlShotShow);
  RegisterInt(&m_nHitPlItemShow);
  if (version >= 200) RegisterInt(&m_nHitPlBlockColor);
  RegisterInt(&m_nHitPlCharaColor);
  RegisterInt(&m_nHitPlShotColor);
  RegisterInt(&m_nHitPlItemColor);
  if (version >= 200) {
    RegisterInt(&m_nHitEnWalkBlockW);
    RegisterInt(&m_nHitEnWalkBlockH);
    RegisterInt(&m_nHitEnFlyBlockW);
    RegisterInt(&m_nHitEnFlyBlockH);
  }
  RegisterInt(&m_nHitEnWalkCharaW);
  RegisterInt(&m_nHitEnWalkCharaH);
  if (version >= 155) {
    RegisterInt(&m_nHitEnFlyCharaW);
    RegisterInt(&m_nHitEnFlyCharaH);
  }
  RegisterInt(&m_nHitEnShotW);
  RegisterInt(&m_nHitEnShotH);
  if (version >= 200) {
    RegisterInt(&m_nHitEnWalkBlockPos);
    RegisterInt(&m_nHitEnFlyBlockPos);
  }
  if (version >= 155) {
    RegisterInt(&m_nHitEnWalkCharaPos);
    RegisterInt(&m_nHitEnFlyCharaPos);
  }
  RegisterInt(&m_nHitItemCharaW);
  RegisterInt(&m_nHitItemCharaH);
  RegisterInt(&m_nHitPlShotCharaW);
  RegisterInt(&m_nHitPlShotCharaH);
  RegisterInt(&m_nHitPlShotShotW);
  RegisterInt(&m_nHitPlShotShotH);
  RegisterInt(&m_nHitEnShotCharaW);
  RegisterInt(&m_nHitEnShotCharaH);
  RegisterInt(&m_nHitEnShotShotW);
  RegisterInt(&m_nHitEnShotShotH);
  RegisterInt(&m_nUndoDepth);
  RegisterInt(&m_nWidthPx);
  RegisterInt(&m_nHeightPx);
  RegisterInt(&m_nHitSteps);
  AddDoubleField(&m_dHitSteps);
  AddDoubleField(&m_dHitStepsSq);
  AddDoubleField(&m_dMaxSpeed);
  AddDoubleField(&m_dGravityPerStep);
  AddDoubleField(&m_dMaxSpeedPerStep);
  RegisterInt(&m_nHitSteps8);
  RegisterInt(&m_bNoDamageOffScreen);
  RegisterInt(&m_nPlInvincibleSame);
  RegisterInt(&m_nPlInvincible);
  RegisterInt(&m_nEnInvincibleSame);
  RegisterInt(&m_nEnInvincible);
  RegisterString(&m_strName);
}

void cStageDoc::SetDefaults() {
  Clear();
  m_vBlockLayer.Release();
  m_vCharaLayer.Release();
  m_vItemLayer.Release();
  m_vStageBlock.Reset(1);
  m_vStageChara.Reset(1);
  m_vStageItem.Reset(1);
  m_bTimeLimit = 0;
  m_nTimeLimit = 200;
  m_nWarningTime = 20;
  m_dGravity = 0.4;
  m_nFrameRate = 60;
  m_nHitLevel = 10;
  m_nShotHitPrecision = 0;
  m_bZEnabled = 1;
  m_bNoDamageOffScreen = 1;
  m_bStatusWindow = 1;
  m_bNoClearWait = 0;
  m_bShowStageX = 0;
  m_bShowReady = 1;
  m_bShowClear = 1;
  m_bShowGameOver = 1;
  m_nPlInvincible = 0;
  m_nPlInvincibleSame = 30;
  m_nEnInvincible = 0;
  m_nEnInvincibleSame = 30;
  m_vBackground.Reset(1);
  m_vBackground[0].m_bUseColor = 1;
  m_vRankingItem.assign(5, 1);
  ResetAutoVanish();
  SetHitBoxDefaults();
  m_nUndoDepth = 1;
  SetSize(20, 15, 0, 0);
  m_vStageVarName.Reset(kStageVarCount);
}

void cStageDoc::ResetAutoVanish() {
  for (cAutoVanishData& rule : m_aAutoVanish) rule = cAutoVanishData();
  // Shots vanish at every edge; enemy shots only ten cells beyond it.
  for (int r : {kVanishPlayerShot, kVanishEnemyShot}) {
    cAutoVanishData& rule = m_aAutoVanish[r];
    rule.m_bLeft = rule.m_bRight = rule.m_bTop = rule.m_bBottom = 1;
  }
  cAutoVanishData& enemyShot = m_aAutoVanish[kVanishEnemyShot];
  enemyShot.m_nLeft = enemyShot.m_nRight = enemyShot.m_nTop = enemyShot.m_nBottom = 10;
}

void cStageDoc::SetHitBoxDefaults() {
  m_nHitPlWalkBlockW = 16, m_nHitPlWalkBlockH = 24, m_nHitPlWalkBlockPos = 1;
  m_nHitPlFlyBlockW = 16, m_nHitPlFlyBlockH = 16, m_nHitPlFlyBlockPos = 0;
  m_nHitPlWalkCharaW = 16, m_nHitPlWalkCharaH = 24, m_nHitPlWalkCharaPos = 1;
  m_nHitPlFlyCharaW = 16, m_nHitPlFlyCharaH = 16, m_nHitPlFlyCharaPos = 0;
  m_nHitPlShotW = 12, m_nHitPlShotH = 8;
  m_nHitPlItemW = 16, m_nHitPlItemH = 16;
  m_nHitEnWalkBlockW = 16, m_nHitEnWalkBlockH = 24, m_nHitEnWalkBlockPos = 1;
  m_nHitEnFlyBlockW = 16, m_nHitEnFlyBlockH = 16, m_nHitEnFlyBlockPos = 0;
  m_nHitEnWalkCharaW = 12, m_nHitEnWalkCharaH = 24, m_nHitEnWalkCharaPos = 1;
  m_nHitEnFlyCharaW = 12, m_nHitEnFlyCharaH = 16, m_nHitEnFlyCharaPos = 0;
  m_nHitEnShotW = 30, m_nHitEnShotH = 30;
  m_nHitItemCharaW = 28, m_nHitItemCharaH = 28;
  m_nHitPlShotCharaW = 16, m_nHitPlShotCharaH = 16;
  m_nHitPlShotShotW = 16, m_nHitPlShotShotH = 16;
  m_nHitEnShotCharaW = 16, m_nHitEnShotCharaH = 16;
  m_nHitEnShotShotW = 16, m_nHitEnShotShotH = 16;
}

int cStageDoc::SetSize(int width, int height, int anchorX, int anchorY) {
  if (width < 1 || height < 1 || width > kMaxStageSize || height > kMaxStageSize) return 0;
  cSpan columns(m_nWidth, width, anchorX), rows(m_nHeight, height, anchorY);

  // A player in a part that the resize drops goes to the new cell (0, 0).
  std::unique_ptr<cEdChara> droppedPlayer;
  if (!m_vCharaLayer.empty()) {
    int x, y;
    FindPlayer(x, y);
    if (x >= 0 && !(columns.Keeps(x) && rows.Keeps(y))) droppedPlayer.reset(new cEdChara(m_vCharaLayer.Get(CellIndex(x, y))));
  }

  cStageLayer<cEdBlock> oldBlocks = std::move(m_vBlockLayer);
  cStageLayer<cEdChara> oldCharas = std::move(m_vCharaLayer);
  cStageLayer<cEdItem> oldItems = std::move(m_vItemLayer);
  int oldPitch = m_nPitch, oldShift = m_nPitch_Shift;

  m_nWidth = width;
  m_nHeight = height;
  m_nWidthPx = width * 32;
  m_nHeightPx = height * 32;
  m_nPitch_Shift = PitchShift(width);
  m_nPitch = 1 << m_nPitch_Shift;
  m_vBlockLayer.Reset(m_nPitch * m_nHeight);
  m_vCharaLayer.Reset(m_nPitch * m_nHeight);
  m_vItemLayer.Reset(m_nPitch * m_nHeight);

  auto move = [&](auto& from, auto& to) {
    from.ForEachStored([&](int i, const auto& cell) {
      int x = i & (oldPitch - 1), y = i >> oldShift;
      if (columns.Keeps(x) && rows.Keeps(y)) to.At(CellIndex(columns.Moved(x), rows.Moved(y))) = cell;
    });
  };
  move(oldBlocks, m_vBlockLayer);
  move(oldCharas, m_vCharaLayer);
  move(oldItems, m_vItemLayer);
  if (droppedPlayer) m_vCharaLayer.At(0) = *droppedPlayer;

  ClampScrollLimits();
  return 1;
}

void cStageDoc::ClampScrollLimits() {
  m_nLimitLeft = std::min(m_nLimitLeft, m_nWidth - 20);
  m_nLimitRight = std::min(m_nLimitRight, m_nWidth - 1);
  m_nLimitTop = std::min(m_nLimitTop, m_nHeight - 15);
  m_nLimitBottom = std::min(m_nLimitBottom, m_nHeight - 1);
}

void cStageDoc::Normalise() { Normalise(false); }

void cStageDoc::Normalise(bool cellsJustLoaded) {
  cPaletteListsScope own(kPaletteStage, StagePalette());
  ClampScrollLimits();
  SetHitLevel(m_nHitLevel);
  if (m_nBgm >= g_DatabaseSet.m_vBgm.Count()) m_nBgm = 0;
  FillShortList(m_vStageBlock);
  FillShortList(m_vStageChara);
  FillShortList(m_vStageItem);
  for (cEdBlock& block : m_vStageBlock) ValidateRecord(block);
  for (cEdChara& chara : m_vStageChara) ValidateRecord(chara);
  for (cEdItem& item : m_vStageItem) ValidateRecord(item);
  if (cellsJustLoaded) {
    // Each cell validated itself as it loaded, against these same palettes and tables; its own
    // checks would change nothing now, only its palette references are left.
    ValidateLayer(m_vBlockLayer, [](cEdBlock& cell) { ValidatePaletteRefsOf(cell); });
    ValidateLayer(m_vCharaLayer, [](cEdChara& cell) { ValidatePaletteRefsOf(cell); });
    ValidateLayer(m_vItemLayer, [](cEdItem& cell) { ValidatePaletteRefsOf(cell); });
    return;
  }
  ValidateLayer(m_vBlockLayer, [](cEdBlock& cell) { ValidateRecord(cell); });
  ValidateLayer(m_vCharaLayer, [](cEdChara& cell) { ValidateRecord(cell); });
  ValidateLayer(m_vItemLayer, [](cEdItem& cell) { ValidateRecord(cell); });
}

void cStageDoc::SetHitLevel(int level) {
  // A damaged file may hold any level; the derived values divide by it.
  level = std::max(1, std::min(level, 19));
  m_nHitLevel = level;
  bool fine = level >= 11;
  int n = fine ? level - 10 : level;
  m_nHitSteps = n;
  m_dHitSteps = n;
  m_dHitStepsSq = static_cast<double>(n) * n;
  m_dMaxSpeed = fine ? 6.0 * 10.0 : n * 6.0;
  m_dMaxSpeedPerStep = m_dMaxSpeed / m_dHitSteps;
  m_dGravityPerStep = m_dGravity / m_dHitStepsSq;
  m_nHitSteps8 = n * 8;
}

void cStageDoc::ValidateAll() {
  cPaletteListsScope own(kPaletteStage, StagePalette());
  for (cEdBlock& block : m_vStageBlock) ValidateOwn(block);
  for (cEdChara& chara : m_vStageChara) ValidateOwn(chara);
  for (cEdItem& item : m_vStageItem) ValidateOwn(item);
  ValidateLayer(m_vBlockLayer, [](cEdBlock& cell) { ValidateOwn(cell); });
  ValidateLayer(m_vCharaLayer, [](cEdChara& cell) { ValidateOwn(cell); });
  ValidateLayer(m_vItemLayer, [](cEdItem& cell) { ValidateOwn(cell); });
  for (cEdBlock& block : m_vStageBlock) ValidatePaletteRefsOf(block);
  for (cEdChara& chara : m_vStageChara) ValidatePaletteRefsOf(chara);
  for (cEdItem& item : m_vStageItem) ValidatePaletteRefsOf(item);
  ValidateLayer(m_vBlockLayer, [](cEdBlock& cell) { ValidatePaletteRefsOf(cell); });
  ValidateLayer(m_vCharaLayer, [](cEdChara& cell) { ValidatePaletteRefsOf(cell); });
  ValidateLayer(m_vItemLayer, [](cEdItem& cell) { ValidatePaletteRefsOf(cell); });
}

// Changes reach the map through the stage palette too, so both kinds of follower are resolved.
void cStageDoc::RefreshBlocksFromCommon() {
  cPaletteListsScope own(kPaletteStage, StagePalette());
  ResolveEntries(m_vStageBlock, kPaletteCommon);
  Resolve(m_vBlockLayer, kPaletteCommon);
  Resolve(m_vBlockLayer, kPaletteStage);
}
void cStageDoc::RefreshCharasFromCommon() {
  cPaletteListsScope own(kPaletteStage, StagePalette());
  ResolveEntries(m_vStageChara, kPaletteCommon);
  Resolve(m_vCharaLayer, kPaletteCommon);
  Resolve(m_vCharaLayer, kPaletteStage);
}
void cStageDoc::RefreshItemsFromCommon() {
  cPaletteListsScope own(kPaletteStage, StagePalette());
  ResolveEntries(m_vStageItem, kPaletteCommon);
  Resolve(m_vItemLayer, kPaletteCommon);
  Resolve(m_vItemLayer, kPaletteStage);
}
void cStageDoc::RefreshBlocksFromStage() {
  cPaletteListsScope own(kPaletteStage, StagePalette());
  Resolve(m_vBlockLayer, kPaletteStage);
}
void cStageDoc::RefreshCharasFromStage() {
  cPaletteListsScope own(kPaletteStage, StagePalette());
  Resolve(m_vCharaLayer, kPaletteStage);
}
void cStageDoc::RefreshItemsFromStage() {
  cPaletteListsScope own(kPaletteStage, StagePalette());
  Resolve(m_vItemLayer, kPaletteStage);
}

void cStageDoc::ResolveLayers(int flags) {
  cPaletteListsScope own(kPaletteStage, StagePalette());
  for (int palette : {kPaletteCommon, kPaletteStage}) {
    if (flags & 1) Resolve(m_vBlockLayer, palette);
    if (flags & 2) Resolve(m_vCharaLayer, palette);
    if (flags & 4) Resolve(m_vItemLayer, palette);
  }
}

void cStageDoc::FindPlayer(int& x, int& y) const {
  x = y = -1;
  m_vCharaLayer.ForEachStored([&](int i, const cEdChara& cell) {
    int column = i & (m_nPitch - 1);
    if (x < 0 && column < m_nWidth && IsPlayer(cell)) {
      x = column;
      y = i >> m_nPitch_Shift;
    }
  });
}

int cStageDoc::HasPlayer() const {
  int x, y;
  FindPlayer(x, y);
  return x >= 0 ? 1 : 0;
}

void cStageDoc::PutChara(int index, cEdChara& chara) {
  // A placed character never takes its control kind and player number from a palette.
  if (chara.m_bbInherit.size() > 1) chara.m_bbInherit[1] = 0;
  bool cellPlayer = m_vCharaLayer.Get(index).m_cControl == 0;
  bool newPlayer = chara.m_cControl == 0;
  if (cellPlayer && !newPlayer) {
    // The player standing here moves to the first free cell, or to cell 0 when there is none.
    cEdChara player = m_vCharaLayer.Get(index);
    int target = 0;
    for (int y = 0, found = 0; y < m_nHeight && !found; ++y)
      for (int x = 0; x < m_nWidth && !found; ++x) {
        int i = CellIndex(x, y);
        if (i != index && m_vCharaLayer.Get(i).m_nGraphic == 0) target = i, found = 1;
      }
    m_vCharaLayer.At(target) = player;
  } else if (newPlayer && !cellPlayer) {
    // The new player replaces the old one, which becomes the stage palette's empty character.
    for (int y = 0, found = 0; y < m_nHeight && !found; ++y)
      for (int x = 0; x < m_nWidth && !found; ++x) {
        int i = CellIndex(x, y);
        if (m_vCharaLayer.Get(i).m_cControl != 0) continue;
        m_vCharaLayer.At(i) = m_vStageChara.empty() ? cEdChara() : m_vStageChara[0];
        found = 1;
      }
  }
  m_vCharaLayer.At(index) = chara;
}

void cStageDoc::RemoveExtraPlayers() {
  std::vector<int> players;
  m_vCharaLayer.ForEachStored([&](int i, const cEdChara& cell) {
    if ((i & (m_nPitch - 1)) < m_nWidth && IsPlayer(cell)) players.push_back(i);
  });
  for (size_t k = 0; k + 1 < players.size(); ++k) m_vCharaLayer.At(players[k]) = cEdChara();
}

int cStagePaletteFile::Read(const char* path) {
  cReadStream* stream = OpenDataFileRead(path);
  if (!stream) return 0;
  {
    // The entries check their references against the lists being read.
    cPaletteListsScope loading(kPaletteStage, {&m_vBlock, &m_vChara, &m_vItem});
    cDataRecord::LoadList(m_vBlock, *stream) && cDataRecord::LoadList(m_vChara, *stream) &&
        cDataRecord::LoadList(m_vItem, *stream);
  }
  bool ok = !stream->Failed();
  CloseDataFile(stream);
  return ok ? 1 : 0;
}

int cStageDoc::LoadStagePalette(const char* path) {
  cStagePaletteFile file;
  if (!file.Read(path)) return 0;
  TakeStagePalette(file);
  return 1;
}

void cStageDoc::TakeStagePalette(cStagePaletteFile& file) {
  m_vStageBlock.swap(file.m_vBlock);
  m_vStageChara.swap(file.m_vChara);
  m_vStageItem.swap(file.m_vItem);
  {
    // Code that copies entry 0 or 1 of a stage palette list may count on them.
    cPaletteListsScope own(kPaletteStage, StagePalette());
    FillShortList(m_vStageBlock);
    FillShortList(m_vStageChara);
    FillShortList(m_vStageItem);
  }
  RefreshBlocksFromStage();
  RefreshCharasFromStage();
  RefreshItemsFromStage();
}

int cStageDoc::SaveStagePalette(const char* path) {
  cWriteStream* stream = OpenDataFileWrite(path);
  if (!stream) return 0;
  SaveList(m_vStageBlock, *stream);
  SaveList(m_vStageChara, *stream);
  SaveList(m_vStageItem, *stream);
  return CloseDataFile(stream);
}
