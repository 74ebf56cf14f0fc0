// The stage settings sheet's pages, the background dialog and the new-stage dialog as a table: the
// stage (or the remembered choices) seeded with every field at an end of its own range, each way it
// comes to be shown, each store the user then triggers; the record must come out byte for byte as
// it was stored.
#include <string>

#include "stage/cNewStage.h"
#include "stage/win/FieldBinding.h"
#include "stage/win/cDlgBackground.h"
#include "tests/stage/PaletteTest.h"
#include "tests/stage/win/PaletteWndTest.h"
#include "tests/stage/win/StageSettingsTest.h"
#include "tests/support/win/DialogItems.h"
#include "tests/support/win/ShownRecordInput.h"
#include "tests/support/win/UserInput.h"

namespace {

// The last row of a name table that ends with an empty entry.
int32_t LastRowOf(const cString* rows) {
  int32_t count = 0;
  while (!rows[count].IsEmpty()) ++count;
  return count - 1;
}

// Each number at the upper end of its range, or at the lower one.
template <class R, size_t N>
void SeedNumbers(const cNumField<R> (&fields)[N], R& record, bool upper) {
  for (const cNumField<R>& field : fields) *IntMemberOf(record, field.m_Member) = upper ? field.m_nMax : field.m_nMin;
}
// Each combo on its last row.
template <class R, size_t N>
void SeedCombos(const cComboField<R> (&fields)[N], R& record) {
  for (const cComboField<R>& field : fields)
    *IntMemberOf(record, field.m_Member) = LastRowOf(field.m_pRows) + field.m_nOffset;
}

class ShownStageRecordsTest : public StageSettingsTest {
protected:
  // The stage with every field at the upper end of its range, or at the lower one.
  static void SeedStage(bool upper) {
    cStageDoc& stage = g_StageDoc;
    stage.SetSize(kNewSizeMax, kNewSizeMax, 0, 0);
    SeedNumbers(kStageBasicNumFields, stage, upper);
    SeedNumbers(kStageAdvNumFields, stage, upper);
    SeedCombos(kStageBasicComboFields, stage);
    SeedCombos(kStageBasicAnchorFields, EditConfig);
    SeedCombos(kStageAdvComboFields, stage);
    SeedCombos(kHitBoxShowFields, stage);
    SeedCombos(kHitBoxColorFields, stage);
    stage.m_nHitPlBlockShow = 0;  // its colour combo disabled over the colour it keeps
    for (const cHitBoxRow& row : kHitBoxRows) {
      *IntMemberOf(stage, row.m_Width.m_Member) = upper ? row.m_Width.m_nMax : row.m_Width.m_nMin;
      *IntMemberOf(stage, row.m_Height.m_Member) = upper ? row.m_Height.m_nMin : row.m_Height.m_nMax;
      if (row.m_nPosId) stage.*row.m_pPos = LastRowOf(HitBoxPosNames);
    }
    for (const cCheckField<cStageDoc, int32_t>& field : kStageBasicCheckFields) stage.*field.m_pMember = 1;
    stage.m_bLimitLeft = 0;  // its edit disabled over the limit it keeps
    for (const cCheckField<cStageDoc, int32_t>& field : kStageAdvCheckFields) stage.*field.m_pMember = 1;
    for (int32_t& item : stage.m_vRankingItem) item = 1;  // kept while "no clear wait" disables them
    for (int rule = 0; rule < kVanishRuleCount; ++rule) {
      cAutoVanishData& vanish = stage.m_aAutoVanish[rule];
      for (const cCheckField<cAutoVanishData, int32_t>& field : kVanishCheckFields) vanish.*field.m_pMember = rule % 2;
      SeedNumbers(kVanishMarginFields, vanish, upper);
    }
    stage.m_strName = FullText("面", kStageNameBytes / 2, 1);
    stage.m_dGravity = upper ? 1.0 : 0.1;
    stage.m_nBgm = 2;  // the last of the BGM table's three rows; one beyond is cleared when loaded
    stage.m_vBackground.clear();
    stage.m_vBackground.push_back(ColourBackground());
    stage.m_vBackground.push_back(PictureBackground());
  }

