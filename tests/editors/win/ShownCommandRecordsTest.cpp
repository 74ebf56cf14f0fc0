// Showing a stored command or condition never changes it. Every command dialog, generated from
// its description, over a command whose every value is an extreme of its own range (negative where
// the range allows, a database or palette row past its table where a stored value can be so, texts
// at their limits): its first showing, the flow operation's condition list clicked, keyed and its
// popup menu dismissed, the graphic picker closed without a pick. The condition dialogs of every
// kind, the key condition dialog and the command chooser over such records in the flow page's
// lists, opened on their row, after a popup menu on it, or after the neighbour of another kind was
// opened. Each followed by a field retyped by the user and OK, or OK alone: the record must come
// back byte for byte as it was stored.

#include <string>
#include <variant>
#include <vector>

#include "app/cValInfoData.h"
#include "editors/CmdDialogDesc.h"
#include "editors/CondDialogRules.h"
#include "editors/FlowPageRules.h"
#include "editors/KeyCondRules.h"
#include "editors/CodeArrangeLoopRules.h"
#include "editors/LookCommandRules.h"
#include "editors/ShotCommandRules.h"
#include "editors/StatusCondRules.h"
#include "editors/win/cDlgCommand.h"
#include "model/CmdParamTable.h"
#include "model/FlowVocabulary.h"
#include "model/NameTable.h"
#include "model/VariableVocabulary.h"
#include "model/VariableNames.h"
#include "stage/cStageDoc.h"
#include "tests/editors/win/EditorWndTest.h"
#include "tests/support/CmdDialogRows.h"
#include "tests/support/win/DialogItems.h"
#include "tests/support/win/ShownRecordTable.h"
#include "tests/support/win/UserInput.h"

