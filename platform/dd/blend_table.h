#pragma once
// The 8-bit DirectDraw mix table: entry [a * 256 + b] is the palette index that
// shows the mix of indices a and b. The palette option loads it from a raw file;
// the program never computes it.
//
//   if (!DDLoadBlendTable(g_BlendTable.data(), "bmp\\hbt\\hbtStandard.dat")) {
//     // the caller shows "%s の読み込みに失敗！"; the table keeps its old contents
//   }
//   uint8_t mixed = g_BlendTable[a * 256 + b];
//
// Direct3D mode mixes colours itself and never loads the table (the load then
// succeeds at once).

#include <array>
#include <cstddef>
#include <cstdint>

inline constexpr std::size_t kBlendTableSize = 65536;

extern std::array<uint8_t, kBlendTableSize> g_BlendTable;

// Reads the first 65536 bytes of the file (data path) into lpTable. A file that
// cannot be opened or is shorter is refused with a log line, and the table is
// left as it was, so a short file never mixes old and new entries; bytes past
// 65536 are ignored.
bool DDLoadBlendTable(uint8_t* lpTable, const char* file);
