#pragma once
// BITMAPDATA: how to create one surface of a bitmap list. The loader of the list
// creates one surface per descriptor.

#include <cstdint>

inline constexpr int kBitmapFileNameSize = 260;

struct BITMAPDATA {
  // The BMP file under the project folder; "E" makes an empty surface of
  // nWidth x nHeight instead.
  char szFileName[kBitmapFileNameSize] = {};
  int32_t bTransparent = 0;   // drawn with the transparent colour as colour key
  int32_t bSystemMemory = 0;  // kept in system memory
  int32_t nMemoryType = 0;    // the Direct3D texture's memory type
  int32_t bShare = 0;         // takes the picture of another surface (LinkBitmapTables)
  int32_t bPalMap = 0;        // build the palette-index map after loading (above 8 bits)
  int32_t bNoError = 0;       // a failed load shows no message and loading goes on
  int32_t nMirrorCellW = 0;   // cell size of the mirrored picture; 0 none
  int32_t nMirrorCellH = 0;
  int32_t nWidth = 0;         // size of an empty surface
  int32_t nHeight = 0;
};
