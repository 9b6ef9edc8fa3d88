// Repairs after a load. The program indexes the settings' lists by fixed numbers
// (play modes, gauges, texts, menu kinds, ini keys) and sizes things by a few
// values; a file with a short list or an out-of-range value must not turn those
// into bad accesses later. Entries a list lacks take a new project's values.

#include "records/project/font_face_names.h"
#include "records/settings/system_data.h"

namespace {

// Appends the entries of defaults that list lacks.
template <class T>
void PadFrom(cVector<T>& list, const cVector<T>& defaults) {
  for (int32_t i = list.VectorSize(); i < defaults.VectorSize(); ++i) {
    list.push_back(defaults.CheckedVectorAt(i));
  }
}

}  // namespace

void cSystemData::RepairAfterLoad() {
  const cSystemData defaults;
  PadFrom(m_CarryOver, defaults.m_CarryOver);
  PadFrom(m_ResetOnDeath, defaults.m_ResetOnDeath);
  PadFrom(m_GaugeList, defaults.m_GaugeList);
  PadFrom(m_TitleMenu, defaults.m_TitleMenu);
  PadFrom(m_MapMenu, defaults.m_MapMenu);
  PadFrom(m_OptionMenu, defaults.m_OptionMenu);
  PadFrom(m_RankingEntryModes, defaults.m_RankingEntryModes);
  PadFrom(m_StartLives, defaults.m_StartLives);
  PadFrom(m_InfiniteLives, defaults.m_InfiniteLives);
  PadFrom(m_ModeFlagList, defaults.m_ModeFlagList);
  // A table the file does not mention does not exist.
  for (cFlagList& list : m_ModeFlagList) {
    if (list.m_Flags.VectorSize() < kRankingTableCount) list.m_Flags.resize(kRankingTableCount, 0);
  }
  PadFrom(m_TextList, defaults.m_TextList);
  PadFrom(m_SystemSounds, defaults.m_SystemSounds);
  PadFrom(m_MenuBgm, defaults.m_MenuBgm);
  PadFrom(m_MenuBgmKeep, defaults.m_MenuBgmKeep);
  PadFrom(m_IniKeys, defaults.m_IniKeys);

  // The challenge stage count sizes the save data's result list.
  if (m_nChallengeStages < 0) m_nChallengeStages = 0;
  // The face index picks a name from the font-face table (its closing empty name
  // included).
  if (m_nFontFace < 0 || m_nFontFace > static_cast<int32_t>(kFontFaceCount)) {
    m_nFontFace = kDefaultFontFace;
  }
}
