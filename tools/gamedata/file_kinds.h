#pragma once
// The data files the tool knows, recognised by their file name.

#include <memory>
#include <string>
#include <string_view>

#include "tools/gamedata/data_file.h"

// What the loads of a file check their references against.
enum class eProjectNeed {
  None,      // nothing outside the file
  Database,  // the database and settings of the project the file lies in
  Project,   // and its world map and common palette (save data, stages)
};

enum class eFileMatch {
  PathEntry,        // the file name of a path-table entry
  NumberedEntry,    // that name (the entry a prefix) with two digits and ".dat"
  Extension,        // exactly this extension
  ExtensionPrefix,  // an extension that begins with this
};

struct cFileKind {
  eFileMatch nMatch;
  int nPathEntry;        // PathEntry, NumberedEntry: the g_PathTable entry
  const char* lpExt;     // Extension, ExtensionPrefix
  eProjectNeed nNeed;
  std::unique_ptr<cDataFile> (*make)();
};

// The kind of the file name (no folder), any case; null when none.
const cFileKind* FindFileKind(std::string_view fileName);

// How a kind is named to the user: "AnimeSet.dat", "StoryNN.dat", "*.stg4_*".
std::string FileKindName(const cFileKind& kind);

// Every kind's name, for the usage text.
std::string KnownFileKinds();
