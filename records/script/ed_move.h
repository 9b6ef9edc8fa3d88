#pragma once
// cEdMove: the move settings of the movement commands and of "ワープ", held by
// the command through a holder that may be empty and saved inside it.
//
// Stored form: a record with no strings and nothing appended; members that
// came with later data versions are registered from that version on and
// filled by the load's migration for older files.

#include <cstdint>
#include <memory>

#include "records/record/record.h"

// How the move is given (m_nMode). Movement commands use the first two;
// "ワープ" has its own list.
enum eMoveMode : int8_t {
  kMoveByDirection = 0,  // "方向で指定"
  kMoveToTarget = 1,     // "目標座標で指定"
};
enum eWarpMode : int8_t {
  kWarpByDirection = 0,     // "方向と距離で指定"
  kWarpFromTarget1 = 1,     // .. 4: direction and distance from target slot 1..4
  kWarpToTargetPoint = 5,   // "目標座標で指定"
};

// Speed and duration (m_nSpeedMode).
enum eSpeedMode : int8_t {
  kSpeedTimeAndSpeed = 0,     // "時間と速度を指定"
  kSpeedTimeAndDistance = 1,  // "時間と距離を指定": speed = distance / duration
  kSpeedSpeedAndDistance = 2, // "速度と距離を指定": duration = distance / speed
};

// Animation during the move (m_nAnimeMode).
enum eMoveAnimeMode : int8_t {
  kMoveAnimeMoving = 0,    // "移動アニメ"
  kMoveAnimeStanding = 1,  // "静止アニメ"
  kMoveAnimeOther = 2,     // "その他": the command's own anime
};

class cEdMove : public cRecordOf<cEdMove> {
 public:
  int8_t m_nMode = 0;       // eMoveMode, or eWarpMode for "ワープ"
  // Direction code (eDirectionCode); for "円移動" the turning sense: 0 clockwise,
  // 1 anticlockwise, 2 and 3 by facing.
  int8_t m_nDirection = 0;
  int16_t m_nAngle = 0;
  int16_t m_nAnglePerClone = 0;
  int8_t m_bMirrorAngle = 0;  // angle := 360 - angle when the initial facing is right
  int8_t m_bMoveX = 0;
  int8_t m_bMoveY = 0;
  int16_t m_nTargetX = 0;     // blocks
  int16_t m_nTargetY = 0;
  int16_t m_nTargetDotX = 0;  // dots added to the target
  int16_t m_nTargetDotY = 0;
  int8_t m_nTargetCoord = 0;  // reference of the target point
  int8_t m_bStopAtTarget = 0;
  int8_t m_bLockX = 0;
  int8_t m_bLockY = 0;
  int8_t m_bMirrorTargetX = 0;
  int8_t m_bMirrorTargetY = 0;
  int8_t m_bReverseOnTurn = 0;
  int8_t m_bSnapAtTarget = 0;
  int8_t m_bKeepFacing = 0;
  int8_t m_nSpeedMode = 0;    // eSpeedMode
  int16_t m_nSpeed = 0;       // tenths of a dot per frame
  int16_t m_nSpeedPerClone = 0;
  int16_t m_nDistance = 0;
  int16_t m_nDistancePerClone = 0;
  int8_t m_nDistanceUnit = 0;  // 0 half blocks, 1 dots
  int16_t m_nHoming = 0;       // aim period of "誘導移動" (0: every step)
  int16_t m_nHomingPerClone = 0;
  int8_t m_bInertia = 0;
  int16_t m_nMaxSpeed = 0;
  double m_dReverseAccel = 0;
  int8_t m_nAnimeMode = 0;     // eMoveAnimeMode
  int8_t m_nTargetSlot = 0;    // 0 to 3

  // Registered at the current data version with the values of new settings
  // (SetNewValues).
  cEdMove();

  void RegisterFields(int32_t nVersion) override;
  bool Load(cRecordReader& reader) override;

  // Sets the values of new move settings (speed 10, reverse factor 1.0, the six
  // switches that start on) and zero for everything else.
  void SetNewValues();

  // Distance in dots for a clone index: (per clone x clone + distance), times
  // 16 in half blocks.
  int32_t DistanceDots(int32_t clone) const;

  bool operator==(const cEdMove& other) const;
};

using cEdMoveHolder = std::shared_ptr<cEdMove>;

// Makes holder own new move settings (see cEdMove::SetNewValues).
void NewEdMove(cEdMoveHolder& holder);
