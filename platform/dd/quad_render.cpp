#include "platform/dd/quad_render.h"

#include <algorithm>
#include <vector>

#include "platform/dd/quad_pixels.h"

namespace {

constexpr int32_t kOpDisable = 1;
constexpr int32_t kOpSelectArg1 = 2;
constexpr int32_t kOpSelectArg2 = 3;
constexpr int32_t kOpModulate = 4;
constexpr int32_t kOpAdd = 7;
constexpr int32_t kOpSubtract = 10;
constexpr int32_t kOpBlendFactorAlpha = 14;

inline uint32_t Mul255(uint32_t a, uint32_t b) { return (a * b + 127u) / 255u; }

// One 8-bit channel through an operation; factor is the texture factor's alpha.
inline uint32_t ApplyOp(int32_t op, uint32_t t, uint32_t d, uint32_t factor) {
  switch (op) {
    case kOpSelectArg1: return t;
    case kOpSelectArg2: return d;
    case kOpModulate: return Mul255(t, d);
    case kOpAdd: return std::min(t + d, 255u);
    case kOpSubtract: return t > d ? t - d : 0u;
    case kOpBlendFactorAlpha: return (t * factor + d * (255u - factor) + 127u) / 255u;
    default: return t;
  }
}

inline uint32_t Ch(uint32_t argb, int shift) { return (argb >> shift) & 0xFFu; }

// BlendOver, kept inline in the pixel loops: a call per pixel cost as much as the blend.
__attribute__((always_inline)) inline uint32_t BlendPixelOver(uint32_t src, uint32_t dst) {
  const uint32_t a = src >> 24;
  const uint32_t ia = 255u - a;
  const auto mix = [a, ia, src, dst](int shift) { return (Ch(src, shift) * a + Ch(dst, shift) * ia + 127u) / 255u; };
  return mix(24) << 24 | mix(16) << 16 | mix(8) << 8 | mix(0);
}

using quad_pixels::Px;

// The column (or row) each destination column reads: floor((2k + 1) sw / 2w)
// from the start, wrapped into the texture.
std::vector<int32_t> SampleIndices(int32_t count, int32_t start, int32_t srcSize, int32_t size,
                                   int32_t texSize) {
  std::vector<int32_t> out(static_cast<std::size_t>(count));
  const int64_t num = srcSize;
  const int64_t den = 2 * static_cast<int64_t>(size);
  for (int32_t k = 0; k < count; ++k) {
    const int64_t n = (2 * static_cast<int64_t>(k) + 1) * num;
    int64_t q = n / den;
    if (n % den != 0 && (n < 0)) --q;  // floor toward minus infinity
    int64_t t = (static_cast<int64_t>(start) + q) % texSize;
    if (t < 0) t += texSize;
    out[static_cast<std::size_t>(k)] = static_cast<int32_t>(t);
  }
  return out;
}

// The visible part of a destination rectangle inside the target.
struct Span {
  int32_t k0, k1, j0, j1;  // columns and rows of the quad that lie inside
  bool Empty() const { return k0 >= k1 || j0 >= j1; }
};

Span VisibleSpan(const cPixelStore& target, const cQuadRect& dst) {
  Span s;
  s.k0 = static_cast<int32_t>(std::max<int64_t>(0, -static_cast<int64_t>(dst.x)));
  s.j0 = static_cast<int32_t>(std::max<int64_t>(0, -static_cast<int64_t>(dst.y)));
  s.k1 = static_cast<int32_t>(std::clamp<int64_t>(static_cast<int64_t>(target.Width()) - dst.x, 0, dst.w));
  s.j1 = static_cast<int32_t>(std::clamp<int64_t>(static_cast<int64_t>(target.Height()) - dst.y, 0, dst.h));
  return s;
}

bool IsPlainCopy(const cQuadStage& stage) {
  return stage.dwDiffuse == 0xFFFFFFFFu && (stage.nColorOp == kOpModulate || stage.nColorOp == kOpSelectArg1) &&
         (stage.nAlphaOp == kOpModulate || stage.nAlphaOp == kOpSelectArg1);
}

// A1R5G5B5 to R5G6B5 for opaque texels: the rounded narrowing of the widened
// channels, as the general path computes it.
const uint16_t* Opaque1555To565() {
  static const auto* table = [] {
    auto* t = new uint16_t[32768];
    for (uint32_t p = 0; p < 32768; ++p) {
      t[p] = static_cast<uint16_t>(ArgbToPixel(PixelToArgb(p | 0x8000u, ePixelFormat::kA1R5G5B5), ePixelFormat::kR5G6B5));
    }
    return t;
  }();
  return table;
}

// True when every texel of the span is fully opaque or fully transparent.
// (a + 1) & 0xFE is 0 exactly for alpha 0 and 255; an OR of them vectorises.
bool BinaryAlpha(const uint32_t* texels, int32_t count) {
  uint32_t partial = 0;
  for (int32_t i = 0; i < count; ++i) partial |= ((texels[i] >> 24) + 1u) & 0xFEu;
  return partial == 0;
}

// Opaque texels over the row, transparent ones skipped; force sets the fourth
// byte of a target without alpha. Built for AVX2 as well where the CPU has it.
__attribute__((target_clones("avx2", "default"))) void SelectOpaqueRow32(const uint32_t* __restrict in,
                                                                          uint32_t* __restrict out, int32_t count,
                                                                          uint32_t force) {
  for (int32_t i = 0; i < count; ++i) out[i] = (in[i] >> 24) != 0 ? (in[i] | force) : out[i];
}

// The common case: an unscaled, unmodified copy of a keyed picture. Written as
// selects so the compiler can vectorise the rows.
template <ePixelFormat S, ePixelFormat D>
bool PlainCopyRow(const typename Px<S>::T* in, typename Px<D>::T* out, int32_t count, bool binaryKnown) {
  if constexpr (S == ePixelFormat::kA8R8G8B8 &&
                (D == ePixelFormat::kA8R8G8B8 || D == ePixelFormat::kX8R8G8B8)) {
    if (!binaryKnown && !BinaryAlpha(in, count)) return false;
    const uint32_t force = D == ePixelFormat::kX8R8G8B8 ? 0xFF000000u : 0u;
    if (in + count <= out || out + count <= in) {
      SelectOpaqueRow32(in, out, count, force);
    } else {
      for (int32_t i = 0; i < count; ++i) out[i] = (in[i] >> 24) != 0 ? (in[i] | force) : out[i];
    }
    return true;
  } else if constexpr (S == ePixelFormat::kA1R5G5B5 && D == ePixelFormat::kA1R5G5B5) {
    for (int32_t i = 0; i < count; ++i) out[i] = (in[i] & 0x8000u) != 0 ? in[i] : out[i];
    return true;
  } else if constexpr (S == ePixelFormat::kA1R5G5B5 && D == ePixelFormat::kR5G6B5) {
    const uint16_t* table = Opaque1555To565();
    for (int32_t i = 0; i < count; ++i) {
      if ((in[i] & 0x8000u) != 0) out[i] = table[in[i] & 0x7FFFu];
    }
    return true;
  } else {
    return false;
  }
}

template <ePixelFormat S, ePixelFormat D>
void TexturedLoop(cPixelStore& target, const cQuadRect& dst, const cPixelStore& texture, const cQuadRect& src,
                  const cQuadStage& stage, const Span& span) {
  using ST = typename Px<S>::T;
  using DT = typename Px<D>::T;
  const bool plain = IsPlainCopy(stage);
  // A white diffuse colour that only fades (translucent blits, faded sprites):
  // modulating leaves the colour channels as they are, so only alpha is formed.
  const bool fadeOnly = !plain && (stage.dwDiffuse & 0xFFFFFFu) == 0xFFFFFFu && stage.nColorOp == kOpModulate &&
                        stage.nAlphaOp == kOpModulate;
  const uint32_t fade = stage.dwDiffuse >> 24;
  const bool unscaled = src.w == dst.w && src.h == dst.h && src.x >= 0 && src.y >= 0 &&
                        static_cast<int64_t>(src.x) + src.w <= texture.Width() &&
                        static_cast<int64_t>(src.y) + src.h <= texture.Height();
  std::vector<int32_t> cols, rows;
  if (!unscaled) {
    cols = SampleIndices(dst.w, src.x, src.w, dst.w, texture.Width());
    rows = SampleIndices(dst.h, src.y, src.h, dst.h, texture.Height());
  }
  const auto* texBits = texture.Bits();
  const bool binaryKnown = texture.BinaryAlphaKnown();
  const std::size_t texPitch = static_cast<std::size_t>(texture.Width());
  for (int32_t j = span.j0; j < span.j1; ++j) {
    const int32_t ty = unscaled ? src.y + j : rows[static_cast<std::size_t>(j)];
    const ST* texRow = reinterpret_cast<const ST*>(texBits) + static_cast<std::size_t>(ty) * texPitch;
    DT* out = reinterpret_cast<DT*>(target.Bits()) + static_cast<std::size_t>(dst.y + j) * target.Width() + dst.x;
    if (plain && unscaled &&
        PlainCopyRow<S, D>(texRow + src.x + span.k0, out + span.k0, span.k1 - span.k0, binaryKnown)) {
      continue;
    }
    for (int32_t k = span.k0; k < span.k1; ++k) {
      const int32_t tx = unscaled ? src.x + k : cols[static_cast<std::size_t>(k)];
      const uint32_t texel = Px<S>::Read(texRow[tx]);
      const uint32_t colour = plain      ? texel
                              : fadeOnly ? (texel & 0xFFFFFFu) | Mul255(texel >> 24, fade) << 24
                                         : StageColour(texel, stage);
      const uint32_t a = colour >> 24;
      if (a == 0) continue;
      if (a == 255) {
        out[k] = Px<D>::Write(colour);
      } else {
        out[k] = Px<D>::Write(BlendPixelOver(colour, Px<D>::Read(out[k])));
      }
    }
  }
}

// A texture-less quad: every texel is opaque white.
template <ePixelFormat D>
void WhiteLoop(cPixelStore& target, const cQuadRect& dst, const cQuadStage& stage, const Span& span) {
  using DT = typename Px<D>::T;
  const uint32_t colour = StageColour(0xFFFFFFFFu, stage);
  const uint32_t a = colour >> 24;
  if (a == 0) return;
  const DT opaque = Px<D>::Write(colour);
  for (int32_t j = span.j0; j < span.j1; ++j) {
    DT* out = reinterpret_cast<DT*>(target.Bits()) + static_cast<std::size_t>(dst.y + j) * target.Width() + dst.x;
    if (a == 255) {
      std::fill(out + span.k0, out + span.k1, opaque);
      continue;
    }
    for (int32_t k = span.k0; k < span.k1; ++k) out[k] = Px<D>::Write(BlendPixelOver(colour, Px<D>::Read(out[k])));
  }
}

template <ePixelFormat D>
void DrawForTarget(cPixelStore& target, const cQuadRect& dst, const cPixelStore* texture, const cQuadRect& src,
                   const cQuadStage& stage, const Span& span) {
  if (texture == nullptr || texture->Empty()) {
    WhiteLoop<D>(target, dst, stage, span);
    return;
  }
  switch (texture->Format()) {
    case ePixelFormat::kA8R8G8B8:
      TexturedLoop<ePixelFormat::kA8R8G8B8, D>(target, dst, *texture, src, stage, span);
      break;
    case ePixelFormat::kX8R8G8B8:
      TexturedLoop<ePixelFormat::kX8R8G8B8, D>(target, dst, *texture, src, stage, span);
      break;
    case ePixelFormat::kA1R5G5B5:
      TexturedLoop<ePixelFormat::kA1R5G5B5, D>(target, dst, *texture, src, stage, span);
      break;
    case ePixelFormat::kR5G6B5:
      TexturedLoop<ePixelFormat::kR5G6B5, D>(target, dst, *texture, src, stage, span);
      break;
    default: break;
  }
}

}  // namespace

