#include "platform/ui/confirm_exit.h"

#include "core/mesbox/mesbox.h"

bool ConfirmExit(cWindow*) { return MesBox("終了しますか？\n", "終了確認", MB_YESNO) == IDYES; }
