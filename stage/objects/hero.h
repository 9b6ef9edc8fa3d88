#pragma once
// cHero: a hero of the stage (g_Heroes); element 0 is the player's. Beyond
// cCharaBase it reads the player's input, controls its jump height by the
// key or its speed, changes between walking and flying postures with a
// position to fall back on, and touches and collects items.
//
//   cHero hero;
//   hero.InitForStage(id, &def, x, y);   // posture, boxes, scale, flows
//   hero.MoveX();                        // the view follows (ClampX)
//   hero.SetFlyingState(1, 1, 1, 1);     // flying; the walking position kept
//
// Items touched and not yet left are kept by item id, so a new item is never
// taken for one that was removed:
//
//   cHero& hero = g_Heroes.front();
//   if (hero.IsNotTouching(item.m_nId)) { /* give it */ hero.m_Touching.push_back(item.m_nId); }
//   hero.ForgetTouch(item.m_nId);   // the hero left the item

#include <cstdint>

#include "core/containers/checked_list.h"
#include "core/containers/checked_vector.h"
#include "records/script/flow_cmd.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/hero_box_rect.h"

class cHero;
class cItem;
struct cCharaDrawList;

// Runs a フローの変更 item command the hero's flow pass found pending: the
// deferred change (RunDeferredChangeFlow) unless a test puts another in;
// null drops them unrun.
using PendingItemCmdRunner = void (*)(cHero& hero, cFlowCmd& command);
void RunDeferredChangeFlow(cHero& hero, cFlowCmd& command);
extern PendingItemCmdRunner g_lpRunPendingItemCmd;

class cHero : public cCharaBase {
 public:
  int32_t m_nInput = 0;           // index into g_InputList of the player's input
  int32_t m_nJumpHold = 0;        // StepJump calls while the jump key is held
  int32_t m_bJumpReady = 0;       // a new jump may start
  int32_t m_bJumpReleased = 0;    // the key was let go during this jump
  double m_dFloorBaseSpeed = 0;   // 4 / L: the speed-change floor's base
  int32_t m_bJumpRan = 0;         // StepJump ran in this flow pass
  int32_t m_bDirectionLock = 0;   // the play step clears the input's directions
  int32_t m_bButtonLock = 0;      // ... and buttons while set
  int32_t m_nRememberedFacing = 0;
  int32_t m_bPositionSaved = 0;   // the posture change saved a position
  double m_dPostureX = 0;         // the position before the posture change
  double m_dPostureY = 0;
  double m_dPostureRight = 0;
  double m_dPostureBottom = 0;
  int32_t m_bPostureChanged = 0;  // a posture change is still restorable
  cList<int32_t> m_Touching;      // ids of the items touched and not yet left
  int32_t m_nFloorEffect = 0;     // effect of the floor block under the hero (3 speed change)
  double m_dFloorEffectValue = 0; // kind 3: the factor
  int32_t m_nFloorEffectFrames = 0;
  int32_t m_nBlockItemPause = 0;  // while set a floor block's item is not given again
  int32_t m_bNoJump = 0;          // stands on a ジャンプ禁止 block (kept, not read)
  int32_t m_nJumpRiseSteps = 0;   // a spring's rise in sub-steps (kept, not read)
  int32_t m_nPassCount = 0;       // flow passes
  DRECT m_ItemBox;                // item-touch rectangle in world dots
  int32_t m_nItemBoxX = 0;        // its offsets and size, scaled
  int32_t m_nItemBoxY = 0;
  int32_t m_nItemBoxW = 0;
  int32_t m_nItemBoxH = 0;
  int32_t m_nItemBoxXBase = 0;    // ... and at scale 1
  int32_t m_nItemBoxYBase = 0;
  int32_t m_nItemBoxWBase = 0;
  int32_t m_nItemBoxHBase = 0;
  cVector<HEROBOXRECT> m_BoxRects;     // the rectangles shown on request
  cVector<cFlowCmd> m_PendingItemCmds; // deferred to the next flow pass
  cList<cVector<int32_t>> m_VarLinks;  // variable links of item commands

