#include "records/replay/file_dialog_request.h"

#include "core/thread/window_queue.h"

std::atomic<int32_t> g_bFileDialogDone{0};
std::atomic<int32_t> g_bFileDialogOk{0};

int RequestFileDialog(UINT msg, WPARAM wParam) {
  g_bFileDialogDone = 0;
  SendMessage(g_hWnd, msg, wParam, 0);
  // The window thread may finish the dialog after the send has returned (a
  // nested dialog loop); a window thread that has stopped serving never will.
  WaitServingSends([] { return g_bFileDialogDone != 0 || !g_hWnd->IsServing(); });
  if (g_bFileDialogDone == 0) return 0;
  return g_bFileDialogOk != 0 ? 1 : 0;
}
