#pragma once
// The keys of the file browser's list: the arrows, Page Up and Down, Home and
// End move the selection (and scroll it into view); Space marks the selected
// line of a multiple selection.

#include <cstdint>

#include "platform/ui/dialog_item.h"

// True when the key was one of the list's (the selection or a mark changed).
bool FileListKey(cDialogItem& list, int32_t vk, int32_t lineHeight);
