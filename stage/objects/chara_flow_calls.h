#pragma once
// cCharaFlowCalls: the calls the chara runtime makes into the flow engine
// (triggers) and the item code (an item given to the hero). The flow engine's
// calls (stage/script/flow_engine_calls.h) are installed from the start;
// with none installed (null) the calls do nothing (an item is not taken), and
// tests install a recording double for a scope to see the order.
//
//   cRecordingCharaFlowCalls calls;      // tests/support
//   cCharaFlowCallsScope scope(&calls);
//   chara.LandOnBlock();                 // calls.m_Calls: {id, 9}, {id, 13}, {id, 15}

#include <cstdint>

class cCharaBase;
class cItem;

class cCharaFlowCalls {
 public:
  virtual ~cCharaFlowCalls() = default;
  virtual void FireTrigger(cCharaBase& chara, int32_t trigger) = 0;
  // Flows of chara started by trigger, with other (kNoLink none) as the other
  // chara and flowId as the flow id.
  virtual void StartFlowsByTrigger(cCharaBase& chara, int32_t trigger, int32_t otherId, int32_t flowId) = 0;
  // Builds the flow instances of chara's definition (replacing any).
  virtual void SetFlows(cCharaBase& chara) = 0;
  // Starts the animations tied to the running flows' current commands.
  virtual void StartCommandAnimes(cCharaBase& chara) = 0;
  // One frame of flow instance index; 1 when its last command is done.
  virtual int32_t RunFrame(cCharaBase& chara, int32_t index) = 0;
  virtual void StopFlow(cCharaBase& chara, int32_t index) = 0;
  virtual void DeleteFlowAt(cCharaBase& chara, int32_t index) = 0;
  // Gives item to hero 0; 1 when that clears the stage.
  virtual int32_t GiveItemToHero(cItem& item) = 0;
};

// The installed flow calls: the flow engine's unless replaced; null: none.
extern cCharaFlowCalls* g_lpCharaFlowCalls;

// The flows of chara's definition set up through the installed calls.
void SetCharaFlows(cCharaBase& chara);

// The item given to hero 0 through the installed calls; 0 without them.
int32_t GiveItemToHero(cItem& item);

// Installs calls for its lifetime, then puts back what was there.
class cCharaFlowCallsScope {
 public:
  explicit cCharaFlowCallsScope(cCharaFlowCalls* lpCalls) : m_lpSaved(g_lpCharaFlowCalls) {
    g_lpCharaFlowCalls = lpCalls;
  }
  ~cCharaFlowCallsScope() { g_lpCharaFlowCalls = m_lpSaved; }
  cCharaFlowCallsScope(const cCharaFlowCallsScope&) = delete;
  cCharaFlowCallsScope& operator=(const cCharaFlowCallsScope&) = delete;

 private:
  cCharaFlowCalls* m_lpSaved;
};
