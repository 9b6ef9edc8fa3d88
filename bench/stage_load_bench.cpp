// LoadStageFile of the large benchmark stage (bench_large_stage.h) from a
// file, and the save that writes it. Target for the load: under 20 ms, so
// choosing a stage never stalls the menu that asked for it.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/bench_large_stage.h"
#include "records/stage/load_stage_file.h"
#include "records/stage/stage_globals.h"

namespace {

// A folder of its own under the system's temporary folder, removed at the end.
class cBenchFolder {
 public:
  cBenchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "stage_load_bench_XXXXXX").string();
    m_Path = mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
  }
  ~cBenchFolder() {
    std::error_code ignored;
    if (!m_Path.empty()) std::filesystem::remove_all(m_Path, ignored);
  }
  std::string File(const char* name) const { return m_Path + "/" + name; }

 private:
  std::string m_Path;
};

void BM_LoadStageFileLarge(benchmark::State& state) {
  cBenchFolder folder;
  const std::string path = folder.File("large.stg4_000");
  cStageData stage;
  bench_large_stage::WriteLargeStage(stage);
  if (stage.SaveToFile(path) == 0) {
    state.SkipWithError("the stage file could not be written");
    return;
  }
  const cStageData saved = g_Stage;
  for (auto _ : state) {
    benchmark::DoNotOptimize(LoadStageFile(path, 0, nullptr, nullptr));
  }
  state.counters["blocks"] = static_cast<double>(g_Stage.m_PlacedBlocks.size());
  g_Stage = saved;
}
BENCHMARK(BM_LoadStageFileLarge)->Unit(benchmark::kMillisecond);

void BM_SaveStageFileLarge(benchmark::State& state) {
  cBenchFolder folder;
  const std::string path = folder.File("large.stg4_000");
  cStageData stage;
  bench_large_stage::WriteLargeStage(stage);
  for (auto _ : state) {
    benchmark::DoNotOptimize(stage.SaveToFile(path));
  }
}
BENCHMARK(BM_SaveStageFileLarge)->Unit(benchmark::kMillisecond);

}  // namespace
