#include "records/settings/system_data.h"

cSystemData g_SystemData;
