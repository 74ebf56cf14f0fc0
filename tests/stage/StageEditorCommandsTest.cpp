// The stage editor's commands: the table, the menu and toolbar states, the title, what each command
// does with and without a stage, the keys, and the edit state kept across a rebuild.
#include "app/DataPaths.h"
#include "app/MessageBox.h"
#include "app/PathUtil.h"
#include "tests/stage/StageEditorTest.h"

using StageEditorCommands = StageEditorTest;

TEST_F(StageEditorCommands, Table) {
  struct Case {
    std::vector<int> m_vIds;
    const char* m_pHandler;
    int m_bNeedsStage;
  } cases[] = {
      {{40079, 40003}, "OnNewStage", 0},           {{40074, 40004}, "OnOpenStage", 0},
      {{40130}, "OnCloseStage", 0},                {{40077, 40005}, "OnSaveAll", 1},
      {{40076}, "OnSaveAllAs", 0},                 {{40129}, "OnSaveCommon", 0},
      {{40052, 40011}, "OnUndo", 1},               {{40053, 40010}, "OnRedo", 1},
      {{40054, 40048}, "OnBlockLayer", 1},         {{40055, 40049}, "OnCharaLayer", 1},
      {{40056, 40050}, "OnItemLayer", 1},          {{40161}, "OnClearAll", 0},
      {{40057}, "OnClearBlocks", 0},               {{40058}, "OnClearCharas", 0},
      {{40059}, "OnClearItems", 0},                {{40148}, "OnViewCommonPalette", 1},
      {{40149}, "OnViewStagePalette", 1},          {{40150}, "OnViewGroup", 1},
      {{40013}, "OnStageSettings", 0},             {{40083}, "OnLoadStagePalette", 0},
      {{40084}, "OnSaveStagePalette", 0},          {{40085}, "OnStageOptions", 0},
      {{40063}, "OnDatabase", 0},                  {{40064}, "OnWorldMap", 0},
      {{40122}, "OnSystemSettings", 0},            {{40062}, "OnProjectOptions", 0},
      {{40060, 40006, 40081, 40165}, "OnTestPlay", 1}, {{40131, 40133, 40134}, "OnTestPlayGame", 0},
      {{40061}, "OnBitmapTool", 0},                {{40086}, "OnEditOptions", 0},
      {{40001, 40162, 40002, 40007, 40008, 40163, 40009}, "", 0},
  };
  int ids = 0;
  for (const Case& c : cases)
    for (int id : c.m_vIds) {
      SCOPED_TRACE(id);
      const cStageCommand* command = FindStageCommand(id);
      ASSERT_NE(command, nullptr);
      EXPECT_STREQ(command->m_pHandlerName, c.m_pHandler);
      EXPECT_EQ(command->m_bNeedsStage, c.m_bNeedsStage);
      ++ids;
    }
  EXPECT_EQ(ids, kStageCommandCount);
  EXPECT_EQ(FindStageCommand(40000), nullptr);
  cStageEditor editor(g_StageDoc, g_StageEditState, m_Host);
  EXPECT_EQ(editor.RunCommand(40000), 0);
  EXPECT_EQ(editor.RunCommand(40007), 1);
  EXPECT_EQ(m_Host.m_strCalls, "");
}

