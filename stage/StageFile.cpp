#include "stage/StageFile.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "app/DataFile.h"
#include "app/DataPaths.h"
#include "app/FileCalls.h"
#include "app/MessageBox.h"
#include "app/PathUtil.h"
#include "app/cApplication.h"
#include "model/Inheritance.h"
#include "stage/cStageEditState.h"

namespace {

// The fewest bytes a stored cell takes: its index and the record.
template <class T>
constexpr size_t kStoredCell = 4 + cStoredSize<T>::kMin;

// The folder of the stages whose safety copies keep their plain file names.
const char kStageFolder[] = "data\\stg4\\";
constexpr int kMostBrokenFiles = 999;

// A file name that earlier saves gave a stage of kStageFolder: no folder in it, and no '~' first,
// which begins every other copy's name.
bool IsPlainName(const char* name) {
  if (!*name || *name == '~') return false;
  for (const char* at = name; *at; ++at) {
    if (IsDoubleByteChar(at)) ++at;
    else if (*at == '\\' || *at == '/' || *at == ':') return false;
  }
  return true;
}

// The whole path in one file name: each '~', separator and colon becomes '~' and a letter, so that
// two paths never give the same name.
cString EscapedPath(const char* path) {
  cString name;
  for (const char* at = path; *at; ++at) {
    if (IsDoubleByteChar(at)) {
      name.append(at, 2);
      ++at;
      continue;
    }
    switch (*at) {
      case '~': name.append("~t"); break;
      case '\\': name.append("~b"); break;
      case '/': name.append("~f"); break;
      case ':': name.append("~c"); break;
      default: name.push_back(*at);
    }
  }
  return name;
}

// A free name beside a broken file that says what it holds: path.broken, then path.broken2 on.
int BrokenFileName(const char* path, cString& name) {
  for (int number = 1; number <= kMostBrokenFiles; ++number) {
    if (number == 1) name.Format("%s.broken", path);
    else name.Format("%s.broken%d", path, number);
    if (!PathExists(name.GetStr())) return 1;
  }
  return 0;
}

int ReportStageSaveFailure(const char* path) {
  ErrorBoxF("ステージファイル %s の保存に失敗しました！\n保存前のファイルはそのまま残っています。", path);
  return 0;
}

// Copies a file through a temporary beside the target; 1 when the whole copy is in place.
int CopyFileBytes(const char* target, const char* source) {
  cReadStream in;
  if (!in.OpenFile(source)) return 0;
  cWriteStream out;
  if (!out.OpenFile(target)) return 0;
  std::vector<char> buffer(1 << 16);
  for (size_t left = in.Size(); left > 0;) {
    size_t part = std::min(left, buffer.size());
    if (!in.Read(buffer.data(), part)) return 0;
    out.Write(buffer.data(), part);
    left -= part;
  }
  return out.Commit();
}

// 0 only for a file of a version that the check covers (174 on) which does not end with the marker.
int PassesEndMarkerCheck(const char* path) {
  cReadStream* stream = OpenDataFileRead(path);
  if (!stream) return 1;
  uint32_t marker = kStageEndMarker;
  if (VersionRead() >= 174 &&
      (stream->Size() < 8 || !stream->Skip(stream->Size() - 8) || !stream->ReadU32(marker)))
    marker = 0;
  CloseDataFile(stream);
  return marker == kStageEndMarker;
}

}  // namespace

cString SafetyCopyPath(const char* path) {
  cString stage = WithoutDotFolder(path);
  cString copy(g_DataPaths[kPathWork]);
  const size_t folder = sizeof kStageFolder - 1;
  if (stage.compare(0, folder, kStageFolder) == 0 && IsPlainName(stage.GetStr() + folder)) {
    copy.append(stage, folder, cString::npos);
    return copy;
  }
  copy.push_back('~');
  copy.append(EscapedPath(stage.GetStr()));
  return copy;
}

int MoveFileOver(const char* target, const char* source) {
  if (!CanReplaceFile(HostPath(target).c_str())) return 0;
  if (ReplaceFileWith(HostPath(target).c_str(), HostPath(source).c_str())) return 1;
  return CopyFileBytes(target, source) && DeletePath(source);
}

