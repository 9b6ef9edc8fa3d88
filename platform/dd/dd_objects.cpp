#include "platform/dd/dd_objects.h"

#include <SDL.h>

#include <algorithm>
#include <set>

namespace {
// Every surface alive: the DirectDraw object's references, and what a loss reaches.
// Never destroyed: the screen surfaces are global and are destroyed after every
// function-local static, and their destructors still unregister here.
std::set<cDirectDrawSurface*>& LiveSurfaces() {
  static auto* live = new std::set<cDirectDrawSurface*>;
  return *live;
}
}  // namespace

cDirectDrawSurface::cDirectDrawSurface() { LiveSurfaces().insert(this); }
cDirectDrawSurface::~cDirectDrawSurface() { LiveSurfaces().erase(this); }
int32_t cDirectDrawSurface::AliveCount() { return static_cast<int32_t>(LiveSurfaces().size()); }
void cDirectDrawSurface::SimulateLossOfAll() {
  for (cDirectDrawSurface* surface : LiveSurfaces()) surface->SimulateLoss();
}

bool cDirectDrawSurface::Create(int32_t width, int32_t height, ePixelFormat format, bool systemMemory) {
  m_bSystemMemory = systemMemory;
  m_bLost = false;
  m_bHasKey = false;
  return m_store.Allocate(width, height, format);
}

int32_t cDirectDrawSurface::Restore() {
  if (!m_bLost) return DD_OK;
  m_bLost = false;
  return DD_OK;
}

void cDirectDrawSurface::SimulateLoss() {
  m_bLost = true;
  if (!m_bSystemMemory && !m_store.Empty()) {
    m_store.FillRect(0, 0, m_store.Width(), m_store.Height(), 0);
  }
}

void cDirectDrawPalette::SetEntries(int32_t first, int32_t count, const PALETTEENTRY* entries) {
  if (entries == nullptr || first < 0 || count <= 0 || first >= 256) return;
  const int32_t n = std::min(count, 256 - first);
  std::copy(entries, entries + n, m_entries.begin() + first);
}

int32_t cDirectDraw::GetMonitorFrequency() const {
  SDL_DisplayMode mode;
  if (SDL_WasInit(SDL_INIT_VIDEO) == 0 || SDL_GetCurrentDisplayMode(0, &mode) != 0) return 0;
  return mode.refresh_rate;
}
