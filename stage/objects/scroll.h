#pragma once
// cScroll: one camera axis of the running stage (the play state keeps
// m_ScrollX and m_ScrollY).
//
// The world is the stage plus a margin of 10 blocks (320 dots) on every side.
// For a stage 30 blocks wide SetStage fills the horizontal axis so:
//
//   cScroll x;                // everything 0
//   x.m_nAxis = 0;  x.m_nView = 640;
//   x.m_nMarginCells = 10;  x.m_nCells = 30 + 20;        // whole extent 1600
//   x.m_nShift = 6;  x.m_nStride = 64;                     // of the block grid
//   x.m_nMargin = 320;  x.m_nFurthest = (30 + 10) * 32;   // stage area ends at 1280
//   x.m_nProbeBound = g_Stage.m_nScrollExtraX + 640;
//   x.SetAutoScroll(0, 0);
//   x.SetLimits(0, 29, 0, 0);  // min 320 (the margin), max 1280 (the far limit)
//   x.m_dPos = 1000;  x.Clamp();  // 1000 + 640 >= 1280: pos 640, clamped 1
//
// m_dPos is the left (or top) edge of the 640 x 480 view in world dots. An
// axis auto-scrolls while its speed is not 0 and it is not clamped
// (IsAutoScrolling); Advance moves it by the speed once per sub-step.

#include <cstdint>

class cStateVisitor;

class cScroll {
 public:
  double m_dPos = 0;        // left or top edge of the view, world dots
  int32_t m_bClamped = 0;   // the last Clamp held the view at a limit
  int32_t m_nAxis = 0;      // 0 horizontal, 1 vertical
  int32_t m_nView = 0;      // 640 or 480
  int32_t m_nMin = 0;       // scroll limits of m_dPos (m_nMax is the far edge)
  int32_t m_nMax = 0;
  int32_t m_nMargin = 0;    // dots: where the stage's own area starts (320)
  int32_t m_nFurthest = 0;  // dots: where the stage's own area ends
  int32_t m_nMarginCells = 0;  // 10: stage column or row 0 is grid column or row 10
  int32_t m_nCells = 0;        // grid columns or rows; the whole extent is m_nCells x 32
  int32_t m_nStride = 0;       // cells between grid rows (horizontal axis), rows (vertical)
  int32_t m_nShift = 0;        // log2 of the stride on the horizontal axis, 0 on the vertical
  int32_t m_nProbeBound = 0;   // dots: reach of the grid probes
  double m_dAutoSpeed = 0;     // dots per sub-step
  int32_t m_bAutoScroll = 0;

  // The whole extent in dots.
  int32_t Total() const { return m_nCells * 32; }
  bool IsAutoScrolling() const { return m_dAutoSpeed != 0 && m_bClamped == 0; }

  // Holds the view inside [m_nMin, m_nMax - m_nView] (never below m_nMin) and
  // records whether it had to.
  void Clamp();
  // One sub-step of auto-scroll: m_dPos += m_dAutoSpeed, then Clamp.
  void Advance();
  // bOn: nSpeed tenths of a dot per frame, spread over g_Stage's sub-steps;
  // otherwise stopped. Returns 0.
  int32_t SetAutoScroll(int32_t bOn, int32_t nSpeed);
  // Scroll limits from block columns (rows) first and last, each used only
  // when its switch is set (else the margin, and the far limit).
  void SetLimits(int32_t first, int32_t last, int32_t bFirst, int32_t bLast);

  void VisitState(cStateVisitor& visitor);
};
