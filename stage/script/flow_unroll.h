#pragma once
// Loop commands (flow kind 39, item kind 24) are expanded before a flow runs:
// parameter 0 is the repeat count R, parameter 1 the number N of commands
// after the loop that repeat. The block then occurs R times in a row (once
// for R <= 1) and the loop command disappears; inner loops unroll in later
// passes, so an outer 2 around an inner 3 gives the innermost block 6 times.
//
//   cmds: [Loop R3 N2] [a] [b] [c]   ->   [a] [b] [a] [b] [a] [b] [c]
//
// N is cut to the commands that follow; an expansion past
// kMaxUnrolledCommands commands repeats fewer times (logged once).

#include <cstdint>

#include "core/containers/checked_vector.h"
#include "records/script/flow_cmd.h"

inline constexpr int32_t kMaxUnrolledCommands = 65536;

// 1 when a loop command was expanded.
int32_t UnrollFirstLoop(cVector<cFlowCmd>& cmds);
void UnrollLoops(cVector<cFlowCmd>& cmds);
