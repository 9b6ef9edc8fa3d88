#pragma once
// g_FontTable: the program's three fonts. Start-up puts the project's font face
// into each and replaces kFontCacheFromIni by the System.ini key before it
// creates the fonts. Font 1 is the message font of the scenes.

#include <array>

#include "platform/dd/font_data.h"

inline constexpr int kFontCount = 3;

extern std::array<FONTDATA, kFontCount> g_FontTable;
