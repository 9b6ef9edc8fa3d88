#pragma once
// g_DTSurfaceList: every Direct3D surface with a texture of its own, by id. Ids
// grow with each creation, so walking in id order is walking in creation order,
// which the device restore does. Entries hold the record's current address: a
// moved record updates its entry, a released one removes it.

#include <cstdint>
#include <functional>
#include <map>

struct DDSURFACEDATA;

class cDTSurfaceList {
 public:
  void Add(int32_t id, DDSURFACEDATA* lpSD) { m_entries[id] = lpSD; }
  void Remove(int32_t id) { m_entries.erase(id); }
  // The record of id, or null when no such surface is listed.
  DDSURFACEDATA* Find(int32_t id) const;
  // Points the entry of id at to when it points at from.
  void Relink(int32_t id, const DDSURFACEDATA* from, DDSURFACEDATA* to);
  int32_t Count() const { return static_cast<int32_t>(m_entries.size()); }
  // Walks in creation order; fn may not add or remove entries.
  void ForEach(const std::function<void(DDSURFACEDATA&)>& fn) const;
  void Clear() { m_entries.clear(); }

 private:
  std::map<int32_t, DDSURFACEDATA*> m_entries;
};

extern cDTSurfaceList g_DTSurfaceList;
