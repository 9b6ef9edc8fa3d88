#include <cstdint>

#include "records/database/chara_effect.h"
#include "records/database/database.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/stage_play.h"

namespace chara_effect_step {

constexpr int32_t kWaveDegrees = 360;
constexpr int32_t kGaugeFadeFrames = 60;

enum eEffectKind : int32_t {
  kKindNone = 0,
  kKindWaveH = 4,
  kKindWaveV = 5,
  kKindBlink = 6,
  kKindTranslucent = 14,
};

// The kind of the running effect's record; 0 (plain drawing) for an index the
// database does not hold or a kind the drawing does not know.
int32_t KindOf(const cCharaEffectState& effect) {
  if (effect.m_nEffect <= 0 || effect.m_nEffect >= g_Database.m_CharaEffects.VectorSize()) return kKindNone;
  return g_Database.m_CharaEffects.CheckedVectorAt(effect.m_nEffect).KnownKind(cCharaEffect::kMaxKind);
}

int32_t StepUnlessPaused(cCharaEffectState& effect, int32_t paused) { return paused ? 0 : effect.Step(); }

// The blink and translucent kinds: the first counter counts frames up to the
// record's interval, the second is the toggle that shows or hides the chara.
int32_t StepToggle(cCharaEffectState& effect, int32_t paused) {
  const int32_t interval = g_Database.m_CharaEffects.CheckedVectorAt(effect.m_nEffect).m_nParams[1];
  if (effect.m_nCounter1 >= interval) {
    effect.m_nCounter1 = 0;
    effect.m_nCounter2 = effect.m_nCounter2 ? 0 : 1;
  }
  if (paused) return 0;
  ++effect.m_nCounter1;
  return effect.Step();
}

int32_t StepWave(cCharaEffectState& effect, int32_t paused) {
  if (paused) return 0;
  if (++effect.m_nCounter1 >= kWaveDegrees) effect.m_nCounter1 = 0;
  return effect.Step();
}

// The state column of the effect's draw handler: 1 when the effect ended.
int32_t RunHandlerStep(cCharaEffectState& effect, int32_t paused) {
  switch (KindOf(effect)) {
    case kKindNone: return 0;
    case kKindWaveH:
    case kKindWaveV: return StepWave(effect, paused);
    case kKindBlink:
    case kKindTranslucent: return StepToggle(effect, paused);
    default: return StepUnlessPaused(effect, paused);
  }
}

}  // namespace chara_effect_step

void cCharaBase::StepCharaEffect(int32_t paused) {
  if (chara_effect_step::RunHandlerStep(m_CharaEffect, paused)) m_CharaEffect.m_nEffect = 0;
}

int32_t cCharaBase::StepDrawnChara(int32_t paused) {
  const int32_t pattern = StepAnimation(paused);
  if (m_bTransparentNow || m_Def.m_bTransparent) {
    StepCharaEffect(paused);  // unseen, it still ends on time
    return pattern;
  }
  UpdateScreenRect();
  if (m_bHoldScreenPos) {
    m_rcScreen.left = m_nHoldScreenX;
    m_rcScreen.right = m_nHoldScreenX + m_nGraphicW - 1;
    m_rcScreen.top = m_nHoldScreenY;
    m_rcScreen.bottom = m_nHoldScreenY + m_nGraphicH - 1;
  }
  StepCharaEffect(paused);
  return pattern;
}

int32_t cCharaBase::StepDeathEffect(int32_t paused) {
  const bool hasEffect = m_CharaEffect.m_nEffect != 0;
  if (m_nControl != 0) {
    if (!hasEffect) return 1;
    const int32_t over = chara_effect_step::RunHandlerStep(m_CharaEffect, paused);
    if (over) m_CharaEffect.m_nEffect = 0;
    return over;
  }
  if (hasEffect) {
    StepCharaEffect(paused);
    return 0;
  }
  if (paused) return 0;
  ++m_nDeathFrames;
  const int32_t fps = g_lpSceneStagePlay != nullptr ? g_lpSceneStagePlay->m_nTargetFps : 0;
  return m_nDeathFrames > fps ? 1 : 0;
}

void cCharaBase::StepGauge(GAUGEANIM& gauge) const {
  if (gauge.nFrames <= 0 || m_bDead) return;
  --gauge.nFrames;
  if (gauge.nFrames < chara_effect_step::kGaugeFadeFrames) {
    gauge.dChange = 0;
  } else {
    gauge.dChange -= gauge.dChangeStep;
  }
}