uint32_t StageColour(uint32_t texel, const cQuadStage& stage) {
  const uint32_t d = stage.dwDiffuse;
  const uint32_t factor = stage.dwFactor >> 24;
  const auto colour = [&](int shift) { return ApplyOp(stage.nColorOp, Ch(texel, shift), Ch(d, shift), factor); };
  const uint32_t alpha = stage.nAlphaOp == kOpDisable ? Ch(d, 24)
                                                      : ApplyOp(stage.nAlphaOp, Ch(texel, 24), Ch(d, 24), factor);
  return alpha << 24 | colour(16) << 16 | colour(8) << 8 | colour(0);
}

uint32_t BlendOver(uint32_t src, uint32_t dst) { return BlendPixelOver(src, dst); }

void DrawTexturedQuad(cPixelStore& target, const cQuadRect& dst, const cPixelStore* texture, const cQuadRect& src,
                      const cQuadStage& stage) {
  if (target.Empty() || dst.w <= 0 || dst.h <= 0 || src.w == 0 || src.h == 0) return;
  const Span span = VisibleSpan(target, dst);
  if (span.Empty()) return;
  switch (target.Format()) {
    case ePixelFormat::kA8R8G8B8: DrawForTarget<ePixelFormat::kA8R8G8B8>(target, dst, texture, src, stage, span); break;
    case ePixelFormat::kX8R8G8B8: DrawForTarget<ePixelFormat::kX8R8G8B8>(target, dst, texture, src, stage, span); break;
    case ePixelFormat::kA1R5G5B5: DrawForTarget<ePixelFormat::kA1R5G5B5>(target, dst, texture, src, stage, span); break;
    case ePixelFormat::kR5G6B5: DrawForTarget<ePixelFormat::kR5G6B5>(target, dst, texture, src, stage, span); break;
    default: break;
  }
}

void DrawColourQuad(cPixelStore& target, const cQuadRect& dst, uint32_t argb) {
  // Selecting the colour as argument 2 with a white "texel" gives it unchanged.
  const cQuadStage stage{.dwDiffuse = argb, .nColorOp = kOpSelectArg2, .nAlphaOp = kOpSelectArg2};
  DrawTexturedQuad(target, dst, nullptr, {0, 0, 1, 1}, stage);
}

void ClearRect(cPixelStore& target, const cQuadRect& dst, uint32_t argb) {
  target.FillRect(dst.x, dst.y, dst.w, dst.h, ArgbToPixel(argb, target.Format()));
}
