#include "tools/sample/pictures/sprites.h"

#include <algorithm>

#include "tools/sample/data/sample_palette.h"
#include "tools/sample/media/pixel_font.h"
#include "tools/sample/pictures/program_palette.h"

namespace {

struct CreatureLook {
  uint8_t body;
  uint8_t shade;
  uint8_t feet;
  int32_t bodyTop;  // the body's top row in the cell (taller creatures start higher)
};

// Feet positions per pose: left foot x, right foot x, lift of the feet.
struct FeetPose {
  int32_t left;
  int32_t right;
  int32_t lift;
};
constexpr FeetPose kFeet[kPoseCount] = {{7, 18, 0}, {4, 19, 0}, {9, 15, 0}, {6, 19, 3}};

void DrawEyes(cCanvas& c, int32_t x, int32_t y, bool angry) {
  // Facing left: the eyes sit towards the left side of the body.
  c.Fill(x + 8, y, 5, 6, kWhite);
  c.Fill(x + 15, y, 5, 6, kWhite);
  c.Fill(x + 8, y + 2, 2, 3, kBlack);
  c.Fill(x + 15, y + 2, 2, 3, kBlack);
  if (angry) {
    c.Line(x + 7, y - 2, x + 12, y, kBlack);
    c.Line(x + 20, y - 2, x + 15, y, kBlack);
  }
}

void DrawCreature(cCanvas& c, int32_t x, int32_t y, const CreatureLook& look, int32_t pose) {
  const FeetPose& feet = kFeet[pose];
  const int32_t lift = feet.lift;
  c.Oval(x + feet.left, y + 25 - lift, 8, 6, look.feet);
  c.Oval(x + feet.right, y + 25 - lift, 8, 6, look.feet);
  const int32_t top = look.bodyTop - lift;
  c.Oval(x + 3, y + top, 26, 28 - top, look.shade);
  c.Oval(x + 4, y + top + 1, 23, 25 - top, look.body);
}

void DrawHero(cCanvas& c, int32_t x, int32_t y, int32_t pose) {
  DrawCreature(c, x, y, {kOrange, kRedDark, kBrown, 6}, pose);
  // A leaf on the head.
  c.Oval(x + 13, y + 1 - (pose == kPoseJump ? 3 : 0), 7, 5, kGreen);
  c.Line(x + 16, y + 5 - (pose == kPoseJump ? 3 : 0), x + 16, y + 7 - (pose == kPoseJump ? 3 : 0), kGreenDark);
  DrawEyes(c, x, y + 11 - (pose == kPoseJump ? 3 : 0), false);
  c.Fill(x + 10, y + 19 - (pose == kPoseJump ? 3 : 0), 6, 1, kRedDark);  // smile
  if (pose == kPoseJump) {
    c.Line(x + 4, y + 12, x + 0, y + 6, kOrange);
    c.Line(x + 27, y + 12, x + 31, y + 6, kOrange);
  }
}

void DrawWalker(cCanvas& c, int32_t x, int32_t y, int32_t pose) {
  DrawCreature(c, x, y, {kGreen, kGreenDark, kBrownDark, 9}, pose);
  DrawEyes(c, x, y + 14, true);
  c.Fill(x + 9, y + 22, 9, 2, kGreenDark);
}

void DrawHopper(cCanvas& c, int32_t x, int32_t y, int32_t pose) {
  const int32_t lift = pose == kPoseJump ? 4 : 0;
  // Long ears.
  c.Oval(x + 8, y + 0 - lift, 5, 12, kPurple);
  c.Oval(x + 17, y + 0 - lift, 5, 12, kPurple);
  c.Oval(x + 9, y + 2 - lift, 3, 8, kPink);
  c.Oval(x + 18, y + 2 - lift, 3, 8, kPink);
  DrawCreature(c, x, y, {kPurple, static_cast<uint8_t>(kRampPurple + 3), kPink, 9}, pose);
  DrawEyes(c, x, y + 14 - lift, false);
}

void DrawShooter(cCanvas& c, int32_t x, int32_t y, int32_t pose) {
  // A round stone turret with its barrel to the left; poses only shake it.
  const int32_t shake = pose == kPoseStepA ? 1 : 0;
  c.Fill(x + 6, y + 26, 22, 6, kGreyDark);
  c.Oval(x + 5, y + 6 + shake, 24, 22, kGreyDark);
  c.Oval(x + 6, y + 7 + shake, 21, 19, kGrey);
  c.Fill(x + 0, y + 13 + shake, 10, 7, kGreyDark);
  c.Fill(x + 1, y + 14 + shake, 9, 5, kBlack);
  c.Fill(x + 12, y + 12 + shake, 4, 4, kRed);
  c.Fill(x + 20, y + 12 + shake, 4, 4, kRed);
  if (pose == kPoseJump) c.Oval(x - 2, y + 12, 6, 9, kOrange);  // the muzzle flash
}

// A plank on a rail: the poses only glint along it.
void DrawLift(cCanvas& c, int32_t x, int32_t y, int32_t pose) {
  c.Fill(x, y, 32, 10, kBrownDark);
  c.Fill(x + 1, y + 1, 30, 8, kBrown);
  c.Fill(x + 4 + pose * 6, y + 2, 4, 2, kYellow);
  for (int32_t bolt = 0; bolt < 3; ++bolt) c.Fill(x + 4 + bolt * 11, y + 5, 2, 2, kGreyDark);
  c.Fill(x + 14, y + 10, 4, 22, kGrey);
}

void DrawCrate(cCanvas& c, int32_t x, int32_t y, int32_t) {
  c.Fill(x, y, 32, 32, kBrownDark);
  c.Fill(x + 2, y + 2, 28, 28, kBrown);
  c.Line(x + 2, y + 2, x + 29, y + 29, kBrownDark);
  c.Line(x + 29, y + 2, x + 2, y + 29, kBrownDark);
  c.Frame(x + 2, y + 2, 28, 28, kRampEarth + 4);
}

// The walker's king: a crowned, angry bulk filling its cell.
void DrawBoss(cCanvas& c, int32_t x, int32_t y, int32_t pose) {
  DrawCreature(c, x, y, {kRed, kRedDark, kBrownDark, 5}, pose);
  const int32_t lift = pose == kPoseJump ? 3 : 0;
  for (int32_t point = 0; point < 3; ++point) c.Fill(x + 9 + point * 6, y + 0 - lift, 3, 5, kGold);
  c.Fill(x + 8, y + 4 - lift, 17, 3, kGold);
  DrawEyes(c, x, y + 12 - lift, true);
  c.Fill(x + 8, y + 21 - lift, 12, 2, kBlack);
}

void Brick(cCanvas& c, int32_t x, int32_t y) {
  c.Fill(x, y, 32, 32, kRampEarth + 4);
  for (int32_t row = 0; row < 4; ++row) {
    const int32_t shift = row % 2 == 0 ? 0 : 8;
    for (int32_t col = -1; col < 2; ++col) {
      // Bricks cut by the cell's edges stay inside the cell.
      const int32_t left = std::max(shift + col * 16 + 1, 0);
      const int32_t right = std::min(shift + col * 16 + 15, 32);
      if (right > left) c.Fill(x + left, y + row * 8 + 1, right - left, 6, kRampFire + 2);
    }
  }
  c.Frame(x, y, 32, 32, kRampEarth + 2);
}

void Ground(cCanvas& c, int32_t x, int32_t y) {
  c.VerticalRamp(x, y, 32, 32, kRampEarth + 9, 6);
  for (int32_t i = 0; i < 6; ++i) c.Fill(x + 3 + i * 5, y + 14 + (i % 3) * 5, 2, 2, kRampEarth + 4);
  c.Fill(x, y, 32, 6, kGreen);
  c.Fill(x, y + 6, 32, 2, kGreenDark);
  for (int32_t i = 0; i < 8; ++i) c.Fill(x + i * 4 + 1, y + 6, 2, 3, kGreen);
}

void Arrows(cCanvas& c, int32_t x, int32_t y, int32_t direction) {
  c.Fill(x, y, 32, 32, kGreyDark);
  c.Fill(x, y + 4, 32, 24, kGrey);
  for (int32_t a = 0; a < 2; ++a) {
    const int32_t tip = x + 6 + a * 14 + (direction < 0 ? 0 : 8);
    for (int32_t i = 0; i < 8; ++i) {
      const int32_t cx = direction < 0 ? tip + i : tip - i;
      c.Fill(cx, y + 16 - i, 2, 2 * i + 1, kYellow);
      if (i >= 4) break;
    }
  }
}

void Spikes(cCanvas& c, int32_t x, int32_t y) {
  for (int32_t s = 0; s < 4; ++s) {
    for (int32_t i = 0; i < 16; ++i) {
      const int32_t half = i / 4;
      c.Fill(x + s * 8 + 4 - half, y + 16 + i, 2 * half + 1, 1, i < 3 ? kGreyLight : kGrey);
    }
  }
  c.Fill(x, y + 30, 32, 2, kGreyDark);
}

void Spring(cCanvas& c, int32_t x, int32_t y) {
  c.Fill(x + 2, y + 4, 28, 4, kRed);
  for (int32_t i = 0; i < 4; ++i) c.Fill(x + 6, y + 10 + i * 5, 20, 2, kGreyLight);
  c.Fill(x + 2, y + 28, 28, 4, kRedDark);
}

void Ice(cCanvas& c, int32_t x, int32_t y) {
  c.VerticalRamp(x, y, 32, 32, kRampWater + 14, 2);
  c.Frame(x, y, 32, 32, kRampWater + 8);
  c.Line(x + 5, y + 20, x + 12, y + 5, kWhite);
  c.Line(x + 9, y + 24, x + 16, y + 9, kWhite);
}

void CoinBox(cCanvas& c, int32_t x, int32_t y) {
  c.Fill(x, y, 32, 32, kRampGold + 3);
  c.Fill(x + 1, y + 1, 30, 30, kGold);
  c.Frame(x + 1, y + 1, 30, 30, kRampGold + 12);
  for (int32_t corner = 0; corner < 4; ++corner) {
    c.Fill(x + 3 + (corner % 2) * 24, y + 3 + (corner / 2) * 24, 2, 2, kBrownDark);
  }
  DrawTextCentred(c, x + 16, y + 9, "?", kWhite, 2, kBrownDark);
}

void Cloud(cCanvas& c, int32_t x, int32_t y) {
  c.Oval(x + 0, y + 6, 16, 14, kGreyLight);
  c.Oval(x + 10, y + 2, 16, 16, kGreyLight);
  c.Oval(x + 16, y + 7, 16, 13, kGreyLight);
  c.Oval(x + 2, y + 7, 14, 11, kWhite);
  c.Oval(x + 11, y + 3, 14, 13, kWhite);
  c.Oval(x + 17, y + 8, 13, 10, kWhite);
}

void Grass(cCanvas& c, int32_t x, int32_t y) {
  for (int32_t blade = 0; blade < 7; ++blade) {
    const int32_t bx = x + 3 + blade * 4;
    const int32_t height = 8 + (blade * 5) % 9;
    c.Line(bx, y + 31, bx + (blade % 2 == 0 ? -2 : 2), y + 31 - height, blade % 2 == 0 ? kGreen : kGreenDark);
  }
  c.Oval(x + 20, y + 20, 5, 5, kYellow);
}

void Coin(cCanvas& c, int32_t x, int32_t y, int32_t frame) {
  const int32_t width = frame == 0 ? 18 : 10;
  c.Oval(x + 16 - width / 2, y + 6, width, 20, kRampGold + 4);
  c.Oval(x + 17 - width / 2, y + 7, width - 2, 18, kGold);
  c.Fill(x + 15, y + 11, 2, 10, kRampGold + 14);
}

void Heart(cCanvas& c, int32_t x, int32_t y, int32_t frame) {
  const int32_t grow = frame == 0 ? 0 : 2;
  c.Oval(x + 6 - grow, y + 7 - grow, 11 + grow, 11 + grow, kRed);
  c.Oval(x + 15, y + 7 - grow, 11 + grow, 11 + grow, kRed);
  for (int32_t row = 0; row < 12 + grow; ++row) {
    c.Fill(x + 6 - grow + row, y + 13 + row, 20 + 2 * grow - 2 * row, 1, kRed);
  }
  c.Fill(x + 9, y + 10, 3, 3, kPink);
}

void OneUp(cCanvas& c, int32_t x, int32_t y, int32_t frame) {
  // A green badge with "1UP" written on it, blinking its rim.
  c.Oval(x + 2, y + 4, 28, 24, frame == 0 ? kGreenDark : kGreenLight);
  c.Oval(x + 4, y + 6, 24, 20, kGreen);
  DrawTextCentred(c, x + 16, y + 12, "1UP", kWhite, 1, kGreenDark);
}

void Fountain(cCanvas& c, int32_t x, int32_t y, int32_t frame) {
  c.Oval(x + 2, y + 22, 28, 10, kGreyDark);
  c.Oval(x + 4, y + 23, 24, 7, kRampWater + 8);
  const int32_t rise = frame == 0 ? 0 : 3;
  c.Fill(x + 15, y + 8 - rise, 2, 16 + rise, kCyan);
  c.Oval(x + 10, y + 6 - rise, 12, 6, kCyan);
  c.Fill(x + 12, y + 8 - rise, 2, 2, kWhite);
}

void Sign(cCanvas& c, int32_t x, int32_t y, int32_t) {
  c.Fill(x + 14, y + 16, 4, 16, kBrownDark);
  c.Fill(x + 3, y + 4, 26, 14, kBrownDark);
  c.Fill(x + 4, y + 5, 24, 12, kBrown);
  DrawTextCentred(c, x + 16, y + 7, "!", kWhite, 1, kBrownDark);
}

void GoalFlag(cCanvas& c, int32_t x, int32_t y, int32_t frame) {
  c.Fill(x + 6, y + 2, 3, 30, kGreyLight);
  c.Oval(x + 5, y + 0, 5, 5, kGold);
  for (int32_t row = 0; row < 14; ++row) {
    const int32_t wave = frame == 0 ? (row / 4) % 2 : ((row + 2) / 4) % 2;
    c.Fill(x + 9, y + 4 + row, 18 - row / 2 + wave, 1, kRed);
  }
  DrawText(c, x + 12, y + 7, "G", kWhite);
}

}  // namespace