namespace shown_cmd {
int32_t Extreme(int32_t min, int32_t max) { return min < 0 ? min : max; }

// A text at its edit's limits: double-byte characters to the byte limit, or full lines of them; a
// code the checker reads, padded with blanks.
cString FullText(const cCmdDialogDesc& desc, const cCmdCtrl& ctrl) {
  if (desc.m_nSet == 0 && desc.m_nKind == kCmdCode) {
    std::string code = "hp = hp + 10";
    return cString((code + std::string(static_cast<size_t>(ctrl.m_nMax) - code.size(), ' ')).c_str());
  }
  std::string line;
  for (int32_t i = 0; i < (ctrl.m_nLines > 0 ? ctrl.m_nMax : ctrl.m_nMax / 2); ++i) line += "あ";
  if (ctrl.m_nLines == 0) return cString((ctrl.m_nMax % 2 ? line + "A" : line).c_str());
  std::string text = line;
  for (int32_t i = 1; i < ctrl.m_nLines; ++i) text += "\r\n" + line;
  return cString(text.c_str());
}

// A combo's value: one past its rows where a stored value can lie there (a database or palette row
// past its table, which shows as its number), else its last row.
int32_t ComboExtreme(const cCmdCtrl& ctrl, const cCommandData& command) {
  cCmdRows rows = CmdCtrlRowSet(ctrl, command);
  int32_t past = rows.m_nOffset + rows.m_vRows.Count();
  return rows.m_Numbering.m_nDigits > 0 ? past : past - 1;
}

void SeedCtrl(const cCmdDialogDesc& desc, const cCmdCtrl& ctrl, const cCtrlStates& states, cCommandData& command) {
  if (std::holds_alternative<cDialogSlot>(ctrl.m_Slot)) return;
  if (!CmdCtrlPresent(desc, ctrl.m_nId)) {
    // A control the template lacks reads 0, which OK stores.
    WriteCmdSlot(command, ctrl.m_Slot, 0);
    WriteCmdSlotDouble(command, ctrl.m_Slot, 0.0);
    return;
  }
  int32_t min = ctrl.m_nMin, max = ctrl.m_nMax;
  states.Range(ctrl.m_nId, min, max);
  switch (ctrl.m_nKind) {
    case kCtrlEditVal:
      if (IsDoubleSlot(ctrl.m_Slot))
        WriteCmdSlotDouble(command, ctrl.m_Slot, ctrl.m_dMin < 0 ? ctrl.m_dMin : ctrl.m_dMax);
      else
        WriteCmdSlot(command, ctrl.m_Slot, Extreme(min, max));
      break;
    case kCtrlSlider: WriteCmdSlot(command, ctrl.m_Slot, Extreme(min, max)); break;
    case kCtrlCheck: WriteCmdSlot(command, ctrl.m_Slot, 1); break;
    case kCtrlCombo: {
      int32_t value = ComboExtreme(ctrl, command);
      WriteCmdSlot(command, ctrl.m_Slot, value);
      // A narrower slot keeps the last row.
      if (ReadCmdSlot(command, ctrl.m_Slot) != value) WriteCmdSlot(command, ctrl.m_Slot, value - 1);
      break;
    }
    case kCtrlEditText: WriteCmdSlotText(command, ctrl.m_Slot, FullText(desc, ctrl)); break;
    default: break;
  }
}

// A stored command of the description's kind whose every value is an extreme of the range its own
// state gives, and which its own rules leave as it is: its defaults first (which create the
// payload blocks), then each control's extreme, the value rules and the states, until they agree.
cCommandData ExtremeCommand(const cCmdDialogDesc& desc) {
  cCommandData command;
  command.m_cSet = desc.m_nSet;
  command.m_cKind = desc.m_nKind;
  cCmdEditContext context{&command, 1};
  { cCmdDialogModel defaults(desc, context); }
  cCtrlStates states;
  for (int pass = 0; pass < 4; ++pass) {
    ForEachCmdCtrl(desc, [&](const cCmdCtrl& ctrl) { SeedCtrl(desc, ctrl, states, command); });
    if (desc.m_pfnOpening) desc.m_pfnOpening(command);
    if (desc.m_pfnApply) desc.m_pfnApply(command);
    if (desc.m_pfnDerive) desc.m_pfnDerive(command);
    states = cCtrlStates();
    if (desc.m_pfnStates) desc.m_pfnStates(command, states);
  }
  return command;
}

// The first numeric edit the user can type into, else 0.
uint16_t RetypableEdit(HWND dialog, const cCmdDialogDesc& desc) {
  uint16_t found = 0;
  ForEachCmdCtrl(desc, [&](const cCmdCtrl& ctrl) {
    HWND item = GetDlgItem(dialog, ctrl.m_nId);
    if (found || ctrl.m_nKind != kCtrlEditVal || IsDoubleSlot(ctrl.m_Slot) || !item) return;
    if (IsWindowEnabled(item) && IsWindowVisible(item)) found = ctrl.m_nId;
  });
  return found;
}

// The user selects the edit's text and types it again, then leaves the edit with Tab.
void Retype(HWND dialog, uint16_t id) {
  char text[64] = {};
  GetDlgItemTextA(dialog, id, text, sizeof text);
  FocusItem(dialog, id);
  SendDlgItemMessageA(dialog, id, EM_SETSEL, 0, -1);
  TypeText(text);
  PressKey(VK_TAB);
}

// A way the stored command comes to be shown: what the user does to the command dialog, and to
// the dialogs that opens in turn.
struct cShowing {
  std::string m_strName;
  std::function<void(HWND)> m_fnDialog;
  std::vector<std::function<void(HWND)>> m_vNested;
};

// The flow operation's conditions: a neighbour of another kind, then one at its extremes.
const int kExtremeCondRow = 1;
void SeedFlowOpConditions(cCommandData& command) {
  cCondData neighbour;
  neighbour.m_cKind = 7;
  neighbour.m_nValue = 40;
  cCondData cond;
  cond.m_cKind = 1;
  cond.m_nNumber = 999;
  cond.m_cCompare = 5;
  cond.m_nValue = -999999;
  command.m_pCondList->m_vCond = {neighbour, cond};
}

// The first showing, and where the dialog has them: a click on a condition row, keys in the list,
// a popup menu dismissed with Escape, the graphic picker closed without a pick.
std::vector<cShowing> Showings(const cCmdDialogDesc& desc) {
  std::vector<cShowing> showings = {{"first showing", {}, {}}};
  if (uint16_t list = desc.m_nCondList) {
    showings.push_back({"a click on a condition row", [list](HWND dialog) {
                          ClickListBoxRow(GetDlgItem(dialog, list), kExtremeCondRow, VK_LBUTTON, &g_ModelessList);
                        }, {}});
    showings.push_back({"Down in the condition list", [list](HWND dialog) {
                          ClickListBoxRow(GetDlgItem(dialog, list), 0, VK_LBUTTON, &g_ModelessList);
                          PressKey(VK_DOWN, false, &g_ModelessList);
                        }, {}});
    showings.push_back({"a popup menu dismissed", [list](HWND dialog) {
                          cPopupMenuWatch escape([](HWND) { TypeKey(VK_ESCAPE); });
                          ClickListBoxRow(GetDlgItem(dialog, list), kExtremeCondRow, VK_RBUTTON, &g_ModelessList);
                        }, {}});
  }
  if (uint16_t button = desc.m_CellPick.m_nButton)
    showings.push_back({"the graphic picker closed without a pick",
                        [button](HWND dialog) { SendDlgItemMessageA(dialog, button, BM_CLICK, 0, 0); },
                        {[](HWND picker) { PostMessageA(picker, WM_CLOSE, 0, 0); }}});
  return showings;
}
// The first edit of a dialog that the user can type into, else null.
HWND FirstEdit(HWND dialog) {
  for (HWND item = GetWindow(dialog, GW_CHILD); item; item = GetWindow(item, GW_HWNDNEXT)) {
    char name[16] = {};
    GetClassNameA(item, name, sizeof name);
    LONG style = GetWindowLongA(item, GWL_STYLE);
    if (lstrcmpiA(name, "Edit") == 0 && IsWindowEnabled(item) && IsWindowVisible(item) && !(style & ES_READONLY))
      return item;
  }
  return nullptr;
}

int LastRow(const cString* table) { return NameListCount(table) - 1; }

// A condition of the kind whose every value is an extreme of what its kind allows.
cCondData ExtremeCond(int kind) {
  cCondData cond;
  cond.m_cKind = static_cast<int8_t>(kind);
  cond.m_cCompare = static_cast<int8_t>(LastRow(CompareNames));
  switch (kind) {
    case kCondCommonVar:
    case kCondStageVar:
      cond.m_nNumber = kVariableRowCount;
      cond.m_nValue = kind == kCondCommonVar ? -999999 : 999999;
      break;
    case kCondCharaVar:
      cond.m_nNumber = static_cast<int16_t>(NameListCount(CharaVarNames));
      cond.m_nValue = -999999;
      break;
    case kCondStatus: {
      cond.m_cSubject = 4;
      cond.m_cStatus = static_cast<int8_t>(StatusRows(4).Count() - 1);
      cond.m_cRightKind = 1;  // a random number between two bounds
      const cStatusDesc* status = StatusDescOf(cond.m_cSubject, cond.m_cStatus);
      cond.m_nRandMin = status ? status->m_nOpMin : -999999;
      cond.m_nRandMax = status ? status->m_nOpMax : 999999;
      cond.m_bPercent = status && status->m_bPercentCond ? 1 : 0;
      cond.m_cRightScope = 1;
      cond.m_nRightNumber = kVariableRowCount;
      break;
    }
    case kCondStatus2: {
      cond.m_cSubject = 4;
      cVector<cString> rows;
      int32_t offset = 0;
      Status2StatusRows(cond.m_cSubject, rows, offset);
      cond.m_cStatus = static_cast<int8_t>(offset + rows.Count() - 1);
      Status2OptionRows(cond.m_cSubject, cond.m_cStatus, rows, offset);
      cond.m_nNumber = static_cast<int16_t>(offset + rows.Count() - 1);
      break;
    }
    case kCondStatus3:
      cond.m_cSubject = 4;
      cond.m_cStatus = static_cast<int8_t>(LastRow(StateCheckNames));
      cond.m_cCompare = static_cast<int8_t>(LastRow(NaraNames));
      break;
    case kCondDistance:
      cond.m_nValue = 40;
      cond.m_nRightNumber = -15;
      cond.m_cSubject = static_cast<int8_t>(LastRow(DistanceSubjectNames));
      cond.m_cAxis = static_cast<int8_t>(LastRow(DistanceAxisNames));
      cond.m_cCompare = static_cast<int8_t>(LastRow(DistanceRangeNames));
      cond.m_cLeftKind = static_cast<int8_t>(LastRow(RangeShowNames));
      cond.m_cStatus = static_cast<int8_t>(LastRow(HitBoxColorNames));
      cond.m_cRightKind = 1;
      cond.m_cRightSubject = 1;
      break;
    default: break;
  }
  return cond;
}

// Every key held or released, the longest press times, and the last way of judging them.
cKeyCondData ExtremeKeyCond() {
  cKeyCondData key;
  for (int i = 0; i < cKeyCondData::kKeyCount; ++i) key.m_vKeyState[i] = static_cast<int8_t>(1 + i % 2);
  key.m_bFrontBack = 1;
  key.m_nPressMin = kPressTimeMax;
  key.m_nPressMax = kPressTimeMax;
  key.m_cJudge = static_cast<int8_t>(LastRow(KeyJudgeNames));
  return key;
}
}  // namespace shown_cmd

