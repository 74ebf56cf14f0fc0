#pragma once
// Helpers for the tests of the stage editor's logic: a window stand-in that records what it is
// asked and answers the file dialogs from a queue, the map as text, and mouse messages by cell.

#include <deque>
#include <functional>
#include <string>

#include "app/cStateStack.h"
#include "stage/cDataMove.h"
#include "stage/cStageEditor.h"
#include "tests/stage/StageTest.h"

class cRecordingHost : public cStageEditorHost {
public:
  void ShowLayer(int layer) override { Note("layer" + std::to_string(layer)); }
  void UndoChanged() override { ++m_nUndoChanged; }
  void RepaintPaletteWindows() override { Note("palettes"); }
  void UpdateTitle() override { Note("title"); }
  void PostRebuild() override { Note("rebuild"); }
  void OpenDataSheet(int kind) override { Note("sheet" + std::to_string(kind)); }
  int RunNewStageDialog() override {
    Note("newstage");
    return m_nNewStageResult;
  }
  void OpenTool(int tool) override { Note("tool" + std::to_string(tool)); }
  void RepaintEditor() override { Note("map"); }
  // Asks the queued answer: none cancels.
  int RunValueInput(int32_t& value, int32_t minimum, int32_t maximum, const char* caption, int window) override {
    Note("value " + std::string(caption) + " " + std::to_string(value) + " in " + std::to_string(minimum) + ".." +
         std::to_string(maximum) + " at " + std::to_string(window));
    if (m_vValues.empty()) return 0;
    value = m_vValues.front();
    m_vValues.pop_front();
    return 1;
  }
  // The dialog's user: none cancels.
  int RunDataMove(cDataMove& move, int window) override {
    Note("datamove at " + std::to_string(window));
    return m_fnDataMove ? m_fnDataMove(move) : 0;
  }
  void ShowStatusPopup(const char* text, const char* title) override {
    ++m_nPopups;
    m_strPopup = std::string(text) + " / " + title;
  }
  void CloseStatusPopup() override { --m_nPopups; }
  void ActivateEditor() override { Note("activate"); }
  void DeactivateApp() override { Note("inactive"); }
  void ForgetGame() override { Note("forget"); }
  // Answers with the next queued path; an empty one (or none left) cancels.
  int ChooseFile(const cFileChoice& choice, cString& path) override {
    m_vChoices.push_back(choice);
    std::string answer = m_Paths.empty() ? "" : m_Paths.front();
    if (!m_Paths.empty()) m_Paths.pop_front();
    path = answer.c_str();
    return answer.empty() ? 0 : 1;
  }
  int LoadStageFile(const char* path) override {
    Note(std::string("load ") + path);
    return cStageEditorHost::LoadStageFile(path);
  }
  int FindGameProgram(cString& path) override {
    path = m_strGame.c_str();
    return m_strGame.empty() ? 0 : 1;
  }
  int LaunchGame(const char* program, const char* parameters) override {
    Note(std::string("launch ") + program + (parameters ? std::string(" ") + parameters : std::string(" (none)")));
    return m_bLaunchWorks;
  }

  void Note(const std::string& call) { m_strCalls += (m_strCalls.empty() ? "" : ",") + call; }

  std::string m_strCalls;
  int m_nUndoChanged = 0;
  int m_nNewStageResult = 0;
  std::deque<std::string> m_Paths;
  std::vector<cFileChoice> m_vChoices;
  std::string m_strGame;
  int m_bLaunchWorks = 1;
  std::deque<int32_t> m_vValues;
  std::function<int(cDataMove&)> m_fnDataMove;
  // Popups open now, and the text and title of the last one.
  int m_nPopups = 0;
  std::string m_strPopup;
};

// A layer's cells as text: rows separated by '/', a digit (or letter from 10 on) per graphic
// number, '.' for an empty cell.
template <class T>
std::string LayerText(const cStageLayer<T>& layer, const cStageDoc& stage) {
  std::string text;
  for (int y = 0; y < stage.m_nHeight; ++y) {
    if (y) text += '/';
    for (int x = 0; x < stage.m_nWidth; ++x) {
      int graphic = layer.Get(stage.CellIndex(x, y)).m_nGraphic;
      text += graphic == 0 ? '.' : graphic < 10 ? static_cast<char>('0' + graphic) : static_cast<char>('a' + graphic - 10);
    }
  }
  return text;
}

template <class T>
T Record(int graphic) {
  T record;
  record.m_nGraphic = static_cast<int16_t>(graphic);
  return record;
}

// A character the player controls.
inline cEdChara PlayerRecord(int graphic) {
  cEdChara player = Record<cEdChara>(graphic);
  player.m_cControl = 0;
  return player;
}

// A mouse message over a cell of a view scrolled to the origin; buttons as the message leaves them.
inline cMapMouse MouseAt(uint32_t message, int x, int y, int shift = 0) {
  cMapMouse mouse;
  mouse.m_nMessage = message;
  mouse.m_nViewX = x;
  mouse.m_nViewY = y;
  mouse.m_bShift = shift;
  mouse.m_bLDown = message == kLButtonDown || message == kLButtonDblClk;
  mouse.m_bRDown = message == kRButtonDown || message == kRButtonDblClk;
  mouse.m_bLPressed = message == kLButtonDown;
  mouse.m_bRPressed = message == kRButtonDown;
  mouse.m_bLReleased = message == kLButtonUp;
  mouse.m_bRReleased = message == kRButtonUp;
  return mouse;
}

// The stage tests' clean state, an open stage of the size given with undo, and a fresh cursor.
class StageEditorTest : public StageTest {
protected:
  void SetUp() override {
    StageTest::SetUp();
    g_StateStack.Reset();
    g_StageEditState.m_pView = &m_Host;
  }
  void TearDown() override {
    g_StageEditState.m_pView = nullptr;
    StageTest::TearDown();
  }
  void OpenStage(int width, int height, int depth = 5) {
    g_StageDoc.SetSize(width, height, 0, 0);
    g_StageEditState.m_bStageOpen = 1;
    g_StageEditState.AllocateUndo(depth, g_StageDoc.m_nPitch, g_StageDoc.m_nHeight);
  }

  cRecordingHost m_Host;
};
