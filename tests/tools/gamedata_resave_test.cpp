// gamedata resave: a file loaded with the program's loader and written back at
// the current data version, which then loads to the same content.

#include <gtest/gtest.h>

#include <string>

#include "records/record/record_file.h"
#include "tool_fixture.h"

namespace {

class GamedataResaveTest : public ::testing::Test {
 protected:
  GamedataResaveTest() : project(dir.path()) {}

  TempDir dir;
  cToolProject project;
};

TEST_F(GamedataResaveTest, AnOlderFileIsWrittenAtTheCurrentVersionWithItsContent) {
  project.settings.m_strTitle = "古いゲーム";
  project.settings.m_nExtraLifeScore = 5000;
  project.Write(kPathSystemDat, project.settings, 700);
  std::filesystem::create_directories(dir.path() / "new" / "again");
  const std::string out = dir.file("new/System.dat");

  const cToolRun run = RunGamedataTool({"resave", project.File(kPathSystemDat).string(), out});
  ASSERT_EQ(run.exitCode, 0) << run.err;

  cSystemData fromOld;
  cSystemData fromNew;
  ASSERT_EQ(LoadRecordImage(fromOld, ToImage(ReadFileBytes(project.File(kPathSystemDat)))),
            eRecordFile::Ok);
  ASSERT_EQ(LoadRecordImage(fromNew, ToImage(ReadFileBytes(out))), eRecordFile::Ok);
  EXPECT_EQ(RecordImageAt(fromNew), RecordImageAt(fromOld));
  EXPECT_EQ(fromNew.m_strTitle, "古いゲーム");
  // Written at the current version: a second resave changes nothing.
  const std::string again = dir.file("new/again/System.dat");
  ASSERT_EQ(RunGamedataTool({"resave", out, again}).exitCode, 0);
  EXPECT_EQ(ReadFileBytes(again), ReadFileBytes(out));
}

TEST_F(GamedataResaveTest, ACurrentDatabaseFileComesBackByteForByte) {
  project.database.m_Sounds.CheckedVectorAt(1).m_strFile = "jump.wav";
  project.WriteDatabase();
  const std::string out = dir.file("out.dat");
  ASSERT_EQ(RunGamedataTool({"resave", project.File(kPathSound).string(), out}).exitCode, 0);
  EXPECT_EQ(ReadFileBytes(out), ReadFileBytes(project.File(kPathSound)));
}

TEST_F(GamedataResaveTest, AFileThatCannotBeWrittenFailsAndKeepsTheInput) {
  project.WriteAll();
  const std::string before = ReadFileBytes(project.File(kPathWorldMap));
  const cToolRun run = RunGamedataTool(
      {"resave", project.File(kPathWorldMap).string(), dir.file("no/such/folder/WorldMap.dat")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("cannot be written"), std::string::npos) << run.err;
  EXPECT_EQ(ReadFileBytes(project.File(kPathWorldMap)), before);
}

// A palette's references are checked against its project's database: outside
// a project a resave would cut them to the default sizes, so it is refused.
TEST_F(GamedataResaveTest, APaletteIsWrittenBackOnlyInsideItsProject) {
  project.WriteAll();
  const std::string out = dir.file("out.cplt4");
  EXPECT_EQ(RunGamedataTool({"resave", project.File(kPathCommonPalette).string(), out}).exitCode, 0);

  TempDir elsewhere;
  const std::filesystem::path alone = elsewhere.path() / "Lone.cplt4";
  std::filesystem::copy_file(project.File(kPathCommonPalette), alone);
  const cToolRun run = RunGamedataTool({"resave", alone.string(), elsewhere.file("out.cplt4")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("no project folder"), std::string::npos) << run.err;
  // A dump changes nothing, so it goes on with a warning.
  const cToolRun dump = RunGamedataTool({"dump", alone.string()});
  EXPECT_EQ(dump.exitCode, 0);
  EXPECT_NE(dump.err.find("warning"), std::string::npos) << dump.err;
}

}  // namespace
