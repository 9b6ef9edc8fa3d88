#pragma once
// EvalStatusCondition: the ステータス条件 (condition kind 4). The right value
// comes from the condition's value source and is written back into its
// m_nValue; the left is a variable, a system value or a chara status.
//
//   cCondition cond;                  // kind 4, status 1 (HP) of the chara
//   cond.m_nSelector = 1; cond.m_nCompare = kCompareAtLeast;
//   cond.m_nValue = 50; cond.m_bPercent = 1;
//   EvalStatusCondition(play, cond, &chara);   // HP >= H(max HP x 0.5)
//
// Narrow statuses compare with the uncut right value. An empty target slot on
// either side, a bad variable index or a compared system value outside 0..4
// fails; a chara status outside 0..14 holds.

class cCharaBase;
class cCondition;
class cStagePlay;

bool EvalStatusCondition(cStagePlay& play, cCondition& cond, cCharaBase* lpChara);
