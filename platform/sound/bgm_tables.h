#pragma once
// The music tables the manager plays from: per music index an Ogg and a MIDI file
// with a volume in per cent. Start-up hands the program's two five-entry tables to
// cBgmManager::Init; SetFile rewrites their entries.

#include <cstdint>

inline constexpr int kBgmPathSize = 260;
inline constexpr int kBgmTableSize = 5;

struct BGMOGGDATA {
  char szPath[kBgmPathSize];
  int32_t nVolume;  // per cent; 100 and above = full
};

struct BGMMIDDATA {
  char szPath[kBgmPathSize];
  int32_t nExtra;   // not read by the music layer
  int32_t nVolume;  // per cent
};

extern BGMOGGDATA g_BgmOggTable[kBgmTableSize];
extern BGMMIDDATA g_BgmMidTable[kBgmTableSize];
