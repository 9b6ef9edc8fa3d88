#pragma once
// cMouse: the mouse state of a window, as the framework's UpdateMouse leaves
// it. The previous held states and the press latches belong to the mouse, not
// to one window, so every cMouse record shares them: a press seen through one
// window is not reported again through another.

#include <cstdint>

class cMouse {
 public:
  // Position and the six flags to 0; the mask is kept for the caller.
  void Init(int32_t mask);
  // Mask bit 0: the held states from the key table; bit 1: pressed on the
  // first update that sees a button down since it was last up; bit 2:
  // released on the first update after it was let go.
  void Update(int32_t mask);

  int32_t x = 0;
  int32_t y = 0;
  int32_t nMask = 0;
  int32_t bLeft = 0;
  int32_t bRight = 0;
  int32_t bLeftPressed = 0;
  int32_t bRightPressed = 0;
  int32_t bLeftReleased = 0;
  int32_t bRightReleased = 0;

  // Tests: forgets the shared previous states and latches.
  static void ResetShared();

 private:
  static int32_t s_bPrevLeft;
  static int32_t s_bPrevRight;
  static int32_t s_bLeftLatch;
  static int32_t s_bRightLatch;
};
