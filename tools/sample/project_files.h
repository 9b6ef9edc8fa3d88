#pragma once
// Where the generator puts its files: data paths as the program names them
// (CP932, backslashes, relative to the project folder) become files under the
// output folder, parent folders made as needed. Writes stop at the first
// failure, which is kept for the report.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class cProjectFiles {
 public:
  explicit cProjectFiles(std::filesystem::path root) : m_Root(std::move(root)) {}

  // The host path of a data path; empty when the name is not valid CP932.
  std::filesystem::path HostPath(std::string_view dataPath) const;

  // Writes bytes to the data path. False (and Error() set) on failure, and for
  // every write after a failure.
  bool Write(std::string_view dataPath, const std::vector<uint8_t>& bytes);
  // Makes the folder a data path names.
  bool MakeFolder(std::string_view dataPath);

  bool Ok() const { return m_strError.empty(); }
  const std::string& Error() const { return m_strError; }
  const std::filesystem::path& Root() const { return m_Root; }
  // Every data path written, in order.
  const std::vector<std::string>& Written() const { return m_Written; }

 private:
  bool Fail(std::string message);
  std::filesystem::path m_Root;
  std::string m_strError;
  std::vector<std::string> m_Written;
};
