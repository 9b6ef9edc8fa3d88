#include "platform/dd/pixel_format.h"

int32_t BytesPerPixel(ePixelFormat format) {
  switch (format) {
    case ePixelFormat::kP8: return 1;
    case ePixelFormat::kR5G6B5:
    case ePixelFormat::kX1R5G5B5:
    case ePixelFormat::kA1R5G5B5: return 2;
    case ePixelFormat::kX8R8G8B8:
    case ePixelFormat::kA8R8G8B8: return 4;
  }
  return 4;
}

bool HasAlpha(ePixelFormat format) {
  return format == ePixelFormat::kA1R5G5B5 || format == ePixelFormat::kA8R8G8B8;
}

PIXELCHANNELS ChannelsOf(ePixelFormat format) {
  switch (format) {
    case ePixelFormat::kP8: return {};
    case ePixelFormat::kR5G6B5: return {{11, 5, 0, 16}, {31, 63, 31, 0}};
    case ePixelFormat::kX1R5G5B5: return {{10, 5, 0, 0}, {31, 31, 31, 0}};
    case ePixelFormat::kA1R5G5B5: return {{10, 5, 0, 15}, {31, 31, 31, 1}};
    case ePixelFormat::kX8R8G8B8:
    case ePixelFormat::kA8R8G8B8: return {{16, 8, 0, 24}, {255, 255, 255, 255}};
  }
  return {};
}

uint32_t ArgbToPixel(uint32_t argb, ePixelFormat format) {
  switch (format) {
    case ePixelFormat::kP8: return argb & 0xFF;
    case ePixelFormat::kA8R8G8B8: return argb;
    case ePixelFormat::kX8R8G8B8: return argb | 0xFF000000u;
    default: break;
  }
  const PIXELCHANNELS c = ChannelsOf(format);
  const auto narrow = [&c, argb](int32_t ch, int32_t shift) {
    return NarrowChannelRounded((argb >> shift) & 0xFF, static_cast<uint32_t>(c.nMax[ch]));
  };
  return ComposePixel(c, narrow(kChRed, 16), narrow(kChGreen, 8), narrow(kChBlue, 0), narrow(kChAlpha, 24));
}

uint32_t PixelToArgb(uint32_t pixel, ePixelFormat format) {
  switch (format) {
    case ePixelFormat::kP8: return 0xFF000000u | (pixel & 0xFF);
    case ePixelFormat::kA8R8G8B8: return pixel;
    case ePixelFormat::kX8R8G8B8: return pixel | 0xFF000000u;
    default: break;
  }
  const PIXELCHANNELS c = ChannelsOf(format);
  const auto widen = [&c, pixel](int32_t ch) {
    return WidenChannel(ChannelOf(c, pixel, ch), static_cast<uint32_t>(c.nMax[ch]));
  };
  const uint32_t a = HasAlpha(format) ? widen(kChAlpha) : 255u;
  return a << 24 | widen(kChRed) << 16 | widen(kChGreen) << 8 | widen(kChBlue);
}
