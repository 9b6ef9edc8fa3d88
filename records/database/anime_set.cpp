#include "records/database/anime_set.h"

#include "records/database/database_versions.h"
#include "records/record/record_visitor.h"

namespace {

// Names of the base animations, by index.
const char* const kBaseAnimeNames[cAnimeSet::kBaseAnimes] = {"立ち", "立ち移動", "飛行", "飛行移動"};

}  // namespace

cAnimeSet::cAnimeSet() {
  ClearFields();
  m_nPatternAdd1 = 4;
  m_nPatternAdd2 = 8;
  for (const char* name : kBaseAnimeNames) m_Animes.push_back(cAnime(name));
}

void cAnimeSet::RegisterFields(int32_t nVersion) {
  ResetFieldTables();
  AddIntField(&m_nPatternAdd1);
  AddIntField(&m_nPatternAdd2);
  if (nVersion >= kVersionPatternAdd3) AddIntField(&m_nPatternAdd3);
  AddStringField(&m_strName);
}

bool cAnimeSet::Load(cRecordReader& reader) {
  if (!cRecord::Load(reader) || !LoadRecordList(reader, m_Animes)) return false;
  MigrateAnimes(reader.FileVersion());
  return true;
}

void cAnimeSet::Save(cRecordWriter& writer) {
  cRecord::Save(writer);
  SaveRecordList(writer, m_Animes);
}

void cAnimeSet::VisitAppended(cRecordVisitor& visitor) {
  visitor.List("m_Animes", m_Animes);
}

void cAnimeSet::MigrateAnimes(int32_t fileVersion) {
  // The chara drawing reads the four base animations by index, so a set that
  // holds fewer (a damaged or hand-made file) gets default ones appended.
  // Older files held exactly four, with the flying ones under other names.
  if (fileVersion < kVersionFourBaseAnimes) {
    m_Animes.resize(kBaseAnimes);
    m_Animes.CheckedVectorAt(2).m_strName = kBaseAnimeNames[2];
    m_Animes.CheckedVectorAt(3).m_strName = kBaseAnimeNames[3];
  } else if (m_Animes.VectorSize() < kBaseAnimes) {
    m_Animes.resize(kBaseAnimes);
  }
}
