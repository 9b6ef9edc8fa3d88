#pragma once
// cAnimeSet: the base animations of a chara, by index: 0 standing, 1 moving
// while standing, 2 flying, 3 moving while flying. Its animes are appended after
// the record.

#include <cstdint>
#include <string>

#include "core/containers/checked_vector.h"
#include "records/database/anime.h"
#include "records/record/record.h"

class cAnimeSet : public cRecordOf<cAnimeSet> {
 public:
  // The base animations every set has; a set never holds fewer.
  static constexpr int32_t kBaseAnimes = 4;

  std::string m_strName;
  // Offsets the chara drawing adds to the graphic number while a state is on:
  // invincible, a further state flag, flying.
  int32_t m_nPatternAdd1 = 4;
  int32_t m_nPatternAdd2 = 8;
  int32_t m_nPatternAdd3 = 0;
  cVector<cAnime> m_Animes;

  cAnimeSet();

  void RegisterFields(int32_t nVersion) override;
  bool Load(cRecordReader& reader) override;
  void Save(cRecordWriter& writer) override;
  void VisitAppended(cRecordVisitor& visitor) override;

 private:
  void MigrateAnimes(int32_t fileVersion);
};
