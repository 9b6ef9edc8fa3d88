// Clearing, copying and moving records: only registered members are touched, and
// copies never share their descriptor tables.

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "record_test_env.h"
#include "sample_records.h"

class RecordOpsTest : public RecordTest {};

TEST_F(RecordOpsTest, ClearFieldsClearsRegisteredMembersOnly) {
  cTreeRecord tree;
  tree.m_nId = 5;
  tree.m_strTitle = "title";
  tree.m_Items.push_back(cVersionedRecord());
  tree.m_Header.m_nValue = 9;
  tree.ClearFields();
  EXPECT_EQ(tree.m_nId, 0);
  EXPECT_EQ(tree.m_strTitle, "");
  EXPECT_EQ(tree.m_Items.size(), 1u);
  EXPECT_EQ(tree.m_Header.m_nValue, 9);
}

TEST_F(RecordOpsTest, CopyFieldsCopiesRegisteredMembersOnly) {
  cTreeRecord source;
  source.m_nId = 5;
  source.m_strTitle = "title";
  source.m_Items.push_back(cVersionedRecord());
  source.m_Header.m_nValue = 9;
  cTreeRecord target;
  target.CopyFields(source);
  EXPECT_EQ(target.m_nId, 5);
  EXPECT_EQ(target.m_strTitle, "title");
  EXPECT_TRUE(target.m_Items.empty());
  EXPECT_EQ(target.m_Header.m_nValue, 0);
}

TEST_F(RecordOpsTest, StripCRRemovesEveryCarriageReturn) {
  cSampleRecord record;
  record.m_strFirst = "\r\ra\r\nb\r";
  record.m_strSecond = "\r";
  record.StripCR();
  EXPECT_EQ(record.m_strFirst, "a\nb");
  EXPECT_EQ(record.m_strSecond, "");
}

TEST_F(RecordOpsTest, CopiesAndMovesSaveTheirOwnMembers) {
  cVector<cVersionedRecord> list;
  for (int i = 0; i < 40; ++i) {  // enough to move the elements several times
    cVersionedRecord item;
    item.m_nBase = i;
    item.m_strName = std::to_string(i);
    RecordImageAt(item);  // tables registered before the element moves
    list.push_back(item);
  }
  int i = 0;
  for (cVersionedRecord& item : list) {
    cVersionedRecord expected;
    expected.m_nBase = i;
    expected.m_strName = std::to_string(i++);
    EXPECT_EQ(RecordImageAt(item), RecordImageAt(expected));
  }

  cVersionedRecord original;
  original.m_nBase = 1;
  cVersionedRecord copy = original;
  copy.m_nBase = 2;
  cVersionedRecord assigned;
  assigned = copy;
  assigned.m_nBase = 3;
  cVersionedRecord moved = std::move(assigned);
  moved.m_strName = "moved";
  const std::pair<cVersionedRecord*, int32_t> checks[] = {{&original, 1}, {&copy, 2}, {&moved, 3}};
  for (const auto& [record, base] : checks) {
    cVersionedRecord loaded;
    ASSERT_EQ(LoadRecordImage(loaded, ToImage(RecordImageAt(*record))), eRecordFile::Ok);
    EXPECT_EQ(loaded.m_nBase, base);
  }
  EXPECT_EQ(original.m_strName, "");
}

TEST_F(RecordOpsTest, LoadOrKeepCommitsOnlyAWholeLoad) {
  cTreeRecord source;
  source.m_nId = 9;
  source.m_Items.push_back(cVersionedRecord());
  const std::string image = RecordImageAt(source);

  cTreeRecord record;
  record.m_nId = 1;
  cRecordInFile cut = OpenRecordImage(ToImage(image.substr(0, image.size() - 1)));
  EXPECT_FALSE(record.LoadOrKeep(cut.Reader()));
  EXPECT_EQ(record.m_nId, 1);
  EXPECT_TRUE(record.m_Items.empty());

  cRecordInFile whole = OpenRecordImage(ToImage(image));
  ASSERT_TRUE(record.LoadOrKeep(whole.Reader()));
  EXPECT_EQ(record, source);
}
