// Member names kept by registration: the text of each Add...Field argument,
// reduced to the member's name; every class's names are plain and distinct, so
// a tool can show a record member by member.

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "records/record/record_field_name.h"
#include "sample_records.h"
#include "visited_records.h"

namespace {

struct NameCase {
  const char* text;
  const char* name;
  bool withCount;
};

TEST(RecordNamesTest, MemberNameFromRegistrationText) {
  const NameCase cases[] = {
      {"&m_nKind", "m_nKind", false},
      {"m_nPos, 2", "m_nPos", true},
      {"m_nParams, kParams", "m_nParams", true},
      {"&m_nDiscarded[1]", "m_nDiscarded[1]", false},
      {" & this->m_nValue ", "m_nValue", false},
      {"m_szTag, 1", "m_szTag", true},
      {"", "", false},
  };
  for (const NameCase& c : cases) {
    EXPECT_EQ(RegisteredMemberName(c.text), c.name) << c.text;
    EXPECT_EQ(RegisteredWithCount(c.text), c.withCount) << c.text;
  }
}

TEST(RecordNamesTest, RegistrationKeepsTheArgumentTextAndTheElementType) {
  cVersionedRecord record;
  record.RegisterFields(g_nDataVersion);
  const cVector<FIELDDATA>& fields = record.FieldTable();
  ASSERT_EQ(fields.size(), 4u);
  EXPECT_STREQ(fields.CheckedVectorAt(0).lpName, "&m_nBase");
  EXPECT_EQ(fields.CheckedVectorAt(0).nType, eFieldType::Signed);
  EXPECT_STREQ(fields.CheckedVectorAt(1).lpName, "m_nPair, 2");
  EXPECT_EQ(fields.CheckedVectorAt(1).nType, eFieldType::Signed);
  EXPECT_EQ(fields.CheckedVectorAt(2).nType, eFieldType::Float);
  EXPECT_EQ(fields.CheckedVectorAt(3).nType, eFieldType::Unsigned);
  EXPECT_STREQ(record.StringTable().CheckedVectorAt(0).lpName, "&m_strName");
}

// A registration through a pointer variable or a member-pointer table would
// name every member alike ("field"); such classes must pass the names.
TEST(RecordNamesTest, EveryClassNamesEachMemberOnceAndPlainly) {
  const std::regex plain("[A-Za-z_][A-Za-z0-9_]*(\\[[0-9]+\\])?");
  for (const cVisitedRecord& sample : VisitedRecords()) {
    std::unique_ptr<cRecord> record = sample.make();
    record->RegisterFields(g_nDataVersion);
    std::set<std::string> seen;
    auto check = [&](const char* text) {
      const std::string name = RegisteredMemberName(text);
      EXPECT_TRUE(std::regex_match(name, plain)) << sample.name << ": \"" << text << "\"";
      EXPECT_TRUE(seen.insert(name).second) << sample.name << ": " << name << " twice";
    };
    for (const FIELDDATA& field : record->FieldTable()) check(field.lpName);
    for (const STRFIELDDATA& entry : record->StringTable()) check(entry.lpName);
  }
}

}  // namespace
