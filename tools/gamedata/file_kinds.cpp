#include "tools/gamedata/file_kinds.h"

#include <cctype>

#include "core/path/ascii_fold.h"
#include "records/database/database.h"
#include "records/options/option_data.h"
#include "records/palette/common_palette.h"
#include "records/project/path_table.h"
#include "records/save/save_data.h"
#include "records/settings/system_data.h"
#include "records/worldmap/world_map.h"
#include "tools/gamedata/stage_files.h"

namespace {

template <class T>
std::unique_ptr<cDataFile> Root(const char* name) {
  return std::make_unique<cRootRecordFile<T>>(name);
}

template <class T>
std::unique_ptr<cDataFile> List(const char* name, DatabaseListReader<T> reader = LoadDatabaseList<T>) {
  return std::make_unique<cDatabaseFile<T>>(name, reader);
}

using M = eFileMatch;
using P = eProjectNeed;

// Parts are named as the program keeps them: the global a root record is
// loaded into, the cDatabase member a list is loaded into.
const cFileKind kFileKinds[] = {
    {M::PathEntry, kPathSystemDat, nullptr, P::None,
     [] { return Root<cSystemData>("g_SystemData"); }},
    {M::PathEntry, kPathAnimeSet, nullptr, P::None,
     [] { return List<cAnimeSet>("m_AnimeSets"); }},
    {M::PathEntry, kPathAnime, nullptr, P::None, [] { return List<cAnime>("m_Animes"); }},
    {M::PathEntry, kPathBmpCharaExc, nullptr, P::None,
     [] { return List<cBmpCharaExc>("m_BmpCharaExcs"); }},
    {M::PathEntry, kPathSwordType, nullptr, P::None,
     [] { return List<cSwordType>("m_SwordTypes", LoadSwordTypeList); }},
    {M::PathEntry, kPathEffect, nullptr, P::None, [] { return List<cEffect>("m_Effects"); }},
    {M::PathEntry, kPathCharaEffect, nullptr, P::None,
     [] { return List<cCharaEffect>("m_CharaEffects"); }},
    {M::PathEntry, kPathScrEffect, nullptr, P::None,
     [] { return List<cScrEffect>("m_ScrEffects"); }},
    {M::PathEntry, kPathPicture, nullptr, P::None, [] { return List<cPicture>("m_Pictures"); }},
    {M::PathEntry, kPathSound, nullptr, P::None, [] { return List<cSound>("m_Sounds"); }},
    {M::PathEntry, kPathBgm, nullptr, P::None, [] { return List<cBgm>("m_Bgms"); }},
    {M::PathEntry, kPathWorldMap, nullptr, P::None,
     [] { return Root<cWorldMap>("g_WorldMap"); }},
    {M::Extension, -1, "cplt4", P::Database,
     [] { return Root<cCommonPalette>("g_CommonPalette"); }},
    {M::PathEntry, kPathOption, nullptr, P::None, [] { return Root<cOptionData>("g_OptionData"); }},
    {M::NumberedEntry, kPathStorySlotPrefix, nullptr, P::Project,
     [] { return Root<cSaveData>("g_SaveData"); }},
    {M::PathEntry, kPathChallengeSave, nullptr, P::Project,
     [] { return Root<cSaveData>("g_SaveData"); }},
    {M::ExtensionPrefix, -1, "stg4_", P::Project,
     []() -> std::unique_ptr<cDataFile> { return std::make_unique<cStageFile>(); }},
    {M::ExtensionPrefix, -1, "rpl4_", P::Project,
     []() -> std::unique_ptr<cDataFile> { return std::make_unique<cReplayFile>(); }},
};

// The file name of a data path: what follows its last backslash.
std::string_view EntryFileName(int entry) {
  const std::string_view path = g_PathTable[entry];
  const std::size_t slash = path.rfind('\\');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view ExtensionOf(std::string_view fileName) {
  const std::size_t dot = fileName.rfind('.');
  return dot == std::string_view::npos ? std::string_view() : fileName.substr(dot + 1);
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsAsciiNoCase(text.substr(0, prefix.size()), prefix);
}

// prefix, two digits, ".dat".
bool IsNumberedName(std::string_view fileName, std::string_view prefix) {
  constexpr std::string_view kTail = ".dat";
  if (fileName.size() != prefix.size() + 2 + kTail.size()) return false;
  const std::string_view digits = fileName.substr(prefix.size(), 2);
  return StartsWithNoCase(fileName, prefix) && std::isdigit(static_cast<unsigned char>(digits[0])) &&
         std::isdigit(static_cast<unsigned char>(digits[1])) &&
         EqualsAsciiNoCase(fileName.substr(prefix.size() + 2), kTail);
}

bool Matches(const cFileKind& kind, std::string_view fileName) {
  switch (kind.nMatch) {
    case M::PathEntry:
      return EqualsAsciiNoCase(fileName, EntryFileName(kind.nPathEntry));
    case M::NumberedEntry:
      return IsNumberedName(fileName, EntryFileName(kind.nPathEntry));
    case M::Extension:
      return EqualsAsciiNoCase(ExtensionOf(fileName), kind.lpExt);
    case M::ExtensionPrefix:
      return StartsWithNoCase(ExtensionOf(fileName), kind.lpExt);
  }
  return false;
}

}  // namespace

const cFileKind* FindFileKind(std::string_view fileName) {
  for (const cFileKind& kind : kFileKinds) {
    if (Matches(kind, fileName)) return &kind;
  }
  return nullptr;
}

std::string FileKindName(const cFileKind& kind) {
  switch (kind.nMatch) {
    case M::PathEntry:
      return std::string(EntryFileName(kind.nPathEntry));
    case M::NumberedEntry:
      return std::string(EntryFileName(kind.nPathEntry)) + "NN.dat";
    case M::Extension:
      return std::string("*.") + kind.lpExt;
    case M::ExtensionPrefix:
      return std::string("*.") + kind.lpExt + "*";
  }
  return {};
}

std::string KnownFileKinds() {
  std::string names;
  for (const cFileKind& kind : kFileKinds) {
    if (!names.empty()) names += ", ";
    names += FileKindName(kind);
  }
  return names;
}