using namespace shown_cmd;

namespace {
constexpr int kCmdDedicatedBitmaps = 300;

class ShownCommandRecordsTest : public EditorWndTest {
protected:
  void SetUp() override {
    EditorWndTest::SetUp();
    BuildCmdParamTable();
    m_vSavedNames.swap(g_vValInfo);
    SetUpCmdDialogWorld();
    // More dedicated bitmaps than the graphic number's edit starts with (1 .. 119).
    g_DatabaseSet.m_vCharaExc.Reset(kCmdDedicatedBitmaps);
  }
  void TearDown() override {
    RegisterVariableNames<cValInfoData>(kVarScopeCommon, nullptr);
    RegisterVariableNames<cValInfoData>(kVarScopeStage, nullptr);
    m_vSavedNames.swap(g_vValInfo);
    EditorWndTest::TearDown();
  }

  // Runs the dialog of the stored command as an existing command: the showing, then the store.
  int RunStored(const cShowing& showing, const std::function<void(HWND)>& store) {
    std::vector<std::function<void(HWND)>> actions = {[&](HWND dialog) {
      if (showing.m_fnDialog) showing.m_fnDialog(dialog);
      store(dialog);
    }};
    actions.insert(actions.end(), showing.m_vNested.begin(), showing.m_vNested.end());
    cDialogScript script(actions);
    cCmdEditContext context{&m_Stored, 0};
    cDlgCommand* dialog = nullptr;
    return RunCommandDialog(dialog, m_Stored.m_cSet, m_Stored.m_cKind, &Editor(), &context, &g_ModelessList, nullptr);
  }

