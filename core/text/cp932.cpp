#include "core/text/cp932.h"

#include <iconv.h>

#include <cerrno>

namespace {

// One conversion, whole or nothing. iconv descriptors are not thread-safe, so
// each call opens its own; conversions happen at the edges only, never per frame.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view in,
                                   bool lossy) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  out.resize(in.size() * 4 + 16);
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = out.data();
  size_t dstLeft = out.size();
  bool ok = true;
  while (srcLeft > 0) {
    size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    if (r != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) {
      size_t used = out.size() - dstLeft;
      out.resize(out.size() * 2);
      dst = out.data() + used;
      dstLeft = out.size() - used;
      continue;
    }
    // EILSEQ or EINVAL: an undefined or cut-off sequence.
    if (!lossy) {
      ok = false;
      break;
    }
    if (dstLeft == 0) {
      size_t used = out.size();
      out.resize(out.size() * 2);
      dst = out.data() + used;
      dstLeft = out.size() - used;
    }
    *dst++ = '?';
    --dstLeft;
    ++src;
    --srcLeft;
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  out.resize(out.size() - dstLeft);
  return out;
}

}  // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
  return Convert("UTF-8", "CP932", cp932, false);
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  return Convert("CP932", "UTF-8", utf8, false);
}

std::string Cp932ToUtf8Lossy(std::string_view cp932) {
  auto r = Convert("UTF-8", "CP932", cp932, true);
  return r ? *r : std::string();
}
