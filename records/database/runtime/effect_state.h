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

// The run of a chara effect: one value animated from a start to an end over a
// duration in tenths of a second, forward, reversed or there and back,
// optionally looping. The template of each CharaEffect record is prepared
// once (g_CharaEffectStates / g_CharaEffectStatesRev); Start copies one and
// the chara's drawing steps it once a frame.
//
//   cCharaEffectState effect;
//   effect.Start(3, 2, 0);     // record 3 there and back, no loop
//   while (effect.Step() == 0) {}   // 1 once the way back has ended
//
// The record is kept by index: m_bReversed says whether its start and end
// (P1, P2) are read exchanged.
class cCharaEffectState : public cEffectStateBase {
 public:
  int16_t m_nEffect = 0;   // CharaEffect index, 0 none
  int32_t m_nMode = 0;     // 0 forward, 1 reversed, 2 there and back
  int32_t m_bLoop = 0;     // restart at the end
  int32_t m_nCleared = 0;  // zeroed by Start and Restart
  int32_t m_nStart = 0;
  int32_t m_nEnd = 0;
  double m_dValue = 0;
  double m_dStep = 0;      // change per frame
  double m_dElapsed = 0;   // tenths of a second, for a duration-only run
  int32_t m_nDuration = 0; // P0, tenths of a second
  int32_t m_nCounter1 = 0; // the blink, translucent and wave drawing's counters
  int32_t m_nCounter2 = 0;

  // Prepares the template of record index (reversed: P1 and P2 exchanged).
  void Setup(int32_t index, int32_t reversed);
  // Begins a run of effect n from the reversed templates when mode is 1;
  // n 0 clears the state (no effect runs).
  void Start(int32_t n, int32_t mode, int32_t loop);
  // The next pass of the run: a there-and-back run turns round first.
  void Restart();
  // One frame; 1 when the run has ended.
  int32_t Step();
  // The template's record, values, step, duration, elapsed time and counters.
  void CopyFrom(const cCharaEffectState& source);
  // No effect running.
  void Clear() { *this = cCharaEffectState(); }
};
class cScrEffectState : public cEffectStateBase {};

// Prepares one state from record index, forward (0) or reversed (1).
template <class State>
using EffectStateSetup = std::function<void(State& state, int32_t index, int32_t reversed)>;

// The default setup: the state's own Setup.
template <class State>
EffectStateSetup<State> StateSetupOf() {
  return [](State& state, int32_t index, int32_t reversed) { state.Setup(index, reversed); };
}
