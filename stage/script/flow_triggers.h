#pragma once
// Flows started by a trigger: every flow of the chara with that trigger that
// is idle, not started or tried this frame, not held back by its flag number
// or the flow id asked for, whose conditions and key conditions hold, starts.
//
//   StartFlowsNow(chara, kTriggerDamaged, attacker.m_nId, 0);
//
// cCharaBase::FireTrigger and StartFlowsByTrigger reach this through the
// installed flow calls (chara_flow_calls.h); the flow engine's own calls are
// the default.

#include <cstdint>

class cCharaBase;
class cFlowInstance;
class cStagePlay;

// otherId: the trigger's cause (kNoLink none); flowId 0: any flow id.
void StartFlowsNow(cCharaBase& chara, int32_t trigger, int32_t otherId, int32_t flowId);

// The flow's condition gate for its owner (the met byte of the instance).
int32_t CheckFlowConditions(cStagePlay& play, cFlowInstance& instance, cCharaBase& owner);
