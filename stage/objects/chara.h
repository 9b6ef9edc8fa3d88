#pragma once
// cChara: a chara placed on or summoned into the stage (g_CharaList): the
// enemies, friends and devices. Beyond cCharaBase it sizes its boxes from the
// stage settings, carries an item it drops for the hero when it dies, and
// has an active range (on screen, one axis, everywhere).
//
//   cChara chara;
//   chara.Init(id, &def, nullptr, 336, 400, 0);   // boxes, scale, flows
//   chara.PlaceAtBlock(3, 5);                      // on stage cell (3, 5)
//   int32_t code = chara.MoveX();                  // 4: pushed back at a world end

#include <cstdint>
#include <span>

#include "stage/objects/chara_base.h"
#include "stage/objects/item.h"

struct cCharaDrawList;

// Activation groups a chara can belong to.
inline constexpr int32_t kActGroupCount = 60;

class cChara : public cCharaBase {
 public:
  int32_t m_bInRange = 0;     // set by UpdateInRange
  int32_t m_bActive = 0;      // enabled and activated this sub-step
  cItem m_Item;               // the item it carries (m_Item.m_bCarried)
  int32_t m_nHintFrames = 0;  // frame counter of the carried-item hint (the drawing's: not state)
  int32_t m_bIgnoreX = 0;     // active-range axes not tested
  int32_t m_bIgnoreY = 0;
  int32_t m_bActivated = 0;   // has been active at least once
  int32_t m_nReserved = 0;    // copied with the chara, never read

  // Set-up for play from def (copied; a scale of 0 becomes 1 in the copy) at
  // home (x, y), as member index; carried: the placement's item or none. The
  // parent is linked by LinkHeroAndParent afterwards.
  void Init(int32_t id, const cCharaDef* lpDef, const cItem* lpCarried, double x, double y, int16_t index);
  // The object part's own set-up stays callable (tests and benchmarks build
  // bare objects with it).
  using cGameObject::Init;
  void PlaceAtBlock(int32_t column, int32_t row);
  // The activation test of a sub-step over the scene's activation-group
  // flags (kActGroupCount): in range (a group member in range sets its
  // group's flag), then active; each returns its result.
  int32_t UpdateInRange(std::span<uint8_t> groupFlags);
  int32_t UpdateActivation(std::span<const uint8_t> groupFlags);
  // Edges inclusive.
  int32_t OverlapsRect(double left, double top, double right, double bottom) const;
  // The state step of the carried item's hint above a drawn chara: its icon
  // shows during frames 64..95 of every 96 (to lpDraw when given).
  void StepCarriedItemHint(cCharaDrawList* lpDraw);

  void OnScaleChanged(int32_t newScale) override;
  // Final, so the clamps of a chara call them directly (game_object_clamp.h).
  void UpdateBoxX() final;
  void UpdateBoxY() final;
  cItem* GetCarriedItem() override;
  int32_t ClampX() override;
  int32_t ClampY() override;
  // One sub-step; the edge code, with 4 for an end of the world horizontally,
  // 7 a walking chara fallen out below, 8 a flying one at the top or bottom end.
  int32_t MoveX() override;
  int32_t MoveY() override;
  // One flow pass (dying: the pass inside Die, which runs only the death's
  // flows); 1 when the flows ended the chara.
  int32_t RunFlows(int32_t dying) override;
  // Takes off when it can; otherwise gives up after 4 frames of waiting. The
  // command ends on landing.
  void StepJump(cFlowCmdState& state) override;

  void VisitState(cStateVisitor& visitor) override;
};
