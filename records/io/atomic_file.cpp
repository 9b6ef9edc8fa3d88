#include "records/io/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <utility>

namespace {

// The folder part of a path, for the temporary's name and the folder flush.
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string TempNameFor(const std::string& target, unsigned attempt) {
  static std::atomic<unsigned> counter{0};
  const std::size_t slash = target.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  char suffix[64];
  std::snprintf(suffix, sizeof suffix, ".tmp-%ld-%u-%u", static_cast<long>(getpid()),
                counter.fetch_add(1), attempt);
  return folder + "." + name + suffix;
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Makes the rename itself durable. A folder that cannot be opened or flushed
// does not undo a rename that has happened, so this is best effort.
void FlushFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

cAtomicFile::cAtomicFile(cAtomicFile&& other) noexcept
    : m_nFd(std::exchange(other.m_nFd, -1)),
      m_strTarget(std::move(other.m_strTarget)),
      m_strTemp(std::move(other.m_strTemp)) {}

cAtomicFile& cAtomicFile::operator=(cAtomicFile&& other) noexcept {
  if (this != &other) {
    Discard();
    m_nFd = std::exchange(other.m_nFd, -1);
    m_strTarget = std::move(other.m_strTarget);
    m_strTemp = std::move(other.m_strTemp);
  }
  return *this;
}

bool cAtomicFile::Open(const std::string& hostPath) {
  Discard();
  if (hostPath.empty()) return false;
  // A name taken by another writer (or left by a crash) is skipped, never reused.
  for (unsigned attempt = 0; attempt < 16; ++attempt) {
    std::string temp = TempNameFor(hostPath, attempt);
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      m_nFd = fd;
      m_strTarget = hostPath;
      m_strTemp = std::move(temp);
      return true;
    }
    if (errno != EEXIST) return false;
  }
  return false;
}

bool cAtomicFile::Commit(std::span<const uint8_t> bytes) {
  if (!IsOpen()) return false;
  const bool written = WriteAll(m_nFd, bytes) && ::fsync(m_nFd) == 0;
  const bool closed = ::close(std::exchange(m_nFd, -1)) == 0;
  if (!written || !closed || ::rename(m_strTemp.c_str(), m_strTarget.c_str()) != 0) {
    Discard();
    return false;
  }
  m_strTemp.clear();
  FlushFolder(FolderOf(m_strTarget));
  return true;
}

void cAtomicFile::Discard() {
  if (m_nFd >= 0) ::close(std::exchange(m_nFd, -1));
  if (!m_strTemp.empty()) {
    ::unlink(m_strTemp.c_str());
    m_strTemp.clear();
  }
}

bool WriteFileAtomically(const std::string& hostPath, std::span<const uint8_t> bytes) {
  cAtomicFile file;
  return file.Open(hostPath) && file.Commit(bytes);
}
