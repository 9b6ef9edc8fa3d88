// Conditions: their stored layouts by data version, the migration of older
// numberings, and the lists that hold them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/io/record_reader.h"
#include "records/script/cond_list.h"
#include "records/script/condition.h"
#include "script_record_fixtures.h"

namespace {

// A condition whose every member holds a value of its own, so the byte image
// shows the order of the fields.
cCondition DistinctCondition() {
  cCondition c;
  c.m_nKind = 4;
  c.m_nValue = 0x11223344;
  c.m_nRandomMin = -5;
  c.m_nRandomMax = 600;
  c.m_nSubject = 3;
  c.m_nSelector = 12;
  c.m_nLeftType = 1;
  c.m_nLeftScope = 1;
  c.m_nIndex = 0x0102;
  c.m_nRightType = 2;
  c.m_nRightSubject = 5;
  c.m_nRightSelector = 4;
  c.m_nRightScope = 1;
  c.m_nRightIndex = -2;
  c.m_nCompare = 7;
  c.m_bPercent = 1;
  c.m_nShape = 6;
  return c;
}

}  // namespace

TEST(ConditionLayoutTest, CurrentVersionIsSeventeenFieldsInTwentyEightBytes) {
  const std::string expected = cRecordBytes()
                                   .Int32(836)
                                   .Int32(17)
                                   .Int8(4)           // kind
                                   .Int32(0x11223344) // value
                                   .Int32(-5)         // random min
                                   .Int32(600)        // random max
                                   .Int8(3)           // subject
                                   .Int8(12)          // selector
                                   .Int8(1)           // left type
                                   .Int8(1)           // left scope
                                   .Int16(0x0102)     // index
                                   .Int8(2)           // right type
                                   .Int8(5)           // right subject
                                   .Int8(4)           // right selector
                                   .Int8(1)           // right scope
                                   .Int16(-2)         // right index
                                   .Int8(7)           // compare
                                   .Int8(1)           // percent
                                   .Int8(6)           // shape
                                   .Int32(0)          // no strings
                                   .Bytes();
  ASSERT_EQ(expected.size(), 4u + 4 + 28 + 4);
  cCondition condition = DistinctCondition();
  EXPECT_EQ(RecordImageAt(condition), expected);

  cCondition loaded;
  ASSERT_EQ(LoadRecordImage(loaded, ToImage(expected)), eRecordFile::Ok);
  EXPECT_EQ(loaded, DistinctCondition());
  EXPECT_EQ(RecordImageAt(loaded), expected);
}

TEST(ConditionLayoutTest, OldLayoutsHoldFewerFieldsAndDiscardTwoShorts) {
  // kind 1, value -9, two shorts, compare 5, (percent 1,) shape 0.
  const auto oldImage = [](int32_t version, int16_t first, int16_t second) {
    cRecordBytes bytes;
    bytes.Int32(version).Int32(version >= 43 ? 7 : 6).Int8(1).Int32(-9).Int16(first).Int16(second);
    bytes.Int8(5);
    if (version >= 43) bytes.Int8(1);
    return bytes.Int8(0).Int32(0).Bytes();
  };
  struct Case {
    int32_t version;
    std::size_t fieldBytes;
  } cases[] = {{100, 12}, {43, 12}, {42, 11}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    const std::string image = oldImage(c.version, 77, -77);
    EXPECT_EQ(image.size(), 4u + 4 + c.fieldBytes + 4);
    cCondition loaded;
    ASSERT_EQ(LoadRecordImage(loaded, ToImage(image)), eRecordFile::Ok);
    cCondition expected;
    expected.m_nKind = 1;
    expected.m_nValue = -9;
    expected.m_nCompare = 5;
    expected.m_bPercent = c.version >= 43 ? 1 : 0;
    EXPECT_EQ(loaded, expected);  // the discarded shorts went nowhere

    // The class writes the same layout for that version, zeros in the place of
    // the discarded shorts.
    cCondition again = expected;
    EXPECT_EQ(RecordImageAt(again, c.version), oldImage(c.version, 0, 0));
  }
}

// One old-version row: the members stored, the members expected after the load.
struct MigrationRow {
  const char* what;
  int32_t version;
  cCondition stored;
  cCondition expected;
};

// Builds a condition from a few members.
struct Cond {
  int8_t kind = 0, leftType = 0, subject = 0, selector = 0, rightType = 0, rightSubject = 0,
         rightSelector = 0, compare = 0;
  cCondition Make() const {
    cCondition c;
    c.m_nKind = kind;
    c.m_nLeftType = leftType;
    c.m_nSubject = subject;
    c.m_nSelector = selector;
    c.m_nRightType = rightType;
    c.m_nRightSubject = rightSubject;
    c.m_nRightSelector = rightSelector;
    c.m_nCompare = compare;
    return c;
  }
};

