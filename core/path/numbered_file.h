#pragma once
// Numbered versions of a file: "<base>_DDD" with three digits, where base is the
// path with its extension replaced. The editor saves a stage as a.stg4_000,
// a.stg4_001, ...; the player loads the highest number.

#include <string>
#include <string_view>

// dest = "<base>_DDD" for the highest DDD among the regular files of base's folder
// (matched without regard to ASCII case; dest keeps the caller's spelling of the
// base). base = path with its extension replaced by ext, or path itself when its
// file name has no dot. The folder is listed once. 0 (dest untouched) when there
// is no such file.
int FindNewestNumbered(std::string& dest, std::string_view path, std::string_view ext);
// The same, under the name the string callers use.
int FindNewestNumberedStr(std::string& dest, std::string_view path, std::string_view ext);
