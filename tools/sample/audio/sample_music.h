#pragma once
// The sample's music: short looping tunes written as standard MIDI files, a
// melody, a bass line and a drum pattern each, composed here. The title tune
// is a format-1 file (a tempo track and one track per part); the others are
// format 0 (every part in one track). The options tune is an Ogg Vorbis file
// instead (melody and bass synthesised here), so the sample plays both kinds.

#include <cstdint>
#include <vector>

#include "tools/sample/project_files.h"
#include "tools/sample/sample_catalog.h"

std::vector<uint8_t> SongFile(eSong song);

// The tune as Ogg Vorbis, 22050 Hz mono, the same bytes on every run.
std::vector<uint8_t> SongOggFile(eSong song);

// One file for every music entry with a file.
bool WriteSampleMusic(cProjectFiles& files);
