#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>

#include "chara_world.h"
#include "core/math/truncate.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara.h"
#include "support/recording_chara_flow_calls.h"

namespace {

class CharaTest : public CharaWorld {
 protected:
  void SetUp() override {
    CharaWorld::SetUp();
    g_Stage.m_nCharaBoxW = 24;
    g_Stage.m_nCharaBoxH = 28;
    g_Stage.m_bCharaBoxBottom = 0;  // centred: body offset (4, 2)
    g_Stage.m_nCharaBoxW2 = 20;
    g_Stage.m_nCharaBoxH2 = 20;
    g_Stage.m_nCharaHitW = 16;
    g_Stage.m_nCharaHitH = 12;
    g_Stage.m_bCharaHitBottom = 1;
    g_Stage.m_nCharaShotHitW = 10;
    g_Stage.m_nCharaShotHitH = 6;
    g_Stage.m_ShotBox[4] = 30;
    g_Stage.m_ShotBox[5] = 8;
  }

  static cChara Make(const cCharaDef& def, const cItem* carried = nullptr) {
    cChara chara;
    chara.Init(7, &def, carried, 0, 0, 2);
    return chara;
  }
};

TEST_F(CharaTest, BodyBoxFromTheStageSettings) {
  for (int32_t bottom : {1, 0}) {
    SCOPED_TRACE(bottom);
    g_Stage.m_bCharaBoxBottom = bottom;
    cCharaDef def;
    const cChara chara = Make(def);
    EXPECT_EQ(chara.m_nWidth, 24);
    EXPECT_EQ(chara.m_nHeight, 28);
    EXPECT_EQ(chara.m_nGraphicOffsetX, 4);
    EXPECT_EQ(chara.m_nGraphicOffsetY, bottom ? 4 : 2);
    EXPECT_EQ(chara.m_nGraphicW, 32);
    EXPECT_EQ(chara.m_nIndex, 2);
  }
}

TEST_F(CharaTest, HitBoxByKindAndTheShotBox) {
  struct Case {
    int8_t kind;
    CHARABOX hit;  // offsets and size at scale 1 (body offset (4, 2))
  };
  const Case cases[] = {
      {0, {0, 0, 0, 0, 16 - 4 - 8, 32 - 2 - 12, 16, 12, 0, 0, 0, 0}},
      {1, {0, 0, 0, 0, 16 - 4 - 5, 16 - 2 - 3, 10, 6, 0, 0, 0, 0}},
      {2, {0, 0, 0, 0, 16 - 4 - 15, 16 - 2 - 4, 30, 8, 0, 0, 0, 0}},
      {3, {0, 0, 0, 0, 16 - 4 - 16, 16 - 2 - 16, 32, 32, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int32_t>(c.kind));
    cCharaDef def;
    def.m_nHitRange = c.kind;
    const cChara chara = Make(def);
    EXPECT_EQ(chara.m_HitBox.nOffsetXBase, c.hit.nOffsetX);
    EXPECT_EQ(chara.m_HitBox.nOffsetYBase, c.hit.nOffsetY);
    EXPECT_EQ(chara.m_HitBox.nWidthBase, c.hit.nWidth);
    EXPECT_EQ(chara.m_HitBox.nHeightBase, c.hit.nHeight);
    EXPECT_EQ(chara.m_AttackBox.nOffsetX, 16 - 5 - 4);
    EXPECT_EQ(chara.m_AttackBox.nOffsetY, 16 - 3 - 2);
    EXPECT_EQ(chara.m_AttackBox.nWidth, 10);
  }
}

TEST_F(CharaTest, ScaleAndBlockCharaBoxes) {
  cCharaDef def;
  def.m_nGiant = 3;
  const cChara big = Make(def);
  EXPECT_EQ(big.m_nWidth, 72);
  EXPECT_EQ(big.m_HitBox.nWidth, 48);
  EXPECT_EQ(big.m_HitBox.nOffsetY, 3 * big.m_HitBox.nOffsetYBase);
  EXPECT_EQ(big.m_AttackBox.nHeight, 18);

  def.m_bBlockChara = 1;
  const cChara block = Make(def);
  EXPECT_EQ(block.m_nWidth, 96);
  EXPECT_EQ(block.m_nGraphicOffsetX, 0);
  EXPECT_EQ(block.m_HitBox.nWidth, 96);  // the body's whole box once scaled
  EXPECT_EQ(block.m_AttackBox.nHeight, 96);
  EXPECT_EQ(block.m_AttackBox.nOffsetX, 0);

  def.m_nGiant = 1;
  const cChara small = Make(def);
  EXPECT_EQ(small.m_HitBox.nWidth, 0);  // a block chara has no chara-against-chara box
  EXPECT_EQ(small.m_AttackBox.nWidth, 32);

  def.m_nGiant = 0;  // counts as 1, in the chara's own copy only
  const cChara zero = Make(def);
  EXPECT_EQ(zero.m_Def.m_nGiant, 1);
  EXPECT_EQ(def.m_nGiant, 0);
}

TEST_F(CharaTest, InitSetsRangeFlagsCarriedItemSequenceAndFlows) {
  cRecordingCharaFlowCalls calls;
  cCharaFlowCallsScope scope(&calls);
  struct Case {
    int8_t range;
    int32_t ignoreX, ignoreY;
  };
  for (const Case& c : {Case{0, 0, 0}, Case{1, 0, 1}, Case{2, 1, 0}, Case{3, 1, 1}}) {
    SCOPED_TRACE(static_cast<int32_t>(c.range));
    cCharaDef def;
    def.m_nActiveRange = c.range;
    const cChara chara = Make(def);
    EXPECT_EQ(chara.m_bIgnoreX, c.ignoreX);
    EXPECT_EQ(chara.m_bIgnoreY, c.ignoreY);
  }
  EXPECT_EQ(calls.m_FlowsSet.size(), 4U);

  cItem item;
  item.m_bCarried = 1;
  item.m_nGraphicNo = 12;
  cCharaDef def;
  cChara carrier = Make(def, &item);
  ASSERT_NE(carrier.GetCarriedItem(), nullptr);
  EXPECT_EQ(carrier.GetCarriedItem()->m_nGraphicNo, 12);
  cChara empty = Make(def);
  EXPECT_EQ(empty.GetCarriedItem(), nullptr);
  EXPECT_EQ(empty.m_Anime.m_nSequence, 1);  // walking
}

TEST_F(CharaTest, MoveCodesAtTheWorldEnds) {
  // 30 x 20 stage: the whole extent is 1600 x 1280 dots.
  struct Case {
    const char* name;
    int8_t fly;
    double x, y, vx, vy;
    bool vertical;
    int32_t code;
  };
  const Case cases[] = {
      {"pushed back at the left end", 0, 2, 600, -6, 0, false, 4},
      {"pushed back at the right end", 0, 1574, 600, 6, 0, false, 4},
      {"walking, fallen into the bottom margin", 0, 600, 1240, 0, 6, true, 7},
      {"walking, pushed back at the bottom end", 0, 600, 1250, 0, 6, true, 7},
      {"flying, at the top end", 1, 600, 2, 0, -6, true, 8},
      {"flying, at the bottom end", 1, 600, 1255, 0, 6, true, 8},
      {"flying into the bottom margin", 1, 600, 1240, 0, 6, true, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cCharaDef def;
    def.m_nFly = c.fly;
    cChara chara = Make(def);
    chara.m_dX = c.x;
    chara.m_dY = c.y;
    chara.m_dVX = c.vx;
    chara.m_dVY = c.vy;
    EXPECT_EQ(c.vertical ? chara.MoveY() : chara.MoveX(), c.code);
  }
}

// A move ends where the step and a second clamp of the whole extent leave
// the chara, bodies longer than the world (thrown from end to end) and taller
// than the margin (never pushed back) included, on either axis.
TEST_F(CharaTest, MoveEndsWhereTheStepAndASecondClampLeaveIt) {
  struct Reference {
    cChara chara;
    int32_t code;
  };
  auto reference = [](cChara chara, bool vertical) {
    int32_t code = 0;
    if (vertical) {
      chara.ApplyPushY();
      code = chara.StepY(2);
      chara.ClampYMode(2);
    } else {
      code = chara.StepX(2);
      chara.ClampXMode(2);
    }
    return Reference{chara, code};
  };
  std::mt19937 random(20261211);
  auto between = [&](int32_t low, int32_t high) { return std::uniform_int_distribution<int32_t>(low, high)(random); };
  const int32_t totalX = play_.m_ScrollX.Total();
  const int32_t totalY = play_.m_ScrollY.Total();
  for (int32_t round = 0; round < 4000; ++round) {
    cCharaDef def;
    def.m_nFly = static_cast<int8_t>(between(0, 1));
    cChara chara = Make(def);
    const bool vertical = between(0, 1) == 1;
    // Lengths around the margin and the extent, positions past both ends.
    chara.m_nWidth = between(-2, totalX + 40);
    chara.m_nHeight = between(-2, totalY + 40);
    chara.m_dX = between(-2 * totalX, 2 * totalX) + between(0, 3) * 0.25;
    chara.m_dY = between(-2 * totalY, 2 * totalY) + between(0, 3) * 0.25;
    chara.m_dVX = between(-40, 40) * 0.5;
    chara.m_dVY = between(-40, 40) * 0.5;
    SCOPED_TRACE(testing::Message() << "round " << round << (vertical ? " vertical" : " horizontal") << " size "
                                    << chara.m_nWidth << " x " << chara.m_nHeight << " at " << chara.m_dX << ", "
                                    << chara.m_dY);
    const Reference want = reference(chara, vertical);
    const int32_t code = vertical ? chara.MoveY() : chara.MoveX();
    const cChara& got = chara;
    if (vertical) {
      const bool flying = got.m_bFlying != 0;
      const int32_t c = want.code;
      EXPECT_EQ(code, flying ? (c == kEdgePushedBack || c == kEdgePushedBackBottom ? 8 : c)
                             : (c == kEdgeBottomMargin || c == kEdgePushedBackBottom ? 7 : c));
    } else {
      EXPECT_EQ(code, want.code == kEdgePushedBack ? 4 : want.code);
    }
    EXPECT_EQ(got.m_dX, want.chara.m_dX);
    EXPECT_EQ(got.m_dY, want.chara.m_dY);
    EXPECT_EQ(got.m_dRight, want.chara.m_dRight);
    EXPECT_EQ(got.m_dBottom, want.chara.m_dBottom);
    EXPECT_EQ(got.m_nCellLeft, want.chara.m_nCellLeft);
    EXPECT_EQ(got.m_nCellTop, want.chara.m_nCellTop);
    EXPECT_EQ(got.m_nCellRight, want.chara.m_nCellRight);
    EXPECT_EQ(got.m_nCellBottom, want.chara.m_nCellBottom);
    for (auto box : {&cChara::m_HitBox, &cChara::m_AttackBox}) {
      EXPECT_EQ((got.*box).dLeft, (want.chara.*box).dLeft);
      EXPECT_EQ((got.*box).dTop, (want.chara.*box).dTop);
      EXPECT_EQ((got.*box).dRight, (want.chara.*box).dRight);
      EXPECT_EQ((got.*box).dBottom, (want.chara.*box).dBottom);
    }
    if (HasFailure()) break;
  }
}

TEST_F(CharaTest, PushOverridesSpeedAndPlacementUsesTheMargin) {
  cCharaDef def;
  cChara chara = Make(def);
  chara.m_dX = 600;
  chara.m_dVX = 3;
  chara.m_dPushVX = -2;
  chara.MoveX();
  EXPECT_EQ(chara.m_dVX, -2);
  EXPECT_EQ(chara.m_dX, 598);

  chara.PlaceAtBlock(3, 5);
  EXPECT_EQ(chara.m_dX, 13 * 32 + 4 + 0.5);
  EXPECT_EQ(chara.m_dY, 15 * 32 + 2);  // centred: (32 - 28) >> 1
  chara.UpdateBoxX();
  EXPECT_EQ(chara.m_HitBox.dLeft, 13 * 32 + 4 + chara.m_HitBox.nOffsetX);
  EXPECT_EQ(chara.m_HitBox.dRight, chara.m_HitBox.dLeft + 15);
  EXPECT_EQ(chara.OverlapsRect(chara.m_dRight, chara.m_dBottom, 9999, 9999), 1);
  EXPECT_EQ(chara.OverlapsRect(chara.m_dRight + 1, 0, 9999, 9999), 0);
}

// A chara's clamps are inline with its own box updates: every step and clamp
// must still carry both boxes and the cell edges with the body.
TEST_F(CharaTest, EveryStepAndClampCarriesTheBoxesWithTheBody) {
  cCharaDef def;
  cChara chara = Make(def);
  chara.m_dX = 600.25;
  chara.m_dY = 400.75;
  chara.m_dVX = 3.5;
  chara.m_dVY = -2.25;
  chara.ClampX();
  chara.ClampY();
  struct Case {
    const char* name;
    void (*move)(cChara&);
  } const cases[] = {
      {"step x", [](cChara& c) { c.MoveX(); }},
      {"step y", [](cChara& c) { c.MoveY(); }},
      {"clamp x", [](cChara& c) { c.m_dX += 40; c.ClampX(); }},
      {"clamp y", [](cChara& c) { c.m_dY -= 40; c.ClampY(); }},
      {"landing", [](cChara& c) { c.m_dY += 7; c.m_dBottom += 7; c.LandOnBlock(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.move(chara);
    const int32_t x = TruncToInt(chara.m_dX), y = TruncToInt(chara.m_dY);
    for (const CHARABOX* box : {&chara.m_HitBox, &chara.m_AttackBox}) {
      EXPECT_EQ(box->dLeft, x + box->nOffsetX);
      EXPECT_EQ(box->dTop, y + box->nOffsetY);
    }
    EXPECT_EQ(chara.m_dRight, chara.m_dX + 23);
    EXPECT_EQ(chara.m_dBottom, chara.m_dY + 27);
    EXPECT_EQ(chara.m_nCellLeft, x >> 5);
    EXPECT_EQ(chara.m_nCellBottom, TruncToInt(chara.m_dBottom) >> 5);
  }
}

}  // namespace

namespace {

class CharaActivationTest : public CharaTest {
 protected:
  // A chara at (x, y) in world dots; the view shows 320..959 x 320..799.
  cChara At(double x, double y, int8_t range = 0) {
    cCharaDef def;
    def.m_nActiveRange = range;
    cChara chara = Make(def);
    chara.m_dX = x;
    chara.m_dY = y;
    chara.m_bInAir = 0;
    chara.UpdateScreenRect();
    return chara;
  }

  uint8_t flags_[kActGroupCount] = {};
};

TEST_F(CharaActivationTest, RangeKindsAndGroups) {
  struct Case {
    const char* name;
    double x, y;
    int8_t range;
    bool member;
    int16_t group;
    int32_t inRange;
    int32_t flagged;  // flags_ entries set
  };
  const Case cases[] = {
      {"on screen", 400, 400, 0, false, 0, 1, 0},
      {"below the view", 400, 1100, 0, false, 0, 0, 0},
      {"x only: below the view still counts", 400, 1100, 1, false, 0, 1, 0},
      {"y only: right of the view", 1300, 400, 2, false, 0, 1, 0},
      {"everywhere", 1300, 1100, 3, false, 0, 1, 0},
      {"group 0 member in range", 400, 400, 0, true, 0, 1, 1},
      {"group 60 is no group", 400, 400, 0, true, 60, 1, 0},
      {"group -1 is no group", 400, 400, 0, true, -1, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::fill(std::begin(flags_), std::end(flags_), 0);
    cChara chara = At(c.x, c.y, c.range);
    chara.m_Def.m_bInActGroup = c.member;
    chara.m_Def.m_nActGroup = c.group;
    EXPECT_EQ(chara.UpdateInRange(flags_), c.inRange);
    EXPECT_EQ(std::count(std::begin(flags_), std::end(flags_), 1), c.flagged);
  }
}

TEST_F(CharaActivationTest, ActiveOutOfRangeByGroupJumpOrFallAndTheModeOneLatch) {
  cChara away = At(1300, 1100);
  EXPECT_EQ(away.UpdateInRange(flags_), 0);
  EXPECT_EQ(away.UpdateActivation(flags_), 0);

  away.m_Def.m_bInActGroup = 1;
  away.m_Def.m_nActGroup = 5;
  flags_[5] = 1;  // another member of group 5 is in range
  EXPECT_EQ(away.UpdateActivation(flags_), 1);
  flags_[5] = 0;
  away.m_Def.m_bInActGroup = 0;

  cChara jumping = At(1300, 1100);
  jumping.m_bJumpRising = 1;
  EXPECT_EQ(jumping.UpdateActivation(flags_), 1);

  cChara falling = At(1300, 1100);
  falling.m_bInAir = 1;
  EXPECT_EQ(falling.UpdateActivation(flags_), 0);  // never active before
  falling.m_bActivated = 1;
  EXPECT_EQ(falling.UpdateActivation(flags_), 1);

  for (int8_t mode : {0, 1, 2}) {
    SCOPED_TRACE(static_cast<int32_t>(mode));
    cChara chara = At(400, 400);
    chara.m_Def.m_nActivation = mode;
    chara.UpdateInRange(flags_);
    EXPECT_EQ(chara.UpdateActivation(flags_), 1);
    chara.m_dX = 1300;  // the view moves away
    chara.UpdateScreenRect();
    chara.UpdateInRange(flags_);
    EXPECT_EQ(chara.UpdateActivation(flags_), mode == 1 ? 1 : 0);
  }
}

}  // namespace
