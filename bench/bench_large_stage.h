#pragma once
// The large benchmark stage: 1000 x 100 blocks with 20,000 placed blocks, 300
// placed charas (a third of them carrying an item) besides the hero, and 200
// loose items.

#include <cstdint>

#include "records/stage/stage_data.h"

namespace bench_large_stage {

constexpr int32_t kWidth = 1000;
constexpr int32_t kHeight = 100;
constexpr int32_t kBlocks = 20000;
constexpr int32_t kCharas = 300;
constexpr int32_t kItems = 200;

// A fresh stage of width x height blocks at 60 fps, gravity 1.5 and collision
// level 10, its probes and scroll limits covering the whole of it.
inline void WriteBenchStageHeader(cStageData& stage, int32_t width, int32_t height) {
  stage = cStageData();
  stage.m_nWidth = width;
  stage.m_nHeight = height;
  stage.m_nFps = 60;
  stage.m_dGravity = 1.5;
  stage.m_nCollisionLevel = 10;
  stage.m_nScrollExtraX = width * 32;
  stage.m_nScrollExtraY = height * 32;
  stage.m_nScrollLimitRight = width - 1;
  stage.m_nScrollLimitBottom = height - 1;
}

inline void WriteLargeStage(cStageData& stage) {
  WriteBenchStageHeader(stage, kWidth, kHeight);
  for (int32_t i = 0; i < kBlocks; ++i) {
    cBlockDef& block = stage.m_PlacedBlocks.emplace_back();
    block.m_nX = static_cast<int16_t>(i % kWidth);
    block.m_nY = static_cast<int16_t>(kHeight - 1 - i / kWidth);
    block.m_nGraphic = 1;
  }
  cCharaDef& hero = stage.m_PlacedCharas.emplace_back();
  hero.m_nControl = cCharaDef::kControlPlayer;
  hero.m_nGraphic = 1;
  hero.m_nMaxHp = 10;
  hero.m_nCarriedItem = -1;
  hero.m_nX = 2;
  hero.m_nY = 10;
  for (int32_t i = 0; i < kItems; ++i) {
    cItemDef& item = stage.m_PlacedItems.emplace_back();
    item.m_nX = static_cast<int16_t>((i * 5) % kWidth);
    item.m_nY = static_cast<int16_t>(20 + i % 40);
    item.m_nGraphic = 1;
  }
  for (int32_t i = 0; i < kCharas; ++i) {
    cCharaDef& chara = stage.m_PlacedCharas.emplace_back();
    chara.m_nControl = cCharaDef::kControlComputer;
    chara.m_nGraphic = 1;
    chara.m_nMaxHp = 5;
    chara.m_nX = static_cast<int16_t>((i * 3) % kWidth);
    chara.m_nY = static_cast<int16_t>(10 + i % 50);
    chara.m_nGroup = static_cast<int8_t>(1 + i % 7);
    // Every third chara carries one of the first items; two share none.
    chara.m_nCarriedItem = i % 3 == 0 ? i / 3 : -1;
  }
}

}  // namespace bench_large_stage
