#pragma once
// The sample's stages, drawn as text maps: one character a block cell. The
// story stages (the world map's: a meadow, a dark cave, a castle in the clouds
// crossed on a lift and a crate, the boss's hall), the challenge stages (c01-1
// on; all against the clock, c04-1 scrolling by itself) and a free-play stage;
// each has the hero at its left, enemies and items on the way, and the goal
// flag whose taking clears the stage (the boss carries it in its hall).

#include <string>
#include <vector>

#include "records/palette/common_palette.h"
#include "records/stage/stage_data.h"

struct cSampleStage {
  std::string strPath;  // data path of the numbered file (name.stg4_000)
  cStageData stage;
};

// The stages, built from the parts of palette.
std::vector<cSampleStage> BuildSampleStages(const cCommonPalette& palette);

// The text map of a stage, for tests: rows top to bottom.
const std::vector<std::string>& SampleStageMap(std::size_t index);
