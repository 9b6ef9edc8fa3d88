#pragma once
// The fonts page of the test card: start-up's font step (the project's face,
// the glyph caches on), then the three
// fonts' character sets, symbol letters, a framed text box and the three digit
// sheets on the back buffer. The fonts and sheets are released again after.

#include <cstdint>

class cSystemData;

void DrawFontsPage(const cSystemData& settings);
