#include "app/win/ProjectSheets.h"

#include "app/MessageBox.h"
#include "app/ProgramPalette.h"
#include "app/ProjectLoad.h"
#include "database/cDatabaseSet.h"
#include "project/cSystemSettings.h"
#include "project/cWorldMapDoc.h"
#include "stage/cStageDoc.h"

namespace {
constexpr int32_t kCellSize = 32;
constexpr int32_t kShotSize = 16;
constexpr int kTransparentEntry = 0;
constexpr int kMaskEntry = 15;
const char* const kPalettePath = "bmp\\plt\\Palette.bmp";
const char* const kSecondPalettePath = "bmp\\plt\\Palette2.bmp";

// One load record per sheet canvas: path, bits, mask, mirror cell width and height, width, height.
// "E" is an empty 8-bit canvas; the two backgrounds take their paths from the documents.
const cBitmapLoadRecord kSheetRecords[kSheetCanvasCount] = {
    {"bmp\\Back.bmp", 0, 0, 0, 0, 0, 0},
    {"bmp\\Block.bmp", 0, 0, 0, 0, 0, 0},
    {"bmp\\Character1.bmp", 0, 1, 0, 0, 0, 0},  {"bmp\\Character1.bmp", 0, 1, 32, 0, 0, 0},
    {"bmp\\Character2.bmp", 0, 1, 0, 0, 0, 0},  {"bmp\\Character2.bmp", 0, 1, 32, 0, 0, 0},
    {"bmp\\Character3.bmp", 0, 1, 0, 0, 0, 0},  {"bmp\\Character3.bmp", 0, 1, 32, 0, 0, 0},
    {"bmp\\Character4.bmp", 0, 1, 0, 0, 0, 0},  {"bmp\\Character4.bmp", 0, 1, 32, 0, 0, 0},
    {"bmp\\Character5.bmp", 0, 1, 0, 0, 0, 0},  {"bmp\\Character5.bmp", 0, 1, 32, 0, 0, 0},
    {"bmp\\Character6.bmp", 0, 1, 0, 0, 0, 0},  {"bmp\\Character6.bmp", 0, 1, 32, 0, 0, 0},
    {"bmp\\Character7.bmp", 0, 1, 0, 0, 0, 0},  {"bmp\\Character7.bmp", 0, 1, 32, 0, 0, 0},
    {"bmp\\Character8.bmp", 0, 1, 0, 0, 0, 0},  {"bmp\\Character8.bmp", 0, 1, 32, 0, 0, 0},
    {"bmp\\Item.bmp", 0, 1, 0, 0, 0, 0},
    {"bmp\\Item_Mini.bmp", 0, 1, 0, 0, 0, 0},
    {"bmp\\Shot.bmp", 0, 1, 0, 0, 0, 0},        {"bmp\\Shot.bmp", 0, 1, 16, 0, 0, 0},
    {"bmp\\Mark.bmp", 0, 1, 0, 0, 0, 0},
    {"bmp\\WorldBack.bmp", 0, 0, 0, 0, 0, 0},
    {"bmp\\WorldMapChip.bmp", 0, 1, 0, 0, 0, 0},
    {"bmp\\WorldEvent.bmp", 0, 1, 0, 0, 0, 0},
    {"bmp\\Symbol.bmp", 0, 1, 0, 0, 0, 0},
    {"bmp\\Accessory.bmp", 0, 1, 0, 0, 0, 0},
    {"E", 8, 1, 0, 0, 256, 480}, {"E", 8, 1, 0, 0, 256, 480}, {"E", 8, 1, 0, 0, 256, 480},
    {"E", 8, 1, 0, 0, 256, 480}, {"E", 8, 1, 0, 0, 256, 480},
};

bool IsBackground(int sheet) { return sheet == kSheetBack || sheet == kSheetWorldBack; }

// A whole sheet copied to the top-left corner of another (through its mask when it has one).
void CopySheet(cCanvas& target, const cCanvas& source) {
  target.Blit(0, 0, source.Width(), source.Height(), source, 0, 0, 0);
}
}  // namespace

int LoadProject() {
  if (!LoadProjectDocuments() || !LoadProgramPalettes()) return 0;
  cString stageBackground;
  if (g_StageDoc.m_vBackground.Count()) stageBackground = g_StageDoc.m_vBackground[0].m_strPicture;
  if (!LoadSheetCanvases(stageBackground, g_WorldMap.m_strBackImage)) return 0;
  ComposeOverviewSheets();
  if (!RebuildCharaBitmaps(g_vCharaExcCanvas, g_DatabaseSet.m_vCharaExc)) return 0;
  ForgetOpenStage();
  return 1;
}

