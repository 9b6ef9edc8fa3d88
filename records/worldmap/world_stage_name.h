#pragma once
// The name under which the save data keeps a world-map stage's results: the
// stage file without its extension, cut after a numbered first part, with a
// full stop at the end. "castle-1.ext" and "castle.ext" both give "castle.".

#include <string>
#include <string_view>

// The last "-1" of the name (extension removed) becomes "." and ends it; a name
// without one gets "." appended.
std::string WorldStageBaseName(std::string_view stageFile);
