#pragma once
// cAnime: one named frame animation; the elements of Anime.dat and of every
// anime set. Its frames are appended after the record.

#include <cstdint>
#include <string>
#include <utility>

#include "core/containers/checked_vector.h"
#include "records/database/anime_frame.h"
#include "records/record/record.h"

class cAnime : public cRecordOf<cAnime> {
 public:
  std::string m_strName;
  cVector<cAnimeFrame> m_Frames;  // in playing order
  // Kept and written back; the player does not read them.
  int16_t m_shExtra1 = 0;
  int8_t m_byExtra2 = 1;
  int16_t m_shExtra3 = 0;

  cAnime() { SetDefaults(); }
  explicit cAnime(std::string name) : cAnime() { m_strName = std::move(name); }

  // One default frame, m_byExtra2 1, everything else zero or empty.
  void SetDefaults();

  void RegisterFields(int32_t nVersion) override;
  bool Load(cRecordReader& reader) override;
  void Save(cRecordWriter& writer) override;
  void VisitAppended(cRecordVisitor& visitor) override;
};
