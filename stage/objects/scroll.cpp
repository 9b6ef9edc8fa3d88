#include "stage/objects/scroll.h"

#include <algorithm>

#include "records/stage/stage_globals.h"
#include "stage/objects/state_visitor.h"

void cScroll::Clamp() {
  if (m_dPos < m_nMin) {
    m_dPos = m_nMin;
    m_bClamped = 1;
  } else if (m_dPos + m_nView >= m_nMax) {
    m_dPos = std::max(m_nMax - m_nView, m_nMin);
    m_bClamped = 1;
  } else {
    m_bClamped = 0;
  }
}

void cScroll::Advance() {
  m_dPos += m_dAutoSpeed;
  Clamp();
}

int32_t cScroll::SetAutoScroll(int32_t bOn, int32_t nSpeed) {
  if (bOn != 0) {
    m_dAutoSpeed = nSpeed * 0.1 / g_Stage.m_dSubSteps;
    m_bAutoScroll = 1;
  } else {
    m_dAutoSpeed = 0;
    m_bAutoScroll = 0;
  }
  return 0;
}

void cScroll::SetLimits(int32_t first, int32_t last, int32_t bFirst, int32_t bLast) {
  m_nMin = bFirst != 0 ? m_nMargin + first * 32 : m_nMargin;
  m_nMax = bLast != 0 ? std::max(m_nMargin + (last + 1) * 32, m_nMin) : m_nFurthest;
}

void cScroll::VisitState(cStateVisitor& visitor) {
  visitor.Value("m_dPos", m_dPos);
  visitor.Value("m_bClamped", m_bClamped);
  visitor.Value("m_nAxis", m_nAxis);
  visitor.Value("m_nView", m_nView);
  visitor.Value("m_nMin", m_nMin);
  visitor.Value("m_nMax", m_nMax);
  visitor.Value("m_nMargin", m_nMargin);
  visitor.Value("m_nFurthest", m_nFurthest);
  visitor.Value("m_nMarginCells", m_nMarginCells);
  visitor.Value("m_nCells", m_nCells);
  visitor.Value("m_nStride", m_nStride);
  visitor.Value("m_nShift", m_nShift);
  visitor.Value("m_nProbeBound", m_nProbeBound);
  visitor.Value("m_dAutoSpeed", m_dAutoSpeed);
  visitor.Value("m_bAutoScroll", m_bAutoScroll);
}
