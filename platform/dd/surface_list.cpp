#include "platform/dd/surface_list.h"

#include "core/globals/global_order.h"

VP_GLOBAL(kGlobalDTSurfaceList, cDTSurfaceList g_DTSurfaceList);

DDSURFACEDATA* cDTSurfaceList::Find(int32_t id) const {
  const auto it = m_entries.find(id);
  return it == m_entries.end() ? nullptr : it->second;
}

void cDTSurfaceList::Relink(int32_t id, const DDSURFACEDATA* from, DDSURFACEDATA* to) {
  const auto it = m_entries.find(id);
  if (it != m_entries.end() && it->second == from) it->second = to;
}

void cDTSurfaceList::ForEach(const std::function<void(DDSURFACEDATA&)>& fn) const {
  for (const auto& [id, lpSD] : m_entries) fn(*lpSD);
}
