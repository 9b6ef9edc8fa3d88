// Rebuilding a missing data folder from the default data, and the start-up step
// around it with the working folders.

#include "records/project/default_data.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "core/mesbox/mesbox.h"
#include "records/project/project_folders.h"
#include "records/project/working_folders.h"
#include "support/temp_dir.h"
#include "tree_snapshot.h"

namespace fs = std::filesystem;

namespace {

struct Box {
  std::string text;
  std::string caption;
  unsigned type;
};

// Answers every box with a fixed button and remembers what was asked.
class DefaultDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMesBoxAnswerer([this](const std::string& text, const std::string& caption, unsigned type) {
      boxes_.push_back({text, caption, type});
      return answer_;
    });
  }
  void TearDown() override { SetMesBoxAnswerer({}); }

  fs::path Project() const { return dir_.path(); }

  TempDir dir_;
  std::vector<Box> boxes_;
  int answer_ = IDYES;
};

TEST_F(DefaultDataTest, ExistingDataFolderIsEnoughWithoutAsking) {
  for (const char* name : {"data", "DATA"}) {  // made on a case-insensitive disk
    SCOPED_TRACE(name);
    TempDir dir;
    fs::create_directory(dir.path() / name);
    EXPECT_TRUE(CreateDefaultData(dir.path()));
    EXPECT_EQ(TreeSnapshot(dir.path()).size(), 1u);
  }
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(DefaultDataTest, NoDefaultFolderFailsWithoutAsking) {
  WriteFileBytes(Project() / "default", "not a folder");
  EXPECT_FALSE(CreateDefaultData(Project()));
  EXPECT_TRUE(boxes_.empty());
  EXPECT_FALSE(fs::exists(Project() / "data"));
}

TEST_F(DefaultDataTest, YesCopiesTheDefaultDataWhole) {
  MakeSampleTree(Project() / "Default");
  const auto defaults = TreeSnapshot(Project() / "Default");

  ASSERT_TRUE(CreateDefaultData(Project()));

  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text, "データが存在しません！デフォルトデータを作成しますか？\n");
  EXPECT_EQ(boxes_[0].caption, "デフォルトデータ作成の確認");
  EXPECT_EQ(boxes_[0].type & MB_TYPEMASK, MB_YESNO);
  EXPECT_EQ(TreeSnapshot(Project() / "data"), defaults);
  EXPECT_EQ(TreeSnapshot(Project() / "Default"), defaults);
  // Nothing but the two folders: no temporary folder left behind.
  EXPECT_EQ(TreeSnapshot(Project()).size(), 2 * defaults.size() + 2);
}

TEST_F(DefaultDataTest, NoLeavesTheProjectAsItWas) {
  answer_ = IDNO;
  MakeSampleTree(Project() / "default");
  const auto before = TreeSnapshot(Project());

  EXPECT_FALSE(CreateDefaultData(Project()));
  EXPECT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(TreeSnapshot(Project()), before);
}

TEST_F(DefaultDataTest, CopyFailingMidwayLeavesNoDataFolder) {
  MakeSampleTree(Project() / "default");
  ASSERT_EQ(mkfifo((Project() / "default" / "database" / "pipe").c_str(), 0600), 0);
  const auto before = TreeSnapshot(Project());

  EXPECT_FALSE(CreateDefaultData(Project()));
  EXPECT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(TreeSnapshot(Project()), before);
}

TEST_F(DefaultDataTest, FileNamedDataIsNeverReplacedNorDeleted) {
  MakeSampleTree(Project() / "default");
  WriteFileBytes(Project() / "data", "user file");

  EXPECT_FALSE(CreateDefaultData(Project()));
  EXPECT_TRUE(boxes_.empty());
  EXPECT_EQ(ReadFileBytes(Project() / "data"), "user file");
}

// The program passes no folder: the project is the current folder.
TEST_F(DefaultDataTest, CurrentFolderIsTheDefaultProject) {
  MakeSampleTree(Project() / "default");
  const fs::path saved = fs::current_path();
  fs::current_path(Project());
  const bool created = CreateDefaultData();
  fs::current_path(saved);

  EXPECT_TRUE(created);
  EXPECT_EQ(TreeSnapshot(Project() / "data"), TreeSnapshot(Project() / "default"));
}

TEST_F(DefaultDataTest, SetUpReportsAMissingDataFolderAndCreatesNothing) {
  EXPECT_FALSE(SetUpDataFolder(Project()));
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text,
            "「data」フォルダの作成に失敗…\n「default」フォルダに問題がある可能性があります。");
  EXPECT_EQ(boxes_[0].caption, "エラー");
  EXPECT_TRUE(fs::is_empty(Project()));
}

TEST_F(DefaultDataTest, DataFolderThenWorkingFoldersMakeTheWholeProject) {
  MakeSampleTree(Project() / "default");
  ASSERT_TRUE(SetUpDataFolder(Project()));
  CreateWorkingFolders(Project());
  for (const char* const* name = g_WorkingFolders; *name; ++name) {
    std::string host = *name;
    for (char& c : host) c = c == '\\' ? '/' : c;
    EXPECT_TRUE(fs::is_directory(Project() / host)) << host;
  }
  // The copied data keeps its files beside the new empty folders.
  EXPECT_EQ(ReadFileBytes(Project() / "data" / "database" / "Bgm.dat"), "bgm");
}

TEST_F(DefaultDataTest, WorkingFoldersLeaveWhatExistsAlone) {
  fs::create_directories(Project() / "User_Data" / "story");
  WriteFileBytes(Project() / "User_Data" / "story" / "Story01.dat", "slot");
  WriteFileBytes(Project() / "wave", "a file where a folder belongs");

  CreateWorkingFolders(Project());

  EXPECT_EQ(ReadFileBytes(Project() / "User_Data" / "story" / "Story01.dat"), "slot");
  EXPECT_TRUE(fs::is_directory(Project() / "User_Data" / "rpl4")) << "matched without case";
  EXPECT_FALSE(fs::exists(Project() / "user_data"));
  EXPECT_EQ(ReadFileBytes(Project() / "wave"), "a file where a folder belongs");
  EXPECT_TRUE(fs::is_directory(Project() / "bgm")) << "later folders still made";
  EXPECT_TRUE(fs::is_directory(Project() / "bmp" / "hbt"));
}

}  // namespace
