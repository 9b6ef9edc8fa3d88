// Arbitrary files as blend tables: a refused file must leave the table as it
// was, an accepted one must hold the file's first 65536 bytes.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

#include "platform/dd/blend_table.h"

namespace {

std::string FuzzTablePath() {
  static const std::string path = "blend_table_fuzz_" + std::to_string(static_cast<long>(getpid())) + ".dat";
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string path = FuzzTablePath();
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return 0;
  if (size > 0) std::fwrite(data, 1, size, f);
  std::fclose(f);
  static std::array<uint8_t, kBlendTableSize> table{};
  const std::array<uint8_t, kBlendTableSize> before = table;
  const bool loaded = DDLoadBlendTable(table.data(), path.c_str());
  std::remove(path.c_str());
  if (loaded != (size >= kBlendTableSize)) std::abort();
  if (loaded ? std::memcmp(table.data(), data, kBlendTableSize) != 0 : table != before) std::abort();
  return 0;
}
