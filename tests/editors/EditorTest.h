#pragma once
// Helpers for the editor rule tests: a clean stage of 8 x 4 cells with undo, a stage palette and a
// common palette of named characters, and a character maker.

#include <string>
#include <vector>

#include "app/cEditConfig.h"
#include "editors/CtrlStates.h"
#include "tests/stage/StageTest.h"

// The stage cell where the data sheet tests place the object they edit.
constexpr int kPlacedCell = 9;

// A block, character or item that takes part in inheritance (graphic number not 0), with a name.
template <class T>
T Named(const char* name) {
  T record;
  record.m_strName = name;
  record.m_nGraphic = 1;
  return record;
}
inline cEdChara NamedChara(const char* name) { return Named<cEdChara>(name); }

// Follows entry index of a palette for the groups given.
template <class T = cEdChara>
T Follower(const char* name, int palette, int index, std::initializer_list<int> groups) {
  T record = Named<T>(name);
  record.m_cInheritPalette = static_cast<int8_t>(palette);
  record.m_nInheritIndex = static_cast<int16_t>(index);
  for (int group : groups) record.m_bbInherit[group] = 1;
  return record;
}

// Stands for the stage editor: the undo step it is asked for goes onto the edit state, as its
// window's own push does, and its layer flags are noted.
class cUndoPushView : public cStageEditView {
public:
  void ShowLayer(int) override {}
  void SyncToolButtons(int) override {}
  void PushUndo(int flags) override {
    m_vFlags.push_back(flags);
    g_StageEditState.PushUndo(flags, g_StageDoc);
  }
  std::vector<int> m_vFlags;
};

class EditorTest : public StageTest {
protected:
  void SetUp() override {
    StageTest::SetUp();
    m_View.m_vFlags.clear();
    g_StageEditState.m_pView = &m_View;
    g_StageDoc.SetSize(8, 4, 0, 0);
    g_StageEditState.AllocateUndo(3, g_StageDoc.m_nPitch, g_StageDoc.m_nHeight);
    g_StageDoc.m_vStageChara.Reset(4);
    for (int i = 1; i < 4; ++i) g_StageDoc.m_vStageChara[i] = NamedChara(("stage" + std::to_string(i)).c_str());
    g_CommonPalette.m_vChara.Reset(3);
    for (int i = 1; i < 3; ++i) g_CommonPalette.m_vChara[i] = NamedChara(("common" + std::to_string(i)).c_str());
    EditConfig.m_nCharaSheetPage = 0;
    g_StageEditState.m_nEditIndex = 0;
  }
  void TearDown() override {
    if (g_StageEditState.m_pView == &m_View) g_StageEditState.m_pView = nullptr;
    StageTest::TearDown();
  }

  cUndoPushView m_View;
};

// The decided states of one aspect, for compact expectations: "1" enabled, "0" disabled, "-" none.
inline std::string EnabledOf(const cCtrlStates& states, std::initializer_list<uint16_t> ids) {
  std::string text;
  for (uint16_t id : ids) {
    int state = states.Enabled(id);
    text += state < 0 ? '-' : static_cast<char>('0' + state);
  }
  return text;
}
