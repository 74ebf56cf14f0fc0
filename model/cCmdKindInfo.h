#pragma once
// The two command sets: for every kind of command, its name and how many int parameters it
// carries. Kind numbers are stored in data files.

#include <cstdint>

#include "app/cString.h"

struct cCmdKindInfo {
  cString m_strName;
  int32_t m_nParamCount;
};

// Character command kinds.
enum {
  kCmdWait = 1,
  kCmdStraightMove = 2,
  kCmdGroundMove = 3,
  kCmdCircleMove = 4,
  kCmdChargeMove = 5,
  kCmdHomingMove = 6,
  kCmdEvadeMove = 7,
  kCmdStopMove = 8,
  kCmdTurn = 9,
  kCmdJump = 10,
  kCmdShot = 11,
  kCmdSword = 12,
  kCmdBlockSummon = 13,
  kCmdCharaSummon = 14,
  kCmdItemSummon = 15,
  kCmdFlowOp = 16,
  kCmdStageClear = 17,
  kCmdGameWait = 18,
  kCmdMessage = 19,
  kCmdWarp = 20,
  kCmdSetTarget = 21,
  kCmdStatus = 22,
  kCmdStatus2 = 23,
  kCmdVanish = 24,
  kCmdTakeItem = 25,
  kCmdGraphic = 26,
  kCmdAnimeSet = 27,
  kCmdAnime = 28,
  kCmdEffect = 29,
  kCmdCharaEffect = 30,
  kCmdScrEffect = 31,
  kCmdPicture = 32,
  kCmdScreenColour = 33,
  kCmdBackground = 34,
  kCmdSound = 35,
  kCmdBgm = 36,
  kCmdCode = 37,
  kCmdArrange = 38,
  kCmdLoop = 39,
};

// Item-effect kinds: "フローの変更", then the character kinds from 17 on, 15 lower.
enum { kItemCmdFlowChange = 1, kItemCmdOffset = 15 };

enum { kCharaCmdCount = 40, kItemCmdCount = 25 };
extern const cCmdKindInfo CharaCmdSet[kCharaCmdCount];
extern const cCmdKindInfo ItemCmdSet[kItemCmdCount];

// The entry of a kind: set 0 is the character set, any other set the item-effect set. Null for
// a kind outside the set, which only a foreign file can hold.
const cCmdKindInfo* FindCmdKind(int set, int kind);
