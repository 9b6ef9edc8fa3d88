#include "stage/script/script_math.h"

#include <limits>

int32_t ClampInt(int32_t& value, int32_t lo, int32_t hi) {
  if (value < lo) value = lo;
  if (value > hi) value = hi;
  return value;
}

int32_t ClampWide(int64_t value, int32_t lo, int32_t hi) {
  if (value < lo) value = lo;
  if (value > hi) value = hi;
  return static_cast<int32_t>(value);
}

int32_t SaturateToInt(int64_t value) {
  return ClampWide(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
}

int32_t WrapAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

int32_t WrapSub(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

int32_t WrapMul(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

int32_t SafeDiv(int32_t a, int32_t b) { return static_cast<int32_t>(static_cast<uint32_t>(int64_t{a} / int64_t{b})); }

int32_t SafeRem(int32_t a, int32_t b) { return static_cast<int32_t>(int64_t{a} % int64_t{b}); }

int32_t ReadLeadingInt(std::string_view text) {
  std::size_t i = 0;
  auto isBlank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
  while (i < text.size() && isBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int64_t magnitude = 0;
  constexpr int64_t kCap = int64_t{1} << 32;  // beyond every int32 either way
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > kCap) magnitude = kCap;
  }
  return SaturateToInt(negative ? -magnitude : magnitude);
}
