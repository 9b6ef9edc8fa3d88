#pragma once
// The sample project's "bench" stage, built in memory by the sample generator
// and installed as the stage the play state builds from, with the sample's
// database and settings (the animation sets and switches the stage's parts
// name). Everything installed is restored when the object goes.

#include <algorithm>
#include <time.h>

#include <cstdint>
#include <vector>

#include "core/input/input_state.h"
#include "records/database/database.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "records/stage/stage_data.h"
#include "stage/grid/block_grid.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"
#include "tools/sample/data/sample_bench_stage.h"
#include "tools/sample/data/sample_database.h"
#include "tools/sample/data/sample_palette.h"
#include "tools/sample/data/sample_settings.h"

namespace bench_sample_stage {

class cInstalledBenchStage {
 public:
  cInstalledBenchStage() : m_SavedDatabase(g_Database), m_SavedSettings(g_SystemData) {
    g_Database = BuildSampleDatabase();
    g_SystemData = BuildSampleSettings();
    const cValidateContext context = SampleValidateContext(g_Database);
    const cValidateContextScope scope(context);
    g_Stage = BuildSampleBenchStage(BuildSamplePalette()).stage;
    // As saving and loading would leave it: checked, clamped, its physics
    // derived from the collision level.
    g_Stage.Normalize();
    g_StageInitial.TakeHeaderOf(g_Stage);
    g_InputList.assign(1, cInput());
  }
  ~cInstalledBenchStage() {
    g_BlockGrid.Release();
    g_Database = m_SavedDatabase;
    g_SystemData = m_SavedSettings;
  }
  cInstalledBenchStage(const cInstalledBenchStage&) = delete;
  cInstalledBenchStage& operator=(const cInstalledBenchStage&) = delete;

 private:
  cDatabase m_SavedDatabase;
  cSystemData m_SavedSettings;
};

// The play state of the installed stage, built and run for settleFrames so
// that the shots fill the air and the riders stand on their platforms.
class cPlayedBenchStage {
 public:
  explicit cPlayedBenchStage(int32_t settleFrames) {
    g_lpSceneStagePlay = &m_Play;
    m_Play.SetStage(0, 1);
    for (int32_t f = 0; f < settleFrames; ++f) m_Play.PhasePlay();
  }
  ~cPlayedBenchStage() {
    ClearCharas(m_Play);
    ClearItems(m_Play);
    ClearShots(m_Play);
    ClearHeroes(m_Play);
    g_lpSceneStagePlay = nullptr;
  }
  cPlayedBenchStage(const cPlayedBenchStage&) = delete;
  cPlayedBenchStage& operator=(const cPlayedBenchStage&) = delete;
  cStagePlay& Play() { return m_Play; }

 private:
  cInstalledBenchStage m_Installed;
  cStagePlay m_Play;
};

// Times of single iterations, for the median the targets are set on: the
// thread's processor time, so that other work on a busy machine does not
// count. (The clock is the C one: <chrono> does not compile under the CP932
// execution character set.)
class cMedian {
 public:
  void Start() { m_dStart = Now(); }
  void Stop() { m_Times.push_back(Now() - m_dStart); }
  double Microseconds() {
    if (m_Times.empty()) return 0;
    const auto middle = m_Times.begin() + static_cast<std::ptrdiff_t>(m_Times.size() / 2);
    std::nth_element(m_Times.begin(), middle, m_Times.end());
    return *middle;
  }

 private:
  static double Now() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e6 + static_cast<double>(ts.tv_nsec) / 1e3;
  }
  double m_dStart = 0;
  std::vector<double> m_Times;
};

}  // namespace bench_sample_stage
