#pragma once
// The palette windows' tests: the same small palettes in all three kinds, a map row that follows
// them, the six panes, the user's clicks and commands as a short script, and the state as text.
//
// Every kind starts as:
//   common  _ A B C D E F          (entry 0, then A to F)
//   stage   _ p C<c3 r s<s1        (entry 2 follows common 3 by its name; entry 4 names stage 1,
//                                    following none of its groups)
//   map     r<s3 E<c5 C<s2 x       (cells 0 to 3 of row 0 following stage 3, common 5, stage 2 by
//                                    their names; cell 3 follows nothing)
// A name "<c5" ("<s5") is followed by the record's source: common (stage) palette entry 5.

#include <cstdio>
#include <string>

#include "stage/PaletteAccess.h"
#include "stage/cPalettePane.h"
#include "tests/stage/StageEditorTest.h"

template <class T>
T Named(const char* name, int palette = 0, int index = 0, int followsName = 1) {
  T record;
  record.m_nGraphic = 1;
  record.m_strName = name;
  record.m_cInheritPalette = static_cast<int8_t>(palette);
  record.m_nInheritIndex = static_cast<int16_t>(index);
  if (palette) record.m_bbInherit[0] = static_cast<int8_t>(followsName);
  return record;
}

template <class T>
std::string EntryText(const T& record) {
  std::string text = record.m_strName.empty() ? "_" : record.m_strName.GetStr();
  if (record.m_cInheritPalette == kPaletteCommon) text += "<c" + std::to_string(record.m_nInheritIndex);
  if (record.m_cInheritPalette == kPaletteStage) text += "<s" + std::to_string(record.m_nInheritIndex);
  return text;
}

template <class T>
std::string ListText(const cVector<T>& list) {
  std::string text;
  for (const T& record : list) text += (text.empty() ? "" : " ") + EntryText(record);
  return text;
}

template <class T>
void FillTestPalette(cVector<T>& common, cVector<T>& stage, cStageLayer<T>& layer) {
  common = {T(), Named<T>("A"), Named<T>("B"), Named<T>("C"), Named<T>("D"), Named<T>("E"), Named<T>("F")};
  stage = {T(), Named<T>("p"), Named<T>("?", kPaletteCommon, 3), Named<T>("r"), Named<T>("s", kPaletteStage, 1, 0)};
  layer.At(0) = Named<T>("?", kPaletteStage, 3);
  layer.At(1) = Named<T>("?", kPaletteCommon, 5);
  layer.At(2) = Named<T>("?", kPaletteStage, 2);
  layer.At(3) = Named<T>("x");
}

// The palettes and the map row above, in a stage of at least 4 x 1, with the project's defaults
// named "新" and new stage palette entries following the common entry of their number by name.
inline void FillTestPalettes() {
  g_ProjectSettings.m_DefBlock.m_strName = "新";
  g_ProjectSettings.m_DefChara.m_strName = "新";
  g_ProjectSettings.m_DefItem.m_strName = "新";
  for (int kind = 0; kind < 3; ++kind) {
    g_ProjectSettings.m_nDefInheritPal[0][kind] = kPaletteCommon;
    g_ProjectSettings.m_bbDefInherit[0][kind][0] = 1;
  }
  FillTestPalette(g_CommonPalette.m_vBlock, g_StageDoc.m_vStageBlock, g_StageDoc.m_vBlockLayer);
  FillTestPalette(g_CommonPalette.m_vChara, g_StageDoc.m_vStageChara, g_StageDoc.m_vCharaLayer);
  FillTestPalette(g_CommonPalette.m_vItem, g_StageDoc.m_vStageItem, g_StageDoc.m_vItemLayer);
  g_StageDoc.RefreshBlocksFromCommon();
  g_StageDoc.RefreshCharasFromCommon();
  g_StageDoc.RefreshItemsFromCommon();
}

// The client pixel at the middle of an entry's cell, the grid scrolled to its top.
inline int32_t CellX(int entry) { return entry % 8 * 32 + 16; }
inline int32_t CellY(int entry) { return entry / 8 * 32 + 16; }

