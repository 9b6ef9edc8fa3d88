#pragma once
// Small builders of the flow and item commands the sample's parts use. Each
// sizes its parameter list to the kind, as validation would.

#include <cstdint>
#include <initializer_list>

#include "records/script/cmd_kind_table.h"
#include "records/script/condition.h"
#include "records/script/direction_codes.h"
#include "records/script/flow.h"
#include "records/script/flow_cmd.h"
#include "records/script/key_cond.h"

// A command of a set and kind with its parameters, the rest 0.
cFlowCmd CommandOf(int8_t set, int8_t kind, std::initializer_list<int32_t> params = {});

// "ウエイト" for tenths of a second.
cFlowCmd WaitCmd(int16_t tenths);
// A movement of kind (直線移動, 地上折り返し移動 ...) by direction at speed
// (tenths of a dot per frame) for tenths of a second.
cFlowCmd MoveCmd(int8_t kind, int8_t direction, int16_t speed, int16_t tenths);
// "ジャンプ" of heightHbl half blocks: of fixed height, or for a keyed flow
// of the hero, as high as the flow's last key is held (released, the rise is
// cut short; landing with it released ends the command, so the flow may
// start again at the next press).
enum eJumpHeight : int32_t { kJumpFixed = 0, kJumpByKey = 1 };
cFlowCmd JumpCmd(int32_t heightHbl, int16_t sound, eJumpHeight mode = kJumpFixed);
// "ショット": one straight shot to the front.
struct cShotDesc {
  int16_t nGraphic;  // row of the shot sheet
  int16_t nSpeed;    // tenths of a dot per frame
  int16_t nRange;    // half blocks
  int32_t nPower;
  int8_t nGroup;     // the side the shot belongs to
  int16_t nSound;
};
cFlowCmd ShotCmd(const cShotDesc& desc);

// Item commands.
// "ステータスの操作": adds amount to a status (object 0 the hero) or a system
// value (object 5).
cFlowCmd AddStatusItemCmd(int32_t object, int32_t status, int32_t amount);
// "ステージクリア" with no next stage: the mode decides where play goes on.
cFlowCmd StageClearItemCmd();

// A flow that runs always; with keys, only while those key slots are pressed
// (hold: every frame they stay pressed, not only the frame they went down).
cFlow FlowOf(std::initializer_list<cFlowCmd> commands, std::initializer_list<int32_t> keys = {}, bool hold = true);
// A flow started by a trigger (eFlowTrigger).
cFlow TriggeredFlow(int8_t trigger, std::initializer_list<cFlowCmd> commands);
// A flow that runs once the keys are pressed in order: each step one key slot,
// at most slack frames between two steps.
cFlow KeySequenceFlow(std::initializer_list<cFlowCmd> commands, std::initializer_list<int32_t> steps, int8_t slack);

// "BGMの再生" of a Bgm database entry, repeated.
cFlowCmd BgmCmd(int32_t bgm);
// A status condition on the owner's HP: above (kCompareGreater) or at most
// (kCompareAtMost) hp.
cCondition HpCondition(int8_t compare, int32_t hp);
