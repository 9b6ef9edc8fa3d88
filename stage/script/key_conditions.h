#pragma once
// Key conditions of flows: a sequence of key steps matched against the press
// histories of the hero's input (cInput::vDirPress, vButtonPress: runs of
// pressed / not pressed, newest first). The last step must hold now; each
// earlier one must have held right before the step after it, with up to the
// flow's slack in frames between them.
//
//   // flow.m_KeyConds: [right pressed] [button 1 pressed], slack 5
//   chara.CheckKeyConditions(instance);   // 1 when right then button 1 was pressed
//
// A step with the mirror byte, tested for a chara facing left, reads left for
// right and the diagonals likewise. Steps combine their slots: mode 0 every
// slot, 1 at least one, 2 exactly one.

#include <cstdint>

class cInput;
class cKeyCond;

// One key step against the keys as they are now (pressed or not).
int32_t CheckKeyCondNow(const cInput* lpInput, const cKeyCond* lpCond);
// The first of the ten direction histories whose newest run is pressed; 0 none.
int32_t FirstPressedDirection(const cInput* lpInput);
