#include "tools/sample/data/sample_database.h"

#include <initializer_list>
#include <utility>

#include "tools/sample/sample_catalog.h"

namespace {

// One animation: (pattern, tenths of a second) per frame.
cAnime AnimeOf(const char* name, std::initializer_list<std::pair<int32_t, int32_t>> frames) {
  cAnime anime(name);
  anime.m_Frames.clear();
  for (const auto& [pattern, duration] : frames) {
    cAnimeFrame frame;
    frame.m_nPattern = pattern;
    frame.m_nDuration = duration;
    anime.m_Frames.push_back(frame);
  }
  return anime;
}

// A set's four base animations: standing, moving, flying, moving while flying.
// Patterns are the columns of the chara's row in its sheet; the invincible and
// second-state looks lie 4 and 8 columns further.
cAnimeSet AnimeSetOf(const char* name, cAnime standing, cAnime moving, cAnime flying, cAnime flyingMove) {
  cAnimeSet set;
  set.m_strName = name;
  set.m_nPatternAdd1 = 4;
  set.m_nPatternAdd2 = 8;
  set.m_nPatternAdd3 = 0;
  set.m_Animes = {std::move(standing), std::move(moving), std::move(flying), std::move(flyingMove)};
  return set;
}

void AddAnimeSets(cDatabase& db) {
  db.m_AnimeSets.clear();
  db.m_AnimeSets.push_back(AnimeSetOf("なし", AnimeOf("立ち", {{0, 1}}), AnimeOf("立ち移動", {{0, 1}}),
                                      AnimeOf("飛行", {{0, 1}}), AnimeOf("飛行移動", {{0, 1}})));
  db.m_AnimeSets.push_back(AnimeSetOf("主人公", AnimeOf("立ち", {{0, 1}}),
                                      AnimeOf("立ち移動", {{1, 1}, {0, 1}, {2, 1}, {0, 1}}),
                                      AnimeOf("飛行", {{3, 1}}), AnimeOf("飛行移動", {{3, 1}})));
  db.m_AnimeSets.push_back(AnimeSetOf("歩く敵", AnimeOf("立ち", {{0, 2}, {1, 2}}),
                                      AnimeOf("立ち移動", {{0, 2}, {1, 2}}),
                                      AnimeOf("飛行", {{2, 1}, {3, 1}}), AnimeOf("飛行移動", {{2, 1}, {3, 1}})));
  db.m_AnimeSets.push_back(AnimeSetOf("止まった敵", AnimeOf("立ち", {{0, 3}, {1, 3}}),
                                      AnimeOf("立ち移動", {{0, 3}, {1, 3}}), AnimeOf("飛行", {{2, 1}}),
                                      AnimeOf("飛行移動", {{2, 1}})));
}

void AddAnimes(cDatabase& db) {
  db.m_Animes.clear();
  db.m_Animes.push_back(AnimeOf("なし", {{0, 1}}));
  db.m_Animes.push_back(AnimeOf("アクションA", {{2, 2}, {3, 2}}));
  db.m_Animes.push_back(AnimeOf("ジャンプ", {{3, 3}}));
  db.m_Animes.push_back(AnimeOf("ショット", {{2, 2}}));
}

template <class Entry>
Entry MediaOf(const char* name, const char* file) {
  Entry entry;
  entry.m_strName = name;
  entry.m_strFile = file;
  return entry;
}

cEffect EffectOf(const char* name, const char* file, int32_t tenthsPerCell) {
  cEffect effect;
  effect.m_strName = name;
  effect.m_strFile = file;
  effect.m_nWidth = 32;
  effect.m_nHeight = 32;
  effect.m_Frames.clear();
  for (int32_t cell = 0; cell < kEffectCells; ++cell) {
    cEffectFrame frame;
    frame.m_nPattern = cell;
    frame.m_nDuration = tenthsPerCell;
    effect.m_Frames.push_back(frame);
  }
  return effect;
}

// The sword picture holds three 32 x 32 cells: raised, level, lowered.
cSwordType SwordOf(const char* name) {
  cSwordType sword;
  sword.m_strName = name;
  sword.m_strFile = kSwordFile;
  sword.m_strFile2 = kSwordFile;
  sword.m_Entries.clear();
  for (int32_t step = 0; step < 3; ++step) {
    cSwordTypeEntry entry;
    entry.m_nOffsetX = 4;
    entry.m_nOffsetY = -8 + 8 * step;
    entry.m_bMirrorX = 1;
    entry.m_nDirection = 0;
    entry.m_nSrcX = 32 * step;
    entry.m_nSrcY = 0;
    entry.m_nWidth = 32;
    entry.m_nHeight = 32;
    entry.m_nDuration = 1;
    sword.m_Entries.push_back(entry);
  }
  return sword;
}

template <class Effect>
Effect EffectSettingsOf(const char* name, int32_t kind, std::initializer_list<int32_t> params) {
  Effect effect;
  effect.m_strName = name;
  effect.m_nKind = kind;
  int32_t i = 0;
  for (int32_t value : params) effect.m_nParams[i++] = value;
  return effect;
}

void AddMedia(cDatabase& db) {
  db.m_BmpCharaExcs.clear();
  db.m_BmpCharaExcs.push_back(MediaOf<cBmpCharaExc>("なし", kExclusiveCharaFile));
  cBmpCharaExc big = MediaOf<cBmpCharaExc>("大きな敵", kExclusiveCharaFile);
  big.m_bCellSize = 1;
  big.m_nCellSize = 2;
  db.m_BmpCharaExcs.push_back(big);

  db.m_SwordTypes.clear();
  db.m_SwordTypes.push_back(SwordOf("剣"));

  db.m_Effects.clear();
  db.m_Effects.push_back(EffectOf("煙", kEffectSmokeFile, 1));
  db.m_Effects.push_back(EffectOf("ヒット", kEffectHitFile, 1));

  // Entry 0 of both lists is the "none" entry; the loader forces its kind to 0.
  db.m_CharaEffects.clear();
  db.m_CharaEffects.push_back(EffectSettingsOf<cCharaEffect>("なし", 0, {}));
  db.m_CharaEffects.push_back(EffectSettingsOf<cCharaEffect>("点滅", 1, {0, 100, 3, 0, 10}));
  db.m_ScrEffects.clear();
  db.m_ScrEffects.push_back(EffectSettingsOf<cScrEffect>("なし", 0, {}));
  db.m_ScrEffects.push_back(EffectSettingsOf<cScrEffect>("フラッシュ", 1, {0, 100, 3, 0, 10}));

  db.m_Pictures.clear();
  db.m_Pictures.push_back(MediaOf<cPicture>("なし", kPictureFile));
  db.m_Pictures.push_back(MediaOf<cPicture>("看板", kPictureFile));

  db.m_Sounds.clear();
  for (const cSoundEntry& sound : kDatabaseSounds) db.m_Sounds.push_back(MediaOf<cSound>(sound.lpName, sound.lpFile));

  db.m_Bgms.clear();
  for (const cSongEntry& song : kSongs) {
    cBgm bgm = MediaOf<cBgm>(song.lpName, song.lpFile);
    bgm.m_nVolume = 100;
    db.m_Bgms.push_back(bgm);
  }
}

}  // namespace

