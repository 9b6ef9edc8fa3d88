#pragma once
// Prefetching ahead of a chara pass that runs flows. The charas are list
// nodes scattered over the heap, each some thirty cache lines, and a flow pass
// follows a chain of pointers from each: the chara, its flow instances, their
// command states, the commands in its definition. Walked in order, every link
// of that chain is a cache miss the pass waits for. Asking for the charas
// ahead one link per chara and pass overlaps those misses with the work on
// the current chara:
//
//   for (auto it = g_CharaList.begin(); it != g_CharaList.end(); ++it) {
//     PrefetchFlowPassAhead(it, g_CharaList.end());
//     ...                                    // the pass on *it
//   }
//
// Only prefetch instructions touch memory that may be stale; what is read is
// read from charas that stay in the list for the whole walk (a walk erases
// nothing before it ends), so nothing here can change what the pass does.

#include <cstddef>
#include <cstdint>

#include "core/containers/checked_list.h"
#include "stage/objects/chara.h"

namespace flow_pass_prefetch {

constexpr std::size_t kLine = 64;
// Flows and states looked at per chara: most charas have one or two flows of
// a few commands, and a long list would cost more prefetches than it saves.
constexpr int32_t kMaxFlows = 4;
constexpr int32_t kMaxStates = 4;

// Always inlined: a function that only prefetches has no effect the compiler
// must keep, and a call to it left out of line is dropped.
[[gnu::always_inline]] inline void PrefetchBytes(const void* lpStart, std::size_t size) {
  const char* p = static_cast<const char*>(lpStart);
  for (std::size_t off = 0; off < size; off += kLine) __builtin_prefetch(p + off);
  __builtin_prefetch(p + size - 1);
}

// The lines the pass tests before anything else, and the flow list's. The
// list node keeps its two links just before the chara: the walk reads them.
[[gnu::always_inline]] inline void PrefetchChara(const cChara& chara) {
  __builtin_prefetch(reinterpret_cast<const char*>(&chara) - 2 * sizeof(void*));
  __builtin_prefetch(&chara.m_nId);
  __builtin_prefetch(&chara.m_bEnabled);
  __builtin_prefetch(&chara.m_Def.m_bBlockChara);
  __builtin_prefetch(&chara.m_Def.m_Flows);
  __builtin_prefetch(&chara.m_Flows);
  __builtin_prefetch(&chara.m_lpFlowsLinkedTo);
  __builtin_prefetch(&chara.m_bDead);
  __builtin_prefetch(&chara.m_bActive);
}

[[gnu::always_inline]] inline int32_t FlowsLookedAt(const cCharaBase& chara) {
  return chara.m_Flows.VectorSize() < kMaxFlows ? chara.m_Flows.VectorSize() : kMaxFlows;
}

[[gnu::always_inline]] inline void PrefetchInstances(const cCharaBase& chara) {
  if (FlowsLookedAt(chara) > 0) PrefetchBytes(chara.m_Flows.data(), FlowsLookedAt(chara) * sizeof(cFlowInstance));
}

// The states a flow pass steps: the first up to the newest started.
[[gnu::always_inline]] inline int32_t StatesLookedAt(const cFlowInstance& instance) {
  const int32_t upTo = instance.m_nCurrent + 1;
  const int32_t count = upTo < instance.m_States.VectorSize() ? upTo : instance.m_States.VectorSize();
  return count < 0 ? 0 : count < kMaxStates ? count : kMaxStates;
}

[[gnu::always_inline]] inline void PrefetchStates(const cCharaBase& chara) {
  for (int32_t i = 0; i < FlowsLookedAt(chara); ++i) {
    const cFlowInstance& instance = chara.m_Flows.data()[i];
    if (!instance.m_bRunning) continue;
    const int32_t states = StatesLookedAt(instance);
    if (states > 0) PrefetchBytes(instance.m_States.data(), states * sizeof(cFlowCmdState));
    if (!instance.m_AnimeStarts.empty()) __builtin_prefetch(instance.m_AnimeStarts.data());
  }
}

[[gnu::always_inline]] inline void PrefetchCommands(const cCharaBase& chara) {
  for (int32_t i = 0; i < FlowsLookedAt(chara); ++i) {
    const cFlowInstance& instance = chara.m_Flows.data()[i];
    if (!instance.m_bRunning) continue;
    for (int32_t s = 0; s < StatesLookedAt(instance); ++s) {
      const cFlowCmdState& state = instance.m_States.data()[s];
      if (state.m_bDone == 0 && state.m_lpCmd != nullptr) PrefetchBytes(state.m_lpCmd, sizeof(cFlowCmd));
    }
  }
}

// How far ahead each link of the chain is asked for: one chara's work apart
// (measured no slower than two, with fewer list nodes walked).
constexpr int32_t kCommandsAhead = 1;
constexpr int32_t kStatesAhead = 2;
constexpr int32_t kInstancesAhead = 3;
constexpr int32_t kCharaAhead = 4;

}  // namespace flow_pass_prefetch

// One link of the chain per chara ahead: the chara itself furthest, then its
// instances, their states, and the commands of the charas just ahead.
[[gnu::always_inline]] inline void PrefetchFlowPassAhead(cList<cChara>::iterator it, cList<cChara>::iterator end) {
  using namespace flow_pass_prefetch;
  for (int32_t ahead = 1; ahead <= kCharaAhead; ++ahead) {
    if (it == end || ++it == end) return;
    if (ahead == kCommandsAhead) PrefetchCommands(*it);
    if (ahead == kStatesAhead) PrefetchStates(*it);
    if (ahead == kInstancesAhead) PrefetchInstances(*it);
    if (ahead == kCharaAhead) PrefetchChara(*it);
  }
}
