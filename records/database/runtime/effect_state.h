#pragma once
// The prepared run states of chara effects and screen effects: one per record
// and direction, built once after the database has loaded; starting an effect
// copies one.
//
// The running members, Start, Restart and the stepping belong to the effect
// code, which grows these classes and fills Setup. Until then a state records
// which record it was prepared from and in which direction, and Setup is the
// one place to extend. Builders also take the setup as a function, so the
// effect code can prepare states from its own working copy of the records.

#include <cstdint>
#include <functional>

class cEffectStateBase {
 public:
  int32_t m_nRecord = 0;    // the database entry it was prepared from
  int32_t m_bReversed = 0;  // 1: runs from the end value to the start value

  // Prepares the state to play record index forward (reversed 0) or from its
  // end value back to its start value (reversed 1).
  void Setup(int32_t index, int32_t reversed) {
    m_nRecord = index;
    m_bReversed = reversed;
  }
};

class cCharaEffectState : public cEffectStateBase {};
class cScrEffectState : public cEffectStateBase {};

// Prepares one state from record index, forward (0) or reversed (1).
template <class State>
using EffectStateSetup = std::function<void(State& state, int32_t index, int32_t reversed)>;

// The default setup: the state's own Setup.
template <class State>
EffectStateSetup<State> StateSetupOf() {
  return [](State& state, int32_t index, int32_t reversed) { state.Setup(index, reversed); };
}
