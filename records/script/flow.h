#pragma once
// cFlow: one event script of a chara part (or of a command's sub-flow list):
// what starts it (trigger, conditions, key sequence) and its commands.
//
// Stored form: ten one-byte fields (two of them only from the data versions
// that added them), the memo string (from kFlowMemoFrom on), then three lists:
// conditions, key conditions, commands. The memo is never kept: the player
// empties it after every load.

#include <cstdint>
#include <string>

#include "core/containers/checked_vector.h"
#include "records/record/record.h"
#include "records/script/condition.h"
#include "records/script/flow_cmd.h"
#include "records/script/key_cond.h"
#include "records/script/validate_context.h"

// What starts a flow (m_nTrigger).
enum eFlowTrigger : int8_t {
  kTriggerAlways = 0,            // "常時"
  kTriggerDamaged = 1,           // "ダメージを受けた時"
  kTriggerImpacted = 2,          // "衝撃を受けた時"
  kTriggerDied = 3,              // "死亡した時"
  kTriggerTouchChara = 4,        // "キャラに当たった時"
  kTriggerTouchBlockChara = 5,   // "ブロックキャラに当たった時"
  kTriggerOnBlockChara = 6,      // "ブロックキャラに乗っている時"
  kTriggerTouchShot = 7,         // "ショットに当たった時"
  kTriggerTouchItem = 8,         // "アイテムに当たった時"
  kTriggerTouchBlock = 9,        // "ブロックに当たった時"
  kTriggerBlockSide = 10,        // "自分の左右にブロックが当たった時"
  kTriggerBlockLeft = 11,        // "自分の左にブロックが当たった時"
  kTriggerBlockRight = 12,       // "自分の右にブロックが当たった時"
  kTriggerBlockUpDown = 13,      // "自分の上下にブロックが当たった時"
  kTriggerBlockAbove = 14,       // "自分の上にブロックが当たった時"
  kTriggerBlockBelow = 15,       // "自分の下にブロックが当たった時"
  kTriggerRiddenByHero = 16,     // "主人公に乗られている時"
  kTriggerRiddenByChara = 17,    // "キャラに乗られている時"
  kTriggerAttackDamaged = 18,    // "アタックでダメージを与えた時"
  kTriggerAttackImpacted = 19,   // "アタックで衝撃を与えた時"
  kTriggerAttackHit = 20,        // "アタックを当てた時"
  kTriggerBeforeStart = 21,      // "ステージ開始前"
  kTriggerByOperation = 22,      // "なし（フローの操作コマンドで実行）"
};
constexpr int32_t kFlowTriggerCount = 23;

// Data versions that added stored members of a flow.
constexpr int32_t kFlowMemoFrom = 676;
constexpr int32_t kFlowTargetFromEventFrom = 762;
constexpr int32_t kFlowTargetSlotFrom = 767;

class cFlow : public cRecordOf<cFlow> {
 public:
  std::string m_strMemo;         // emptied after every load
  int8_t m_nFlowId = 0;          // 0 none, 1 to 26 "A" to "Z"
  // 0 none, 1 to 26 "a" to "z": while a trigger-0 flow of this number runs, no
  // other flow of the number starts.
  int8_t m_nFlagNo = 0;
  int8_t m_bDropAfterLoad = 0;   // removed after loading in ordinary runs
  cVector<cCondition> m_Conditions;
  int8_t m_nCondMode = 0;        // eCondListMode
  int8_t m_bCondOnce = 0;        // once the list has held it holds for good
  int8_t m_nTrigger = 0;         // eFlowTrigger
  int8_t m_bTargetFromEvent = 0; // the trigger's cause becomes a target
  int8_t m_nTargetSlot = 0;      // that target slot, 0 to 3
  int8_t m_nKeySlack = 0;        // frames allowed between two key steps
  int8_t m_bKeyHold = 0;         // the key test holds in every matching frame
  cVector<cKeyCond> m_KeyConds;  // matched from the last back to the first
  cVector<cFlowCmd> m_Commands;

  // Every field 0, no memo, empty lists.
  cFlow();

  void RegisterFields(int32_t nVersion) override;
  // The fields, the three lists, the trigger migration of older files, then
  // the memo is emptied and the commands are validated (against
  // CurrentValidateContext()).
  bool Load(cRecordReader& reader) override;
  // Validates, then writes the fields and the three lists.
  void Save(cRecordWriter& writer) override;
  void VisitAppended(cRecordVisitor& visitor) override;

  // cFlowCmd::Validate on every command.
  void Validate(const cValidateContext& context);
  // cFlowCmd::ValidatePaletteRefs on every command.
  void ValidatePaletteRefs(const cValidateContext& context);

  bool operator==(const cFlow& other) const;
};
