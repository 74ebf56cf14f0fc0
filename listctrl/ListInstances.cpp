#include "listctrl/ListInstances.h"

#include "listctrl/ListEditContext.h"

namespace {
// multi, numbered, minimum, maximum, leading offset, extra row, no selection allowed
// Database tables: entry 0, the "none" entry other records refer to, gets no row.
constexpr cListShape kTable = {1, 1, 1, 999, 1, 1, 0};
// The anime-set and sword-type tables show their entry 0 as row 1.
constexpr cListShape kTableFromZero = {1, 1, 1, 999, 0, 1, 0};
constexpr cListShape kSubRecords = {1, 0, 1, 99, 0, 1, 0};
constexpr cListShape kConditions = {1, 0, 0, 99, 0, 1, 0};
constexpr cListShape kCommands = {1, 0, 0, 999, 0, 1, 0};

constexpr cListCommandSet kNoIds = {};
constexpr const cListCommandSet& kTableIds = kListCommandSets[0];      // 105, 112, layout 0, kind 1
constexpr const cListCommandSet& kInsertIds = kListCommandSets[4];     // 108, 115, layout 1, kind 1
constexpr const cListCommandSet& kInsertIds2 = kListCommandSets[5];    // 110, 116
constexpr const cListCommandSet& kInsertIds3 = kListCommandSets[6];    // 109, 117
constexpr const cListCommandSet& kInsertIds4 = kListCommandSets[7];    // 112, 177

// The buttons of the database table pages, of the lists edited in a sub-dialog and of the lists
// that insert and delete plain records, by their ids.
constexpr cListButtons kTableButtons = {{{1066, kListActNew}, {1056, kListActClear}, {11071, kListActDataCount}}};
constexpr cListButtons EditButtons(uint16_t insert, uint16_t edit, uint16_t remove) {
  return {{{insert, kListActInsertEdit}, {edit, kListActEdit}, {remove, kListActDelete}}};
}
constexpr cListButtons PlainButtons(uint16_t insert, uint16_t remove) {
  return {{{insert, kListActInsert}, {remove, kListActDelete}}};
}

// dialog, form, insert-then-edit, run mode, placement of an edit, of an insert
constexpr cListEditForm kNoDialog = {};
constexpr cListEditForm FirstForm(uint16_t dialog, int insertEdit) {
  return {dialog, 1, insertEdit, kListRunAlone, kListPlaceCentred, kListPlaceCentred};
}
constexpr cListEditForm SecondForm(uint16_t dialog, int runMode, int editPlace, int insertPlace) {
  return {dialog, 2, 1, runMode, editPlace, insertPlace};
}
constexpr cListEditForm kConditionDialog = SecondForm(170, kListRunAlone, kListPlaceCentred, kListPlaceCentred);
}  // namespace

const cListInstance kListAnimeTable = {
    "cAnimeData", "cDbPageAnime", 226, 1160, kTable, kListIdsSetMenus, kTableIds, kTableButtons, kNoDialog};
const cListInstance kListAnimeMotions = {"cAnimeData",   "cDbPageAnimeSet", 212, 1160, {0, 0, 4, 4, 0, 0, 0},
                                         kListIdsNone,   kNoIds,            {{{1067, kListActEdit}}},
                                         FirstForm(221, 0)};
const cListInstance kListAnimeSetTable = {
    "cAnimeSetData", "cDbPageAnimeSet", 212, 1159, kTableFromZero, kListIdsSetMenus, kTableIds, kTableButtons,
    kNoDialog};
const cListInstance kListAnimeFrames = {
    "cAnimeFrameData", "cDlgAnimePattern", 221, 1206, kSubRecords, kListIdsSetMenus, kInsertIds,
    PlainButtons(1066, 1067), kNoDialog};
const cListInstance kListBgmTable = {
    "cBgmData", "cDbPageBgm", 220, 1198, kTable, kListIdsSetMenus, kTableIds, kTableButtons, kNoDialog};
const cListInstance kListCharaExcTable = {
    "cCharaExcData", "cDbPageCharaExc", 141, 1054, kTable, kListIdsSetMenus, kTableIds, kTableButtons, kNoDialog};
const cListInstance kListEffectTable = {
    "cEffectData", "cDbPageEffect", 211, 1158, kTable, kListIdsSetMenus, kTableIds, kTableButtons, kNoDialog};
const cListInstance kListEffectFrames = {
    "cEffectFrameData", "cDbPageEffect", 211, 1206, kSubRecords, kListIdsSetMenus, kInsertIds,
    EditButtons(1227, 1228, 1229), FirstForm(236, 1)};
const cListInstance kListCharaEffectTable = {
    "cCharaEffectData", "cDbPageCharaEffect", 210, 1157, kTable, kListIdsSetMenus, kTableIds, kTableButtons,
    kNoDialog};
const cListInstance kListScrEffectTable = {
    "cScrEffectData", "cDbPageScrEffect", 235, 1224, kTable, kListIdsSetMenus, kTableIds, kTableButtons, kNoDialog};
const cListInstance kListPictureTable = {
    "cPictureData", "cDbPagePicture", 237, 1232, kTable, kListIdsSetMenus, kTableIds, kTableButtons, kNoDialog};
