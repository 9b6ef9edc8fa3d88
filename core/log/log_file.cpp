#include "core/log/log_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace {

int OpenFlags(LogOpen mode) {
  switch (mode) {
    case LogOpen::kExisting:
      return O_WRONLY | O_APPEND | O_CLOEXEC;
    case LogOpen::kCreate:
      return O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC;
    case LogOpen::kAppend:
      return O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC;
  }
  return O_WRONLY | O_APPEND | O_CLOEXEC;
}

// One write() call for the whole buffer: with O_APPEND the kernel places it at the
// end atomically, which is what keeps concurrent lines whole. A short write (disk
// full) is finished, but can no longer be atomic.
bool WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

bool WriteBytes(const std::string& path, const std::string& bytes, LogOpen mode) {
  if (path.empty()) return false;
  int fd = ::open(path.c_str(), OpenFlags(mode), 0644);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes);
  ::close(fd);
  return ok;
}

}  // namespace

std::string ToLogLineBytes(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  out += "\r\n";
  return out;
}

bool AppendLogLine(const std::string& path, std::string_view text, LogOpen mode) {
  return WriteBytes(path, ToLogLineBytes(text), mode);
}

bool AppendLogLines(const std::string& path, const std::string* lines, std::size_t count,
                    LogOpen mode) {
  std::string bytes;
  for (std::size_t i = 0; i < count; ++i) bytes += ToLogLineBytes(lines[i]);
  return WriteBytes(path, bytes, mode);
}

bool CreateEmptyLogFile(const std::string& path) {
  return WriteBytes(path, std::string(), LogOpen::kCreate);
}
