#pragma once
// cHeroCarry: the hero status kept for carrying over into the next stage, one per
// hero slot: a copy of the settings of the hero's chara part that can be carried,
// and the values that live outside it (HP, SP, time left, lives, music).
//
// Stored form: the record (the five ints), then the chara part's own form.

#include <cstdint>

#include "records/palette/chara_def.h"
#include "records/record/record.h"

class cHeroCarry : public cRecordOf<cHeroCarry> {
 public:
  cCharaDef m_Chara;
  int32_t m_nHp = 0;
  int32_t m_nSp = 0;
  int32_t m_nTimeLeft = 0;
  int32_t m_nLives = 0;
  int32_t m_nBgm = 0;

  // A default chara part and zeros.
  cHeroCarry();

  void RegisterFields(int32_t nVersion) override;
  bool Load(cRecordReader& reader) override;
  void Save(cRecordWriter& writer) override;
  void VisitAppended(cRecordVisitor& visitor) override;
};
