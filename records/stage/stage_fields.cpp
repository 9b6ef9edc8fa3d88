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

using S = cStageData;
constexpr std::array<cHeaderRow, 98> kHeaderRows = {{
    {"m_nWidth", &S::m_nWidth, 0, kAll},
    {"m_nSpare1", &S::m_nSpare1, 0, kAll},
    {"m_nSpare2", &S::m_nSpare2, 0, kAll},
    {"m_nHeight", &S::m_nHeight, 0, kAll},
    {"m_bScrollLimitLeft", &S::m_bScrollLimitLeft, 0, kAll},
    {"m_bScrollLimitRight", &S::m_bScrollLimitRight, 0, kAll},
    {"m_bScrollLimitTop", &S::m_bScrollLimitTop, 0, kAll},
    {"m_bScrollLimitBottom", &S::m_bScrollLimitBottom, 0, kAll},
    {"m_nScrollLimitLeft", &S::m_nScrollLimitLeft, 0, kAll},
    {"m_nScrollLimitRight", &S::m_nScrollLimitRight, 0, kAll},
    {"m_nScrollLimitTop", &S::m_nScrollLimitTop, 0, kAll},
    {"m_nScrollLimitBottom", &S::m_nScrollLimitBottom, 0, kAll},
    {"m_nFps", &S::m_nFps, 60, kAll},
    {"m_bTimeLimit", &S::m_bTimeLimit, 0, kAll},
    {"m_nTimeLimit", &S::m_nTimeLimit, 200, kAll},
    {"m_nTimeWarning", &S::m_nTimeWarning, 20, kAll},
    {"m_bAutoScrollX", &S::m_bAutoScrollX, 0, kAll},
    {"m_bAutoScrollY", &S::m_bAutoScrollY, 0, kAll},
    {"m_nAutoScrollSpeedX", &S::m_nAutoScrollSpeedX, 0, kAll},
    {"m_nAutoScrollSpeedY", &S::m_nAutoScrollSpeedY, 0, kAll},
    {"m_dGravity", &S::m_dGravity, 0.4, kAll},
    {"m_nCollisionLevel", &S::m_nCollisionLevel, kDefaultCollisionLevel, kAll},
    {"m_nContactSteps", &S::m_nContactSteps, 0, kAll},
    {"m_nBgm", &S::m_nBgm, 0, kAll},
    {"m_nBgmOption", &S::m_nBgmOption, 0, 166},
    {"m_bBgmContinue", &S::m_bBgmContinue, 0, 199},
    {"m_bObjectLayers", &S::m_bObjectLayers, 1, kAll},
    {"m_bCarryHeroStatus", &S::m_bCarryHeroStatus, 0, kAll},
    {"m_bStoreHeroStatus", &S::m_bStoreHeroStatus, 0, kAll},
    {"m_nSceneSetting", &S::m_nSceneSetting, 1, 183},
    {"m_bResultAutoEnd", &S::m_bResultAutoEnd, 0, 184},
    {"m_bStartBanner1", &S::m_bStartBanner1, 0, kAll},
    {"m_bStartBanner2", &S::m_bStartBanner2, 1, 225},
    {"m_bClearPicture", &S::m_bClearPicture, 1, kAll},
    {"m_bGameOverPicture", &S::m_bGameOverPicture, 1, kAll},
    // 36: the boxes.
    {"m_nHeroBoxW", &S::m_nHeroBoxW, 16, 200},
    {"m_nHeroBoxH", &S::m_nHeroBoxH, 24, 200},
    {"m_nHeroBoxW2", &S::m_nHeroBoxW2, 16, 200},
    {"m_nHeroBoxH2", &S::m_nHeroBoxH2, 16, 200},
    {"m_nHeroHitW", &S::m_nHeroHitW, 16, kAll},
    {"m_nHeroHitH", &S::m_nHeroHitH, 24, kAll},
    {"m_nHeroHitW2", &S::m_nHeroHitW2, 16, 155},
    {"m_nHeroHitH2", &S::m_nHeroHitH2, 16, 155},
    {"m_nHeroShotHitW", &S::m_nHeroShotHitW, 12, kAll},
    {"m_nHeroShotHitH", &S::m_nHeroShotHitH, 8, kAll},
    {"m_nHeroItemBoxW", &S::m_nHeroItemBoxW, 16, kAll},
    {"m_nHeroItemBoxH", &S::m_nHeroItemBoxH, 16, kAll},
    {"m_bHeroBoxBottom", &S::m_bHeroBoxBottom, 1, 200},
    {"m_bHeroBoxBottom2", &S::m_bHeroBoxBottom2, 0, 200},
    {"m_bHeroHitBottom", &S::m_bHeroHitBottom, 1, 155},
    {"m_bHeroHitBottom2", &S::m_bHeroHitBottom2, 0, 155},
    {"m_nShowMainBox", &S::m_nShowMainBox, 0, 200},
    {"m_nShowHitRange", &S::m_nShowHitRange, 0, kAll},
    {"m_nShowShotHitRange", &S::m_nShowShotHitRange, 0, kAll},
    {"m_nShowItemBox", &S::m_nShowItemBox, 0, kAll},
    {"m_nMainBoxColour", &S::m_nMainBoxColour, 0, 200},
    {"m_nHitRangeColour", &S::m_nHitRangeColour, 0, kAll},
    {"m_nShotHitRangeColour", &S::m_nShotHitRangeColour, 0, kAll},
    {"m_nItemBoxColour", &S::m_nItemBoxColour, 0, kAll},
    {"m_nCharaBoxW", &S::m_nCharaBoxW, 16, 200},
    {"m_nCharaBoxH", &S::m_nCharaBoxH, 24, 200},
    {"m_nCharaBoxW2", &S::m_nCharaBoxW2, 16, 200},
    {"m_nCharaBoxH2", &S::m_nCharaBoxH2, 16, 200},
    {"m_nCharaHitW", &S::m_nCharaHitW, 12, kAll},
    {"m_nCharaHitH", &S::m_nCharaHitH, 24, kAll},
    {"m_nCharaHitW2", &S::m_nCharaHitW2, 12, 155},
    {"m_nCharaHitH2", &S::m_nCharaHitH2, 16, 155},
    {"m_nCharaShotHitW", &S::m_nCharaShotHitW, 30, kAll},
    {"m_nCharaShotHitH", &S::m_nCharaShotHitH, 30, kAll},
    {"m_bCharaBoxBottom", &S::m_bCharaBoxBottom, 1, 200},
    {"m_bCharaBoxBottom2", &S::m_bCharaBoxBottom2, 0, 200},
    {"m_bCharaHitBottom", &S::m_bCharaHitBottom, 1, 155},
    {"m_bCharaHitBottom2", &S::m_bCharaHitBottom2, 0, 155},
    {"m_nItemBoxW", &S::m_nItemBoxW, 28, kAll},
    {"m_nItemBoxH", &S::m_nItemBoxH, 28, kAll},
    {"m_ShotBox[0]", cShotBoxEntry{0}, 16, kAll},
    {"m_ShotBox[1]", cShotBoxEntry{1}, 16, kAll},
    {"m_ShotBox[2]", cShotBoxEntry{2}, 16, kAll},
    {"m_ShotBox[3]", cShotBoxEntry{3}, 16, kAll},
    {"m_ShotBox[4]", cShotBoxEntry{4}, 16, kAll},
    {"m_ShotBox[5]", cShotBoxEntry{5}, 16, kAll},
    {"m_ShotBox[6]", cShotBoxEntry{6}, 16, kAll},
    {"m_ShotBox[7]", cShotBoxEntry{7}, 16, kAll},
    {"m_nSpare3", &S::m_nSpare3, 1, kAll},
    // 85: scroll extents, derived values, further settings.
    {"m_nScrollExtraX", &S::m_nScrollExtraX, 0, kAll},
    {"m_nScrollExtraY", &S::m_nScrollExtraY, 0, kAll},
    {"m_nSubSteps", &S::m_nSubSteps, 0, kAll},
    {"m_dSubSteps", &S::m_dSubSteps, 0, kAll},
    {"m_dSubSteps2", &S::m_dSubSteps2, 0, kAll},
    {"m_dMaxSpeed", &S::m_dMaxSpeed, 0, kAll},
    {"m_dSubGravity", &S::m_dSubGravity, 0, kAll},
    {"m_dMaxSubSpeed", &S::m_dMaxSubSpeed, 0, kAll},
    {"m_nFallSteps", &S::m_nFallSteps, 0, kAll},
    {"m_nContactSetting", &S::m_nContactSetting, 1, kAll},
    {"m_nHeroImmuneFrames", &S::m_nHeroImmuneFrames, 30, kAll},
    {"m_nHeroInvincibleFrames", &S::m_nHeroInvincibleFrames, 0, kAll},
    {"m_nCharaImmuneFrames", &S::m_nCharaImmuneFrames, 30, kAll},
    {"m_nCharaInvincibleFrames", &S::m_nCharaInvincibleFrames, 0, kAll},
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
