#pragma once
// The sample project's settings (data\System.dat): its title, 256 colours with
// the program palette, the system sounds and the menu music of the catalogue,
// four challenge stages.

#include "records/settings/system_data.h"

// The title of the sample game, also the window caption.
inline constexpr char kSampleTitle[] = "ピコの小さな冒険";
inline constexpr int32_t kSampleChallengeStages = 4;

cSystemData BuildSampleSettings();
