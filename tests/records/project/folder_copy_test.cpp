// Copying a folder tree whole or not at all.

#include "records/project/folder_copy.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "support/temp_dir.h"
#include "tree_snapshot.h"

namespace fs = std::filesystem;

namespace {

TEST(CopyFolderWhole, CopiesTheWholeTreeAndLeavesNoTemporaryFolder) {
  TempDir dir;
  MakeSampleTree(dir.path() / "default");
  const auto before = TreeSnapshot(dir.path() / "default");

  ASSERT_TRUE(CopyFolderWhole(dir.path() / "default", dir.path() / "data"));

  EXPECT_EQ(TreeSnapshot(dir.path() / "data"), before);
  EXPECT_EQ(TreeSnapshot(dir.path() / "default"), before);
  EXPECT_EQ(TreeSnapshot(dir.path()).size(), 2 * before.size() + 2) << "no stray sibling";
}

// Each way a copy can break part-way through must leave the disk as it was.
TEST(CopyFolderWhole, FailureRemovesOnlyTheTemporaryFolder) {
  struct Case {
    const char* name;
    std::function<void(const fs::path&)> spoil;  // applied inside the source tree
    bool needsNonRoot;
  };
  const Case cases[] = {
      {"pipe", [](const fs::path& p) { ASSERT_EQ(mkfifo((p / "zz_pipe").c_str(), 0600), 0); }, false},
      {"broken link", [](const fs::path& p) { fs::create_symlink(p / "missing", p / "database" / "link"); },
       false},
      {"unreadable file",
       [](const fs::path& p) { fs::permissions(p / "database" / "Bgm.dat", fs::perms::none); }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.needsNonRoot && geteuid() == 0) continue;  // root reads any file
    TempDir dir;
    MakeSampleTree(dir.path() / "default");
    c.spoil(dir.path() / "default");
    WriteFileBytes(dir.path() / "keep.txt", "mine");
    const auto before = TreeSnapshot(dir.path());

    EXPECT_FALSE(CopyFolderWhole(dir.path() / "default", dir.path() / "data"));

    EXPECT_EQ(TreeSnapshot(dir.path()), before);
    fs::permissions(dir.path() / "default" / "database" / "Bgm.dat", fs::perms::owner_all);
  }
}

TEST(CopyFolderWhole, ExistingTargetIsNeverTouched) {
  TempDir dir;
  MakeSampleTree(dir.path() / "default");
  WriteFileBytes(dir.path() / "data", "a file in the way");
  const auto before = TreeSnapshot(dir.path());

  EXPECT_FALSE(CopyFolderWhole(dir.path() / "default", dir.path() / "data"));
  EXPECT_EQ(TreeSnapshot(dir.path()), before);
}

TEST(CopyFolderWhole, FolderNamedLikeTheTemporaryOneIsLeftAlone) {
  TempDir dir;
  MakeSampleTree(dir.path() / "default");
  fs::create_directory(dir.path() / "data.copying");
  WriteFileBytes(dir.path() / "data.copying" / "user.txt", "precious");

  ASSERT_TRUE(CopyFolderWhole(dir.path() / "default", dir.path() / "data"));
  EXPECT_EQ(ReadFileBytes(dir.path() / "data.copying" / "user.txt"), "precious");
  EXPECT_EQ(TreeSnapshot(dir.path() / "data"), TreeSnapshot(dir.path() / "default"));
}

TEST(CopyFolderWhole, MissingSourceFailsWithoutCreatingAnything) {
  TempDir dir;
  EXPECT_FALSE(CopyFolderWhole(dir.path() / "default", dir.path() / "data"));
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

}  // namespace