cDatabase BuildSampleDatabase() {
  cDatabase db;
  AddAnimeSets(db);
  AddAnimes(db);
  AddMedia(db);
  return db;
}

cValidateContext SampleValidateContext(const cDatabase& database) {
  cValidateContext context = cValidateContext::Defaults();
  const std::pair<eDatabaseList, std::size_t> sizes[] = {
      {eDatabaseList::AnimeSet, database.m_AnimeSets.size()},
      {eDatabaseList::Anime, database.m_Animes.size()},
      {eDatabaseList::BmpCharaExc, database.m_BmpCharaExcs.size()},
      {eDatabaseList::Effect, database.m_Effects.size()},
      {eDatabaseList::CharaEffect, database.m_CharaEffects.size()},
      {eDatabaseList::ScrEffect, database.m_ScrEffects.size()},
      {eDatabaseList::Picture, database.m_Pictures.size()},
      {eDatabaseList::Sound, database.m_Sounds.size()},
      {eDatabaseList::Bgm, database.m_Bgms.size()},
  };
  for (const auto& [list, size] : sizes) context.SetListSize(list, static_cast<uint32_t>(size));
  context.swordStepDurations.clear();
  for (const cSwordType& sword : database.m_SwordTypes) {
    std::vector<int32_t> steps;
    for (const cSwordTypeEntry& entry : sword.m_Entries) steps.push_back(entry.m_nDuration);
    context.swordStepDurations.push_back(steps);
  }
  return context;
}
