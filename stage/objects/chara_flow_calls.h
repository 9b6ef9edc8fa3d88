#pragma once
// cCharaFlowCalls: the calls the chara runtime makes into the flow engine
// (triggers). The flow engine implements them; until it is installed the
// calls do nothing, and tests install a recording double to see the order.
//
//   cRecordingCharaFlowCalls calls;      // tests/support
//   cCharaFlowCallsScope scope(&calls);
//   chara.LandOnBlock();                 // calls.m_Calls: {id, 9}, {id, 13}, {id, 15}

#include <cstdint>

class cCharaBase;

class cCharaFlowCalls {
 public:
  virtual ~cCharaFlowCalls() = default;
  virtual void FireTrigger(cCharaBase& chara, int32_t trigger) = 0;
};

// The installed flow calls; null: none.
extern cCharaFlowCalls* g_lpCharaFlowCalls;

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
