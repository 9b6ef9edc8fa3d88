#pragma once
// cWorldStage: one stage entry of a world-map node. A node tries its entries in
// order; the first whose conditions hold decides what the node is: a stage to
// play, a road, or a wall.

#include <cstdint>
#include <string>

#include "records/record/record.h"

// What a node with this entry is (m_nKind).
enum eWorldStageKind : int32_t {
  kWorldStagePlay = 0,  // "ワールド": a stage is played here
  kWorldStageRoad = 1,  // "道"
  kWorldStageWall = 2,  // "壁": the hero is put back to where it came from
};

// What clearing the entry's stage leads to (m_nAfterClear).
enum eWorldAfterClear : int32_t {
  kAfterClearNothing = 0,    // "しない"
  kAfterClearNextRound = 1,  // "2周目へ突入"
  kAfterClearTitle = 2,      // "タイトルへ戻る"
};

// How the common variable is compared with the value (m_nVarCompare).
enum eWorldVarCompare : int32_t {
  kVarEqual = 0,
  kVarNotEqual = 1,
  kVarAtLeast = 2,
  kVarAtMost = 3,
  kVarGreater = 4,
  kVarLess = 5,
  kVarDivisible = 6,     // |variable| is a multiple of the value; a value of 0 holds
  kVarNotDivisible = 7,  // a value of 0 does not hold
};

// The vocabulary of m_nKind and m_nAfterClear. Kept for completeness; the player
// does not display them.
inline constexpr const char* kWorldStageKindLabels[] = {"ワールド", "道", "壁"};
inline constexpr const char* kWorldAfterClearLabels[] = {"しない", "2周目へ突入", "タイトルへ戻る"};

// First data versions that stored a member.
inline constexpr int32_t kWorldNeedScoreVersion = 209;
inline constexpr int32_t kWorldKeysVersion = 758;

class cWorldStage : public cRecordOf<cWorldStage> {
 public:
  int32_t m_nKind = 0;         // eWorldStageKind
  int32_t m_nMark = 0;         // row of the node mark (column 0 uncleared, 1 cleared)
  int32_t m_nClearFlag = 0;    // progress flag a clear sets; less 1: the result entry
  int32_t m_bPassable = 0;     // the hero may move on although the stage is not cleared
  int32_t m_bReplay = 0;       // a cleared stage can be entered again
  int32_t m_nAfterClear = 0;   // eWorldAfterClear
  int32_t m_nNeedFlag = 0;     // above 0: applies only while this progress flag is set
  int32_t m_nVarNo = 0;        // not 0: applies only when this common variable ...
  int32_t m_nVarValue = 0;     // ... compares true against this value
  int32_t m_nVarCompare = 0;   // ... by eWorldVarCompare
  int32_t m_nNeedScore = 0;    // applies only from this total score on
  int32_t m_bUseKey = 0;       // the stage carries the two keys into the clear records
  int32_t m_nKey1 = 1;
  int32_t m_nKey2 = 0;
  std::string m_strText;
  std::string m_strStageFile;  // stage file played at the node

  cWorldStage() { SetDefaults(); }

  // Every member 0 or empty, except the first key 1.
  void SetDefaults();

  void RegisterFields(int32_t nVersion) override;
  bool Load(cRecordReader& reader) override;
};
