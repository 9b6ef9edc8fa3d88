#pragma once
// Relative and absolute forms of data paths, against the current folder (the
// project folder). Both stay CP932 bytes:
// - the absolute form is the host path: '/' first, slashes between components,
//   "." and ".." worked out ("/home/u/game/data/a.stg4");
// - the relative form uses backslashes ("data\\a.stg4", "..\\other\\b.stg4").
// A trailing separator survives both ways, since callers strip it to get a
// folder's name. Results longer than kMaxPathBytes are refused (0, unchanged).

#include <optional>
#include <string>

// The current folder as a CP932 host path; nullopt when it cannot be read or
// holds a character CP932 cannot spell.
std::optional<std::string> CurrentDirCp932();

// A relative path stays (1); an absolute one becomes relative to the current
// folder (1). 0 when the current folder cannot be read.
int PathToRelative(std::string& path);
// The same, under the name the string callers use.
int PathToRelativeStr(std::string& path);

// An absolute path stays (1); a relative one becomes absolute against the
// current folder (1). 0 when the current folder cannot be read.
int PathToAbsolute(std::string& path);
