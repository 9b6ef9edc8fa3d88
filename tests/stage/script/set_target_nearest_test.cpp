// The nearest-chara target search keeps the object groups resolved between
// searches and passes over charas by distance before reading their states.
// Whatever happens between two searches of a pass (charas moved, appended
// to a group, erased mid-walk and purged, killed, disabled, their variables
// changed), it must pick what a plain walk of the group ids picks.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "flow_world.h"
#include "stage/objects/chara_search.h"
#include "stage/objects/object_walk.h"
#include "stage/script/flow_cmd_executors.h"

namespace {

// The search as first written: every entry resolved through the id table,
// every test applied, the best kept per side of the screen.
cCharaBase* PlainNearestInGroup(const cStagePlay& play, const cList<int32_t>& ids, int32_t x, int32_t y,
                                int32_t mode, const cCharaFilter& filter) {
  if (mode != kSearchOnScreenFirst && mode != kSearchAll && mode != kSearchOnScreen) return nullptr;
  cCharaBase* best[2] = {nullptr, nullptr};  // off, on screen
  int64_t bestDistance[2] = {0, 0};
  for (int32_t id : ids) {
    cCharaBase* chara = play.FindCharaById(id);
    if (chara == nullptr || chara->m_bEnabled == 0 || chara->m_bDead != 0 || !filter.Accepts(*chara)) continue;
    const int64_t distance = chara_search::Distance(*chara, x, y);
    const int32_t side = mode == kSearchAll || chara->m_bOnScreen != 0 ? 1 : 0;
    if (best[side] == nullptr || distance < bestDistance[side]) {
      best[side] = chara;
      bestDistance[side] = distance;
    }
  }
  return best[1] != nullptr || mode != kSearchOnScreenFirst ? best[1] : best[0];
}

class SetTargetNearest : public FlowWorld {
 protected:
  static constexpr int32_t kStartCharas = 60;

  cChara& Spawn() {
    cChara& chara = AddTestChara(nextId_++);
    chara.m_nBlockKey = Pick(kObjGroupCount);
    chara.m_Vars.assign(9, 0);
    Randomize(chara);
    play_.m_ObjGroup.CheckedVectorAt(chara.m_nBlockKey).push_back(chara.m_nId);
    return chara;
  }

  // Positions on a coarse grid, so that ties are common.
  void Randomize(cChara& chara) {
    chara.m_rcScreen.left = 20 * Pick(12) - 40;
    chara.m_rcScreen.top = 20 * Pick(10) - 40;
    chara.m_nGraphicW = 16 * (1 + Pick(3));
    chara.m_nGraphicH = 16 * (1 + Pick(3));
    chara.m_bEnabled = Pick(8) != 0 ? 1 : 0;
    chara.m_bOnScreen = Pick(3) != 0 ? 1 : 0;
    chara.m_bDead = Pick(10) == 0 ? 1 : 0;
    chara.m_Def.m_nInvincible = static_cast<int8_t>(Pick(3));
    chara.m_Vars.CheckedVectorAt(1) = Pick(5);
  }

  cChara* AnyLiveChara() {
    std::vector<cChara*> live;
    for (cChara& chara : g_CharaList) {
      if (IsLive(play_, chara)) live.push_back(&chara);
    }
    return live.empty() ? nullptr : live[static_cast<std::size_t>(Pick(static_cast<int32_t>(live.size())))];
  }

  // P0 slot 0, P1 nearest, P2 group, P3 any group, P4 mode, P5 not itself,
  // P7 no invincible state 2, P11..P14 variable 1 at least a value.
  std::vector<int32_t> RandomParams() {
    std::vector<int32_t> params(16, 0);
    params[1] = 2;
    params[2] = Pick(kObjGroupCount + 1);  // one past the groups finds nothing
    params[3] = Pick(2);
    params[4] = Pick(4);                   // 3 is no mode
    params[5] = Pick(2);
    params[7] = Pick(2);
    params[11] = Pick(2);
    params[12] = 1;
    params[13] = Pick(5);
    params[14] = 2;
    return params;
  }

  // The chara the command must name: each group's nearest, the nearest of
  // those, the lower group on a tie.
  int32_t Expected(const cCharaBase& self, const std::vector<int32_t>& params) {
    cCharaFilter filter;
    filter.m_bOwnId = params[5];
    filter.m_nOwnId = self.m_nId;
    filter.m_bNoInvincible2 = params[7];
    filter.m_bVar = params[11];
    filter.m_nVar = params[12];
    filter.m_nValue = params[13];
    filter.m_nOperator = params[14];
    const int32_t first = params[3] != 0 ? 0 : params[2];
    const int32_t last = params[3] != 0 ? kObjGroupCount - 1 : params[2];
    cCharaBase* best = nullptr;
    int64_t bestDistance = 0;
    for (int32_t g = first; g <= last && g < kObjGroupCount; ++g) {
      cCharaBase* found = PlainNearestInGroup(play_, play_.m_ObjGroup.CheckedVectorAt(g), self.ScreenCenterX(),
                                              self.ScreenCenterY(), params[4], filter);
      if (found == nullptr) continue;
      const int64_t distance = chara_search::Distance(*found, self.ScreenCenterX(), self.ScreenCenterY());
      if (best == nullptr || distance < bestDistance) {
        best = found;
        bestDistance = distance;
      }
    }
    return best != nullptr ? best->m_nId : kNoLink;
  }

  // One search by a random live chara, checked against the plain search.
  void SearchAndCompare() {
    cChara* self = AnyLiveChara();
    if (self == nullptr) return;
    const std::vector<int32_t> params = RandomParams();
    const int32_t expected = Expected(*self, params);
    cFlowCmd cmd = Cmd(kFlowCmdSetTarget, params);
    ExecSetTarget(self, &cmd);
    ASSERT_EQ(self->m_Targets.CheckedVectorAt(0), expected) << "searcher " << self->m_nId;
    ++searches_;
  }

  // A step between searches, as other flows' commands would take.
  void Disturb() {
    cChara* chara = AnyLiveChara();
    switch (Pick(6)) {
      case 0: Spawn(); break;
      case 1:
        if (chara != nullptr) play_.EraseStageChara(*chara);
        break;
      case 2:
        if (chara != nullptr) Randomize(*chara);
        break;
      case 3:  // an id listed in a second group, as a status command's group change leaves it
        if (chara != nullptr) play_.m_ObjGroup.CheckedVectorAt(Pick(kObjGroupCount)).push_back(chara->m_nId);
        break;
      default:
        if (chara != nullptr) chara->m_rcScreen.left += Pick(41) - 20;
        break;
    }
  }

  int32_t Pick(int32_t n) { return std::uniform_int_distribution<int32_t>(0, n - 1)(random_); }

  std::mt19937 random_{20261211};
  int32_t nextId_ = 1;
  int32_t searches_ = 0;
};

TEST_F(SetTargetNearest, MatchesAPlainSearchWhateverChangesBetweenSearches) {
  for (int32_t i = 0; i < kStartCharas; ++i) Spawn();
  for (int32_t pass = 0; pass < 40; ++pass) {
    // Half the passes run inside a walk of the charas, where erased charas
    // keep their group entries until the walk ends.
    std::optional<cCharaWalk> walk;
    if (pass % 2 == 0) walk.emplace(play_);
    for (int32_t step = 0; step < 60; ++step) {
      for (int32_t n = Pick(3); n > 0; --n) Disturb();
      ASSERT_NO_FATAL_FAILURE(SearchAndCompare());
    }
  }
  EXPECT_GT(searches_, 2000);
  EXPECT_EQ(BrokenLinks(), "");
}

}  // namespace