  // Set-up for play from def (copied; a scale of 0 becomes 1 in the copy)
  // at home (x, y): walking body, input, the start posture and scale, the
  // jump ready, the flows.
  void InitForStage(int32_t id, const cCharaDef* lpDef, double x, double y);
  // Walking (mode 0) or flying (1..3): body, hit, shot and item boxes of the
  // posture (rescale: times the giant scale), the position saved first
  // (savePosition) and the change marked restorable (markChanged).
  void SetFlyingState(int32_t mode, int32_t rescale, int32_t savePosition, int32_t markChanged);
  // The body's offsets and size at scale 1 in the current posture.
  void GetPostureBox(int32_t* left, int32_t* top, int32_t* width, int32_t* height) const;
  // The rectangle list from the boxes and the stage's display settings,
  // largest first (smaller ones are drawn on top).
  void RebuildBoxes();
  // 1 when a squeeze is survived: a posture change's window is open (its
  // saved position comes back once).
  int32_t TryRecoverFromSqueeze();
  // The screen rectangle, by the view's auto-scroll switches. It hides
  // cGameObject's (not virtual): the hero's passes reach it through cHero.
  void UpdateScreenRect();
  // The state step of the hero's drawing: as a chara's, then each shown
  // rectangle placed on the body or its box and its colour cycle stepped.
  int32_t StepDrawnWithBoxes(int32_t paused, cCharaDrawList* lpDraw);
  // The darkness mask around the hero, when its light mode asks for one
  // (drawing only: no state changes).
  void AppendLightMask(cCharaDrawList* lpDraw) const;
  void RememberFloorBlock() { m_nPrevFloorBlock = m_nFloorBlock; }
  void RememberFacing() { m_nRememberedFacing = m_nFacing; }
  // 1 when item (by id) is not in the touch list.
  int32_t IsNotTouching(int32_t itemId) const;
  // Removes every entry of item (by id).
  void ForgetTouch(int32_t itemId);
  // The player's input record: g_InputList at m_nInput, element 0 for a
  // player number the list does not hold.
  int32_t InputIndex() const;

  void OnScaleChanged(int32_t newScale) override;
  void UpdateBoxX() override;
  void UpdateBoxY() override;
  // The view follows the hero unless its axis auto-scrolls; then the hero is
  // held in the scroll limits (flying) or the stage area (walking).
  int32_t ClampX() override;
  int32_t ClampY() override;
  // One sub-step. MoveX never reports an edge (0); MoveY gives 7 for a
  // walking hero fallen out of the stage, else the edge code.
  int32_t MoveX() override;
  int32_t MoveY() override;
  // One flow pass; 1 when the hero's HP ran out.
  int32_t RunFlows(int32_t dying) override;
  // The jump command: its height by the key (mode 1) or the running speed
  // (mode 2); riding, it takes off on the frame's last sub-step only.
  void StepJump(cFlowCmdState& state) override;
  // The item commands of a taken item, in order, on this hero
  // (hero_item_commands.cpp): 0, 1 when one cleared the stage (the rest do
  // not run), 2 when the hero's HP ran out.
  int32_t ApplyItemCommands(cVector<cFlowCmd>& cmds);
  // The taken item's graphic shown by the hero for a moment.
  void ShowTakenItemIcon(int32_t kind, int32_t graphic, int32_t cell);

  void VisitState(cStateVisitor& visitor) override;

 private:
  // The jump command's key: always held in mode 0; else the running flow's
  // last key condition holds now.
  bool JumpKeyHeld(int32_t mode) const;
  void RunPendingItemCommands();
};

// Gives item to hero (give_item_to_hero.cpp): nothing (0) for a missing,
// disabled, empty (graphic 0) or 取れない item; else the taken-item icon,
// the item's sound and its commands; their result (1 clear, 2 the hero dies).
int32_t GiveItemToHero(cItem* lpItem, cHero* lpHero);
