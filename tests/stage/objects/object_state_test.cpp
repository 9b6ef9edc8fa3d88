// Every member of the object classes reaches the state digest: a member left
// out of VisitState is a member a replay test could never see drift.
#include <gtest/gtest.h>

#include "stage/objects/chara.h"
#include "stage/objects/scroll.h"
#include "stage/objects/state_digest.h"

namespace {

template <class T>
uint64_t DigestOf(T& object) {
  cDigestVisitor visitor;
  object.VisitState(visitor);
  return visitor.Digest();
}

struct Change {
  const char* name;
  void (*apply)(cChara&);
};

TEST(ObjectState, EveryCharaMemberChangesTheDigest) {
  static const int32_t kOneSequence[] = {0, 5, 0, kAnimeStepLoop, 0, 0};
  static const int32_t* const kTables[] = {kOneSequence, nullptr};
  const Change changes[] = {
      {"m_nId", [](cChara& c) { c.m_nId = 1; }},
      {"m_nLife", [](cChara& c) { c.m_nLife = 1; }},
      {"m_nFacing", [](cChara& c) { c.m_nFacing = 1; }},
      {"m_nIndex", [](cChara& c) { c.m_nIndex = 1; }},
      {"m_nGraphicNo", [](cChara& c) { c.m_nGraphicNo = 1; }},
      {"m_Anime table", [](cChara& c) { c.m_Anime.Build(kTables); }},
      {"m_Anime step pattern", [](cChara& c) {
         c.m_Anime.Build(kTables);
         c.m_Anime.m_Sequences.CheckedVectorAt(0).CheckedVectorAt(0).nPattern = 1;
       }},
      {"m_Anime.m_nSequence", [](cChara& c) { c.m_Anime.m_nSequence = 1; }},
      {"m_Anime.m_nStep", [](cChara& c) { c.m_Anime.m_nStep = 1; }},
      {"m_Anime.m_nTick", [](cChara& c) { c.m_Anime.m_nTick = 1; }},
      {"m_rcScreen.left", [](cChara& c) { c.m_rcScreen.left = 1; }},
      {"m_rcScreen.top", [](cChara& c) { c.m_rcScreen.top = 1; }},
      {"m_rcScreen.right", [](cChara& c) { c.m_rcScreen.right = 1; }},
      {"m_rcScreen.bottom", [](cChara& c) { c.m_rcScreen.bottom = 1; }},
      {"m_nGraphicOffsetX", [](cChara& c) { c.m_nGraphicOffsetX = 1; }},
      {"m_nGraphicOffsetY", [](cChara& c) { c.m_nGraphicOffsetY = 1; }},
      {"m_nGraphicW", [](cChara& c) { c.m_nGraphicW = 1; }},
      {"m_nGraphicH", [](cChara& c) { c.m_nGraphicH = 1; }},
      {"m_nGraphicOffsetXBase", [](cChara& c) { c.m_nGraphicOffsetXBase = 1; }},
      {"m_nGraphicOffsetYBase", [](cChara& c) { c.m_nGraphicOffsetYBase = 1; }},
      {"m_nGraphicWBase", [](cChara& c) { c.m_nGraphicWBase = 1; }},
      {"m_nGraphicHBase", [](cChara& c) { c.m_nGraphicHBase = 1; }},
      {"m_nControl", [](cChara& c) { c.m_nControl = 1; }},
      {"m_nPlayer", [](cChara& c) { c.m_nPlayer = 1; }},
      {"m_nBlockKey", [](cChara& c) { c.m_nBlockKey = 1; }},
      {"m_dX", [](cChara& c) { c.m_dX = 0.5; }},
      {"m_dY", [](cChara& c) { c.m_dY = 0.5; }},
      {"m_dRight", [](cChara& c) { c.m_dRight = 0.5; }},
      {"m_dBottom", [](cChara& c) { c.m_dBottom = 0.5; }},
      {"m_nCellLeft", [](cChara& c) { c.m_nCellLeft = 1; }},
      {"m_nCellTop", [](cChara& c) { c.m_nCellTop = 1; }},
      {"m_nCellRight", [](cChara& c) { c.m_nCellRight = 1; }},
      {"m_nCellBottom", [](cChara& c) { c.m_nCellBottom = 1; }},
      {"m_dVX", [](cChara& c) { c.m_dVX = 0.5; }},
      {"m_dVY", [](cChara& c) { c.m_dVY = 0.5; }},
      {"m_dInertiaX", [](cChara& c) { c.m_dInertiaX = 0.5; }},
      {"m_dInertiaY", [](cChara& c) { c.m_dInertiaY = 0.5; }},
      {"m_dFriction", [](cChara& c) { c.m_dFriction = 0.5; }},
      {"m_bFrictionX", [](cChara& c) { c.m_bFrictionX = 1; }},
      {"m_bFrictionY", [](cChara& c) { c.m_bFrictionY = 1; }},
      {"m_bFollowScroll", [](cChara& c) { c.m_bFollowScroll = 1; }},
      {"m_nWidth", [](cChara& c) { c.m_nWidth = 1; }},
      {"m_nHeight", [](cChara& c) { c.m_nHeight = 1; }},
      {"m_nWidthBase", [](cChara& c) { c.m_nWidthBase = 1; }},
      {"m_nHeightBase", [](cChara& c) { c.m_nHeightBase = 1; }},
      {"m_bFlying", [](cChara& c) { c.m_bFlying = 1; }},
      {"m_nFlyBlockMode", [](cChara& c) { c.m_nFlyBlockMode = 1; }},
      {"m_bEnabled", [](cChara& c) { c.m_bEnabled = 1; }},
      {"m_bOnScreen", [](cChara& c) { c.m_bOnScreen = 1; }},
      {"m_bCondMet", [](cChara& c) { c.m_bCondMet = 1; }},
      {"m_TargetedBy", [](cChara& c) { c.m_TargetedBy.push_back({0, 0}); }},
      {"m_TargetedBy id", [](cChara& c) { c.m_TargetedBy.push_back({1, 0}); }},
      {"m_Def", [](cChara& c) { c.m_Def.m_nCharaId = 9; }},
      {"m_bDead", [](cChara& c) { c.m_bDead = 1; }},
      {"m_Vars", [](cChara& c) { c.m_Vars.CheckedVectorAt(3) = 1; }},
  };
  cChara base;
  base.m_Vars.assign(9, 0);
  const uint64_t baseDigest = DigestOf(base);
  cChara same = base;
  EXPECT_EQ(DigestOf(same), baseDigest);
  for (const Change& change : changes) {
    SCOPED_TRACE(change.name);
    cChara changed = base;
    change.apply(changed);
    EXPECT_NE(DigestOf(changed), baseDigest);
  }
}

TEST(ObjectState, EveryScrollMemberChangesTheDigest) {
  struct ScrollChange {
    const char* name;
    void (*apply)(cScroll&);
  };
  const ScrollChange changes[] = {
      {"m_dPos", [](cScroll& s) { s.m_dPos = 0.5; }},
      {"m_bClamped", [](cScroll& s) { s.m_bClamped = 1; }},
      {"m_nAxis", [](cScroll& s) { s.m_nAxis = 1; }},
      {"m_nView", [](cScroll& s) { s.m_nView = 1; }},
      {"m_nMin", [](cScroll& s) { s.m_nMin = 1; }},
      {"m_nMax", [](cScroll& s) { s.m_nMax = 1; }},
      {"m_nMargin", [](cScroll& s) { s.m_nMargin = 1; }},
      {"m_nFurthest", [](cScroll& s) { s.m_nFurthest = 1; }},
      {"m_nMarginCells", [](cScroll& s) { s.m_nMarginCells = 1; }},
      {"m_nCells", [](cScroll& s) { s.m_nCells = 1; }},
      {"m_nStride", [](cScroll& s) { s.m_nStride = 1; }},
      {"m_nShift", [](cScroll& s) { s.m_nShift = 1; }},
      {"m_nProbeBound", [](cScroll& s) { s.m_nProbeBound = 1; }},
      {"m_dAutoSpeed", [](cScroll& s) { s.m_dAutoSpeed = 0.5; }},
      {"m_bAutoScroll", [](cScroll& s) { s.m_bAutoScroll = 1; }},
  };
  cScroll base;
  const uint64_t baseDigest = DigestOf(base);
  for (const ScrollChange& change : changes) {
    SCOPED_TRACE(change.name);
    cScroll changed = base;
    change.apply(changed);
    EXPECT_NE(DigestOf(changed), baseDigest);
  }
}

// CopyBase takes the whole object part, the animation's table by value, and
// leaves the chara part alone.
TEST(ObjectState, CopyBaseCopiesTheObjectPartOnly) {
  cChara source;
  source.m_nId = 4;
  source.m_dX = 12.5;
  source.m_Anime.Build(kShotAnimeTables);
  source.m_bDead = 1;
  cChara target;
  target.CopyBase(source);
  EXPECT_EQ(target.m_nId, 4);
  EXPECT_EQ(target.m_dX, 12.5);
  EXPECT_EQ(target.m_bDead, 0);
  source.m_Anime.Clear();
  EXPECT_EQ(target.m_Anime.m_Sequences.VectorSize(), 2);
}

}  // namespace
