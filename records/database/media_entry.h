#pragma once
// cMediaEntry: the shape the picture, sound and music records share: a name,
// a pass-through member and the file they name. Not used on its own.

#include <cstdint>
#include <string>

#include "records/record/record.h"

class cMediaEntry : public cRecord {
 public:
  std::string m_strName;
  int32_t m_nExtra = 0;  // kept and written back; not read by the player
  std::string m_strFile;

  void RegisterFields(int32_t nVersion) override;
  bool Load(cRecordReader& reader) override;

 protected:
  cMediaEntry() = default;
};
