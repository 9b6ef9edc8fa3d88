#include "records/stage/stage_end_mark.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "core/mesbox/error_mesbox.h"
#include "core/thread/messages.h"
#include "records/record/record_file.h"
#include "records/stage/stage_data.h"

namespace {

bool EndsWithMark(cRecordInFile& file) {
  const auto bytes = file.Reader().Bytes();
  int32_t last = 0;
  if (bytes.size() < sizeof last) return false;
  std::memcpy(&last, bytes.data() + bytes.size() - sizeof last, sizeof last);
  return last == kStageEndMark;
}

}  // namespace

int CheckStageEndMark(std::string_view path) {
  cRecordInFile file = OpenRecordFile(path);
  if (!file.IsOpen() || file.Reader().FileVersion() < kStageEndMarkCheckedFrom) return 1;
  const bool marked = EndsWithMark(file);
  CloseRecordFile(file);
  if (marked) return 1;
  ErrMesBoxF("ステージファイル %s が破損しています！", std::string(path).c_str());
  PostMessage(g_hWnd, WM_CLOSE, 0, 0);
  return 0;
}