  // A colour background whose picture fields (disabled meanwhile) hold the ends of their ranges,
  // and a picture background after it whose colour lies at the other end.
  static cBackgroundData ColourBackground() {
    cBackgroundData colour;
    colour.m_bShowFromStart = 1;
    colour.m_bUseColor = 1;
    colour.m_nColor = 207;
    colour.m_bFront = 1;
    colour.m_dScrollX = -640.0;
    colour.m_dScrollY = 480.0;
    colour.m_bAutoScrollX = 1;
    colour.m_bAutoScrollY = 1;
    colour.m_strPicture = FullText("", kBgPictureBytes - 1, 0);
    return colour;
  }
  static cBackgroundData PictureBackground() {
    cBackgroundData picture;
    picture.m_nColor = 16;
    picture.m_dScrollX = 640.0;
    picture.m_dScrollY = -480.0;
    picture.m_strPicture = FullText("", kBgPictureBytes - 1, 0);
    return picture;
  }

  static Bytes Stored() { return Cat({RecordBytes(g_StageDoc), RecordBytes(EditConfig)}); }

  // The page made current, as a click on its tab does, the sheet in front.
  HWND ShowPage(int page) {
    HWND window = Page(page);
    SetForegroundWindow(m_pSettings->m_hWndSheet);
    PumpFor(20, &m_List);
    return window;
  }
  HWND Backgrounds() { return GetDlgItem(ShowPage(0), kIdcBasicBackgrounds); }

  void OpenSheet() {
    Open();
    ASSERT_NE(m_pSettings->m_hWndSheet, nullptr);
  }
  void CloseSheet() {
    if (m_pSettings && m_pSettings->m_hWndSheet) Finish(PSBTN_CANCEL);
    delete m_pSheet;  // a sheet the list did not end
    m_pSheet = nullptr;
    m_pSettings = nullptr;
  }

  void PressApply() {
    Apply();
    PumpFor(20, &m_List);
  }

  // The stores of the sheet: Apply, a change of tab and Apply, typing in the stage's name and OK, OK.
  std::vector<cShownRecordStep> SheetStores(int page) {
    int next = (page + 1) % 3;
    return {{"Apply", [this] { PressApply(); }},
            {"a change of tab, then Apply",
             [this, next] {
               ShowPage(next);
               PressApply();
             }},
            {"typing in the stage's name, then OK",
             [this] {
               RetypeLastChar(ShowPage(0), kIdcBasicName, &m_List);
               Finish(PSBTN_OK);
             }},
            {"OK", [this] { Finish(PSBTN_OK); }}};
  }

  cShownRecordRow PageRow(int page, const char* name) {
    int next = (page + 1) % 3;
    std::vector<cShownRecordStep> showings = {
        {"the tab shown", [this, page] { ShowPage(page); }},
        {"the tab shown again after the next one",
         [this, page, next] {
           ShowPage(page);
           ShowPage(next);
           ShowPage(page);
         }}};
    if (page == 0) {
      showings.push_back({"a click on the picture background's row",
                          [this] { ClickListBoxRow(Backgrounds(), 1, VK_LBUTTON, &m_List); }});
      showings.push_back({"keys Down and Up in the background list",
                          [this] {
                            FocusItem(ShowPage(0), kIdcBasicBackgrounds);
                            for (WORD key : {VK_DOWN, VK_UP}) PressKey(key, false, &m_List);
                          }});
      showings.push_back({"a background copied, pasted and deleted",
                          [this] {
                            ClickListBoxRow(Backgrounds(), 0, VK_LBUTTON, &m_List);
                            PressKeyWith(VK_CONTROL, 'C', &m_List);
                            PressKeyWith(VK_CONTROL, 'V', &m_List);
                            EXPECT_EQ(SendMessageA(Backgrounds(), LB_GETCOUNT, 0, 0), 4) << "three and the extra row";
                            PressKey(VK_DELETE, false, &m_List);
                          }});
      showings.push_back({"a dismissed popup menu on the picture background's row",
                          [this] { DismissPopupOnRow(ShowPage(0), kIdcBasicBackgrounds, 1, &m_List); }});
    }
    return {name, [this] { OpenSheet(); }, showings, SheetStores(page), Stored, [this] { CloseSheet(); }};
  }

