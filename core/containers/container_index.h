#pragma once
// Indices and counts as the program's containers see them: indices are int32,
// counts are reported as int32.

#include <cstddef>
#include <cstdint>

// True when index names an element of a container of count elements. The index is
// sign-extended and compared unsigned, so every negative index is too large: one
// comparison on the good path.
inline bool IndexIsBelow(int32_t index, std::size_t count) {
  return static_cast<std::size_t>(static_cast<std::ptrdiff_t>(index)) < count;
}

// The count as an int32; a count beyond int32 (which the program never builds)
// reads as the largest int32 rather than wrapping negative.
inline int32_t ClampCount(std::size_t count) {
  constexpr std::size_t kMaxCount = 0x7FFFFFFF;
  return static_cast<int32_t>(count > kMaxCount ? kMaxCount : count);
}
