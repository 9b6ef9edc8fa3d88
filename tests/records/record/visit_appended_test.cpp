// VisitAppended shows what Save appends, in Save's order: a record written
// from the registered fields and what the visitor is shown must be the bytes
// Save writes, for every class that appends anything.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "records/record/record_file.h"
#include "records/record/record_text.h"
#include "records/record/record_visitor.h"
#include "visited_records.h"

namespace {

// Writes a record as the visitor sees it: the base record, then each appended
// member in the stored form of its kind.
class cImageVisitor : public cRecordVisitor {
 public:
  explicit cImageVisitor(cRecordWriter& writer) : m_Writer(writer) {}

  static void WriteRecord(cRecordWriter& writer, cRecord& record) {
    record.cRecord::Save(writer);
    cImageVisitor visitor(writer);
    record.VisitAppended(visitor);
  }

 protected:
  void OnValue(std::string_view, const cValueView& value) override { WriteValues(value); }
  void OnValueList(std::string_view, const cValueView& values) override {
    m_Writer.Write(static_cast<int32_t>(values.nCount));
    WriteValues(values);
  }
  void OnTextList(std::string_view, std::span<const std::string> texts) override {
    m_Writer.Write(static_cast<int32_t>(texts.size()));
    for (std::string text : texts) WriteStoredText(m_Writer, text);
  }
  void OnRecordList(std::string_view, std::span<cRecord* const> records) override {
    m_Writer.Write(static_cast<int32_t>(records.size()));
    for (cRecord* record : records) WriteRecord(m_Writer, *record);
  }
  void OnRecord(std::string_view, cRecord& record) override { WriteRecord(m_Writer, record); }
  void OnPart(std::string_view, cRecord* record) override {
    m_Writer.Write(static_cast<int32_t>(record != nullptr ? 1 : 0));
    if (record != nullptr) WriteRecord(m_Writer, *record);
  }

 private:
  void WriteValues(const cValueView& values) {
    m_Writer.WriteBytes(values.lpData, values.nCount * values.bySize);
  }
  cRecordWriter& m_Writer;
};

std::vector<uint8_t> VisitedImage(cRecord& record) {
  cRecordWriter writer(g_nDataVersion);
  writer.Write(g_nDataVersion);
  cImageVisitor::WriteRecord(writer, record);
  return writer.TakeBytes();
}

// Where two images part, or -1 when they are the same: an offset says more
// than two dumps of a thousand bytes.
long FirstDifference(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    if (a[i] != b[i]) return static_cast<long>(i);
  }
  return a.size() == b.size() ? -1 : static_cast<long>(common);
}

TEST(VisitAppendedTest, ShowsEveryAppendedMemberInSaveOrder) {
  for (const cVisitedRecord& sample : VisitedRecords()) {
    if (!sample.bCommonForms) continue;
    std::unique_ptr<cRecord> record = sample.make();
    // Save first: it validates, and the visit shows the record as saved.
    const std::vector<uint8_t> saved = SaveRecordImage(*record);
    EXPECT_EQ(FirstDifference(VisitedImage(*record), saved), -1)
        << sample.name << ": " << saved.size() << " bytes saved";
  }
}

// Names of what is shown, for one class with every kind of appended member.
class cNameVisitor : public cRecordVisitor {
 public:
  std::vector<std::string> names;

 protected:
  void OnValue(std::string_view name, const cValueView&) override { names.emplace_back(name); }
  void OnValueList(std::string_view name, const cValueView&) override { names.emplace_back(name); }
  void OnTextList(std::string_view name, std::span<const std::string>) override {
    names.emplace_back(name);
  }
  void OnRecordList(std::string_view name, std::span<cRecord* const>) override {
    names.emplace_back(name);
  }
  void OnRecord(std::string_view name, cRecord&) override { names.emplace_back(name); }
  void OnPart(std::string_view name, cRecord* record) override {
    names.push_back(std::string(name) + (record ? "" : "=null"));
  }
};

TEST(VisitAppendedTest, CommandShowsItsPartsByNameAndAbsentOnesAsNull) {
  cFlowCmd cmd = FilledCommand();
  cNameVisitor visitor;
  cmd.VisitAppended(visitor);
  EXPECT_EQ(visitor.names, (std::vector<std::string>{"m_Move=null", "m_Shot", "m_CondList",
                                                      "m_SubFlows", "m_Params"}));
}

}  // namespace
