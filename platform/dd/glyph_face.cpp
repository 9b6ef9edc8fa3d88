#include "platform/dd/glyph_face.h"

#include <utility>

#include "platform/dd/ttf_glyph_face.h"

namespace {

GlyphFaceFactory& FaceFactoryOverride() {
  static GlyphFaceFactory factory;
  return factory;
}

uint32_t GlyphKey(const char* bytes, int32_t n) {
  const auto lead = static_cast<unsigned char>(bytes[0]);
  if (n < 2) return lead;
  return static_cast<uint32_t>(lead) << 8 | static_cast<unsigned char>(bytes[1]);
}

}  // namespace

const cGlyphMask* cGlyphFace::Glyph(const char* bytes, int32_t n) {
  if (bytes == nullptr || n < 1 || n > 2) return nullptr;
  const uint32_t key = GlyphKey(bytes, n);
  auto found = m_masks.find(key);
  if (found == m_masks.end()) {
    cEntry entry;
    entry.bValid = Render(bytes, n, &entry.mask);
    found = m_masks.emplace(key, std::move(entry)).first;
  }
  return found->second.bValid ? &found->second.mask : nullptr;
}

std::unique_ptr<cGlyphFace> OpenGlyphFace(const char* faceCp932, int32_t nPixelHeight) {
  if (FaceFactoryOverride()) return FaceFactoryOverride()(faceCp932 != nullptr ? faceCp932 : "", nPixelHeight);
  return OpenTtfGlyphFace(faceCp932 != nullptr ? faceCp932 : "", nPixelHeight);
}

void SetGlyphFaceFactory(GlyphFaceFactory factory) { FaceFactoryOverride() = std::move(factory); }