int CheckStageFile(const char* path) {
  if (PassesEndMarkerCheck(path)) return 1;
  cString copy = SafetyCopyPath(path);
  // Only the copy made from this very file may take its place; without one the file stays for the user.
  if (!FileExists(copy.GetStr())) {
    ErrorBoxF("破損ファイル %s を復旧できませんでした！\n「%s」にバックアップファイルがありません。", path,
              g_DataPaths[kPathWork].GetStr());
    return 0;
  }
  // The broken file may hold later work than the copy, all but its last bytes: it stays beside it.
  cString aside;
  if (!BrokenFileName(path, aside) || !CopyFileBytes(aside.GetStr(), path)) {
    ErrorBoxF("破損ファイル %s を復旧できませんでした！\n破損ファイルの控え %s を作成できません。", path, aside.GetStr());
    return 0;
  }
  if (!MoveFileOver(path, copy.GetStr())) {
    DeletePath(aside.GetStr());  // the broken file is still in its place
    ErrorBoxF("破損ファイル %s を復旧できませんでした！\nバックアップファイル %s で置き換えられません。", path, copy.GetStr());
    return 0;
  }
  cString text;
  text.Format("破損ファイル %s を復旧しました！\n※ただし、前回の更新内容が保存されていない可能性があります…\n"
              "破損したファイルは %s として残してあります。",
              path, aside.GetStr());
  MessageBoxActive(text.GetStr(), "ファイルの復旧", kMbOk);
  return 1;
}

int BeginStageLoad(const char* path) {
  g_StageDoc.m_strLoadPath = path;
  g_StageDoc.m_bLoadDone = 0;
  return CheckStageFile(g_StageDoc.m_strLoadPath.GetStr());
}

int StageLoadThreadProc(int (*shouldStop)()) {
  int loaded = g_StageDoc.LoadStageFile(g_StageDoc.m_strLoadPath.GetStr(), shouldStop);
  if (loaded) g_StageDoc.m_bLoadDone = 1;
  return loaded;
}

int FinishStageLoad() {
  if (g_StageDoc.m_bLoadDone) return 1;
  const char* path = g_StageDoc.m_strLoadPath.GetStr();
  if (!ReportNewerDataFile(path)) ErrorBoxF("ステージファイル %s の読み込みに失敗しました！", path);
  return 0;
}

int LoadStage(const char* path) {
  if (!BeginStageLoad(path)) return 0;
  StageLoadThreadProc();
  return FinishStageLoad();
}

int SaveStageFile(cStageDoc& stage, const char* path) {
  return stage.SaveFile(path) ? 1 : ReportStageSaveFailure(path);
}

int SaveStageOver(cStageDoc& stage, cStageEditState& state) {
  if (!state.m_bStageModified) return 1;
  cString path = state.m_strStagePath;
  // A file the save may not replace is refused before its safety copy is made.
  if (!CanSaveDataFile(path.GetStr())) return ReportStageSaveFailure(path.GetStr());
  cString copy = SafetyCopyPath(path.GetStr());
  bool hadFile = FileExists(path.GetStr());
  if (hadFile) {
    MakeDirectory(g_DataPaths[kPathWork].GetStr());
    if (!CopyFileBytes(copy.GetStr(), path.GetStr())) {
      ErrorBoxF("バックアップファイル %s を作成できないため、ステージファイル %s を保存しませんでした！", copy.GetStr(),
                path.GetStr());
      return 0;
    }
  }
  if (!SaveStageFile(stage, path.GetStr())) return 0;
  if (hadFile && !DeletePath(copy.GetStr())) DebugBoxF("バックアップファイルの削除に失敗しました！");
  state.m_bStageModified = 0;
  return 1;
}

int cStageDoc::LoadStageFile(const char* path, int (*shouldStop)()) {
  cReadStream* stream = OpenDataFileRead(path);
  if (!stream) return 0;
  std::unique_ptr<cStageDoc> loaded(new cStageDoc);
  loaded->m_nWheelAxis = m_nWheelAxis;
  loaded->m_pfnShouldStop = shouldStop;
  loaded->Load(*stream);
  bool ok = !stream->Failed();
  CloseDataFile(stream);
  if (ok) TakeContentFrom(*loaded);
  return ok ? 1 : 0;
}

