#include "tools/ddcard/test_card.h"

#include <filesystem>
#include <fstream>
#include <memory>

#include "core/thread/messages.h"
#include "platform/dd/bitmap_table.h"
#include "platform/dd/blit.h"
#include "platform/dd/dd_init.h"
#include "platform/dd/device_records.h"
#include "platform/dd/display_state.h"
#include "platform/dd/fill.h"
#include "platform/dd/frame_handoff.h"
#include "platform/dd/link_bitmap_tables.h"
#include "platform/dd/palette.h"
#include "platform/dd/palette_load.h"
#include "platform/dd/present.h"
#include "platform/dd/screen_surfaces.h"
#include "platform/dd/surface_from_file.h"
#include "platform/dd/surface_tables.h"
#include "records/settings/system_data.h"
#include "tools/ddcard/effects_page.h"
#include "tools/ddcard/fonts_page.h"
#include "tools/sample/media/bmp_writer.h"

namespace {

// Keeps the process in the project folder for the run.
class cFolderScope {
 public:
  explicit cFolderScope(const std::string& dir) : m_old(std::filesystem::current_path()) {
    std::error_code error;
    std::filesystem::current_path(dir, error);
    m_bEntered = !error;
  }
  ~cFolderScope() {
    std::error_code error;
    if (m_bEntered) std::filesystem::current_path(m_old, error);
  }
  bool Entered() const { return m_bEntered; }

 private:
  std::filesystem::path m_old;
  bool m_bEntered = false;
};

// The project's transparent colour, as start-up sets it: the palette image's
// top-left pixel, or the settings' RGB triple (kept in file form at 16 bits).
bool SetTransparentColour(const cSystemData& settings, int32_t bpp) {
  const char* palette = g_BitmapTable[kBmpPalette].szFileName;
  if (settings.m_nColourMode == 0) return SetTrans(palette) != 0;
  const uint8_t r = settings.m_byTransRed, g = settings.m_byTransGreen, b = settings.m_byTransBlue;
  if (bpp != 16) {
    DDSetTransmit(r, g, b);
    return true;
  }
  if (SetTrans(palette) == 0) return false;
  if (lpDTCon != nullptr) lpDTCon->rgbTransmitKey = {b, g, r};
  if (lpDDCon != nullptr) lpDDCon->rgbTransmitKey = {b, g, r};
  return true;
}

void DrawCard() {
  DDFillRect(&g_SDBackBuffer, 0, 0, 640, 480, 16);
  // The palette as 8 x 8 fills; entry 0 is the transparent colour, left out.
  for (uint32_t n = 1; n < 256; ++n) {
    DDFillRect(&g_SDBackBuffer, 500 + static_cast<int32_t>(n % 16) * 8, 8 + static_cast<int32_t>(n / 16) * 8, 8, 8, n);
  }
  // The system pictures, keyed, a 96 x 96 corner of each in a grid.
  const int32_t pictures[] = {kBmpBlock, kBmpCharaFirst, kBmpShot, kBmpItem, kBmpMark, kBmpWindow, kBmpSymbol,
                              kBmpWorldMapChip, kBmpAccessory, kBmpWord};
  for (int32_t i = 0; i < static_cast<int32_t>(std::size(pictures)); ++i) {
    DDSURFACEDATA& sd = g_SDTable[static_cast<std::size_t>(pictures[i])];
    DDBlt(&g_SDBackBuffer, 8 + (i % 5) * 96, 8 + (i / 5) * 96, 96, 96, &sd, 0, 0, 1);
  }
  // A chara stretched four times, and the chara's mirrored cells beside the picture.
  DDStretchBlt(&g_SDBackBuffer, 8, 216, 128, 128, &g_SDTable[kBmpCharaFirst], 0, 32, 32, 32, 1);
  DDBlt(&g_SDBackBuffer, 152, 216, 96, 32, &g_SDTable[kBmpCharaFirst], 0, 32, 1);
  // A mirror view mirrors one cell per blit (a wider rectangle is drawn as it is).
  for (int32_t cell = 0; cell < 3; ++cell) {
    DDBlt(&g_SDBackBuffer, 152 + cell * 32, 256, 32, 32, &g_SDTable[kBmpCharaFirst + 1], cell * 32, 32, 1);
  }
}

// The pages --page names; the first is the card drawn without one.
struct cCardPage {
  const char* szName;
  void (*draw)(const cSystemData& settings, const cTestCardOptions& options);
};
const cCardPage kCardPages[] = {
    {"", [](const cSystemData&, const cTestCardOptions&) { DrawCard(); }},
    {"fonts", [](const cSystemData& settings, const cTestCardOptions&) { DrawFontsPage(settings); }},
    {"effects", [](const cSystemData&, const cTestCardOptions& options) { DrawEffectsPage(options.nFrame); }},
};

const cCardPage* FindPage(const std::string& name) {
  for (const cCardPage& page : kCardPages) {
    if (name == page.szName) return &page;
  }
  return nullptr;
}

bool Present(const cTestCardOptions& options) {
  if (lpDTCon != nullptr) return DDPresent(0, 0, nullptr) == 1;
  return (options.bFullScreen != 0 ? DDFlipPrimary() : DDBltToPrimary()) == DD_OK;
}

cTestCardResult Fail(const char* step) {
  cTestCardResult result;
  result.strFailedStep = step;
  DDReleaseAll();
  return result;
}

}  // namespace