void DrawChara(cCanvas& canvas, int32_t x, int32_t y, int32_t chara, int32_t pose, int32_t look) {
  switch (chara) {
    case kCharaHero: DrawHero(canvas, x, y, pose); break;
    case kCharaWalker: DrawWalker(canvas, x, y, pose); break;
    case kCharaHopper: DrawHopper(canvas, x, y, pose); break;
    case kCharaShooter: DrawShooter(canvas, x, y, pose); break;
    case kCharaLift: DrawLift(canvas, x, y, pose); break;
    case kCharaCrate: DrawCrate(canvas, x, y, pose); break;
    case kCharaBoss: DrawBoss(canvas, x, y, pose); break;
    default: return;
  }
  // The other looks recolour the plain one: invincible glows, the second
  // state is pale.
  const uint8_t main[] = {kOrange, kGreen, kPurple, kGrey};
  const uint8_t glow = look == kLookInvincible ? kYellow : kGreyLight;
  if (look != kLookPlain) {
    for (uint8_t colour : main) canvas.Recolour(x, y, 32, 32, colour, glow);
  }
}

void DrawBlock(cCanvas& canvas, int32_t x, int32_t y, int32_t block) {
  switch (block) {
    case kBlockGround: Ground(canvas, x, y); break;
    case kBlockBrick: Brick(canvas, x, y); break;
    case kBlockGrass: Grass(canvas, x, y); break;
    case kBlockSpikes: Spikes(canvas, x, y); break;
    case kBlockSpring: Spring(canvas, x, y); break;
    case kBlockIce: Ice(canvas, x, y); break;
    case kBlockBeltLeft: Arrows(canvas, x, y, -1); break;
    case kBlockBeltRight: Arrows(canvas, x, y, 1); break;
    case kBlockCoinBox: CoinBox(canvas, x, y); break;
    case kBlockCloud: Cloud(canvas, x, y); break;
    default: break;
  }
}

