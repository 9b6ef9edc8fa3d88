#pragma once
// cShot: a shot or sword of the running stage (cStagePlay::m_ShotList),
// known by its serial. Its own fields and operations come with the shot
// runtime; the charas it names are declared here because a chara clears them
// (through its m_ShotLinks) when it dies or is erased.

#include <cstdint>

#include "stage/objects/drect.h"
#include "stage/objects/game_object.h"

class cShot : public cGameObject {
 public:
  int32_t m_nOwnerId = -1;   // the chara that fired it, -1 none
  int32_t m_nHomingId = -1;  // the chara it homes on, -1 none
  int32_t m_bOwnSpeed = 0;   // moves by its own speed (m_dVX, m_dVY)
  int8_t m_nImpact = 0;      // knock-back strength in half blocks
  int32_t m_nPower = 0;      // damage
  uint16_t m_nHitEffect = 0; // Effect index shown where it hits, 0 none
  int8_t m_nScale = 1;       // giant scale of the shooter
  DRECT m_HitBox;            // its box in stage dots
  int32_t m_bOwnerTrigger = 0;  // its hits start the owner's attack flows
  uint8_t m_nFlowId = 0;     // flow id given to those flows
  int32_t m_bProjectile = 0; // 1 a fired shot, 0 the attack of a sword (erase areas skip it)
  uint8_t m_nLayer = 0;      // drawing layer 0..7 (cStagePlay::m_ShotLayers)

  // One sub-step of the shot's own state; not 0 asks for its removal.
  int32_t Update();
  // One sub-step of motion on each axis.
  void MoveX();
  void MoveY();
  // 1 when a cell the shot covers is solid for it.
  int32_t HitsBlock() const;

  void VisitState(cStateVisitor& visitor) override;
};
