#include "platform/dd/display_state.h"

std::atomic<int32_t> g_bDDInit{0};
std::atomic<int32_t> g_bWindowMode{1};
std::atomic<int32_t> g_nBpp{0};
