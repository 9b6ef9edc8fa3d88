#include "platform/ui/frame_rect_host.h"

#include <algorithm>

cFrameExtents cFrameRectHost::Extents(uint32_t style) const {
  int32_t side = 0;
  if ((style & WS_THICKFRAME) != 0) side = kSizingFrame;
  else if ((style & WS_DLGFRAME) != 0 || (style & DS_MODALFRAME) != 0) side = kDialogFrame;
  else if ((style & WS_BORDER) != 0) side = kBorderFrame;
  const int32_t caption = (style & WS_CAPTION) == WS_CAPTION ? kCaptionHeight : 0;
  return {side, side + caption, side, side};
}

void cFrameRectHost::ClientSize(int32_t* width, int32_t* height) const {
  *width = m_nClientWidth;
  *height = m_nClientHeight;
}

void cFrameRectHost::SetClientSize(int32_t width, int32_t height) {
  m_nClientWidth = std::max(0, width);
  m_nClientHeight = std::max(0, height);
}

POINT cFrameRectHost::ClientOrigin() const {
  const cFrameExtents ext = Extents(m_dwStyle);
  return {m_ptPos.x + ext.left, m_ptPos.y + ext.top};
}

POINT cFrameRectHost::FrameToClient(POINT frame) const {
  const POINT origin = ClientOrigin();
  return {frame.x - origin.x, frame.y - origin.y};
}
