#include "platform/ui/list_keys.h"

#include <algorithm>

#include "platform/input/virtual_keys.h"

namespace list_keys {

void ToggleMark(cDialogItem& list, int32_t count) {
  if (list.nSelected < 0 || list.nSelected >= count) return;
  list.marks.resize(static_cast<std::size_t>(count), false);
  const auto at = static_cast<std::size_t>(list.nSelected);
  list.marks[at] = !list.marks[at];
}

}  // namespace list_keys

bool FileListKey(cDialogItem& list, int32_t vk, int32_t lineHeight) {
  const auto count = static_cast<int32_t>(list.lines.size());
  const int32_t shown = std::max<int32_t>(1, (list.rect.bottom - list.rect.top - 4) / std::max(1, lineHeight));
  const int32_t page = std::max<int32_t>(1, shown - 1);
  int32_t to = list.nSelected;
  switch (vk) {
    case VK_UP: to -= 1; break;
    case VK_DOWN: to += 1; break;
    case VK_PRIOR: to -= page; break;
    case VK_NEXT: to += page; break;
    case VK_HOME: to = 0; break;
    case VK_END: to = count - 1; break;
    case VK_SPACE: list_keys::ToggleMark(list, count); break;
    default: return false;
  }
  if (count == 0) return true;
  list.nSelected = std::clamp(to, 0, count - 1);
  if (list.nSelected < list.nTop) list.nTop = list.nSelected;
  if (list.nSelected >= list.nTop + shown) list.nTop = list.nSelected - shown + 1;
  return true;
}
