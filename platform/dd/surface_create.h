#pragma once
// Creating empty surfaces, releasing surfaces, and the texture-size rules.

#include <cstdint>

struct DDSURFACEDATA;

// An empty surface of w x h (1 to 32767 each). Direct3D: a render-target texture
// (memory types 0 and 2) or a system-memory texture (type 1), or, with
// lpShareSD, a mirror view drawing from that surface. DirectDraw: a surface of
// the display's format filled with palette number 0, keyed with g_dwColorKey
// when bColorKey is 1. bRestore recreates in place after a loss, keeping name,
// file name, memory type, id and list membership.
bool DDCreateSurface(DDSURFACEDATA* lpSD, int32_t nWidth, int32_t nHeight, int32_t bColorKey,
                     int32_t bSystemMemory, int32_t nMemoryType, DDSURFACEDATA* lpShareSD,
                     int32_t bRestore);

// Frees the backing; the record keeps its sizes and names. Null does nothing.
void DDDestroySurface(DDSURFACEDATA* lpSD);
inline void DDReleaseSurface(DDSURFACEDATA* lpSD) { DDDestroySurface(lpSD); }

// Direct3D: rounds the size up to what the card takes (powers of two, square).
void DDFitTextureSize(int32_t* w, int32_t* h);
// Direct3D: false, with a log line per side, when a side exceeds the card's maximum.
bool DDCheckTextureSize(int32_t w, int32_t h);

// Codes of DDCreateSurfaceFromFile.
inline constexpr int32_t kCreateOk = 0;
inline constexpr int32_t kCreateMirrorErr = 1;
inline constexpr int32_t kCreateSurfaceErr = 4;
inline constexpr int32_t kLoadImageErr = 8;
inline constexpr int32_t kSetColorKeyErr = 9;

// False for every non-zero code; the named ones ("CREATESURFACE_ERR",
// "LOADIMAGE_ERR", "SETCOLORKEY_ERR") are written to the EC log.
bool DDCheckCreateResult(int32_t code);

// A record created again without being released first leaves its old entry of
// g_DTSurfaceList behind unless it is forgotten here.
void ForgetListEntry(DDSURFACEDATA* lpSD);

// Fills the string field with text, or with nothing when it does not fit.
bool SetSurfaceName(char (&field)[260], const char* text);
