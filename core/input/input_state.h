#pragma once
// cInput: one player's input state, free of SDL so the stage simulation can
// read and write it; the platform's polls and menu filters build on it.
//
//   cInput& input = g_InputList.CheckedVectorAt(0);
//   input.wDir = 2 | 4;                      // right and up held
//   input.nKeypad = DirBitsToKeypad(input.wDir);   // 3: screen order, up-right
//   input.PushHistory();                     // once per play frame ...
//   input.BuildPressHistory();               // ... then the press runs
//   input.GetPastState(0, 1);                // the direction word one frame ago
//
// Direction bits: 1 left, 2 right, 4 up, 8 down. Button bit i is button i + 1.
// The key conditions of flows read the rings and press histories, so their
// update rules are what a replay reproduces and may not change.

#include <cstdint>

#include "core/containers/checked_vector.h"

// One entry of a history ring: a word and how many consecutive frames it held.
struct INPUTHISTDATA {
  int16_t wState = 0;
  int32_t nFrames = 0;
};

// One run of a press history: pressed or not, for nFrames frames.
struct PRESSRUNDATA {
  int32_t bPressed = 0;
  int32_t nFrames = 0;
};

inline constexpr int32_t kInputHistoryLength = 32;  // entries per ring, runs per press history
inline constexpr int32_t kDirPatternCount = 10;
inline constexpr int32_t kButtonPatternCount = 9;

class cInput {
 public:
  cInput();

  int16_t wDir = 0;
  int16_t wButton = 0;
  int16_t wDirHistory = 0;
  INPUTHISTDATA aHistory[2][kInputHistoryLength] = {};  // ring 0 directions, ring 1 buttons
  int32_t nHistoryPos[2] = {};                          // newest entry of each ring
  cVector<cVector<PRESSRUNDATA>> vDirPress;     // kDirPatternCount histories, newest run first
  cVector<cVector<PRESSRUNDATA>> vButtonPress;  // kButtonPatternCount: 0 no button, k button k
  int32_t nKeypad = 5;
  int32_t nRepeatCountH = 0;
  int32_t nRepeatCountV = 0;
  int32_t nRepeatDelay = 18;  // never 0: the menu repeat divides by the interval
  int32_t nRepeatInterval = 6;
  int32_t bButtonLatch = 0;
  uint16_t wJoyButtonMask[8] = {};
  int32_t bJoystickOk = 0;
  int32_t nJoyRetry = 0;
  // The same pair for joysticks 1..15 of the configured poll, so an absent
  // joystick 0 does not hold back the others; joystick 0 uses the two above.
  int32_t bJoystickOkMore[15] = {};
  int32_t nJoyRetryMore[15] = {};

  // ClearHistory, ResetPressHistory, ResetDirection, ClearButtons (a stage start).
  void Reset();
  void ClearHistory();
  void ResetPressHistory();
  void ResetDirection();
  void ClearButtons();

  // Pushes wDir into ring 0 and wButton into ring 1.
  void PushHistory();
  // The word of ring 0 or 1 that was current nFramesBack frames ago (0: now).
  // Past the recorded frames it is the newest word; another ring gives 0.
  int16_t GetPastState(int32_t nRing, int32_t nFramesBack) const;
  // One step of the 19 press histories from wDir and wButton.
  void BuildPressHistory();
  // One step of one press history: bMaskMode 1 tests (word & pattern) != 0,
  // 0 tests word == pattern.
  static void AddPressEvent(cVector<PRESSRUNDATA>& history, int16_t word, int16_t pattern, int32_t bMaskMode);
};

// The direction digit of a direction word: 5 neutral, left -1, right +1, up -3,
// down +3, so 1 2 3 is the top row; both keys of an axis cancel.
int32_t DirBitsToKeypad(int32_t wDir);

// Element 0 is the one player.
extern cVector<cInput> g_InputList;
