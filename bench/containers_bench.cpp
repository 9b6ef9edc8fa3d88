// Checked access against plain indexing: a linear walk and a gather through an
// index table (loop bodies of about one cycle, where the one compare per access
// shows most), and the grid lookups under chara boxes that the play step does,
// where the checked form should match the unchecked one.

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

// The play step's usual access: each chara looks up the grid blocks under its box
// and tests them; the lookup is a small part of each iteration.
constexpr int32_t kGridWidth = 256;

struct Box {
  int32_t x, y, w, h;
};

std::vector<Box> MakeBoxes(int32_t n, int32_t gridHeight) {
  std::mt19937 gen(777);
  std::uniform_int_distribution<int32_t> px(0, kGridWidth * 32 - 97), py(0, gridHeight * 32 - 97);
  std::vector<Box> boxes(static_cast<size_t>(n));
  for (auto& b : boxes) b = {px(gen), py(gen), 64, 64};
  return boxes;
}

// The cell range is taken into locals first, as the play step's loops do: a loop
// that re-read its bounds from memory on every step would have to read them again
// after the (never taken) failure call of a checked access.
template <class Lookup>
int64_t CountSolidUnder(const std::vector<Box>& boxes, Lookup&& lookup) {
  int64_t solid = 0;
  for (const Box& b : boxes) {
    const int32_t left = b.x / 32, right = (b.x + b.w - 1) / 32;
    const int32_t top = b.y / 32, bottom = (b.y + b.h - 1) / 32;
    for (int32_t y = top; y <= bottom; ++y) {
      for (int32_t x = left; x <= right; ++x) {
        const Block& block = lookup(y * kGridWidth + x);
        if (block.nType > 31 && (block.nFlags & 1) == 0) ++solid;
      }
    }
  }
  return solid;
}

void BM_BlockScanUnchecked(benchmark::State& state) {
  const int32_t n = static_cast<int32_t>(state.range(0));
  const std::vector<Block> blocks = MakeBlocks(n);
  const std::vector<Box> boxes = MakeBoxes(1024, n / kGridWidth);
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        CountSolidUnder(boxes, [&](int32_t i) -> const Block& { return blocks[static_cast<size_t>(i)]; }));
  }
  state.SetItemsProcessed(state.iterations() * 1024);
}

void BM_BlockScanChecked(benchmark::State& state) {
  const int32_t n = static_cast<int32_t>(state.range(0));
  const std::vector<Block> source = MakeBlocks(n);
  const cVector<Block> blocks(source.begin(), source.end());
  const std::vector<Box> boxes = MakeBoxes(1024, n / kGridWidth);
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        CountSolidUnder(boxes, [&](int32_t i) -> const Block& { return blocks.CheckedVectorAt(i); }));
  }
  state.SetItemsProcessed(state.iterations() * 1024);
}

void Sizes(benchmark::internal::Benchmark* b) {
  for (int32_t n : kSizes) b->Arg(n);
}

BENCHMARK(BM_WalkUnchecked)->Apply(Sizes);
BENCHMARK(BM_WalkChecked)->Apply(Sizes);
BENCHMARK(BM_GatherUnchecked)->Apply(Sizes);
BENCHMARK(BM_GatherChecked)->Apply(Sizes);
BENCHMARK(BM_BlockScanUnchecked)->Apply(Sizes);
BENCHMARK(BM_BlockScanChecked)->Apply(Sizes);

}  // namespace
