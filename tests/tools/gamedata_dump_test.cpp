// gamedata dump: a project file's record tree as JSON, member by member under
// the names the code uses, text in UTF-8; failures and usage errors by exit
// status with the reason on standard error.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/options/option_data.h"
#include "records/replay/input_log.h"
#include "records/save/save_data.h"
#include "records/script/cmd_kind_table.h"
#include "records/stage/stage_data.h"
#include "tool_fixture.h"
#include "tools/gamedata/file_project.h"

namespace {

class GamedataDumpTest : public ::testing::Test {
 protected:
  GamedataDumpTest() : project(dir.path()) {}

  cToolRun Dump(int entry) { return RunGamedataTool({"dump", project.File(entry).string()}); }

  TempDir dir;
  cToolProject project;
};

TEST_F(GamedataDumpTest, SettingsShowEveryMemberListAndTextByName) {
  project.settings.m_strTitle = "テストゲーム";
  project.settings.m_nFontFace = 12;
  project.settings.m_GaugeList.CheckedVectorAt(2).m_strName = "体力";
  project.Write(kPathSystemDat, project.settings);

  const cToolRun run = Dump(kPathSystemDat);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto dump = run.Json();
  EXPECT_EQ(dump["kind"], "System.dat");
  EXPECT_EQ(dump["version"], g_nDataVersion);
  const auto& settings = dump["data"]["g_SystemData"];
  EXPECT_EQ(settings["m_strTitle"], Utf8(u8"テストゲーム"));
  EXPECT_EQ(settings["m_nFontFace"], 12);
  // As the file holds them: the fields in registration order, then the strings.
  EXPECT_EQ(settings.begin().key(), "m_bExtraLives");
  ASSERT_EQ(settings["m_GaugeList"].size(), static_cast<std::size_t>(kGaugeCount));
  EXPECT_EQ(settings["m_GaugeList"][2]["m_strName"], Utf8(u8"体力"));
  EXPECT_TRUE(settings["m_ModeFlagList"][0]["m_Flags"].is_array());
  EXPECT_TRUE(settings["m_TitleMenu"][0].contains("bEnable"));
  EXPECT_TRUE(settings["m_SystemSounds"][0].is_string());
  // The colour bytes are unsigned.
  project.settings.m_byTransRed = 200;
  project.Write(kPathSystemDat, project.settings);
  EXPECT_EQ(Dump(kPathSystemDat).Json()["data"]["g_SystemData"]["m_byTransRed"], 200);
}

struct KindCase {
  int entry;
  const char* kind;
  const char* part;
};

TEST_F(GamedataDumpTest, EveryProjectFileIsRecognisedByItsName) {
  project.WriteAll();
  std::filesystem::create_directories(dir.path() / "user_data");
  cOptionData options;
  project.Write(kPathOption, options);
  std::filesystem::create_directories(dir.path() / "user_data" / "story");
  std::filesystem::create_directories(dir.path() / "user_data" / "challenge");
  cSaveData save;
  WriteRecordFixture(dir.path() / "user_data" / "story" / "Story07.dat", save);
  project.Write(kPathChallengeSave, save);
  const KindCase cases[] = {
      {kPathSystemDat, "System.dat", "g_SystemData"},
      {kPathAnimeSet, "AnimeSet.dat", "m_AnimeSets"},
      {kPathAnime, "Anime.dat", "m_Animes"},
      {kPathBmpCharaExc, "Bmp_CharaExc.dat", "m_BmpCharaExcs"},
      {kPathSwordType, "SwordType.dat", "m_SwordTypes"},
      {kPathEffect, "Effect.dat", "m_Effects"},
      {kPathCharaEffect, "CharaEffect.dat", "m_CharaEffects"},
      {kPathScrEffect, "ScrEffect.dat", "m_ScrEffects"},
      {kPathPicture, "Picture.dat", "m_Pictures"},
      {kPathSound, "Sound.dat", "m_Sounds"},
      {kPathBgm, "Bgm.dat", "m_Bgms"},
      {kPathWorldMap, "WorldMap.dat", "g_WorldMap"},
      {kPathCommonPalette, "*.cplt4", "g_CommonPalette"},
      {kPathOption, "Option.dat", "g_OptionData"},
      {kPathChallengeSave, "Challenge.dat", "g_SaveData"},
      {kPathStorySlotPrefix, "StoryNN.dat", "g_SaveData"},
  };
  for (const KindCase& c : cases) {
    // The slot prefix names no file of its own: slot 7's stands for it.
    const std::filesystem::path file = c.entry == kPathStorySlotPrefix
                                           ? dir.path() / "user_data" / "story" / "Story07.dat"
                                           : project.File(c.entry);
    const cToolRun run = RunGamedataTool({"dump", file.string()});
    ASSERT_EQ(run.exitCode, 0) << c.kind << ": " << run.err;
    const auto dump = run.Json();
    EXPECT_EQ(dump["kind"], c.kind);
    EXPECT_TRUE(dump["data"].contains(c.part)) << c.kind;
  }
}

TEST_F(GamedataDumpTest, DatabaseListsShowNestedRecordsAndArrays) {
  project.database.m_Animes.CheckedVectorAt(1).m_Frames.CheckedVectorAt(0).m_nDuration = 9;
  project.database.m_CharaEffects.CheckedVectorAt(1).m_nParams[4] = -3;
  project.WriteDatabase();

  const auto animes = Dump(kPathAnime).Json()["data"]["m_Animes"];
  ASSERT_EQ(animes.size(), 2u);
  EXPECT_EQ(animes[0]["m_strName"], Utf8(u8"なし"));
  EXPECT_EQ(animes[1]["m_Frames"][0]["m_nDuration"], 9);
  const auto params = Dump(kPathCharaEffect).Json()["data"]["m_CharaEffects"][1]["m_nParams"];
  EXPECT_EQ(params, nlohmann::ordered_json({0, 0, 0, 0, -3}));
}

// A chara part whose flow holds a shot command: its move part is absent.
TEST_F(GamedataDumpTest, PaletteShowsPartsFlowsAndOptionalCommandParts) {
  cFlowCmd shot;
  shot.m_nKind = kFlowCmdShot;
  NewEdShot(shot.m_Shot.Shared());
  shot.m_Shot->m_nSize = 3;
  cFlow flow;
  flow.m_Commands.push_back(shot);
  cCharaDef chara;
  chara.m_strName = "敵";
  chara.m_Flows.push_back(flow);
  project.palette.m_CharaPalette.push_back(chara);
  project.WriteAll();

  const cToolRun run = Dump(kPathCommonPalette);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto charas = run.Json()["data"]["g_CommonPalette"]["m_CharaPalette"];
  ASSERT_EQ(charas.size(), 2u);
  EXPECT_EQ(charas[1]["m_strName"], Utf8(u8"敵"));
  EXPECT_TRUE(charas[1].contains("m_nX"));
  const auto& command = charas[1]["m_Flows"][0]["m_Commands"][0];
  EXPECT_TRUE(command["m_Move"].is_null());
  EXPECT_EQ(command["m_Shot"]["m_nSize"], 3);
  EXPECT_TRUE(command["m_CondList"].is_null());
  EXPECT_TRUE(command["m_Params"].is_array());
}

// A stage file and a replay of it, as the player writes them.
TEST_F(GamedataDumpTest, StagesAndReplaysShowTheStageAndTheAttempt) {
  project.WriteAll();
  const std::filesystem::path stageFile = dir.path() / "data" / "stg4" / "field-1.stg4_000";
  const std::filesystem::path replayFile = dir.path() / "user_data" / "rpl4" / "field.rpl4_836";
  std::filesystem::create_directories(stageFile.parent_path());
  std::filesystem::create_directories(replayFile.parent_path());
  cStageData stage;
  stage.m_nWidth = 40;
  cCharaDef hero;
  hero.m_nX = 2;
  stage.m_PlacedCharas.push_back(hero);
  WriteRecordFixture(stageFile, stage);
  cInputLog log;
  log.Append(INPUTWORDS{4, 0});
  cSaveData state;
  state.m_nLives = 3;
  ASSERT_EQ(log.SaveReplay(DataPathOf(replayFile), stage, stage, state), 1);

  const cToolRun stageRun = RunGamedataTool({"dump", stageFile.string()});
  ASSERT_EQ(stageRun.exitCode, 0) << stageRun.err;
  const auto shown = stageRun.Json()["data"]["g_Stage"];
  EXPECT_EQ(shown["m_nWidth"], 40);
  EXPECT_EQ(shown["m_EraseAreas"].size(), 5u);
  ASSERT_EQ(shown["m_PlacedCharas"].size(), 1u);
  EXPECT_EQ(shown["m_PlacedCharas"][0]["m_nX"], 2);

  const cToolRun replayRun = RunGamedataTool({"dump", replayFile.string()});
  ASSERT_EQ(replayRun.exitCode, 0) << replayRun.err;
  const auto replay = replayRun.Json();
  EXPECT_EQ(replay["kind"], "*.rpl4_*");
  EXPECT_EQ(replay["data"]["g_Stage"]["m_nWidth"], 40);
  EXPECT_EQ(replay["data"]["g_InputLog"]["m_DirWords"], nlohmann::ordered_json({4}));
  EXPECT_EQ(replay["data"]["g_SaveData"]["m_nLives"], 3);

  // Both come back byte for byte.
  for (const std::filesystem::path& file : {stageFile, replayFile}) {
    const std::filesystem::path out = dir.path() / "user_data" / file.filename();
    ASSERT_EQ(RunGamedataTool({"resave", file.string(), out.string()}).exitCode, 0) << file;
    EXPECT_EQ(ReadFileBytes(out), ReadFileBytes(file)) << file;
  }
}

TEST_F(GamedataDumpTest, AnOlderFileShowsItsOwnVersion) {
  project.Write(kPathSystemDat, project.settings, 700);
  const auto dump = Dump(kPathSystemDat).Json();
  EXPECT_EQ(dump["version"], 700);
  EXPECT_TRUE(dump["data"]["g_SystemData"].contains("m_nFontFace"));
}

struct FailureCase {
  const char* name;
  std::string content;  // written as the file; no file when empty
  std::vector<std::string> extraArgs;
  int exitCode;
  const char* reason;
};

TEST_F(GamedataDumpTest, FailuresAndUsageErrorsSayWhyOnStandardError) {
  const std::string settings = RecordImageAt(project.settings);
  std::string tooNew = settings;
  tooNew[0] = static_cast<char>((g_nDataVersion + 1) & 0xFF);
  tooNew[1] = static_cast<char>((g_nDataVersion + 1) >> 8);
  const FailureCase cases[] = {
      {"System.dat", "", {}, 1, "cannot be opened"},
      {"System.dat", tooNew, {}, 1, "newer than"},
      {"System.dat", settings.substr(0, settings.size() / 2), {}, 1, "damaged"},
      {"notes.txt", "text", {}, 2, "not a data file"},
      {"System.dat", settings, {"extra"}, 2, "usage"},
  };
  for (const FailureCase& c : cases) {
    const std::filesystem::path file = dir.path() / c.name;
    std::filesystem::remove(file);
    if (!c.content.empty()) WriteFileBytes(file, c.content);
    std::vector<std::string> args = {"dump", file.string()};
    args.insert(args.end(), c.extraArgs.begin(), c.extraArgs.end());
    const cToolRun run = RunGamedataTool(args);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.reason;
    EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty()) << c.reason;
  }
  EXPECT_EQ(RunGamedataTool({}).exitCode, 2);
  EXPECT_EQ(RunGamedataTool({"show", "x"}).exitCode, 2);
}

}  // namespace
