#pragma once
// The MIDI players take only paths whose extension (after the last dot of the file
// name) is exactly "mid".

bool IsMidPath(const char* path);
