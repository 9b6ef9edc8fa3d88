#include "stage/script/status_operation.h"

#include <optional>

#include "records/save/save_data.h"
#include "records/script/flow_cmd.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/stage_play.h"
#include "stage/script/script_math.h"
#include "stage/script/status_op.h"
#include "stage/script/status_operand.h"
#include "stage/services/stage_services.h"

namespace status_operation {

// Parameter n, 0 where the command has fewer.
int32_t Param(const cFlowCmd& cmd, int32_t n) {
  return n < cmd.m_Params.VectorSize() ? cmd.m_Params.CheckedVectorAt(n) : 0;
}

bool ByteSwitch(const cFlowCmd& cmd, int32_t n) { return static_cast<int8_t>(Param(cmd, n)) != 0; }

void ApplyToSlot(const STATUSSLOT& slot, int32_t operand, int32_t op) {
  switch (slot.nWidth) {
    case 1: ApplyStatusOpByte(static_cast<int8_t*>(slot.lpStorage), operand, op, slot.nMin, slot.nMax); break;
    case 2: ApplyStatusOpShort(static_cast<int16_t*>(slot.lpStorage), operand, op, slot.nMin, slot.nMax); break;
    default: ApplyStatusOp(static_cast<int32_t*>(slot.lpStorage), operand, op, slot.nMin, slot.nMax); break;
  }
}

void OperateSystem(cStagePlay& play, int32_t system, int32_t operand, int32_t op, bool percent) {
  struct cTarget {
    int32_t* lpValue;
    int32_t nMin;
    int32_t nMax;
  };
  const cTarget targets[] = {{&play.m_nRemainTime, 0, 999},
                             {&g_Stage.m_nAutoScrollSpeedX, -480, 480},
                             {&g_Stage.m_nAutoScrollSpeedY, -480, 480},
                             {&g_SaveData.m_nScore, 0, 999999},
                             {&g_SaveData.m_nLives, 0, 99}};
  if (system < 0 || system > 4) return;
  if (system == 4 && g_SaveData.m_nLives == kInfiniteLives) return;
  const cTarget& target = targets[system];
  if (percent) operand = PercentOfInt(operand, *target.lpValue);
  ApplyStatusOp(target.lpValue, operand, op, target.nMin, target.nMax);
  if (system == 1) play.m_ScrollX.SetAutoScroll(g_Stage.m_bAutoScrollX, g_Stage.m_nAutoScrollSpeedX);
  if (system == 2) play.m_ScrollY.SetAutoScroll(g_Stage.m_bAutoScrollY, g_Stage.m_nAutoScrollSpeedY);
}

// HP (status 1) or SP (2) through their change functions.
void OperateHpSp(cStagePlay& play, cCharaBase& target, const cCharaBase* lpGiven, int32_t status, int32_t operand,
                 int32_t op, const cFlowCmd& cmd) {
  const bool hp = status == 1;
  const int32_t current = hp ? target.m_nHp : target.m_nSp;
  const int32_t max = hp ? target.m_Def.m_nMaxHp : target.m_Def.m_nMaxSp;
  switch (Param(cmd, 15)) {
    case 1: operand = PercentOfInt(operand, max); break;
    case 2: operand = PercentOfInt(operand, current); break;
    default: break;
  }
  int32_t t = current;
  ApplyStatusOp(&t, operand, op, 0, 999999);
  const int32_t delta = SaturateToInt(int64_t{t} - current);
  if (hp) {
    target.ChangeHp(delta, 1, Param(cmd, 16));
    if (&target != lpGiven && target.m_nHp <= 0) play.m_bKill = 1;
  } else {
    target.ChangeSp(delta, Param(cmd, 16));
  }
}

void OperateChara(cStagePlay& play, cCharaBase& target, const cCharaBase* lpGiven, int32_t operand, int32_t op,
                  const cFlowCmd& cmd) {
  const int32_t status = Param(cmd, 4);
  if (status == 1 || status == 2) {
    OperateHpSp(play, target, lpGiven, status, operand, op, cmd);
    return;
  }
  if (status == kCharaStatusSight && target.m_nControl != 0) return;
  const STATUSSLOT slot = CharaStatusSlot(target, status, Param(cmd, 2));
  if (slot.lpStorage == nullptr) return;
  if (ByteSwitch(cmd, 14)) operand = PercentOfInt(operand, ReadStatusSlot(slot));
  ApplyToSlot(slot, operand, op);
  switch (status) {
    case 3:
      if (target.m_nHp > target.m_Def.m_nMaxHp) target.m_nHp = target.m_Def.m_nMaxHp;
      if (&target != lpGiven && target.m_nHp < 1) play.m_bKill = 1;
      break;
    case 4:
      if (target.m_nSp > target.m_Def.m_nMaxSp) target.m_nSp = target.m_Def.m_nMaxSp;
      break;
    case kCharaStatusSight:
      target.m_nSightDots = cCharaBase::SightDots(target.m_Def.m_nSight);
      play.Services().RebuildDarkness();
      break;
    case kCharaStatusStop: target.m_dFriction = cCharaBase::StopToFriction(target.m_Def.m_nStop); break;
    default: break;
  }
}

}  // namespace status_operation

void ExecStatusOperation(cStagePlay& play, cCharaBase* lpChara, const cFlowCmd& cmd) {
  using status_operation::Param;
  STATUSOPERAND source;
  source.nSource = Param(cmd, 6);
  source.nConstant = Param(cmd, 7);
  source.nRandomA = Param(cmd, 8);
  source.nRandomB = Param(cmd, 9);
  source.nVarKind = Param(cmd, 10);
  source.nIndex = Param(cmd, 11);
  source.nObject = Param(cmd, 12);
  source.nStatus = Param(cmd, 13);
  const std::optional<int32_t> operand = ReadStatusOperand(play, lpChara, source);
  if (!operand) return;
  const int32_t op = Param(cmd, 5);
  const bool percent = status_operation::ByteSwitch(cmd, 14);

  if (Param(cmd, 0) == 1) {
    const int32_t kind = Param(cmd, 1);
    int32_t* lpVar = kind == 0 || kind == 1 ? StatusVariable(play, kind, Param(cmd, 2)) : nullptr;
    if (lpVar == nullptr) return;
    ApplyStatusOp(lpVar, percent ? PercentOfInt(*operand, *lpVar) : *operand, op, -999999, 999999);
    return;
  }
  if (Param(cmd, 0) != 0) return;
  if (Param(cmd, 3) == kStatusObjectSystem) {
    status_operation::OperateSystem(play, Param(cmd, 4), *operand, op, percent);
    return;
  }
  cCharaBase* lpTarget = StatusObjectChara(play, lpChara, Param(cmd, 3));
  if (lpTarget == nullptr) return;
  if (status_operation::ByteSwitch(cmd, 17) && lpTarget->IsInvincible()) return;
  status_operation::OperateChara(play, *lpTarget, lpChara, *operand, op, cmd);
}
