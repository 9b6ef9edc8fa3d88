#include "tools/sample/project_files.h"

#include <fstream>
#include <optional>
#include <system_error>

#include "core/text/cp932.h"

std::filesystem::path cProjectFiles::HostPath(std::string_view dataPath) const {
  const std::optional<std::string> utf8 = Cp932ToUtf8(dataPath);
  if (!utf8) return {};
  std::string relative = *utf8;
  for (char& c : relative) {
    if (c == '\\') c = '/';
  }
  return m_Root / relative;
}

bool cProjectFiles::Fail(std::string message) {
  if (m_strError.empty()) m_strError = std::move(message);
  return false;
}

bool cProjectFiles::MakeFolder(std::string_view dataPath) {
  if (!Ok()) return false;
  const std::filesystem::path host = HostPath(dataPath);
  if (host.empty()) return Fail("not a CP932 name: " + std::string(dataPath));
  std::error_code ec;
  std::filesystem::create_directories(host, ec);
  if (ec) return Fail("cannot create " + host.string() + ": " + ec.message());
  return true;
}

bool cProjectFiles::Write(std::string_view dataPath, const std::vector<uint8_t>& bytes) {
  if (!Ok()) return false;
  const std::filesystem::path host = HostPath(dataPath);
  if (host.empty()) return Fail("not a CP932 name: " + std::string(dataPath));
  std::error_code ec;
  std::filesystem::create_directories(host.parent_path(), ec);
  if (ec) return Fail("cannot create " + host.parent_path().string() + ": " + ec.message());
  std::ofstream out(host, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) return Fail("cannot write " + host.string());
  m_Written.emplace_back(dataPath);
  return true;
}
