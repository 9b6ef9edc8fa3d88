#include "core/path/numbered_file.h"

#include <algorithm>
#include <optional>

#include "core/path/ascii_fold.h"
#include "core/path/host_path.h"
#include "core/path/path_ext.h"
#include "core/path/path_parts.h"
#include "core/text/cp932.h"

namespace {

constexpr int kNoNumber = -1;

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// The number of "<stem>_DDD" (stem in host spelling, ASCII case ignored), or
// kNoNumber when name has another form.
int NumberOf(std::string_view name, std::string_view stem) {
  if (name.size() != stem.size() + 4) return kNoNumber;
  if (!EqualsAsciiNoCase(name.substr(0, stem.size()), stem)) return kNoNumber;
  std::string_view tail = name.substr(stem.size());
  if (tail[0] != '_') return kNoNumber;
  int number = 0;
  for (char c : tail.substr(1)) {
    if (!IsAsciiDigit(c)) return kNoNumber;
    number = number * 10 + (c - '0');
  }
  return number;
}

int HighestNumber(std::string_view folder, std::string_view stem) {
  auto entries = HostPaths().ListFolder(folder);
  int highest = kNoNumber;
  if (!entries) return highest;
  for (const HostDirEntry& entry : *entries) {
    if (entry.isFile) highest = std::max(highest, NumberOf(entry.name, stem));
  }
  return highest;
}

std::string ThreeDigits(int number) {
  std::string digits = "000";
  for (int i = 2; i >= 0; --i, number /= 10) digits[i] = static_cast<char>('0' + number % 10);
  return digits;
}

}  // namespace

int FindNewestNumbered(std::string& dest, std::string_view path, std::string_view ext) {
  std::string base;
  PathChangeExt(base, path, ext);  // no dot: base is the path as it is
  if (base.empty()) return 0;
  std::size_t sep = FindLastSeparator(base);
  std::size_t nameStart = sep == std::string::npos ? 0 : sep + 1;
  std::optional<std::string> stem = Cp932ToUtf8(std::string_view(base).substr(nameStart));
  if (!stem || stem->empty()) return 0;
  int number = HighestNumber(std::string_view(base).substr(0, nameStart), *stem);
  if (number == kNoNumber) return 0;
  return AssignWithinPathLimit(dest, base + "_" + ThreeDigits(number));
}

int FindNewestNumberedStr(std::string& dest, std::string_view path, std::string_view ext) {
  return FindNewestNumbered(dest, path, ext);
}
