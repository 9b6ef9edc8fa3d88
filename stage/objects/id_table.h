#pragma once
// cIdTable<T>: run-time object id -> the object, for the objects that refer to
// each other by id (a target slot, a parent, a ridden chara, a shot's owner).
//
// Ids count up from 0 with every stage build and are never reused within it,
// so the table is a plain vector indexed by id: a lookup is one comparison and
// one load, and an erased object's entry is null, so a stale id resolves to
// none instead of to freed memory. Only the functions that add and erase the
// running objects (object_lists.h) write it.

#include <cstddef>
#include <cstdint>
#include <vector>

template <class T>
class cIdTable {
 public:
  T* Find(int32_t id) const {
    if (id < 0 || static_cast<std::size_t>(id) >= m_Objects.size()) return nullptr;
    return m_Objects[static_cast<std::size_t>(id)];
  }

  void Put(int32_t id, T* object) {
    if (id < 0) return;  // an object that never got an id cannot be found by one
    const auto index = static_cast<std::size_t>(id);
    if (index >= m_Objects.size()) m_Objects.resize(index + 1, nullptr);
    m_Objects[index] = object;
  }

  // Forgets id only while it still names object, so erasing a copy that shares
  // an id with a registered object leaves the registered one findable.
  void Remove(int32_t id, const T* object) {
    if (Find(id) == object) m_Objects[static_cast<std::size_t>(id)] = nullptr;
  }

  void Clear() { m_Objects.clear(); }

 private:
  std::vector<T*> m_Objects;
};
