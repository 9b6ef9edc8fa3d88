#pragma once
// ExecStatusOperation: the ステータスの操作 command. Parameters:
//
//   P0 target kind (0 status, 1 variable)   P1 variable kind (0 common, 1 stage)
//   P2 variable index / chara variable      P3 object (0 self, 1..4 targets, 5 system)
//   P4 status 0..14 or system value 0..4    P5 operator (eStatusOp)
//   P6..P13 the operand (STATUSOPERAND)     P14 percent of the current value
//   P15 HP/SP: 0 plain, 1 % of max, 2 % of current
//   P16 show the gauge                      P17 skip an invincible chara
//
//   // HP 100 of max 200, "－" 10 as % of max: HP 80
//   ExecStatusOperation(play, &chara, cmd);
//
// HP and SP change through ChangeHp / ChangeSp; lowering another chara's HP
// to 0 sets the play's kill flag; unlimited lives never change.

#include <cstdint>

class cCharaBase;
class cFlowCmd;
class cStagePlay;

void ExecStatusOperation(cStagePlay& play, cCharaBase* lpChara, const cFlowCmd& cmd);
