#include "records/io/file_image.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

eFileRead ReadFileImage(const std::string& hostPath, std::vector<uint8_t>& bytes) {
  const int fd = ::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return eFileRead::Missing;
  std::vector<uint8_t> image;
  uint8_t chunk[65536];
  eFileRead result = eFileRead::Ok;
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      result = eFileRead::Unreadable;
      break;
    }
    if (n == 0) break;
    image.insert(image.end(), chunk, chunk + n);
  }
  ::close(fd);
  if (result == eFileRead::Ok) bytes = std::move(image);
  return result;
}
