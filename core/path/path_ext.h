#pragma once
// Extensions and numbered names of data paths. The extension is what follows
// the last dot of the file name; a dot in a folder name ("a.b\\c") does not
// start one. Every helper builds its result apart, so the destination may be the
// source itself, and refuses (returns 0, destination unchanged) a result longer
// than kMaxPathBytes.

#include <optional>
#include <string>
#include <string_view>

// dest = src with its extension replaced by ext ("a.txt", "bin" -> "a.bin"), or
// with the dot and extension removed when ext is nullopt. 1 on success; 0 with
// dest = src when the file name has no dot.
int PathChangeExt(std::string& dest, std::string_view src,
                  std::optional<std::string_view> ext);

// Removes the last dot of the file name and what follows it; 0 when there is none.
int PathRemoveExt(std::string& path);
// The same, under the name the string callers use.
int PathRemoveExtStr(std::string& path);

// dest = the extension of src without its dot; 0 (dest untouched) when none.
int PathGetExt(std::string& dest, std::string_view src);

// dest = "<src without extension> (<n>).<extension>", the name tried next when
// src exists already. 0 (dest untouched) when src has no extension.
int PathNumberedName(std::string& dest, std::string_view src, int n);
