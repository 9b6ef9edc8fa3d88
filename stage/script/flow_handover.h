#pragma once
// The flow hand-over: while a chara's flows are started or run, the stage play
// names that chara (m_nFlowOwnerId), its running instance (m_nFlowIndex) and
// the command being called (m_nFlowCmdIndex); command handlers read them
// instead of taking them as arguments. They are ids and indexes, never
// addresses, so a chara erased or a flow list changed leaves nothing dangling:
// a name that no longer resolves reads as none.
//
//   cFlowHandoverScope scope(play);          // puts the three back on exit
//   play.m_nFlowOwnerId = chara.m_nId;
//   cFlowInstance* lpFlow = RunningFlow(play);   // null: none runs

#include <cstdint>

class cCharaBase;
class cFlowCmdState;
class cFlowInstance;
class cStagePlay;

cCharaBase* FlowOwner(const cStagePlay& play);
cFlowInstance* RunningFlow(const cStagePlay& play);
cFlowCmdState* RunningCmdState(const cStagePlay& play);

// Names flow index of owner as the running flow (owner must be the stage
// play's flow owner for handlers to find it).
void SetRunningFlow(cStagePlay& play, const cCharaBase& owner, int32_t index);

// True while a flow run of the chara is under way somewhere up the call: it
// is the flow owner now, or a hand-over scope keeps it as the owner to put
// back (a trigger-21 flow or a trigger started from inside its command).
bool IsFlowRunUnderway(const cStagePlay& play, int32_t charaId);

// Keeps the three hand-over fields and puts them back when it ends, so a
// nested start (a trigger fired from inside a command, a trigger-21 flow)
// leaves the calling flow its own owner, instance and command.
class cFlowHandoverScope {
 public:
  explicit cFlowHandoverScope(cStagePlay* lpPlay);
  ~cFlowHandoverScope();
  cFlowHandoverScope(const cFlowHandoverScope&) = delete;
  cFlowHandoverScope& operator=(const cFlowHandoverScope&) = delete;

 private:
  friend bool IsFlowRunUnderway(const cStagePlay& play, int32_t charaId);

  cStagePlay* m_lpPlay;
  cFlowHandoverScope* m_lpOuter;  // the scope this one is nested in, null at the outermost
  int32_t m_nOwnerId = -1;
  int32_t m_nFlowIndex = -1;
  int32_t m_nCmdIndex = -1;
};
