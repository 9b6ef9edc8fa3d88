#pragma once
// cCharaBase: the running state of one chara, the hero (cHero) or an ordinary
// chara (cChara): its own copy of its definition, its targets and the
// back-references that keep them consistent, its flows and their flag
// tables, its physical state beyond the base object (push, floor, contacts,
// riding), its status values, its animation players and chara effect, and its
// body and attack boxes.
//
// Links are run-time ids, never addresses (-1 none): target slots and the
// parent name charas, m_TargetedBy {chara id, slot} says who names this chara
// (slots 0..3 that chara's targets, kLinkSlotParent its parent), m_ShotLinks
// {shot serial, kind} the shots that home on it or that it fired. Every
// target slot or parent naming B has its entry in B's m_TargetedBy, so
// ReleaseTargetLinks can clear every reference to B when B dies or is erased.
//
//   cChara chara;
//   chara.m_nId = 5;
//   chara.Reset(&def, 336, 400, 0);     // HP and SP full, 4 empty target slots
//   chara.LinkHeroAndParent(parent);    // slot 0 names hero 0, parent named too;
//                                       // hero 0 now holds {5, 0}
//   chara.ReleaseTargetLinks();         // nothing names chara 5 any more
//
// A temporary copy (m_bTemporaryCopy, built to try a placement) shares the
// original's links and so never releases them.

#include <cstdint>

#include "core/containers/checked_list.h"
#include "core/containers/checked_vector.h"
#include "records/database/runtime/effect_state.h"
#include "records/palette/chara_def.h"
#include "stage/objects/anime_player.h"
#include "stage/objects/chara_box.h"
#include "stage/objects/chara_immunity.h"
#include "stage/objects/chara_link.h"
#include "stage/objects/drect.h"
#include "stage/objects/flow_instance.h"
#include "stage/objects/game_object.h"
#include "stage/objects/gauge_anim.h"
#include "stage/objects/shot_link.h"

class cItem;
class cShot;
struct cCharaDrawList;

// Target slots 0..3; the flow flag numbers 1..26 (entry 0 unused).
inline constexpr int32_t kCharaTargetSlots = 4;
inline constexpr int32_t kFlowFlagCount = 27;
// The bit of a flow trigger in cCharaBase::m_nFlowTriggers: one per trigger
// below 31, the top bit for every other value a flow byte can hold.
inline constexpr uint32_t FlowTriggerBit(int32_t trigger) {
  return trigger >= 0 && trigger < 31 ? 1u << trigger : 1u << 31;
}
// Every bit: nothing may be skipped.
inline constexpr uint32_t kFlowTriggersUnknown = ~0u;
// Chara variables 1..8 (entry 0 unused).
inline constexpr int32_t kCharaVarCount = 9;
// No chara, shot or block.
inline constexpr int32_t kNoLink = -1;