TEST(ConditionMigrationTest, OlderNumberingsLoadAsTodays) {
  const MigrationRow rows[] = {
      {"below 43: variable condition unchanged", 42, Cond{.kind = 1, .compare = 2}.Make(),
       Cond{.kind = 1, .compare = 2}.Make()},
      {"kind 5 before 160 is the distance condition", 100, Cond{.kind = 5}.Make(),
       Cond{.kind = 7, .rightType = 1, .rightSubject = 1}.Make()},
      {"kind 4 before 160 stays", 100, Cond{.kind = 4, .compare = 3}.Make(),
       Cond{.kind = 4, .compare = 3}.Make()},
      {"kind 6 at 150 becomes 8, which never holds", 150, Cond{.kind = 6}.Make(),
       Cond{.kind = 8}.Make()},
      {"on-a-block sense flipped at 160", 160, Cond{.kind = 6, .selector = 2}.Make(),
       Cond{.kind = 6, .selector = 2, .compare = 1}.Make()},
      {"on-screen state keeps its sense at 160", 160, Cond{.kind = 6, .selector = 3}.Make(),
       Cond{.kind = 6, .selector = 3}.Make()},
      {"on-a-block from 161 keeps its sense", 161, Cond{.kind = 6, .selector = 2}.Make(),
       Cond{.kind = 6, .selector = 2}.Make()},
      {"status 12 at 160: both status inserts", 160, Cond{.kind = 4, .selector = 12}.Make(),
       Cond{.kind = 4, .selector = 14}.Make()},
      {"status 7 at 160: second insert only", 160, Cond{.kind = 4, .selector = 7}.Make(),
       Cond{.kind = 4, .selector = 8}.Make()},
      {"status 4 at 160 stays", 160, Cond{.kind = 4, .selector = 4}.Make(),
       Cond{.kind = 4, .selector = 4}.Make()},
      {"right status at 160 renumbered too", 160,
       Cond{.kind = 4, .rightType = 2, .rightSubject = 1, .rightSelector = 10}.Make(),
       Cond{.kind = 4, .rightType = 2, .rightSubject = 1, .rightSelector = 12}.Make()},
      {"left variable is not a status", 160, Cond{.kind = 4, .leftType = 1, .selector = 12}.Make(),
       Cond{.kind = 4, .leftType = 1, .selector = 12}.Make()},
      {"system values are not renumbered; system moves to 5", 160,
       Cond{.kind = 4, .subject = 2, .selector = 12}.Make(),
       Cond{.kind = 4, .subject = 5, .selector = 12}.Make()},
      {"status 10 at 200: second insert only", 200, Cond{.kind = 4, .selector = 10}.Make(),
       Cond{.kind = 4, .selector = 11}.Make()},
      {"state flag 6 at 209", 209, Cond{.kind = 5, .selector = 6}.Make(),
       Cond{.kind = 5, .selector = 7}.Make()},
      {"system switch at 209 keeps its selector", 209, Cond{.kind = 5, .subject = 2, .selector = 6}.Make(),
       Cond{.kind = 5, .subject = 5, .selector = 6}.Make()},
      {"state flag 6 at 210 stays", 210, Cond{.kind = 5, .selector = 6}.Make(),
       Cond{.kind = 5, .selector = 6}.Make()},
      {"distance at 650 measures to the hero", 650, Cond{.kind = 7, .subject = 3}.Make(),
       Cond{.kind = 7, .rightType = 1, .rightSubject = 1}.Make()},
      {"distance at 700: display off, drawn in both cases", 700,
       Cond{.kind = 7, .leftType = 2, .subject = 3}.Make(),
       Cond{.kind = 7, .subject = 3, .rightType = 1, .rightSubject = 1}.Make()},
      {"distance at 745 keeps its display", 745, Cond{.kind = 7, .leftType = 2}.Make(),
       Cond{.kind = 7, .leftType = 2, .rightType = 1, .rightSubject = 1}.Make()},
      {"subject 2 (system) at 700 becomes 5", 700, Cond{.kind = 4, .subject = 2}.Make(),
       Cond{.kind = 4, .subject = 5}.Make()},
      {"subject 1 at 700 stays", 700, Cond{.kind = 4, .subject = 1, .rightSubject = 3}.Make(),
       Cond{.kind = 4, .subject = 1, .rightSubject = 6}.Make()},
      {"kind 5 subject at 766", 766, Cond{.kind = 5, .subject = 2}.Make(),
       Cond{.kind = 5, .subject = 5}.Make()},
      {"variable conditions keep subject bytes", 700, Cond{.kind = 1, .subject = 2}.Make(),
       Cond{.kind = 1, .subject = 2}.Make()},
      {"767: today's numbering", 767, Cond{.kind = 4, .subject = 2}.Make(),
       Cond{.kind = 4, .subject = 2}.Make()},
      {"836: nothing migrates", 836, Cond{.kind = 6, .selector = 2}.Make(),
       Cond{.kind = 6, .selector = 2}.Make()},
  };
  for (const MigrationRow& row : rows) {
    SCOPED_TRACE(row.what);
    cCondition loaded;
    LoadWrittenAt(row.stored, row.version, loaded);
    EXPECT_EQ(loaded, row.expected);
    EXPECT_EQ(loaded.m_nKind, row.expected.m_nKind);
    EXPECT_EQ(loaded.m_nSubject, row.expected.m_nSubject);
    EXPECT_EQ(loaded.m_nSelector, row.expected.m_nSelector);
    EXPECT_EQ(loaded.m_nCompare, row.expected.m_nCompare);
  }
}