TEST_F(StageEditorCommands, MenuAndToolbarStates) {
  struct Case {
    int m_nId;
    int m_bOpen, m_nUndo, m_nRedo;
    int m_bMenuEnabled, m_bMenuChecked, m_bButtonEnabled, m_bButtonChecked;
  } cases[] = {
      {kIdmNewStage, 0, 0, 0, 1, 0, 1, 0},        {kIdmOpenStage, 0, 0, 0, 1, 0, 1, 0},
      {kIdmSaveAll, 0, 0, 0, 0, 0, 0, 0},         {kIdmSaveAll, 1, 0, 0, 1, 0, 1, 0},
      {kIdmCloseStage, 0, 0, 0, 0, 0, 1, 0},      {kIdmUndo, 1, 0, 0, 0, 0, 0, 0},
      {kIdmUndo, 1, 1, 0, 1, 0, 1, 0},            {kIdmRedo, 1, 1, 0, 0, 0, 0, 0},
      {kIdmRedo, 1, 0, 1, 1, 0, 1, 0},            {kIdmCharaLayer, 1, 0, 0, 1, 1, 1, 0},
      {kIdtCharaLayer, 1, 0, 0, 1, 0, 1, 1},      {kIdtCharaLayer, 0, 0, 0, 1, 0, 0, 0},
      {kIdtBlockLayer, 1, 0, 0, 1, 0, 1, 0},      {kIdmItemLayer, 0, 0, 0, 0, 0, 1, 0},
      {kIdmClearAll, 0, 0, 0, 1, 0, 1, 0},        {kIdmViewStage, 0, 0, 0, 1, 1, 1, 0},
      {kIdmViewCommon, 0, 0, 0, 1, 0, 1, 0},      {kIdmTestPlay, 0, 0, 0, 0, 0, 1, 0},
      {kIdtTestPlay, 0, 0, 0, 1, 0, 0, 0},        {kIdtTestPlayGame, 0, 0, 0, 1, 0, 1, 0},
      {kIdmTestPlayGame, 0, 0, 0, 1, 0, 1, 0},    {kIdmStageSettings, 1, 0, 0, 1, 0, 1, 0},
  };
  EditConfig.m_wpCommonBlocks.m_bShown = 0;
  EditConfig.m_wpStageBlocks.m_bShown = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.m_nId << (c.m_bOpen ? " open" : " closed"));
    g_StageDoc.SetDefaults();
    g_StageEditState.Reset();
    OpenStage(8, 4);
    g_StageEditState.m_bStageOpen = c.m_bOpen;
    g_StageEditState.SetLayer(1);
    cMapEditor map(g_StageDoc, g_StageEditState, m_Host);
    for (int i = 0; i < c.m_nUndo + c.m_nRedo; ++i) map.PushUndo(kLayerFlagBlock);
    for (int i = 0; i < c.m_nRedo; ++i) map.Undo();
    cCommandState menu = MenuItemState(c.m_nId, g_StageEditState, EditConfig);
    cCommandState button = ToolbarButtonState(c.m_nId, g_StageEditState);
    EXPECT_EQ(menu.m_bEnabled, c.m_bMenuEnabled);
    EXPECT_EQ(menu.m_bChecked, c.m_bMenuChecked);
    EXPECT_EQ(button.m_bEnabled, c.m_bButtonEnabled);
    EXPECT_EQ(button.m_bChecked, c.m_bButtonChecked);
  }
  for (uint16_t id : kToolbarButtons) EXPECT_NE(FindStageCommand(id), nullptr);
}

TEST_F(StageEditorCommands, Title) {
  EXPECT_EQ(StageEditorTitle(g_StageEditState), "ヴォンタリス");
  g_StageEditState.m_strStagePath = "data\\stg4\\a.stg4_771";
  EXPECT_EQ(StageEditorTitle(g_StageEditState), "ヴォンタリス  data\\stg4\\a.stg4_771");
}

TEST_F(StageEditorCommands, NothingWithoutAStage) {
  cStageEditor editor(g_StageDoc, g_StageEditState, m_Host);
  for (int id : {kIdmUndo, kIdaRedo, kIdtItemLayer, kIdmSaveAll, kIdmViewGroup}) {
    SCOPED_TRACE(id);
    EXPECT_EQ(editor.RunCommand(id), 1);
  }
  EXPECT_EQ(m_Host.m_strCalls, "");
  EXPECT_EQ(g_StageEditState.m_bStageModified, 0);
  EXPECT_EQ(g_StageEditState.m_nLayer, 0);
}

TEST_F(StageEditorCommands, ClearCommands) {
  struct Case {
    int m_nId;
    int m_nAnswer;
    const char* m_pQuestion;
    const char* m_pLayers;  // block, character, item of cell 0 afterwards
  } cases[] = {
      {kIdmClearAll, kIdYes, "全ての配置データ（ブロック・キャラ・アイテム）をクリアしますか？", "000"},
      {kIdmClearAll, kIdNo, "全ての配置データ（ブロック・キャラ・アイテム）をクリアしますか？", "123"},
      {kIdmClearBlocks, kIdYes, "全てのブロックをクリアしますか？", "023"},
      {kIdmClearCharas, kIdYes, "全てのキャラをクリアしますか？", "103"},
      {kIdmClearItems, kIdYes, "全てのアイテムをクリアしますか？", "120"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pQuestion);
    OpenStage(8, 4);
    g_StageDoc.m_vBlockLayer.At(0) = Record<cEdBlock>(1);
    g_StageDoc.m_vCharaLayer.At(0) = Record<cEdChara>(2);
    g_StageDoc.m_vItemLayer.At(0) = Record<cEdItem>(3);
    m_Shell.m_vBoxes.clear();
    m_Shell.m_vAnswers = {c.m_nAnswer};
    cStageEditor editor(g_StageDoc, g_StageEditState, m_Host);
    editor.RunCommand(c.m_nId);
    ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
    EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, c.m_pQuestion);
    EXPECT_EQ(m_Shell.m_vBoxes[0].m_strCaption, "データクリアの確認");
    std::string layers = {static_cast<char>('0' + g_StageDoc.m_vBlockLayer.Get(0).m_nGraphic),
                          static_cast<char>('0' + g_StageDoc.m_vCharaLayer.Get(0).m_nGraphic),
                          static_cast<char>('0' + g_StageDoc.m_vItemLayer.Get(0).m_nGraphic)};
    EXPECT_EQ(layers, c.m_pLayers);
    if (c.m_nAnswer == kIdYes) {
      editor.RunCommand(kIdmUndo);
      EXPECT_EQ(g_StageDoc.m_vBlockLayer.Get(0).m_nGraphic + g_StageDoc.m_vCharaLayer.Get(0).m_nGraphic +
                    g_StageDoc.m_vItemLayer.Get(0).m_nGraphic,
                6);
    }
  }
}

