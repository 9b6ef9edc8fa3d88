#include "tools/sample/data/sample_data_files.h"

#include <string>
#include <utility>
#include <vector>

#include "records/io/file_image.h"
#include "records/project/path_table.h"
#include "records/record/record_file.h"
#include "records/script/validate_context.h"
#include "tools/sample/data/sample_bench_stage.h"
#include "tools/sample/data/sample_database.h"
#include "tools/sample/data/sample_palette.h"
#include "tools/sample/data/sample_settings.h"
#include "tools/sample/data/sample_showcase_stages.h"
#include "tools/sample/data/sample_stages.h"
#include "tools/sample/data/sample_world_map.h"

namespace {

constexpr char kDataFolder[] = "data\\";
constexpr char kDefaultFolder[] = "default\\";

// The default copy of a data path: "data\..." becomes "default\...".
std::string DefaultPathOf(const std::string& dataPath) {
  return kDefaultFolder + dataPath.substr(sizeof(kDataFolder) - 1);
}

bool WriteBoth(cProjectFiles& files, const std::string& dataPath, const std::vector<uint8_t>& bytes) {
  return files.Write(dataPath, bytes) && files.Write(DefaultPathOf(dataPath), bytes);
}

// The database saves itself into data\database\; its files are then copied.
bool WriteDatabase(cProjectFiles& files, cDatabase& database) {
  if (!files.MakeFolder("data\\database")) return false;
  if (!database.SaveFiles(files.Root())) return false;
  for (int index : {kPathAnimeSet, kPathAnime, kPathBmpCharaExc, kPathSwordType, kPathEffect,
                    kPathCharaEffect, kPathScrEffect, kPathPicture, kPathSound, kPathBgm}) {
    const std::string dataPath = g_PathTable[index];
    std::vector<uint8_t> bytes;
    if (ReadFileImage(files.HostPath(dataPath).string(), bytes) != eFileRead::Ok) return false;
    if (!files.Write(DefaultPathOf(dataPath), bytes)) return false;
  }
  return true;
}

// Stage parts are checked against the common palette the program has loaded
// (g_CommonPalette): it is the sample's while the stages are saved.
class cCommonPaletteSwap {
 public:
  explicit cCommonPaletteSwap(const cCommonPalette& palette) : m_Saved(g_CommonPalette) { g_CommonPalette = palette; }
  ~cCommonPaletteSwap() { g_CommonPalette = m_Saved; }
  cCommonPaletteSwap(const cCommonPaletteSwap&) = delete;
  cCommonPaletteSwap& operator=(const cCommonPaletteSwap&) = delete;

 private:
  cCommonPalette m_Saved;
};

bool WriteStages(cProjectFiles& files, const cCommonPalette& palette) {
  cCommonPaletteSwap swap(palette);
  std::vector<cSampleStage> stages = BuildSampleStages(palette);
  for (cSampleStage& showcase : BuildShowcaseStages(palette)) stages.push_back(std::move(showcase));
  stages.push_back(BuildSampleBenchStage(palette));
  for (cSampleStage& sample : stages) {
    if (!WriteBoth(files, sample.strPath, SaveRecordImage(sample.stage))) return false;
  }
  return true;
}

}  // namespace

bool WriteSampleDataFiles(cProjectFiles& files) {
  cDatabase database = BuildSampleDatabase();
  if (!WriteDatabase(files, database)) return false;

  const cValidateContext context = SampleValidateContext(database);
  cValidateContextScope scope(context);

  cSystemData settings = BuildSampleSettings();
  settings.SetBgmCount(database.m_Bgms.VectorSize());
  cWorldMap worldMap = BuildSampleWorldMap();
  cCommonPalette palette = BuildSamplePalette();
  return WriteBoth(files, g_PathTable[kPathSystemDat], SaveRecordImage(settings)) &&
         WriteBoth(files, g_PathTable[kPathWorldMap], SaveRecordImage(worldMap)) &&
         WriteBoth(files, g_PathTable[kPathCommonPalette], SaveRecordImage(palette)) && WriteStages(files, palette);
}
