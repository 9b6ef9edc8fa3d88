// ターゲットの設定: one of the chara's four target slots names the chara the
// command finds (or none, or is left alone when none is found).

#include <cstdint>

#include "records/script/flow_cmd.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/chara_filter.h"
#include "stage/objects/chara_search.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"
#include "stage/script/cmd_param.h"
#include "stage/script/flow_cmd_executors.h"

namespace exec_set_target {

enum eWhom : int32_t {
  kHero = 0,
  kSelf = 1,
  kNearest = 2,
  kFirstInGroup = 3,
  kParent = 4,
  kLastChild = 5,
  kChildWithFilters = 6,
  kOwnTarget1 = 7,  // .. 10: the chara's own targets 1 to 4
};
// P15: 0 none found clears the slot, 1 keeps it; others do nothing.
constexpr int32_t kKeepWhenNone = 1;

cCharaFilter FilterOf(const cCharaBase& chara, const cFlowCmd& cmd) {
  cCharaFilter filter;
  filter.m_bOwnId = CmdParam(cmd, 5);
  filter.m_nOwnId = chara.m_nId;
  filter.m_bNoInvincible1 = CmdParam(cmd, 6);
  filter.m_bNoInvincible2 = CmdParam(cmd, 7);
  filter.m_bNoBlockChara = CmdParam(cmd, 8);
  filter.m_bCharaId = CmdParam(cmd, 9);
  filter.m_nCharaId = CmdParam(cmd, 10);
  filter.m_bVar = CmdParam(cmd, 11);
  filter.m_nVar = CmdParam(cmd, 12);
  filter.m_nValue = CmdParam(cmd, 13);
  filter.m_nOperator = CmdParam(cmd, 14);
  return filter;
}

// The object group's ids; null for a group outside the list.
cList<int32_t>* Group(cStagePlay& play, int32_t group) {
  if (group < 0 || group >= play.m_ObjGroup.VectorSize()) return nullptr;
  return &play.m_ObjGroup.CheckedVectorAt(group);
}

// The object group's charas in list order; null for a group outside the list.
const cVector<cCharaBase*>* GroupCharas(cStagePlay& play, int32_t group) {
  const cList<int32_t>* ids = Group(play, group);
  return ids != nullptr ? &play.m_GroupCharas.Of(play.m_CharaIds, group, *ids) : nullptr;
}

// Nearest in group P2, or with P3 over all groups: the nearest of each
// group's nearest, the lower group on a tie.
cCharaBase* FindNearest(cStagePlay& play, const cCharaBase& chara, const cFlowCmd& cmd, const cCharaFilter& filter) {
  const int32_t x = chara.ScreenCenterX();
  const int32_t y = chara.ScreenCenterY();
  const int32_t mode = CmdParam(cmd, 4);
  const bool anySide = CmdParam(cmd, 3) != 0;
  const int32_t first = anySide ? 0 : CmdParam(cmd, 2);
  const int32_t last = anySide ? kObjGroupCount - 1 : first;
  cCharaBase* best = nullptr;
  int64_t bestDistance = 0;
  for (int32_t g = first; g <= last; ++g) {
    const cVector<cCharaBase*>* group = GroupCharas(play, g);
    if (group == nullptr) continue;
    cCharaBase* found = FindNearestCharaEx(x, y, *group, mode, filter);
    if (found == nullptr) continue;
    const int64_t distance = chara_search::Distance(*found, x, y);
    if (best == nullptr || distance < bestDistance) {
      best = found;
      bestDistance = distance;
    }
  }
  return best;
}

cCharaBase* FindFirst(cStagePlay& play, const cFlowCmd& cmd, const cCharaFilter& filter) {
  const bool anySide = CmdParam(cmd, 3) != 0;
  const int32_t first = anySide ? 0 : CmdParam(cmd, 2);
  const int32_t last = anySide ? kObjGroupCount - 1 : first;
  for (int32_t g = first; g <= last; ++g) {
    cList<int32_t>* group = Group(play, g);
    if (group == nullptr) continue;
    if (cCharaBase* found = FindCharaInList(*group, filter)) return found;
  }
  return nullptr;
}

// The chara the newest summon made, while it runs.
cCharaBase* LastChild(const cCharaBase& chara) {
  for (auto it = chara.m_TargetedBy.rbegin(); it != chara.m_TargetedBy.rend(); ++it) {
    if (it->nSlot == kLinkSlotParent) return FindCharaById(it->nCharaId);
  }
  return nullptr;
}

cCharaBase* Find(cStagePlay& play, cCharaBase& chara, const cFlowCmd& cmd) {
  const int32_t whom = CmdParam(cmd, 1);
  switch (whom) {
    case kHero: return g_Heroes.empty() ? nullptr : &g_Heroes.CheckedVectorAt(0);
    case kSelf: return &chara;
    case kNearest: return FindNearest(play, chara, cmd, FilterOf(chara, cmd));
    case kFirstInGroup: return FindFirst(play, cmd, FilterOf(chara, cmd));
    case kParent: return FindCharaById(chara.m_nParentId);
    case kLastChild: return LastChild(chara);
    case kChildWithFilters:
      return FindChildChara(chara.m_TargetedBy, kLinkSlotParent, CmdParam(cmd, 2), CmdParam(cmd, 3),
                            FilterOf(chara, cmd));
    default:
      if (whom >= kOwnTarget1 && whom < kOwnTarget1 + kCharaTargetSlots) {
        return FindCharaById(chara.m_Targets.CheckedVectorAt(whom - kOwnTarget1));
      }
      return nullptr;
  }
}

}  // namespace exec_set_target

int32_t ExecSetTarget(cCharaBase* lpChara, cFlowCmd* lpCmd) {
  cStagePlay* play = g_lpSceneStagePlay;
  if (lpChara == nullptr || lpCmd == nullptr || play == nullptr) return 0;
  cCharaBase* found = exec_set_target::Find(*play, *lpChara, *lpCmd);
  const int32_t whenNone = CmdParam(*lpCmd, 15);
  if (whenNone > exec_set_target::kKeepWhenNone) return 0;
  lpChara->SetTargetSlot(CmdParam(*lpCmd, 0), found, whenNone == 0 ? 1 : 0);
  return 0;
}
