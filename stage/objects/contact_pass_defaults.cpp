// Placeholders of the contact, solid-chara, floor and item passes the play
// step calls. Each is replaced (and deleted from this file) when its pass
// lands; until then a stage plays with blocks only: nothing rides, touches
// or is touched.

#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"

int32_t cStagePlay::CollideSolidCharas(cCharaBase&, cList<cChara>&) { return 0; }
void cStagePlay::FollowRiddenChara(cCharaBase&, cList<cChara>&) {}
int32_t cStagePlay::ResolveContacts(cList<cChara>&) { return 0; }
int32_t cStagePlay::HeroTouchItems(cHero&) { return 0; }
int32_t cStagePlay::ApplyFloorEffect(cHero&) { return 0; }
int32_t cStagePlay::GiveBlockItem(cHero&) { return 0; }
int32_t cStagePlay::OverlapsSolidChara(cCharaBase&, cList<cChara>&) { return 0; }
