#pragma once
// cSwordType: the look and the swing of a sword. Its entries, the steps of the
// swing, are appended after the record.

#include <cstdint>
#include <string>

#include "core/containers/checked_vector.h"
#include "records/database/sword_type_entry.h"
#include "records/record/record.h"

class cSwordType : public cRecordOf<cSwordType> {
 public:
  std::string m_strName;
  int32_t m_nExtra = 0;    // kept and written back; not read by the player
  std::string m_strFile;   // first picture file
  std::string m_strFile2;  // second picture file
  cVector<cSwordTypeEntry> m_Entries;

  cSwordType() { SetDefaults(); }

  // The entry a new sword type and every loaded entry start from: mirrored in x,
  // one tenth of a second long.
  static cSwordTypeEntry DefaultEntry();

  void SetDefaults();

  void RegisterFields(int32_t nVersion) override;
  bool Load(cRecordReader& reader) override;
  void Save(cRecordWriter& writer) override;
  void VisitAppended(cRecordVisitor& visitor) override;
};

// Files before version 828 held at most this many sword types; the editor of
// that time ignored any further ones, and so does the load.
inline constexpr int32_t kMaxOldSwordTypes = 128;

// The reader of SwordType.dat's list: the elements as any database list, then
// the cut of older files.
bool LoadSwordTypeList(cRecordReader& reader, cVector<cSwordType>& list);