cTestCardResult RunTestCard(const std::string& projectDir, const cTestCardOptions& options) {
  const cCardPage* page = FindPage(options.strPage);
  if (page == nullptr) return Fail("page");
  cFolderScope folder(projectDir);
  if (!folder.Entered()) return Fail("project folder");
  // The project's own settings, not the program's: a tool leaves those alone.
  auto settings = std::make_unique<cSystemData>();
  if (settings->LoadFromFile("data\\System.dat") == 0) return Fail("System.dat");
  if (!DDInit(options.bDirect3D, g_hWnd, 640, 480, options.nBpp, 0, options.bFullScreen != 0 ? 0 : 1, 1, 60, 0,
              g_SDTable.data(), g_BitmapTable.data(), kBitmapCount)) {
    return Fail("DDInit");
  }
  if (!DDLoadPaletteFromFile(g_Palette.data(), g_BitmapTable[kBmpPalette].szFileName)) return Fail("palette");
  g_PaletteWork = g_Palette;
  if (!SetTransparentColour(*settings, options.nBpp)) return Fail("transparent colour");
  LinkBitmapTables();
  std::vector<int32_t> all(kBitmapCount);
  for (int32_t i = 0; i < kBitmapCount; ++i) all[static_cast<std::size_t>(i)] = i;
  if (!DDLoadBitmapList(g_SDTable.data(), all.data(), kBitmapCount)) return Fail("bitmap list");
  page->draw(*settings, options);
  cHandoffFrame frame;
  g_FrameHandoff.TakeNewest(&frame);  // an older frame is not this card's
  if (!Present(options) || !g_FrameHandoff.TakeNewest(&frame)) return Fail("present");
  DDReleaseAll();
  cTestCardResult result;
  result.bOk = true;
  result.nWidth = frame.nWidth;
  result.nHeight = frame.nHeight;
  result.pixels = std::move(frame.pixels);
  return result;
}

bool WriteFrameBmp(const std::string& path, const cTestCardResult& frame) {
  cRgbImage image(frame.nWidth, frame.nHeight);
  for (int32_t y = 0; y < frame.nHeight; ++y) {
    for (int32_t x = 0; x < frame.nWidth; ++x) {
      const uint32_t p = frame.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(frame.nWidth) + static_cast<std::size_t>(x)];
      image.Set(x, y, {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p)});
    }
  }
  const std::vector<uint8_t> bytes = EncodeBmp24(image);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}
