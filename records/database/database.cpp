#include "records/database/database.h"

#include <optional>
#include <string>

#include "core/globals/global_order.h"
#include "core/text/cp932.h"
#include "records/database/database_list_file.h"
#include "records/database/file_load_error.h"
#include "records/project/path_table.h"

VP_GLOBAL(kGlobalDatabase, cDatabase g_Database);

namespace {

// Default records per list, where the list does not hold one.
constexpr int kDefaultRecords = 2;

template <class T>
void FillDefaults(cVector<T>& list, int count) {
  list.clear();
  list.resize(static_cast<std::size_t>(count));
}

// The data path of a project file inside projectDir; "" when the folder cannot
// be written in CP932 (the open then fails as for a missing file).
std::string DataPathIn(const std::filesystem::path& projectDir, const char* dataPath) {
  if (projectDir.empty()) return dataPath;
  const std::optional<std::string> base = Utf8ToCp932(projectDir.generic_string());
  return base ? *base + "\\" + dataPath : std::string();
}

template <class T>
bool LoadListFile(const std::filesystem::path& projectDir, int pathIndex, cVector<T>& list,
                  DatabaseListReader<T> read) {
  const char* dataPath = g_PathTable[pathIndex];
  const eRecordFile status = LoadDatabaseListFile(DataPathIn(projectDir, dataPath), list, read);
  if (status == eRecordFile::Ok) return true;
  ReportFileLoadError(dataPath, status);
  return false;
}

}  // namespace

void cDatabase::SetDefaults() {
  ClearFields();
  FillDefaults(m_AnimeSets, 1);
  FillDefaults(m_Animes, kDefaultRecords);
  FillDefaults(m_BmpCharaExcs, kDefaultRecords);
  FillDefaults(m_SwordTypes, 1);
  FillDefaults(m_Effects, kDefaultRecords);
  FillDefaults(m_CharaEffects, kDefaultRecords);
  FillDefaults(m_ScrEffects, kDefaultRecords);
  FillDefaults(m_Pictures, kDefaultRecords);
  FillDefaults(m_Sounds, kDefaultRecords);
  FillDefaults(m_Bgms, kDefaultRecords);
  m_Animes.CheckedVectorAt(0).m_strName = "なし";
  m_Animes.CheckedVectorAt(1).m_strName = "アクションA";
}

template <class Visit>
bool cDatabase::VisitLists(Visit&& visit) {
  return visit(kPathAnimeSet, m_AnimeSets, LoadDatabaseList<cAnimeSet>) &&
         visit(kPathAnime, m_Animes, LoadDatabaseList<cAnime>) &&
         visit(kPathBmpCharaExc, m_BmpCharaExcs, LoadDatabaseList<cBmpCharaExc>) &&
         visit(kPathSwordType, m_SwordTypes, LoadSwordTypeList) &&
         visit(kPathEffect, m_Effects, LoadDatabaseList<cEffect>) &&
         visit(kPathCharaEffect, m_CharaEffects, LoadDatabaseList<cCharaEffect>) &&
         visit(kPathScrEffect, m_ScrEffects, LoadDatabaseList<cScrEffect>) &&
         visit(kPathPicture, m_Pictures, LoadDatabaseList<cPicture>) &&
         visit(kPathSound, m_Sounds, LoadDatabaseList<cSound>) &&
         visit(kPathBgm, m_Bgms, LoadDatabaseList<cBgm>);
}

int cDatabase::LoadFiles(const std::filesystem::path& projectDir) {
  const bool loaded = VisitLists([&](int pathIndex, auto& list, auto read) {
    return LoadListFile(projectDir, pathIndex, list, read);
  });
  if (!loaded) return 0;
  ClearFirstEffects();
  return 1;
}

int cDatabase::SaveFiles(const std::filesystem::path& projectDir) {
  const bool saved = VisitLists([&](int pathIndex, auto& list, auto) {
    return SaveDatabaseListFile(DataPathIn(projectDir, g_PathTable[pathIndex]), list) == 1;
  });
  return saved ? 1 : 0;
}

void cDatabase::ClearFirstEffects() {
  // A list the file left empty has no "none" entry to clear.
  if (!m_CharaEffects.empty()) m_CharaEffects.CheckedVectorAt(0).m_nKind = 0;
  if (!m_ScrEffects.empty()) m_ScrEffects.CheckedVectorAt(0).m_nKind = 0;
}
