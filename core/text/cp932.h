#pragma once
// Conversion between the program's CP932 bytes and UTF-8, for the edges only
// (host file names, fonts, the window title, message boxes, text input).
// Uses glibc iconv with "CP932": unlike "SHIFT_JIS" it keeps 0x5C as the
// backslash and 0x7E as the tilde, which data paths depend on.

#include <optional>
#include <string>
#include <string_view>

// nullopt when the input holds a byte sequence the code page does not define.
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// Lossy forms for display and logs: undecodable bytes become '?'.
std::string Cp932ToUtf8Lossy(std::string_view cp932);
