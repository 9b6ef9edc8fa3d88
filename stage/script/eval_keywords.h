#pragma once
// The words of the script language, in their fixed table order (the indexes
// are those of EVALTOKEN's operator, status and system fields).

#include <array>
#include <cstdint>
#include <string_view>

inline constexpr std::array<std::string_view, 1> kEvalFunctions = {"rand"};

inline constexpr std::array<std::string_view, 6> kEvalOperators = {"=", "+", "-", "*", "/", "%"};
// Reduction level of each operator; level 0 is applied first.
inline constexpr std::array<int32_t, 6> kEvalOperatorLevels = {2, 1, 1, 0, 0, 0};

inline constexpr std::array<std::string_view, 8> kEvalObjects = {"my", "tg", "tg1", "tg2", "tg3", "tg4", "pl", "sys"};

inline constexpr std::array<std::string_view, 2> kEvalVariablePrefixes = {"C", "S"};

inline constexpr std::array<std::string_view, 22> kEvalStatuses = {
    "v1",  "v2",  "v3",   "v4",    "v5",    "v6",  "v7",  "v8",   "hp",   "sp",    "mhp",
    "msp", "cid", "z",    "mark",  "sight", "power", "imp", "def", "impd", "stop", "getsc"};

inline constexpr std::array<std::string_view, 5> kEvalSystemValues = {"time", "scrlx", "scrly", "score", "life"};

// The index of word in table, -1 when absent.
template <std::size_t N>
int32_t FindEvalKeyword(const std::array<std::string_view, N>& table, std::string_view word) {
  for (std::size_t i = 0; i < N; ++i) {
    if (table[i] == word) return static_cast<int32_t>(i);
  }
  return -1;
}