class cCharaBase : public cGameObject {
 public:
  int32_t m_bTemporaryCopy = 0;       // a placement test's copy: its destruction keeps every link
  cVector<int32_t> m_Targets;         // chara ids of ターゲット1..4
  int32_t m_nParentId = kNoLink;      // the chara that summoned this one
  cVector<CHARALINK> m_TargetedBy;    // who names this chara
  cVector<SHOTLINK> m_ShotLinks;      // shots that name this chara
  int32_t m_bParentAttack = 0;        // hits count as the parent's
  int8_t m_nParentFlowId = 0;         // flow id given to the parent's triggers 18 and 19
  cCharaDef m_Def;                    // this chara's own copy of its definition
  int32_t m_nFlowSerial = 0;          // serial of the next flow instance
  // The triggers m_Flows carry (FlowTriggerBit of each), so a trigger none of
  // them carries costs no walk over the flows; kFlowTriggersUnknown until a
  // relink has seen every instance point into m_Def. Not part of the state:
  // it follows from the definition.
  uint32_t m_nFlowTriggers = kFlowTriggersUnknown;
  cVector<cFlowInstance> m_Flows;     // entry i runs flow i of m_Def
  // m_Flows[0].m_lpFlow as the last relink left it, so the check for a moved
  // definition reads no instance.
  const cFlow* m_lpFlowsLinkedTo = nullptr;
  cVector<uint8_t> m_FlowFlagBusy;    // a 常時 flow of this flag number runs
  cVector<uint8_t> m_FlowFlagRelease; // flag numbers released at the next pass
  cVector<uint8_t> m_FlowFlagFrame;   // flag numbers whose flow started this frame
  int32_t m_bFlagReleasePending = 0;
  int32_t m_bFlowDeletePending = 0;
  double m_dHomeX = 0;                // centre of the placement cell
  double m_dHomeY = 0;
  int32_t m_bAnimeChosen = 0;         // a command chose the base animation this pass
  int32_t m_nAnimeChosen = 0;         // 0 standing, 1 walking, 2 flying, 3 flying and moving
  int32_t m_nAnimePriority = 0;
  double m_dPushVX = 0;               // knock-back speed per sub-step
  double m_dPushVY = 0;
  int32_t m_bPushed = 0;              // a knock-back runs (no jumping)
  double m_dPushVYPrev = 0;
  int32_t m_bMoveDisabled = 0;        // held by a command this pass (no gravity)
  int32_t m_nWallSide = -1;           // 0 left, 1 right, -1 none
  int32_t m_bInAir = 0;               // falling
  int32_t m_bJumpHit = 0;             // a jump started or a ceiling was hit
  int32_t m_bJumpRising = 0;
  int32_t m_bJumpLocked = 0;          // no new jump until cleared
  int32_t m_nNoFloorSteps = 0;        // sub-steps without floor
  int32_t m_nFloorBlock = kNoLink;    // grid cell under the chara
  int32_t m_nLastFloorBlock = kNoLink;  // cell of the last landing
  int32_t m_nPrevFloorBlock = kNoLink;  // the hero's previous floor cell
  int32_t m_nPostureFrames = 0;       // posture-change window, counted per flow pass
  int32_t m_bHoldScreenPos = 0;       // drawn at the held screen position
  int32_t m_nHoldMode = 0;            // kept, not read
  int32_t m_nHoldScreenX = 0;
  int32_t m_nHoldScreenY = 0;
  int32_t m_bDead = 0;
  int32_t m_nDeathFrames = 0;         // frames of the death presentation
  int32_t m_bContactLeft = 0;         // block or solid-chara contact this sub-step
  int32_t m_bContactRight = 0;
  int32_t m_bContactTop = 0;
  int32_t m_bContactBottom = 0;
  int32_t m_bSolidPushed = 0;         // pushed aside by a solid chara this sub-step
  int32_t m_bRiding = 0;              // stands on a solid chara
  int32_t m_nRiddenId = 0;            // that chara's id
  DRECT m_RiddenPos;                  // its position when last followed
  double m_dSavedX = 0;               // position at the start of the sub-step
  double m_dSavedY = 0;
  double m_dSavedRight = 0;
  double m_dSavedBottom = 0;
  int32_t m_nHp = 0;
  GAUGEANIM m_HpGauge;
  int32_t m_nSp = 0;
  GAUGEANIM m_SpGauge;
  cVector<int32_t> m_Vars;            // entry 0 unused, 1..8 the chara variables
  int32_t m_nInvincible = 0;          // invincible frames left
  cList<IMMUNITY> m_Immunities;       // per attacker
  cList<ANIMEPLAYER> m_AnimePlayers;  // newest first
  cCharaEffectState m_CharaEffect;
  int32_t m_bVanish = 0;              // removed at the next kill pass
  int32_t m_bHeroActive = 0;
  int32_t m_nSightDots = 0;           // sight in dots
  int32_t m_bTransparentNow = 0;      // transparent this frame
  CHARABOX m_HitBox;                  // chara against chara
  CHARABOX m_AttackBox;               // shots against the chara

  cCharaBase();
  cCharaBase(const cCharaBase&) = default;
  cCharaBase& operator=(const cCharaBase&) = default;

