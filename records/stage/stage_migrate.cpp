// What files of older data versions lack, filled in after the load: each
// group runs for files below its version, in this order.

#include <array>

#include "records/stage/stage_data.h"

namespace {

// The flying hit ranges take the ground ones; every hit range was centred.
void SplitFlyingHitRanges(cStageData& s) {
  s.m_nHeroHitW2 = s.m_nHeroHitW;
  s.m_nHeroHitH2 = s.m_nHeroHitH;
  s.m_nCharaHitW2 = s.m_nCharaHitW;
  s.m_nCharaHitH2 = s.m_nCharaHitH;
  s.m_bHeroHitBottom = 0;
  s.m_bHeroHitBottom2 = 0;
  s.m_bCharaHitBottom = 0;
  s.m_bCharaHitBottom2 = 0;
}

void LoopMusic(cStageData& s) { s.m_nBgmOption = 1; }

// Result items 3 and 4 did not exist.
void AddResultSwitches(cStageData& s) {
  s.m_ResultSwitches.resize(kStageResultSwitches, 0);
  s.m_ResultSwitches.CheckedVectorAt(3) = 0;
  s.m_ResultSwitches.CheckedVectorAt(4) = 0;
}

void ShowGauges(cStageData& s) { s.m_nSceneSetting = 1; }
void WaitForResultKey(cStageData& s) { s.m_bResultAutoEnd = 0; }
void RestartMusic(cStageData& s) { s.m_bBgmContinue = 0; }

// The main boxes as they were fixed before they could be set.
void FixedMainBoxes(cStageData& s) {
  s.m_nHeroBoxW = 16;
  s.m_nHeroBoxH = 24;
  s.m_nHeroBoxW2 = 16;
  s.m_nHeroBoxH2 = 16;
  s.m_bHeroBoxBottom = 1;
  s.m_bHeroBoxBottom2 = 0;
  s.m_nShowMainBox = 0;
  s.m_nMainBoxColour = 5;
  s.m_nCharaBoxW = 16;
  s.m_nCharaBoxH = 30;
  s.m_nCharaBoxW2 = 16;
  s.m_nCharaBoxH2 = 30;
  s.m_bCharaBoxBottom = 1;
  s.m_bCharaBoxBottom2 = 1;
}

void NoSecondBanner(cStageData& s) { s.m_bStartBanner2 = 0; }

void ThousandVarNames(cStageData& s) { s.m_VarNames.resize(kStageVarNames); }

struct cMigrationStep {
  int32_t nBelow;
  void (*apply)(cStageData&);
};

constexpr std::array<cMigrationStep, 9> kMigrationSteps = {{
    {155, SplitFlyingHitRanges},
    {166, LoopMusic},
    {181, AddResultSwitches},
    {183, ShowGauges},
    {184, WaitForResultKey},
    {199, RestartMusic},
    {200, FixedMainBoxes},
    {225, NoSecondBanner},
    {754, ThousandVarNames},
}};

}  // namespace

void cStageData::ApplyMigrations(int32_t fileVersion) {
  for (const cMigrationStep& step : kMigrationSteps) {
    if (fileVersion < step.nBelow) step.apply(*this);
  }
}
