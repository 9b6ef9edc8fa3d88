#include "platform/dd/ttf_glyph_face.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <mutex>
#include <string>

#include "core/log/ec_log.h"
#include "core/log/report_log.h"
#include "core/text/cp932.h"
#include "core/text/sjis.h"
#include "platform/dd/font_file_lookup.h"
#include "platform/dd/glyph_face.h"

namespace {

// The device font took at most 31 bytes of the face name (and its zero).
constexpr std::size_t kFaceNameBytes = 31;

bool StartTtf() {
  static std::once_flag once;
  static bool started = false;
  std::call_once(once, [] { started = TTF_Init() == 0; });
  return started;
}

// Without a font the text layout still runs; say so once, not per font.
void LogNoFontOnce(const char* why) {
  static std::atomic<bool> logged{false};
  if (!logged.exchange(true)) ReportLog("no font file (%s): text is laid out without glyphs", why);
}

class cTtfGlyphFace final : public cGlyphFace {
 public:
  explicit cTtfGlyphFace(TTF_Font* font) : m_font(font) {}
  ~cTtfGlyphFace() override {
    if (m_font != nullptr) TTF_CloseFont(m_font);
  }
  cTtfGlyphFace(const cTtfGlyphFace&) = delete;
  cTtfGlyphFace& operator=(const cTtfGlyphFace&) = delete;

  int32_t LineHeight() const override { return m_font != nullptr ? TTF_FontHeight(m_font) : 0; }

 protected:
  bool Render(const char* bytes, int32_t n, cGlyphMask* out) override {
    if (m_font == nullptr) return false;
    const auto first = static_cast<unsigned char>(bytes[0]);
    if (n == 1 && (first < 0x20 || first == 0x7F)) return false;  // control codes have no picture
    const std::optional<std::string> utf8 = Cp932ToUtf8(std::string_view(bytes, static_cast<std::size_t>(n)));
    if (!utf8 || utf8->empty()) return false;
    SDL_Surface* solid = TTF_RenderUTF8_Solid(m_font, utf8->c_str(), SDL_Color{255, 255, 255, 255});
    if (solid == nullptr) return false;
    const bool ok = CopyCoverage(solid, TopOverflow(*utf8), TTF_FontHeight(m_font), out);
    SDL_FreeSurface(solid);
    return ok;
  }

 private:
  // Rows a glyph reaches above the face's ascent: the rendering then starts
  // that much higher, and the mask starts below them.
  int32_t TopOverflow(const std::string& utf8) const {
    Uint32 codepoint = 0;
    if (!DecodeFirst(utf8, &codepoint)) return 0;
    int minx = 0, maxx = 0, miny = 0, maxy = 0, advance = 0;
    if (TTF_GlyphMetrics32(m_font, codepoint, &minx, &maxx, &miny, &maxy, &advance) != 0) return 0;
    return std::max(0, maxy - TTF_FontAscent(m_font));
  }

  static bool DecodeFirst(const std::string& utf8, Uint32* codepoint) {
    const auto* b = reinterpret_cast<const unsigned char*>(utf8.data());
    const std::size_t n = utf8.size();
    if (n >= 1 && b[0] < 0x80) *codepoint = b[0];
    else if (n >= 2 && (b[0] & 0xE0) == 0xC0) *codepoint = (b[0] & 0x1Fu) << 6 | (b[1] & 0x3Fu);
    else if (n >= 3 && (b[0] & 0xF0) == 0xE0) *codepoint = (b[0] & 0x0Fu) << 12 | (b[1] & 0x3Fu) << 6 | (b[2] & 0x3Fu);
    else return false;
    return true;
  }

  // A solid rendering is 8-bit with index 0 as the background. The mask keeps
  // the face's line height from the ascent line: a glyph that reaches past
  // the line (an underscore, a tall accent) is cut there, as the cell of a
  // device font would hold it, so no glyph ever spills into the next line.
  static bool CopyCoverage(SDL_Surface* solid, int32_t firstRow, int32_t lineHeight, cGlyphMask* out) {
    if (solid->format->BytesPerPixel != 1 || SDL_LockSurface(solid) != 0) return false;
    out->nWidth = solid->w;
    out->nHeight = std::max(0, lineHeight);
    out->covered.assign(static_cast<std::size_t>(out->nWidth) * static_cast<std::size_t>(out->nHeight), 0);
    for (int32_t y = 0; y < out->nHeight && firstRow + y < solid->h; ++y) {
      const auto* row = static_cast<const uint8_t*>(solid->pixels) + static_cast<std::ptrdiff_t>(firstRow + y) * solid->pitch;
      for (int32_t x = 0; x < solid->w; ++x) {
        out->covered[static_cast<std::size_t>(y) * static_cast<std::size_t>(solid->w) + static_cast<std::size_t>(x)] =
            row[x] != 0 ? 1 : 0;
      }
    }
    SDL_UnlockSurface(solid);
    return true;
  }

  TTF_Font* m_font;
};

// The largest size whose line is no taller than the font's cell height asks.
void FitLineHeight(TTF_Font* font, int32_t nPixelHeight) {
  for (int32_t size = nPixelHeight; size > 1; --size) {
    if (TTF_SetFontSize(font, size) != 0) continue;
    if (TTF_FontHeight(font) <= nPixelHeight) return;
  }
  TTF_SetFontSize(font, 1);
}

TTF_Font* OpenMatchedFont(const char* faceCp932, int32_t nPixelHeight) {
  if (!StartTtf()) {
    LogNoFontOnce("SDL_ttf");
    return nullptr;
  }
  const std::string_view whole(faceCp932);
  const std::string face(whole.substr(0, SjisCutLength(whole, kFaceNameBytes)));
  const std::optional<cFontFile> file = FindFontFile(Cp932ToUtf8Lossy(face));
  if (!file) {
    LogNoFontOnce("fontconfig");
    return nullptr;
  }
  const int32_t height = std::max<int32_t>(nPixelHeight, 1);
  TTF_Font* font = TTF_OpenFontIndex(file->strPath.c_str(), height, file->nIndex);
  if (font == nullptr) {
    LogNoFontOnce(file->strPath.c_str());
    return nullptr;
  }
  TTF_SetFontHinting(font, TTF_HINTING_MONO);
  FitLineHeight(font, height);
  return font;
}

}  // namespace

std::unique_ptr<cGlyphFace> OpenTtfGlyphFace(const char* faceCp932, int32_t nPixelHeight) {
  return std::make_unique<cTtfGlyphFace>(OpenMatchedFont(faceCp932, nPixelHeight));
}