  // The virtual slots after cGameObject's, in their fixed order.
  ~cCharaBase() override;
  void AdjustYForScale(int32_t newScale, int32_t oldScale, int32_t flag) override;
  void SetCenter(int32_t x, int32_t y) override;
  void SetCenterAndStop(int32_t x, int32_t y, cFlowCmdState* lpState) override;
  void SetCenterX(int32_t x) override;
  void SetCenterXAndStop(int32_t x, cFlowCmdState* lpState) override;
  void SetCenterY(int32_t y) override;
  void SetCenterYAndStop(int32_t y, cFlowCmdState* lpState) override;
  // Everything but m_bTemporaryCopy, m_bMoveDisabled and m_nAnimePriority.
  virtual void CopyFrom(const cCharaBase& other);
  // The item the chara carries: none here.
  virtual cItem* GetCarriedItem();
  virtual int32_t ClampX();
  virtual int32_t ClampY();
  virtual int32_t MoveX();
  virtual int32_t MoveY();
  // One flow pass; non-zero when the flows ended the chara.
  virtual int32_t RunFlows(int32_t dying);
  // One flow pass of a running jump command.
  virtual void StepJump(cFlowCmdState& state);

  void VisitState(cStateVisitor& visitor) override;

  // Fresh state for a (re)start from definition (null keeps m_Def) placed at
  // home (x, y), as member index of its placement or summons.
  void Reset(const cCharaDef* lpDef, double homeX, double homeY, int16_t index);
  // The body box centred on a cell horizontally, on its bottom or centred
  // vertically, scaled and unscaled alike.
  void SetHitBox(int32_t bottomAligned, int32_t width, int32_t height);
  // The base animation from AnimeSet record animeSet (nothing when it is
  // current and force is 0).
  void SetAnimeSet(int16_t animeSet, int32_t force);
  // Target slot 0 names hero 0, the parent is parentId (kNoLink none); both
  // hold the back-reference once.
  void LinkHeroAndParent(int32_t parentId);
  void CopyFlows(const cVector<cFlowInstance>& flows);
  // Target slot names lpTarget (null: none) with its back-reference held
  // once; with clearWhenNone 0 a null target leaves the slot as it is.
  void SetTargetSlot(int32_t slot, cCharaBase* lpTarget, int32_t clearWhenNone);
  // Clears every target slot, parent and shot reference that names this
  // chara, and this chara's own entries in its targets' and parent's lists.
  void ReleaseTargetLinks();

  // Flows started by a trigger number (the flow engine's; see chara_flow_calls.h).
  void FireTrigger(int32_t trigger);
  void StartFlowsByTrigger(int32_t trigger, int32_t otherId, int32_t flowId);

  // The flow list (stage/script/flow_setup.cpp): flows replace the list
  // (insert 0) or are inserted at index (-1 or past the end: appended), each
  // with its command states and animation schedule; loops are unrolled first.
  void SetFlows(cVector<cFlow>& flows, int32_t insert, int32_t index);
  // The first index removed, -1 none; id 0 removes every flow and gives 0.
  int32_t DeleteFlowsById(int8_t id);
  void DeleteFlowAt(int32_t index);
  // Points every instance at its flow, key conditions and commands in m_Def.
  void RelinkFlows();
  // Relinks when the chara was copied or moved since (its m_Def moved).
  void EnsureFlowLinks();
  // Whether m_nFlowTriggers and the instances' m_nTrigger can be trusted.
  bool FlowTriggersKnown() const { return m_nFlowTriggers != kFlowTriggersUnknown; }
  // Whether a flow may carry trigger (always true while unknown).
  bool MayCarryTrigger(int32_t trigger) const { return (m_nFlowTriggers & FlowTriggerBit(trigger)) != 0; }
  // The key test of a flow before it starts (stage/script/key_conditions.cpp).
  int32_t CheckKeyConditions(cFlowInstance& instance);
  // At the start of every frame: no flow tried or started in it yet.
  void ResetFlowFrameFlags();
  // The command animations due at the running flows' current pass.
  void StartCommandAnimes();

