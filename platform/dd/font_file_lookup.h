#pragma once
// Which font file draws a family name: fontconfig's best match for the family
// with language "ja", so a face the system lacks (the data names Windows
// faces) falls back to the Japanese font the setup installs. The fonts and the
// dialogs share this lookup; answers are kept per family.

#include <cstdint>
#include <optional>
#include <string>

struct cFontFile {
  std::string strPath;
  int32_t nIndex = 0;  // face index inside a collection file
};

// nullopt when fontconfig knows no font file at all.
std::optional<cFontFile> FindFontFile(const std::string& familyUtf8);
