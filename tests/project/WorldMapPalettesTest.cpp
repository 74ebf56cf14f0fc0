#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/cEditConfig.h"
#include "project/cWorldMapPalettes.h"
#include "tests/support/TestSupport.h"

namespace {

// The world event dialog answering from a queue; OK renames the event as a user would.
class cAnsweringView : public cWorldMapView {
public:
  cWorldMapEditor* m_pEditor = nullptr;
  std::vector<int> m_vAnswers;
  std::vector<int> m_vFlags;
  int RunEventDialog(cWorldEvent& event, int runFlags) override {
    m_vFlags.push_back(runFlags);
    int ok = m_vAnswers.empty() ? 1 : m_vAnswers.front();
    if (!m_vAnswers.empty()) m_vAnswers.erase(m_vAnswers.begin());
    if (ok) {
      cWorldEvent edited = event;
      edited.m_strName = "edited";
      m_pEditor->CommitEventEdit(event, edited);
    }
    return ok;
  }
};

class EventPalette : public ::testing::Test {
protected:
  EventPalette() {
    m_pState->Reset(m_Doc);
    m_View.m_pEditor = &m_Editor;
    m_pState->SetMode(1);
  }
  cVector<cWorldEvent>& Templates() { return m_Doc.m_vTemplate; }

  cFakeShell m_Shell;
  cWorldMapDoc m_Doc;
  std::unique_ptr<cWorldMapEditState> m_pState = std::make_unique<cWorldMapEditState>();
  cEditConfig m_Config;
  int32_t m_bModified = 0;
  cAnsweringView m_View;
  cWorldMapEditor m_Editor{m_Doc, *m_pState, m_Config, m_bModified, m_View};
  cEventPaletteRules m_Palette{m_Editor};
};

}  // namespace

TEST(MapChipPalette, ClickArithmetic) {
  struct cRow {
    int32_t m_nX, m_nY, m_nScrollRow, m_nChip;
  };
  const cRow rows[] = {
      {0, 0, 0, 0}, {31, 31, 0, 0}, {32, 0, 0, 1}, {159, 0, 0, 4}, {0, 32, 0, 5},
      {100, 40, 0, 8}, {100, 40, 1, 13}, {170, 0, 0, 4},  // right of the fifth column stays in the row
  };
  for (const cRow& row : rows)
    EXPECT_EQ(cMapChipPaletteRules::ChipAt(row.m_nX, row.m_nY, row.m_nScrollRow), row.m_nChip) << row.m_nX;
  int32_t x = 0, y = 0;
  cMapChipPaletteRules::FrameAt(7, 0, x, y);
  EXPECT_EQ(x, 64);
  EXPECT_EQ(y, 32);
  cMapChipPaletteRules::FrameAt(7, 1, x, y);
  EXPECT_EQ(y, 0);
  ChipSheetCell(7, x, y);
  EXPECT_EQ(x, 64);
  EXPECT_EQ(y, 32);
}

TEST(MapChipPalette, SelectionMakesASingleChipBrushAndItsStatus) {
  cWorldMapDoc doc;
  auto state = std::make_unique<cWorldMapEditState>();
  state->m_nBrushW = 3;
  state->m_nBrushH = 2;
  cMapChipPaletteRules::Select(*state, cMapChipPaletteRules::ChipAt(70, 40, 0));
  EXPECT_EQ(state->m_nSelect, 7);
  EXPECT_EQ(state->m_anBrush[0][0], 7);
  EXPECT_EQ(state->m_nBrushW, 1);
  EXPECT_EQ(state->m_nBrushH, 1);
  struct cRow {
    int32_t m_nSelect;
    const char* m_pText;
  };
  const cRow rows[] = {{7, "7 : 通行可"}, {0, "0 : 通行不可"}, {9, "9 : 通行可"}, {10, ""}, {-1, ""}};
  for (const cRow& row : rows) EXPECT_EQ(cMapChipPaletteRules::StatusText(doc, row.m_nSelect), row.m_pText);
  EXPECT_EQ(cMapChipPaletteRules::RowCount(doc), 2);
  doc.m_vChipDef.resize(11);
  EXPECT_EQ(cMapChipPaletteRules::RowCount(doc), 3);
}

