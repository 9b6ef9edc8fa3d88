#pragma once
// A record tree as JSON: every registered field and string under its member's
// name in registration order, then what the class appends, as VisitAppended
// shows it. Text is converted from CP932 to UTF-8 (bytes the code page does not
// define become '?'); arrays and lists become JSON arrays; an absent optional
// part is null.

#include <string_view>

#include <nlohmann/json.hpp>

#include "records/record/record.h"
#include "records/record/record_visitor.h"

using Json = nlohmann::ordered_json;

// The record at the current data version's layout.
Json RecordToJson(cRecord& record);

// Collects what a visitor is shown into one JSON object, member by member. The
// parts of a file are shown to it the same way as the appended data of a record.
class cJsonVisitor : public cRecordVisitor {
 public:
  explicit cJsonVisitor(Json& object) : m_Object(object) {}

  // Adds a member. A name met twice (a string registered with a count above 1,
  // or a class registering through an unnamed pointer) keeps every value: the
  // later ones get "#2", "#3" after the name.
  void Add(std::string_view name, Json value);

 protected:
  void OnValue(std::string_view name, const cValueView& value) override;
  void OnValueList(std::string_view name, const cValueView& values) override;
  void OnTextList(std::string_view name, std::span<const std::string> texts) override;
  void OnRecordList(std::string_view name, std::span<cRecord* const> records) override;
  void OnRecord(std::string_view name, cRecord& record) override;
  void OnPart(std::string_view name, cRecord* record) override;

 private:
  Json& m_Object;
};