int LoadProgramPalettes() {
  if (!LoadProgramPalette(kPalettePath)) {
    ErrorBoxF("パレットの生成に失敗！\n%s が見つかりません！", kPalettePath);
    return 0;
  }
  SetTransparentColour(g_ProgramPalette.m_Pal[kTransparentEntry]);
  SetOpaqueMaskColour(g_ProgramPalette.m_Pal[kMaskEntry]);
  if (!ReadBmpPalette(g_aSecondPalette, kSecondPalettePath)) {
    ErrorBoxF("パレットの生成に失敗！\n%s が見つかりません！", kSecondPalettePath);
    return 0;
  }
  // The settings page names the three bytes red, green and blue; pixels are keyed in that colour.
  cColourEntry key;
  key.m_nRed = g_SystemSettings.m_byTransR;
  key.m_nGreen = g_SystemSettings.m_byTransG;
  key.m_nBlue = g_SystemSettings.m_byTransB;
  SetTrueColourKey(key);
  return 1;
}

int LoadSheetCanvases(const cString& stageBackground, const cString& worldBackground) {
  for (int sheet = 0; sheet < kSheetCanvasCount; ++sheet) {
    cCanvas& canvas = g_aSheetCanvas[sheet];
    cBitmapLoadRecord record = kSheetRecords[sheet];
    if (IsBackground(sheet)) {
      const cString& path = sheet == kSheetBack ? stageBackground : worldBackground;
      canvas.Destroy();
      if (path.IsEmpty()) continue;
      lstrcpynA(record.m_szPath, path.GetStr(), sizeof record.m_szPath);
    }
    if (canvas.LoadBitmap(record) || IsBackground(sheet)) continue;
    ErrorBoxF("%s が読み込めません！", record.m_szPath);
    return 0;
  }
  return 1;
}

void ComposeOverviewSheets() {
  const COLORREF black = RGB(0, 0, 0);
  CopySheet(g_aSheetCanvas[kSheetOverviewBlock], g_aSheetCanvas[kSheetBlock]);

  cCanvas& charas = g_aSheetCanvas[kSheetOverviewChara];
  charas.Fill(black);
  for (int j = 0; j < 8; ++j) {
    const cCanvas& sheet = g_aSheetCanvas[kSheetChara + 2 * j];
    charas.Blit(kCellSize * j, 0, kCellSize, sheet.Height(), sheet, 0, 0, 0);
  }

  cCanvas& items = g_aSheetCanvas[kSheetOverviewItem];
  const cCanvas& itemSheet = g_aSheetCanvas[kSheetItem];
  items.Fill(black);
  for (int j = 0; j < 8; ++j)
    items.Blit(kCellSize * j, 0, kCellSize, itemSheet.Height(), itemSheet, 2 * kCellSize * j, 0, 0);

  // Each source column of 30 shots becomes two columns of 15, one shot centred in each cell.
  cCanvas& shots = g_aSheetCanvas[kSheetOverviewShot];
  const cCanvas& shotSheet = g_aSheetCanvas[kSheetShot];
  shots.Fill(black);
  for (int j = 0; j < 4; ++j)
    for (int k = 0; k < 30; ++k)
      shots.Blit((k / 15) * kCellSize + 2 * kCellSize * j + 8, (k % 15) * kCellSize + 8, kShotSize, kShotSize,
                 shotSheet, kCellSize * j, kShotSize * k, 0);

  cCanvas& marks = g_aSheetCanvas[kSheetOverviewMark];
  marks.Fill(black);
  CopySheet(marks, g_aSheetCanvas[kSheetMark]);
}

void cCanvasBitmapTarget::Reset(int count) {
  for (cCanvas& canvas : m_vCanvases) canvas.Destroy();
  m_vCanvases.resize(static_cast<size_t>(count));
}

int cCanvasBitmapTarget::Load(int picture, const char* path, int32_t mirrorWidth) {
  return m_vCanvases.At(picture).LoadBitmap(path, 8, 1, mirrorWidth, 0);
}

int RebuildCharaBitmaps(cVector<cCanvas>& canvases, const cVector<cCharaExcData>& table) {
  cCanvasBitmapTarget target(canvases);
  return RebuildCharaBitmaps(target, table);
}
