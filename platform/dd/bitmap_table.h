#pragma once
// g_BitmapTable: the program's own pictures, one BITMAPDATA per surface of
// g_SDTable (same index). Some entries share: their surface shows the picture of
// another entry (a system-memory copy, a mirrored view) instead of loading the
// file again; LinkBitmapTables connects them.

#include <array>
#include <cstdint>

#include "platform/dd/bitmap_data.h"

inline constexpr int kBitmapCount = 71;

// The file name of an empty surface.
inline constexpr char kEmptyBitmapName[] = "E";

// Entries other code names. Charas 1 to 8 are pairs from kBmpCharaFirst (the
// picture, then its mirrored cells), again as system-memory copies from
// kBmpCharaSystemFirst; the eight stage backgrounds start at kBmpBackFirst.
enum eBitmap : int32_t {
  kBmpPalette = 0,
  kBmpDebug = 1,
  kBmpBlock = 2,
  kBmpBlockSystem = 3,
  kBmpCharaFirst = 4,
  kBmpShot = 20,
  kBmpShotMirror = 21,
  kBmpCharaSystemFirst = 22,
  kBmpShotSystem = 38,
  kBmpShotSystemMirror = 39,
  kBmpItem = 40,
  kBmpItemSystem = 41,
  kBmpItemMini = 42,
  kBmpMark = 43,
  kBmpMarkSystem = 44,
  kBmpWindow = 45,
  kBmpStatusWindow = 46,
  kBmpTitle = 47,
  kBmpGameMode = 48,
  kBmpAccessory = 49,
  kBmpSymbol = 50,
  kBmpWord = 51,
  kBmpWorldMapChip = 52,
  kBmpWorldEvent = 53,
  kBmpWorldBack = 54,
  kBmpBackFirst = 55,
  kBmpEmptyFirst = 63,
};

inline constexpr int kCharaPictureCount = 8;
inline constexpr int kBackPictureCount = 8;

extern const std::array<BITMAPDATA, kBitmapCount> g_BitmapTable;

// The entry whose picture a sharing entry shows; -1 for an entry that holds its
// own picture or an index outside the table.
int32_t BitmapShareSource(int32_t entry);
