#pragma once
// cCondition: one test of the game state, kept in the condition lists of
// blocks, charas, items, flows and commands. What a field means depends on the
// kind (see the member comments); evaluation belongs to the stage simulation.
//
// Stored form: a record with no strings and nothing appended. A list of
// conditions is an int32 count and the condition records (LoadConditionList /
// SaveConditionList); its mode and once flag are kept by the list's owner.

#include <cstdint>

#include "core/containers/checked_vector.h"
#include "records/record/record.h"

// Condition kinds (m_nKind). Any other kind never holds.
enum eConditionKind : int8_t {
  kCondNone = 0,       // the empty condition: never holds
  kCondCommonVar = 1,  // a common variable compared with m_nValue
  kCondStageVar = 2,   // a stage variable
  kCondCharaVar = 3,   // a variable of the chara owning the list
  kCondStatus = 4,     // a status or variable compared with a right operand
  kCondStatus2 = 5,    // a state flag of a chara, or a system switch
  kCondStatus3 = 6,    // a state of a chara (facing, on a block, on screen, exists)
  kCondDistance = 7,   // distance between the chara and the hero or a target
};

// Owners of a status (m_nSubject, m_nRightSubject of kinds 4 and 5; kind 6 uses
// 0..4). The distance condition uses 0 for the hero instead of the chara.
enum eSubject : int8_t {
  kSubjectSelf = 0,
  kSubjectTarget1 = 1,  // .. kSubjectTarget1 + 3: target slots 1 to 4
  kSubjectSystem = 5,
};

// Right operand of a status condition (m_nRightType of kind 4).
enum eRightOperand : int8_t {
  kRightConstant = 0,
  kRightRandom = 1,
  kRightStatus = 2,
  kRightVariable = 3,
};

// Compare codes (m_nCompare of kinds 1 to 5): stored value against number.
enum eCompare : int8_t {
  kCompareEqual = 0,
  kCompareNotEqual = 1,
  kCompareAtLeast = 2,
  kCompareAtMost = 3,
  kCompareGreater = 4,
  kCompareLess = 5,
  kCompareDivisible = 6,     // number 0, or |stored| divisible by number
  kCompareNotDivisible = 7,  // number not 0 and |stored| not divisible by it
};

// States of kind 6 (m_nSelector).
enum eCharaState : int8_t {
  kStateFacingLeft = 0,
  kStateFacingRight = 1,
  kStateOnBlock = 2,  // standing on a block, block-like charas included
  kStateOnScreen = 3,
  kStateExists = 4,   // the slot holds a chara that is not dead
};

// Shapes of the distance range (m_nShape of kind 7); the range is
// m_nValue x 16 + m_nRightIndex dots.
enum eDistanceShape : int8_t {
  kShapeHorizontal = 0,  // "横"
  kShapeAhead = 1,       // "前"
  kShapeBehind = 2,      // "後"
  kShapeVertical = 3,    // "縦"
  kShapeAheadY = 4,      // "前Y"
  kShapeBehindY = 5,     // "後Y"
  kShapeCircle = 6,      // "円"
};

// The data version in which the condition reached its current layout.
constexpr int32_t kConditionLayoutVersion = 110;

class cCondition : public cRecordOf<cCondition> {
 public:
  int8_t m_nKind = 0;
  // Kind 4: left operand, 0 a status, 1 a variable. Kind 7: range display,
  // 0 hidden, 1 shown, 2 shown in test plays only.
  int8_t m_nLeftType = 0;
  int8_t m_nLeftScope = 0;  // kind 4 left variable: 0 common, 1 stage
  // Kinds 4 to 6: owner of the state tested (eSubject). Kind 7: 0 the hero,
  // 1 to 4 target slots 1 to 4.
  int8_t m_nSubject = 0;
  // Kind 4: chara status (0-14) or system value (0-4); kind 5: state flag 1-6
  // or, for the system, auto-scroll switch 0 (x) / 1 (y); kind 6: state 0-4;
  // kind 7: palette colour of the drawn range.
  int8_t m_nSelector = 0;
  // Kinds 1-3: variable number. Kind 4: left variable number (chara variable
  // number for status 0). Kind 5: the number compared with.
  int16_t m_nIndex = 0;
  // Kind 4: right operand (eRightOperand). Kind 7: 1 = range drawn while the
  // chara is disabled by its own conditions.
  int8_t m_nRightType = 0;
  // Kinds 1-3: the number compared with; kind 4: the constant (written with the
  // right value at every evaluation); kind 7: distance in half blocks.
  int32_t m_nValue = 0;
  int32_t m_nRandomMin = 0;
  int32_t m_nRandomMax = 0;
  // Kind 4: owner of the right status. Kind 7: 1 = range drawn while the chara
  // is transparent.
  int8_t m_nRightSubject = 0;
  int8_t m_nRightSelector = 0;
  int8_t m_nRightScope = 0;
  // Kind 4: right variable number. Kind 7: extra distance in dots.
  int16_t m_nRightIndex = 0;
  // Kinds 1-5: eCompare. Kind 6: 0 the state holds, 1 it does not. Kind 7:
  // 0 inside the range, 1 outside.
  int8_t m_nCompare = 0;
  int8_t m_bPercent = 0;  // kind 4: the right value is a percentage
  int8_t m_nShape = 0;    // kind 7: shape of the range (eDistanceShape)

  // Registered at the current data version, every member 0 (kind 0).
  cCondition();

  void RegisterFields(int32_t nVersion) override;
  // The base load, then the migration of older numberings.
  bool Load(cRecordReader& reader) override;

  // The stored members (not the scratch of old layouts).
  bool operator==(const cCondition& other) const;

 private:
  // Two 2-byte fields of layouts before kConditionLayoutVersion, read and
  // thrown away.
  int16_t m_nDiscarded[2] = {};
};

// Reads an int32 count and that many conditions into list (emptied first; the
// elements start as default conditions). False when the count is negative or
// larger than the file can hold, or a condition fails to load.
bool LoadConditionList(cRecordReader& reader, cVector<cCondition>& list);

// Writes the count and each condition.
void SaveConditionList(cRecordWriter& writer, cVector<cCondition>& list);
