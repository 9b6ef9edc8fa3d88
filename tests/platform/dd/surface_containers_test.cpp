#include "platform/dd/surface_containers.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/dd/surface_list.h"
#include "tests/platform/dd/display_fixture.h"

namespace {

std::vector<int32_t> Widths(const cList<DDSURFACEDATA>& surfaces) {
  std::vector<int32_t> widths;
  for (const DDSURFACEDATA& sd : surfaces) widths.push_back(sd.nWidth);
  return widths;
}

std::vector<int32_t> KeyFlags(const cList<BITMAPDATA>& bitmaps) {
  std::vector<int32_t> flags;
  for (const BITMAPDATA& bd : bitmaps) flags.push_back(bd.bTransparent);
  return flags;
}

TEST(SurfaceContainersTest, InsertKeepsSurfacesAndDescriptorsSideBySide) {
  for (const cDisplayMode& mode : {cDisplayMode{1, 32, 1}, cDisplayMode{0, 16, 0}}) {
    SCOPED_TRACE(mode.Name());
    ScopedDisplay display(mode);
    cList<DDSURFACEDATA> surfaces;
    cList<BITMAPDATA> bitmaps;
    ASSERT_TRUE(DDAddSurface_List(surfaces, bitmaps, 1, 1, 0, 0, 0, nullptr));
    ASSERT_TRUE(DDAddSurface_List(surfaces, bitmaps, 2, 1, 0, 0, 0, nullptr));
    ASSERT_TRUE(DDInsertSurface_List(surfaces, bitmaps, -5, 3, 1, 1, 0, 0, nullptr));  // the front
    ASSERT_TRUE(DDInsertSurface_List(surfaces, bitmaps, 3, 4, 1, 1, 0, 0, nullptr));   // the length: appends
    ASSERT_TRUE(DDInsertSurface_List(surfaces, bitmaps, 1, 5, 1, 0, 0, 0, nullptr));
    EXPECT_EQ(Widths(surfaces), (std::vector<int32_t>{3, 5, 1, 2, 4}));
    EXPECT_EQ(KeyFlags(bitmaps), (std::vector<int32_t>{1, 0, 0, 0, 1}));
    for (const DDSURFACEDATA& sd : surfaces) EXPECT_NE(sd.Pixels(), nullptr);

    DDSURFACEDATA* second = &surfaces.CheckedListAt(1);
    EXPECT_EQ(DDRemoveSurface_List(surfaces, bitmaps, second), 1);
    EXPECT_EQ(Widths(surfaces), (std::vector<int32_t>{3, 1, 2, 4}));
    EXPECT_EQ(KeyFlags(bitmaps), (std::vector<int32_t>{1, 0, 0, 1}));
    DDSURFACEDATA stranger;
    EXPECT_EQ(DDRemoveSurface_List(surfaces, bitmaps, &stranger), 0);

    DDReleaseSurfaces_List(surfaces);
    EXPECT_EQ(surfaces.ListSize(), 4);
    for (const DDSURFACEDATA& sd : surfaces) EXPECT_EQ(sd.Pixels(), nullptr);
  }
}

TEST(SurfaceContainersTest, VectorPairsGrowWithoutLosingTheirListEntries) {
  ScopedDisplay display({1, 32, 1});
  cVector<DDSURFACEDATA> surfaces;
  cVector<BITMAPDATA> bitmaps;
  for (int i = 0; i < 40; ++i) ASSERT_TRUE(DDAddSurface_Vector(surfaces, bitmaps, 2, 2, 1, 0, 0, nullptr));
  EXPECT_EQ(bitmaps.VectorSize(), 40);
  for (DDSURFACEDATA& sd : surfaces) EXPECT_EQ(g_DTSurfaceList.Find(sd.lpDT->nSurfaceId), &sd);
  DDReleaseSurfaces_Vector(surfaces);
  for (DDSURFACEDATA& sd : surfaces) EXPECT_EQ(sd.lpDT, nullptr);
}

}  // namespace
