#pragma once
// Inputs a data-file target skips before loading them. A world map may declare
// a grid of up to 16 Mi cells in eight bytes; it loads correctly, but every
// per-cell loop runs under the fuzz instrumentation, which makes such an input
// take from seconds to a minute and starves the run of everything else. The
// size limits are checked by the world map's unit tests instead.

#include <cstddef>
#include <cstdint>

// False when the target of the file name should not load the input.
bool AcceptFuzzInput(const char* fileName, const uint8_t* data, std::size_t size);
