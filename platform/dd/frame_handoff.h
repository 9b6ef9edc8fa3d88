#pragma once
// The hand-off frame: the one object the drawing thread and the window thread
// share. A present converts the finished frame on the drawing thread into
// XRGB8888 and posts it; the window thread takes the newest and uploads it.
// The window thread keeps the last frame it took, to present it again
// (exposure, dialogs). Buffers are swapped, never copied, under the lock.
//
//   drawing thread:  ConvertFrame(store, palette, &frame); g_FrameHandoff.Post(frame);
//   window thread:   if (g_FrameHandoff.TakeNewest(&frame)) upload and present it

#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/dd/dd_objects.h"
#include "platform/dd/pixel_store.h"

struct cHandoffFrame {
  int32_t nWidth = 0;
  int32_t nHeight = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, top row first
  uint64_t nSerial = 0;          // counts posts; 0 before the first
};

// The frame as XRGB8888: 8 bits through the palette, 16 through a lookup table
// of the store's layout, 32 copied. The frame's buffer is reused.
void ConvertFrame(const cPixelStore& store, const PALETTEENTRY* palette, cHandoffFrame* frame);

class cFrameHandoff {
 public:
  // Swaps the frame in (the caller gets the older buffer back to reuse).
  void Post(cHandoffFrame& frame);
  // True and the newest frame (swapped with *frame) when one came since the
  // last take.
  bool TakeNewest(cHandoffFrame* frame);
  void Clear();

 private:
  std::mutex m_lock;
  cHandoffFrame m_frame;
  uint64_t m_nTaken = 0;
  uint64_t m_nPosted = 0;
};

extern cFrameHandoff g_FrameHandoff;
