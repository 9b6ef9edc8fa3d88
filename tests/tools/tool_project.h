#pragma once
// A project folder written with the program's own record classes, for the
// tests of the gamedata tool and of the start-up data steps.

#include <filesystem>
#include <string>
#include <vector>

#include "records/database/database.h"
#include "records/database/database_list_file.h"
#include "records/palette/common_palette.h"
#include "records/project/path_table.h"
#include "records/settings/system_data.h"
#include "records/worldmap/world_map.h"
#include "support/record_fixtures.h"
#include "support/temp_dir.h"

// UTF-8 text, as the tool prints it (narrow literals are CP932 here).
inline std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// The host path of a project file named by its path-table entry.
inline std::filesystem::path ProjectFile(const std::filesystem::path& dir, int entry) {
  std::string relative = g_PathTable[entry];
  for (char& c : relative) {
    if (c == '\\') c = '/';
  }
  return dir / relative;
}

// A project with every file start-up reads: the database, the settings, the
// world map and the common palette, each the class's defaults but for the
// settings given.
class cToolProject {
 public:
  explicit cToolProject(const std::filesystem::path& dir) : m_Dir(dir) {
    std::filesystem::create_directories(dir / "data" / "database");
  }

  void WriteAll() {
    WriteDatabase();
    Write(kPathSystemDat, settings);
    Write(kPathWorldMap, worldMap);
    Write(kPathCommonPalette, palette);
  }

  void WriteDatabase() {
    WriteList(kPathAnimeSet, database.m_AnimeSets);
    WriteList(kPathAnime, database.m_Animes);
    WriteList(kPathBmpCharaExc, database.m_BmpCharaExcs);
    WriteList(kPathSwordType, database.m_SwordTypes);
    WriteList(kPathEffect, database.m_Effects);
    WriteList(kPathCharaEffect, database.m_CharaEffects);
    WriteList(kPathScrEffect, database.m_ScrEffects);
    WriteList(kPathPicture, database.m_Pictures);
    WriteList(kPathSound, database.m_Sounds);
    WriteList(kPathBgm, database.m_Bgms);
  }

  void Write(int entry, cRecord& record, int32_t version = g_nDataVersion) {
    WriteRecordFixture(File(entry), record, version);
  }

  std::filesystem::path File(int entry) const { return ProjectFile(m_Dir, entry); }

  cDatabase database;
  cSystemData settings;
  cWorldMap worldMap;
  cCommonPalette palette;

 private:
  template <class T>
  void WriteList(int entry, cVector<T>& list) {
    const std::vector<uint8_t> image = SaveDatabaseListImage(list);
    WriteFileBytes(File(entry), std::string(image.begin(), image.end()));
  }

  std::filesystem::path m_Dir;
};
