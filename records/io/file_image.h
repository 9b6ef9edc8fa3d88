#pragma once
// Reading a whole file into memory, telling a file that is not there apart from
// one that is there but cannot be read.

#include <cstdint>
#include <string>
#include <vector>

enum class eFileRead {
  Ok,
  Missing,     // cannot be opened (absent, or no permission)
  Unreadable,  // opened, but reading failed (a folder, an I/O error)
};

eFileRead ReadFileImage(const std::string& hostPath, std::vector<uint8_t>& bytes);
