#include "records/options/option_data.h"

#include <algorithm>
#include <iterator>

#include "core/globals/global_order.h"
#include "records/project/path_table.h"

namespace {

// Attenuation per volume step: a curve that the ear hears as even steps.
constexpr int32_t kSeVolumeTable[kSeVolumeSteps] = {
    -10000, -3000, -2000, -1300, -800, -500, -300, -150, -80, -30, 0,
};

int32_t ClampIndex(int32_t value, int32_t count) { return std::clamp(value, 0, count - 1); }

}  // namespace

VP_GLOBAL(kGlobalOptionData, cOptionData g_OptionData);

cOptionData::cOptionData() {
  ClearFields();
  m_bBgm = 1;
  m_nSeVolume = 7;
  m_strRankingName = "aaa";
}

void cOptionData::RegisterFields(int32_t) {
  ResetFieldTables();
  AddIntField(&m_nPalette);
  AddIntField(&m_bBgm);
  AddIntField(&m_nSeVolume);
  AddIntField(&m_nRankingEntryMode);
  AddStringField(&m_strRankingName);
}

bool cOptionData::Load(cRecordReader& reader) {
  if (!cRecord::Load(reader)) return false;
  ClampToRanges();
  return true;
}

void cOptionData::ClampToRanges() {
  m_nPalette = ClampIndex(m_nPalette, kPaletteOptionCount);
  m_nSeVolume = ClampIndex(m_nSeVolume, kSeVolumeSteps);
  m_nRankingEntryMode = ClampIndex(m_nRankingEntryMode, kRankingEntryModeCount);
}

eRecordFile LoadOptionData(cOptionData& options, std::string_view path) {
  return options.LoadFromFileStatus(path);
}

eRecordFile LoadOptionData(cOptionData& options) {
  return LoadOptionData(options, g_PathTable[kPathOption]);
}

int SaveOptionData(cOptionData& options, std::string_view path) {
  return options.SaveToFile(path);
}

int SaveOptionData(cOptionData& options) { return SaveOptionData(options, g_PathTable[kPathOption]); }

int32_t SeVolumeAttenuation(int32_t step) {
  static_assert(std::size(kSeVolumeTable) == kSeVolumeSteps);
  return kSeVolumeTable[ClampIndex(step, kSeVolumeSteps)];
}
