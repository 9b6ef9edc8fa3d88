#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "stage/objects/chara_draw_list.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/shot_pass.h"
#include "stage/objects/state_digest.h"
#include "shot_world.h"

namespace {

// Drawing a projectile steps its animation (patterns 0, 1 for 8 ticks each,
// looping); a frozen frame, the hidden switch, a sword and a shot off the screen
// leave it where it is.
class ShotDrawTest : public ShotWorld {
 protected:
  cShot& OnScreen(cEdShot set, int32_t kind = kShotKindProjectile) {
    cChara& shooter = AddShooter(next_++);
    cShot& shot = AddShot(play_, Made(&shooter, set, Launch(700, 700, 0, 0), kind, next_++));
    shot.m_bOnScreen = 1;
    return shot;
  }
  int32_t next_ = 1;
};

TEST_F(ShotDrawTest, TheAnimationStepsOnlyOnDrawnUnfrozenFrames) {
  cShot& shown = OnScreen(Settings());
  cEdShot hiddenSet = Settings();
  hiddenSet.m_bShotOpt2 = 1;
  cShot& hidden = OnScreen(hiddenSet);
  cShot& off = OnScreen(Settings());
  off.m_bOnScreen = 0;
  for (int32_t frame = 0; frame < 8; ++frame) play_.UpdatePresentation(1);
  EXPECT_EQ(shown.m_Anime.GetPattern(), 0);
  for (int32_t frame = 0; frame < 8; ++frame) play_.UpdatePresentation(0);
  EXPECT_EQ(shown.m_Anime.GetPattern(), 1);
  EXPECT_EQ(hidden.m_Anime.GetPattern(), 0);
  EXPECT_EQ(off.m_Anime.GetPattern(), 0);
  EXPECT_EQ(hidden.StepDraw(0), -1);
}


// The shot sheet's cell for graphic g: columns of 30 graphics, two 16-dot
// frames each; the facing picks the sheet (20 left, 21 mirrored) and a
// DirectDraw stretch without video stretching its copy 18 entries further.
TEST_F(ShotDrawTest, ProjectileSheetCellAndDestination) {
  struct Case {
    int32_t facing, g, size, paused, preSteps;
    int32_t directDraw, videoStretch;
    int32_t pattern, srcX, srcY, srcSize, destSize, stretch, useCopy;
  } const cases[] = {
      {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 16, 16, 0, 0},
      {1, 0, 1, 0, 7, 0, 0, 1, 16, 0, 16, 16, 0, 0},
      {0, 29, 1, 0, 7, 1, 0, 1, 16, 29 * 16, 16, 16, 0, 0},
      {1, 30, 1, 1, 7, 0, 0, 0, 32, 0, 16, 16, 0, 0},
      {0, 30, 1, 1, 8, 0, 0, 1, 48, 0, 16, 16, 0, 0},
      {1, 59, 1, 0, 7, 0, 0, 1, 48, 29 * 16, 16, 16, 0, 0},
      {0, 59, 2, 0, 0, 0, 0, 0, 32, 29 * 16, 16, 32, 1, 0},
      {1, 29, 2, 1, 8, 1, 0, 1, 16, 29 * 16, 16, 32, 1, 1},
      {0, 30, 2, 0, 7, 1, 1, 1, 48, 0, 16, 32, 1, 0},
      {1, 0, 2, 1, 0, 1, 0, 0, 0, 0, 16, 32, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "facing " << c.facing << " g " << c.g << " size " << c.size << " paused "
                                    << c.paused << " after " << c.preSteps);
    cEdShot set = Settings();
    set.m_nGraphic = static_cast<int16_t>(c.g);
    set.m_nSize = static_cast<int8_t>(c.size);
    set.m_nZ = 4;
    cChara& shooter = AddShooter(next_++);
    cShot shot = Made(&shooter, set, Launch(700, 500, c.facing == 1 ? 1 : -1, 0), kShotKindProjectile, 77);
    for (int32_t step = 0; step < c.preSteps; ++step) shot.m_Anime.Step();
    shot.UpdateScreenRect();
    cCharaDrawList draw;
    draw.Env.bDirectDraw = c.directDraw;
    draw.Env.bVideoStretch = c.videoStretch;
    EXPECT_EQ(shot.StepDraw(c.paused, &draw), c.pattern);
    ASSERT_EQ(draw.Shots.VectorSize(), 1);
    const SHOTDRAW& e = draw.Shots.back();
    EXPECT_EQ(e.nShotId, 77);
    EXPECT_EQ(e.nLayer, 4);
    EXPECT_EQ(e.bSword, 0);
    EXPECT_EQ(e.nPattern, c.pattern);
    EXPECT_EQ(e.sheet, (SURFACEREF{kSurfaceSystem, 20 + c.facing}));
    EXPECT_EQ(e.sheetCopy, (SURFACEREF{kSurfaceSystem, 38 + c.facing}));
    EXPECT_EQ(e.bUseCopy, c.useCopy);
    EXPECT_EQ(e.nSrcX, c.srcX);
    EXPECT_EQ(e.nSrcY, c.srcY);
    EXPECT_EQ(e.nSrcW, c.srcSize);
    EXPECT_EQ(e.nSrcH, c.srcSize);
    // The view's corner is (320, 320).
    EXPECT_EQ(e.rcDest.left, 700 - 320);
    EXPECT_EQ(e.rcDest.top, 500 - 320);
    EXPECT_EQ(e.rcDest.right - e.rcDest.left + 1, c.destSize);
    EXPECT_EQ(e.rcDest.bottom - e.rcDest.top + 1, c.destSize);
    EXPECT_EQ(e.bStretch, c.stretch);
  }
}

// A sword copies its step's cell from the pictures of its type (four per
// type from type 1 on: two facings, then their copies) in the facing it
// shows, which a sword behind its owner turns round.
TEST_F(ShotDrawTest, SwordPictureOfItsTypeStepAndFacing) {
  g_Database.m_SwordTypes.clear();
  for (int32_t type = 0; type < 3; ++type) {
    cSwordType sword;
    cSwordTypeEntry& step = sword.m_Entries.CheckedVectorAt(0);
    step.m_nWidth = 20;
    step.m_nHeight = 10;
    step.m_nSrcX = 40 + type;
    step.m_nSrcY = 8;
    step.m_nDirection = 1;  // behind the owner
    step.m_nDuration = 5;
    g_Database.m_SwordTypes.push_back(sword);
  }
  struct Case {
    int32_t type, ownerFacing, size, hidden;
    int32_t drawn, sheet, srcW, destW, stretch;
  } const cases[] = {
      {1, 1, 1, 0, 1, 0, 20, 20, 0},
      {1, 0, 1, 0, 1, 1, 20, 20, 0},
      {2, 1, 2, 0, 1, 4, 20, 40, 1},
      {2, 0, 2, 0, 1, 5, 20, 40, 1},
      {0, 1, 1, 0, 0, 0, 0, 0, 0},  // the empty entry has no pictures
      {3, 1, 1, 0, 0, 0, 0, 0, 0},  // past the list
      {1, 1, 1, 1, 0, 0, 0, 0, 0},  // hidden
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "type " << c.type << " facing " << c.ownerFacing << " size " << c.size);
    cChara& owner = AddShooter(next_++);
    owner.m_nFacing = c.ownerFacing;
    cEdShot set = Settings();
    set.m_nMoveType = static_cast<int8_t>(c.type);
    set.m_nSize = static_cast<int8_t>(c.size);
    set.m_bShotOpt2 = static_cast<int8_t>(c.hidden);
    cShot sword = Made(&owner, set, SHOTLAUNCH{}, kShotKindSword);
    sword.Update();  // places it beside the owner
    sword.UpdateScreenRect();
    const cAnimeSequence before = sword.m_Anime;
    cCharaDrawList draw;
    draw.Env.bDirectDraw = 1;
    EXPECT_EQ(sword.StepDraw(0, &draw), -1);
    EXPECT_EQ(sword.m_Anime.GetPattern(), before.GetPattern());
    ASSERT_EQ(draw.Shots.VectorSize(), c.drawn);
    if (c.drawn == 0) continue;
    const SHOTDRAW& e = draw.Shots.back();
    EXPECT_EQ(e.bSword, 1);
    EXPECT_EQ(e.nPattern, 0);
    EXPECT_EQ(e.sheet, (SURFACEREF{kSurfaceSword, c.sheet}));
    EXPECT_EQ(e.sheetCopy, (SURFACEREF{kSurfaceSword, c.sheet + 2}));
    EXPECT_EQ(e.bUseCopy, 0);
    EXPECT_EQ(e.nSrcX, 40 + c.type);
    EXPECT_EQ(e.nSrcY, 8);
    EXPECT_EQ(e.nSrcW, c.srcW);
    EXPECT_EQ(e.nSrcH, c.srcW / 2);
    EXPECT_EQ(e.rcDest.left, sword.m_rcScreen.left);
    EXPECT_EQ(e.rcDest.right - e.rcDest.left + 1, c.destW);
    EXPECT_EQ(e.rcDest.bottom - e.rcDest.top + 1, c.destW / 2);
    EXPECT_EQ(e.bStretch, c.stretch);
  }
}

