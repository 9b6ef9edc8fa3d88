#pragma once
// The stage "bench": a crowded stage the world map never leads to, kept for
// measuring the simulation. 300 x 40 blocks at collision level 10 hold 500
// computer charas that all run flows wherever they are: 50 moving solid
// platforms that others ride, 100 hovering shooters that between them keep
// about 2000 shots in the air, and walkers and hoppers on the floors.

#include <cstdint>

#include "records/palette/common_palette.h"
#include "tools/sample/data/sample_stages.h"

namespace sample_bench_stage {

inline constexpr int32_t kWidth = 300;
inline constexpr int32_t kHeight = 40;
inline constexpr int32_t kCharas = 500;  // the hero not counted
inline constexpr int32_t kPlatforms = 50;
inline constexpr int32_t kShooters = 100;

}  // namespace sample_bench_stage

// The stage, its hero and blocks copied from the palette's parts and its
// computer charas built here.
cSampleStage BuildSampleBenchStage(const cCommonPalette& palette);
