#include "platform/dd/frame_handoff.h"

#include <array>
#include <memory>

#include "platform/dd/pixel_format.h"

cFrameHandoff g_FrameHandoff;

namespace {

// One table per 16-bit layout, built on first use.
const uint32_t* Table16(ePixelFormat format) {
  static std::array<std::unique_ptr<uint32_t[]>, 6> tables;
  static std::mutex lock;
  const std::lock_guard<std::mutex> guard(lock);
  auto& table = tables[static_cast<std::size_t>(format)];
  if (!table) {
    table.reset(new uint32_t[65536]);
    for (uint32_t p = 0; p < 65536; ++p) table[p] = PixelToArgb(p, format) & 0xFFFFFFu;
  }
  return table.get();
}

}  // namespace

void ConvertFrame(const cPixelStore& store, const PALETTEENTRY* palette, cHandoffFrame* frame) {
  if (frame == nullptr || store.Empty()) return;
  frame->nWidth = store.Width();
  frame->nHeight = store.Height();
  const std::size_t count = static_cast<std::size_t>(store.Width()) * static_cast<std::size_t>(store.Height());
  frame->pixels.resize(count);
  uint32_t* out = frame->pixels.data();
  switch (store.BytesPerPixel()) {
    case 1: {
      uint32_t colours[256] = {};
      for (int i = 0; palette != nullptr && i < 256; ++i) {
        colours[i] = static_cast<uint32_t>(palette[i].peRed) << 16 | static_cast<uint32_t>(palette[i].peGreen) << 8 |
                     palette[i].peBlue;
      }
      const uint8_t* in = store.Bits();
      for (std::size_t i = 0; i < count; ++i) out[i] = colours[in[i]];
      break;
    }
    case 2: {
      const uint32_t* table = Table16(store.Format());
      const auto* in = reinterpret_cast<const uint16_t*>(store.Bits());
      for (std::size_t i = 0; i < count; ++i) out[i] = table[in[i]];
      break;
    }
    default: {
      const auto* in = reinterpret_cast<const uint32_t*>(store.Bits());
      for (std::size_t i = 0; i < count; ++i) out[i] = in[i] & 0xFFFFFFu;
      break;
    }
  }
}

void cFrameHandoff::Post(cHandoffFrame& frame) {
  const std::lock_guard<std::mutex> guard(m_lock);
  frame.nSerial = ++m_nPosted;
  std::swap(m_frame, frame);
}

bool cFrameHandoff::TakeNewest(cHandoffFrame* frame) {
  const std::lock_guard<std::mutex> guard(m_lock);
  if (m_nPosted == m_nTaken || frame == nullptr) return false;
  m_nTaken = m_nPosted;
  std::swap(m_frame, *frame);
  return true;
}

void cFrameHandoff::Clear() {
  const std::lock_guard<std::mutex> guard(m_lock);
  m_frame = {};
  m_nTaken = m_nPosted = 0;
}
