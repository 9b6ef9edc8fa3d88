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
    const bool ok = CopyCoverage(solid, out);
    SDL_FreeSurface(solid);
    return ok;
  }

 private:
  // A solid rendering is 8-bit with index 0 as the background.
  static bool CopyCoverage(SDL_Surface* solid, cGlyphMask* out) {
    if (solid->format->BytesPerPixel != 1 || SDL_LockSurface(solid) != 0) return false;
    out->nWidth = solid->w;
    out->nHeight = solid->h;
    out->covered.assign(static_cast<std::size_t>(solid->w) * static_cast<std::size_t>(solid->h), 0);
    for (int y = 0; y < solid->h; ++y) {
      const auto* row = static_cast<const uint8_t*>(solid->pixels) + static_cast<std::ptrdiff_t>(y) * solid->pitch;
      for (int x = 0; x < solid->w; ++x) {
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
