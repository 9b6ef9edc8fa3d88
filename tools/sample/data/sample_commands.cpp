#include "tools/sample/data/sample_commands.h"

#include "records/script/ed_move.h"
#include "records/script/ed_shot.h"

namespace {

// Item command kinds are the flow kinds less 15.
constexpr int8_t ItemKindOf(int8_t flowKind) { return static_cast<int8_t>(flowKind - kItemToFlowKind); }

// Parameters of "ステータスの操作".
enum : int32_t { kStatusObject = 3, kStatusWhich = 4, kStatusOperator = 5, kStatusSource = 6, kStatusConstant = 7 };
constexpr int32_t kOperatorAdd = 1;
constexpr int32_t kSourceConstant = 0;
// Chara status 1 of a status condition.
constexpr int8_t kStatusHpSelector = 1;

}  // namespace

cFlowCmd CommandOf(int8_t set, int8_t kind, std::initializer_list<int32_t> params) {
  cFlowCmd command;
  command.m_nSet = set;
  command.m_nKind = kind;
  command.m_Params.assign(static_cast<std::size_t>(command.KindParamCount()), 0);
  int32_t i = 0;
  for (int32_t value : params) {
    if (i < command.m_Params.VectorSize()) command.m_Params.CheckedVectorAt(i) = value;
    ++i;
  }
  return command;
}

cFlowCmd WaitCmd(int16_t tenths) {
  cFlowCmd command = CommandOf(kCmdSetFlow, kFlowCmdWait);
  command.m_nDuration = tenths;
  return command;
}

cFlowCmd MoveCmd(int8_t kind, int8_t direction, int16_t speed, int16_t tenths) {
  cFlowCmd command = CommandOf(kCmdSetFlow, kind);
  NewEdMove(command.m_Move.Shared());
  cEdMove& move = *command.m_Move;
  move.m_nMode = kMoveByDirection;
  move.m_nDirection = direction;
  move.m_bMoveX = 1;
  move.m_nSpeedMode = kSpeedTimeAndSpeed;
  move.m_nSpeed = speed;
  move.m_nAnimeMode = kMoveAnimeMoving;
  command.m_nDuration = tenths;
  return command;
}

cFlowCmd JumpCmd(int32_t heightHbl, int16_t sound, eJumpHeight mode) {
  cFlowCmd command = CommandOf(kCmdSetFlow, kFlowCmdJump, {mode, 0, heightHbl, 0, 0});
  command.m_nSound = sound;
  return command;
}

cFlowCmd ShotCmd(const cShotDesc& desc) {
  cFlowCmd command = CommandOf(kCmdSetFlow, kFlowCmdShot);
  NewEdShot(command.m_Shot.Shared());
  cEdShot& shot = *command.m_Shot;
  shot.m_nCount = 1;
  shot.m_nFormation = kFormationStraightA;
  shot.m_nDirection = kDirFront;
  shot.m_nGraphic = desc.nGraphic;
  shot.m_nZ = 4;
  shot.m_nGroup = desc.nGroup;
  shot.m_nSize = 1;
  shot.m_nMoveType = kShotStraight;
  shot.m_nSpeed = desc.nSpeed;
  shot.m_nRange = desc.nRange;
  shot.m_nPower = desc.nPower;
  shot.m_nImpact = 2;
  command.m_nDuration = 1;
  command.m_nSound = desc.nSound;
  return command;
}

cFlowCmd AddStatusItemCmd(int32_t object, int32_t status, int32_t amount) {
  cFlowCmd command = CommandOf(kCmdSetItem, ItemKindOf(kFlowCmdStatus));
  command.m_Params.CheckedVectorAt(kStatusObject) = object;
  command.m_Params.CheckedVectorAt(kStatusWhich) = status;
  command.m_Params.CheckedVectorAt(kStatusOperator) = kOperatorAdd;
  command.m_Params.CheckedVectorAt(kStatusSource) = kSourceConstant;
  command.m_Params.CheckedVectorAt(kStatusConstant) = amount;
  return command;
}

cFlowCmd StageClearItemCmd() {
  // Parameter 0 = 3: no next stage is named.
  return CommandOf(kCmdSetItem, ItemKindOf(kFlowCmdStageClear), {3});
}

cFlow FlowOf(std::initializer_list<cFlowCmd> commands, std::initializer_list<int32_t> keys, bool hold) {
  cFlow flow;
  flow.m_nTrigger = kTriggerAlways;
  flow.m_Commands = commands;
  if (keys.size() > 0) {
    cKeyCond key;
    for (int32_t slot : keys) key.m_Keys.CheckedVectorAt(slot) = kKeyPressed;
    key.m_bAnyHold = 1;
    key.m_nKeyMode = kKeyAllTrue;
    flow.m_KeyConds.push_back(key);
    flow.m_bKeyHold = hold ? 1 : 0;
  }
  return flow;
}

cFlow TriggeredFlow(int8_t trigger, std::initializer_list<cFlowCmd> commands) {
  cFlow flow;
  flow.m_nTrigger = trigger;
  flow.m_Commands = commands;
  return flow;
}

cFlow KeySequenceFlow(std::initializer_list<cFlowCmd> commands, std::initializer_list<int32_t> steps, int8_t slack) {
  cFlow flow;
  flow.m_nTrigger = kTriggerAlways;
  flow.m_Commands = commands;
  for (int32_t slot : steps) {
    cKeyCond key;
    key.m_Keys.CheckedVectorAt(slot) = kKeyPressed;
    key.m_bAnyHold = 1;
    key.m_nKeyMode = kKeyAllTrue;
    flow.m_KeyConds.push_back(key);
  }
  flow.m_nKeySlack = slack;
  return flow;
}

cFlowCmd BgmCmd(int32_t bgm) { return CommandOf(kCmdSetFlow, kFlowCmdBgm, {bgm, 1}); }

cCondition HpCondition(int8_t compare, int32_t hp) {
  cCondition condition;
  condition.m_nKind = kCondStatus;
  condition.m_nSubject = kSubjectSelf;
  condition.m_nSelector = kStatusHpSelector;
  condition.m_nRightType = kRightConstant;
  condition.m_nValue = hp;
  condition.m_nCompare = compare;
  return condition;
}
