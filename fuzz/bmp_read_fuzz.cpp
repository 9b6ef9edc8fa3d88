// The BMP reader on arbitrary bytes, then the picture converted into every
// surface format and the program palette taken from it, as start-up does.
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/thread/messages.h"
#include "platform/dd/bmp_reader.h"
#include "platform/dd/dd_init.h"
#include "platform/dd/device_config.h"
#include "platform/dd/palette_load.h"
#include "platform/dd/picture_convert.h"
#include "platform/dd/surface_create.h"
#include "platform/dd/surface_data.h"

namespace {

constexpr int32_t kMaxFuzzSide = 512;

const ePixelFormat kTextureFormats[] = {ePixelFormat::kA8R8G8B8, ePixelFormat::kA1R5G5B5};
const int32_t kDisplayDepths[] = {8, 16, 32};

bool SetUpDisplay() {
  DDInit(0, g_hWnd, 640, 480, 32, 0, 1, 1, 60, 0, nullptr, nullptr, 0);
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const bool ready = SetUpDisplay();
  (void)ready;
  cBmpImage image;
  if (!ReadBmp(data, size, &image, nullptr)) return 0;
  if (image.nWidth > kMaxFuzzSide || image.nHeight > kMaxFuzzSide) return 0;
  for (ePixelFormat format : kTextureFormats) {
    cPixelStore store;
    // A smaller store than the picture as well: the conversion must stay inside.
    if (store.Allocate(image.nWidth, (image.nHeight + 1) / 2, format)) ConvertPictureToTexture(image, 0xFF00FF, &store);
  }
  for (int32_t depth : kDisplayDepths) {
    cPixelStore store;
    const ePixelFormat format = depth == 8 ? ePixelFormat::kP8 : depth == 16 ? ePixelFormat::kR5G6B5 : ePixelFormat::kX8R8G8B8;
    g_PixelChannels = ChannelsOf(format);
    if (store.Allocate((image.nWidth + 1) / 2, image.nHeight, format)) {
      ConvertPictureToDisplay(image, depth, {image.nWidth % 5, image.nHeight % 3}, &store);
    }
  }
  g_PixelChannels = ChannelsOf(ePixelFormat::kX8R8G8B8);
  DDSURFACEDATA surface;
  if (DDCreateSurface(&surface, image.nWidth, image.nHeight, 0, 1, 0, nullptr, 0)) {
    ConvertPictureToDisplay(image, 32, {}, surface.Pixels());
    std::array<PALETTEENTRY, 256> palette{};
    DDSetPalette_UnPal(palette.data(), &surface);
  }
  return 0;
}
