#pragma once
// cCondList: the condition list a command carries ("フローの操作" acts on the
// flows whose list holds). Unlike the lists of flows and parts it keeps a
// switch of its own and no once flag.
//
// Stored form: fields m_bUseConditions and m_nMode, no strings, then (from
// data version kCondListConditionsVersion on) the conditions as a list.

#include <cstdint>
#include <memory>

#include "core/containers/checked_vector.h"
#include "records/record/record.h"
#include "records/script/condition.h"

// List modes, shared by every owner of a condition list.
enum eCondListMode : int8_t {
  kCondListAll = 0,  // "全ての条件が真なら成立"
  kCondListAny = 1,  // "1つ以上の条件が真なら成立"
};

// Files of older data versions store the two bytes only.
constexpr int32_t kCondListConditionsVersion = 766;

class cCondList : public cRecordOf<cCondList> {
 public:
  // 0: the owning command acts without testing the list.
  int8_t m_bUseConditions = 0;
  int8_t m_nMode = 0;  // eCondListMode
  cVector<cCondition> m_Conditions;

  // Both bytes 0, no conditions.
  cCondList();

  void RegisterFields(int32_t nVersion) override;
  bool Load(cRecordReader& reader) override;
  void Save(cRecordWriter& writer) override;
  void VisitAppended(cRecordVisitor& visitor) override;

  bool operator==(const cCondList& other) const;
};

// The command's holder of its condition list (absent when empty).
using cCondListHolder = std::shared_ptr<cCondList>;

// Makes holder own a new default cCondList (whatever it held is released).
void NewCondList(cCondListHolder& holder);
