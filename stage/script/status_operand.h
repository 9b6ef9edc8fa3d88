#pragma once
// The numbers a status operation or status condition reads and writes: the
// chara statuses 0..14, the system values 0..4 and the common and stage
// variables, with the value sources that give an operation its operand.
//
//   STATUSOPERAND src;
//   src.nSource = kOperandRandom; src.nRandomA = 5; src.nRandomB = 3;
//   std::optional<int32_t> a = ReadStatusOperand(play, &chara, src);   // 3..5
//
// nullopt ends the operation without a change (a condition fails): an empty
// target slot, the sight of a non-player chara, a variable index outside its
// vector (logged once, no close).

#include <cstdint>
#include <optional>

class cCharaBase;
class cStagePlay;

enum eOperandSource : int32_t {
  kOperandConstant = 0,
  kOperandRandom = 1,
  kOperandStatus = 2,
  kOperandVariable = 3,
};

inline constexpr int32_t kStatusObjectSystem = 5;
inline constexpr int32_t kCharaStatusSight = 8;
inline constexpr int32_t kCharaStatusStop = 13;

struct STATUSOPERAND {
  int32_t nSource = kOperandConstant;
  int32_t nConstant = 0;
  int32_t nRandomA = 0;  // bounds in either order
  int32_t nRandomB = 0;
  int32_t nVarKind = 0;  // 0 common, 1 stage
  int32_t nIndex = 0;    // variable index; for status 0 the chara variable number
  int32_t nObject = 0;   // 0 the chara, 1..4 its target slots, 5 the system
  int32_t nStatus = 0;   // chara status 0..14 or system value 0..4
};

// Where a chara status is stored and the range an operation clamps it to.
struct STATUSSLOT {
  void* lpStorage = nullptr;  // null: no such status
  int32_t nWidth = 4;         // 4 int32, 2 int16, 1 int8
  int32_t nMin = 0;
  int32_t nMax = 0;
};

// nIndex is the chara variable number of status 0.
STATUSSLOT CharaStatusSlot(cCharaBase& chara, int32_t status, int32_t index);
int32_t ReadStatusSlot(const STATUSSLOT& slot);

// The common (kind 0) or stage (kind 1) variable; null for another kind or an
// index outside the vector (logged).
int32_t* StatusVariable(cStagePlay& play, int32_t kind, int32_t index);

// The chara an object names for chara (0 and any other the chara itself,
// 1..4 its target slot); null for an empty slot.
cCharaBase* StatusObjectChara(cStagePlay& play, cCharaBase* lpChara, int32_t object);

std::optional<int32_t> ReadStatusOperand(cStagePlay& play, cCharaBase* lpChara, const STATUSOPERAND& source);
