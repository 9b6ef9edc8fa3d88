#pragma once
// The sample's sound effects: short PCM WAV files synthesised from a few tone
// segments each (square, triangle, sine or noise, with a pitch slide and a
// volume envelope). The menu sounds are 8-bit at 11025 Hz, the play sounds
// 16-bit at 22050 Hz.

#include <cstdint>
#include <vector>

#include "tools/sample/project_files.h"
#include "tools/sample/sample_catalog.h"

// The samples of one sound, 16-bit signed, at the recipe's rate.
std::vector<int16_t> SynthesiseSound(eSoundRecipe recipe, uint32_t& sampleRate, int& bitsPerSample);

// The WAV file of a recipe.
std::vector<uint8_t> SoundFile(eSoundRecipe recipe);

// One file for every system sound and every database sound with a file.
bool WriteSampleSounds(cProjectFiles& files);
