#include "core/mesbox/error_mesbox.h"

#include <cstdarg>
#include <string>

#include "core/log/ec_log.h"
#include "core/mesbox/mesbox.h"
#include "core/text/str_format.h"
#include "core/thread/messages.h"

namespace {

int ErrMesBoxV(const char* format, va_list args) {
  std::string text = StrVFormatLimited(kBoxTextLimit, format, args);
  return ErrMesBox(text.c_str());
}

}  // namespace

int ErrMesBox(const char* text) { return MesBox(text, "エラー", MB_OK); }

int ErrMesBoxF(const char* format, ...) {
  va_list args;
  va_start(args, format);
  int result = ErrMesBoxV(format, args);
  va_end(args);
  return result;
}

int DebugMesBoxF(const char* format, ...) {
  if (!IsEcLogEnabled()) return 0;
  va_list args;
  va_start(args, format);
  int result = ErrMesBoxV(format, args);
  va_end(args);
  return result;
}

void OutOfMemoryClose() {
  ErrMesBox("メモリが不足しています！");
  PostMessage(g_hWnd, WM_CLOSE, 0, 0);
}
