#pragma once
// Font faces the project settings choose from by index (m_nFontFace). The list
// ends with an empty name, itself a valid choice (the system's default face).

#include <cstddef>

inline constexpr std::size_t kFontFaceCount = 122;  // named faces, before the empty one

extern const char* const g_FontFaceNames[kFontFaceCount + 1];

// The face for a settings index; an index outside the table gives the empty name,
// so a damaged setting falls back to the default face instead of reading past the end.
const char* FontFaceName(int index);
