// What the scenes ask of the settings.

#include "records/settings/system_data.h"

#include <algorithm>

#include "core/text/sjis.h"

void cSystemData::ClampMenuBgm(int32_t bgmCount) {
  for (int32_t& bgm : m_MenuBgm) {
    if (static_cast<uint32_t>(bgm) >= static_cast<uint32_t>(bgmCount)) bgm = 0;
  }
}

int32_t cSystemData::CountEnabled(int32_t playMode) const {
  const cFlagList& list = m_ModeFlagList.CheckedVectorAt(playMode);
  if (list.m_bEnabled == 0) return 0;
  return static_cast<int32_t>(std::count_if(list.m_Flags.begin(), list.m_Flags.end(),
                                            [](uint8_t flag) { return flag != 0; }));
}

bool cSystemData::IsGaugeLow(int32_t gauge, int32_t value, int32_t maximum) const {
  if (maximum <= 0) return false;
  const cStatusGauge& g = m_GaugeList.CheckedVectorAt(gauge);
  if (g.m_bWarnPercent != 0) {
    return static_cast<double>(g.m_nWarnAt) >= static_cast<double>(value) * 100.0 / maximum;
  }
  return g.m_nWarnAt >= value;
}

int32_t cSystemData::TextMenuLeft(int32_t x, int32_t first, int32_t count, int32_t cursor) const {
  int32_t widest = 0;
  for (int32_t i = first; i < first + count; ++i) {
    widest = std::max(widest, static_cast<int32_t>(SjisCharCount(m_TextList.CheckedVectorAt(i).c_str())));
  }
  return x - ((cursor != 0 ? 1 : 0) + widest) * 16 / 2;
}
