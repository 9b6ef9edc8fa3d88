#pragma once
// cWorldNode: a point of the world map that carries stage entries. Stored as its
// record, then an int32 entry count and each cWorldStage record.

#include <cstdint>
#include <string>

#include "core/containers/checked_vector.h"
#include "records/record/record.h"
#include "records/worldmap/world_stage.h"

class cWorldNode : public cRecordOf<cWorldNode> {
 public:
  int32_t m_nX = 0;  // column
  int32_t m_nY = 0;  // row
  std::string m_strName;
  cVector<cWorldStage> m_Stages;  // tried in order; a new node has one default entry

  cWorldNode();

  // The same layout in every data version.
  void RegisterFields(int32_t nVersion) override;
  bool Load(cRecordReader& reader) override;
  void Save(cRecordWriter& writer) override;
  void VisitAppended(cRecordVisitor& visitor) override;
};
