#pragma once
// A project folder with an empty data\database\, its own report log, and every
// message box answered and recorded instead of shown.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/log/report_log.h"
#include "core/mesbox/mesbox.h"
#include "core/thread/messages.h"
#include "records/database/database.h"
#include "records/database/database_list_file.h"
#include "records/project/path_table.h"
#include "support/record_fixtures.h"
#include "support/temp_dir.h"

// The ten database files in load order, as path-table indices.
inline constexpr int kDatabaseFiles[] = {kPathAnimeSet, kPathAnime,       kPathBmpCharaExc,
                                         kPathSwordType, kPathEffect,     kPathCharaEffect,
                                         kPathScrEffect, kPathPicture,    kPathSound,
                                         kPathBgm};

// The bytes a record saves at a data version: equal bytes, equal records.
inline std::string Bytes(cRecord& record, int32_t version = g_nDataVersion) {
  cRecordWriter writer(version);
  record.Save(writer);
  return std::string(writer.Bytes().begin(), writer.Bytes().end());
}

template <class T>
std::string ListBytes(cVector<T>& list) {
  const std::vector<uint8_t> image = SaveDatabaseListImage(list);
  return std::string(image.begin(), image.end());
}

// list written as a file of version, then read back by reader.
template <class T>
cVector<T> ReloadAt(cVector<T>& list, int32_t version,
                    DatabaseListReader<T> read = LoadDatabaseList<T>) {
  cRecordInFile file = OpenRecordImage(SaveDatabaseListImage(list, version));
  cVector<T> loaded;
  EXPECT_TRUE(file.IsOpen());
  EXPECT_TRUE(read(file.Reader(), loaded));
  return loaded;
}

class DatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetWindowQueue();
    ASSERT_EQ(OpenReportLog(dir_.file("Report_Game.txt").c_str()), 1);
    std::filesystem::create_directories(Project() / "data" / "database");
    SetMesBoxAnswerer([this](const std::string& text, const std::string&, unsigned) {
      boxes_.push_back(text);
      return 1;
    });
  }
  void TearDown() override {
    SetMesBoxAnswerer(nullptr);
    ResetWindowQueue();
  }

  std::filesystem::path Project() const { return dir_.path() / "project"; }

  // The host path of a database file of the project.
  std::filesystem::path FileOf(int pathIndex) const {
    std::string path = g_PathTable[pathIndex];
    for (char& c : path) {
      if (c == '\\') c = '/';
    }
    return Project() / path;
  }

  template <class T>
  void WriteList(int pathIndex, cVector<T>& list, int32_t version = g_nDataVersion) {
    const std::vector<uint8_t> image = SaveDatabaseListImage(list, version);
    WriteFileBytes(FileOf(pathIndex), std::string(image.begin(), image.end()));
  }

  TempDir dir_;
  std::vector<std::string> boxes_;
};
