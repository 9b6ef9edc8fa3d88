#include "records/database/anime.h"

#include "records/database/database_versions.h"
#include "records/record/record_visitor.h"

void cAnime::SetDefaults() {
  ClearFields();
  m_Frames.clear();
  m_Frames.push_back(cAnimeFrame());
  m_byExtra2 = 1;
}

void cAnime::RegisterFields(int32_t nVersion) {
  ResetFieldTables();
  if (nVersion >= kVersionAnimeExtras) {
    AddShortField(&m_shExtra1);
    AddCharField(&m_byExtra2);
    AddShortField(&m_shExtra3);
  }
  AddStringField(&m_strName);
}

bool cAnime::Load(cRecordReader& reader) {
  return cRecord::Load(reader) && LoadRecordList(reader, m_Frames);
}

void cAnime::Save(cRecordWriter& writer) {
  cRecord::Save(writer);
  SaveRecordList(writer, m_Frames);
}

void cAnime::VisitAppended(cRecordVisitor& visitor) {
  visitor.List("m_Frames", m_Frames);
}
