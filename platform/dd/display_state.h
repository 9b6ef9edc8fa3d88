#pragma once
// The display state other parts read: set by the display set-up on the window
// thread, read from any thread (message boxes, the display report, drawing paths).

#include <atomic>
#include <cstdint>

// 1 once the display set-up has succeeded, 0 before.
extern std::atomic<int32_t> g_bDDInit;
// 1 in a window, 0 full screen.
extern std::atomic<int32_t> g_bWindowMode;
// Colour depth of the display in bits (8, 16 or 32); 0 before set-up.
extern std::atomic<int32_t> g_nBpp;
