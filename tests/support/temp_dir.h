#pragma once
// A fresh folder under the system's temporary folder, removed with its content.

#include <filesystem>
#include <string>

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Path of a file inside the folder, as a string.
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// Whole content of a file; empty when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& path);
// Writes the bytes, replacing the file.
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);
