// CreateProjectile: one placed member of a volley made into what the firing
// command stands for.
#include <algorithm>

#include "records/palette/common_palette.h"
#include "records/script/flow_cmd.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/flow_cmd_state.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/shot_fire.h"
#include "stage/objects/shot_link.h"
#include "stage/objects/stage_play.h"

namespace shot_projectile {

constexpr int32_t kKindShot = 11;
constexpr int32_t kKindSummonBlock = 13;
constexpr int32_t kKindSummonChara = 14;
constexpr int32_t kKindSummonItem = 15;

// The summoned part: common palette for byte 0, else the stage's (checked:
// the contexts already skipped an index outside it).
template <class T>
const T& SummonedPart(const cEdShot& set, const cVector<T>& common, const cVector<T>& stage) {
  return (set.m_nSummonPalette == 0 ? common : stage).CheckedVectorAt(static_cast<uint16_t>(set.m_nSummonIndex));
}

void AddPairOnce(int32_t charaId, const SHOTLINK& pair) {
  cCharaBase* chara = FindCharaById(charaId);
  if (chara == nullptr) return;
  if (std::find(chara->m_ShotLinks.begin(), chara->m_ShotLinks.end(), pair) == chara->m_ShotLinks.end()) {
    chara->m_ShotLinks.push_back(pair);
  }
}

void CreateShot(const cShotFiring& fire, const SHOTLAUNCH& launch) {
  cStagePlay& play = *g_lpSceneStagePlay;
  cShot shot;
  shot.Init(play.m_nNextShotId, fire.lpChara, kShotKindProjectile, fire.lpSet, &launch);
  cShot& listed = AddShot(play, shot);
  ++play.m_nNextShotId;
  LinkShotToCharas(listed);
}

int32_t SummonGroup(const cEdShot& set, const cCharaDef& def, const cCharaBase& chara) {
  switch (set.m_nGroupMode) {
    case kSummonGroupOfPart: return def.m_nGroup;
    case kSummonGroupOfUser: return chara.m_nBlockKey;
    default: return set.m_nGroup;
  }
}

}  // namespace shot_projectile

void LinkShotToCharas(cShot& shot) {
  const int32_t kind = shot.m_Settings.m_nMoveType;
  if ((kind == kShotAimTarget || kind == kShotHomeTarget) && shot.m_lpTarget != kNoLink) {
    shot_projectile::AddPairOnce(shot.m_lpTarget, {shot.m_nId, kShotLinkHoming});
  } else {
    shot.m_lpTarget = kNoLink;
  }
  if (shot.m_lpShooter != kNoLink) shot_projectile::AddPairOnce(shot.m_lpShooter, {shot.m_nId, kShotLinkOwner});
}

int32_t CreateProjectile(const cShotFiring& fire, const SHOTLAUNCH& launch) {
  using namespace shot_projectile;
  if (fire.lpState == nullptr || fire.lpState->m_lpCmd == nullptr) return 0;
  cStagePlay& play = *g_lpSceneStagePlay;
  const cEdShot& set = *fire.lpSet;
  cCharaBase& chara = *fire.lpChara;
  switch (fire.lpState->m_lpCmd->m_nKind) {
    case kKindShot:
      CreateShot(fire, launch);
      break;
    case kKindSummonBlock: {
      const cBlockDef& def = SummonedPart(set, g_CommonPalette.m_BlockPalette, g_Stage.m_BlockPalette);
      play.ReplaceBlockAt(launch.nX, launch.nY, &set, &def);
      break;
    }
    case kKindSummonChara: {
      const cCharaDef& def = SummonedPart(set, g_CommonPalette.m_CharaPalette, g_Stage.m_CharaPalette);
      const int32_t facing = set.m_bReverseFacing != 0 ? 1 - chara.m_nFacing : chara.m_nFacing;
      play.SpawnCharaAt(g_CharaList, launch.nX, launch.nY, SummonGroup(set, def, chara), facing, &set, &def,
                        &play.m_nNextObjectId, &chara);
      break;
    }
    case kKindSummonItem: {
      const cItemDef& def = SummonedPart(set, g_CommonPalette.m_ItemPalette, g_Stage.m_ItemPalette);
      play.SpawnItemAt(g_ItemList, launch.nX, launch.nY, &set, &def, &play.m_nNextItemId);
      break;
    }
    default:  // a sword makes its shot itself
      break;
  }
  return 0;
}
