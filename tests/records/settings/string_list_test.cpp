// String lists and insert-shifts of the settings file's lists.

#include <gtest/gtest.h>

#include <string>

#include "records/settings/list_insert.h"
#include "records/settings/string_list.h"
#include "support/record_fixtures.h"

TEST(StringListTest, KeepsCarriageReturnsAndBecomesWhatTheFileHolds) {
  const std::string bytes =
      cRecordBytes().Int32(3).Text("one").Int32(1).Text("th\r\nree").Int32(77).Bytes();
  cRecordReader reader(ToImage(bytes), 836);
  cVector<std::string> loaded = {"stale", "stale", "stale", "stale"};
  ASSERT_TRUE(LoadStringList(reader, loaded));
  EXPECT_EQ(loaded, (cVector<std::string>{"one", "", "th\r\nree"}));
  EXPECT_EQ(reader.Position(), bytes.size() - 4);  // L = 1 read nothing more

  cRecordWriter writer(836);
  WriteStringList(writer, loaded);
  EXPECT_EQ(std::string(writer.Bytes().begin(), writer.Bytes().end()), bytes.substr(0, bytes.size() - 4));
}

TEST(StringListTest, RefusesDamage) {
  struct Case {
    const char* what;
    cRecordBytes bytes;
  } cases[] = {
      {"count no file of that size can hold", cRecordBytes().Int32(0x7FFFFFFF).Text("a")},
      {"negative count", cRecordBytes().Int32(-1)},
      {"string length 0", cRecordBytes().Int32(1).Int32(0).Raw("abcd")},
      {"string past the end", cRecordBytes().Int32(1).Int32(100).Raw("abc")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    cRecordReader reader(c.bytes.Image(), 836);
    cVector<std::string> list;
    EXPECT_FALSE(LoadStringList(reader, list));
  }
}

TEST(ListInsertTest, ShiftsUpAndDropsTheLast) {
  struct Case {
    int32_t at;
    cVector<uint8_t> expected;
  } cases[] = {
      {1, {1, 9, 2, 3, 4}},   // 2..4 move up, 5 falls off
      {0, {9, 1, 2, 3, 4}},
      {3, {1, 2, 3, 9, 4}},
      {4, {1, 2, 3, 4, 9}},   // the last: nothing moves, the set replaces it
      {5, {1, 2, 3, 4, 5}},   // past the end: nothing
      {-1, {1, 2, 3, 4, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.at);
    cVector<uint8_t> list = {1, 2, 3, 4, 5};
    InsertListValue(list, c.at, uint8_t{9});
    EXPECT_EQ(list, c.expected);
  }

  cVector<uint8_t> carry(25, 0);
  carry.CheckedVectorAt(23) = 7;
  const cVector<uint8_t> before = carry;
  InsertListAt(carry, 24);
  EXPECT_EQ(carry, before);
}
