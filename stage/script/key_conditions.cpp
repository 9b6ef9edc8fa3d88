#include "stage/script/key_conditions.h"

#include <algorithm>
#include <array>
#include <climits>

#include "core/input/input_state.h"
#include "records/script/flow.h"
#include "records/script/key_cond.h"
#include "records/settings/system_data.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/hero.h"
#include "stage/objects/object_lists.h"

namespace key_conditions {

// Where one press history is read: a run and the frames of it that had passed.
struct cCursor {
  int32_t nRun = 0;
  int32_t nFrames = 0;
};

class cCursors {
 public:
  explicit cCursors(const cInput& input) : m_Input(input) {
    for (int32_t slot = 0; slot < kKeySlotCount; ++slot) {
      const cVector<PRESSRUNDATA>* runs = History(slot);
      m_Cursors[static_cast<std::size_t>(slot)].nFrames = runs != nullptr && !runs->empty() ? runs->front().nFrames : 0;
    }
  }

  // The run at slot's cursor; null when the history has none there.
  const PRESSRUNDATA* Run(int32_t slot) const {
    const cVector<PRESSRUNDATA>* runs = History(slot);
    const cCursor& cursor = m_Cursors[static_cast<std::size_t>(slot)];
    if (runs == nullptr || cursor.nRun >= runs->VectorSize()) return nullptr;
    return &runs->CheckedVectorAt(cursor.nRun);
  }
  int32_t Frames(int32_t slot) const { return m_Cursors[static_cast<std::size_t>(slot)].nFrames; }

  // Every cursor frames back (or forward when negative); false, with the
  // cursors as they were, when a history runs out.
  bool Move(int64_t frames) {
    std::array<cCursor, kKeySlotCount> moved = m_Cursors;
    for (int32_t slot = 0; slot < kKeySlotCount; ++slot) {
      const cVector<PRESSRUNDATA>* runs = History(slot);
      if (runs == nullptr || runs->empty()) continue;
      if (!MoveOne(*runs, moved[static_cast<std::size_t>(slot)], frames)) return false;
    }
    m_Cursors = moved;
    return true;
  }

 private:
  const cVector<PRESSRUNDATA>* History(int32_t slot) const {
    if (slot < kDirPatternCount) return slot < m_Input.vDirPress.VectorSize() ? &m_Input.vDirPress.CheckedVectorAt(slot) : nullptr;
    const int32_t button = slot - kDirPatternCount;
    return button < m_Input.vButtonPress.VectorSize() ? &m_Input.vButtonPress.CheckedVectorAt(button) : nullptr;
  }

  static bool MoveOne(const cVector<PRESSRUNDATA>& runs, cCursor& cursor, int64_t frames) {
    for (; frames > 0; --frames) {
      if (--cursor.nFrames > 0) continue;
      if (++cursor.nRun >= runs.VectorSize()) return false;
      cursor.nFrames = runs.CheckedVectorAt(cursor.nRun).nFrames;
    }
    for (; frames < 0; ++frames) {
      if (++cursor.nFrames <= runs.CheckedVectorAt(cursor.nRun).nFrames) continue;
      if (cursor.nRun == 0) return false;
      --cursor.nRun;
      cursor.nFrames = 1;
    }
    return true;
  }

