// The base record of the settings file: which members each data version stored,
// in file order.

#include <cstdint>
#include <limits>

#include "records/settings/system_data.h"

namespace {

constexpr int32_t kAny = 0;
constexpr int32_t kNewest = std::numeric_limits<int32_t>::max();

// One stored field: an int, or (for the transparent colour) a byte, present in
// files of versions from .. to, with its member's name for the registration.
struct StoredField {
  int32_t from;
  int32_t cSystemData::* intMember;
  uint8_t cSystemData::* byteMember = nullptr;
  int32_t to = kNewest;
  const char* name = "";
};

using S = cSystemData;

// The table names each member once; the macros write its name beside it.
#define INT_FIELD(from, member) StoredField{from, &S::member, nullptr, kNewest, #member}
#define BYTE_FIELD(from, member) StoredField{from, nullptr, &S::member, kNewest, #member}

// Fields 16 to 25 appeared with version 167 as a block; none of their own
// thresholds lies below it.
constexpr StoredField kStoredFields[] = {
    INT_FIELD(185, m_bExtraLives),
    INT_FIELD(kAny, m_nExtraLifeScore),
    INT_FIELD(kAny, m_bPauseHideStage),
    INT_FIELD(kAny, m_bFastFont),
    INT_FIELD(205, m_nFontFace),
    INT_FIELD(170, m_bCenterGlyphs),
    INT_FIELD(113, m_bKeepFlaggedFlows),
    INT_FIELD(184, m_bReplay),
    INT_FIELD(157, m_bTitleMenuPicture),
    INT_FIELD(821, m_bStorySlotList),
    INT_FIELD(kAny, m_bStoryKeepLives),
    INT_FIELD(191, m_bContinuePrompt),
    INT_FIELD(191, m_bMapShowLives),
    INT_FIELD(kAny, m_nChallengeStages),
    INT_FIELD(kAny, m_bChallengeAllOpen),
    INT_FIELD(167, m_bMapShowScore),
    INT_FIELD(167, m_bMapMenuShowTotal),
    INT_FIELD(188, m_bStoryRestoreVars),
    INT_FIELD(224, m_bStoryPauseRetry),
    INT_FIELD(167, m_bSelectShowBest),
    INT_FIELD(167, m_bSelectShowTotal),
    INT_FIELD(188, m_bChallengeRestoreVars),
    INT_FIELD(224, m_bChallengePauseRetry),
    INT_FIELD(188, m_bFreeRestoreVars),
    INT_FIELD(192, m_bFreeStageRestoreVars),
    INT_FIELD(187, m_nColourMode),
    BYTE_FIELD(187, m_byTransRed),
    BYTE_FIELD(187, m_byTransGreen),
    BYTE_FIELD(187, m_byTransBlue),
    INT_FIELD(214, m_bLegacy214),
    StoredField{221, &S::m_nDroppedField, nullptr, 259, "m_nDroppedField"},
    INT_FIELD(261, m_bLegacy261),
    INT_FIELD(272, m_bSwitch272),
    INT_FIELD(287, m_bSwitch287),
    INT_FIELD(515, m_nColourCycleStep),
    INT_FIELD(289, m_bPaletteAnimation),
    INT_FIELD(757, m_bStoryPauseMap),
    INT_FIELD(525, m_bLegacy525),
    INT_FIELD(555, m_bLegacy555),
    INT_FIELD(637, m_bLegacy637),
    INT_FIELD(669, m_bLegacy669),
    INT_FIELD(677, m_bLegacy677),
    INT_FIELD(695, m_bLegacy695),
    INT_FIELD(696, m_bLegacy696),
    INT_FIELD(697, m_bLegacy697),
    INT_FIELD(721, m_bLegacy721),
    INT_FIELD(728, m_bLegacy728),
    INT_FIELD(733, m_bLegacy733),
    INT_FIELD(744, m_bLegacy744),
    INT_FIELD(749, m_bLegacy749),
    INT_FIELD(752, m_bLegacy752),
    INT_FIELD(763, m_bLegacy763A),
    INT_FIELD(763, m_bLegacy763B),
    INT_FIELD(768, m_bLegacy768),
    INT_FIELD(773, m_bLegacy773),
    INT_FIELD(781, m_bLegacy781),
    INT_FIELD(782, m_bLegacy782),
    INT_FIELD(783, m_bLegacy783),
    INT_FIELD(793, m_bLegacy793),
    INT_FIELD(805, m_bLegacy805),
    INT_FIELD(808, m_bLegacy808),
    INT_FIELD(818, m_bLegacy818A),
    INT_FIELD(818, m_bLegacy818B),
    INT_FIELD(819, m_bLegacy819),
    INT_FIELD(822, m_bLegacy822),
    INT_FIELD(827, m_bLegacy827),
    INT_FIELD(831, m_bLegacy831),
    INT_FIELD(833, m_bLegacy833),
    INT_FIELD(670, m_nFullScreenDepthD3D),
    INT_FIELD(670, m_nFullScreenDepthDD),
};

#undef INT_FIELD
#undef BYTE_FIELD

}  // namespace

void cSystemData::RegisterFields(int32_t nVersion) {
  ResetFieldTables();
  AddStringField(&m_strTitle);
  for (const StoredField& field : kStoredFields) {
    if (nVersion < field.from || nVersion > field.to) continue;
    if (field.byteMember != nullptr) {
      AddCharFieldNamed(field.name, &(this->*field.byteMember));
    } else {
      AddIntFieldNamed(field.name, &(this->*field.intMember));
    }
  }
}
