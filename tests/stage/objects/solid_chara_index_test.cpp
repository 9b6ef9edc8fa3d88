// The solid charas the solid-chara passes walk: against a walk of the whole
// chara list, the same solids in the same order for any object and box, while
// charas move, die, change scale, are disabled, and are created and erased in
// the middle of a walk.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "solid_world.h"
#include "stage/objects/object_walk.h"
#include "stage/objects/solid_chara_rules.h"

namespace solid_chara_index_test {

using solid_chara_rules::IsSolidFor;
using solid_chara_rules::PositionBox;

class SolidCharaIndexTest : public SolidWorld {
 protected:
  // The ids of the solids for obj that overlap box: from the whole list and
  // from the index.
  std::vector<int32_t> WholeListMatches(const cCharaBase& obj, const DRECT& box) {
    std::vector<int32_t> ids;
    for (const cChara& s : g_CharaList) {
      if (IsSolidFor(play_, s, obj) && PositionBox(s).Overlaps(box)) ids.push_back(s.m_nId);
    }
    return ids;
  }
  std::vector<int32_t> IndexMatches(const cCharaBase& obj, const DRECT& box) {
    std::vector<int32_t> ids;
    for (const cChara* s : play_.SolidCharasOf(g_CharaList)) {
      if (IsSolidFor(play_, *s, obj) && PositionBox(*s).Overlaps(box)) ids.push_back(s->m_nId);
    }
    return ids;
  }

  int32_t Uniform(int32_t lo, int32_t hi) { return std::uniform_int_distribution<int32_t>(lo, hi)(random_); }

  cChara& RandomBody() {
    const int32_t size = 16 * Uniform(1, 4);
    return Body(nextId_++, Uniform(0, 900), Uniform(0, 600), size, size, Uniform(0, 2) == 0);
  }

  cChara* Nth(int32_t n) {
    for (cChara& c : g_CharaList) {
      if (n-- == 0) return &c;
    }
    return nullptr;
  }

  // One random change to a random chara of the list.
  void Mutate(cChara& c) {
    switch (Uniform(0, 4)) {
      case 0:
        Put(c, c.m_dX + Uniform(-80, 80), c.m_dY + Uniform(-80, 80));
        break;
      case 1:
        c.m_bDead = c.m_bDead == 0 ? 1 : 0;
        break;
      case 2:
        c.m_bEnabled = c.m_bEnabled == 0 ? 1 : 0;
        break;
      case 3: {
        // A scale change: the body grows or shrinks about its top-left corner.
        const int32_t scale = Uniform(1, 4);
        Shape(c, 16 * scale, 16 * scale);
        c.m_Def.m_nGiant = static_cast<int8_t>(scale);
        Put(c, c.m_dX, c.m_dY);
        break;
      }
      default:
        // Erased or joined by a new one, the crowd staying about its size.
        if (g_CharaList.size() > kCrowd) {
          play_.EraseStageChara(c);
        } else {
          RandomBody();
        }
        break;
    }
  }

  void ExpectSameMatches(int32_t rounds) {
    for (int32_t q = 0; q < rounds; ++q) {
      const int32_t n = Uniform(0, static_cast<int32_t>(g_CharaList.size()));
      // The object asking: a listed chara (never solid for itself) or the hero.
      cCharaBase* obj = Nth(n);
      if (obj == nullptr) obj = hero_;
      const double x = Uniform(-50, 950);
      const double y = Uniform(-50, 650);
      const DRECT box{x, y, x + Uniform(0, 200), y + Uniform(0, 200)};
      ASSERT_EQ(IndexMatches(*obj, box), WholeListMatches(*obj, box)) << "query " << q;
    }
  }

  static constexpr std::size_t kCrowd = 60;
  std::mt19937 random_{20261211};
  int32_t nextId_ = 100;
};

TEST_F(SolidCharaIndexTest, MeetsTheSolidsOfTheWholeListInItsOrderThroughRandomChanges) {
  for (std::size_t i = 0; i < kCrowd; ++i) RandomBody();
  for (int32_t round = 0; round < 300; ++round) {
    SCOPED_TRACE(round);
    // Changes outside any walk: erasures leave the list at once.
    for (int32_t k = 0; k < 3; ++k) {
      if (cChara* c = Nth(Uniform(0, static_cast<int32_t>(g_CharaList.size()) - 1))) Mutate(*c);
    }
    ExpectSameMatches(10);
    // Changes inside a walk, queried as they happen, as a pass meets them:
    // the erased stay listed until the walk ends, the created are appended.
    {
      cCharaWalk walk(play_);
      for (cChara& c : g_CharaList) {
        if (Uniform(0, 9) == 0) Mutate(c);
        if (Uniform(0, 4) == 0) ExpectSameMatches(2);
      }
      ExpectSameMatches(5);
    }
    ExpectSameMatches(5);
  }
}

TEST_F(SolidCharaIndexTest, ListsOnlySolidsInListOrderAndFollowsAnotherList) {
  cChara& a = Body(5, 0, 0, 32, 32, true);
  Body(6, 0, 0, 32, 32, false);
  cChara& c = Body(7, 0, 0, 32, 32, true);
  EXPECT_EQ(play_.SolidCharasOf(g_CharaList), (std::vector<cChara*>{&a, &c}));
  cChara& d = Body(8, 0, 0, 32, 32, true);
  EXPECT_EQ(play_.SolidCharasOf(g_CharaList), (std::vector<cChara*>{&a, &c, &d}));
  play_.EraseStageChara(a);
  EXPECT_EQ(play_.SolidCharasOf(g_CharaList), (std::vector<cChara*>{&c, &d}));

  // A list of the caller's own is indexed afresh at every query.
  cList<cChara> own;
  cChara& solo = own.emplace_back();
  solo.m_Def.m_bBlockChara = 1;
  EXPECT_EQ(play_.SolidCharasOf(own), (std::vector<cChara*>{&solo}));
  own.front().m_Def.m_bBlockChara = 0;
  own.emplace_back().m_Def.m_bBlockChara = 1;
  own.pop_front();
  EXPECT_EQ(play_.SolidCharasOf(own), (std::vector<cChara*>{&own.front()}));
  EXPECT_EQ(play_.SolidCharasOf(g_CharaList), (std::vector<cChara*>{&c, &d}));
}

}  // namespace solid_chara_index_test