void cStageDoc::TakeContentFrom(cStageDoc& loaded) {
  cString loadPath = m_strLoadPath;
  int32_t loadDone = m_bLoadDone;
  int palette = m_nPalette;
  *this = std::move(loaded);
  m_strLoadPath = loadPath;
  m_bLoadDone = loadDone;
  m_nPalette = palette;
  m_pfnShouldStop = nullptr;
}

void cStageDoc::Load(cReadStream& stream) {
  cPaletteListsScope own(kPaletteStage, StagePalette());
  uint32_t version = VersionRead();
  cDataRecord::Load(stream);
  // The size decides every allocation that follows: a damaged one fails the load here.
  if (m_nWidth < 1 || m_nWidth > kMaxStageSize || m_nHeight < 1 || m_nHeight > kMaxStageSize) stream.Fail();
  if (stream.Failed()) return;
  m_vRankingItem.Load(stream);
  // Before 125 a rule held only its left switch: the others start from a new stage's.
  if (version < 125) ResetAutoVanish();
  for (cAutoVanishData& rule : m_aAutoVanish) rule.Load(stream);
  if (!LoadList(m_vStageBlock, stream) || !LoadList(m_vStageChara, stream) || !LoadList(m_vStageItem, stream)) return;
  if (Stopping()) stream.Fail();
  if (!m_vStageBlock.empty()) m_vStageBlock[0] = cEdBlock();
  if (!m_vStageChara.empty()) m_vStageChara[0] = cEdChara();
  if (!m_vStageItem.empty()) m_vStageItem[0] = cEdItem();
  m_vBlockLayer.Release();
  m_vCharaLayer.Release();
  m_vItemLayer.Release();
  SetSize(m_nWidth, m_nHeight, 0, 0);
  if (!LoadLayer(m_vBlockLayer, stream) || !LoadLayer(m_vCharaLayer, stream) || !LoadLayer(m_vItemLayer, stream)) return;
  if (!LoadList(m_vBackground, stream) || !LoadList(m_vStageVarName, stream)) return;
  // The end marker; only the check before loading looks at its value.
  uint32_t marker;
  if (version >= 173) stream.ReadU32(marker);
  if (stream.Failed()) return;
  if (version < kDataVersion) Upgrade(version);
  Normalise(true);
}

template <class T>
int cStageDoc::LoadLayer(cStageLayer<T>& layer, cReadStream& stream) {
  uint32_t count;
  if (!stream.ReadCount(count, kStoredCell<T>)) return 0;
  for (uint32_t k = 0; k < count; ++k) {
    uint32_t index;
    if (!stream.ReadU32(index)) return 0;
    // Only cells of the map: never outside the layer, never a spare column.
    if (index >= static_cast<uint32_t>(layer.Count()) || static_cast<int>(index & (m_nPitch - 1)) >= m_nWidth) {
      stream.Fail();
      return 0;
    }
    layer.At(static_cast<int>(index)).Load(stream);
    if (k % 4096 == 4095 && Stopping()) stream.Fail();
    if (stream.Failed()) return 0;
  }
  return 1;
}

