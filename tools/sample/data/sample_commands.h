#pragma once
// Small builders of the flow and item commands the sample's parts use. Each
// sizes its parameter list to the kind, as validation would.

#include <array>
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
// "ショット": one volley of a formation whose members fly a trajectory.
struct cVolleyDesc {
  cShotDesc shot;
  int8_t nFormation;                      // eFormation
  int8_t nCount;                          // members of the formation
  std::array<int16_t, 3> formationParams;  // as the formation reads them
  int8_t nMoveType;                       // eShotMoveType
  std::array<int16_t, 3> moveTypeParams;  // as the trajectory reads them
  int8_t nDirection;                      // eDirectionCode
  int8_t nTargetSlot;                     // the slot aimed at or homed on
};
cFlowCmd VolleyCmd(const cVolleyDesc& desc);
// "ソード" of a sword type of the database.
cFlowCmd SwordCmd(int8_t swordType, int32_t power, int8_t group, int16_t sound);
// "ブロック召喚", "キャラ召喚" or "アイテム召喚" (kind) of part index of a palette
// (0 the common palette, 1 the stage's), offset by dots from the summoner;
// blockMode: 0 summon, 1 erase, 2 summon or erase (toggle).
struct cSummonDesc {
  int8_t nPalette;
  int16_t nIndex;
  int16_t nOffsetX;
  int16_t nOffsetY;
  int8_t nBlockMode;
};
cFlowCmd SummonCmd(int8_t kind, const cSummonDesc& desc);
// A command of a flow kind that carries text ("メッセージ", "コードの実行",
// "ステージクリア").
cFlowCmd TextCmd(int8_t kind, const char* text, std::initializer_list<int32_t> params = {});
// "ワープ" by direction over distanceHbl half blocks.
cFlowCmd WarpCmd(int8_t direction, int16_t distanceHbl);

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
// A flow started by a sequence of key slots pressed one after another, each
// within slack frames of the one before.
cFlow KeySequenceFlow(std::initializer_list<cFlowCmd> commands, std::initializer_list<int32_t> steps, int8_t slack);

// "BGMの再生" of a Bgm database entry, repeated.
cFlowCmd BgmCmd(int32_t bgm);
