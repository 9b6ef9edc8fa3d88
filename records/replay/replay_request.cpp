#include "records/replay/replay_request.h"

#include "records/replay/file_dialog_request.h"

int RequestOpenReplay() { return RequestFileDialog(WM_APP_OPEN_REPLAY, 0); }
