// Writes the seed corpora of the data-file fuzz targets into
// <folder>/<target>/: each family's file from the sample project, and the
// same content written at older data versions, so the fuzzers start inside
// every layout and migration the loaders keep.
//
//   build-fuzz/fuzz/fuzz_seeds fuzz/corpus

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz/harness/fuzz_project.h"
#include "records/database/database.h"
#include "records/database/database_list_file.h"
#include "records/options/option_data.h"
#include "records/palette/common_palette.h"
#include "records/record/record_file.h"
#include "records/replay/input_log.h"
#include "records/replay/replay_file.h"
#include "records/save/save_data.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_file.h"
#include "records/worldmap/world_map.h"
#include "tools/gamedata/file_project.h"

namespace fs = std::filesystem;

namespace {

// Versions at which some family's layout or migrations change. A family is
// written at each whose layout differs from the versions before it (the
// fuzzers change the version word themselves to reach the migrations).
const int32_t kSeedVersions[] = {54, 118, 137, 150, 152, 167, 172, 173, 174, 200,
                                 208, 218, 285, 500, 510, 753, 757, 811, 813, 827};

bool g_bFailed = false;

void WriteSeed(const fs::path& folder, const std::string& name, const std::vector<uint8_t>& bytes) {
  fs::create_directories(folder);
  std::ofstream out(folder / name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    std::fprintf(stderr, "fuzz_seeds: cannot write %s\n", (folder / name).c_str());
    g_bFailed = true;
  }
}

// The content after the version word.
std::vector<uint8_t> Body(const std::vector<uint8_t>& image) {
  return image.size() < 4 ? image : std::vector<uint8_t>(image.begin() + 4, image.end());
}

template <class Write>
void WriteVersions(const fs::path& folder, const Write& write) {
  std::vector<std::vector<uint8_t>> bodies;
  const auto writeNew = [&](const std::string& name, const std::vector<uint8_t>& image) {
    for (const std::vector<uint8_t>& body : bodies) {
      if (body == Body(image)) return;
    }
    bodies.push_back(Body(image));
    WriteSeed(folder, name, image);
  };
  writeNew("current", write(g_nDataVersion));
  for (int32_t version : kSeedVersions) writeNew("v" + std::to_string(version), write(version));
}

template <class T>
void ListSeeds(const fs::path& folder, cVector<T>& list) {
  WriteVersions(folder, [&](int32_t version) { return SaveDatabaseListImage(list, version); });
}

template <class T>
void RecordSeeds(const fs::path& folder, T record) {
  WriteVersions(folder, [&](int32_t version) {
    T copy = record;  // a save normalises what it saves
    return SaveRecordImage(copy, version);
  });
}

cStageData SampleStage(const cFuzzProject& project, const char* dataPath) {
  cStageData stage;
  const std::string path = DataPathOf(project.dir) + "\\" + dataPath;
  if (LoadStageRecordFile(path, stage, project.context) != eRecordFile::Ok) {
    std::fprintf(stderr, "fuzz_seeds: %s does not load\n", dataPath);
    g_bFailed = true;
  }
  return stage;
}

// An empty 20 x 15 stage.
cStageData SmallStage() {
  cStageData stage;
  stage.m_nWidth = 20;
  stage.m_nHeight = 15;
  stage.m_strText = "small";
  return stage;
}

cSaveData SampleSave(const cStageData& stage) {
  cSaveData save;
  save.m_nScore = 1200;
  save.m_nLives = 3;
  save.m_nRound = 1;
  save.m_Vars.CheckedVectorAt(5) = 77;
  save.m_MapFlags.CheckedVectorAt(3) = 1;
  save.RecordStageClear(stage.m_strPath, stage.m_strPath, 0, 0, 0, 500);
  return save;
}

cInputLog SampleLog() {
  cInputLog log;
  log.m_nSeed = 0x1234567;
  for (uint16_t frame = 0; frame < 40; ++frame) {
    log.Append({static_cast<uint16_t>(frame / 8), static_cast<uint16_t>(frame % 5 == 0)});
  }
  return log;
}

// A replay as the player writes it, at any version: the stage, the log and,
// from kReplayStateFrom on, the game state.
std::vector<uint8_t> ReplayImage(cStageData stage, cInputLog log, cSaveData state, int32_t version) {
  cRecordWriter writer(version);
  writer.Write(version);
  cStageData header = stage;
  stage.SaveForReplay(writer, header);
  log.Save(writer);
  if (version >= kReplayStateFrom) state.Save(writer);
  return writer.TakeBytes();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_seeds <corpus folder>\n");
    return 2;
  }
  const fs::path root = argv[1];
  const cFuzzProject& project = FuzzProject();
  RecordSeeds(root / "system_data_fuzz", g_SystemData);
  ListSeeds(root / "anime_set_fuzz", g_Database.m_AnimeSets);
  ListSeeds(root / "anime_fuzz", g_Database.m_Animes);
  ListSeeds(root / "bmp_chara_exc_fuzz", g_Database.m_BmpCharaExcs);
  ListSeeds(root / "sword_type_fuzz", g_Database.m_SwordTypes);
  ListSeeds(root / "effect_fuzz", g_Database.m_Effects);
  ListSeeds(root / "chara_effect_fuzz", g_Database.m_CharaEffects);
  ListSeeds(root / "scr_effect_fuzz", g_Database.m_ScrEffects);
  ListSeeds(root / "picture_fuzz", g_Database.m_Pictures);
  ListSeeds(root / "sound_fuzz", g_Database.m_Sounds);
  ListSeeds(root / "bgm_fuzz", g_Database.m_Bgms);
  RecordSeeds(root / "common_palette_fuzz", g_CommonPalette);
  RecordSeeds(root / "world_map_fuzz", g_WorldMap);
  // The sample stage is large: it seeds the current layout only, and a small
  // stage every older one.
  const cStageData stage = SampleStage(project, "data\\stg4\\w01-1.stg4_000");
  const cStageData small = SmallStage();
  cStageData sampleCopy = stage;
  WriteSeed(root / "stage_fuzz", "sample", SaveRecordImage(sampleCopy));
  RecordSeeds(root / "stage_fuzz", small);
  const cSaveData save = SampleSave(stage);
  RecordSeeds(root / "story_slot_fuzz", save);
  RecordSeeds(root / "challenge_fuzz", save);
  cOptionData options;
  options.m_nPalette = 3;
  options.m_strRankingName = "abc";
  WriteSeed(root / "option_fuzz", "current", SaveRecordImage(options));
  const cInputLog log = SampleLog();
  WriteSeed(root / "replay_fuzz", "sample", ReplayImage(stage, log, save, g_nDataVersion));
  WriteVersions(root / "replay_fuzz",
                [&](int32_t version) { return ReplayImage(small, log, save, version); });
  return g_bFailed ? 1 : 0;
}
