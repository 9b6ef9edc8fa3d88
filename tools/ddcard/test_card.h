#pragma once
// The graphics steps of start-up on a project folder (DDInit, palette and
// transparent colour, LinkBitmapTables, the bitmap list), then one test card:
// the system pictures keyed in a grid, the palette as fills, stretched and
// mirror-view blits; nothing on it differs between the modes by design. The
// card is presented once and the presented frame returned.

#include <cstdint>
#include <string>
#include <vector>

struct cTestCardOptions {
  int32_t bDirect3D = 0;
  int32_t nBpp = 32;
  int32_t bFullScreen = 0;
  std::string strPage = {};  // "" the card above; "fonts" the fonts page (fonts_page.h); "effects" (effects_page.h)
  int32_t nFrame = 0;        // the animation frame of the effects page
};

struct cTestCardResult {
  bool bOk = false;
  std::string strFailedStep;     // the step that failed
  int32_t nWidth = 0;
  int32_t nHeight = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, top row first
};

// Runs in the project folder given (the current folder is restored after).
cTestCardResult RunTestCard(const std::string& projectDir, const cTestCardOptions& options);

// Writes the frame as a 24-bit BMP; false when the file cannot be written.
bool WriteFrameBmp(const std::string& path, const cTestCardResult& frame);