  // The background dialog on a row of the basic page's list, run by a click on the row and its
  // button "編集"; its OK, then the sheet's store.
  cShownRecordRow BackgroundRow() {
    cModalScript& s = m_Script;
    auto run = [this] {
      ClickListBoxRow(Backgrounds(), m_nBackground, VK_LBUTTON, &m_List);
      SendItemCommand(ShowPage(0), kIdcBasicBgEdit);
    };
    auto thenSheet = [](cShownRecordStep dialog, const char* sheet, std::function<void()> store) {
      return cShownRecordStep{dialog.m_strName + ", then " + sheet, [dialog, store] {
                                dialog.m_fnRun();
                                store();
                              }};
    };
    auto typing = [this](HWND d) {
      EXPECT_EQ(IsDlgButtonChecked(d, kIdcBgUseColor), m_nBackground ? BST_UNCHECKED : BST_CHECKED)
          << "the row's background";
      RetypeLastChar(d, m_nBackground ? kIdcBgPicture : kIdcBgColor);
      ClickItem(d, kIdcOk);
    };
    auto ok = [](HWND d) { ClickItem(d, kIdcOk); };
    auto sheetOk = [this] { Finish(PSBTN_OK); };
    auto apply = [this] { PressApply(); };
    return {"cDlgBackground",
            [this, &s] {
              s.Reset();
              OpenSheet();
            },
            {{"the colour background's row edited", [this] { m_nBackground = 0; }},
             {"the picture background's row edited after a click on the colour background's",
              [this] {
                ClickListBoxRow(Backgrounds(), 0, VK_LBUTTON, &m_List);
                m_nBackground = 1;
              }}},
            {thenSheet(s.Store("typing in the colour or the picture, then OK", typing, run), "the sheet's OK",
                       sheetOk),
             thenSheet(s.Store("OK", ok, run), "the sheet's OK", sheetOk),
             thenSheet(s.Store("OK", ok, run), "Apply", apply)},
            Stored,
            [this] { CloseSheet(); }};
  }

  int m_nBackground = 0;
  cModalScript m_Script;
};

TEST_F(ShownStageRecordsTest, ShowingTheStageSettingsKeepsTheStage) {
  for (bool upper : {true, false}) {
    SCOPED_TRACE(upper ? "the upper ends" : "the lower ends");
    SeedStage(upper);
    for (const cShownRecordRow& row :
         {PageRow(0, "cStagePageBasic"), PageRow(1, "cStagePageAdvanced"), PageRow(2, "cStagePageAdvanced2")})
      ExpectShowingKeepsTheRecord(row);
  }
}

TEST_F(ShownStageRecordsTest, ShowingABackgroundKeepsTheStage) {
  SeedStage(true);
  ExpectShowingKeepsTheRecord(BackgroundRow());
}

// The new-stage dialog over the choices the editor configuration remembers: a template's older
// version and a stage palette file, the last of the palette sources.
class ShownNewStageChoicesTest : public PaletteWndTest {
protected:
  void SetUp() override {
    PaletteWndTest::SetUp();
    cStageDoc stage;
    stage.SetSize(kStageMinWidth, kStageMinHeight, 0, 0);
    ASSERT_TRUE(stage.SaveFile("data\\stg4\\T.stg4_123"));
    stage.m_vStageBlock = {Named<cEdBlock>("f0"), Named<cEdBlock>("f1")};
    ASSERT_TRUE(stage.SaveStagePalette("data\\plt4\\P.plt4"));
    OpenPalettes();
    EditConfig.m_strNewStageTemplate = "data\\stg4\\T.stg4_123";
    EditConfig.m_nNewStagePaletteSource = kNewPaletteOfFile;
    EditConfig.m_strNewStagePaletteFile = "data\\plt4\\P.plt4";
  }

  cShownRecordRow NewStageRow() {
    cModalScript& s = m_Script;
    auto run = [this] { Command(40079); };
    return {"cDlgNewStage",
            [&s] { s.Reset(); },
            {s.Step("the first showing", [](HWND) {})},
            {s.Store("typing in the template's path, then OK",
                     [](HWND d) {
                       RetypeLastChar(d, kIdcNewStageTemplatePath);
                       ClickItem(d, kIdcOk);
                     },
                     run),
             s.Store("typing in the palette file's path, then OK",
                     [](HWND d) {
                       RetypeLastChar(d, kIdcNewStagePalettePath);
                       ClickItem(d, kIdcOk);
                     },
                     run),
             s.Store("OK", [](HWND d) { ClickItem(d, kIdcOk); }, run)},
            [] { return RecordBytes(EditConfig); },
            // The main loop's turn: the editor rebuilt over the new stage before the next command.
            [this] { Pump(); }};
  }

  cModalScript m_Script;
  cBoxAnswerer m_Boxes;  // yes, the open stage may go
};

TEST_F(ShownNewStageChoicesTest, ShowingTheNewStageChoicesKeepsThem) {
  ExpectShowingKeepsTheRecord(NewStageRow());
  EXPECT_EQ(m_Boxes.Seen().size(), 3u) << "each OK asked before the open stage went, and nothing failed";
}

}  // namespace