  // Hits and death (chara_damage.cpp). The contact pass tests IsImmuneTo,
  // then takes the damage and the impact in the order the project asks for.
  void StartInvincibility();
  void StartImmunity(int32_t attackerId);
  // Once per sub-step.
  void TickInvincibility();
  int32_t IsInvincible() const { return m_nInvincible > 0 ? 1 : 0; }
  int32_t IsImmuneTo(int32_t attackerId) const;
  // Loss (or heal) of HP, hit effect, damage triggers; 1 when HP reached 0.
  int32_t TakeBodyDamage(cCharaBase& attacker);
  int32_t TakeShotDamage(cShot& shot);
  // Knock-back and impact triggers.
  void TakeBodyImpact(cCharaBase& attacker);
  void TakeShotImpact(cShot& shot);
  // Both kinds of triggers of a hit.
  void FireBodyHitTriggers(cCharaBase& attacker);
  void FireShotHitTriggers(cShot& shot);
  // 1 when the death ends the stage (the chara then keeps its links).
  int32_t Die();

  // Animation players (chara_anime_players.cpp); owner keys are flow serials.
  void EndAnimePlayers(int32_t ownerKey);
  // Players with nothing left to show are removed, the others paused.
  void PauseAnimePlayers(int32_t ownerKey);
  void ResumeAnimePlayers(int32_t ownerKey);
  // Steps the base animation and the players unless paused; the pattern to
  // draw (the newest running player's, else the base animation's).
  int32_t StepAnimation(int32_t paused);

  // The running chara effect's frame without drawing (chara_effect_step.cpp):
  // its handler's state step; the effect index is cleared when it ends.
  void StepCharaEffect(int32_t paused);
  // The graphic number drawn: the base graphic plus the AnimeSet's offsets
  // for flying, block chara and invincible; *lpTintGroup the invincible tint
  // group the drawing blends with (0 none).
  int32_t GetGraphicIndex(int32_t* lpTintGroup) const;
  // The state step of a drawn living chara: animation, then the effect (also
  // while hidden), the screen rectangle at the held position; the pattern.
  // What is drawn goes to lpDraw (null: nothing, the same state).
  int32_t StepDrawnChara(int32_t paused, cCharaDrawList* lpDraw = nullptr);
  // The state step of a dead chara's presentation; 1 when it is over.
  int32_t StepDeathEffect(int32_t paused, cCharaDrawList* lpDraw = nullptr);
  // One drawn frame of a gauge (m_HpGauge or m_SpGauge; the change bar fades
  // in the last 60 frames).
  void StepGauge(GAUGEANIM& gauge, cCharaDrawList* lpDraw = nullptr) const;

  // Jumps (chara_jump.cpp). Speeds are dots per sub-step, negative upwards.
  double JumpSpeed(double height) const;
  double JumpSpeedHbl(int8_t halfBlocks) const;
  // Sub-steps until a jump at speed v stops rising.
  int32_t ApexSteps(double v) const;
  // Rise time in tenths of a second, 1..32767.
  int32_t JumpRiseTime(int8_t halfBlocks) const;
  static int32_t SightDots(int8_t sight);
  static double StopToFriction(int16_t stop);

  // Floor, ceiling and placement (chara_floor.cpp).
  void SetBlockPosition(int32_t column, int32_t row, int32_t flag);
  void SetBlockX(int32_t column);
  void SetBlockY(int32_t row, int32_t flag);
  void ClearBlockContacts();
  // Hides cGameObject::ApplyGravity: the chara's own conditions.
  void ApplyGravity();
  int32_t IsOnFloor() const;
  void LandOnBlock();
  void HitCeiling();
  void EndRide(int32_t flag);
  void SavePosition();
  void RestorePosition();

  // Knock-back (chara_push.cpp).
  void StartPush(int8_t impact, double dx, double dy);
  void PushFromAttacker(const cCharaBase& attacker);
  void PushFromShot(const cShot& shot);
  void ApplyPushY();
  void DecayPushX();
  void DecayPushY();

  // Status values (chara_status.cpp). ChangeHp: 1 when HP is 0; ChangeSp: 1
  // when the chara has no SP (max SP <= 0).
  int32_t ChangeHp(int32_t delta, int32_t force, int32_t animate);
  int32_t ChangeSp(int32_t delta, int32_t animate);
  void StartHpGauge(int32_t delta);
  void StartSpGauge(int32_t delta);
};
