#pragma once
// Writes the project data of the sample (settings, database, world map, common
// palette) with the record classes' own saves, into data\ and the same bytes
// into default\, from which a missing data\ is rebuilt.

#include "tools/sample/project_files.h"

bool WriteSampleDataFiles(cProjectFiles& files);
