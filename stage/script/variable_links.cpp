#include "stage/script/variable_links.h"

#include <optional>

#include "records/database/database.h"
#include "records/save/save_data.h"
#include "records/script/ed_shot.h"
#include "records/script/flow_cmd.h"
#include "records/script/param_desc.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/hero.h"
#include "stage/objects/stage_play.h"
#include "stage/script/cmd_param_table.h"
#include "stage/script/status_op.h"

namespace variable_links {

enum eLinkField : int32_t { kLinkIndex = 0, kLinkParam, kLinkOp, kLinkScope, kLinkVar, kLinkFields };
enum eLinkScope : int32_t { kScopeCommon = 0, kScopeStage = 1, kScopeChara = 2 };

constexpr int32_t kGraphicIndex = 26;   // グラフィックの変更
constexpr int32_t kExclusiveBitmap = 4;  // its graphic source "専用bmp"

std::optional<int32_t> VarAt(const cVector<int32_t>& vars, int32_t number, int32_t first) {
  if (number < first || number >= vars.VectorSize()) return std::nullopt;
  return vars.CheckedVectorAt(number);
}

// Variable 0 of the common and stage tables is never named by a link.
std::optional<int32_t> Operand(int32_t scope, int32_t number, const cCharaBase* lpChara) {
  switch (scope) {
    case kScopeCommon: return VarAt(g_SaveData.m_Vars, number, 1);
    case kScopeStage:
      return g_lpSceneStagePlay != nullptr ? VarAt(g_lpSceneStagePlay->m_StageVar, number, 1) : std::nullopt;
    case kScopeChara: return lpChara != nullptr ? VarAt(lpChara->m_Vars, number, 0) : std::nullopt;
    default: return std::nullopt;
  }
}

// The first row of the formation's own parameters in each shot index.
std::optional<int32_t> FirstFormationRow(int32_t index) {
  switch (index) {
    case 11:
    case 14: return 2;
    case 13: return 0;
    case 15: return 1;
    default: return std::nullopt;
  }
}

constexpr int32_t kFirstMoveTypeRow = 15;

struct cRange {
  int32_t nMin = 0;
  int32_t nMax = 0;
};

// The row's range; the formation and move-type rows take theirs from the
// shot's formation or move type, none outside those tables.
std::optional<cRange> RangeOf(int32_t index, int32_t param, const cFlowCmd& cmd) {
  const cEdShot* shot = cmd.m_Shot.get();
  const std::optional<int32_t> first = FirstFormationRow(index);
  if (first && shot != nullptr && param >= *first && param < *first + 3) {
    const cParamDesc* desc = FormationParamDesc(shot->m_nFormation, param - *first);
    if (desc == nullptr) return std::nullopt;
    return cRange{desc->nMin, desc->nMax};
  }
  if (index == 11 && shot != nullptr && param >= kFirstMoveTypeRow && param < kFirstMoveTypeRow + 3) {
    const cParamDesc* desc = MoveTypeParamDesc(shot->m_nMoveType, param - kFirstMoveTypeRow);
    if (desc == nullptr) return std::nullopt;
    return cRange{desc->nMin, desc->nMax};
  }
  const CMDPARAMDESC& row = g_CmdParamTable.CheckedVectorAt(index).CheckedVectorAt(param);
  return cRange{row.nMin, row.nMax};
}

}  // namespace variable_links

void ApplyVariableLink(cFlowCmd* lpCmd, const cVector<int32_t>& link, cCharaBase* lpChara) {
  using namespace variable_links;
  if (lpCmd == nullptr || link.VectorSize() < kLinkFields) return;
  const int32_t index = CmdParamIndex(*lpCmd);
  if (index != link.CheckedVectorAt(kLinkIndex) || index < 0 || index >= kFlowCmdKindCount) return;
  const CmdParamSetter setter = g_CmdParamSetters[static_cast<std::size_t>(index)];
  const CmdParamGetter getter = g_CmdParamGetters[static_cast<std::size_t>(index)];
  if (setter == nullptr || getter == nullptr) return;
  const int32_t param = link.CheckedVectorAt(kLinkParam);
  // A parameter outside the rows (every parameter of 3, 4 and 7) or a command
  // without the settings its row reads is left as it is.
  if (!HasCmdParam(index, param, *lpCmd) || index >= g_CmdParamTable.VectorSize()) return;
  const std::optional<int32_t> operand = Operand(link.CheckedVectorAt(kLinkScope), link.CheckedVectorAt(kLinkVar), lpChara);
  if (!operand) return;
  const std::optional<cRange> range = RangeOf(index, param, *lpCmd);
  if (!range) return;
  int32_t current = 0;
  getter(&current, param, lpCmd);
  // The link operations are the status operations: exact in 64 bits, then clamped.
  int32_t value = current;
  ApplyStatusOp(&value, *operand, link.CheckedVectorAt(kLinkOp), range->nMin, range->nMax);
  if (index == kGraphicIndex && param == 0 && lpCmd->m_Params.VectorSize() > 0 &&
      lpCmd->m_Params.CheckedVectorAt(0) == kExclusiveBitmap && value >= g_Database.m_BmpCharaExcs.VectorSize()) {
    value = 1;
  }
  setter(value, param, lpCmd);
}

void ApplyFlowVariableLinks(cFlowCmd* lpCmd, cCharaBase* lpChara, cFlowInstance* lpFlow) {
  if (lpFlow == nullptr) return;
  for (const cVector<int32_t>& link : lpFlow->m_Links) ApplyVariableLink(lpCmd, link, lpChara);
}

void ApplyCharaVariableLinks(cFlowCmd* lpCmd, cHero* lpHero) {
  if (lpHero == nullptr) return;
  for (const cVector<int32_t>& link : lpHero->m_VarLinks) ApplyVariableLink(lpCmd, link, lpHero);
}
