#include <algorithm>
#include <climits>
#include <cstdint>

#include "stage/objects/chara_base.h"

namespace chara_status {

constexpr int32_t kGaugeFrames = 120;
constexpr int64_t kGaugeUnits = 50;

// A gain is cut to what is missing below max.
int32_t CutGain(int32_t value, int32_t delta, int32_t max) {
  if (delta <= 0) return delta;
  return static_cast<int32_t>(std::clamp<int64_t>(static_cast<int64_t>(max) - value, INT32_MIN, delta));
}

// value + delta within 0..max; a negative maximum holds nothing. In 64 bits:
// no sum may wrap.
int32_t Changed(int32_t value, int32_t delta, int32_t max) {
  const int64_t top = std::max<int64_t>(max, 0);
  return static_cast<int32_t>(std::clamp<int64_t>(static_cast<int64_t>(value) + delta, 0, top));
}

// The gauge after a change of delta to value (of max > 0): the fill and the
// changed part in fiftieths, in 64 bits (value x 50 wraps above 42,949,672).
void StartGauge(GAUGEANIM& gauge, int32_t value, int32_t delta, int32_t max) {
  if (max <= 0) return;  // no gauge to show; also no division by zero
  gauge.nFrames = kGaugeFrames;
  gauge.nFill = static_cast<int32_t>(static_cast<int64_t>(value) * kGaugeUnits / max);
  gauge.dChange = static_cast<double>(static_cast<int64_t>(delta) * kGaugeUnits) / max;
  gauge.dChangeStep = gauge.dChange * (1.0 / 60);
}

}  // namespace chara_status

int32_t cCharaBase::ChangeHp(int32_t delta, int32_t force, int32_t animate) {
  if (!force && delta <= 0 && m_Def.m_nInvincible != 0) return 0;
  delta = chara_status::CutGain(m_nHp, delta, m_Def.m_nMaxHp);
  m_nHp = chara_status::Changed(m_nHp, delta, m_Def.m_nMaxHp);
  if (m_nHp <= 0) {
    m_nHp = 0;
    return 1;
  }
  if (animate && delta != 0) StartHpGauge(delta);
  return 0;
}

int32_t cCharaBase::ChangeSp(int32_t delta, int32_t animate) {
  delta = chara_status::CutGain(m_nSp, delta, m_Def.m_nMaxSp);
  m_nSp = chara_status::Changed(m_nSp, delta, m_Def.m_nMaxSp);
  if (m_Def.m_nMaxSp <= 0) return 1;
  if (animate && delta != 0) StartSpGauge(delta);
  return 0;
}

void cCharaBase::StartHpGauge(int32_t delta) { chara_status::StartGauge(m_HpGauge, m_nHp, delta, m_Def.m_nMaxHp); }

void cCharaBase::StartSpGauge(int32_t delta) { chara_status::StartGauge(m_SpGauge, m_nSp, delta, m_Def.m_nMaxSp); }
