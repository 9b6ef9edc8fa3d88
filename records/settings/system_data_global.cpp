#include "records/settings/system_data.h"

#include "core/globals/global_order.h"

VP_GLOBAL(kGlobalSystemData, cSystemData g_SystemData);