  // The dialog is modal: the showing is noted, and the store runs the dialog with both; opening
  // and closing put the stored command in place.
  cShownRecordRow CommandRow(const cCmdDialogDesc& desc, const cCommandData& stored) {
    m_Stored = stored;
    cShownRecordRow row;
    row.m_strWindow = desc.m_pClass;
    row.m_fnOpen = [this, stored] { m_Stored = stored; };
    for (const cShowing& showing : Showings(desc))
      row.m_vShowings.push_back({showing.m_strName, [this, showing] { m_Showing = showing; }});
    auto store = [this, &desc](bool retype) {
      int result = RunStored(m_Showing, [&desc, retype](HWND dialog) {
        if (uint16_t edit = retype ? RetypableEdit(dialog, desc) : 0) Retype(dialog, edit);
        SendDlgItemMessageA(dialog, kIdcOk, BM_CLICK, 0, 0);
      });
      EXPECT_EQ(result, 1) << "OK took the shown values";
    };
    row.m_vStores = {{"a field retyped, then OK", [store] { store(true); }}, {"OK", [store] { store(false); }}};
    row.m_fnStored = [this] { return RecordBytes(m_Stored); };
    row.m_fnClose = [this, stored] { m_Stored = stored; };
    return row;
  }

  // Opens the dialog of the row of a list as the user does: a click on the row, then a double
  // click; the dialog takes the first action, the dialogs it opens in turn the others.
  void OpenRow(HWND window, uint16_t list, int row, std::vector<std::function<void(HWND)>> actions) {
    size_t count = actions.size();
    cDialogScript script(std::move(actions));
    ClickAndOpen(window, list, row);
    EXPECT_EQ(script.Ran(), static_cast<int>(count)) << "the dialogs of row " << row << " opened";
  }
  static void ClickAndOpen(HWND window, uint16_t list, int row) {
    ClickListBoxRow(GetDlgItem(window, list), row, VK_LBUTTON, &g_ModelessList);
    DoubleClick(window, list);
  }

