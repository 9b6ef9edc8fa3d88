#pragma once
// The program palette and the transparent colour, set once at start-up after
// DDInit and before the bitmap list is loaded:
//
//   DDLoadPaletteFromFile(g_Palette.data(), "bmp\\plt\\Palette.bmp");
//   g_PaletteWork = g_Palette;
//   SetTrans("bmp\\plt\\Palette.bmp");            // or DDSetTransmit(r, g, b)
//
// The transparent colour is held in one form per renderer and depth (see
// palette.h and device_records.h); surfaces made afterwards take it.

#include <cstdint>

struct DDSURFACEDATA;
struct PALETTEENTRY;

bool DDLoadPaletteFromFile(PALETTEENTRY* lpPal, const char* file);
// The transparent colour from pixel (0, 0) of a picture; 1, or 0 on failure.
int32_t SetTrans(const char* file);
void DDSetTransmit(uint8_t cbRed, uint8_t cbGreen, uint8_t cbBlue);
// Above 8 bits: the 256 entries from the 16 x 16 block at (0, 8) of the picture.
void DDSetPalette_UnPal(PALETTEENTRY* lpPal, DDSURFACEDATA* lpSD);