TEST_F(StageEditorCommands, ViewToggles) {
  MakeDirectory("e_data");
  cEditConfig& config = EditConfig;
  config.m_wpCommonBlocks.m_bShown = config.m_wpCommonCharas.m_bShown = config.m_wpCommonItems.m_bShown = 1;
  config.m_wpCharaGroup.m_bShown = 1;
  OpenStage(8, 4);
  g_StageEditState.SetLayer(2);
  m_Host.m_strCalls.clear();
  cStageEditor editor(g_StageDoc, g_StageEditState, m_Host);
  editor.RunCommand(kIdmViewCommon);
  EXPECT_EQ(config.m_wpCommonBlocks.m_bShown + config.m_wpCommonCharas.m_bShown + config.m_wpCommonItems.m_bShown, 0);
  EXPECT_EQ(m_Host.m_strCalls, "layer2");
  EXPECT_TRUE(FileThere("e_data\\EditConfig.dat"));
  EXPECT_EQ(MenuItemState(kIdmViewCommon, g_StageEditState, config).m_bChecked, 0);
  editor.RunCommand(kIdmViewGroup);
  EXPECT_EQ(config.m_wpCharaGroup.m_bShown, 0);
  editor.RunCommand(kIdmViewCommon);
  EXPECT_EQ(config.m_wpCommonBlocks.m_bShown + config.m_wpCommonCharas.m_bShown + config.m_wpCommonItems.m_bShown, 3);
  config.SetDefaults();
}

TEST_F(StageEditorCommands, ReplacingAModifiedStageAsksFirst) {
  struct Case {
    const char* m_pName;
    int m_nId;
    int m_nAnswer;
    bool m_bSaveFails;
    bool m_bGoesOn;
  } cases[] = {
      {"new: Cancel", kIdmNewStage, kIdCancel, false, false},
      {"new: No", kIdaNewStage, kIdNo, false, true},
      {"new: Yes saves first", kIdmNewStage, kIdYes, false, true},
      {"new: Yes, the save fails", kIdmNewStage, kIdYes, true, false},
      {"close: Cancel", kIdmCloseStage, kIdCancel, false, false},
      {"close: No", kIdmCloseStage, kIdNo, false, true},
      {"open: Cancel", kIdmOpenStage, kIdCancel, false, false},
      {"open: Yes", kIdmOpenStage, kIdYes, false, true},
  };
  MakeDirectory("data");
  MakeDirectory("data\\stg4");
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pName);
    g_StageDoc.SetDefaults();
    OpenStage(8, 4);
    g_StageDoc.m_vCharaLayer.At(0) = PlayerRecord(1);
    std::string path = "data\\stg4\\r" + std::to_string(n++) + ".stg4_771";
    if (c.m_bSaveFails) MakeDirectory((path + ".~tmp").c_str());
    g_StageEditState.m_strStagePath = path.c_str();
    g_StageEditState.m_bStageModified = 1;
    m_Shell.m_vBoxes.clear();
    m_Shell.m_vAnswers = {c.m_nAnswer};
    m_Host.m_strCalls.clear();
    m_Host.m_nNewStageResult = 1;
    cStageEditor editor(g_StageDoc, g_StageEditState, m_Host);
    editor.RunCommand(c.m_nId);
    ASSERT_FALSE(m_Shell.m_vBoxes.empty());
    EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, "ステージが変更された可能性があります。\n保存しますか？");
    EXPECT_EQ(FileThere(path), c.m_nAnswer == kIdYes && !c.m_bSaveFails);
    bool wentOn = m_Host.m_strCalls.find(c.m_nId == kIdmCloseStage ? "rebuild" : c.m_nId == kIdmOpenStage ? "" : "newstage") !=
                  std::string::npos;
    if (c.m_nId == kIdmOpenStage) wentOn = !m_Host.m_vChoices.empty();
    EXPECT_EQ(wentOn, c.m_bGoesOn) << m_Host.m_strCalls;
    m_Host.m_vChoices.clear();
  }
}

