// The base record of the settings file: which members each data version stored,
// in file order.

#include <cstdint>
#include <limits>

#include "records/settings/system_data.h"

namespace {

constexpr int32_t kAny = 0;
constexpr int32_t kNewest = std::numeric_limits<int32_t>::max();

// One stored field: an int, or (for the transparent colour) a byte, present in
// files of versions from .. to.
struct StoredField {
  int32_t from;
  int32_t cSystemData::* intMember;
  uint8_t cSystemData::* byteMember = nullptr;
  int32_t to = kNewest;
};

constexpr StoredField Byte(int32_t from, uint8_t cSystemData::* member) {
  return StoredField{from, nullptr, member};
}

using S = cSystemData;

// Fields 16 to 25 appeared with version 167 as a block; none of their own
// thresholds lies below it.
constexpr StoredField kStoredFields[] = {
    {185, &S::m_bExtraLives},
    {kAny, &S::m_nExtraLifeScore},
    {kAny, &S::m_bPauseHideStage},
    {kAny, &S::m_bFastFont},
    {205, &S::m_nFontFace},
    {170, &S::m_bCenterGlyphs},
    {113, &S::m_bKeepFlaggedFlows},
    {184, &S::m_bReplay},
    {157, &S::m_bTitleMenuPicture},
    {821, &S::m_bStorySlotList},
    {kAny, &S::m_bStoryKeepLives},
    {191, &S::m_bContinuePrompt},
    {191, &S::m_bMapShowLives},
    {kAny, &S::m_nChallengeStages},
    {kAny, &S::m_bChallengeAllOpen},
    {167, &S::m_bMapShowScore},
    {167, &S::m_bMapMenuShowTotal},
    {188, &S::m_bStoryRestoreVars},
    {224, &S::m_bStoryPauseRetry},
    {167, &S::m_bSelectShowBest},
    {167, &S::m_bSelectShowTotal},
    {188, &S::m_bChallengeRestoreVars},
    {224, &S::m_bChallengePauseRetry},
    {188, &S::m_bFreeRestoreVars},
    {192, &S::m_bFreeStageRestoreVars},
    {187, &S::m_nColourMode},
    Byte(187, &S::m_byTransRed),
    Byte(187, &S::m_byTransGreen),
    Byte(187, &S::m_byTransBlue),
    {214, &S::m_bLegacy214},
    {221, &S::m_nDroppedField, nullptr, 259},
    {261, &S::m_bLegacy261},
    {272, &S::m_bSwitch272},
    {287, &S::m_bSwitch287},
    {515, &S::m_nColourCycleStep},
    {289, &S::m_bPaletteAnimation},
    {757, &S::m_bStoryPauseMap},
    {525, &S::m_bLegacy525},
    {555, &S::m_bLegacy555},
    {637, &S::m_bLegacy637},
    {669, &S::m_bLegacy669},
    {677, &S::m_bLegacy677},
    {695, &S::m_bLegacy695},
    {696, &S::m_bLegacy696},
    {697, &S::m_bLegacy697},
    {721, &S::m_bLegacy721},
    {728, &S::m_bLegacy728},
    {733, &S::m_bLegacy733},
    {744, &S::m_bLegacy744},
    {749, &S::m_bLegacy749},
    {752, &S::m_bLegacy752},
    {763, &S::m_bLegacy763A},
    {763, &S::m_bLegacy763B},
    {768, &S::m_bLegacy768},
    {773, &S::m_bLegacy773},
    {781, &S::m_bLegacy781},
    {782, &S::m_bLegacy782},
    {783, &S::m_bLegacy783},
    {793, &S::m_bLegacy793},
    {805, &S::m_bLegacy805},
    {808, &S::m_bLegacy808},
    {818, &S::m_bLegacy818A},
    {818, &S::m_bLegacy818B},
    {819, &S::m_bLegacy819},
    {822, &S::m_bLegacy822},
    {827, &S::m_bLegacy827},
    {831, &S::m_bLegacy831},
    {833, &S::m_bLegacy833},
    {670, &S::m_nFullScreenDepthD3D},
    {670, &S::m_nFullScreenDepthDD},
};

}  // namespace

void cSystemData::RegisterFields(int32_t nVersion) {
  ResetFieldTables();
  AddStringField(&m_strTitle);
  for (const StoredField& field : kStoredFields) {
    if (nVersion < field.from || nVersion > field.to) continue;
    if (field.byteMember != nullptr) {
      AddCharField(&(this->*field.byteMember));
    } else {
      AddIntField(&(this->*field.intMember));
    }
  }
}