// The pass visits the shots the stage drawing draws, in its order: on the
// screen and not hidden, layer by layer when the stage draws by layers, in
// list order otherwise; only those animations move.
TEST_F(ShotDrawTest, VisitsTheDrawnShotsInDrawingOrder) {
  struct Placed {
    int32_t id, z, onScreen, hidden;
  } const placed[] = {
      {1, 3, 1, 0}, {2, 1, 1, 1}, {3, 1, 1, 0}, {4, 0, 0, 0}, {5, 5, 1, 0},
      {6, 0, 1, 0}, {7, 9, 1, 0}, {8, -1, 1, 0}, {9, 7, 1, 0}, {10, 0, 1, 0},
  };
  struct Case {
    int32_t layered;
    std::vector<int32_t> order;
  } const cases[] = {
      {0, {1, 3, 5, 6, 7, 8, 9, 10}},
      {1, {6, 10, 3, 1, 5, 9}},  // a shot of layer 9 or -1 belongs to no layer drawn
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "layered " << c.layered);
    play_.m_ShotList.clear();
    for (cList<int32_t>& layer : play_.m_ShotLayers) layer.clear();
    g_Stage.m_bObjectLayers = c.layered;
    for (const Placed& p : placed) {
      cEdShot set = Settings();
      set.m_nZ = static_cast<int8_t>(p.z);
      set.m_bShotOpt2 = static_cast<int8_t>(p.hidden);
      cShot& shot = AddShot(play_, Made(nullptr, set, Launch(700, 700, 1, 0), kShotKindProjectile, p.id));
      shot.m_bOnScreen = p.onScreen;
    }
    cCharaDrawList draw;
    for (int32_t frame = 0; frame < 8; ++frame) {
      draw.Shots.clear();
      play_.UpdatePresentation(0, &draw);
    }
    std::vector<int32_t> order;
    for (const SHOTDRAW& e : draw.Shots) order.push_back(e.nShotId);
    EXPECT_EQ(order, c.order);
    for (const cShot& shot : play_.m_ShotList) {
      const bool drawn = std::find(order.begin(), order.end(), shot.m_nId) != order.end();
      EXPECT_EQ(shot.m_Anime.GetPattern(), drawn ? 1 : 0) << "shot " << shot.m_nId;
    }
  }
}

