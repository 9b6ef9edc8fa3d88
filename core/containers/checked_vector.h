#pragma once
// cVector<T>: the program's growable array. Every indexed access goes through
// CheckedVectorAt, which never reads or writes outside the vector: a bad index is
// logged, the main window is asked to close and the caller gets a valid element to
// go on with, so the current frame ends normally before the program closes.
// Unchecked indexing is deleted so it cannot slip back in.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <vector>

#include "core/containers/bad_index_report.h"
#include "core/containers/container_index.h"
#include "core/containers/fallback_element.h"

template <class T>
class cVector : public std::vector<T> {
  // std::vector<bool> hands out proxies, not references; flag vectors use char.
  static_assert(!std::is_same_v<T, bool>, "use cVector<char> for flags");
  using Base = std::vector<T>;

 public:
  using Base::Base;
  cVector() = default;
  cVector(const cVector&) = default;
  cVector(cVector&&) noexcept = default;
  cVector& operator=(const cVector& source) { return VectorAssign(source); }
  cVector& operator=(cVector&&) noexcept = default;
  ~cVector() = default;

  T& operator[](std::size_t) = delete;
  const T& operator[](std::size_t) const = delete;
  T& at(std::size_t) = delete;
  const T& at(std::size_t) const = delete;

  // The element at index. The good path is one unsigned comparison and an address
  // computation; it sits in the innermost loops of the play step. A bad index (any
  // negative one included) yields the first element, or the type's fallback
  // element when the vector is empty.
  [[gnu::always_inline]] inline T& CheckedVectorAt(int32_t index) {
    if (IsGoodIndex(index)) [[likely]] {
      return Base::data()[index];
    }
    return FailedAt(index, Base::data(), Base::size());
  }
  [[gnu::always_inline]] inline const T& CheckedVectorAt(int32_t index) const {
    if (IsGoodIndex(index)) [[likely]] {
      return Base::data()[index];
    }
    return FailedAt(index, Base::data(), Base::size());
  }

  int32_t VectorSize() const { return ClampCount(Base::size()); }

  void FillVector(const T& value) {
    for (T& element : *this) element = value;
  }

  // Copy assignment as the records need it: existing elements are assigned in
  // place with the element's own assignment, new ones are default-constructed
  // first and then assigned, surplus ones at the end are destroyed.
  cVector& VectorAssign(const cVector& source) {
    if (this == &source) return *this;
    Base::resize(source.size());
    std::copy(source.begin(), source.end(), Base::begin());
    return *this;
  }

  // Empties the vector and gives its storage back. The storage is taken out of the
  // vector before the old elements are destroyed, so a destructor that looks at
  // the vector finds it already empty.
  void VectorReleaseAll() {
    Base released;
    released.swap(*this);
  }

  // Inserts a copy before the element at index; an index at or past the end
  // (index 0 of an empty vector included) appends.
  void VectorInsertAt(int32_t index, const T& element) {
    if (IsGoodIndex(index)) {
      Base::insert(Base::begin() + index, element);
    } else {
      Base::push_back(element);
    }
  }

 private:
  bool IsGoodIndex(int32_t index) const { return IndexIsBelow(index, Base::size()); }

  // Takes the storage rather than the vector, so the vector itself does not escape
  // into the call and a loop over a local vector keeps its bounds in registers.
  [[gnu::noinline, gnu::cold]] static T& FailedAt(int32_t index, const T* first, std::size_t count) {
    ReportBadIndex(ContainerKind::Vector, index, ClampCount(count), static_cast<int32_t>(sizeof(T)));
    if (count == 0) return FallbackElement<T>();
    return *const_cast<T*>(first);
  }
};
