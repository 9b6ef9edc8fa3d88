// gamedata check: the data steps of start-up on a project folder, one line per
// step, stopping at the first failure with the message the player shows; the
// project is left as it is unless it lacks its data folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "records/options/option_data.h"
#include "records/project/tree_snapshot.h"
#include "tool_fixture.h"

namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kStepNames = {
    "data folder", "working folders", "database", "project settings", "options", "world map",
    "common palette"};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class GamedataCheckTest : public ::testing::Test {
 protected:
  GamedataCheckTest() : project(dir.path()) { project.WriteAll(); }

  cToolRun Check() { return RunGamedataTool({"check", dir.path().string()}); }

  TempDir dir;
  cToolProject project;
};

TEST_F(GamedataCheckTest, ACompleteProjectPassesEveryStepAndIsLeftAsItWas) {
  const auto before = TreeSnapshot(dir.path());
  const cToolRun run = Check();
  EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), kStepNames.size()) << run.out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].rfind("ok    " + kStepNames[i], 0), 0u) << lines[i];
  }
  // The working folders are named, not made; the options are optional.
  EXPECT_NE(lines[1].find("missing (the player creates them): user_data"), std::string::npos);
  EXPECT_EQ(lines[4], "ok    options: user_data\\Option.dat missing: the default options stay");
  EXPECT_EQ(TreeSnapshot(dir.path()), before);
}

TEST_F(GamedataCheckTest, TheUsersOptionsAreReadWhenThere) {
  fs::create_directories(dir.path() / "user_data");
  cOptionData options;
  project.Write(kPathOption, options);
  const std::vector<std::string> lines = Lines(Check().out);
  ASSERT_GT(lines.size(), 4u);
  EXPECT_EQ(lines[4], "ok    options");
}

TEST_F(GamedataCheckTest, AProjectWithoutDataGetsTheDefaultCopyAndSaysSo) {
  fs::rename(dir.path() / "data", dir.path() / "default");
  const cToolRun run = Check();
  EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(lines[0].find("copied default\\ to data\\"), std::string::npos) << lines[0];
  EXPECT_TRUE(fs::is_regular_file(project.File(kPathSystemDat)));
}

struct BrokenCase {
  std::size_t failingStep;  // index into kStepNames
  std::function<void(cToolProject&, const fs::path&)> breakProject;
  std::string message;
};

TEST_F(GamedataCheckTest, TheFirstFailingStepEndsTheCheckWithThePlayersMessage) {
  const BrokenCase cases[] = {
      {0, [](cToolProject&, const fs::path& d) { fs::remove_all(d / "data"); },
       Utf8(u8"「data」フォルダの作成に失敗… 「default」フォルダに問題がある可能性があります。")},
      {2, [](cToolProject& p, const fs::path&) { fs::remove(p.File(kPathAnime)); },
       Utf8(u8"data\\database\\Anime.dat の読み込みに失敗しました！ | データベースの読み込みに失敗…")},
      {3, [](cToolProject& p, const fs::path&) { WriteFileBytes(p.File(kPathSystemDat), "broken"); },
       Utf8(u8"data\\System.dat の読み込みに失敗…")},
      {5, [](cToolProject& p, const fs::path&) { fs::remove(p.File(kPathWorldMap)); },
       Utf8(u8"data\\WorldMap.dat のロードに失敗！")},
      {6, [](cToolProject& p, const fs::path&) { fs::remove(p.File(kPathCommonPalette)); },
       Utf8(u8"data\\CommonPalette.cplt4 のロードに失敗！")},
  };
  for (const BrokenCase& c : cases) {
    TempDir broken;
    cToolProject brokenProject(broken.path());
    brokenProject.WriteAll();
    c.breakProject(brokenProject, broken.path());
    const cToolRun run = RunGamedataTool({"check", broken.path().string()});
    EXPECT_EQ(run.exitCode, 1) << run.out;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), c.failingStep + 1) << run.out;
    EXPECT_EQ(lines.back(), "FAIL  " + kStepNames[c.failingStep] + ": " + c.message);
  }
}

TEST_F(GamedataCheckTest, AFolderThatIsNotThereFails) {
  const cToolRun run = RunGamedataTool({"check", dir.file("nowhere")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("not a folder"), std::string::npos) << run.err;
}

}  // namespace