  // A row of a data sheet's list: the record at row 1, a neighbour of another kind at row 0. The
  // sheet's OK stores the page into the stage.
  struct cSheetList {
    std::function<void()> m_fnPlace;       // puts the object with its records in its cell
    std::function<HWND()> m_fnOpen;        // opens its sheet on the page of the list
    std::function<cPropSheet*()> m_fnSheet;
    std::function<Bytes()> m_fnRecord;     // the stored record's bytes in the stage
  };
  cShownRecordRow SheetListRow(const std::string& window, const cSheetList& sheet, uint16_t list) {
    sheet.m_fnPlace();
    cShownRecordRow row;
    row.m_strWindow = window;
    row.m_fnOpen = [this, sheet] { m_hPage = sheet.m_fnOpen(); };
    auto open = [this, list](const std::function<void(HWND)>& store) { OpenRow(m_hPage, list, 1, {store}); };
    row.m_vShowings = {
        {"its row opened", [this, open] { m_fnListShowing = open; }},
        {"its neighbour of another kind opened and cancelled, then its row",
         [this, open, list] {
           m_fnListShowing = [this, open, list](const std::function<void(HWND)>& store) {
             OpenRow(m_hPage, list, 0, {[](HWND dialog) { PostClick(dialog, kIdcCancel); }});
             open(store);
           };
         }},
        {"a popup menu on its row dismissed, then its row opened",
         [this, open, list] {
           m_fnListShowing = [this, open, list](const std::function<void(HWND)>& store) {
             cPopupMenuWatch escape([](HWND) { TypeKey(VK_ESCAPE); });
             ClickListBoxRow(GetDlgItem(m_hPage, list), 1, VK_RBUTTON, &g_ModelessList);
             open(store);
           };
         }},
    };
    auto store = [this, sheet](bool retype) {
      m_fnListShowing([retype](HWND dialog) {
        if (HWND edit = retype ? FirstEdit(dialog) : nullptr) Retype(dialog, static_cast<uint16_t>(GetDlgCtrlID(edit)));
        SendDlgItemMessageA(dialog, kIdcOk, BM_CLICK, 0, 0);
      });
      PressOn(sheet.m_fnSheet(), PSBTN_OK);
    };
    row.m_vStores = {{"a field retyped, then OK", [store] { store(true); }}, {"OK", [store] { store(false); }}};
    row.m_fnStored = sheet.m_fnRecord;
    row.m_fnClose = [this, sheet] {
      if (sheet.m_fnSheet()) PressOn(sheet.m_fnSheet(), PSBTN_CANCEL);
      sheet.m_fnPlace();
    };
    return row;
  }

  // The flow page of a placed character whose first flow holds the records.
  cShownRecordRow FlowRow(const std::string& window, const cEdChara& chara, uint16_t list,
                          std::function<Bytes(cFlowData&)> record) {
    cSheetList sheet;
    sheet.m_fnPlace = [this, chara] { Place(1, 1, chara); };
    sheet.m_fnOpen = [this] { return OpenPlaced(1, 1) ? Page(3) : nullptr; };
    sheet.m_fnSheet = [this] { return static_cast<cPropSheet*>(Sheet()); };
    sheet.m_fnRecord = [record] { return record(g_StageDoc.m_vCharaLayer.At(g_StageDoc.CellIndex(1, 1)).m_vFlow[0]); };
    return SheetListRow(window, sheet, list);
  }

