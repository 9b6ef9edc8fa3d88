#pragma once
// The program palette and the transparent colour's DirectDraw form.
//
// Palette numbers 0..255 index g_Palette in every colour argument of fills,
// frames and colour blits, in every depth. g_PaletteWork is the copy the palette
// effects change. g_dwColorKey is the transparent colour in the DirectDraw
// surfaces' pixel format: the source colour key of keyed surfaces.

#include <array>
#include <cstdint>

#include "platform/dd/dd_objects.h"

extern std::array<PALETTEENTRY, 256> g_Palette;
extern std::array<PALETTEENTRY, 256> g_PaletteWork;
extern uint32_t g_dwColorKey;
