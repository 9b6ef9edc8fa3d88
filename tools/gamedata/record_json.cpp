#include "tools/gamedata/record_json.h"

#include <string>

#include "core/text/cp932.h"
#include "records/record/record_field_name.h"

namespace {

Json ElementToJson(const cValueView& view, std::size_t i) {
  switch (view.nType) {
    case eFieldType::Float:
      return view.DoubleAt(i);
    case eFieldType::Unsigned:
      return view.UnsignedAt(i);
    case eFieldType::Signed:
    default:
      return view.SignedAt(i);
  }
}

Json ArrayToJson(const cValueView& view) {
  Json array = Json::array();
  for (std::size_t i = 0; i < view.nCount; ++i) array.push_back(ElementToJson(view, i));
  return array;
}

Json TextToJson(const std::string& text) { return Cp932ToUtf8Lossy(text); }

// A registered member is an array when its registration gave a count (even
// of 1) or registered other than one element.
Json FieldToJson(const FIELDDATA& field) {
  const cValueView values = FieldValues(field);
  if (field.nCount != 1 || RegisteredWithCount(field.lpName)) return ArrayToJson(values);
  return ElementToJson(values, 0);
}

}  // namespace

void cJsonVisitor::Add(std::string_view name, Json value) {
  std::string key(name);
  for (int n = 2; m_Object.contains(key); ++n) key = std::string(name) + "#" + std::to_string(n);
  m_Object[key] = std::move(value);
}

void cJsonVisitor::OnValue(std::string_view name, const cValueView& value) {
  Add(name, ElementToJson(value, 0));
}

void cJsonVisitor::OnValueList(std::string_view name, const cValueView& values) {
  Add(name, ArrayToJson(values));
}

void cJsonVisitor::OnTextList(std::string_view name, std::span<const std::string> texts) {
  Json array = Json::array();
  for (const std::string& text : texts) array.push_back(TextToJson(text));
  Add(name, std::move(array));
}

void cJsonVisitor::OnRecordList(std::string_view name, std::span<cRecord* const> records) {
  Json array = Json::array();
  for (cRecord* record : records) array.push_back(RecordToJson(*record));
  Add(name, std::move(array));
}

void cJsonVisitor::OnRecord(std::string_view name, cRecord& record) {
  Add(name, RecordToJson(record));
}

void cJsonVisitor::OnPart(std::string_view name, cRecord* record) {
  Add(name, record != nullptr ? RecordToJson(*record) : Json(nullptr));
}

Json RecordToJson(cRecord& record) {
  Json object = Json::object();
  cJsonVisitor visitor(object);
  // Loads and saves leave the record registered at the current version; a
  // record built by hand may not be.
  record.RegisterFields(g_nDataVersion);
  for (const FIELDDATA& field : record.FieldTable()) {
    visitor.Add(RegisteredMemberName(field.lpName), FieldToJson(field));
  }
  for (const STRFIELDDATA& entry : record.StringTable()) {
    visitor.Add(RegisteredMemberName(entry.lpName), TextToJson(*entry.lpString));
  }
  record.VisitAppended(visitor);
  return object;
}
