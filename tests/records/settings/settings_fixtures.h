#pragma once
// Helpers of the settings tests: settings records filled with values a new
// project never has, and loads of file images.

#include <cstdint>
#include <cstring>
#include <string>

#include "records/record/record_test_env.h"
#include "records/settings/system_data.h"

// Loads an image (a byte string) as data\System.dat would load.
inline eRecordFile LoadSettingsImage(cSystemData& settings, const std::string& image) {
  return LoadRecordImage(settings, ToImage(image));
}

// Every registered field of the current layout gets its own value (field i:
// i + 2 in its first byte, 0 in the rest), the title and every list other
// contents than a new project's, lists at least as long as a new project's.
inline cSystemData DistinctSettings() {
  cSystemData s;
  s.RegisterFields(g_nDataVersion);
  int32_t index = 0;
  for (const FIELDDATA& field : s.FieldTable()) {
    std::memset(field.lpData, 0, static_cast<std::size_t>(field.nCount) * field.bySize);
    *static_cast<uint8_t*>(field.lpData) = static_cast<uint8_t>(index + 2);
    ++index;
  }
  s.m_strTitle = "ゲーム";
  for (int32_t i = 0; i < s.m_CarryOver.VectorSize(); ++i) s.m_CarryOver.CheckedVectorAt(i) = uint8_t(i + 1);
  s.m_ResetOnDeath.push_back(1);
  s.m_GaugeList.CheckedVectorAt(2) = cStatusGauge(0, 1, "体力", 7);
  s.m_GaugeList.CheckedVectorAt(2).m_nWarnAt = 20;
  s.m_StartLives = {1, 2, 3, 4, 5};
  s.m_InfiniteLives = {0, 1, 0, 0};
  s.m_ModeFlagList.CheckedVectorAt(1).m_Flags = {1, 0, 1, 0, 1, 1};
  s.m_TextList.push_back("extra\r\ntext");  // list strings keep their carriage returns
  s.m_TextList.CheckedVectorAt(3) = "ハイ";
  s.m_SystemSounds.CheckedVectorAt(0) = "se\\decide.wav";
  s.m_MenuBgm = {1, 2, 3, 4};
  s.m_MenuBgmKeep = {0, 1, 0, 1};
  s.m_TitleMenu.CheckedVectorAt(4) = cCmd(0, "再生");
  s.m_MapMenu.push_back(cCmd(1, "おまけ"));
  s.m_OptionMenu.CheckedVectorAt(5).strName = "その他";
  s.m_RankingEntryModes.CheckedVectorAt(0) = "手動";
  s.m_IniKeys.CheckedVectorAt(8).m_strDefault = "stage\\a.stg4_001";
  s.m_IniKeys.CheckedVectorAt(3).m_nDefault = 1;
  return s;
}

class SettingsTest : public RecordTest {};
