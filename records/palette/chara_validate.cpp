// The repairs of a chara part's references and switches (cCharaDef::Validate
// and cCharaDef::ValidateFlowRefs).

#include <algorithm>

#include "records/palette/chara_def.h"

namespace {

// Resets index to 0 when it is not an entry of list.
void KeepInDatabase(int16_t& index, eDatabaseList list, const cValidateContext& context) {
  if (!context.InRange(list, index)) index = 0;
}

// A flow that nothing starts and that does nothing: no ID, trigger 0, no flag
// number and no conditions, key conditions or commands.
bool IsEmptyFlow(const cFlow& flow) {
  return flow.m_nFlowId == 0 && flow.m_nTrigger == kTriggerAlways && flow.m_nFlagNo == 0 &&
         flow.m_Conditions.empty() && flow.m_KeyConds.empty() && flow.m_Commands.empty();
}

}  // namespace

void cCharaDef::Validate(const cValidateContext& context) {
  DropPaletteRefPast(m_nTemplateKind, m_nTemplateIndex, context, &cPaletteSizes::nCharas);
  if (m_nGraphicSource == kPartGraphicExclusive &&
      !context.InRange(eDatabaseList::BmpCharaExc, m_nGraphic)) {
    m_nGraphic = 1;
  }
  if (m_nGiant <= 0) m_nGiant = 1;
  KeepInDatabase(m_nAnimeSet, eDatabaseList::AnimeSet, context);
  KeepInDatabase(m_nStartEffect, eDatabaseList::CharaEffect, context);
  KeepInDatabase(m_nDeathEffect, eDatabaseList::CharaEffect, context);
  KeepInDatabase(m_nAttackEffect, eDatabaseList::Effect, context);
  if (m_nControl == kControlPlayer) {
    m_bBlockChara = 0;
    m_nCopies = 0;
  }
  for (cFlow& flow : m_Flows) flow.Validate(context);
  m_Flows.erase(std::remove_if(m_Flows.begin(), m_Flows.end(), IsEmptyFlow), m_Flows.end());
}

void cCharaDef::ValidateFlowRefs(const cValidateContext& context) {
  for (cFlow& flow : m_Flows) flow.ValidatePaletteRefs(context);
}
