#include "platform/dd/bitmap_table.h"

namespace {

constexpr int32_t kOwnPicture = -1;

// A descriptor and the entry it shares with: the share flag and the link are
// the same fact, kept in one place.
struct BitmapRow {
  BITMAPDATA data;
  int32_t nShareSource = kOwnPicture;
};

struct PictureDesc {
  const char* file;
  int32_t transparent = 1;
  int32_t systemMemory = 0;
  int32_t failOk = 0;
  int32_t mirrorWidth = 0;
  int32_t shareSource = kOwnPicture;
};

struct EmptyDesc {
  int32_t width;
  int32_t height;
  int32_t transparent = 1;
  int32_t systemMemory = 0;
  int32_t memoryType = 0;
  int32_t shareSource = kOwnPicture;
};

constexpr void CopyName(char (&target)[kBitmapFileNameSize], const char* name) {
  for (int i = 0; i + 1 < kBitmapFileNameSize && name[i] != '\0'; ++i) target[i] = name[i];
}

constexpr BitmapRow Picture(const PictureDesc& desc) {
  BitmapRow row;
  CopyName(row.data.szFileName, desc.file);
  row.data.bTransparent = desc.transparent;
  row.data.bSystemMemory = desc.systemMemory;
  row.data.bShare = desc.shareSource != kOwnPicture ? 1 : 0;
  row.data.bNoError = desc.failOk;
  row.data.nMirrorCellW = desc.mirrorWidth;
  row.nShareSource = desc.shareSource;
  return row;
}

constexpr BitmapRow Empty(const EmptyDesc& desc) {
  BitmapRow row = Picture({.file = kEmptyBitmapName,
                           .transparent = desc.transparent,
                           .systemMemory = desc.systemMemory,
                           .shareSource = desc.shareSource});
  row.data.nMemoryType = desc.memoryType;
  row.data.nWidth = desc.width;
  row.data.nHeight = desc.height;
  return row;
}

constexpr const char* kCharaFiles[kCharaPictureCount] = {
    "bmp\\Character1.bmp", "bmp\\Character2.bmp", "bmp\\Character3.bmp", "bmp\\Character4.bmp",
    "bmp\\Character5.bmp", "bmp\\Character6.bmp", "bmp\\Character7.bmp", "bmp\\Character8.bmp",
};

// The stage backgrounds lie in the project folder itself.
constexpr const char* kBackFiles[kBackPictureCount] = {
    "背景その1.bmp", "背景その2.bmp", "背景その3.bmp", "背景その4.bmp",
    "背景その5.bmp", "背景その6.bmp", "背景その7.bmp", "背景その8.bmp",
};

constexpr int32_t kCharaMirrorWidth = 32;
constexpr int32_t kShotMirrorWidth = 16;

// Each chara picture: the picture and its mirrored cells, then both again as
// system-memory copies, all four showing the one loaded picture. Chara 1 is
// required; a project may leave out charas 2 to 8.
constexpr void AddCharaPictures(std::array<BitmapRow, kBitmapCount>& rows) {
  for (int32_t i = 0; i < kCharaPictureCount; ++i) {
    const char* file = kCharaFiles[i];
    const int32_t own = kBmpCharaFirst + 2 * i;
    const int32_t failOk = i > 0 ? 1 : 0;
    rows[own] = Picture({.file = file, .failOk = failOk});
    rows[own + 1] = Picture({.file = file, .failOk = failOk, .mirrorWidth = kCharaMirrorWidth, .shareSource = own});
    const int32_t copy = kBmpCharaSystemFirst + 2 * i;
    rows[copy] = Picture({.file = file, .systemMemory = 1, .failOk = failOk, .shareSource = own});
    rows[copy + 1] = Picture(
        {.file = file, .systemMemory = 1, .failOk = failOk, .mirrorWidth = kCharaMirrorWidth, .shareSource = own});
  }
}

constexpr std::array<BitmapRow, kBitmapCount> BuildRows() {
  std::array<BitmapRow, kBitmapCount> rows{};
  rows[kBmpPalette] = Picture({.file = "bmp\\plt\\Palette.bmp", .transparent = 0, .systemMemory = 1});
  rows[kBmpDebug] = Picture({.file = "bmp\\Debug.bmp"});
  rows[kBmpBlock] = Picture({.file = "bmp\\Block.bmp"});
  rows[kBmpBlockSystem] = Picture({.file = "bmp\\Block.bmp", .systemMemory = 1, .shareSource = kBmpBlock});
  AddCharaPictures(rows);
  rows[kBmpShot] = Picture({.file = "bmp\\Shot.bmp"});
  rows[kBmpShotMirror] = Picture({.file = "bmp\\Shot.bmp", .mirrorWidth = kShotMirrorWidth, .shareSource = kBmpShot});
  rows[kBmpShotSystem] = Picture({.file = "bmp\\Shot.bmp", .systemMemory = 1, .shareSource = kBmpShot});
  rows[kBmpShotSystemMirror] = Picture(
      {.file = "bmp\\Shot.bmp", .systemMemory = 1, .mirrorWidth = kShotMirrorWidth, .shareSource = kBmpShot});
  rows[kBmpItem] = Picture({.file = "bmp\\Item.bmp"});
  rows[kBmpItemSystem] = Picture({.file = "bmp\\Item.bmp", .systemMemory = 1, .shareSource = kBmpItem});
  rows[kBmpItemMini] = Picture({.file = "bmp\\Item_Mini.bmp"});
  rows[kBmpMark] = Picture({.file = "bmp\\Mark.bmp"});
  rows[kBmpMarkSystem] = Picture({.file = "bmp\\Mark.bmp", .systemMemory = 1, .shareSource = kBmpMark});
  rows[kBmpWindow] = Picture({.file = "bmp\\Window.bmp"});
  rows[kBmpStatusWindow] = Picture({.file = "bmp\\StatusWindow.bmp"});
  rows[kBmpTitle] = Picture({.file = "bmp\\Title.bmp", .transparent = 0});
  rows[kBmpGameMode] = Picture({.file = "bmp\\GameMode.bmp", .failOk = 1});
  rows[kBmpAccessory] = Picture({.file = "bmp\\Accessory.bmp"});
  rows[kBmpSymbol] = Picture({.file = "bmp\\Symbol.bmp"});
  rows[kBmpWord] = Picture({.file = "bmp\\Word.bmp"});
  rows[kBmpWorldMapChip] = Picture({.file = "bmp\\WorldMapChip.bmp"});
  rows[kBmpWorldEvent] = Picture({.file = "bmp\\WorldEvent.bmp", .systemMemory = 1});
  rows[kBmpWorldBack] = Picture({.file = "bmp\\WorldBack.bmp", .transparent = 0, .systemMemory = 1, .failOk = 1});
  for (int32_t i = 0; i < kBackPictureCount; ++i) rows[kBmpBackFirst + i] = Picture({.file = kBackFiles[i], .failOk = 1});
  rows[63] = Empty({.width = 256, .height = 960, .systemMemory = 1});
  rows[64] = Empty({.width = 256, .height = 960, .systemMemory = 1});
  rows[65] = Empty({.width = 640, .height = 480, .systemMemory = 1});
  rows[66] = Empty({.width = 640, .height = 480, .transparent = 0, .systemMemory = 1});
  rows[67] = Empty({.width = 640, .height = 480});
  rows[68] = Empty({.width = 640, .height = 480, .systemMemory = 1, .shareSource = 67});
  rows[69] = Empty({.width = 1024, .height = 1024, .memoryType = 2});
  rows[70] = Empty({.width = 1024, .height = 1024, .systemMemory = 1, .memoryType = 1});
  return rows;
}

constexpr std::array<BitmapRow, kBitmapCount> kRows = BuildRows();

constexpr bool EveryEntryFilled() {
  for (const BitmapRow& row : kRows) {
    if (row.data.szFileName[0] == '\0') return false;
  }
  return true;
}
static_assert(EveryEntryFilled(), "every entry of the bitmap table names a file or an empty surface");

constexpr std::array<BITMAPDATA, kBitmapCount> Descriptors() {
  std::array<BITMAPDATA, kBitmapCount> table{};
  for (int i = 0; i < kBitmapCount; ++i) table[i] = kRows[i].data;
  return table;
}

}  // namespace

constinit const std::array<BITMAPDATA, kBitmapCount> g_BitmapTable = Descriptors();

int32_t BitmapShareSource(int32_t entry) {
  if (entry < 0 || entry >= kBitmapCount) return kOwnPicture;
  return kRows[static_cast<std::size_t>(entry)].nShareSource;
}
