#include "platform/dd/dd_mesbox.h"

#include <atomic>

#include "core/log/ec_log.h"
#include "core/mesbox/mesbox_types.h"
#include "platform/ui/sdl_message_box.h"

namespace {

bool NoSwitchNeeded(bool) { return true; }

std::atomic<DialogModeSwitch> g_modeSwitch{&NoSwitchNeeded};

}  // namespace

void SetDialogModeSwitch(DialogModeSwitch modeSwitch) {
  g_modeSwitch = modeSwitch != nullptr ? modeSwitch : &NoSwitchNeeded;
}

int DDMesBox(const char* text, const char* caption, unsigned type) {
  DialogModeSwitch modeSwitch = g_modeSwitch.load();
  if (!modeSwitch(true)) {
    EcLog("DDMesBox 失敗! %s, %s", text, caption);
    return kMesBoxNotShown;
  }
  int result = ShowSdlMessageBox(text, caption, type);
  modeSwitch(false);
  return result;
}
