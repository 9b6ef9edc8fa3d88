#pragma once
// The name of each eGlobal entry, for logs and test messages.

#include <cstdint>

// "g_SystemData" for kGlobalSystemData; "?" outside the list.
const char* GlobalName(int32_t entry);
