#include "listctrl/ListInstances.h"

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
}  // namespace

const cListInstance kListAnimeTable = {"cAnimeData", "cDbPageAnime", 226, 1160, kTable, kListIdsSetMenus, kTableIds};
const cListInstance kListAnimeMotions = {
    "cAnimeData", "cDbPageAnimeSet", 212, 1160, {0, 0, 4, 4, 0, 0, 0}, kListIdsNone, kNoIds};
const cListInstance kListAnimeSetTable = {
    "cAnimeSetData", "cDbPageAnimeSet", 212, 1159, kTableFromZero, kListIdsSetMenus, kTableIds};
const cListInstance kListAnimeFrames = {
    "cAnimeFrameData", "cDlgAnimePattern", 221, 1206, kSubRecords, kListIdsSetMenus, kInsertIds};
const cListInstance kListBgmTable = {"cBgmData", "cDbPageBgm", 220, 1198, kTable, kListIdsSetMenus, kTableIds};
const cListInstance kListCharaExcTable = {
    "cCharaExcData", "cDbPageCharaExc", 141, 1054, kTable, kListIdsSetMenus, kTableIds};
const cListInstance kListEffectTable = {"cEffectData", "cDbPageEffect", 211, 1158, kTable, kListIdsSetMenus, kTableIds};
const cListInstance kListEffectFrames = {
    "cEffectFrameData", "cDbPageEffect", 211, 1206, kSubRecords, kListIdsSetMenus, kInsertIds};
const cListInstance kListCharaEffectTable = {
    "cCharaEffectData", "cDbPageCharaEffect", 210, 1157, kTable, kListIdsSetMenus, kTableIds};
const cListInstance kListScrEffectTable = {
    "cScrEffectData", "cDbPageScrEffect", 235, 1224, kTable, kListIdsSetMenus, kTableIds};
const cListInstance kListPictureTable = {
    "cPictureData", "cDbPagePicture", 237, 1232, kTable, kListIdsSetMenus, kTableIds};
const cListInstance kListSoundTable = {"cSoundData", "cDbPageSound", 199, 1057, kTable, kListIdsSetMenus, kTableIds};
const cListInstance kListSwordTypeTable = {
    "cSwordTypeData", "cDbPageSwordType", 222, 1207, kTableFromZero, kListIdsSetMenus, kTableIds};
const cListInstance kListSwordPositions = {
    "cSwordPosData", "cDbPageSwordType", 222, 1215, kSubRecords, kListIdsSetMenus, kInsertIds};
const cListInstance kListConditions = {
    "cCondData", "cBlockDataPage", 137, 1044, kConditions, kListIdsExplicit, WithoutInsert(kInsertIds)};
const cListInstance kListFlowConditions = {
    "cCondData", "cFlowEditPage", 201, 1086, kConditions, kListIdsExplicit, WithoutInsert(kInsertIds2)};
const cListInstance kListFlows = {
    "cFlowData", "cFlowEditPage", 201, 1082, {1, 1, 1, 999, 0, 1, 0}, kListIdsSetMenus, kInsertIds};
const cListInstance kListKeyConditions = {
    "cKeyCondData", "cFlowEditPage", 201, 1094, kConditions, kListIdsExplicit, WithoutInsert(kInsertIds3)};
const cListInstance kListFlowCommands = {
    "cCommandData", "cFlowEditPage", 201, 1095, kCommands, kListIdsExplicit, WithoutInsert(kInsertIds4)};
const cListInstance kListItemCommands = {
    "cCommandData", "cItemPage2", 203, 1095, kCommands, kListIdsExplicit, WithoutInsert(kInsertIds)};
const cListInstance kListBackgrounds = {
    "cBackgroundData", "cStagePageBasic", 144, 1222, {1, 1, 0, 8, 0, 1, 0}, kListIdsSetMenus, kInsertIds};
const cListInstance kListWorldEvents = {
    "cWorldEvent", "cEventPaletteWnd", 158, 1241, {1, 1, 1, 99, 0, 1, 0}, kListIdsExplicit, WithoutInsert(kInsertIds)};
const cListInstance kListWorldEventPages = {
    "cWorldEventPage", "cDlgWorldEvent", 161, 1254, {1, 1, 1, 99, 0, 1, 0}, kListIdsSetMenus, kInsertIds};
const cListInstance kListFileNames = {
    "cString", "cDlgBmpConvert", 188, 1328, {0, 0, 0, 1000, 0, 1, 0}, kListIdsNone, kNoIds};

const cListInstance* const kListInstances[kListInstanceCount] = {
    &kListAnimeTable,     &kListAnimeMotions,   &kListAnimeSetTable,    &kListAnimeFrames,  &kListBgmTable,
    &kListCharaExcTable,  &kListEffectTable,    &kListEffectFrames,     &kListCharaEffectTable,
    &kListScrEffectTable, &kListPictureTable,   &kListSoundTable,       &kListSwordTypeTable,
    &kListSwordPositions, &kListConditions,     &kListFlowConditions,   &kListFlows,        &kListKeyConditions,
    &kListFlowCommands,   &kListItemCommands,   &kListBackgrounds,      &kListWorldEvents,  &kListWorldEventPages,
    &kListFileNames,
};