TEST_F(StageEditorCommands, NewAndCloseGiveFreshUndo) {
  OpenStage(8, 4);
  g_StageEditState.m_strStagePath = "data\\stg4\\x.stg4_771";
  cStageEditor editor(g_StageDoc, g_StageEditState, m_Host);
  editor.Map().PushUndo(kLayerFlagBlock);
  m_Host.m_nNewStageResult = 1;
  editor.RunCommand(kIdmNewStage);
  EXPECT_EQ(m_Host.m_strCalls, "newstage,rebuild");
  EXPECT_EQ(g_StageEditState.UndoCount(), 0);
  EXPECT_EQ(g_StageEditState.UndoLevels(), g_StageDoc.m_nUndoDepth);
  EXPECT_EQ(g_StageEditState.m_bStageModified, 0);

  g_StageDoc.SetSize(30, 30, 0, 0);
  m_Host.m_strCalls.clear();
  editor.RunCommand(kIdmCloseStage);
  EXPECT_EQ(m_Host.m_strCalls, "rebuild");
  EXPECT_EQ(g_StageEditState.m_bStageOpen, 0);
  EXPECT_EQ(g_StageEditState.m_strStagePath, "");
  EXPECT_EQ(g_StageDoc.m_nWidth, 20);
}

TEST_F(StageEditorCommands, LoadingAStagePaletteLeavesTheStageModified) {
  MakeDirectory("data");
  MakeDirectory("data\\plt4");
  ASSERT_TRUE(g_StageDoc.SaveStagePalette("data\\plt4\\p.plt4"));
  OpenStage(8, 4);
  m_Host.m_Paths = {"data\\plt4\\p.plt4"};
  cStageEditor editor(g_StageDoc, g_StageEditState, m_Host);
  editor.RunCommand(kIdmLoadStagePalette);
  EXPECT_EQ(m_Host.m_strCalls, "rebuild");
  EXPECT_EQ(g_StageEditState.m_bStageModified, 1);
  // The rebuild keeps what belongs to the stage.
  g_StageEditState.m_bCommonModified = 1;
  g_StageEditState.m_nLayer = 2;
  g_StageEditState.m_strStagePath = "data\\stg4\\k.stg4_771";
  g_StageEditState.ResetKeepingStage();
  EXPECT_EQ(g_StageEditState.m_bStageModified, 1);
  EXPECT_EQ(g_StageEditState.m_bCommonModified, 1);
  EXPECT_EQ(g_StageEditState.m_bStageOpen, 1);
  EXPECT_EQ(g_StageEditState.m_strStagePath, "data\\stg4\\k.stg4_771");
  EXPECT_EQ(g_StageEditState.m_nLayer, 0);
}

TEST_F(StageEditorCommands, UndoRedoAndLayers) {
  OpenStage(8, 4);
  cStageEditor editor(g_StageDoc, g_StageEditState, m_Host);
  editor.Map().PushUndo(kLayerFlagBlock);
  g_StageDoc.m_vBlockLayer.At(0) = Record<cEdBlock>(1);
  m_Host.m_strCalls.clear();
  editor.RunCommand(kIdaUndo);
  EXPECT_EQ(g_StageDoc.m_vBlockLayer.Get(0).m_nGraphic, 0);
  EXPECT_EQ(g_StageEditState.m_bStageModified, 1);
  EXPECT_EQ(m_Host.m_strCalls, "palettes");
  editor.RunCommand(kIdmRedo);
  EXPECT_EQ(g_StageDoc.m_vBlockLayer.Get(0).m_nGraphic, 1);
  m_Host.m_strCalls.clear();
  editor.RunCommand(kIdtItemLayer);
  EXPECT_EQ(g_StageEditState.m_nLayer, 2);
  EXPECT_EQ(m_Host.m_strCalls, "layer2");
}

TEST_F(StageEditorCommands, Keys) {
  OpenStage(8, 4);
  cStageEditor editor(g_StageDoc, g_StageEditState, m_Host);
  EXPECT_EQ(editor.OnKeyDown(0x20, 0), 1);  // Space: the next layer
  EXPECT_EQ(g_StageEditState.m_nLayer, 1);
  EXPECT_EQ(editor.OnKeyDown('D', 0), 0);  // no selection
  EXPECT_EQ(editor.OnKeyDown('A', 0), 0);
  m_Shell.m_vBoxes.clear();
  EXPECT_EQ(editor.OnKeyDown(0x74, 0), 1);  // F5: a stage test play, here without a game program
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, "ゲームプログラムが見つかりません！");
  EXPECT_EQ(editor.OnKeyDown(0x76, 0), 1);  // F7: the whole game
  EXPECT_EQ(m_Shell.m_vBoxes.size(), 2u);
}
