#pragma once
// Which pixel format a new store of the running mode gets.

#include "platform/dd/pixel_format.h"

// A Direct3D format number (D3DFMT_*) as a store format.
ePixelFormat FormatOfD3D(int32_t d3dFormat);
// Direct3D textures.
ePixelFormat TextureFormat();
// DirectDraw surfaces: the display's format at the configured depth.
ePixelFormat DisplayFormat();

// Tests: the 16-bit layout the DirectDraw display reports (5-6-5 by default).
void SetDisplayFormat16(ePixelFormat format);
