#pragma once
// The shared in-memory stage with charas: a 30 x 20 stage, helpers that add
// a hero and charas by id, and the back-reference check every link test ends
// with: each target slot and parent names a chara that holds the matching
// entry, each entry is matched by the slot it names, and each shot naming a
// chara is in that chara's link list.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "records/database/database.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/object_lists.h"
#include "support/stage_world.h"

class CharaWorld : public StageWorld {
 protected:
  void SetUp() override {
    StageWorld::SetUp();
    savedAnimeSets_ = g_Database.m_AnimeSets;
    savedCharaEffects_ = g_Database.m_CharaEffects;
    cStageLayout layout;
    layout.nWidth = 30;
    layout.nHeight = 20;
    ASSERT_TRUE(Build(layout));
    RemoveBuiltObjects();
  }

  void TearDown() override {
    StageWorld::TearDown();
    g_Database.m_AnimeSets = savedAnimeSets_;
    g_Database.m_CharaEffects = savedCharaEffects_;
  }

  cHero& AddTestHero(int32_t id) {
    cHero hero;
    hero.m_nId = id;
    hero.Reset(nullptr, 0, 0, 0);
    return AddHero(play_, hero);
  }

  cChara& AddTestChara(int32_t id) {
    cChara chara;
    chara.m_nId = id;
    chara.Reset(nullptr, 0, 0, 0);
    return AddChara(play_, chara);
  }

  // Target slot of from names to, with its back-reference, as the target
  // commands link them.
  static void Target(cCharaBase& from, int32_t slot, cCharaBase& to) {
    from.m_Targets.CheckedVectorAt(slot) = to.m_nId;
    to.m_TargetedBy.push_back({from.m_nId, slot});
  }

  cShot& AddTestShot(int32_t id, cCharaBase* owner, cCharaBase* homing) {
    cShot shot;
    shot.m_nId = id;
    cShot& added = AddShot(play_, shot);
    if (owner != nullptr) {
      added.m_nOwnerId = owner->m_nId;
      added.m_lpShooter = owner->m_nId;
      owner->m_ShotLinks.push_back({id, kShotLinkOwner});
    }
    if (homing != nullptr) {
      added.m_lpTarget = homing->m_nId;
      homing->m_ShotLinks.push_back({id, kShotLinkHoming});
    }
    return added;
  }

  // Empty when every link of every running chara and shot is matched.
  std::string BrokenLinks() const {
    std::string broken;
    auto check = [&](const cCharaBase& chara) {
      const std::string who = "chara " + std::to_string(chara.m_nId) + ": ";
      for (int32_t slot = 0; slot < chara.m_Targets.VectorSize(); ++slot) {
        const int32_t target = chara.m_Targets.CheckedVectorAt(slot);
        if (target != kNoLink && !Holds(target, {chara.m_nId, slot})) broken += who + "slot\n";
      }
      if (chara.m_nParentId != kNoLink && !Holds(chara.m_nParentId, {chara.m_nId, kLinkSlotParent})) {
        broken += who + "parent\n";
      }
      for (const CHARALINK& link : chara.m_TargetedBy) {
        const cCharaBase* other = play_.FindCharaById(link.nCharaId);
        const int32_t named = other == nullptr ? kNoLink
                              : link.nSlot == kLinkSlotParent ? other->m_nParentId
                                                              : other->m_Targets.CheckedVectorAt(link.nSlot);
        if (named != chara.m_nId) broken += who + "stale back-reference\n";
      }
    };
    for (const cHero& hero : g_Heroes) check(hero);
    for (const cChara& chara : g_CharaList) check(chara);
    for (const cShot& shot : play_.m_ShotList) {
      if (shot.m_lpShooter != kNoLink && !HasShotLink(shot.m_lpShooter, {shot.m_nId, kShotLinkOwner})) {
        broken += "shot owner\n";
      }
      if (shot.m_lpTarget != kNoLink && !HasShotLink(shot.m_lpTarget, {shot.m_nId, kShotLinkHoming})) {
        broken += "shot homing\n";
      }
    }
    return broken;
  }

  // 1 when any slot, parent or shot of the running objects names id.
  bool Named(int32_t id) const {
    auto names = [&](const cCharaBase& chara) {
      return chara.m_nParentId == id ||
             std::find(chara.m_Targets.begin(), chara.m_Targets.end(), id) != chara.m_Targets.end() ||
             std::any_of(chara.m_TargetedBy.begin(), chara.m_TargetedBy.end(),
                         [&](const CHARALINK& link) { return link.nCharaId == id; });
    };
    return std::any_of(g_Heroes.begin(), g_Heroes.end(), names) ||
           std::any_of(g_CharaList.begin(), g_CharaList.end(), names) ||
           std::any_of(play_.m_ShotList.begin(), play_.m_ShotList.end(),
                       [&](const cShot& shot) { return shot.m_lpShooter == id || shot.m_lpTarget == id; });
  }

 private:
  bool Holds(int32_t id, const CHARALINK& link) const {
    const cCharaBase* chara = play_.FindCharaById(id);
    return chara != nullptr &&
           std::find(chara->m_TargetedBy.begin(), chara->m_TargetedBy.end(), link) != chara->m_TargetedBy.end();
  }

  bool HasShotLink(int32_t id, const SHOTLINK& link) const {
    const cCharaBase* chara = play_.FindCharaById(id);
    return chara != nullptr &&
           std::find(chara->m_ShotLinks.begin(), chara->m_ShotLinks.end(), link) != chara->m_ShotLinks.end();
  }

  cVector<cAnimeSet> savedAnimeSets_;
  cVector<cCharaEffect> savedCharaEffects_;
};