TEST(ConditionListTest, EmptyListIsFourZeroBytes) {
  cVector<cCondition> list;
  cRecordWriter writer(836);
  SaveConditionList(writer, list);
  EXPECT_EQ(writer.Bytes(), (std::vector<uint8_t>{0, 0, 0, 0}));
}

TEST(ConditionListTest, ListRoundTripsAndReplacesWhatWasThere) {
  cVector<cCondition> list;
  list.push_back(DistinctCondition());
  list.push_back(cCondition());
  cRecordWriter writer(836);
  SaveConditionList(writer, list);

  cVector<cCondition> loaded(5);
  cRecordReader reader(writer.TakeBytes(), 836);
  ASSERT_TRUE(LoadConditionList(reader, loaded));
  EXPECT_EQ(reader.Remaining(), 0u);
  ASSERT_EQ(loaded.size(), 2u);
  EXPECT_EQ(loaded.front(), DistinctCondition());
  EXPECT_EQ(loaded.back(), cCondition());
}

TEST(ConditionListTest, DamagedCountFailsBeforeAllocating) {
  struct Case {
    const char* what;
    int32_t count;
  } cases[] = {{"negative", -1}, {"more than the file holds", 0x7FFFFFFF}, {"one too many", 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // Room for exactly one condition after the count.
    cCondition one = DistinctCondition();
    cRecordWriter writer(836);
    writer.Write(c.count);
    one.Save(writer);
    cVector<cCondition> list;
    cRecordReader reader(writer.TakeBytes(), 836);
    EXPECT_FALSE(LoadConditionList(reader, list));
    EXPECT_LE(list.size(), 2u);
  }
}

TEST(CondListTest, CurrentVersionStoresTwoBytesAndTheConditions) {
  cCondList list;
  list.m_bUseConditions = 1;
  list.m_nMode = kCondListAny;
  list.m_Conditions.push_back(DistinctCondition());
  cCondition conditionCopy = DistinctCondition();
  const std::string expected = cRecordBytes()
                                   .Int32(836)
                                   .Int32(2)
                                   .Int8(1)
                                   .Int8(1)
                                   .Int32(0)
                                   .Int32(1)
                                   .Raw(RecordImageAt(conditionCopy).substr(4))
                                   .Bytes();
  EXPECT_EQ(RecordImageAt(list), expected);

  cCondList loaded;
  ASSERT_EQ(LoadRecordImage(loaded, ToImage(expected)), eRecordFile::Ok);
  EXPECT_EQ(loaded, list);
}

TEST(CondListTest, BeforeVersion766OnlyTheTwoBytesAreStored) {
  // Whatever follows the two bytes belongs to the next part of the file.
  const std::string image = cRecordBytes()
                                .Int32(765)
                                .Int32(2)
                                .Int8(1)
                                .Int8(0)
                                .Int32(0)
                                .Int32(123)  // not a condition count
                                .Bytes();
  cRecordReader reader(ToImage(image), 765, 4);
  cCondList list;
  ASSERT_TRUE(list.Load(reader));
  EXPECT_EQ(list.m_bUseConditions, 1);
  EXPECT_TRUE(list.m_Conditions.empty());
  EXPECT_EQ(reader.Remaining(), 4u);

  // And the class writes that layout for such a version.
  list.m_Conditions.push_back(DistinctCondition());
  EXPECT_EQ(RecordImageAt(list, 765), image.substr(0, image.size() - 4));
}

TEST(CondListTest, NewCondListReplacesTheHolderWithADefaultList) {
  cCondListHolder holder = std::make_shared<cCondList>();
  holder->m_bUseConditions = 1;
  holder->m_Conditions.push_back(DistinctCondition());
  const cCondListHolder old = holder;
  NewCondList(holder);
  ASSERT_TRUE(holder);
  EXPECT_NE(holder, old);
  EXPECT_EQ(*holder, cCondList());
  EXPECT_EQ(holder->m_bUseConditions, 0);
  EXPECT_EQ(holder->m_nMode, 0);
  EXPECT_TRUE(holder->m_Conditions.empty());
}
