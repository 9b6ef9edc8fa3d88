#pragma once
// The EC log (EC_Game.txt): the same line interface as the report log behind a
// switch. Start-up switches it off, so in a normal run nothing reaches it.

#include "core/thread/messages.h"

// Sets the switch and the file. The first write after this creates the file anew.
void SetEcLog(int enable, const char* path);
bool IsEcLogEnabled();

// Writes text as it stands (a per cent sign is text) and a line end; 1 when
// written, 0 when switched off or the file cannot be opened.
int EcLogText(const char* text);
void EcLogString(const char* text);
void EcLog(const char* format, ...) __attribute__((format(printf, 1, 2)));

// EcLog, then post WM_CLOSE to window whether or not the log is on.
void EcLogClose(HWND window, const char* format, ...) __attribute__((format(printf, 2, 3)));