// The kind's lists, its map row, the clipboard, the selection, the brush and the modified flags.
inline std::string PaletteStateText(int kind) {
  std::string text;
  cStageEditState& s = g_StageEditState;
  auto show = [&](auto& common, auto& stage, auto& layer, auto& brush) {
    text = "C[" + ListText(common) + "] S[" + ListText(stage) + "] M[";
    for (int cell = 0; cell < 4; ++cell) text += (cell ? " " : "") + EntryText(layer.Get(cell));
    text += "] brush[" + EntryText(brush[0]) + "]";
  };
  if (kind == 0) show(g_CommonPalette.m_vBlock, g_StageDoc.m_vStageBlock, g_StageDoc.m_vBlockLayer, s.m_vBrushBlock);
  if (kind == 1) show(g_CommonPalette.m_vChara, g_StageDoc.m_vStageChara, g_StageDoc.m_vCharaLayer, s.m_vBrushChara);
  if (kind == 2) show(g_CommonPalette.m_vItem, g_StageDoc.m_vStageItem, g_StageDoc.m_vItemLayer, s.m_vBrushItem);
  std::string clip = "-";
  if (s.m_bClipValid)
    clip = std::string(s.m_bClipCut ? "cut " : "copy ") + (s.m_nClipPalette ? "s" : "c") +
           std::to_string(s.m_nClipIndex);
  text += " clip[" + clip + "] sel[" + (s.m_nSelPalette ? "s" : "c") + std::to_string(s.m_nSelIndex) + "] mod[";
  text += std::string(s.m_bCommonModified ? "c" : "") + (s.m_bStageModified ? "s" : "") +
          (s.m_bCommonModified || s.m_bStageModified ? "" : "-") + "]";
  return text;
}

class PaletteTest : public StageEditorTest {
protected:
  void SetUp() override {
    StageEditorTest::SetUp();
    OpenStage(4, 1);
    FillTestPalettes();
  }

  // A table row's fresh start.
  void Restart() {
    TearDown();
    m_Host = cRecordingHost();
    SetUp();
  }

  cPalettePane& Common(int kind) { return m_Panes.PaneOf(0, kind); }
  cPalettePane& Stage(int kind) { return m_Panes.PaneOf(1, kind); }

  // Runs a script of blank-separated steps on the panes of a kind:
  //   c5, s5       left click on entry 5 of the common (stage) window
  //   rc5, rs5     right click (press and release) on entry 5
  //   c:NAME       a command: cut copy paste insc insn del appc appn edit rmenu rsheet
  //   c:count=N    the data count command, answered with N (c:count: cancelled)
  //   c:move=F-L>D/OP   the data move dialog, run F ～ L to D with operation OP
  void Run(int kind, const std::string& script) {
    size_t at = 0;
    while (at < script.size()) {
      size_t end = script.find(' ', at);
      if (end == std::string::npos) end = script.size();
      Step(kind, script.substr(at, end - at));
      at = end + 1;
    }
  }

  void Step(int kind, const std::string& step) {
    bool right = step[0] == 'r';
    std::string rest = right ? step.substr(1) : step;
    cPalettePane& pane = rest[0] == 's' ? Stage(kind) : Common(kind);
    if (rest.size() > 1 && rest[1] != ':') {
      int entry = std::stoi(rest.substr(1));
      if (!right) return pane.OnLButtonDown(CellX(entry), CellY(entry));
      pane.OnRButtonDown(CellX(entry), CellY(entry));
      m_LastMenu = pane.OnRightClick(CellX(entry), CellY(entry));
      return;
    }
    std::string command = rest.substr(2);
    if (command.compare(0, 6, "count=") == 0) {
      m_Host.m_vValues.push_back(std::stoi(command.substr(6)));
      pane.RunCommand(kIdmEntryCount);
      return;
    }
    if (command.compare(0, 5, "move=") == 0) {
      int first, last, dest, operation;
      ASSERT_EQ(std::sscanf(command.c_str() + 5, "%d-%d>%d/%d", &first, &last, &dest, &operation), 4) << step;
      m_Host.m_fnDataMove = [=](cDataMove& move) {
        move.m_nFirst = first, move.m_nLast = last, move.m_nDest = dest, move.m_nOperation = operation;
        move.Apply();
        return 1;
      };
      pane.RunCommand(kIdmDataMove);
      return;
    }
    static const struct {
      const char* m_pName;
      int m_nId;
    } kCommands[] = {{"cut", kIdmEntryCut},          {"copy", kIdmEntryCopy},       {"paste", kIdmEntryPaste},
                     {"insc", kIdmEntryInsertCopied}, {"insn", kIdmEntryInsertNew},  {"del", kIdmEntryDelete},
                     {"appc", kIdmEntryAppendCopied}, {"appn", kIdmEntryAppendNew},  {"edit", kIdmEntryEdit},
                     {"rmenu", kIdtRightClickMenu},   {"rsheet", kIdtRightClickSheet}, {"count", kIdmEntryCount}};
    for (const auto& c : kCommands)
      if (command == c.m_pName) {
        EXPECT_EQ(pane.RunCommand(c.m_nId), kPaletteCmdDone) << step;
        return;
      }
    ADD_FAILURE() << "unknown step " << step;
  }

  std::string State(int kind) { return PaletteStateText(kind); }

  cPalettePanes m_Panes{g_StageDoc, g_CommonPalette, g_StageEditState, m_Host};
  cEntryMenu m_LastMenu;
};
