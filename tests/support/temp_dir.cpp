#include "support/temp_dir.h"

#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

TempDir::TempDir() {
  std::random_device rd;
  std::mt19937_64 gen(rd());
  auto base = std::filesystem::temp_directory_path();
  for (;;) {
    std::ostringstream name;
    name << "vp_test_" << std::hex << gen();
    path_ = base / name.str();
    if (std::filesystem::create_directory(path_)) break;
  }
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
