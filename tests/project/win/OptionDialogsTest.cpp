// The stage options and the edit options as the stage editor window runs them: modal, with the
// other registered windows disabled, driven through their controls and buttons.
#include <gtest/gtest.h>

#include "project/win/RunToolDialog.h"
#include "project/win/cOptionDialogs.h"
#include "stage/cStageDoc.h"
#include "stage/cStageEditState.h"
#include "tests/project/win/PageInput.h"
#include "tests/project/win/WindowPicture.h"
#include "tests/support/win/LabelFit.h"
#include "tests/support/win/UserInput.h"
#include "tests/support/win/WindowTest.h"

namespace {


class OptionDialogsTest : public cWindowTest {
protected:
  OptionDialogsTest() {
    g_StageDoc.SetSize(64, 48, 0, 0);
    g_StageDoc.m_nUndoDepth = 3;
    g_StageDoc.m_nWheelAxis = 0;
    g_StageEditState.m_bStageModified = 0;
    g_StageEditState.AllocateUndo(3, g_StageDoc.m_nPitch, g_StageDoc.m_nHeight);
    g_StageEditState.PushUndo(kLayerFlagBlock, g_StageDoc);
    m_Owner.Create(0, 1);
    m_Other.Create(0, 1);
  }
  ~OptionDialogsTest() override {
    g_StageEditState.ReleaseUndo();
    g_StageEditState.m_bStageModified = 0;
    g_StageDoc.m_nWheelAxis = 0;
  }

  // Runs the dialog as the stage editor window does, with what the user does in it.
  template <class Dlg>
  int Run(Dlg*& slot, std::function<void(HWND)> user) {
    cModalDriver driver([&](HWND dialog) {
      m_bOtherEnabledMeanwhile = IsWindowEnabled(m_Other.m_hWnd) != 0;
      user(dialog);
    });
    int result = RunToolDialog(slot, &m_Owner, &m_List);
    EXPECT_TRUE(driver.Ran());
    EXPECT_FALSE(driver.TimedOut());
    return result;
  }

  cFakeShell m_Shell;
  cProbeDialog<62> m_Owner{kIddTestOwner, nullptr, &m_List};
  cProbeDialog<63> m_Other{kIddTestOwner, nullptr, &m_List};
  cDlgStageOptions* m_pStageOptions = nullptr;
  cDlgEditOptions* m_pEditOptions = nullptr;
  bool m_bOtherEnabledMeanwhile = true;
};

void Press(HWND dialog, int id) { ClickButton(dialog, id); }

}  // namespace

TEST_F(OptionDialogsTest, StageOptionsShowTheStageAndStoreOnOkWithTheDepthTakingEffect) {
  int shownDepth = -1, shownAxis = -1, axisRows = 0;
  char caption[64] = {};
  int result = Run(m_pStageOptions, [&](HWND dialog) {
    GetWindowTextA(dialog, caption, sizeof caption);
    shownDepth = static_cast<int>(GetDlgItemInt(dialog, kIdcUndoDepth, nullptr, FALSE));
    shownAxis = static_cast<int>(SendDlgItemMessageA(dialog, kIdcWheelAxis, CB_GETCURSEL, 0, 0));
    axisRows = static_cast<int>(SendDlgItemMessageA(dialog, kIdcWheelAxis, CB_GETCOUNT, 0, 0));
    EnterText(dialog, kIdcUndoDepth, "7");
    ChooseRow(dialog, kIdcWheelAxis, 1);
    Press(dialog, kIdcOk);
  });
  EXPECT_EQ(result, 1);
  EXPECT_STREQ(caption, "ステージオプション");
  EXPECT_EQ(shownDepth, 3);
  EXPECT_EQ(shownAxis, 0);
  EXPECT_EQ(axisRows, 2);
  EXPECT_FALSE(m_bOtherEnabledMeanwhile) << "the other windows are disabled while it runs";
  EXPECT_TRUE(IsWindowEnabled(m_Other.m_hWnd)) << "and enabled again afterwards";
  EXPECT_EQ(m_pStageOptions, nullptr) << "deleted after its run";
  EXPECT_EQ(g_StageDoc.m_nUndoDepth, 7);
  EXPECT_EQ(g_StageDoc.m_nWheelAxis, 1);
  EXPECT_EQ(g_StageEditState.UndoLevels(), 7) << "the undo steps were opened at once";
  EXPECT_EQ(g_StageEditState.UndoCount(), 0);
  EXPECT_EQ(g_StageEditState.m_bStageModified, 1);
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
}

