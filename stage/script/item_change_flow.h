#pragma once
// ExecChangeFlow: the フローの変更 item command. P0 is the verb, P1 a flow ID
// (0 every flow, 1..26 A..Z):
//
//   0 追加  the command's sub-flows appended to the hero's flows
//   1 変更  the flows of that ID removed, the sub-flows put where the first
//           of them was (appended when none was)
//   2 削除  the flows of that ID removed
//
// Taken while the hero's own flows run (a flow command gave the item), the
// change would pull the running flow from under the pass: a copy of the
// command waits in the hero's m_PendingItemCmds, and the hero's flow pass
// calls this again with deferred 1 once it is over.
//
//   ExecChangeFlow(&hero, &cmd, 0);

#include <cstdint>

class cFlowCmd;
class cHero;

enum eChangeFlowVerb : int32_t {
  kChangeFlowAdd = 0,
  kChangeFlowReplace = 1,
  kChangeFlowDelete = 2,
};

void ExecChangeFlow(cHero* lpHero, cFlowCmd* lpCmd, int32_t deferred);
