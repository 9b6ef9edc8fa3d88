#pragma once
// cList<T>: the program's doubly linked list. Indexed access goes through
// CheckedListAt, which never walks past the end: a bad index is logged, the main
// window is asked to close and the caller gets the type's fallback element (see
// fallback_element.h) to go on with.

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <list>

#include "core/containers/bad_index_report.h"
#include "core/containers/container_index.h"
#include "core/containers/fallback_element.h"

template <class T>
class cList : public std::list<T> {
  using Base = std::list<T>;

 public:
  using iterator = typename Base::iterator;
  using const_iterator = typename Base::const_iterator;

  using Base::Base;
  cList() = default;
  cList(const cList&) = default;
  cList(cList&&) noexcept = default;
  cList& operator=(const cList& source) { return ListAssign(source); }
  cList& operator=(cList&&) noexcept = default;
  ~cList() = default;

  // The element of the node at index, counted from the first node.
  [[gnu::always_inline]] inline T& CheckedListAt(int32_t index) {
    if (IsGoodIndex(index)) [[likely]] {
      return *NodeAt(Base::begin(), Base::end(), index);
    }
    return FailedAt(index, Base::size());
  }
  [[gnu::always_inline]] inline const T& CheckedListAt(int32_t index) const {
    if (IsGoodIndex(index)) [[likely]] {
      return *NodeAt(Base::begin(), Base::end(), index);
    }
    return FailedAt(index, Base::size());
  }

  int32_t ListSize() const { return ClampCount(Base::size()); }

  // Position of the node at index; the end position for an index outside the list,
  // so a caller's mistake ends at a position it must not dereference anyway
  // instead of walking past the end.
  iterator ListIterAt(int32_t index) {
    return IsGoodIndex(index) ? NodeAt(Base::begin(), Base::end(), index) : Base::end();
  }
  const_iterator ListIterAt(int32_t index) const {
    return IsGoodIndex(index) ? NodeAt(Base::begin(), Base::end(), index) : Base::end();
  }

  // Erases the node at index and returns the position after it; an index outside
  // the list erases nothing and returns the end position, without an error line.
  iterator ListEraseAt(int32_t index) { return EraseNode(ListIterAt(index)); }

  // Erases the first node holding value; later equal nodes stay.
  iterator ListEraseValue(const T& value) {
    return EraseNode(std::find(Base::begin(), Base::end(), value));
  }

  // Erases the node whose element is the object at address.
  iterator ListEraseByAddress(const T* address) {
    return EraseNode(std::find_if(Base::begin(), Base::end(),
                                  [address](const T& element) { return &element == address; }));
  }

  // Same rules as cVector::VectorAssign: resize, then assign element by element.
  cList& ListAssign(const cList& source) {
    if (this == &source) return *this;
    Base::resize(source.size());
    std::copy(source.begin(), source.end(), Base::begin());
    return *this;
  }

 private:
  bool IsGoodIndex(int32_t index) const { return IndexIsBelow(index, Base::size()); }

  // The node at a good index, walked to from whichever end is nearer (the list
  // keeps its count).
  template <class It>
  It NodeAt(It first, It last, int32_t index) const {
    const std::size_t count = Base::size();
    const std::size_t ahead = static_cast<std::size_t>(index);
    if (ahead <= count / 2) return std::next(first, static_cast<std::ptrdiff_t>(ahead));
    return std::prev(last, static_cast<std::ptrdiff_t>(count - ahead));
  }

  iterator EraseNode(iterator node) { return node == Base::end() ? node : Base::erase(node); }

  [[gnu::noinline, gnu::cold]] static T& FailedAt(int32_t index, std::size_t count) {
    ReportBadIndex(ContainerKind::List, index, ClampCount(count), static_cast<int32_t>(sizeof(T)));
    return FallbackElement<T>();
  }
};
