// 消滅: the charas or shots of a group, or what the chara summoned and fired.

#include <algorithm>
#include <vector>

#include "stage/objects/chara_base.h"
#include "stage/objects/shot.h"
#include "stage/objects/stage_play.h"
#include "stage/script/cmd_param.h"
#include "stage/script/command_kill.h"
#include "stage/script/flow_cmd_executors.h"

namespace exec_vanish {

enum eVanishWhat : int32_t {
  kCharas = 0,
  kShots = 1,
  kDescendants = 2,
  kOwnShots = 3,
  kDescendantsAndAllShots = 4,
  kDescendantsAndTheirShots = 5,
};
constexpr int32_t kOnScreenOnly = 0;  // P2; any other range counts as the whole stage
constexpr int32_t kMaxDepth = 1000;

bool InRange(const cGameObject& object, int32_t range) {
  return object.m_bEnabled != 0 && (range != kOnScreenOnly || object.m_bOnScreen != 0);
}

// Out of its layer and the shot list.
void RemoveShot(cStagePlay& play, int32_t shotId) {
  auto it = std::find_if(play.m_ShotList.begin(), play.m_ShotList.end(),
                         [&](const cShot& shot) { return shot.m_nId == shotId; });
  if (it == play.m_ShotList.end()) return;
  // The contact pass is walking the shot list (a hit's flow vanished it):
  // the shot is only marked, and the pass removes it once past it.
  if (play.m_bContactPass != 0) {
    play.MarkShotForRemoval(*it);
    return;
  }
  play.RemoveShotNode(it);
}

// Ids first: killing and removing change the lists walked.
std::vector<int32_t> Ids(const cVector<cList<int32_t>>& groups, int32_t group) {
  if (group < 0 || group >= groups.VectorSize()) return {};
  const cList<int32_t>& ids = groups.CheckedVectorAt(group);
  return {ids.begin(), ids.end()};
}

void VanishGroupCharas(cStagePlay& play, int32_t group, int32_t range, const cCharaBase* lpRunner) {
  for (int32_t id : Ids(play.m_ObjGroup, group)) {
    cCharaBase* chara = play.FindCharaById(id);
    if (chara != nullptr && InRange(*chara, range)) KillByCommand(play, *chara, lpRunner);
  }
}

void RemoveGroupShots(cStagePlay& play, int32_t group, int32_t range) {
  for (int32_t id : Ids(play.m_ShotLayers, group)) {
    const cShot* shot = play.FindShotById(id);
    if (shot != nullptr && InRange(*shot, range)) RemoveShot(play, id);
  }
}

}  // namespace exec_vanish

void RemoveOwnShots(cCharaBase& chara) {
  cStagePlay* play = g_lpSceneStagePlay;
  if (play == nullptr) return;
  cVector<SHOTLINK>& links = chara.m_ShotLinks;
  for (int32_t i = 0; i < links.VectorSize();) {
    const SHOTLINK link = links.CheckedVectorAt(i);
    const cShot* shot = play->FindShotById(link.nShotId);
    if (link.nKind != kShotLinkOwner || shot == nullptr || shot->m_bEnabled == 0) {
      ++i;
      continue;
    }
    links.erase(links.begin() + i);
    const int32_t count = links.VectorSize();
    exec_vanish::RemoveShot(*play, link.nShotId);
    // The shot's end may drop other entries of the list: then the walk
    // starts over, else the entry now at i is the next.
    if (links.VectorSize() != count) i = 0;
  }
}

void VanishDescendants(cCharaBase& chara, int32_t depth, int32_t withShots, const cCharaBase* lpRunner) {
  cStagePlay* play = g_lpSceneStagePlay;
  if (play == nullptr || depth > exec_vanish::kMaxDepth) return;
  std::vector<int32_t> children;
  for (const CHARALINK& link : chara.m_TargetedBy) {
    if (link.nSlot == kLinkSlotParent) children.push_back(link.nCharaId);
  }
  for (int32_t id : children) {
    cCharaBase* child = play->FindCharaById(id);
    if (child == nullptr || child->m_bEnabled == 0) continue;
    if (withShots != 0) RemoveOwnShots(*child);
    VanishDescendants(*child, depth + 1, withShots, lpRunner);
    KillByCommand(*play, *child, lpRunner);
  }
}

int32_t ExecVanish(cCharaBase* lpChara, cFlowCmd* lpCmd) {
  using namespace exec_vanish;
  cStagePlay* play = g_lpSceneStagePlay;
  if (lpChara == nullptr || lpCmd == nullptr || play == nullptr) return 0;
  const int32_t group = CmdParam(*lpCmd, 1);
  const int32_t range = CmdParam(*lpCmd, 2);
  switch (CmdParam(*lpCmd, 0)) {
    case kCharas: VanishGroupCharas(*play, group, range, lpChara); break;
    case kShots: RemoveGroupShots(*play, group, range); break;
    case kDescendants: VanishDescendants(*lpChara, 0, 0, lpChara); break;
    case kOwnShots: RemoveOwnShots(*lpChara); break;
    case kDescendantsAndAllShots:
      RemoveOwnShots(*lpChara);
      VanishDescendants(*lpChara, 0, 1, lpChara);
      break;
    case kDescendantsAndTheirShots: VanishDescendants(*lpChara, 0, 1, lpChara); break;
    default: break;
  }
  return 0;
}