const cListInstance kListSoundTable = {
    "cSoundData", "cDbPageSound", 199, 1057, kTable, kListIdsSetMenus, kTableIds, kTableButtons, kNoDialog};
const cListInstance kListSwordTypeTable = {
    "cSwordTypeData", "cDbPageSwordType", 222, 1207, kTableFromZero, kListIdsSetMenus, kTableIds, kTableButtons,
    kNoDialog};
const cListInstance kListSwordPositions = {
    "cSwordPosData", "cDbPageSwordType", 222, 1215, kSubRecords, kListIdsSetMenus, kInsertIds,
    EditButtons(1214, 1212, 1213), FirstForm(223, 1)};
const cListInstance kListConditions = {
    "cCondData", "cBlockDataPage", 137, 1044, kConditions, kListIdsExplicit, WithoutInsert(kInsertIds),
    EditButtons(1041, 1042, 1043), kConditionDialog};
const cListInstance kListFlowConditions = {
    "cCondData", "cFlowEditPage", 201, 1086, kConditions, kListIdsExplicit, WithoutInsert(kInsertIds2),
    EditButtons(1083, 1084, 1085), kConditionDialog};
const cListInstance kListFlows = {
    "cFlowData", "cFlowEditPage", 201, 1082, {1, 1, 1, 999, 0, 1, 0}, kListIdsSetMenus, kInsertIds,
    PlainButtons(1066, 1067), kNoDialog};
const cListInstance kListKeyConditions = {
    "cKeyCondData", "cFlowEditPage", 201, 1094, kConditions, kListIdsExplicit, WithoutInsert(kInsertIds3),
    EditButtons(1091, 1092, 1093), SecondForm(204, kListRunAlone, kListPlaceOwn, kListPlaceCentred)};
const cListInstance kListFlowCommands = {
    "cCommandData", "cFlowEditPage", 201, 1095, kCommands, kListIdsExplicit, WithoutInsert(kInsertIds4),
    EditButtons(1068, 1070, 1069), SecondForm(205, kListRunAlone, kListPlaceCentred, kListPlaceCorner)};
const cListInstance kListItemCommands = {
    "cCommandData", "cItemPage2", 203, 1095, kCommands, kListIdsExplicit, WithoutInsert(kInsertIds),
    EditButtons(1068, 1070, 1069), SecondForm(216, kListRunAlone, kListPlaceCentred, kListPlaceCentred)};
const cListInstance kListBackgrounds = {
    "cBackgroundData", "cStagePageBasic", 144, 1222, {1, 1, 0, 8, 0, 1, 0}, kListIdsSetMenus, kInsertIds,
    EditButtons(1219, 1220, 1221), FirstForm(136, 1)};
const cListInstance kListWorldEvents = {
    "cWorldEvent", "cEventPaletteWnd", 158, 1241, {1, 1, 1, 99, 0, 1, 0}, kListIdsExplicit,
    WithoutInsert(kInsertIds),
    {{{1066, kListActInsertEdit}, {1226, kListActEdit}, {1067, kListActDelete}, {11071, kListActDataCount}}},
    SecondForm(161, kListRunDisable, kListPlaceOwn, kListPlaceOwn)};
const cListInstance kListWorldEventPages = {
    "cWorldEventPage", "cDlgWorldEvent", 161, 1254, {1, 1, 1, 99, 0, 1, 0}, kListIdsSetMenus, kInsertIds,
    PlainButtons(1066, 1067), kNoDialog};
const cListInstance kListFileNames = {
    "cString", "cDlgBmpConvert", 188, 1328, {0, 0, 0, 1000, 0, 1, 0}, kListIdsNone, kNoIds,
    {{{1008, kListActAddFiles}, {1009, kListActRemoveAll}}}, kNoDialog};

const cListInstance* const kListInstances[kListInstanceCount] = {
    &kListAnimeTable,     &kListAnimeMotions,   &kListAnimeSetTable,    &kListAnimeFrames,  &kListBgmTable,
    &kListCharaExcTable,  &kListEffectTable,    &kListEffectFrames,     &kListCharaEffectTable,
    &kListScrEffectTable, &kListPictureTable,   &kListSoundTable,       &kListSwordTypeTable,
    &kListSwordPositions, &kListConditions,     &kListFlowConditions,   &kListFlows,        &kListKeyConditions,
    &kListFlowCommands,   &kListItemCommands,   &kListBackgrounds,      &kListWorldEvents,  &kListWorldEventPages,
    &kListFileNames,
};

namespace {
// Notification codes as the platform numbers them.
constexpr uint16_t kButtonClicked = 0;
constexpr uint16_t kListDoubleClicked = 2;
}  // namespace

int ListActionOf(const cListInstance& list, uint32_t wParam) {
  uint16_t id = static_cast<uint16_t>(wParam & 0xFFFF);
  uint16_t code = static_cast<uint16_t>(wParam >> 16);
  if (id == list.m_wListId)
    return code == kListDoubleClicked && list.m_Edit.m_wDialog ? kListActEdit : kListActNone;
  if (code != kButtonClicked) return kListActNone;
  for (const cListButton& button : list.m_Buttons.m_aButton)
    if (button.m_wId != 0 && button.m_wId == id) return button.m_nAction;
  return kListActNone;
}
