#pragma once
// The sample's showcase stage for free play: a shooting gallery of turrets
// that fire every formation along every trajectory, and stations whose charas
// run every other flow command, test every kind of condition and wait for
// every trigger. Its charas are built here, not taken from the common palette;
// its floor and ledges are the palette's blocks.

#include <vector>

#include "records/palette/common_palette.h"
#include "tools/sample/data/sample_stages.h"

// Where free play's file dialog finds it, and where its clear leads.
inline constexpr char kShowcaseStageFile[] = "data\\stg4\\f02-1.stg4_000";
inline constexpr char kShowcaseNextStage[] = "data\\stg4\\f01-1.stg4";

std::vector<cSampleStage> BuildShowcaseStages(const cCommonPalette& palette);