  const cInput& m_Input;
  std::array<cCursor, kKeySlotCount> m_Cursors{};
};

// The slot a step's slot reads when the step is mirrored for a chara facing left.
int32_t MirroredSlot(int32_t slot) {
  static constexpr std::array<int32_t, kDirPatternCount> kMirror = {0, 2, 1, 3, 4, 7, 8, 5, 6, 9};
  return slot < kDirPatternCount ? kMirror[static_cast<std::size_t>(slot)] : slot;
}

// Combines the wanted slots of a step by its mode; the matched age is the
// smallest matching count (mode 0), the largest (1) or the last one's (2).
class cStepMatch {
 public:
  explicit cStepMatch(int32_t mode) : m_nMode(mode) {}
  void Slot(bool matches, int32_t frames) {
    ++m_nWanted;
    if (!matches) return;
    ++m_nMatched;
    if (m_nMode == kKeyAllTrue) m_nAge = m_nMatched == 1 ? frames : std::min(m_nAge, frames);
    if (m_nMode == kKeyAnyTrue) m_nAge = m_nMatched == 1 ? frames : std::max(m_nAge, frames);
    if (m_nMode == kKeyExactlyOne) m_nAge = frames;
  }
  bool Holds() const {
    switch (m_nMode) {
      case kKeyAllTrue: return m_nMatched == m_nWanted;
      case kKeyAnyTrue: return m_nMatched >= 1;
      case kKeyExactlyOne: return m_nMatched == 1;
      default: return false;
    }
  }
  int32_t Age() const { return m_nAge; }

 private:
  int32_t m_nMode;
  int32_t m_nWanted = 0;
  int32_t m_nMatched = 0;
  int32_t m_nAge = 0;
};

// One step at the cursors; its matched age in *lpAge.
bool StepHolds(const cKeyCond& cond, const cCursors& cursors, bool mirror, int32_t* lpAge) {
  cStepMatch match(cond.m_nKeyMode);
  // A step stored with fewer than 19 slots tests the ones it has.
  const int32_t slots = std::min(cond.m_Keys.VectorSize(), kKeySlotCount);
  for (int32_t slot = 0; slot < slots; ++slot) {
    const uint8_t want = cond.m_Keys.CheckedVectorAt(slot);
    if (want == kKeyIgnored) continue;
    const int32_t read = mirror ? MirroredSlot(slot) : slot;
    const PRESSRUNDATA* run = cursors.Run(read);
    const int32_t frames = cursors.Frames(read);
    bool matches = false;
    if (run != nullptr && want == kKeyPressed) {
      matches = run->bPressed && (cond.m_bAnyHold ? frames > 0 : frames >= cond.m_nHoldMin && frames <= cond.m_nHoldMax);
    } else if (run != nullptr && want == kKeyReleased) {
      matches = !run->bPressed && frames > 0;
    }
    match.Slot(matches, frames);
  }
  if (lpAge != nullptr) *lpAge = match.Age();
  return match.Holds();
}

const cInput* HeroInput() {
  if (g_InputList.empty()) return nullptr;
  const int32_t index = g_Heroes.empty() ? 0 : g_Heroes.CheckedVectorAt(0).InputIndex();
  return &g_InputList.CheckedVectorAt(index < g_InputList.VectorSize() ? index : 0);
}

// An earlier step, from the cursors back over at most the flow's slack.
bool EarlierStepHolds(const cFlowInstance& instance, int32_t n, cCursors& cursors, bool mirrorWanted, int32_t* lpAge) {
  const cKeyCond& cond = *instance.m_KeyConds.CheckedVectorAt(n);
  const bool mirror = mirrorWanted && cond.m_bMirror == 1;
  if (StepHolds(cond, cursors, mirror, lpAge)) return true;
  const int32_t slack = instance.Flow().m_nKeySlack;
  if (slack <= 0) return false;
  int32_t moved = 0;
  while (moved < slack && cursors.Move(1)) {
    ++moved;
    if (StepHolds(cond, cursors, mirror, lpAge)) return true;
  }
  // One frame past where the search began: the step may just have ended as
  // the next began, unless the next step holds there too (old files allow it).
  cursors.Move(-(static_cast<int64_t>(moved) + 1));
  if (!StepHolds(cond, cursors, mirror, lpAge)) return false;
  if (g_SystemData.m_bLegacy669) return true;
  const cKeyCond& next = *instance.m_KeyConds.CheckedVectorAt(n + 1);
  return !StepHolds(next, cursors, mirrorWanted && next.m_bMirror == 1, nullptr);
}

bool SequenceHolds(const cCharaBase& chara, const cFlowInstance& instance) {
  const cInput* input = HeroInput();
  if (input == nullptr) return false;
  // An instance not yet linked to its flow has no steps to read.
  for (const cKeyCond* step : instance.m_KeyConds) {
    if (step == nullptr) return false;
  }
  cCursors cursors(*input);
  const bool mirrorWanted = chara.m_nFacing == 0;
  int32_t n = instance.m_KeyConds.VectorSize() - 1;
  const cKeyCond& lastCond = *instance.m_KeyConds.CheckedVectorAt(n);
  int32_t age = 0;
  if (!StepHolds(lastCond, cursors, mirrorWanted && lastCond.m_bMirror == 1, &age)) return false;
  if (instance.Flow().m_bKeyHold && instance.m_bKeyHeld) return true;
  while (n > 0) {
    if (!cursors.Move(age)) return false;
    --n;
    if (!EarlierStepHolds(instance, n, cursors, mirrorWanted, &age)) return false;
  }
  return true;
}

}  // namespace key_conditions

