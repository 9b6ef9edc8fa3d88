#include <cmath>
#include <cstdlib>

#include "records/database/chara_effect.h"
#include "records/database/database.h"
#include "records/database/runtime/effect_state.h"
#include "records/database/runtime/effect_state_tables.h"

namespace chara_effect_state {

// Frames per tenth of a second.
constexpr double kFramesPerTenthD = 6.0;

// The per-frame change from start to end over duration tenths. A duration of 0
// (data below the editor's range counts as 0) ends the run at its first step
// instead of dividing by zero or stepping backwards for ever.
double StepOver(int32_t start, int32_t end, int32_t duration) {
  const double span = std::fabs(static_cast<double>(end) - static_cast<double>(start));
  if (duration <= 0) return span + 1.0;
  return span / (duration * kFramesPerTenthD);
}

}  // namespace chara_effect_state

void cCharaEffectState::Setup(int32_t index, int32_t reversed) {
  m_nEffect = static_cast<int16_t>(index);
  m_nRecord = index;
  m_bReversed = reversed;
  // Templates are prepared for every index the tables hold; an index the
  // loaded database lacks prepares an empty effect.
  if (index < 0 || index >= g_Database.m_CharaEffects.VectorSize()) return;
  const cCharaEffect& record = g_Database.m_CharaEffects.CheckedVectorAt(index);
  const int32_t kind = record.KnownKind(cCharaEffect::kMaxKind);
  const int32_t duration = record.m_nParams[0] < 0 ? 0 : record.m_nParams[0];
  if (kind == 0) return;
  if (kind == 6 || kind == 14) {  // blink, translucent: the duration is the whole run
    m_nStart = 0;
    m_nEnd = m_nDuration = duration;
    m_dValue = 0;
    m_dStep = 1.0 / chara_effect_state::kFramesPerTenthD;
    m_nCounter1 = m_nCounter2 = 0;
  } else {
    m_nDuration = duration;
    m_nStart = reversed ? record.m_nParams[2] : record.m_nParams[1];
    m_nEnd = reversed ? record.m_nParams[1] : record.m_nParams[2];
    m_dValue = m_nStart;
    m_dStep = chara_effect_state::StepOver(m_nStart, m_nEnd, duration);
    if (kind == 4 || kind == 5) m_nCounter1 = 0;
  }
  if (m_nStart == m_nEnd) {
    m_dStep = 1.0 / chara_effect_state::kFramesPerTenthD;
    m_dElapsed = 0;
  }
}

void cCharaEffectState::CopyFrom(const cCharaEffectState& source) {
  m_nRecord = source.m_nRecord;
  m_nStart = source.m_nStart;
  m_nEnd = source.m_nEnd;
  m_dValue = source.m_dValue;
  m_dStep = source.m_dStep;
  m_nDuration = source.m_nDuration;
  m_dElapsed = source.m_dElapsed;
  m_nCounter1 = source.m_nCounter1;
  m_nCounter2 = source.m_nCounter2;
}

void cCharaEffectState::Start(int32_t n, int32_t mode, int32_t loop) {
  // Effect 0 is "none" (a definition without a death or start effect): no
  // template is looked up for it.
  if (n == 0) {
    Clear();
    return;
  }
  CopyFrom((mode == 1 ? g_CharaEffectStatesRev : g_CharaEffectStates).CheckedVectorAt(n));
  m_bReversed = mode == 1 ? 1 : 0;
  m_nEffect = static_cast<int16_t>(n);
  m_nMode = mode;
  m_bLoop = loop;
  m_nCleared = 0;
}

void cCharaEffectState::Restart() {
  if (m_nMode == 2) m_bReversed = m_bReversed ? 0 : 1;
  CopyFrom((m_bReversed ? g_CharaEffectStatesRev : g_CharaEffectStates).CheckedVectorAt(m_nEffect));
  m_nCleared = 0;
}

int32_t cCharaEffectState::Step() {
  bool goesOn;
  if (m_nStart == m_nEnd) {
    m_dElapsed += m_dStep;
    goesOn = m_dElapsed <= m_nDuration;
  } else if (m_nStart < m_nEnd) {
    m_dValue += m_dStep;
    goesOn = m_dValue <= m_nEnd;
  } else {
    m_dValue -= m_dStep;
    goesOn = m_dValue >= m_nEnd;
  }
  if (goesOn) return 0;
  if (m_bLoop || (m_nMode == 2 && m_bReversed == 0)) {
    Restart();
    return 0;
  }
  return 1;
}
