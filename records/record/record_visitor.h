#pragma once
// cRecordVisitor: what tools see of the data a record class appends after its
// registered fields and strings. A class that appends anything overrides
// cRecord::VisitAppended and names each appended member, in the order its Save
// writes them at the current data version:
//
//   void cFlowCmd::VisitAppended(cRecordVisitor& visitor) {
//     visitor.Part("m_Move", m_Move.get());     // optional: null when absent
//     visitor.Record("m_Chara", m_Chara);       // a nested record always stored
//     visitor.List("m_SubFlows", m_SubFlows);   // records, texts or plain values
//     visitor.Value("m_nX", m_nX);              // one plain value written alone
//   }
//
// The visitor sees plain values through cValueView, the same view the
// registered fields give (FieldValues), so one reader serves both.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "records/record/record.h"

// Elements of one plain type lying one after the other.
struct cValueView {
  const void* lpData = nullptr;
  std::size_t nCount = 0;
  uint8_t bySize = 0;  // 1, 2, 4 or 8
  eFieldType nType = eFieldType::Signed;

  template <class T>
  static cValueView Of(const T* data, std::size_t count) {
    static_assert(std::is_arithmetic_v<T> && !std::is_same_v<T, bool> && sizeof(T) <= 8);
    constexpr eFieldType type = std::is_floating_point_v<T> ? eFieldType::Float
                                : std::is_signed_v<T>       ? eFieldType::Signed
                                                            : eFieldType::Unsigned;
    return cValueView{data, count, static_cast<uint8_t>(sizeof(T)), type};
  }

  // Element i (below nCount): SignedAt and UnsignedAt of an integer view (as
  // its nType says), DoubleAt of any.
  int64_t SignedAt(std::size_t i) const;
  uint64_t UnsignedAt(std::size_t i) const;
  double DoubleAt(std::size_t i) const;
};

// The elements a registered field names.
cValueView FieldValues(const FIELDDATA& field);

class cRecordVisitor {
 public:
  virtual ~cRecordVisitor() = default;

  // One plain value written on its own.
  template <class T>
  void Value(std::string_view name, const T& value) {
    OnValue(name, cValueView::Of(&value, 1));
  }

  // A list: of plain values, of texts (CP932, as stored) or of records.
  template <class Elements>
  void List(std::string_view name, Elements& list) {
    using T = typename Elements::value_type;
    if constexpr (std::is_arithmetic_v<T>) {
      OnValueList(name, cValueView::Of(list.data(), list.size()));
    } else if constexpr (std::is_same_v<T, std::string>) {
      OnTextList(name, std::span<const std::string>(list.data(), list.size()));
    } else {
      std::vector<cRecord*> records;
      records.reserve(list.size());
      for (auto& element : list) records.push_back(&element);
      OnRecordList(name, records);
    }
  }

  // A nested record that is always stored.
  void Record(std::string_view name, cRecord& record) { OnRecord(name, record); }

  // An optional part, stored after an int32 presence flag (1 and the record, or
  // 0); null when the record does not hold it.
  void Part(std::string_view name, cRecord* record) { OnPart(name, record); }

 protected:
  virtual void OnValue(std::string_view name, const cValueView& value) = 0;
  virtual void OnValueList(std::string_view name, const cValueView& values) = 0;
  virtual void OnTextList(std::string_view name, std::span<const std::string> texts) = 0;
  virtual void OnRecordList(std::string_view name, std::span<cRecord* const> records) = 0;
  virtual void OnRecord(std::string_view name, cRecord& record) = 0;
  virtual void OnPart(std::string_view name, cRecord* record) = 0;
};