int32_t cCharaBase::CheckKeyConditions(cFlowInstance& instance) {
  if (instance.m_KeyConds.empty()) return 1;
  const bool holds = key_conditions::SequenceHolds(*this, instance);
  const cFlow& flow = instance.Flow();
  if (flow.m_bKeyHold) {
    instance.m_bKeyHeld = holds ? 1 : 0;
    return instance.m_bKeyHeld;
  }
  if (!holds) {
    instance.m_bKeyLatch = 0;
    return 0;
  }
  if (instance.m_bKeyLatch) {
    // Held keys keep the flow's number busy, so no other 常時 flow of the
    // number starts while they stay down.
    const int32_t flag = flow.m_nFlagNo;
    if (flow.m_nTrigger == kTriggerAlways && flag >= 1 && flag < kFlowFlagCount) {
      if (flag < m_FlowFlagBusy.VectorSize()) m_FlowFlagBusy.CheckedVectorAt(flag) = 1;
      if (flag < m_FlowFlagRelease.VectorSize()) m_FlowFlagRelease.CheckedVectorAt(flag) = 1;
      m_bFlagReleasePending = 1;
    }
    return 0;
  }
  instance.m_bKeyLatch = 1;
  return 1;
}

int32_t CheckKeyCondNow(const cInput* lpInput, const cKeyCond* lpCond) {
  if (lpInput == nullptr || lpCond == nullptr) return 0;
  const key_conditions::cCursors now(*lpInput);
  int32_t matched = 0;
  int32_t wanted = 0;
  const int32_t slots = std::min(lpCond->m_Keys.VectorSize(), kKeySlotCount);
  for (int32_t slot = 0; slot < slots; ++slot) {
    const uint8_t want = lpCond->m_Keys.CheckedVectorAt(slot);
    if (want == kKeyIgnored) continue;
    ++wanted;
    const PRESSRUNDATA* run = now.Run(slot);
    const bool pressed = run != nullptr && run->bPressed;
    const bool matches = want == kKeyPressed ? pressed : (want == kKeyReleased && !pressed);
    if (!matches) continue;
    ++matched;
    if (lpCond->m_nKeyMode == kKeyAnyTrue) return 1;
  }
  switch (lpCond->m_nKeyMode) {
    case kKeyAllTrue: return matched == wanted ? 1 : 0;
    case kKeyExactlyOne: return matched == 1 ? 1 : 0;
    default: return 0;
  }
}

int32_t FirstPressedDirection(const cInput* lpInput) {
  if (lpInput == nullptr) return 0;
  for (int32_t dir = 0; dir < kDirPatternCount && dir < lpInput->vDirPress.VectorSize(); ++dir) {
    const cVector<PRESSRUNDATA>& runs = lpInput->vDirPress.CheckedVectorAt(dir);
    if (!runs.empty() && runs.front().bPressed) return dir;
  }
  return 0;
}