TEST_F(EventPalette, TemplateCountStaysWithinOneAndNinetyNine) {
  EXPECT_EQ(m_Palette.Delete(0), 0);
  EXPECT_EQ(m_Shell.m_nBeeps, 1) << "the last template only beeps";
  EXPECT_EQ(Templates().size(), 1u);
  struct cRow {
    int m_nCount, m_nResult;
    size_t m_nSize;
  };
  const cRow rows[] = {{0, 0, 1}, {99, 1, 99}, {100, 0, 99}, {-1, 0, 99}, {1, 1, 1}, {3, 1, 3}};
  for (const cRow& row : rows) {
    EXPECT_EQ(m_Palette.SetCount(row.m_nCount), row.m_nResult) << row.m_nCount;
    EXPECT_EQ(Templates().size(), row.m_nSize) << row.m_nCount;
  }
  EXPECT_EQ(Templates()[0].m_strName, "デフォルト");
  EXPECT_EQ(Templates()[2].m_strName, "") << "new rows are default events";
  EXPECT_EQ(Templates()[2].m_vPage.size(), 1u);
  EXPECT_EQ(m_Palette.Insert(1), 1);
  EXPECT_EQ(m_Palette.Insert(50), 4) << "past the end appends";
  EXPECT_EQ(m_Palette.Delete(4), 1);
  EXPECT_EQ(m_Palette.Delete(7), 0);
  EXPECT_EQ(m_Shell.m_nBeeps, 2);
  m_Palette.SetCount(99);
  EXPECT_EQ(m_Palette.Insert(0), -1);
  EXPECT_EQ(m_Shell.m_nBeeps, 3);
  EXPECT_EQ(Templates().size(), 99u);
  EXPECT_EQ(cEventPaletteRules::RowText(Templates()[0]), "デフォルト");
}

TEST_F(EventPalette, InsertingEditsTheNewTemplate) {
  m_View.m_vAnswers = {0};
  EXPECT_EQ(m_Palette.InsertAndEdit(0), -1);
  ASSERT_EQ(Templates().size(), 1u) << "a cancelled insert leaves the list as it was";
  EXPECT_EQ(Templates()[0].m_strName, "デフォルト");
  EXPECT_EQ(m_Palette.InsertAndEdit(0), 0);
  ASSERT_EQ(Templates().size(), 2u);
  EXPECT_EQ(Templates()[0].m_strName, "edited");
  EXPECT_EQ(m_View.m_vFlags, (std::vector<int>{kWorldEventRunHideOthers, kWorldEventRunHideOthers}));
  EXPECT_EQ(m_bModified, 1) << "the dialog's OK";
  EXPECT_EQ(m_Editor.CanUndo(), 1) << "and its checkpoint";
  EXPECT_EQ(m_Palette.Edit(1), 1);
  EXPECT_EQ(Templates()[1].m_strName, "edited");
  EXPECT_EQ(m_Palette.Edit(-1), 0);
  EXPECT_EQ(m_View.m_vFlags.size(), 3u);
}

TEST_F(EventPalette, SelectionBecomesTheCurrentEvent) {
  m_Palette.SetCount(3);
  Templates()[2].m_strName = "third";
  m_Palette.UpdateSelection(2);
  EXPECT_EQ(m_pState->m_nPaletteRow, 2);
  EXPECT_EQ(m_pState->m_nSelect, 2);
  EXPECT_EQ(m_pState->m_CurEvent.m_strName, "third");
  EXPECT_EQ(m_pState->m_nBrushW, 1);
  EXPECT_EQ(m_bModified, 1) << "every palette action counts as a change";
  m_bModified = 0;
  m_Palette.UpdateSelection(-1);
  EXPECT_EQ(m_pState->m_nSelect, -1);
  EXPECT_EQ(m_pState->m_nPaletteRow, -1);
  EXPECT_EQ(m_pState->m_nBrushW, 0);
  EXPECT_EQ(m_pState->m_nBrushH, 0);
  EXPECT_EQ(m_pState->m_CurEvent.m_strName, "third");
  EXPECT_EQ(m_bModified, 1);
  m_Palette.TakeListCopy(Templates()[2]);
  EXPECT_EQ(m_pState->m_bClipboard, 1);
  EXPECT_EQ(m_pState->m_ClipEvent.m_strName, "third");
}
