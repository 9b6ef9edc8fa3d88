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

// A key step that holds while every slot of it is pressed, however long.
cKeyCond PressedStep(std::initializer_list<int32_t> slots) {
  cKeyCond key;
  for (int32_t slot : slots) key.m_Keys.CheckedVectorAt(slot) = kKeyPressed;
  key.m_bAnyHold = 1;
  key.m_nKeyMode = kKeyAllTrue;
  return key;
}

// A command of a kind that carries shot settings: one member of "直進A" to
// the front on a side, lasting tenths of a second.
cFlowCmd ShotSettingsCmd(int8_t kind, int8_t group, int32_t power, int16_t sound, int16_t tenths) {
  cFlowCmd command = CommandOf(kCmdSetFlow, kind);
  NewEdShot(command.m_Shot.Shared());
  cEdShot& shot = *command.m_Shot;
  shot.m_nCount = 1;
  shot.m_nFormation = kFormationStraightA;
  shot.m_nDirection = kDirFront;
  shot.m_nZ = 4;
  shot.m_nGroup = group;
  shot.m_nPower = power;
  shot.m_nImpact = 2;
  command.m_nDuration = tenths;
  command.m_nSound = sound;
  return command;
}

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
  cFlowCmd command = ShotSettingsCmd(kFlowCmdShot, desc.nGroup, desc.nPower, desc.nSound, 1);
  cEdShot& shot = *command.m_Shot;
  shot.m_nGraphic = desc.nGraphic;
  shot.m_nSize = 1;
  shot.m_nMoveType = kShotStraight;
  shot.m_nSpeed = desc.nSpeed;
  shot.m_nRange = desc.nRange;
  return command;
}

cFlowCmd VolleyCmd(const cVolleyDesc& desc) {
  cFlowCmd command = ShotCmd(desc.shot);
  cEdShot& shot = *command.m_Shot;
  shot.m_nCount = desc.nCount;
  shot.m_nFormation = desc.nFormation;
  shot.m_nMoveType = desc.nMoveType;
  shot.m_nDirection = desc.nDirection;
  shot.m_nTargetSlot = desc.nTargetSlot;
  shot.m_nTargetSlot2 = desc.nTargetSlot;
  for (std::size_t i = 0; i < desc.formationParams.size(); ++i) {
    shot.m_nFormationParam[i] = desc.formationParams[i];
    shot.m_nMoveTypeParam[i] = desc.moveTypeParams[i];
  }
  return command;
}

cFlowCmd SwordCmd(int8_t swordType, int32_t power, int8_t group, int16_t sound) {
  cFlowCmd command = ShotSettingsCmd(kFlowCmdSword, group, power, sound, 3);
  command.m_Shot->m_nMoveType = swordType;
  return command;
}

cFlowCmd SummonCmd(int8_t kind, const cSummonDesc& desc) {
  cFlowCmd command = ShotSettingsCmd(kind, 0, 0, 0, 1);
  cEdShot& summon = *command.m_Shot;
  summon.m_nSummonPalette = desc.nPalette;
  summon.m_nSummonIndex = desc.nIndex;
  summon.m_nOffsetX = desc.nOffsetX;
  summon.m_nOffsetY = desc.nOffsetY;
  summon.m_nBlockMode = desc.nBlockMode;
  return command;
}

cFlowCmd TextCmd(int8_t kind, const char* text, std::initializer_list<int32_t> params) {
  cFlowCmd command = CommandOf(kCmdSetFlow, kind, params);
  command.m_strText = text;
  return command;
}

cFlowCmd WarpCmd(int8_t direction, int16_t distanceHbl) {
  cFlowCmd command = CommandOf(kCmdSetFlow, kFlowCmdWarp);
  NewEdMove(command.m_Move.Shared());
  cEdMove& move = *command.m_Move;
  move.m_nMode = kWarpByDirection;
  move.m_nDirection = direction;
  move.m_nDistance = distanceHbl;
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
    flow.m_KeyConds.push_back(PressedStep(keys));
    flow.m_bKeyHold = hold ? 1 : 0;
  }
  return flow;
}

cFlow KeySequenceFlow(std::initializer_list<cFlowCmd> commands, std::initializer_list<int32_t> steps, int8_t slack) {
  cFlow flow;
  flow.m_nTrigger = kTriggerAlways;
  flow.m_Commands = commands;
  flow.m_nKeySlack = slack;
  for (int32_t slot : steps) flow.m_KeyConds.push_back(PressedStep({slot}));
  return flow;
}

cFlow TriggeredFlow(int8_t trigger, std::initializer_list<cFlowCmd> commands) {
  cFlow flow;
  flow.m_nTrigger = trigger;
  flow.m_Commands = commands;
  return flow;
}

cFlowCmd BgmCmd(int32_t bgm) { return CommandOf(kCmdSetFlow, kFlowCmdBgm, {bgm, 1}); }
