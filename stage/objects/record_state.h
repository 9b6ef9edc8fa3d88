#pragma once
// Data records shown to a state visitor as plain members: every registered
// field and string under its member's name, then what VisitAppended shows.
// The digest walks embedded records (a chara's definition, an item's part, the
// save data) this way.

#include <initializer_list>
#include <string_view>

class cRecord;
class cStateVisitor;

// The registered fields and strings, but those named in skipped.
void VisitRecordFields(cRecord& record, cStateVisitor& visitor, std::initializer_list<std::string_view> skipped = {});
// What the record appends after them.
void VisitRecordAppended(cRecord& record, cStateVisitor& visitor);
// Both.
void VisitRecordState(cRecord& record, cStateVisitor& visitor);
