#pragma once
// The sample project's database: a few animation sets for the hero and the
// enemies, effect strips, one exclusive chara bitmap, one sword, the picture of
// the picture command, the sounds and the music of the catalogue.

#include "records/database/database.h"
#include "records/script/validate_context.h"

// Anime sets of the sample (indices into m_AnimeSets).
inline constexpr int32_t kAnimeSetNone = 0;
inline constexpr int32_t kAnimeSetHero = 1;
inline constexpr int32_t kAnimeSetWalker = 2;
inline constexpr int32_t kAnimeSetStill = 3;

// Effects (indices into m_Effects).
inline constexpr int32_t kEffectSmoke = 0;
inline constexpr int32_t kEffectHit = 1;

cDatabase BuildSampleDatabase();

// What flows and parts are validated against: the sizes of database.
cValidateContext SampleValidateContext(const cDatabase& database);
