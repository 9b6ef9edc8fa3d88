#include <gtest/gtest.h>

#include "records/database/database.h"
#include "stage/objects/chara.h"
#include "stage/objects/graphic_source.h"

namespace {

class GraphicSourceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = g_Database.m_BmpCharaExcs;
    g_Database.m_BmpCharaExcs.assign(3, cBmpCharaExc());
    for (int32_t s = 0; s < 8; ++s) {
      env_.nCharaSheetW[s] = 640;
      env_.nCharaSheetH[s] = 480;
    }
  }
  void TearDown() override { g_Database.m_BmpCharaExcs = saved_; }

  GRAPHICSRC Resolve(int32_t kind, int32_t source, int32_t g, int32_t p, int32_t facing = 0, int32_t q = 0) {
    cChara owner;
    owner.m_nFacing = facing;
    GRAPHICSRC out;
    ResolveGraphicSource(&out, kind, source, g, p, &owner, q, env_);
    return out;
  }

  static SURFACEREF Sys(int32_t i) { return {kSurfaceSystem, i}; }

  cVector<cBmpCharaExc> saved_;
  cGraphicEnv env_;
};

TEST_F(GraphicSourceTest, ChosenSurfacesAndCells) {
  struct Case {
    const char* name;
    int32_t kind, source, g, p, facing;
    SURFACEREF own, opp;
    int32_t x, y;
    int32_t sheetWidth = 640;
  } const cases[] = {
      {"block sheet", kGraphicOwnerBlock, 0, 17, 0, 0, Sys(3), Sys(3), 32, 64},
      {"chara sheet 1, facing right", kGraphicOwnerChara, 1, 17, 2, 1, Sys(25), Sys(24), 64, 64},
      {"block on the mirrored chara sheet", kGraphicOwnerBlock, 1, 3, 22, 0, Sys(23), {}, 64, 96},
      {"outside the sheet: the fallback", kGraphicOwnerItem, 1, 14, 19, 0, Sys(22), Sys(22), 0, 0, 600},
      {"graphic 120: the fallback", kGraphicOwnerChara, 1, 120, 0, 0, Sys(22), Sys(22), 0, 0},
      {"graphic -1: the fallback", kGraphicOwnerChara, 1, -1, 0, 0, Sys(22), Sys(22), 0, 0},
      {"shot work sheet, chara facing right", kGraphicOwnerChara, 3, 31, 0, 1, Sys(64), Sys(63), 64, 32},
      {"item sheet", kGraphicOwnerItem, 2, 16, 0, 0, Sys(41), Sys(41), 64, 32},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    env_.nCharaSheetW[0] = c.sheetWidth;  // cell 19 lies at 608
    const GRAPHICSRC r = Resolve(c.kind, c.source, c.g, c.p, c.facing);
    EXPECT_EQ(r.chosenOwn, c.own);
    EXPECT_EQ(r.chosenOpp, c.opp);
    EXPECT_EQ(r.nSrcX, c.x);
    EXPECT_EQ(r.nSrcY, c.y);
  }
}

TEST_F(GraphicSourceTest, ExclusiveBitmapCells) {
  struct Case {
    const char* name;
    int32_t flag, units, cell;
    int32_t x, y, size;
  } const cases[] = {
      {"cells of 2 units, 8 to a row: cell 9", 1, 2, 9, 64, 64, 2},
      {"no flag: cell 17", 0, 2, 17, 32, 32, 1},
      {"size 0 counts as 1", 1, 0, 17, 32, 32, 1},
      {"size 17: one cell to a row", 1, 17, 2, 0, 2 * 32 * 17, 17},
      {"size -1 counts as 1", 1, -1, 3, 96, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g_Database.m_BmpCharaExcs.CheckedVectorAt(2).m_bCellSize = c.flag;
    g_Database.m_BmpCharaExcs.CheckedVectorAt(2).m_nCellSize = c.units;
    const GRAPHICSRC r = Resolve(kGraphicOwnerItem, 4, 2, c.cell);
    EXPECT_EQ(r.chosenOwn, (SURFACEREF{kSurfaceCharaExc, 6}));
    EXPECT_EQ(r.nSrcX, c.x);
    EXPECT_EQ(r.nSrcY, c.y);
    EXPECT_EQ(r.nCellSize, c.size);
  }
}

TEST_F(GraphicSourceTest, SourcesWithoutAPictureDrawNothing) {
  for (int32_t g : {0, 3}) {  // entry 0 is the empty one; 3 is past the database
    SCOPED_TRACE(g);
    EXPECT_EQ(Resolve(kGraphicOwnerChara, 4, g, 0).chosenOwn, SURFACEREF{});
    EXPECT_EQ(SourceIcon(4, g, 0).bValid, 0);
  }
  EXPECT_EQ(SourceIcon(1, 120, 0).bValid, 0);
  EXPECT_EQ(SourceIcon(7, 1, 0).bValid, 0);
}

TEST_F(GraphicSourceTest, AnUnknownSourceKeepsTheRecordAndChoosesFromIt) {
  GRAPHICSRC r;
  r.ownVideo = Sys(40);
  r.ownSystem = Sys(41);
  r.nSrcX = 5;
  ResolveGraphicSource(&r, kGraphicOwnerBlock, 5, 1, 1, nullptr, 0, env_);
  EXPECT_EQ(r.nSrcX, 5);
  EXPECT_EQ(r.chosenOwn, Sys(41));
}

TEST_F(GraphicSourceTest, Icons) {
  struct Case {
    int32_t source, g, p;
    ICONSOURCE icon;
  } const cases[] = {
      {0, 17, 0, {1, Sys(3), 32, 64, 32, 32, 1}},
      {1, 17, 3, {1, Sys(24), 96, 64, 32, 32, 1}},
      {2, 17, 0, {1, Sys(42), 32, 32, 16, 16, 0}},
      {3, 31, 0, {1, Sys(63), 64, 32, 32, 32, 1}},
      {4, 2, 17, {1, {kSurfaceCharaExc, 6}, 32, 32, 32, 32, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source);
    const ICONSOURCE icon = SourceIcon(c.source, c.g, c.p);
    EXPECT_EQ(icon.surface, c.icon.surface);
    EXPECT_EQ(icon.nX, c.icon.nX);
    EXPECT_EQ(icon.nY, c.icon.nY);
    EXPECT_EQ(icon.nW, c.icon.nW);
    EXPECT_EQ(icon.bStretch, c.icon.bStretch);
  }
}

TEST_F(GraphicSourceTest, ChoicesByRendererAndStretching) {
  struct Case {
    int32_t directDraw, stretch;
    int32_t work, mark, lens, chosen;
  } const cases[] = {{1, 1, 67, 43, 68, 2}, {1, 0, 68, 44, 68, 3}, {0, 1, 68, 44, 70, 3}, {0, 0, 68, 44, 70, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.directDraw << c.stretch);
    env_.bDirectDraw = c.directDraw;
    env_.bVideoStretch = c.stretch;
    SelectCharaEffectSurfaces(env_);
    EXPECT_EQ(g_lpCharaEffectWork, Sys(c.work));
    EXPECT_EQ(g_lpMarkSheetScaled, Sys(c.mark));
    EXPECT_EQ(g_lpLensWork, Sys(c.lens));
    EXPECT_EQ(Resolve(kGraphicOwnerBlock, 0, 0, 0).chosenOwn, Sys(c.chosen));
  }
}

}  // namespace
