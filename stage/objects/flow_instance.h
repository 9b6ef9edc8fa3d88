#pragma once
// cFlowInstance: one flow of a chara as it runs (cCharaBase::m_Flows, entry i
// runs flow i of the chara's own definition m_Def). m_lpFlow, m_KeyConds and
// every state's m_lpCmd point into that definition; the chara relinks them
// whenever its flow list changes or the chara is copied (RelinkFlows).
//
//   owner.SetFlows(owner.m_Def.m_Flows, 0, -1);   // one instance per flow
//   cFlowInstance& flow = owner.m_Flows.CheckedVectorAt(0);
//   flow.Start(owner);                            // running from command 0
//   while (!flow.RunFrame()) {}                   // one call per sub-step
//   flow.Stop(owner);
//
// RunFrame runs for the chara the stage play names as the flow owner
// (m_nFlowOwnerId); the chara's flow pass sets it. Commands with the parallel
// flag run together with the ones after them and keep being stepped, in
// command order, until they finish; a sequential command holds the flow until
// its calls are used up. The flow ends as soon as its last command finishes.

#include <cstdint>

#include "core/containers/checked_list.h"
#include "core/containers/checked_vector.h"
#include "stage/objects/flow_cmd_state.h"

class cCharaBase;
class cFlow;
class cKeyCond;
class cStateVisitor;

// When a command's animation starts, relative to its flow's start (built with
// the flow's states; see flow_anime_schedule.h).
struct ANIMESTART {
  int32_t nStart = 0;        // sub-steps after the flow started
  int32_t nStartAgain = 0;   // the same value
  int16_t nAnime = 0;        // Anime database index
  int16_t nSkip = 0;         // frames cut from the anime's start
  int32_t nPlay = 0;         // frames of the anime to play
  int32_t nCmdFrames = 0;    // frames of the command
  int32_t bStretch = 1;      // 0 for the jump and the sword

  void VisitState(cStateVisitor& visitor);
};

class cFlowInstance {
 public:
  int32_t m_nIndex = 0;             // position in the chara's flow list
  int32_t m_nSerial = 0;            // from the chara's m_nFlowSerial; keys its anime players
  cFlow* m_lpFlow = nullptr;        // not owned
  cVector<const cKeyCond*> m_KeyConds;
  int32_t m_bKeyHeld = 0;           // the key test's result at the last test
  int32_t m_bKeyLatch = 0;          // edge mode: the keys held at the last test
  cVector<cFlowCmdState> m_States;  // one per command of the flow
  int32_t m_bRunning = 0;
  int32_t m_bPaused = 0;
  int32_t m_bStoppedForever = 0;
  int32_t m_bDelete = 0;            // removed after the owner's flow pass
  int32_t m_nCurrent = 0;           // newest command started in this run
  int32_t m_nPasses = 0;            // sub-steps this run has taken
  int32_t m_nStartInputDir = 0;     // first pressed direction when it started
  int32_t m_bTriggered = 0;         // a trigger considered it this frame
  int32_t m_bStartedThisFrame = 0;
  int32_t m_bMessageChain = 0;      // the last finished command was a key-wait message
  int32_t m_bCutShort = 0;          // a flow operation acted on it: the pass ends
  // Flow().m_nTrigger, kept beside the start flags so a trigger walk passes
  // over other triggers' flows without reaching into the definition. Set
  // with m_lpFlow; trusted only while the owner's flow trigger set is known
  // (cCharaBase::FlowTriggersKnown), and not part of the state.
  int32_t m_nTrigger = 0;
  cList<cVector<int32_t>> m_Links;  // variable links queued by アレンジ commands
  uint8_t m_bCondMet = 0;           // its once-only condition list has held
  cVector<ANIMESTART> m_AnimeStarts;

  // Starts the flow of owner (the chara holding this instance). A flow of
  // trigger 21 runs its concurrent commands of kind 16 or more at once, one
  // call each, and stops again; the stage play's flow hand-over is put back
  // afterwards, so a flow that started it goes on with its own instance.
  void Start(cCharaBase& owner);
  // Ends a running flow: links dropped, every command to start afresh, a
  // flag number released at owner's next flow pass.
  void Stop(cCharaBase& owner);
  void Pause() { m_bPaused = 1; }
  void Resume() { m_bPaused = 0; }
  // Never runs or starts again.
  void StopForever(cCharaBase& owner);
  // One pass for the stage play's flow owner; 1 when the last command finished
  // (or the flow has none).
  int32_t RunFrame();

  const cFlow& Flow() const;

  void VisitState(cStateVisitor& visitor);

 private:
  void RunBeforeStart(cCharaBase& owner);
  void ReleaseFlagNumber(cCharaBase& owner);
};
