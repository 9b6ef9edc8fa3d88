// The sample project: generated twice it is the same bytes, every file that
// start-up, the bitmap table and the data name is there in the form the
// program expects, and the data loads with the program's own loaders.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/mesbox/mesbox.h"
#include "core/text/cp932.h"
#include "platform/dd/bitmap_table.h"
#include "records/database/database.h"
#include "records/palette/common_palette.h"
#include "records/project/path_table.h"
#include "records/record/record_file.h"
#include "records/script/cmd_kind_table.h"
#include "records/settings/system_data.h"
#include "records/stage/load_stage_file.h"
#include "records/stage/stage_globals.h"
#include "records/worldmap/world_map.h"
#include "support/temp_dir.h"
#include "tools/sample/data/sample_database.h"
#include "tools/sample/data/sample_palette.h"
#include "tools/sample/data/sample_settings.h"
#include "tools/sample/data/sample_stages.h"
#include "tools/sample/data/sample_world_map.h"
#include "tools/sample/pictures/program_palette.h"
#include "tools/sample/sample_catalog.h"
#include "tools/sample/sample_project.h"

namespace {

namespace fs = std::filesystem;

// Every regular file under root by its relative path, with its bytes.
std::map<std::string, std::string> ReadTree(const fs::path& root) {
  std::map<std::string, std::string> files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) files[fs::relative(entry.path(), root).generic_string()] = ReadFileBytes(entry.path());
  }
  return files;
}

// The host path of a data path (CP932, backslashes) under root.
fs::path HostOf(const fs::path& root, const std::string& dataPath) {
  std::string relative = Cp932ToUtf8(dataPath).value_or("<not CP932>");
  std::replace(relative.begin(), relative.end(), '\\', '/');
  return root / relative;
}

std::vector<uint8_t> Image(const std::string& bytes) { return std::vector<uint8_t>(bytes.begin(), bytes.end()); }

uint32_t Le32(const std::string& b, std::size_t at) {
  return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8 | static_cast<uint8_t>(b[at + 2]) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24;
}

class SampleProject : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_Dir = std::make_unique<TempDir>();
    std::string error;
    s_bWritten = WriteSampleProject(s_Dir->path() / "sample", error);
    s_strError = error;
  }
  static void TearDownTestSuite() { s_Dir.reset(); }

  void SetUp() override { ASSERT_TRUE(s_bWritten) << s_strError; }

  static fs::path Root() { return s_Dir->path() / "sample"; }
  static std::string Bytes(const std::string& dataPath) { return ReadFileBytes(HostOf(Root(), dataPath)); }

  static std::unique_ptr<TempDir> s_Dir;
  static bool s_bWritten;
  static std::string s_strError;
};

std::unique_ptr<TempDir> SampleProject::s_Dir;
bool SampleProject::s_bWritten = false;
std::string SampleProject::s_strError;

TEST_F(SampleProject, GeneratingAgainElsewhereGivesTheSameFilesAndBytes) {
  TempDir other;
  std::string error;
  ASSERT_TRUE(WriteSampleProject(other.path() / "again", error)) << error;
  const std::map<std::string, std::string> first = ReadTree(Root());
  const std::map<std::string, std::string> second = ReadTree(other.path() / "again");
  ASSERT_GT(first.size(), 50u);
  std::vector<std::string> firstNames, secondNames;
  for (const auto& [name, bytes] : first) firstNames.push_back(name);
  for (const auto& [name, bytes] : second) secondNames.push_back(name);
  ASSERT_EQ(firstNames, secondNames);
  for (const auto& [name, bytes] : first) EXPECT_TRUE(bytes == second.at(name)) << name << " differs";
}

TEST_F(SampleProject, WritingOverAnExistingProjectKeepsTheSameBytes) {
  TempDir other;
  std::string error;
  ASSERT_TRUE(WriteSampleProject(other.path(), error)) << error;
  ASSERT_TRUE(WriteSampleProject(other.path(), error)) << error;
  EXPECT_EQ(ReadTree(other.path()), ReadTree(Root()));
}