  // The effect page of a placed item whose effects are the commands.
  cShownRecordRow EffectRow(const std::string& window, const cEdItem& item) {
    cSheetList sheet;
    sheet.m_fnPlace = [this, item] { Place(1, 1, item); };
    sheet.m_fnOpen = [this] {
      g_StageEditState.SetLayer(2);
      ClickCell(1, 1);
      return ItemSheet() ? PageOf(ItemSheet(), 1) : nullptr;
    };
    sheet.m_fnSheet = [this] { return static_cast<cPropSheet*>(ItemSheet()); };
    sheet.m_fnRecord = [] { return RecordBytes(g_StageDoc.m_vItemLayer.At(g_StageDoc.CellIndex(1, 1)).m_vEffect[1]); };
    return SheetListRow(window, sheet, kIdcFlowCommandList);
  }

  cCommandData m_Stored;
  cShowing m_Showing;
  HWND m_hPage = nullptr;
  std::function<void(const std::function<void(HWND)>&)> m_fnListShowing;
  cVector<cValInfoData> m_vSavedNames;
};

// A character whose first flow holds the records.
cEdChara CharaWith(const std::vector<cCondData>& conds, const std::vector<cKeyCondData>& keys,
                   const std::vector<cCommandData>& commands) {
  cEdChara chara = NamedChara("歩兵");
  cFlowData flow;
  flow.m_cId = 1;
  for (const cCondData& cond : conds) flow.m_vCond.push_back(cond);
  for (const cKeyCondData& key : keys) flow.m_vKeyCond.push_back(key);
  for (const cCommandData& command : commands) flow.m_vCommand.push_back(command);
  chara.m_vFlow.push_back(flow);
  return chara;
}

cCommandData Neighbour(int kind) {
  cCommandData command;
  command.m_cKind = static_cast<int8_t>(kind == kCmdWait ? kCmdJump : kCmdWait);
  command.m_nTime = 5;
  command.SizeParams();
  return command;
}

// The kinds whose dialogs the chooser is tested on: ranges that follow a kind, a formation, a list.
const int kChooserKinds[] = {kCmdGraphic, kCmdShot, kCmdMessage, kCmdFlowOp};
}  // namespace

TEST_F(ShownCommandRecordsTest, EveryCommandDialogStoresTheCommandItShowsAsItWasStored) {
  for (const cCmdDialogDesc* desc : CmdDialogDescs()) {
    cCommandData stored = ExtremeCommand(*desc);
    if (desc->m_nCondList) SeedFlowOpConditions(stored);
    ExpectShowingKeepsTheRecord(CommandRow(*desc, stored));
  }
}

// A stored value beyond what its own state's rules allow (a shift beyond the character sheet's,
// parameters beyond their formation's, a code longer than its edit) is the user's to change: the
// dialog shows it and stores it as it is.
TEST_F(ShownCommandRecordsTest, AValueBeyondItsOwnStatesLimitsIsStoredAsItIs) {
  cCommandData graphic;
  graphic.m_cKind = kCmdGraphic;
  graphic.m_vParam = {1, 119, -999};
  ExpectShowingKeepsTheRecord(CommandRow(kGraphicDialog, graphic));
  cCommandData shot = ExtremeCommand(kShotDialog);
  shot.m_pShot->m_cFormation = 3;
  for (int16_t& param : shot.m_pShot->m_nFormParam) param = 99;
  ExpectShowingKeepsTheRecord(CommandRow(kShotDialog, shot));
  cCommandData code;
  code.m_cKind = kCmdCode;
  code.m_strText = ("C1 = 1" + std::string(150, ' ')).c_str();
  ExpectShowingKeepsTheRecord(CommandRow(kCodeDialog, code));
}

