#pragma once
// cIdTable<T>: run-time object id -> the object, for the objects that refer to
// each other by id (a target slot, a parent, a ridden chara, a shot's owner).
//
// Ids count up from 0 with every stage build and are never reused within it,
// so the table is a plain vector indexed by id: a lookup is one comparison and
// one load, and an erased object's entry is null, so a stale id resolves to
// none instead of to freed memory. Ids past kDenseIds (a stage that has
// spawned millions of objects) go to a hash map, so the vector never grows
// without bound; it is only looked up, never walked. Only the functions that
// add and erase the running objects (object_lists.h) write it.

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

template <class T>
class cIdTable {
 public:
  static constexpr int32_t kDenseIds = 1 << 20;

  T* Find(int32_t id) const {
    if (id < 0) return nullptr;
    if (id < kDenseIds) {
      return static_cast<std::size_t>(id) < m_Dense.size() ? m_Dense[static_cast<std::size_t>(id)] : nullptr;
    }
    const auto found = m_Sparse.find(id);
    return found == m_Sparse.end() ? nullptr : found->second;
  }

  void Put(int32_t id, T* object) {
    if (id < 0) return;  // an object that never got an id cannot be found by one
    ++m_nVersion;
    if (id >= kDenseIds) {
      m_Sparse[id] = object;
      return;
    }
    const auto index = static_cast<std::size_t>(id);
    if (index >= m_Dense.size()) m_Dense.resize(index + 1, nullptr);
    m_Dense[index] = object;
  }

  // Forgets id only while it still names object, so erasing a copy that shares
  // an id with a registered object leaves the registered one findable.
  void Remove(int32_t id, const T* object) {
    if (Find(id) != object || object == nullptr) return;
    ++m_nVersion;
    if (id < kDenseIds) {
      m_Dense[static_cast<std::size_t>(id)] = nullptr;
    } else {
      m_Sparse.erase(id);
    }
  }

  void Clear() {
    ++m_nVersion;
    m_Dense.clear();
    m_Sparse.clear();
  }

  // Changes whenever some id starts or stops naming an object, so what was
  // resolved through the table can be kept until then.
  uint64_t Version() const { return m_nVersion; }

 private:
  uint64_t m_nVersion = 0;
  std::vector<T*> m_Dense;
  std::unordered_map<int32_t, T*> m_Sparse;
};