void cStageDoc::Upgrade(uint32_t v) {
  // 155: the flying hit boxes against characters and the positions of those boxes arrived.
  if (v < 155) {
    m_nHitPlFlyCharaW = m_nHitPlWalkCharaW;
    m_nHitPlFlyCharaH = m_nHitPlWalkCharaH;
    m_nHitEnFlyCharaW = m_nHitEnWalkCharaW;
    m_nHitEnFlyCharaH = m_nHitEnWalkCharaH;
    m_nHitPlWalkCharaPos = m_nHitPlFlyCharaPos = m_nHitEnWalkCharaPos = m_nHitEnFlyCharaPos = 0;
  }
  // 166: the BGM loop switch; older stages looped.
  if (v < 166) m_bBgmLoop = 1;
  // 181: remaining HP and SP joined the ranking.
  if (v < 181) {
    m_vRankingItem.resize(5);
    m_vRankingItem[3] = m_vRankingItem[4] = 0;
  }
  // 183, 184: the status window and the clear without waiting.
  if (v < 183) m_bStatusWindow = 1;
  if (v < 184) m_bNoClearWait = 0;
  // 199: keeping an unchanged BGM playing.
  if (v < 199) m_bBgmKeep = 0;
  // 200: hit boxes against blocks, their positions, display and colour.
  if (v < 200) {
    m_nHitPlWalkBlockW = 16, m_nHitPlWalkBlockH = 24, m_nHitPlFlyBlockW = 16, m_nHitPlFlyBlockH = 16;
    m_nHitPlWalkBlockPos = 1, m_nHitPlFlyBlockPos = 0, m_nHitPlBlockShow = 0, m_nHitPlBlockColor = 5;
    m_nHitEnWalkBlockW = 16, m_nHitEnWalkBlockH = 30, m_nHitEnFlyBlockW = 16, m_nHitEnFlyBlockH = 30;
    m_nHitEnWalkBlockPos = 1, m_nHitEnFlyBlockPos = 1;
  }
  // 208: the wheel axis option.
  if (v < 208) m_nWheelAxis = 0;
  // 225: the "READY" picture, which older stages did not show.
  if (v < 225) m_bShowReady = 0;
  // 754: a stage names all of its 1,000 variables.
  if (v < 754) m_vStageVarName.resize(kStageVarCount);
}

void cStageDoc::Save(cWriteStream& stream) {
  Normalise();
  cPaletteListsScope own(kPaletteStage, StagePalette());
  cDataRecord::Save(stream);
  m_vRankingItem.Save(stream);
  for (cAutoVanishData& rule : m_aAutoVanish) rule.Save(stream);
  SaveList(m_vStageBlock, stream);
  SaveList(m_vStageChara, stream);
  SaveList(m_vStageItem, stream);
  SaveLayer(m_vBlockLayer, stream);
  SetHeldItems();
  SaveLayer(m_vCharaLayer, stream);
  SaveLayer(m_vItemLayer, stream);
  SaveList(m_vBackground, stream);
  SaveList(m_vStageVarName, stream);
  stream.WriteU32(kStageEndMarker);
}

template <class T>
void cStageDoc::SaveLayer(cStageLayer<T>& layer, cWriteStream& stream) {
  // Resolved first and counted after, so that the count is exactly the cells written.
  layer.ForEachStored([&](int i, const T& cell) {
    if (cell.m_nGraphic != 0 && InheritanceChanges(cell)) layer.At(i).ApplyInheritance();
  });
  std::vector<int> used;
  layer.ForEachStored([&](int i, const T& cell) {
    if (cell.m_nGraphic != 0 && static_cast<int>(i & (m_nPitch - 1)) < m_nWidth) used.push_back(i);
  });
  stream.WriteU32(static_cast<uint32_t>(used.size()));
  for (int i : used) {
    int16_t x = static_cast<int16_t>(i & (m_nPitch - 1)), y = static_cast<int16_t>(i >> m_nPitch_Shift);
    if (layer.Get(i).m_nCellX != x || layer.Get(i).m_nCellY != y) {
      T& cell = layer.At(i);
      cell.m_nCellX = x;
      cell.m_nCellY = y;
    }
    stream.WriteU32(static_cast<uint32_t>(i));
    // Normalise has validated the cell already, so its own validation in Save changes nothing.
    layer.InPlace(i).Save(stream);
  }
}

void cStageDoc::SetHeldItems() {
  std::vector<int> items;
  m_vItemLayer.ForEachStored([&](int i, const cEdItem& item) {
    if (item.m_nGraphic != 0 && static_cast<int>(i & (m_nPitch - 1)) < m_nWidth) items.push_back(i);
  });
  m_vCharaLayer.ForEachStored([&](int i, const cEdChara& chara) {
    if (chara.m_nGraphic == 0) return;
    auto item = std::lower_bound(items.begin(), items.end(), i);
    bool holds = chara.m_cControl == 1 && chara.m_bHoldItem && item != items.end() && *item == i;
    int32_t held = holds ? static_cast<int32_t>(item - items.begin()) : -1;
    if (chara.m_nHeldItem != held) m_vCharaLayer.At(i).m_nHeldItem = held;
  });
}