// The pass leaves the same state whether or not a list takes what it would
// draw, frozen passes included.
TEST_F(ShotDrawTest, TheStateDoesNotDependOnTheDrawList) {
  auto run = [&](cCharaDrawList* lpDraw) {
    cStageLayout layout;
    layout.nWidth = 30;
    layout.nHeight = 20;
    EXPECT_TRUE(Build(layout));
    RemoveBuiltObjects();
    play_.m_ScrollX.m_dPos = 320;
    play_.m_ScrollY.m_dPos = 320;
    g_Stage.m_bObjectLayers = 1;
    g_Database.m_SwordTypes.resize(2);
    g_Database.m_SwordTypes.CheckedVectorAt(1).m_Entries.CheckedVectorAt(0).m_nWidth = 24;
    g_Database.m_SwordTypes.CheckedVectorAt(1).m_Entries.CheckedVectorAt(0).m_nHeight = 8;
    g_Database.m_SwordTypes.CheckedVectorAt(1).m_Entries.CheckedVectorAt(0).m_nDuration = 50;
    cChara& owner = AddShooter(1);
    cEdShot swordSet = Settings();
    swordSet.m_nMoveType = 1;
    AddShot(play_, Made(&owner, swordSet, SHOTLAUNCH{}, kShotKindSword, 1));
    for (int32_t id = 2; id < 6; ++id) {
      cEdShot set = Settings();
      set.m_nZ = static_cast<int8_t>(id % 3);
      set.m_nSize = static_cast<int8_t>(id % 2 + 1);
      AddShot(play_, Made(&owner, set, Launch(500 + 40 * id, 600, id % 2 ? 1 : -1, 0), kShotKindProjectile, id));
    }
    for (int32_t frame = 0; frame < 20; ++frame) {
      play_.UpdateObjectStates();
      RunShotPass(play_, 1);
      play_.UpdatePresentation(0, lpDraw);
      play_.UpdatePresentation(1, lpDraw);
    }
    return StateDigest(play_);
  };
  const uint64_t headless = run(nullptr);
  cCharaDrawList draw;
  EXPECT_EQ(run(&draw), headless);
  EXPECT_FALSE(draw.Shots.empty());
}

}  // namespace
