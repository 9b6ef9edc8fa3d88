#pragma once
// The migration of chara parts stored by older data versions: members those
// versions did not store get the value that reproduces the old behaviour, old
// numberings are brought to today's, and the inherit flags make room for the
// property groups added since (a group new to the part is inherited).

#include <cstdint>

#include "core/containers/checked_vector.h"

class cCharaDef;

// Data versions below which a chara part is migrated (besides the ones that
// added stored members, chara_def.h).
constexpr int32_t kCharaHitRangeRenumberBelow = 206;  // "32×32" moved from 2 to 3

// Makes flags kCharaGroupCount long (new flags 0, surplus dropped), moves every
// flag from group on up by one (the last one's value is lost) and sets the flag
// of group. A group outside the flags only resizes.
void InsertInheritFlag(cVector<int8_t>& flags, int32_t group);

// The migration steps for a part loaded from a file of fileVersion, in order;
// nothing for a file of the current version.
void MigrateCharaDef(cCharaDef& def, int32_t fileVersion);
