#pragma once
// The sample's common palette: the hero, three enemies, blocks of every hit
// class with the floor effects, and the items that score, heal, give a life and
// clear the stage; then the solid charas to ride, the boss, the hero that
// carries a light, and items of the other take kinds. Stages place these parts
// by index.

#include <cstdint>

#include "records/palette/common_palette.h"

class cStageData;

// Chara parts; the number is also the row of the part in Character1.bmp
// (the lantern hero wears the hero's row).
enum eSampleChara : int16_t {
  kCharaHero = 1,
  kCharaWalker = 2,
  kCharaHopper = 3,
  kCharaShooter = 4,
  kCharaLift = 5,          // solid, flies to and fro: a moving platform
  kCharaCrate = 6,         // solid, stands where it falls: a step to climb
  kCharaBoss = 7,          // two phases by its HP, drops what it carries
  kCharaLanternHero = 8,   // the hero with a light radius and a key-sequence jump
  kCharaCount
};
// Block parts; the number is also the block's cell in Block.bmp.
enum eSampleBlock : int16_t {
  kBlockGround = 1,
  kBlockBrick,
  kBlockGrass,     // passable decoration
  kBlockSpikes,    // deadly
  kBlockSpring,
  kBlockIce,
  kBlockBeltLeft,
  kBlockBeltRight,
  kBlockCoinBox,   // gives a coin when hit from below
  kBlockCloud,     // passable
  kBlockCount
};
// Item parts; the number is also the item's row in Item.bmp.
enum eSampleItem : int16_t {
  kItemCoin = 1,
  kItemHeart,
  kItemOneUp,
  kItemGoal,
  kItemFountain,  // taken at every touch
  kItemSign,      // never taken
  kItemCount
};
// Shot graphics: rows of Shot.bmp.
enum eSampleShot : int16_t { kShotEnemy = 1, kShotHero = 2, kShotRowsDrawn = 3 };
// Object groups (sides).
inline constexpr int8_t kGroupHero = 0;
inline constexpr int8_t kGroupEnemy = 1;

cCommonPalette BuildSamplePalette();

// Places a copy of block part `part` of the palette at (x, y) of the stage.
void PlaceBlock(cStageData& stage, const cCommonPalette& palette, int16_t part, int32_t x, int32_t y);
