#pragma once
// How the quad renderers read and write each pixel format: one type per format
// so their inner loops are specialised. Read gives 0xAARRGGBB (alpha 255 where
// the format has none), Write narrows to nearest.
//
//   using quad_pixels::Px;
//   out[k] = Px<ePixelFormat::kR5G6B5>::Write(BlendOver(colour, Px<ePixelFormat::kR5G6B5>::Read(out[k])));

#include <cstdint>

#include "platform/dd/pixel_format.h"

namespace quad_pixels {

template <ePixelFormat F>
struct Px;

template <>
struct Px<ePixelFormat::kA8R8G8B8> {
  using T = uint32_t;
  static uint32_t Read(T p) { return p; }
  static T Write(uint32_t argb) { return argb; }
};
template <>
struct Px<ePixelFormat::kX8R8G8B8> {
  using T = uint32_t;
  static uint32_t Read(T p) { return p | 0xFF000000u; }
  static T Write(uint32_t argb) { return argb | 0xFF000000u; }
};
// Every 16-bit pixel widened once, per layout.
template <ePixelFormat F>
const uint32_t* Widened16() {
  static const auto* table = [] {
    auto* t = new uint32_t[65536];
    for (uint32_t p = 0; p < 65536; ++p) t[p] = PixelToArgb(p, F);
    return t;
  }();
  return table;
}

template <>
struct Px<ePixelFormat::kA1R5G5B5> {
  using T = uint16_t;
  static uint32_t Read(T p) { return Widened16<ePixelFormat::kA1R5G5B5>()[p]; }
  static T Write(uint32_t argb) { return static_cast<T>(ArgbToPixel(argb, ePixelFormat::kA1R5G5B5)); }
};
template <>
struct Px<ePixelFormat::kR5G6B5> {
  using T = uint16_t;
  static uint32_t Read(T p) { return Widened16<ePixelFormat::kR5G6B5>()[p]; }
  static T Write(uint32_t argb) { return static_cast<T>(ArgbToPixel(argb, ePixelFormat::kR5G6B5)); }
};

// Calls draw.template operator()<F>() with the format of a device store (the
// back buffer's and the textures'); false for a format the device never has.
template <class Draw>
bool WithDeviceFormat(ePixelFormat format, Draw&& draw) {
  switch (format) {
    case ePixelFormat::kA8R8G8B8: draw.template operator()<ePixelFormat::kA8R8G8B8>(); return true;
    case ePixelFormat::kX8R8G8B8: draw.template operator()<ePixelFormat::kX8R8G8B8>(); return true;
    case ePixelFormat::kA1R5G5B5: draw.template operator()<ePixelFormat::kA1R5G5B5>(); return true;
    case ePixelFormat::kR5G6B5: draw.template operator()<ePixelFormat::kR5G6B5>(); return true;
    default: return false;
  }
}

}  // namespace quad_pixels
