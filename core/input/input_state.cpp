#include "core/input/input_state.h"

#include <limits>

#include "core/globals/global_order.h"

VP_GLOBAL(kGlobalInputList, cVector<cInput> g_InputList)(1);

namespace input_state {

constexpr int32_t kMaxFrames = std::numeric_limits<int32_t>::max();

void GrowRun(int32_t& nFrames) {
  if (nFrames != kMaxFrames) ++nFrames;
}

void RefillRuns(cVector<cVector<PRESSRUNDATA>>& histories, int32_t nCount) {
  histories.assign(static_cast<std::size_t>(nCount),
                   cVector<PRESSRUNDATA>(static_cast<std::size_t>(kInputHistoryLength)));
}

void PushRing(INPUTHISTDATA (&ring)[kInputHistoryLength], int32_t& nPos, int16_t word) {
  INPUTHISTDATA& newest = ring[nPos];
  if (newest.wState == word) {
    GrowRun(newest.nFrames);
    return;
  }
  nPos = (nPos + 1) % kInputHistoryLength;
  ring[nPos] = INPUTHISTDATA{word, 1};
}

// Direction patterns 0..8 in the order of the press histories.
constexpr int16_t kDirPatterns[kDirPatternCount - 1] = {0, 1, 2, 4, 8, 5, 9, 6, 10};

}  // namespace input_state

cInput::cInput() {
  input_state::RefillRuns(vDirPress, kDirPatternCount);
  input_state::RefillRuns(vButtonPress, kButtonPatternCount);
}

void cInput::Reset() {
  ClearHistory();
  ResetPressHistory();
  ResetDirection();
  ClearButtons();
}

void cInput::ClearHistory() {
  for (auto& ring : aHistory) {
    for (INPUTHISTDATA& entry : ring) entry = INPUTHISTDATA{};
  }
  nHistoryPos[0] = 0;
  nHistoryPos[1] = 0;
}

void cInput::ResetPressHistory() {
  input_state::RefillRuns(vDirPress, kDirPatternCount);
  input_state::RefillRuns(vButtonPress, kButtonPatternCount);
}

void cInput::ResetDirection() {
  wDir = 0;
  nKeypad = 5;
}

void cInput::ClearButtons() { wButton = 0; }

void cInput::PushHistory() {
  input_state::PushRing(aHistory[0], nHistoryPos[0], wDir);
  input_state::PushRing(aHistory[1], nHistoryPos[1], wButton);
}

int16_t cInput::GetPastState(int32_t nRing, int32_t nFramesBack) const {
  if (nRing != 0 && nRing != 1) return 0;
  const INPUTHISTDATA(&ring)[kInputHistoryLength] = aHistory[nRing];
  int32_t pos = nHistoryPos[nRing];
  // 64 bits: nFramesBack + 1 overflows at INT32_MAX.
  int64_t left = static_cast<int64_t>(nFramesBack) + 1;
  for (int32_t i = 0; i < kInputHistoryLength; ++i) {
    const INPUTHISTDATA& entry = ring[pos];
    if (entry.nFrames >= left) return entry.wState;
    left -= entry.nFrames;
    pos = (pos + kInputHistoryLength - 1) % kInputHistoryLength;
  }
  // Once round the ring: the walk is back at the newest entry.
  return ring[pos].wState;
}

void cInput::AddPressEvent(cVector<PRESSRUNDATA>& history, int16_t word, int16_t pattern, int32_t bMaskMode) {
  const int32_t bPressed = bMaskMode == 1 ? ((word & pattern) != 0) : (word == pattern);
  if (history.empty()) {
    // Never emptied by this class; a caller's empty vector starts its runs here.
    history.assign(static_cast<std::size_t>(kInputHistoryLength), PRESSRUNDATA{});
  }
  PRESSRUNDATA& newest = history.front();
  if (bPressed != newest.bPressed) {
    history.pop_back();
    history.insert(history.begin(), PRESSRUNDATA{bPressed, 1});
    return;
  }
  input_state::GrowRun(newest.nFrames);
}

void cInput::BuildPressHistory() {
  for (int32_t i = 0; i < kDirPatternCount - 1; ++i) {
    AddPressEvent(vDirPress.CheckedVectorAt(i), wDir, input_state::kDirPatterns[i], 0);
  }
  AddPressEvent(vDirPress.CheckedVectorAt(9), wDir, 15, 1);
  AddPressEvent(vButtonPress.CheckedVectorAt(0), wButton, 0, 0);
  for (int32_t k = 1; k < kButtonPatternCount; ++k) {
    AddPressEvent(vButtonPress.CheckedVectorAt(k), wButton, static_cast<int16_t>(1 << (k - 1)), 1);
  }
}

int32_t DirBitsToKeypad(int32_t wDir) {
  int32_t nKeypad = 5;
  if (wDir & 1) nKeypad -= 1;
  if (wDir & 2) nKeypad += 1;
  if (wDir & 4) nKeypad -= 3;
  if (wDir & 8) nKeypad += 3;
  return nKeypad;
}
