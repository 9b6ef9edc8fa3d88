#include "platform/ui/dialog_template.h"

#include <map>
#include <memory>
#include <mutex>

namespace dialog_template {

std::mutex g_lock;
// Templates never move once registered: dialogs keep pointers to them.
std::map<uint16_t, std::unique_ptr<cDialogTemplate>>& Table() {
  static std::map<uint16_t, std::unique_ptr<cDialogTemplate>> table;
  return table;
}

}  // namespace dialog_template

void RegisterDialogTemplate(uint16_t id, cDialogTemplate dialogTemplate) {
  std::lock_guard lock(dialog_template::g_lock);
  auto& slot = dialog_template::Table()[id];
  if (slot) *slot = std::move(dialogTemplate);
  else slot = std::make_unique<cDialogTemplate>(std::move(dialogTemplate));
}

const cDialogTemplate* FindDialogTemplate(uint16_t id) {
  std::lock_guard lock(dialog_template::g_lock);
  const auto it = dialog_template::Table().find(id);
  return it != dialog_template::Table().end() ? it->second.get() : nullptr;
}
