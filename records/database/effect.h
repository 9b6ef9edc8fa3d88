#pragma once
// cEffect: an effect animation drawn at a point. Pattern n is the cell at
// x = n x m_nWidth, y = 0 of its picture. The frames are appended after the
// record.

#include <cstdint>
#include <string>

#include "core/containers/checked_vector.h"
#include "records/database/effect_frame.h"
#include "records/record/record.h"

class cEffect : public cRecordOf<cEffect> {
 public:
  std::string m_strName;
  int32_t m_nExtra = 0;  // kept and written back; not read by the player
  std::string m_strFile;
  int32_t m_nWidth = 32;  // cell size, dots
  int32_t m_nHeight = 32;
  int32_t m_bScaleWithHit = 0;  // non-zero: a hit effect grows with the hitter's scale above 1
  cVector<cEffectFrame> m_Frames;

  cEffect() { SetDefaults(); }

  // 32 x 32 cells, one default frame.
  void SetDefaults();

  void RegisterFields(int32_t nVersion) override;
  bool Load(cRecordReader& reader) override;
  void Save(cRecordWriter& writer) override;
  void VisitAppended(cRecordVisitor& visitor) override;
};

// Empties frames, appends as many default frames as the file counts and loads
// each.
bool LoadEffectFrameList(cVector<cEffectFrame>& frames, cRecordReader& reader);
