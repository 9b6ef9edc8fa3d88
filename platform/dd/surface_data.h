#pragma once
// DDSURFACEDATA: one drawable image of the surface library.
//
// The record carries the renderer's part as a backing: DDSDATA (a DirectDraw
// surface) in DirectDraw mode, DTSURFACEDATA (a texture, or the device's back
// buffer) in Direct3D mode. Both are CPU pixel stores. A record without backing
// (never created, released, a tolerated load failure) draws nothing: every
// drawing function checks for it.
//
// The record is move-only: a copy would alias its backing. Moving it keeps its
// entry of g_DTSurfaceList current, so a vector of surfaces may grow; destroying
// it releases the backing.
//
//   DDSURFACEDATA sd;
//   DDCreateSurface(&sd, 64, 32, 1, 0, DTMEMORYTYPE_VIDEO_RT, nullptr, 0);
//   DDFillSurface(&sd, 5);
//   DDBlt(&g_SDBackBuffer, 10, 10, 64, 32, &sd, 0, 0, 1);   // keyed
//   DDReleaseSurface(&sd);                                    // sizes and names stay
//
// A Direct3D mirror view (lpShareSD set when it was created) has a part without
// a texture and draws from its source, found again by the source's id, so a
// moved source is still found and a released one draws nothing.

#include <cstdint>
#include <memory>

#include "platform/dd/dd_objects.h"
#include "platform/dd/pixel_store.h"

inline constexpr int kSurfaceNameSize = 260;

// Memory types of a Direct3D texture.
inline constexpr int32_t DTMEMORYTYPE_VIDEO_RT = 0;
inline constexpr int32_t DTMEMORYTYPE_SYSTEM = 1;
inline constexpr int32_t DTMEMORYTYPE_VIDEO_NORT = 2;

// lpTexture: a texture of the Direct3D device; its level surface is its store.
class cTexture {
 public:
  bool Create(int32_t width, int32_t height, ePixelFormat format) { return m_store.Allocate(width, height, format); }
  cPixelStore& Store() { return m_store; }

 private:
  cPixelStore m_store;
};

// The size of level 0 of a texture (the allocated size).
struct D3DSURFACE_DESC {
  int32_t Width = 0;
  int32_t Height = 0;
};

// The DirectDraw part.
struct DDSDATA {
  std::unique_ptr<cDirectDrawSurface> lpDDSurface;
  std::unique_ptr<uint8_t[]> lpPalMap;  // palette-index map, or null
};

// The Direct3D part.
struct DTSURFACEDATA {
  int32_t nSurfaceId = 0;            // identity in g_DTSurfaceList; the back buffer has 0
  cPixelStore* lpSurface = nullptr;  // the texture's store, or the device's back buffer
  std::unique_ptr<cTexture> lpTexture;  // null for the back buffer and mirror views
  D3DSURFACE_DESC d3dsd;
  int32_t nMemoryType = DTMEMORYTYPE_VIDEO_RT;
  int32_t bColorKey = 0;
  int32_t bRenderTarget = 0;
  std::unique_ptr<uint8_t[]> lpPalMap;  // palette-index map, or null
  int32_t nShareId = -1;  // mirror view: the id of the surface it draws from
};

struct DDSURFACEDATA {
  std::unique_ptr<DTSURFACEDATA> lpDT;
  std::unique_ptr<DDSDATA> lpDDS;
  char szName[kSurfaceNameSize] = {};
  int32_t nWidth = 0;
  int32_t nHeight = 0;
  int32_t nTexWidth = 0;
  int32_t nTexHeight = 0;
  char szFileName[kSurfaceNameSize] = {};
  int32_t bSystemMemory = 0;
  int32_t nMirrorCellW = 0;
  int32_t nMirrorCellH = 0;
  // Direct3D mirror view: the surface whose texture this one draws from. Set by
  // the owner (LinkBitmapTables for the surface table); DirectDraw ignores it.
  DDSURFACEDATA* lpShareSD = nullptr;
  int32_t bLost = 0;  // recreated empty after a loss: the owner redraws it

  DDSURFACEDATA() = default;
  DDSURFACEDATA(const DDSURFACEDATA&) = delete;
  DDSURFACEDATA& operator=(const DDSURFACEDATA&) = delete;
  DDSURFACEDATA(DDSURFACEDATA&& other) noexcept;
  DDSURFACEDATA& operator=(DDSURFACEDATA&& other) noexcept;
  ~DDSURFACEDATA();

  // Gives the record an empty part of the configured renderer when it has none.
  void AllocBacking();

  // The pixels this record draws into or from: the level surface in Direct3D
  // mode, the DirectDraw surface's store otherwise; null without backing or
  // while lost.
  cPixelStore* Pixels();
  const cPixelStore* Pixels() const;
};
