#include "database/DbPageRules.h"

#include <algorithm>
#include <cstdio>

#include "app/DataFile.h"
#include "app/MessageBox.h"
#include "app/PathUtil.h"
#include "app/cBgmManager.h"
#include "app/cMciSound.h"
#include "app/cVector.h"

const cBrowseForm kCharaExcBrowse = {"bmp\\chara_sp\\", "専用bmpの選択", "BitmapFile ( *.bmp )\0*.bmp\0", "bmp"};
const cBrowseForm kSwordBrowse = {"bmp\\sword\\", "ビットマップの選択", "BitmapFile ( *.bmp )\0*.bmp\0", "bmp"};
const cBrowseForm kEffectBrowse = {"bmp\\effect\\", "ビットマップの選択", "BitmapFile ( *.bmp )\0*.bmp\0", "bmp"};
const cBrowseForm kPictureBrowse = {"bmp\\picture\\", "ビットマップの選択", "BitmapFile ( *.bmp )\0*.bmp\0", "bmp"};
const cBrowseForm kSoundBrowse = {"wave", "効果音の選択", "WaveFile ( *.wav )\0*.wav\0", "wav"};
const cBrowseForm kBgmBrowse = {"bgm\\", "BGMの選択", "BgmFile ( *.mid;*.ogg )\0*.mid;*.ogg\0", "mid;ogg"};

int AcceptBrowsedFile(cString& path) {
  cString relative = path;
  if (!MakeRelativePath(relative)) return 0;
  path = relative;
  return 1;
}

int FollowFileName(int32_t sameAsFileName, const cString& path, cString& name) {
  if (!sameAsFileName) return 1;
  cString fileName = path;
  FileNameOfPath(fileName);
  if (RemoveExtension(fileName)) name = fileName;
  return 0;
}

cGraphicRule GraphicRuleOf(int kind, int charaExcCount) {
  const int32_t kSheetCells = 119;
  cGraphicRule rule;
  rule.m_nNumberMax = kSheetCells;
  rule.m_bPickerEnabled = 1;
  if (kind == kGraphicKindChara) {
    rule.m_bStartCellEnabled = 1;
    rule.m_nStartCellMax = 19;
  } else if (kind == kGraphicKindDedicated) {
    rule.m_bStartCellEnabled = 1;
    rule.m_nStartCellMax = 239;
    // Entry 0 of the dedicated bitmaps stands for none; a table of one still allows number 1.
    rule.m_nNumberMax = std::max(charaExcCount - 1, 1);
    rule.m_bPickerEnabled = 0;
  }
  return rule;
}

void ApplyGraphicKind(cAnimeData& anime, int charaExcCount) {
  cGraphicRule rule = GraphicRuleOf(anime.m_cGraphicSheet, charaExcCount);
  anime.m_nGraphic = static_cast<int16_t>(std::clamp<int32_t>(anime.m_nGraphic, 1, rule.m_nNumberMax));
  if (rule.m_bStartCellEnabled)
    anime.m_nStartCell = static_cast<int16_t>(std::clamp<int32_t>(anime.m_nStartCell, 0, rule.m_nStartCellMax));
}

const cNumField<cSwordPosData> kSwordPosFields[kSwordPosFieldCount] = {
    {1040, 1045, &cSwordPosData::m_nOffsetX, -320, 320, kNoGroup},
    {1048, 1049, &cSwordPosData::m_nOffsetY, -240, 240, kNoGroup},
    {11210, 11212, &cSwordPosData::m_nWidth, 0, 640, kNoGroup},
    {11211, 11166, &cSwordPosData::m_nHeight, 0, 480, kNoGroup},
    {1216, 1217, &cSwordPosData::m_nSrcX, 0, 639, kNoGroup},
    {1218, 1219, &cSwordPosData::m_nSrcY, 0, 479, kNoGroup},
    {1113, 1114, &cSwordPosData::m_nTime, 0, 999, kNoGroup},
};
// "右向きなら反転" beside each offset.
const cCheckField<cSwordPosData, int32_t> kSwordPosChecks[2] = {
    {1053, &cSwordPosData::m_bFlipX, kNoGroup},
    {1055, &cSwordPosData::m_bFlipY, kNoGroup},
};
const cComboField<cSwordPosData> kSwordPosCombos[1] = {
    {kIdcSwordDirection, &cSwordPosData::m_nDirection, SwordDirNames, 0, kNoGroup},
};

const cNumField<cEffectFrameData> kEffectFrameFields[2] = {
    {1202, 1203, &cEffectFrameData::m_nCell, 0, 640, kNoGroup},
    {1204, 1205, &cEffectFrameData::m_nTime, 0, 999, kNoGroup},
};

const cNumField<cAnimeFrameData> kAnimeFrameFields[2] = {
    {1202, 1203, &cAnimeFrameData::m_nCell, 0, 299, kNoGroup},
    {1204, 1205, &cAnimeFrameData::m_nTime, 1, 9999, kNoGroup},
};
// "コマンドを実行する"
const cCheckField<cAnimeFrameData, int32_t> kAnimeFrameRunCheck[1] = {
    {1201, &cAnimeFrameData::m_bRunCommand, kNoGroup},
};

const cNumField<cEffectData> kEffectCellFields[2] = {
    {11210, 11212, &cEffectData::m_nCellWidth, 1, 640, kNoGroup},
    {11211, 11166, &cEffectData::m_nCellHeight, 1, 480, kNoGroup},
};
// "巨大化を許可"
const cCheckField<cEffectData, int32_t> kEffectChecks[1] = {
    {1225, &cEffectData::m_bAllowGiant, kNoGroup},
};

// "飛行時のコマのズレ", "無敵時のコマのズレ", "ブロック時のコマのズレ"
const cNumField<cAnimeSetData> kAnimeSetShiftFields[3] = {
    {1201, 1202, &cAnimeSetData::m_nShiftFly, 0, 999, kNoGroup},
    {1199, 1200, &cAnimeSetData::m_nShiftInvincible, 0, 999, kNoGroup},
    {1263, 1264, &cAnimeSetData::m_nShiftBlock, 0, 999, kNoGroup},
};

int PlayBgmPreview(const cString& path) {
  if (path.IsEmpty()) return 1;
  g_BgmManager.SetSlotFile(0, path.GetStr());
  if (g_BgmManager.Play(0, 0, 1, 1)) return 1;
  ErrorBox("読み込み失敗！");
  return 0;
}

void PlaySoundPreview(const cString& path) {
  if (path.IsEmpty()) return;
  // The player may change the extension of the path it is given: it gets a copy.
  char file[kMaxPath];
  std::snprintf(file, sizeof file, "%s", path.GetStr());
  if (!PlaySoundFile(g_MciSound, 0, file, 0)) ErrorBox("読み込み失敗！");
}
