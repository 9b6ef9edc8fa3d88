// Menu entries: a new one is shown, and its file form is the same in every
// data version.

#include <gtest/gtest.h>

#include "records/menu/cmd.h"
#include "support/record_fixtures.h"

TEST(CmdTest, NewEntryIsShownWithEmptyLabel) {
  const cCmd cmd;
  EXPECT_EQ(cmd.bEnable, 1);
  EXPECT_EQ(cmd.strName, "");
}

TEST(CmdTest, OneIntAndOneStringInEveryVersion) {
  cCmd cmd(0, "セーブ");
  for (int32_t version : {100, 500, 836}) {
    SCOPED_TRACE(version);
    const std::string expected = cRecordBytes().Int32(version).Int32(1).Int32(0).Int32(1).Text("セーブ").Bytes();
    EXPECT_EQ(RecordImageAt(cmd, version), expected);
    cCmd loaded;
    ASSERT_EQ(LoadRecordImage(loaded, ToImage(expected)), eRecordFile::Ok);
    EXPECT_EQ(loaded.bEnable, 0);
    EXPECT_EQ(loaded.strName, "セーブ");
  }
}
