// The name offered for a new replay: stage, challenge suffix, time stamp, and the
// numbered alternatives when the name exists.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/path/path_relative.h"
#include "records/replay/replay_file_name.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

const SAVETIME kSavedAt{2015, 1, 0, 11, 9, 5, 30, 0};

class ReplayFileNameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir_.path() / "user_data" / "rpl4");
    before_ = fs::current_path();
    fs::current_path(dir_.path());
    project_ = CurrentDirCp932().value_or("");
  }
  void TearDown() override { fs::current_path(before_); }

  // The absolute path of a replay named name.
  std::string Replay(const std::string& name) const { return project_ + "/user_data/rpl4/" + name; }
  void Touch(const std::string& name) const {
    WriteFileBytes(dir_.path() / "user_data" / "rpl4" / name, "x");
  }

  TempDir dir_;
  fs::path before_;
  std::string project_;
};

cSaveData WithKeys(int32_t useKey, int32_t key1, int32_t key2) {
  cSaveData state;
  state.m_bUseKey = useKey;
  state.m_nKey1 = key1;
  state.m_nKey2 = key2;
  return state;
}

}  // namespace

TEST_F(ReplayFileNameTest, StageSuffixAndTimeMakeTheName) {
  struct Case {
    const char* what;
    const char* stageFile;
    cSaveData state;
    const char* name;  // "" : an empty path
  } cases[] = {
      {"plain stage", "data\\stg4\\Stage1.", WithKeys(0, 1, 3), "Stage1__2015__01_11__09_05.rpl4_836"},
      {"challenge suffix", "data\\stg4\\Stage1.", WithKeys(1, 1, 3),
       "Stage1_c001_3__2015__01_11__09_05.rpl4_836"},
      {"file name only", "Stage1.", WithKeys(0, 0, 0), "Stage1__2015__01_11__09_05.rpl4_836"},
      {"Japanese stage name", "data\\stg4\\表ステージ.", WithKeys(0, 0, 0),
       "表ステージ__2015__01_11__09_05.rpl4_836"},
      {"no stage", "", WithKeys(1, 1, 3), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string out = "old";
    EXPECT_EQ(MakeReplayFileName(out, c.stageFile, c.state, kSavedAt), 1);
    EXPECT_EQ(out, *c.name ? Replay(c.name) : "");
  }
}

TEST_F(ReplayFileNameTest, AnExistingNameGetsTheNextFreeNumber) {
  const cSaveData state = WithKeys(0, 0, 0);
  std::string out;
  // The file exists in another case: the name is still taken.
  Touch("STAGE1__2015__01_11__09_05.rpl4_836");
  ASSERT_EQ(MakeReplayFileName(out, "data\\stg4\\Stage1.", state, kSavedAt), 1);
  EXPECT_EQ(out, Replay("Stage1__2015__01_11__09_05 (2).rpl4_836"));

  Touch("Stage1__2015__01_11__09_05 (2).rpl4_836");
  ASSERT_EQ(MakeReplayFileName(out, "data\\stg4\\Stage1.", state, kSavedAt), 1);
  EXPECT_EQ(out, Replay("Stage1__2015__01_11__09_05 (3).rpl4_836"));
}

TEST_F(ReplayFileNameTest, NoFreeNumberFailsInsteadOfOverwriting) {
  const std::string base = "Stage1__2015__01_11__09_05";
  Touch(base + ".rpl4_836");
  for (int n = 2; n <= 998; ++n) Touch(base + " (" + std::to_string(n) + ").rpl4_836");
  std::string out;
  ASSERT_EQ(MakeReplayFileName(out, "data\\stg4\\Stage1.", WithKeys(0, 0, 0), kSavedAt), 1);
  EXPECT_EQ(out, Replay(base + " (999).rpl4_836"));

  Touch(base + " (999).rpl4_836");
  EXPECT_EQ(MakeReplayFileName(out, "data\\stg4\\Stage1.", WithKeys(0, 0, 0), kSavedAt), 0);
  EXPECT_EQ(out, "");
}
