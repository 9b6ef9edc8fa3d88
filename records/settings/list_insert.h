#pragma once
// Inserting into a list of fixed length, as the settings migrations do when a
// newer editor put an entry in the middle of a list: the elements from i on move
// one place up, the last one falls off, and the caller then sets element i. An i
// not below count - 1 changes nothing (the caller's set then replaces the last
// element). One template serves the byte, string and ini-key lists alike.

#include <cstdint>

#include "core/containers/checked_vector.h"

template <class T>
void InsertListAt(cVector<T>& list, int32_t i) {
  const int32_t count = list.VectorSize();
  if (i < 0 || i >= count - 1) return;
  for (int32_t k = count - 1; k > i; --k) {
    list.CheckedVectorAt(k) = list.CheckedVectorAt(k - 1);
  }
}

// Inserts and sets element i. A list too short to have an element i is left as
// it is.
template <class T>
void InsertListValue(cVector<T>& list, int32_t i, const T& value) {
  InsertListAt(list, i);
  if (i >= 0 && i < list.VectorSize()) list.CheckedVectorAt(i) = value;
}