void DrawItem(cCanvas& canvas, int32_t x, int32_t y, int32_t item, int32_t frame) {
  switch (item) {
    case kItemCoin: Coin(canvas, x, y, frame); break;
    case kItemHeart: Heart(canvas, x, y, frame); break;
    case kItemOneUp: OneUp(canvas, x, y, frame); break;
    case kItemGoal: GoalFlag(canvas, x, y, frame); break;
    case kItemFountain: Fountain(canvas, x, y, frame); break;
    case kItemSign: Sign(canvas, x, y, frame); break;
    default: break;
  }
}

void DrawShot(cCanvas& canvas, int32_t x, int32_t y, int32_t shot, int32_t frame) {
  if (shot == kShotEnemy) {
    canvas.Oval(x + 3, y + 3, 10, 10, kRedDark);
    canvas.Oval(x + 4, y + 4, 8, 8, frame == 0 ? kRed : kOrange);
    canvas.Fill(x + 6, y + 5, 2, 2, kWhite);
  } else if (shot == kShotHero) {
    // A four-pointed star turning by 45 degrees between the frames.
    if (frame == 0) {
      canvas.Fill(x + 7, y + 1, 2, 14, kYellow);
      canvas.Fill(x + 1, y + 7, 14, 2, kYellow);
    } else {
      canvas.Line(x + 2, y + 2, x + 13, y + 13, kYellow);
      canvas.Line(x + 13, y + 2, x + 2, y + 13, kYellow);
      canvas.Line(x + 3, y + 2, x + 13, y + 12, kYellow);
      canvas.Line(x + 12, y + 2, x + 2, y + 12, kYellow);
    }
    canvas.Oval(x + 5, y + 5, 6, 6, kWhite);
  }
}
