#pragma once
// The parts of a data path: CP932 bytes, folders separated by backslashes (a
// slash is accepted too), relative to the project folder. A 0x5C byte that
// follows a lead byte is the second half of a double-byte character (such as
// "表" or "ソ"), never a separator, so every scan here walks character by character.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Longest path the program handles, in bytes. Results that would be longer are
// refused rather than cut, since a cut path names another file.
inline constexpr std::size_t kMaxPathBytes = 259;

// Moves result into dest when it fits kMaxPathBytes (1); otherwise 0 and dest
// is left as it was.
int AssignWithinPathLimit(std::string& dest, std::string result);

constexpr bool IsPathSeparatorByte(char c) { return c == '\\' || c == '/'; }

// Bytes of the character starting at path[i]: 2 for a lead byte followed by a
// trail byte inside the path, else 1.
std::size_t PathCharBytesAt(std::string_view path, std::size_t i);

// True when the path starts at the host's root ('/' or '\\'). Absolute paths are
// host paths; everything else is relative to the current folder.
bool IsAbsoluteDataPath(std::string_view path);

// True when the path ends with a real separator.
bool EndsWithSeparator(std::string_view path);

// Position of the last real separator, npos when there is none.
std::size_t FindLastSeparator(std::string_view path);

// Position of the dot that starts the file name's extension: the last dot after
// the last separator. npos when the file name has none; "." and ".." have none.
// A dot inside a folder name is never an extension.
std::size_t FindExtensionDot(std::string_view path);

// The folder names and the file name, in order; empty parts (doubled or
// trailing separators) are dropped.
std::vector<std::string_view> SplitPathComponents(std::string_view path);

// Keeps only what follows the last separator. The last byte is not looked at,
// so "a\\b\\" becomes "b\\": a path naming a folder keeps that folder's name.
void PathStripDir(std::string& path);
