#include "platform/ui/mouse_state.h"

#include "platform/input/key_state_table.h"
#include "platform/input/virtual_keys.h"

int32_t cMouse::s_bPrevLeft = 0;
int32_t cMouse::s_bPrevRight = 0;
int32_t cMouse::s_bLeftLatch = 0;
int32_t cMouse::s_bRightLatch = 0;

namespace mouse_state {

// Pressed once per press: the latch is set by the first update that sees the
// button down and cleared by one that sees it up.
int32_t PressedOnce(bool held, int32_t& latch) {
  if (!held) {
    latch = 0;
    return 0;
  }
  if (latch != 0) return 0;
  latch = 1;
  return 1;
}

}  // namespace mouse_state

void cMouse::Init(int32_t mask) {
  x = y = 0;
  bLeft = bRight = bLeftPressed = bRightPressed = bLeftReleased = bRightReleased = 0;
  nMask = mask;
}

void cMouse::Update(int32_t mask) {
  const int32_t prevLeft = s_bPrevLeft;
  const int32_t prevRight = s_bPrevRight;
  const bool left = (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0;
  const bool right = (GetAsyncKeyState(VK_RBUTTON) & 0x8000) != 0;
  if ((mask & 1) != 0) {
    bLeft = left ? 1 : 0;
    bRight = right ? 1 : 0;
  }
  if ((mask & 2) != 0) {
    bLeftPressed = mouse_state::PressedOnce(left, s_bLeftLatch);
    bRightPressed = mouse_state::PressedOnce(right, s_bRightLatch);
  }
  if ((mask & 4) != 0) {
    bLeftReleased = prevLeft != 0 && !left ? 1 : 0;
    bRightReleased = prevRight != 0 && !right ? 1 : 0;
  }
  s_bPrevLeft = left ? 1 : 0;
  s_bPrevRight = right ? 1 : 0;
}

void cMouse::ResetShared() { s_bPrevLeft = s_bPrevRight = s_bLeftLatch = s_bRightLatch = 0; }
