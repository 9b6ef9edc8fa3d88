#include "core/globals/worker_threads.h"

#include "core/globals/global_order.h"

VP_GLOBAL(kGlobalThGame, cThread thGame);
VP_GLOBAL(kGlobalThPause, cThread thPause);
VP_GLOBAL(kGlobalThRanking, cThread thRanking);
VP_GLOBAL(kGlobalThLoad, cThread thLoad);
