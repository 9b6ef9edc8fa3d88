#pragma once
// cGlyphFace: the one glyph renderer behind every font, in both modes. A face
// turns one CP932 character into a coverage mask, a pixel either covered or
// not: glyphs are never anti-aliased, so a text colour lands on untouched
// pixels and keyed caches, 8-bit surfaces and both modes get the same shapes.
//
// The mask of a character is rendered once and kept, so text drawn without the
// font's own cell caches still rasterises each character only on first use.
//
//   std::unique_ptr<cGlyphFace> face = OpenGlyphFace(g_FontTable[1].szFace, 16);
//   const cGlyphMask* mask = face->Glyph("\x82\xa0", 2);   // "あ"
//   if (mask != nullptr) DrawGlyphMask(&sd, x, y, *mask, pixel);
//
// A face whose font file could not be opened draws nothing: Glyph gives null
// for every character, while the text layout around it still runs.

#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

struct cGlyphMask {
  int32_t nWidth = 0;   // the advance of the character
  int32_t nHeight = 0;  // the face's line height
  std::vector<uint8_t> covered;  // nWidth x nHeight, row by row, 1 = glyph pixel
};

class cGlyphFace {
 public:
  virtual ~cGlyphFace() = default;

  // The mask of one character of n bytes (1, or 2 for a double-byte character),
  // rendered on first use; null for a byte pair that is no CP932 character and
  // for a face without a font.
  const cGlyphMask* Glyph(const char* bytes, int32_t n);

  // The height of a line of this face in pixels.
  virtual int32_t LineHeight() const = 0;

  // The device objects of the other renderer had to be told of a lost device;
  // nothing here is lost, so this always succeeds (0).
  int32_t OnLostDevice() { return 0; }

 protected:
  // The mask of a character, or false when the face draws nothing for it.
  virtual bool Render(const char* bytes, int32_t n, cGlyphMask* out) = 0;

 private:
  // Key: the byte, or lead << 8 | trail. A character that rendered nothing is
  // kept as well (bValid false), so it is not tried again on every draw.
  struct cEntry {
    bool bValid = false;
    cGlyphMask mask;
  };
  std::unordered_map<uint32_t, cEntry> m_masks;
};

// Opens the face that fontconfig matches for a family name given in CP932,
// with language "ja", at the largest pixel size whose line height is not above
// nPixelHeight. An unknown family falls back to the installed Japanese font;
// without any font file the first call logs once and the face draws nothing.
std::unique_ptr<cGlyphFace> OpenGlyphFace(const char* faceCp932, int32_t nPixelHeight);

// Tests and the fuzz targets replace the font files by a face of their own
// (OpenGlyphFace then calls this); an empty function restores the default.
using GlyphFaceFactory = std::function<std::unique_ptr<cGlyphFace>(const char* faceCp932, int32_t nPixelHeight)>;
void SetGlyphFaceFactory(GlyphFaceFactory factory);
