#pragma once
// cKeyCond: one step of a flow's key sequence: the state wanted for each of the
// 19 key slots and how a pressed slot's hold length must be.
//
// Stored form: five fields, no strings, then the key states as a byte list
// (int32 count and the bytes); the count is 19 in every file the editor writes,
// and a different count loads as stored.

#include <cstdint>

#include "core/containers/checked_vector.h"
#include "records/record/record.h"

// Key slots: the ten direction inputs, then the nine button inputs.
enum eKeySlot : int32_t {
  kKeyNoDirection = 0,
  kKeyLeft = 1,
  kKeyRight = 2,
  kKeyUp = 3,
  kKeyDown = 4,
  kKeyUpLeft = 5,
  kKeyDownLeft = 6,
  kKeyUpRight = 7,
  kKeyDownRight = 8,
  kKeyAnyDirection = 9,
  kKeyNoButton = 10,
  kKeyButton1 = 11,  // .. kKeyButton1 + 7: buttons 1 to 8
};
constexpr int32_t kKeySlotCount = 19;

// State wanted for a slot (m_Keys).
enum eKeyWant : uint8_t {
  kKeyIgnored = 0,   // "--"
  kKeyPressed = 1,   // "押"
  kKeyReleased = 2,  // "離"
};

// How the slots combine (m_nKeyMode).
enum eKeyMode : int8_t {
  kKeyAllTrue = 0,      // "全てのキーが真なら成立"
  kKeyAnyTrue = 1,      // "1つ以上のキーが真なら成立"
  kKeyExactlyOne = 2,   // "1つだけキーが真なら成立"
};

class cKeyCond : public cRecordOf<cKeyCond> {
 public:
  cVector<uint8_t> m_Keys;   // eKeyWant per slot
  // Direction slots are relative to facing: facing left exchanges slots 1 and
  // 2, 5 and 7, 6 and 8.
  int8_t m_bMirror = 0;
  int16_t m_nHoldMin = 0;    // frames a pressed slot must have been held
  int16_t m_nHoldMax = 0;
  int8_t m_bAnyHold = 0;     // any hold above 0 matches; the range is not used
  int8_t m_nKeyMode = 0;     // eKeyMode

  // SetDefaults.
  cKeyCond();

  // Every field 0 and 19 ignored slots.
  void SetDefaults();

  void RegisterFields(int32_t nVersion) override;
  bool Load(cRecordReader& reader) override;
  void Save(cRecordWriter& writer) override;
  void VisitAppended(cRecordVisitor& visitor) override;

  bool operator==(const cKeyCond& other) const;
};
