#pragma once
// The files the user folder holds, and which part of the program owns each.
// Everything under user_data\ belongs to the player, not to the project: it may
// be missing (each loader then keeps its defaults) and is never copied from
// default\.

#include <cstddef>

struct USERFILEDATA {
  const char* lpName;   // the file, or the pattern of its names
  int nPathEntry;       // its g_PathTable entry (the folder for several files); -1 none
  bool bWritten;        // the program writes it (KeyConfig.dat is only read)
  const char* lpOwner;  // what reads and writes it
};

inline constexpr std::size_t kUserFileCount = 10;

extern const USERFILEDATA g_UserFiles[kUserFileCount];