TEST_F(SampleProject, EveryPictureTheBitmapTableRequiresIsAnEightBitBmpWithTheProgramPalette) {
  const std::string palette = Bytes("bmp\\plt\\Palette.bmp");
  ASSERT_GE(palette.size(), 54u + 1024u);
  const std::string colourTable = palette.substr(54, 1024);
  for (int32_t entry = 0; entry < kBitmapCount; ++entry) {
    const BITMAPDATA& data = g_BitmapTable[static_cast<std::size_t>(entry)];
    const std::string name = data.szFileName;
    if (name == kEmptyBitmapName || data.bNoError != 0) continue;
    SCOPED_TRACE(Cp932ToUtf8Lossy(name));
    const std::string bmp = Bytes(name);
    ASSERT_GE(bmp.size(), 54u + 1024u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(Le32(bmp, 2), bmp.size());
    EXPECT_EQ(static_cast<uint8_t>(bmp[28]), 8);  // 256 colours: the pictures hold palette indices
    EXPECT_EQ(bmp.substr(54, 1024), colourTable);
  }
}

TEST_F(SampleProject, SheetsHaveTheSizesTheirCellsAreAddressedBy) {
  struct Sheet {
    const char* path;
    uint32_t width;
    uint32_t height;
  };
  // Sheets of 15 rows of 32 dots; the shot sheet 30 rows of 16; the item icons
  // half the item sheet; screens 640 x 480; the palette 16 wide with the 16 x 16
  // block of entries below row 8.
  const Sheet sheets[] = {{"bmp\\Block.bmp", 256, 480},     {"bmp\\Character1.bmp", 384, 480},
                          {"bmp\\Item.bmp", 256, 480},      {"bmp\\Item_Mini.bmp", 128, 240},
                          {"bmp\\Shot.bmp", 128, 480},      {"bmp\\Mark.bmp", 64, 480},
                          {"bmp\\Title.bmp", 640, 480},     {"bmp\\StatusWindow.bmp", 640, 20},
                          {"bmp\\GameMode.bmp", 192, 224},  {"bmp\\plt\\Palette.bmp", 16, 24},
                          {"bmp\\WorldMapChip.bmp", 160, 32}};
  for (const Sheet& sheet : sheets) {
    SCOPED_TRACE(sheet.path);
    const std::string bmp = Bytes(sheet.path);
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(Le32(bmp, 18), sheet.width);
    EXPECT_EQ(Le32(bmp, 22), sheet.height);
  }
}

TEST_F(SampleProject, PalettePictureHoldsTheKeyColourAndEveryEntryInItsBlock) {
  const std::string bmp = Bytes("bmp\\plt\\Palette.bmp");
  ASSERT_EQ(bmp.size(), 54u + 1024u + 16u * 24u);
  const std::size_t pixels = 54 + 1024;
  // Rows are stored bottom-up; dot (x, y) is at row 23 - y.
  const auto dot = [&](int x, int y) { return static_cast<uint8_t>(bmp[pixels + (23 - y) * 16 + x]); };
  EXPECT_EQ(dot(0, 0), kClear);
  for (int entry = 0; entry < 256; ++entry) ASSERT_EQ(dot(entry % 16, 8 + entry / 16), entry);
  // The colour table is the program palette.
  const cPalette256& palette = ProgramPalette();
  for (int entry = 0; entry < 256; ++entry) {
    EXPECT_EQ(static_cast<uint8_t>(bmp[54 + 4 * entry]), palette[static_cast<std::size_t>(entry)].b);
    EXPECT_EQ(static_cast<uint8_t>(bmp[54 + 4 * entry + 2]), palette[static_cast<std::size_t>(entry)].r);
  }
}

TEST_F(SampleProject, EverySoundAndMusicTheDataNamesIsAPcmWaveOrAStandardMidiFile) {
  std::vector<std::string> sounds;
  for (const cSoundEntry& entry : kSystemSounds) sounds.push_back(entry.lpFile);
  for (const cSoundEntry& entry : kDatabaseSounds) {
    if (entry.lpFile[0] != '\0') sounds.push_back(entry.lpFile);
  }
  for (const std::string& path : sounds) {
    SCOPED_TRACE(path);
    const std::string wav = Bytes(path);
    ASSERT_GE(wav.size(), 46u);
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(Le32(wav, 40), Le32(wav, 4) - 36 - (Le32(wav, 40) & 1));
    EXPECT_GT(Le32(wav, 40), 0u);
  }
  for (const cSongEntry& song : kSongs) {
    if (song.lpFile[0] == '\0') continue;
    SCOPED_TRACE(song.lpFile);
    const std::string mid = Bytes(song.lpFile);
    if (std::string(song.lpFile).ends_with(".ogg")) {
      EXPECT_EQ(mid.substr(0, 4), "OggS");
      EXPECT_EQ(mid.substr(29, 6), "vorbis");  // the identification header's packet
      continue;
    }
    ASSERT_GE(mid.size(), 22u);
    EXPECT_EQ(mid.substr(0, 4), "MThd");
    EXPECT_EQ(mid.substr(14, 4), "MTrk");
    EXPECT_EQ(mid.substr(mid.size() - 3), std::string("\xFF\x2F\x00", 3));
  }
}

TEST_F(SampleProject, DefaultFolderHoldsTheSameDataAsTheDataFolder) {
  const std::map<std::string, std::string> data = ReadTree(Root() / "data");
  const std::map<std::string, std::string> copy = ReadTree(Root() / "default");
  ASSERT_FALSE(data.empty());
  EXPECT_EQ(data, copy);
}

TEST_F(SampleProject, DatabaseLoadsWithItsLoaderAndNamesOnlyFilesThatExist) {
  cDatabase database;
  ASSERT_EQ(database.LoadFiles(Root()), 1);
  const cDatabase built = BuildSampleDatabase();
  EXPECT_EQ(database.m_AnimeSets.size(), built.m_AnimeSets.size());
  EXPECT_EQ(database.m_Sounds.size(), kDatabaseSounds.size());
  EXPECT_EQ(database.m_Bgms.size(), kSongs.size());
  EXPECT_EQ(database.m_CharaEffects.CheckedVectorAt(0).m_nKind, 0);
  std::set<std::string> named;
  for (const cEffect& effect : database.m_Effects) named.insert(effect.m_strFile);
  for (const cBmpCharaExc& bitmap : database.m_BmpCharaExcs) named.insert(bitmap.m_strFile);
  for (const cSwordType& sword : database.m_SwordTypes) named.insert({sword.m_strFile, sword.m_strFile2});
  for (const cPicture& picture : database.m_Pictures) named.insert(picture.m_strFile);
  // Entry 0 of the sounds and the music is the "none" entry.
  for (int32_t i = 1; i < database.m_Sounds.VectorSize(); ++i) named.insert(database.m_Sounds.CheckedVectorAt(i).m_strFile);
  for (int32_t i = 1; i < database.m_Bgms.VectorSize(); ++i) named.insert(database.m_Bgms.CheckedVectorAt(i).m_strFile);
  for (const std::string& path : named) {
    EXPECT_FALSE(path.empty());
    EXPECT_TRUE(fs::is_regular_file(HostOf(Root(), path))) << Cp932ToUtf8Lossy(path);
  }
}

TEST_F(SampleProject, SettingsLoadWithTheirFilesAndMenuMusicInRange) {
  cDatabase database;
  ASSERT_EQ(database.LoadFiles(Root()), 1);
  cSystemData settings;
  settings.SetBgmCount(database.m_Bgms.VectorSize());
  ASSERT_EQ(LoadRecordImage(settings, Image(Bytes(g_PathTable[kPathSystemDat]))), eRecordFile::Ok);
  EXPECT_EQ(settings.m_strTitle, kSampleTitle);
  EXPECT_EQ(settings.m_nChallengeStages, kSampleChallengeStages);
  ASSERT_EQ(settings.m_SystemSounds.VectorSize(), kSystemSoundCount);
  for (const std::string& sound : settings.m_SystemSounds) {
    EXPECT_TRUE(fs::is_regular_file(HostOf(Root(), sound))) << sound;
  }
  EXPECT_EQ(settings.m_MenuBgm.CheckedVectorAt(0), kBgmTitle);
  for (int32_t bgm : settings.m_MenuBgm) {
    EXPECT_GT(bgm, 0);
    EXPECT_LT(bgm, database.m_Bgms.VectorSize());
  }
}

TEST_F(SampleProject, WorldMapLoadsWithAStartOnTheRoadAndAStageAtEveryPlayNode) {
  cWorldMap map;
  ASSERT_EQ(LoadRecordImage(map, Image(Bytes(g_PathTable[kPathWorldMap]))), eRecordFile::Ok);
  EXPECT_EQ(map.m_nWidth, 20);
  EXPECT_EQ(map.m_nHeight, 15);
  ASSERT_NE(map.FindNode(map.m_nStartX, map.m_nStartY), nullptr);
  std::vector<std::string> stages;
  for (const cWorldNode& node : map.m_Nodes) {
    const int32_t chip = map.Cell(node.m_nX, node.m_nY);
    EXPECT_EQ(map.m_Chips.CheckedVectorAt(chip).m_bBlocked, 0) << node.m_strName;
    for (const cWorldStage& entry : node.m_Stages) {
      if (entry.m_nKind != kWorldStagePlay) continue;
      stages.push_back(entry.m_strStageFile);
      // The player reads the newest numbered version of the named stage.
      EXPECT_TRUE(fs::is_regular_file(HostOf(Root(), entry.m_strStageFile + "_000"))) << entry.m_strStageFile;
    }
  }
  EXPECT_EQ(stages, std::vector<std::string>(kStoryStageFiles.begin(), kStoryStageFiles.end()));
  EXPECT_EQ(map.m_Nodes.back().m_Stages.back().m_nAfterClear, kAfterClearTitle);
}

TEST_F(SampleProject, CommonPaletteLoadsWithEveryPartItsBuilderMade) {
  cDatabase database;
  ASSERT_EQ(database.LoadFiles(Root()), 1);
  const cValidateContext context = SampleValidateContext(database);
  cValidateContextScope scope(context);
  cCommonPalette palette;
  ASSERT_EQ(LoadRecordImage(palette, Image(Bytes(g_PathTable[kPathCommonPalette]))), eRecordFile::Ok);
  const cCommonPalette built = BuildSamplePalette();
  ASSERT_EQ(palette.m_CharaPalette.size(), built.m_CharaPalette.size());
  ASSERT_EQ(palette.m_BlockPalette.size(), built.m_BlockPalette.size());
  ASSERT_EQ(palette.m_ItemPalette.size(), built.m_ItemPalette.size());
  // Validation on the way kept every reference: nothing was cut.
  for (int32_t i = 0; i < built.m_CharaPalette.VectorSize(); ++i) {
    EXPECT_TRUE(palette.m_CharaPalette.CheckedVectorAt(i) == built.m_CharaPalette.CheckedVectorAt(i)) << "chara " << i;
  }
  const cCharaDef& hero = palette.m_CharaPalette.CheckedVectorAt(kCharaHero);
  EXPECT_EQ(hero.m_nControl, cCharaDef::kControlPlayer);
  EXPECT_EQ(hero.m_Flows.size(), 4u);
  std::set<int32_t> hitClasses;
  for (const cBlockDef& block : palette.m_BlockPalette) {
    if (block.m_nGraphic != 0) hitClasses.insert(block.m_nHitClass);
  }
  EXPECT_EQ(hitClasses, (std::set<int32_t>{kBlockPassable, kBlockSolid, kBlockDeadly}));
  const cItemDef& goal = palette.m_ItemPalette.CheckedVectorAt(kItemGoal);
  ASSERT_EQ(goal.m_Commands.size(), 1u);
  const cFlowCmd& clear = goal.m_Commands.CheckedVectorAt(0);
  EXPECT_EQ(clear.m_nSet, kCmdSetItem);
  EXPECT_EQ(SharedFlowKind(clear.m_nSet, clear.m_nKind), kFlowCmdStageClear);
}

// The globals a stage load writes, put back afterwards.
class cStageGlobalsGuard {
 public:
  ~cStageGlobalsGuard() {
    SetMesBoxAnswerer(nullptr);
    g_Stage = m_Stage;
    g_StageInitial = m_Initial;
    g_HeroDef = m_Hero;
    g_CommonPalette = m_Common;
  }

 private:
  cStageData m_Stage = g_Stage;
  cStageData m_Initial = g_StageInitial;
  cCharaDef m_Hero = g_HeroDef;
  cCommonPalette m_Common = g_CommonPalette;
};

// The stage name the numbered search takes: the file without "_000".
std::string StageName(const std::string& numberedPath) {
  return numberedPath.substr(0, numberedPath.rfind('_'));
}

TEST_F(SampleProject, StagesLoadWithTheStageLoaderWithAHeroEnemiesItemsAndAGoal) {
  cStageGlobalsGuard guard;
  std::vector<std::string> boxes;
  SetMesBoxAnswerer([&](const std::string& text, const std::string&, unsigned) {
    boxes.push_back(text);
    return 1;
  });
  cDatabase database;
  ASSERT_EQ(database.LoadFiles(Root()), 1);
  const cValidateContext context = SampleValidateContext(database);
  cValidateContextScope scope(context);
  ASSERT_EQ(LoadRecordImage(g_CommonPalette, Image(Bytes(g_PathTable[kPathCommonPalette]))), eRecordFile::Ok);
  AllowStageLoads();

  const std::vector<cSampleStage> built = BuildSampleStages(BuildSamplePalette());
  ASSERT_EQ(built.size(), 9u);
  for (std::size_t i = 0; i < built.size(); ++i) {
    const std::string name = StageName(built[i].strPath);
    SCOPED_TRACE(name);
    ASSERT_EQ(LoadStageFile(HostOf(Root(), name).string(), 1, &g_StageInitial, &g_HeroDef), 1);
    EXPECT_TRUE(boxes.empty());
    const std::vector<std::string>& map = SampleStageMap(i);
    EXPECT_EQ(g_Stage.m_nWidth, static_cast<int32_t>(map.front().size()));
    EXPECT_EQ(g_Stage.m_nHeight, static_cast<int32_t>(map.size()));
    ASSERT_EQ(g_Stage.FindHero(), 0);
    EXPECT_EQ(g_HeroDef.m_strName, g_Stage.m_PlacedCharas.CheckedVectorAt(0).m_strName);
    int32_t enemies = 0;
    for (const cCharaDef& chara : g_Stage.m_PlacedCharas) {
      if (chara.m_nControl == cCharaDef::kControlComputer) ++enemies;
    }
    EXPECT_GT(enemies, 0);
    // Exactly one goal, standing on a solid block of the map.
    int32_t goals = 0;
    for (const cItemDef& item : g_Stage.m_PlacedItems) {
      if (item.m_nGraphic != kItemGoal) continue;
      ++goals;
      ASSERT_EQ(item.m_Commands.size(), 1u);
      const cFlowCmd& clear = item.m_Commands.CheckedVectorAt(0);
      EXPECT_EQ(SharedFlowKind(clear.m_nSet, clear.m_nKind), kFlowCmdStageClear);
      ASSERT_LT(item.m_nY + 1, g_Stage.m_nHeight);
      const char below = map[static_cast<std::size_t>(item.m_nY + 1)][static_cast<std::size_t>(item.m_nX)];
      EXPECT_TRUE(below == '#' || below == 'B') << "the goal stands on '" << below << "'";
    }
    EXPECT_EQ(goals, 1);
  }
}

TEST_F(SampleProject, EveryChallengeStageTheSettingsCountHasItsNumberedFile) {
  cSystemData settings;
  ASSERT_EQ(LoadRecordImage(settings, Image(Bytes(g_PathTable[kPathSystemDat]))), eRecordFile::Ok);
  ASSERT_GT(settings.m_nChallengeStages, 0);
  for (int32_t n = 1; n <= settings.m_nChallengeStages; ++n) {
    char name[64];
    std::snprintf(name, sizeof name, "%s%02d-1.%s_000", g_PathTable[kPathChallengeStagePrefix], n, g_ExtTable[kExtStage]);
    EXPECT_TRUE(fs::is_regular_file(HostOf(Root(), name))) << name;
  }
}

}  // namespace
