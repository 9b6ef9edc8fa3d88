#pragma once
// Surfaces from BMP files, the mirrored copies of sprite sheets, and the bitmap
// list loader.
//
//   int code = DDCreateSurfaceFromFile(&sd, "bmp\\Shot.bmp", 1, g_nBpp, 0,
//                                      DTMEMORYTYPE_VIDEO_RT, nullptr, 0, 16, 0, 0);
//   if (!DDCheckCreateResult(code)) ...   // 4 no surface, 8 the file, 1 the mirror
//
// Direct3D loads texels of the transparent colour as transparent black and
// every other texel opaque; DirectDraw keeps raw pixels, keyed by g_dwColorKey.

#include <cstdint>

struct DDSURFACEDATA;

int32_t DDCreateSurfaceFromFile(DDSURFACEDATA* lpSD, const char* file, int32_t bColorKey, int32_t nBpp,
                                int32_t bSystemMemory, int32_t nMemoryType, DDSURFACEDATA* lpShareSD,
                                int32_t bPalMap, int32_t nMirrorCellW, int32_t nMirrorCellH, int32_t bRestore);

// DirectDraw: copies the picture into the existing surface, mirrored per cell.
// False for a picture that cannot be read or whose size differs from the surface's.
bool CopyBitmap(DDSURFACEDATA* lpSD, const char* file, int32_t nBpp, int32_t bPalMap, int32_t nMirrorCellW,
                int32_t nMirrorCellH);
// DirectDraw: CopyBitmap from the surface's own file (after a surface loss).
bool DDReloadBitmap(DDSURFACEDATA* lpSD, int32_t nBpp);
// DirectDraw: *lpTooLarge = whether the picture exceeds the size; 0 when it
// cannot be read. Direct3D: 1, *lpTooLarge unchanged.
int32_t DDCheckBitmapSize(int32_t* lpTooLarge, const char* file, int32_t nMaxWidth, int32_t nMaxHeight);
// Direct3D: redraws lpDst with every whole cell of lpSrc mirrored in place.
bool DDCopyMirrorCells(DDSURFACEDATA* lpDst, DDSURFACEDATA* lpSrc, int32_t nCellW, int32_t nCellH);

// (Re)creates the listed entries of a surface table from g_lpBitmapTable.
bool DDLoadBitmapList(DDSURFACEDATA* table, const int32_t* indices, int32_t count);
