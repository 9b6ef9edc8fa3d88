#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "core/path/host_path.h"
#include "core/text/cp932.h"
#include "project_dir_fixture.h"

namespace {

class HostPathTest : public ProjectDirTest {
 protected:
  HostPathResolver resolver_;
};

struct ResolveCase {
  const char* dataPath;  // CP932
  const char8_t* host;   // expected, UTF-8
};

TEST_F(HostPathTest, MatchesEachComponentIgnoringAsciiCase) {
  MakeFile("Data/Stg4/Level.STG4_012");
  MakeFile(U8(u8"表/ソ.txt"));
  const ResolveCase cases[] = {
      {"data\\stg4\\level.stg4_012", u8"Data/Stg4/Level.STG4_012"},
      {"DATA/STG4/LEVEL.stg4_012", u8"Data/Stg4/Level.STG4_012"},
      {"表\\ソ.txt", u8"表/ソ.txt"},  // trail bytes 0x5C are not separators
      {"表\\ソ.TXT", u8"表/ソ.txt"},
      {"data\\\\stg4\\", u8"Data/Stg4/"},
      {"data\\..\\data\\stg4", u8"Data/../Data/Stg4"},
      // Missing parts keep their spelling; found folders take the disk's.
      {"data\\stg4\\new.stg4_013", u8"Data/Stg4/new.stg4_013"},
      {"data\\NewDir\\x.dat", u8"Data/NewDir/x.dat"},
      {"data\\stg4\\level.stg4_012\\below", u8"Data/Stg4/Level.STG4_012/below"},
      {"", u8""},
  };
  for (const ResolveCase& c : cases) {
    EXPECT_EQ(resolver_.Resolve(c.dataPath), U8(c.host)) << Cp932ToUtf8Lossy(c.dataPath);
  }
}

TEST_F(HostPathTest, ExactSpellingWinsOverAnotherCase) {
  MakeFile("abc");
  MakeFile("ABC");
  EXPECT_EQ(resolver_.Resolve("abc"), "abc");
  EXPECT_EQ(resolver_.Resolve("ABC"), "ABC");
  EXPECT_EQ(resolver_.Resolve("Abc"), "ABC");  // first in byte order
}

TEST_F(HostPathTest, FullWidthLettersAreNotFolded) {
  MakeFile(U8(u8"Ａ.txt"));
  EXPECT_EQ(resolver_.Resolve("ａ.txt"), U8(u8"ａ.txt"));
}

TEST_F(HostPathTest, AbsolutePathsAreMatchedToo) {
  MakeFile("Data/Level.STG4");
  std::string root = *Utf8ToCp932(this->root().string());
  EXPECT_EQ(resolver_.Resolve(root + "\\data\\level.stg4"), this->root().string() + "/Data/Level.STG4");
}

TEST_F(HostPathTest, InvalidCp932GivesNoPath) {
  EXPECT_EQ(resolver_.Resolve("data\\\x81"), "");
}

TEST_F(HostPathTest, ListingsAreCachedAndReadAgainOnAMiss) {
  MakeFile("Data/A.txt");
  // Spelled as on disk: nothing to list.
  EXPECT_EQ(resolver_.Resolve("Data\\A.txt"), "Data/A.txt");
  EXPECT_EQ(resolver_.cache().ListingsRead(), 0u);

  EXPECT_EQ(resolver_.Resolve("data\\a.txt"), "Data/A.txt");
  uint64_t afterFirst = resolver_.cache().ListingsRead();
  EXPECT_EQ(resolver_.Resolve("data\\a.txt"), "Data/A.txt");
  EXPECT_EQ(resolver_.cache().ListingsRead(), afterFirst);

  // A file made after the folder was listed is found without any call.
  EXPECT_EQ(resolver_.Resolve("data\\b.txt"), "Data/b.txt");
  MakeFile("Data/B.TXT");
  EXPECT_EQ(resolver_.Resolve("data\\b.txt"), "Data/B.TXT");
}

TEST_F(HostPathTest, InvalidateForgetsRenamedEntries) {
  MakeFile("Data/Old.txt");
  EXPECT_EQ(resolver_.Resolve("data\\old.txt"), "Data/Old.txt");
  std::filesystem::rename(root() / "Data/Old.txt", root() / "Data/OLD.TXT");
  EXPECT_EQ(resolver_.Resolve("data\\old.txt"), "Data/Old.txt");  // still cached
  resolver_.Invalidate("Data/");
  EXPECT_EQ(resolver_.Resolve("data\\old.txt"), "Data/OLD.TXT");

  // The absolute spelling names the same folder.
  std::filesystem::rename(root() / "Data/OLD.TXT", root() / "Data/old.Txt");
  resolver_.Invalidate(root().string() + "/Data");
  EXPECT_EQ(resolver_.Resolve("data\\OLD.txt"), "Data/old.Txt");
}

TEST_F(HostPathTest, SharedResolverAnswersFromSeveralThreads) {
  for (int i = 0; i < 8; ++i) MakeFile("Data/Sub" + std::to_string(i) + "/F.bin");
  std::atomic<int> wrong{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&wrong, t] {
      for (int round = 0; round < 200; ++round) {
        int i = (round + t) % 8;
        std::string got = ResolveDataPath("data\\sub" + std::to_string(i) + "\\f.bin");
        if (got != "Data/Sub" + std::to_string(i) + "/F.bin") ++wrong;
        if (round % 16 == 0) InvalidatePathCache("Data");
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(wrong.load(), 0);
}

TEST_F(HostPathTest, ListFolderGivesFreshEntriesWithTheirKind) {
  MakeFile("Data/f.bin");
  MakeFolder("Data/sub");
  auto entries = resolver_.ListFolder("DATA\\");
  ASSERT_TRUE(entries.has_value());
  ASSERT_EQ(entries->size(), 2u);
  EXPECT_EQ((*entries)[0].name, "f.bin");
  EXPECT_TRUE((*entries)[0].isFile);
  EXPECT_TRUE((*entries)[1].isFolder);
  MakeFile("Data/g.bin");
  EXPECT_EQ(resolver_.ListFolder("data")->size(), 3u);
  EXPECT_FALSE(resolver_.ListFolder("missing").has_value());
  EXPECT_FALSE(resolver_.ListFolder("data\\f.bin").has_value());
}

}  // namespace
