#pragma once
// Editing a single-line edit item: keys, typed text and the clipboard. Text
// stays CP932; the caret and the selection never rest inside a double-byte
// character.

#include <string>
#include <string_view>

#include "platform/ui/dialog_item.h"

class cDialogFont;

// The offset at or before pos that starts a character.
int32_t SnapToCharStart(std::string_view text, int32_t pos);
int32_t PrevCharStart(std::string_view text, int32_t pos);
int32_t NextCharStart(std::string_view text, int32_t pos);

// Typed UTF-8 as CP932; characters CP932 cannot spell are left out.
std::string TypedTextToCp932(std::string_view utf8);

// Replaces the selection with CP932 text (cut at its first line break: the
// edit has one line). True when the text changed.
bool EditReplaceSelection(cDialogItem& edit, std::string_view cp932);

// Backspace, Delete, Left, Right, Home, End (Shift extends the selection) and
// Ctrl+C, Ctrl+X, Ctrl+V, Ctrl+A. True when the key was an editing key;
// *changed tells whether the text changed.
bool EditKey(cDialogItem& edit, int32_t vk, bool shift, bool ctrl, bool* changed);

// The character start nearest x pixels into the edit's text.
int32_t EditCaretAt(const cDialogItem& edit, const cDialogFont& font, int32_t x);

// Keeps the caret and selection on character starts and inside the text.
void SettleEditSelection(cDialogItem& edit);