TEST_F(OptionDialogsTest, TheDepthIsHeldToItsRangeAndOkWithoutChangesStillCountsAsAChange) {
  struct cCase {
    const char* m_pTyped;
    int32_t m_nStored;
  } cases[] = {{"12", 9}, {"-3", 0}, {"3", 3}};
  for (const cCase& c : cases) {
    g_StageEditState.m_bStageModified = 0;
    EXPECT_EQ(Run(m_pStageOptions,
                  [&](HWND dialog) {
                    EnterText(dialog, kIdcUndoDepth, c.m_pTyped);
                    Press(dialog, kIdcOk);
                  }),
              1);
    EXPECT_EQ(g_StageDoc.m_nUndoDepth, c.m_nStored) << c.m_pTyped;
    EXPECT_EQ(g_StageEditState.m_bStageModified, 1) << c.m_pTyped;
  }
  g_StageDoc.m_nUndoDepth = 3;
  g_StageEditState.AllocateUndo(3, g_StageDoc.m_nPitch, g_StageDoc.m_nHeight);
  g_StageEditState.PushUndo(kLayerFlagBlock, g_StageDoc);
  Run(m_pStageOptions, [](HWND dialog) { Press(dialog, kIdcOk); });
  EXPECT_EQ(g_StageEditState.UndoCount(), 1) << "the same depth keeps the steps";
}

TEST_F(OptionDialogsTest, TooLittleMemoryForMoreStepsKeepsTheDepthAndStoresTheWheel) {
  uint64_t step = cStageEditState::EstimateSnapshotBytes(g_StageDoc.m_nPitch, g_StageDoc.m_nHeight);
  m_Shell.m_nFreeMemory = 2 * 5 * step - 1;  // five more steps need an undo and a redo copy each
  int result = Run(m_pStageOptions, [](HWND dialog) {
    EnterText(dialog, kIdcUndoDepth, "8");
    ChooseRow(dialog, kIdcWheelAxis, 1);
    Press(dialog, kIdcOk);
  });
  EXPECT_EQ(result, 1);
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, "メモリ不足により、「元に戻せる回数」が変更できませんでした！");
  EXPECT_EQ(g_StageDoc.m_nUndoDepth, 3);
  EXPECT_EQ(g_StageDoc.m_nWheelAxis, 1);
  EXPECT_EQ(g_StageEditState.UndoLevels(), 3);
  EXPECT_EQ(g_StageEditState.UndoCount(), 1) << "the steps are not touched";
  EXPECT_EQ(g_StageEditState.m_bStageModified, 1);
  // Lowering needs no memory test.
  m_Shell.m_nFreeMemory = 1ull << 32;
  Run(m_pStageOptions, [](HWND dialog) {
    EnterText(dialog, kIdcUndoDepth, "2");
    Press(dialog, kIdcOk);
  });
  EXPECT_EQ(g_StageDoc.m_nUndoDepth, 2);
  EXPECT_EQ(g_StageEditState.UndoLevels(), 2);
}

TEST_F(OptionDialogsTest, CancelAndTheCloseBoxStoreNothing) {
  for (UINT how : {0u, 1u}) {
    int result = Run(m_pStageOptions, [how](HWND dialog) {
      EnterText(dialog, kIdcUndoDepth, "6");
      ChooseRow(dialog, kIdcWheelAxis, 1);
      if (how == 0) Press(dialog, kIdcCancel);
      else SendMessageA(dialog, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(g_StageDoc.m_nUndoDepth, 3);
    EXPECT_EQ(g_StageDoc.m_nWheelAxis, 0);
    EXPECT_EQ(g_StageEditState.m_bStageModified, 0);
    EXPECT_EQ(g_StageEditState.UndoCount(), 1);
  }
}

TEST_F(OptionDialogsTest, EditOptionsOnlyClose) {
  struct cCase {
    int m_nHow;  // 0 OK, 1 Cancel, 2 the close box
    int m_nResult;
  } cases[] = {{0, 1}, {1, 0}, {2, 0}};
  for (const cCase& c : cases) {
    char caption[64] = {};
    int result = Run(m_pEditOptions, [&](HWND dialog) {
      GetWindowTextA(dialog, caption, sizeof caption);
      if (c.m_nHow == 2) SendMessageA(dialog, WM_CLOSE, 0, 0);
      else Press(dialog, c.m_nHow == 0 ? kIdcOk : kIdcCancel);
    });
    EXPECT_EQ(result, c.m_nResult) << c.m_nHow;
    EXPECT_STREQ(caption, "エディットオプション");
    EXPECT_FALSE(m_bOtherEnabledMeanwhile);
    EXPECT_EQ(m_pEditOptions, nullptr);
  }
  EXPECT_EQ(g_StageEditState.m_bStageModified, 0);
}

TEST_F(OptionDialogsTest, EveryLabelFitsInsideItsControl) {
  Run(m_pStageOptions, [this](HWND dialog) {
    SCOPED_TRACE("stage options");
    ExpectLabelsInside(dialog);
    SaveScreenshot(dialog, "stage_options", &m_List);
    Press(dialog, kIdcCancel);
  });
  Run(m_pEditOptions, [this](HWND dialog) {
    SCOPED_TRACE("edit options");
    ExpectLabelsInside(dialog);
    SaveScreenshot(dialog, "edit_options", &m_List);
    Press(dialog, kIdcCancel);
  });
}
