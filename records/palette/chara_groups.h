#pragma once
// The property groups of a chara part: inherit flag i of a part selects group i,
// the members copied from its template.
//
//   0 name                       19 block chara
//   1 control, player number     20 giant scale
//   2 object group               21 auto-scroll sync
//   3 chara ID                   22 sight shape and radius
//   4 conditions, mode, once     23 max HP
//   5 facing                     24 max SP
//   6 copies                     25 hit range
//   7 x offset, step, mirror     26 power
//   8 y offset, step, mirror     27 impact
//   9 graphic source, graphic, cell   28 attack effect
//  10 anime set                  29 defence
//  11 z                          30 impact resistance
//  12 transparent                31 stop
//  13 start effect, mode, loop   32 active range, activation
//  14 death effect, mode         33 activation group and its switch
//  15 mark display, mark         34 score
//  16 fixed facing               35 extra 1
//  17 fly                        36 flows
//  18 invincible, its look

#include <array>
#include <cstdint>

#include "records/palette/palette_part.h"

class cCharaDef;

constexpr int32_t kCharaGroupCount = 37;
constexpr int32_t kCharaGroupFlows = 36;

// The copy of each group, indexed by inherit flag. The flows group makes the
// part's flows those of the template; when the template has none, the part
// gets one empty flow (key slack 3), which cCharaDef::Validate removes again.
extern const std::array<cGroupCopy<cCharaDef>, kCharaGroupCount> kCharaGroupCopies;
