#include "platform/ui/edit_keys.h"

#include <SDL.h>

#include <algorithm>

#include "core/text/cp932.h"
#include "platform/input/virtual_keys.h"
#include "platform/ui/dialog_font.h"

namespace edit_keys {

// The bytes of one UTF-8 sequence starting at s[i].
std::size_t Utf8Length(std::string_view s, std::size_t i) {
  const auto b = static_cast<unsigned char>(s[i]);
  std::size_t n = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 1;
  return std::min(n, s.size() - i);
}

void Copy(const cDialogItem& edit) {
  const cEditSelection sel = edit.Selection();
  if (sel.nStart == sel.nEnd) return;
  const std::string part = edit.text.substr(static_cast<std::size_t>(sel.nStart),
                                            static_cast<std::size_t>(sel.nEnd - sel.nStart));
  SDL_SetClipboardText(Cp932ToUtf8Lossy(part).c_str());
}

bool Paste(cDialogItem& edit) {
  if (SDL_HasClipboardText() != SDL_TRUE) return false;
  char* utf8 = SDL_GetClipboardText();
  const std::string text = utf8 != nullptr ? TypedTextToCp932(utf8) : std::string();
  SDL_free(utf8);
  return EditReplaceSelection(edit, text);
}

// Moves the caret; without Shift a selection collapses (to its side for the
// arrows) instead of the caret moving.
void MoveCaret(cDialogItem& edit, int32_t to, bool shift, int32_t collapseTo) {
  const cEditSelection sel = edit.Selection();
  if (!shift && sel.nStart != sel.nEnd && collapseTo >= 0) to = collapseTo;
  edit.nCaret = to;
  if (!shift) edit.nAnchor = to;
}

bool DeleteRange(cDialogItem& edit, int32_t from, int32_t to) {
  if (from >= to) return false;
  edit.text.erase(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
  edit.nCaret = edit.nAnchor = from;
  return true;
}

bool CtrlKey(cDialogItem& edit, int32_t vk, bool* changed) {
  const cEditSelection sel = edit.Selection();
  switch (vk) {
    case 'A': edit.SetSelection(0, static_cast<int32_t>(edit.text.size())); return true;
    case 'C': Copy(edit); return true;
    case 'X':
      Copy(edit);
      *changed = DeleteRange(edit, sel.nStart, sel.nEnd);
      return true;
    case 'V': *changed = Paste(edit); return true;
    default: return false;
  }
}

}  // namespace edit_keys

int32_t SnapToCharStart(std::string_view text, int32_t pos) {
  pos = std::clamp(pos, 0, static_cast<int32_t>(text.size()));
  int32_t at = 0;
  while (at < pos) {
    const int32_t next = at + TextCharBytes(text, static_cast<std::size_t>(at));
    if (next > pos) break;
    at = next;
  }
  return at;
}

int32_t PrevCharStart(std::string_view text, int32_t pos) {
  pos = SnapToCharStart(text, pos);
  return pos == 0 ? 0 : SnapToCharStart(text, pos - 1);
}

int32_t NextCharStart(std::string_view text, int32_t pos) {
  pos = SnapToCharStart(text, pos);
  if (pos >= static_cast<int32_t>(text.size())) return pos;
  return pos + TextCharBytes(text, static_cast<std::size_t>(pos));
}

std::string TypedTextToCp932(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t n = edit_keys::Utf8Length(utf8, i);
    if (const auto converted = Utf8ToCp932(utf8.substr(i, n))) out += *converted;
    i += n;
  }
  return out;
}

bool EditReplaceSelection(cDialogItem& edit, std::string_view cp932) {
  const std::string_view insert = cp932.substr(0, std::min(cp932.find('\r'), cp932.find('\n')));
  const cEditSelection sel = edit.Selection();
  if (insert.empty() && sel.nStart == sel.nEnd) return false;
  edit.text.replace(static_cast<std::size_t>(sel.nStart), static_cast<std::size_t>(sel.nEnd - sel.nStart), insert);
  edit.nCaret = edit.nAnchor = sel.nStart + static_cast<int32_t>(insert.size());
  return true;
}

bool EditKey(cDialogItem& edit, int32_t vk, bool shift, bool ctrl, bool* changed) {
  *changed = false;
  SettleEditSelection(edit);
  if (ctrl && edit_keys::CtrlKey(edit, vk, changed)) return true;
  const cEditSelection sel = edit.Selection();
  const auto end = static_cast<int32_t>(edit.text.size());
  switch (vk) {
    case VK_LEFT: edit_keys::MoveCaret(edit, PrevCharStart(edit.text, edit.nCaret), shift, sel.nStart); return true;
    case VK_RIGHT: edit_keys::MoveCaret(edit, NextCharStart(edit.text, edit.nCaret), shift, sel.nEnd); return true;
    case VK_HOME: edit_keys::MoveCaret(edit, 0, shift, -1); return true;
    case VK_END: edit_keys::MoveCaret(edit, end, shift, -1); return true;
    case VK_BACK:
      *changed = sel.nStart != sel.nEnd ? edit_keys::DeleteRange(edit, sel.nStart, sel.nEnd)
                                        : edit_keys::DeleteRange(edit, PrevCharStart(edit.text, sel.nStart), sel.nStart);
      return true;
    case VK_DELETE:
      *changed = sel.nStart != sel.nEnd ? edit_keys::DeleteRange(edit, sel.nStart, sel.nEnd)
                                        : edit_keys::DeleteRange(edit, sel.nStart, NextCharStart(edit.text, sel.nStart));
      return true;
    default: return false;
  }
}

void SettleEditSelection(cDialogItem& edit) {
  edit.nCaret = SnapToCharStart(edit.text, edit.nCaret);
  edit.nAnchor = SnapToCharStart(edit.text, edit.nAnchor);
}

int32_t EditCaretAt(const cDialogItem& edit, const cDialogFont& font, int32_t x) {
  const std::string_view text = edit.text;
  int32_t at = 0;
  int32_t left = 0;
  while (at < static_cast<int32_t>(text.size())) {
    const int32_t next = NextCharStart(text, at);
    const int32_t right = left + font.CharWidth(text.data() + at, next - at);
    if (x < (left + right) / 2) break;
    at = next;
    left = right;
  }
  return at;
}