// The item effect chooser binds a stored effect of the item set as the character chooser does.
TEST_F(ShownCommandRecordsTest, TheItemEffectChooserStoresTheEffectItShowsAsItWasStored) {
  for (int kind : {kCmdGraphic, kCmdStatus}) {
    cCommandData stored = ExtremeCommand(*FindCmdDialogDesc(0, kind));
    stored.m_cSet = 1;
    stored.m_cKind = static_cast<int8_t>(kind - kItemCmdOffset);
    cCommandData neighbour = Neighbour(kCmdMessage);
    neighbour.m_cSet = 1;
    neighbour.m_cKind = static_cast<int8_t>(kCmdMessage - kItemCmdOffset);
    neighbour.SizeParams();
    cEdItem item = Named<cEdItem>("箱");
    item.m_vEffect = {neighbour, stored};
    ExpectShowingKeepsTheRecord(EffectRow(std::string("item effect chooser over ") + FindCmdDialogDesc(0, kind)->m_pClass, item));
  }
  g_StageEditState.SetLayer(1);
}

// Each row puts its character in place as it is made, so each runs before the next is made.
TEST_F(ShownCommandRecordsTest, TheFlowPagesDialogsStoreTheRecordTheyShowAsItWasStored) {
  for (int kind = kCondCommonVar; kind <= kCondDistance; ++kind)
    ExpectShowingKeepsTheRecord(FlowRow("condition dialog " + std::to_string(kind),
                                        CharaWith({ExtremeCond(kind % kCondDistance + 1), ExtremeCond(kind)}, {}, {}),
                                        kIdcFlowCondList,
                                        [](cFlowData& flow) { return RecordBytes(flow.m_vCond[1]); }));
  cKeyCondData neighbour;
  neighbour.m_bOpenEnd = 1;
  ExpectShowingKeepsTheRecord(FlowRow("key condition dialog", CharaWith({}, {neighbour, ExtremeKeyCond()}, {}),
                                      kIdcFlowKeyList, [](cFlowData& flow) { return RecordBytes(flow.m_vKeyCond[1]); }));
  // The flow operation's own condition, opened from its list and confirmed, before the store.
  const cCmdDialogDesc& flowOp = *FindCmdDialogDesc(0, kCmdFlowOp);
  cCommandData stored = ExtremeCommand(flowOp);
  SeedFlowOpConditions(stored);
  cShownRecordRow conditions = FlowRow("condition dialog of a flow operation", CharaWith({}, {}, {Neighbour(kCmdFlowOp), stored}),
                                       kIdcFlowCommandList, [](cFlowData& flow) { return RecordBytes(flow.m_vCommand[1]); });
  conditions.m_vShowings = {{"its condition opened and confirmed", [this, &flowOp] {
                               m_fnListShowing = [this, &flowOp](const std::function<void(HWND)>& store) {
                                 auto confirm = [](HWND cond) {
                                   if (HWND edit = FirstEdit(cond)) Retype(cond, static_cast<uint16_t>(GetDlgCtrlID(edit)));
                                   SendDlgItemMessageA(cond, kIdcOk, BM_CLICK, 0, 0);
                                 };
                                 OpenRow(m_hPage, kIdcFlowCommandList, 1,
                                         {[&flowOp, store](HWND dialog) {
                                            ClickAndOpen(dialog, flowOp.m_nCondList, kExtremeCondRow);
                                            store(dialog);
                                          },
                                          confirm});
                               };
                             }}};
  ExpectShowingKeepsTheRecord(conditions);
  for (int kind : kChooserKinds) {
    const cCmdDialogDesc& desc = *FindCmdDialogDesc(0, kind);
    cCommandData stored = ExtremeCommand(desc);
    if (desc.m_nCondList) SeedFlowOpConditions(stored);
    ExpectShowingKeepsTheRecord(FlowRow(std::string("command chooser over ") + desc.m_pClass,
                                        CharaWith({}, {}, {Neighbour(kind), stored}), kIdcFlowCommandList,
                                        [](cFlowData& flow) { return RecordBytes(flow.m_vCommand[1]); }));
  }
}
