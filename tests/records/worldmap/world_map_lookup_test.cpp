// Lookups: nodes by position, stages by their base name and keys.

#include <gtest/gtest.h>

#include "records/worldmap/world_stage_name.h"
#include "world_map_fixtures.h"

namespace {

cWorldStage Entry(int32_t kind, const char* file, int32_t useKey, int32_t key1, int32_t key2) {
  cWorldStage entry;
  entry.m_nKind = kind;
  entry.m_strStageFile = file;
  entry.m_bUseKey = useKey;
  entry.m_nKey1 = key1;
  entry.m_nKey2 = key2;
  return entry;
}

}  // namespace

TEST_F(WorldMapTest, StageBaseNameCutsTheNumberedFirstPart) {
  struct Case {
    const char* file;
    const char* want;
  } cases[] = {
      {"castle-1.xxx", "castle."},
      {"castle.xxx", "castle."},
      {"stage3-1.stg4_001", "stage3."},
      {"a-1-1.ext", "a-1."},     // the last "-1" counts
      {"st-12.ext", "st."},      // the text ends after the new full stop
      {"stg4\\w-1.stg4_", "stg4\\w."},
      {"noext", "noext."},
      {"", "."},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WorldStageBaseName(c.file), c.want) << c.file;
  }
}

TEST_F(WorldMapTest, HasStageMatchesPlayEntriesByNameAndKeys) {
  cWorldMap map;
  cWorldNode first;
  first.m_Stages = {Entry(kWorldStageRoad, "road-1.ext", 0, 1, 0),
                    Entry(kWorldStagePlay, "stage3-1.ext", 0, 1, 0)};
  cWorldNode second;
  second.m_Stages = {Entry(kWorldStagePlay, "castle.stg4_001", 1, 2, 5),
                     Entry(kWorldStageWall, "wall.ext", 0, 1, 0)};
  map.m_Nodes = {first, second};

  struct Case {
    const char* name;
    int32_t useKey, key1, key2, want;
  } cases[] = {
      {"stage3.", 0, 1, 0, 1},
      {"stage3.", 1, 1, 0, 0},   // the entry carries no keys
      {"castle.", 1, 2, 5, 1},
      {"castle.", 7, 2, 5, 1},   // any non-zero key flag
      {"castle.", 1, 2, 6, 0},
      {"castle.", 1, 3, 5, 0},
      {"castle.", 0, 2, 5, 0},   // the entry carries keys
      {"road.", 0, 1, 0, 0},     // only entries where a stage is played
      {"wall.", 0, 1, 0, 0},
      {"Stage3.", 0, 1, 0, 0},   // case-sensitive
      {"stage3", 0, 1, 0, 0},    // whole texts
      {"stage3.x", 0, 1, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.name << " " << c.useKey << " " << c.key1 << " " << c.key2);
    EXPECT_EQ(map.HasStage(c.name, c.useKey, c.key1, c.key2), c.want);
  }
}

TEST_F(WorldMapTest, FindNodeReturnsTheFirstNodeOfTheCell) {
  cWorldMap map;
  map.m_Nodes.resize(3);
  map.m_Nodes.CheckedVectorAt(0).m_nX = 4;
  map.m_Nodes.CheckedVectorAt(1).m_nX = 2;
  map.m_Nodes.CheckedVectorAt(1).m_nY = 3;
  map.m_Nodes.CheckedVectorAt(1).m_strName = "first";
  map.m_Nodes.CheckedVectorAt(2) = map.m_Nodes.CheckedVectorAt(1);
  map.m_Nodes.CheckedVectorAt(2).m_strName = "second";

  EXPECT_EQ(map.FindNode(2, 3), &map.m_Nodes.CheckedVectorAt(1));
  EXPECT_EQ(map.FindNodeAt(WORLDPOINT{2, 3}), &map.m_Nodes.CheckedVectorAt(1));
  EXPECT_EQ(map.FindNode(4, 0), &map.m_Nodes.CheckedVectorAt(0));
  EXPECT_EQ(map.FindNode(3, 2), nullptr);
  const cWorldMap& constMap = map;
  EXPECT_EQ(constMap.FindNode(2, 3)->m_strName, "first");
}
