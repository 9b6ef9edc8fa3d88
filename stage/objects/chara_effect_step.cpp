#include <cstdint>

#include "records/database/chara_effect.h"
#include "records/database/database.h"
#include "records/settings/system_data.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/chara_draw_list.h"
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

// What the drawing of chara shows this frame, before its effect steps.
void AppendDraw(const cCharaBase& chara, int32_t kind, int32_t pattern, cCharaDrawList* lpDraw) {
  if (lpDraw == nullptr) return;
  CHARADRAW entry;
  entry.nKind = kind;
  entry.nCharaId = chara.m_nId;
  entry.nPattern = pattern;
  entry.nGraphic = chara.GetGraphicIndex(&entry.nTintGroup);
  entry.nSource = chara.m_Def.m_nGraphicSource;
  entry.nSheet = chara.m_nGraphicNo;
  entry.rcScreen = chara.m_rcScreen;
  entry.nScale = chara.m_Def.m_nGiant;
  entry.nEffectKind = KindOf(chara.m_CharaEffect);
  entry.dEffectValue = chara.m_CharaEffect.m_dValue;
  entry.nEffectCounter = chara.m_CharaEffect.m_nCounter1;
  entry.nEffectToggle = chara.m_CharaEffect.m_nCounter2;
  entry.nMark = kind == kDrawLivingChara && chara.m_Def.m_nMarkShow == 1 ? chara.m_Def.m_nMark : -1;
  lpDraw->Entries.push_back(entry);
}

}  // namespace chara_effect_step

int32_t cCharaBase::GetGraphicIndex(int32_t* lpTintGroup) const {
  const cAnimeSet& set = g_Database.m_AnimeSets.CheckedVectorAt(m_Def.m_nAnimeSet);
  int32_t graphic = m_Def.m_nGraphic;
  if (m_Def.m_nFly != 0) graphic += set.m_nPatternAdd3;
  if (m_Def.m_bBlockChara != 0) graphic += set.m_nPatternAdd2;
  const bool invincible = m_Def.m_nInvincible != 0;
  if (invincible) graphic += set.m_nPatternAdd1;
  // The tint table holds groups 1..9 (0 is none): any other group is drawn
  // plain rather than read past the table.
  const int32_t group = m_Def.m_nInvincibleLook;
  const bool tinted = invincible && g_SystemData.m_bSwitch287 != 0 && group > 0 && group < kTintGroupCount;
  *lpTintGroup = tinted ? group : 0;
  return graphic;
}

void cCharaBase::StepCharaEffect(int32_t paused) {
  if (chara_effect_step::RunHandlerStep(m_CharaEffect, paused)) m_CharaEffect.m_nEffect = 0;
}

int32_t cCharaBase::StepDrawnChara(int32_t paused, cCharaDrawList* lpDraw) {
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
  chara_effect_step::AppendDraw(*this, kDrawLivingChara, pattern, lpDraw);
  StepCharaEffect(paused);
  return pattern;
}

int32_t cCharaBase::StepDeathEffect(int32_t paused, cCharaDrawList* lpDraw) {
  const bool hasEffect = m_CharaEffect.m_nEffect != 0;
  // Only a death effect shows the dead chara.
  if (hasEffect) chara_effect_step::AppendDraw(*this, kDrawDeadChara, 0, lpDraw);
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

void cCharaBase::StepGauge(GAUGEANIM& gauge, cCharaDrawList* lpDraw) const {
  if (gauge.nFrames <= 0 || m_bDead) return;
  if (lpDraw != nullptr) {
    const bool hp = &gauge == &m_HpGauge;
    CHARADRAW entry;
    entry.nKind = hp ? kDrawHpGauge : kDrawSpGauge;
    entry.nCharaId = m_nId;
    entry.rcScreen = m_rcScreen;
    entry.Gauge = gauge;
    entry.nValue = hp ? m_nHp : m_nSp;
    entry.nMax = hp ? m_Def.m_nMaxHp : m_Def.m_nMaxSp;
    lpDraw->Entries.push_back(entry);
  }
  --gauge.nFrames;
  if (gauge.nFrames < chara_effect_step::kGaugeFadeFrames) {
    gauge.dChange = 0;
  } else {
    gauge.dChange -= gauge.dChangeStep;
  }
}
