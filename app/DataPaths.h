#pragma once
// The constant tables that go with the global documents: the data paths every project file is
// opened by, the file extensions, and two short vocabulary tables.

#include "app/cString.h"

// Indexes of the data-path table; every path is relative to the working folder.
enum : int {
  kPathData = 0,                 // "data\"
  kPathDefault = 1,              // "default\", the factory copy of the data folder
  kPathOldStages = 2,            // where a stage saved under a new data version moves its old file
  kPathWork = 3,                 // stage backups and the source of broken-file recovery
  kPathEditConfig = 4,
  kPathProjectOptions = 5,
  kPathDefaultProjectOptions = 6,
  kPathCommonPalette = 7,
  kPathDefaultCommonPalette = 8,
  kPathValInfo = 9,
  kPathDefaultValInfo = 10,
  kPathDefaultStage = 11,        // a numbered file's base: its "_***" is never a file name
  kPathFactoryDefaultStage = 12,
  kPathWorldMap = 13,
  kPathDefaultWorldMap = 14,
  kPathAnimeSet = 15,            // the ten database tables, each followed by its factory copy
  kPathAnime = 17,
  kPathCharaExc = 19,
  kPathSwordType = 21,
  kPathEffect = 23,
  kPathCharaEffect = 25,
  kPathScrEffect = 27,
  kPathPicture = 29,
  kPathSound = 31,
  kPathBgm = 33,
  kPathSystem = 35,
  kPathDefaultSystem = 36,
  kPathStageC = 37,
  kPathUserStory = 38,           // 38 to 47: the game's player data, which the editor never reads
  kPathUserChallenge = 39,
  kPathUserFree = 40,
  kPathUserStoryBase = 41,
  kPathUserChallengeFile = 42,
  kPathUserOption = 43,
  kPathUserData = 44,
  kPathUserKeyConfig = 45,
  kPathUserBoot = 46,
  kPathUserWindow = 47,
  kDataPathCount = 48
};

enum : int { kExtCommonPalette = 0, kExtStage = 1, kExtStagePalette = 2, kExtRanking = 3, kExtensionCount = 4 };

// Each vocabulary table ends with an empty entry.
constexpr int kInvincibleColourCount = 11;
constexpr int kPaletteSourceCount = 5;

extern cString g_DataPaths[kDataPathCount];
extern cString g_FileExtensions[kExtensionCount];
// The invincibility-effect colours of the character data sheet, by value.
extern cString g_InvincibleColourNames[kInvincibleColourCount];
// The palette sources of the new-stage dialog, by value.
extern cString g_PaletteSourceNames[kPaletteSourceCount];
