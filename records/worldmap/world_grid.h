#pragma once
// Geometry of the world map's grid. Rows are a power of two long (the pitch), so
// cell (x, y) is element x + (y << shift): a shift and an add.

#include <cstdint>

// The most cells a grid may take (rows times pitch): 64 MiB of cells, far more
// than any map needs, and small enough that a damaged size in a file cannot
// ask for more memory than that or overflow the cell arithmetic.
inline constexpr int64_t kMaxWorldGridCells = int64_t{1} << 24;

// log2 of the pitch for a width: how often width - 1 can be halved before it
// reaches 0 (1 gives 0, 20 gives 5, 32 gives 5, 33 gives 6). Widths below 1
// give 0.
int32_t WorldPitchShift(int32_t width);

// A grid of width x height can be built: both positive and height x pitch cells
// within kMaxWorldGridCells.
bool WorldGridHolds(int32_t width, int32_t height);

// The element of cell (x, y) in a grid of the given shift, computed without
// overflow; -1 (a bad index for the checked access) when it does not fit an
// int32 or the shift is not one a grid can have.
int32_t WorldCellIndex(int32_t x, int32_t y, int32_t shift);
