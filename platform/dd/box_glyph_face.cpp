#include "platform/dd/box_glyph_face.h"

#include <atomic>

#include "core/text/sjis.h"
#include "platform/dd/glyph_face.h"

namespace {

std::atomic<int32_t> g_nBoxGlyphRenders{0};

class cBoxGlyphFace final : public cGlyphFace {
 public:
  explicit cBoxGlyphFace(int32_t height) : m_nHeight(height < 1 ? 1 : height) {}

  int32_t LineHeight() const override { return m_nHeight; }

 protected:
  bool Render(const char* bytes, int32_t n, cGlyphMask* out) override {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (n == 2 && !IsSjisDoubleByte(bytes)) return false;
    if (n == 1 && lead < 0x20) return false;
    g_nBoxGlyphRenders.fetch_add(1);
    const uint32_t code = n == 2 ? (static_cast<uint32_t>(lead) << 8 | static_cast<unsigned char>(bytes[1])) : lead;
    out->nWidth = n == 2 ? m_nHeight : (m_nHeight + 1) / 2;
    out->nHeight = m_nHeight;
    out->covered.assign(static_cast<std::size_t>(out->nWidth) * static_cast<std::size_t>(out->nHeight), 0);
    const uint32_t pattern = code * 2654435761u;
    for (int32_t y = 0; y + 1 < out->nHeight; ++y) {
      for (int32_t x = 0; x + 1 < out->nWidth; ++x) {
        // The box's outline is always set, so even a sparse pattern shows its cell.
        const bool edge = x == 0 || y == 0 || x + 2 == out->nWidth || y + 2 == out->nHeight;
        const bool inside = ((pattern >> ((x * 3 + y * 5) % 29)) & 1u) != 0;
        if (edge || inside) out->covered[static_cast<std::size_t>(y * out->nWidth + x)] = 1;
      }
    }
    return true;
  }

 private:
  int32_t m_nHeight;
};

}  // namespace

std::unique_ptr<cGlyphFace> MakeBoxGlyphFace(int32_t nPixelHeight) { return std::make_unique<cBoxGlyphFace>(nPixelHeight); }

int32_t BoxGlyphRenderCount() { return g_nBoxGlyphRenders.load(); }
