// The header registration of cStageData and the defaults of its registered
// fields, from one table in file order.

#include <array>
#include <variant>

#include "records/stage/stage_data.h"

namespace {

struct cShotBoxEntry {
  int32_t index;
};
using cFieldRef = std::variant<int32_t cStageData::*, double cStageData::*, cShotBoxEntry>;

// Derived fields start at 0 here; SetCollisionLevel gives their values.
struct cHeaderRow {
  const char* name;  // the member, as the registration names it
  cFieldRef field;
  double dDefault;
  int32_t nFrom;  // registered for files of this data version and later
};

constexpr int32_t kAll = 0;

using Stage = cStageData;
constexpr std::array<cHeaderRow, 98> kHeaderRows = {{
    {"m_nWidth", &Stage::m_nWidth, 0, kAll},
    {"m_nSpare1", &Stage::m_nSpare1, 0, kAll},
    {"m_nSpare2", &Stage::m_nSpare2, 0, kAll},
    {"m_nHeight", &Stage::m_nHeight, 0, kAll},
    {"m_bScrollLimitLeft", &Stage::m_bScrollLimitLeft, 0, kAll},
    {"m_bScrollLimitRight", &Stage::m_bScrollLimitRight, 0, kAll},
    {"m_bScrollLimitTop", &Stage::m_bScrollLimitTop, 0, kAll},
    {"m_bScrollLimitBottom", &Stage::m_bScrollLimitBottom, 0, kAll},
    {"m_nScrollLimitLeft", &Stage::m_nScrollLimitLeft, 0, kAll},
    {"m_nScrollLimitRight", &Stage::m_nScrollLimitRight, 0, kAll},
    {"m_nScrollLimitTop", &Stage::m_nScrollLimitTop, 0, kAll},
    {"m_nScrollLimitBottom", &Stage::m_nScrollLimitBottom, 0, kAll},
    {"m_nFps", &Stage::m_nFps, 60, kAll},
    {"m_bTimeLimit", &Stage::m_bTimeLimit, 0, kAll},
    {"m_nTimeLimit", &Stage::m_nTimeLimit, 200, kAll},
    {"m_nTimeWarning", &Stage::m_nTimeWarning, 20, kAll},
    {"m_bAutoScrollX", &Stage::m_bAutoScrollX, 0, kAll},
    {"m_bAutoScrollY", &Stage::m_bAutoScrollY, 0, kAll},
    {"m_nAutoScrollSpeedX", &Stage::m_nAutoScrollSpeedX, 0, kAll},
    {"m_nAutoScrollSpeedY", &Stage::m_nAutoScrollSpeedY, 0, kAll},
    {"m_dGravity", &Stage::m_dGravity, 0.4, kAll},
    {"m_nCollisionLevel", &Stage::m_nCollisionLevel, kDefaultCollisionLevel, kAll},
    {"m_nContactSteps", &Stage::m_nContactSteps, 0, kAll},
    {"m_nBgm", &Stage::m_nBgm, 0, kAll},
    {"m_nBgmOption", &Stage::m_nBgmOption, 0, 166},
    {"m_bBgmContinue", &Stage::m_bBgmContinue, 0, 199},
    {"m_bObjectLayers", &Stage::m_bObjectLayers, 1, kAll},
    {"m_bCarryHeroStatus", &Stage::m_bCarryHeroStatus, 0, kAll},
    {"m_bStoreHeroStatus", &Stage::m_bStoreHeroStatus, 0, kAll},
    {"m_nSceneSetting", &Stage::m_nSceneSetting, 1, 183},
    {"m_bResultAutoEnd", &Stage::m_bResultAutoEnd, 0, 184},
    {"m_bStartBanner1", &Stage::m_bStartBanner1, 0, kAll},
    {"m_bStartBanner2", &Stage::m_bStartBanner2, 1, 225},
    {"m_bClearPicture", &Stage::m_bClearPicture, 1, kAll},
    {"m_bGameOverPicture", &Stage::m_bGameOverPicture, 1, kAll},
    // 36: the boxes.
    {"m_nHeroBoxW", &Stage::m_nHeroBoxW, 16, 200},
    {"m_nHeroBoxH", &Stage::m_nHeroBoxH, 24, 200},
    {"m_nHeroBoxW2", &Stage::m_nHeroBoxW2, 16, 200},
    {"m_nHeroBoxH2", &Stage::m_nHeroBoxH2, 16, 200},
    {"m_nHeroHitW", &Stage::m_nHeroHitW, 16, kAll},
    {"m_nHeroHitH", &Stage::m_nHeroHitH, 24, kAll},
    {"m_nHeroHitW2", &Stage::m_nHeroHitW2, 16, 155},
    {"m_nHeroHitH2", &Stage::m_nHeroHitH2, 16, 155},
    {"m_nHeroShotHitW", &Stage::m_nHeroShotHitW, 12, kAll},
    {"m_nHeroShotHitH", &Stage::m_nHeroShotHitH, 8, kAll},
    {"m_nHeroItemBoxW", &Stage::m_nHeroItemBoxW, 16, kAll},
    {"m_nHeroItemBoxH", &Stage::m_nHeroItemBoxH, 16, kAll},
    {"m_bHeroBoxBottom", &Stage::m_bHeroBoxBottom, 1, 200},
    {"m_bHeroBoxBottom2", &Stage::m_bHeroBoxBottom2, 0, 200},
    {"m_bHeroHitBottom", &Stage::m_bHeroHitBottom, 1, 155},
    {"m_bHeroHitBottom2", &Stage::m_bHeroHitBottom2, 0, 155},
    {"m_nShowMainBox", &Stage::m_nShowMainBox, 0, 200},
    {"m_nShowHitRange", &Stage::m_nShowHitRange, 0, kAll},
    {"m_nShowShotHitRange", &Stage::m_nShowShotHitRange, 0, kAll},
    {"m_nShowItemBox", &Stage::m_nShowItemBox, 0, kAll},
    {"m_nMainBoxColour", &Stage::m_nMainBoxColour, 0, 200},
    {"m_nHitRangeColour", &Stage::m_nHitRangeColour, 0, kAll},
    {"m_nShotHitRangeColour", &Stage::m_nShotHitRangeColour, 0, kAll},
    {"m_nItemBoxColour", &Stage::m_nItemBoxColour, 0, kAll},
    {"m_nCharaBoxW", &Stage::m_nCharaBoxW, 16, 200},
    {"m_nCharaBoxH", &Stage::m_nCharaBoxH, 24, 200},
    {"m_nCharaBoxW2", &Stage::m_nCharaBoxW2, 16, 200},
    {"m_nCharaBoxH2", &Stage::m_nCharaBoxH2, 16, 200},
    {"m_nCharaHitW", &Stage::m_nCharaHitW, 12, kAll},
    {"m_nCharaHitH", &Stage::m_nCharaHitH, 24, kAll},
    {"m_nCharaHitW2", &Stage::m_nCharaHitW2, 12, 155},
    {"m_nCharaHitH2", &Stage::m_nCharaHitH2, 16, 155},
    {"m_nCharaShotHitW", &Stage::m_nCharaShotHitW, 30, kAll},
    {"m_nCharaShotHitH", &Stage::m_nCharaShotHitH, 30, kAll},
    {"m_bCharaBoxBottom", &Stage::m_bCharaBoxBottom, 1, 200},
    {"m_bCharaBoxBottom2", &Stage::m_bCharaBoxBottom2, 0, 200},
    {"m_bCharaHitBottom", &Stage::m_bCharaHitBottom, 1, 155},
    {"m_bCharaHitBottom2", &Stage::m_bCharaHitBottom2, 0, 155},
    {"m_nItemBoxW", &Stage::m_nItemBoxW, 28, kAll},
    {"m_nItemBoxH", &Stage::m_nItemBoxH, 28, kAll},
    {"m_ShotBox[0]", cShotBoxEntry{0}, 16, kAll},
    {"m_ShotBox[1]", cShotBoxEntry{1}, 16, kAll},
    {"m_ShotBox[2]", cShotBoxEntry{2}, 16, kAll},
    {"m_ShotBox[3]", cShotBoxEntry{3}, 16, kAll},
    {"m_ShotBox[4]", cShotBoxEntry{4}, 16, kAll},
    {"m_ShotBox[5]", cShotBoxEntry{5}, 16, kAll},
    {"m_ShotBox[6]", cShotBoxEntry{6}, 16, kAll},
    {"m_ShotBox[7]", cShotBoxEntry{7}, 16, kAll},
    {"m_nSpare3", &Stage::m_nSpare3, 1, kAll},
    // 85: scroll extents, derived values, further settings.
    {"m_nScrollExtraX", &Stage::m_nScrollExtraX, 0, kAll},
    {"m_nScrollExtraY", &Stage::m_nScrollExtraY, 0, kAll},
    {"m_nSubSteps", &Stage::m_nSubSteps, 0, kAll},
    {"m_dSubSteps", &Stage::m_dSubSteps, 0, kAll},
    {"m_dSubSteps2", &Stage::m_dSubSteps2, 0, kAll},
    {"m_dMaxSpeed", &Stage::m_dMaxSpeed, 0, kAll},
    {"m_dSubGravity", &Stage::m_dSubGravity, 0, kAll},
    {"m_dMaxSubSpeed", &Stage::m_dMaxSubSpeed, 0, kAll},
    {"m_nFallSteps", &Stage::m_nFallSteps, 0, kAll},
    {"m_nContactSetting", &Stage::m_nContactSetting, 1, kAll},
    {"m_nHeroImmuneFrames", &Stage::m_nHeroImmuneFrames, 30, kAll},
    {"m_nHeroInvincibleFrames", &Stage::m_nHeroInvincibleFrames, 0, kAll},
    {"m_nCharaImmuneFrames", &Stage::m_nCharaImmuneFrames, 30, kAll},
    {"m_nCharaInvincibleFrames", &Stage::m_nCharaInvincibleFrames, 0, kAll},
}};

// Calls intField(int32_t&) or doubleField(double&) with the member a row
// names in stage.
template <class IntFn, class DoubleFn>
void VisitRow(cStageData& stage, const cHeaderRow& row, IntFn intField, DoubleFn doubleField) {
  if (const auto* member = std::get_if<int32_t cStageData::*>(&row.field)) {
    intField(stage.**member);
  } else if (const auto* member = std::get_if<double cStageData::*>(&row.field)) {
    doubleField(stage.**member);
  } else {
    intField(stage.m_ShotBox[std::get<cShotBoxEntry>(row.field).index]);
  }
}

}  // namespace

void cStageData::RegisterFields(int32_t nVersion) {
  ResetFieldTables();
  AddStringField(&m_strText);
  for (const cHeaderRow& row : kHeaderRows) {
    if (nVersion < row.nFrom) continue;
    VisitRow(
        *this, row, [this, &row](int32_t& field) { AddIntFieldNamed(row.name, &field); },
        [this, &row](double& field) { AddDoubleFieldNamed(row.name, &field); });
  }
}

void cStageData::SetHeaderDefaults() {
  for (const cHeaderRow& row : kHeaderRows) {
    VisitRow(
        *this, row, [&row](int32_t& field) { field = static_cast<int32_t>(row.dDefault); },
        [&row](double& field) { field = row.dDefault; });
  }
}
