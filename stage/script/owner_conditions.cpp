// The condition gates of blocks and charas: an empty list holds, a once-only
// list that held holds without evaluation, a list that holds marks its owner
// for good. Evaluation draws random operands, so these calls are part of what
// a replay repeats.

#include "records/palette/grid_block.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/hero.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"
#include "stage/script/condition_eval.h"

int32_t cStagePlay::CheckBlockConditions(cBlock* lpBlock) {
  if (lpBlock == nullptr) return 1;
  cCharaBase* hero = g_Heroes.empty() ? nullptr : &g_Heroes.CheckedVectorAt(0);
  return CheckConditions(*this, lpBlock->m_Conditions, lpBlock->m_nCondMode, lpBlock->m_bCondOnce, lpBlock->m_bMet,
                         hero)
             ? 1
             : 0;
}

int32_t cStagePlay::CheckCharaConditions(cCharaBase* lpChara) {
  if (lpChara == nullptr) return 0;
  cCharaDef& def = lpChara->m_Def;
  return CheckConditions(*this, def.m_Conditions, def.m_nCondMode, def.m_bCondOnce, lpChara->m_bCondMet, lpChara) ? 1
                                                                                                                 : 0;
}
