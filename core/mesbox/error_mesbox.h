#pragma once
// The error boxes every part uses: caption "エラー", an OK button.

// MesBox(text, "エラー", MB_OK).
int ErrMesBox(const char* text);

// Formats (at most 1023 bytes) and shows the text as it stands: a per cent sign
// produced by the formatting is shown, not formatted again.
int ErrMesBoxF(const char* format, ...) __attribute__((format(printf, 1, 2)));

// As ErrMesBoxF, but only while the EC log is on; otherwise shows nothing, 0.
int DebugMesBoxF(const char* format, ...) __attribute__((format(printf, 1, 2)));

// "メモリが不足しています！", then asks the main window to close.
void OutOfMemoryClose();
