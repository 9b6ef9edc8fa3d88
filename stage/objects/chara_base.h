#pragma once
// cCharaBase: the running state of one chara, the hero (cHero) or an ordinary
// chara (cChara): its own copy of its definition, the back-references of the
// charas that target it or that it summoned, its variables and whether it has
// died. The searches (chara_search.h) and the distance condition read these.
//
//   cChara chara;                     // a default definition, no links
//   chara.m_Def.m_nCharaId = 3;
//   chara.m_Vars.resize(9);           // entry 0 unused, 1..8 the chara variables
//   chara.m_TargetedBy.push_back({parentId, kLinkSlotParent});

#include <cstdint>

#include "core/containers/checked_vector.h"
#include "records/palette/chara_def.h"
#include "stage/objects/chara_link.h"
#include "stage/objects/game_object.h"

class cCharaBase : public cGameObject {
 public:
  cVector<CHARALINK> m_TargetedBy;  // who refers to this chara
  cCharaDef m_Def;                  // this chara's own copy of its definition
  int32_t m_bDead = 0;
  cVector<int32_t> m_Vars;          // entry 0 unused, 1..8 the chara variables

  void VisitState(cStateVisitor& visitor) override;
};
