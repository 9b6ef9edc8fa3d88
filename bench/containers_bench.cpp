// Checked access against plain indexing in the loops the play step runs: a linear
// walk over a grid and a gather through an index table the compiler cannot see
// through. The checked forms should match the unchecked ones.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "core/containers/checked_vector.h"

namespace {

struct Block {
  int32_t nType;
  int16_t nFlags;
  int16_t nAnime;
};

constexpr int32_t kSizes[] = {1 << 10, 1 << 16};

std::vector<Block> MakeBlocks(int32_t n) {
  std::vector<Block> blocks(static_cast<size_t>(n));
  for (int32_t i = 0; i < n; ++i) blocks[static_cast<size_t>(i)] = {i & 63, static_cast<int16_t>(i & 7), 0};
  return blocks;
}

std::vector<int32_t> MakeIndices(int32_t n) {
  std::mt19937 gen(12345);
  std::uniform_int_distribution<int32_t> pick(0, n - 1);
  std::vector<int32_t> indices(static_cast<size_t>(n));
  for (auto& i : indices) i = pick(gen);
  return indices;
}

void BM_WalkUnchecked(benchmark::State& state) {
  const std::vector<Block> blocks = MakeBlocks(static_cast<int32_t>(state.range(0)));
  for (auto _ : state) {
    int64_t sum = 0;
    const int32_t n = static_cast<int32_t>(blocks.size());
    for (int32_t i = 0; i < n; ++i) sum += blocks[static_cast<size_t>(i)].nType;
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_WalkChecked(benchmark::State& state) {
  const std::vector<Block> source = MakeBlocks(static_cast<int32_t>(state.range(0)));
  const cVector<Block> blocks(source.begin(), source.end());
  for (auto _ : state) {
    int64_t sum = 0;
    const int32_t n = blocks.VectorSize();
    for (int32_t i = 0; i < n; ++i) sum += blocks.CheckedVectorAt(i).nType;
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_GatherUnchecked(benchmark::State& state) {
  const int32_t n = static_cast<int32_t>(state.range(0));
  const std::vector<Block> blocks = MakeBlocks(n);
  const std::vector<int32_t> indices = MakeIndices(n);
  for (auto _ : state) {
    int64_t sum = 0;
    for (int32_t i : indices) sum += blocks[static_cast<size_t>(i)].nFlags;
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_GatherChecked(benchmark::State& state) {
  const int32_t n = static_cast<int32_t>(state.range(0));
  const std::vector<Block> source = MakeBlocks(n);
  const cVector<Block> blocks(source.begin(), source.end());
  const std::vector<int32_t> indices = MakeIndices(n);
  for (auto _ : state) {
    int64_t sum = 0;
    for (int32_t i : indices) sum += blocks.CheckedVectorAt(i).nFlags;
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void Sizes(benchmark::internal::Benchmark* b) {
  for (int32_t n : kSizes) b->Arg(n);
}

BENCHMARK(BM_WalkUnchecked)->Apply(Sizes);
BENCHMARK(BM_WalkChecked)->Apply(Sizes);
BENCHMARK(BM_GatherUnchecked)->Apply(Sizes);
BENCHMARK(BM_GatherChecked)->Apply(Sizes);

}  // namespace
