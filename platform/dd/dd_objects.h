#pragma once
// The DirectDraw-side objects of the surface library: small classes with only the
// calls the library makes. A surface is a CPU pixel store; it is lost only when a
// test says so (SimulateLoss), which drops its pixels the way a lost video-memory
// surface loses them, so the restore paths run in tests.

#include <array>
#include <cstdint>

#include "platform/dd/pixel_store.h"

// Results the DirectDraw calls hand back (their own values, which callers see).
inline constexpr int32_t DD_OK = 0;
inline constexpr int32_t DDERR_SURFACELOST = static_cast<int32_t>(0x887601C2u);
inline constexpr int32_t DDERR_INVALIDRECT = static_cast<int32_t>(0x88760096u);
inline constexpr int32_t DDERR_GENERIC = static_cast<int32_t>(0x80004005u);

// Red, green, blue and flags, as the display palette takes them.
struct PALETTEENTRY {
  uint8_t peRed = 0;
  uint8_t peGreen = 0;
  uint8_t peBlue = 0;
  uint8_t peFlags = 0;
  friend bool operator==(const PALETTEENTRY&, const PALETTEENTRY&) = default;
};

inline constexpr uint8_t PC_RESERVED = 1;
inline constexpr uint8_t PC_EXPLICIT = 2;

// Blue, green, red, as picture files hold a colour.
struct RGBTRIPLE {
  uint8_t rgbtBlue = 0;
  uint8_t rgbtGreen = 0;
  uint8_t rgbtRed = 0;
  friend bool operator==(const RGBTRIPLE&, const RGBTRIPLE&) = default;
};

// lpDDSurface: one DirectDraw surface.
class cDirectDrawSurface {
 public:
  cDirectDrawSurface();
  ~cDirectDrawSurface();
  cDirectDrawSurface(const cDirectDrawSurface&) = delete;
  cDirectDrawSurface& operator=(const cDirectDrawSurface&) = delete;
  // Surfaces not yet released: the DirectDraw object's remaining references.
  static int32_t AliveCount();
  // Tests: every surface alive is lost at once, as when the display is taken away.
  static void SimulateLossOfAll();

  bool Create(int32_t width, int32_t height, ePixelFormat format, bool systemMemory);

  // DDERR_SURFACELOST after a loss until Restore, else DD_OK.
  int32_t IsLost() const { return m_bLost ? DDERR_SURFACELOST : DD_OK; }
  // Gives a lost surface its memory back; video memory comes back as zeros.
  int32_t Restore();
  // Drops what a loss drops: the pixels of a video-memory surface.
  void SimulateLoss();

  void SetColorKey(uint32_t key) { m_bHasKey = true; m_dwKey = key; }
  bool HasColorKey() const { return m_bHasKey; }
  uint32_t ColorKey() const { return m_dwKey; }
  const uint32_t& ColorKeyRef() const { return m_dwKey; }
  bool SystemMemory() const { return m_bSystemMemory; }

  // The primary: the flip chain turns and the new frame is shown (present.cpp);
  // DDERR_SURFACELOST on any other surface or while lost.
  int32_t Flip();

  // The pixels; null while lost.
  cPixelStore* Lock() { return m_bLost ? nullptr : &m_store; }
  void Unlock() {}
  cPixelStore& Store() { return m_store; }
  const cPixelStore& Store() const { return m_store; }

 private:
  cPixelStore m_store;
  bool m_bSystemMemory = false;
  bool m_bLost = false;
  bool m_bHasKey = false;
  uint32_t m_dwKey = 0;
};

// g_lpDDPalette: the 256 entries of the 8-bit display.
class cDirectDrawPalette {
 public:
  void SetEntries(int32_t first, int32_t count, const PALETTEENTRY* entries);
  const std::array<PALETTEENTRY, 256>& Entries() const { return m_entries; }

 private:
  std::array<PALETTEENTRY, 256> m_entries{};
};

// g_lpDD: the DirectDraw object. Its only state is whether surfaces outlive it.
class cDirectDraw {
 public:
  // Returns at once: the present goes to the window thread, the clock paces.
  void WaitForVerticalBlank() {}
  // The display's refresh rate as SDL reports it; 0 when unknown.
  int32_t GetMonitorFrequency() const;
};
