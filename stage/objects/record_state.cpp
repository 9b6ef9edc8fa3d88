#include "stage/objects/record_state.h"

#include <algorithm>
#include <string>

#include "records/record/record.h"
#include "records/record/record_field_name.h"
#include "records/record/record_visitor.h"
#include "stage/objects/state_visitor.h"

namespace record_state {

void VisitElement(cStateVisitor& visitor, std::string_view name, const cValueView& view, std::size_t i) {
  switch (view.nType) {
    case eFieldType::Float:
      visitor.Value(name, view.DoubleAt(i));
      break;
    case eFieldType::Unsigned:
      visitor.Int(name, static_cast<int64_t>(view.UnsignedAt(i)), view.bySize);
      break;
    case eFieldType::Signed:
    default:
      visitor.Int(name, view.SignedAt(i), view.bySize);
      break;
  }
}

void VisitValues(cStateVisitor& visitor, std::string_view name, const cValueView& view, bool bArray) {
  if (!bArray) {
    VisitElement(visitor, name, view, 0);
    return;
  }
  visitor.Sequence(name, static_cast<int64_t>(view.nCount), [&] {
    for (std::size_t i = 0; i < view.nCount; ++i) VisitElement(visitor, std::string_view(), view, i);
  });
}

// Forwards what a record's VisitAppended shows.
class cAppendedToState : public cRecordVisitor {
 public:
  explicit cAppendedToState(cStateVisitor& visitor) : m_Visitor(visitor) {}

 protected:
  void OnValue(std::string_view name, const cValueView& value) override {
    VisitValues(m_Visitor, name, value, false);
  }
  void OnValueList(std::string_view name, const cValueView& values) override {
    VisitValues(m_Visitor, name, values, true);
  }
  void OnTextList(std::string_view name, std::span<const std::string> texts) override {
    m_Visitor.Sequence(name, static_cast<int64_t>(texts.size()), [&] {
      for (const std::string& text : texts) m_Visitor.Text(std::string_view(), text);
    });
  }
  void OnRecordList(std::string_view name, std::span<cRecord* const> records) override {
    m_Visitor.Sequence(name, static_cast<int64_t>(records.size()), [&] {
      for (cRecord* record : records) m_Visitor.Record(std::string_view(), *record);
    });
  }
  void OnRecord(std::string_view name, cRecord& record) override { m_Visitor.Record(name, record); }
  void OnPart(std::string_view name, cRecord* record) override {
    // The presence flag first, as the file has it.
    m_Visitor.Sequence(name, record != nullptr ? 1 : 0, [&] {
      if (record != nullptr) m_Visitor.Record(std::string_view(), *record);
    });
  }

 private:
  cStateVisitor& m_Visitor;
};

}  // namespace record_state

void VisitRecordFields(cRecord& record, cStateVisitor& visitor, std::initializer_list<std::string_view> skipped) {
  record.RegisterFields(g_nDataVersion);  // copies carry no tables
  auto isSkipped = [&](const std::string& name) {
    return std::find(skipped.begin(), skipped.end(), name) != skipped.end();
  };
  for (const FIELDDATA& field : record.FieldTable()) {
    const std::string name = RegisteredMemberName(field.lpName);
    if (isSkipped(name)) continue;
    const bool bArray = field.nCount != 1 || RegisteredWithCount(field.lpName);
    record_state::VisitValues(visitor, name, FieldValues(field), bArray);
  }
  for (const STRFIELDDATA& field : record.StringTable()) {
    const std::string name = RegisteredMemberName(field.lpName);
    if (!isSkipped(name)) visitor.Text(name, *field.lpString);
  }
}

void VisitRecordAppended(cRecord& record, cStateVisitor& visitor) {
  record_state::cAppendedToState forward(visitor);
  record.VisitAppended(forward);
}

void VisitRecordState(cRecord& record, cStateVisitor& visitor) {
  VisitRecordFields(record, visitor);
  VisitRecordAppended(record, visitor);
}
