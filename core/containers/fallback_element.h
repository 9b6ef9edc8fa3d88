#pragma once
// The element a failed checked access hands back when the container has none to
// give: one object per element type, value-initialised (null pointer, zero number,
// default-constructed record) the first time an access of that type fails. It is
// the same object on every later failure, so whatever a caller wrote into it is
// still there the next time. It is never destroyed: a thread that is still running
// while the program exits may keep using it.

#include <new>

template <class T>
T& FallbackElement() {
  alignas(T) static unsigned char storage[sizeof(T)];
  static T* const element = ::new (static_cast<void*>(storage)) T();
  return *element;
}
