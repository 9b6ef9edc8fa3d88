#include "fuzz/harness/data_file_invariants.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <cstdlib>

#include "records/database/anime_set.h"
#include "records/database/database_versions.h"
#include "records/database/sword_type.h"
#include "records/options/option_data.h"
#include "records/palette/common_palette.h"
#include "records/project/font_face_names.h"
#include "records/record/record_file.h"
#include "records/replay/input_log.h"
#include "records/save/save_data.h"
#include "records/settings/flag_list.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_data.h"
#include "records/worldmap/world_map.h"

namespace {

void Require(bool holds, const char* rule) {
  if (holds) return;
  std::fprintf(stderr, "data file fuzz: broken after a load: %s\n", rule);
  std::abort();
}

template <class List>
bool AtLeast(const List& list, std::size_t count) {
  return list.size() >= count;
}

void CheckSystemData(const cSystemData& s) {
  const cSystemData d;
  Require(AtLeast(s.m_CarryOver, d.m_CarryOver.size()), "settings: carry-over list");
  Require(AtLeast(s.m_ResetOnDeath, d.m_ResetOnDeath.size()), "settings: reset-on-death list");
  Require(AtLeast(s.m_GaugeList, kGaugeCount), "settings: gauges");
  Require(AtLeast(s.m_TitleMenu, kTitleMenuCount), "settings: title menu");
  Require(AtLeast(s.m_MapMenu, kMapMenuCount), "settings: map menu");
  Require(AtLeast(s.m_OptionMenu, kOptionMenuCount), "settings: option menu");
  Require(AtLeast(s.m_RankingEntryModes, kRankingEntryModeCount), "settings: ranking entry modes");
  Require(AtLeast(s.m_StartLives, kPlayModeCount), "settings: start lives");
  Require(AtLeast(s.m_InfiniteLives, kPlayModeCount), "settings: infinite lives");
  Require(AtLeast(s.m_ModeFlagList, kPlayModeCount), "settings: mode flag lists");
  for (const cFlagList& list : s.m_ModeFlagList) {
    Require(AtLeast(list.m_Flags, kRankingTableCount), "settings: ranking table flags");
  }
  Require(AtLeast(s.m_TextList, kSettingsTextCount), "settings: texts");
  Require(AtLeast(s.m_SystemSounds, kSystemSoundCount), "settings: system sounds");
  Require(AtLeast(s.m_MenuBgm, kMenuBgmCount), "settings: menu music");
  Require(AtLeast(s.m_MenuBgmKeep, kMenuBgmCount), "settings: menu music kept");
  Require(AtLeast(s.m_IniKeys, kIniKeyCount), "settings: ini keys");
  Require(s.m_nChallengeStages >= 0, "settings: challenge stage count");
  Require(s.m_nFontFace >= 0 && s.m_nFontFace <= static_cast<int32_t>(kFontFaceCount),
          "settings: font face");
}

void CheckOptionData(const cOptionData& o) {
  Require(o.m_nPalette >= 0 && o.m_nPalette < kPaletteOptionCount, "options: colour scheme");
  Require(o.m_nSeVolume >= 0 && o.m_nSeVolume < kSeVolumeSteps, "options: volume step");
  Require(o.m_nRankingEntryMode >= 0 && o.m_nRankingEntryMode < kRankingEntryModeCount,
          "options: ranking entry mode");
}

void CheckWorldMap(const cWorldMap& m) {
  Require(m.m_nWidth > 0 && m.m_nHeight > 0, "world map: size");
  Require(m.m_nPitch == (1 << m.m_nPitchShift) && m.m_nPitch >= m.m_nWidth, "world map: pitch");
  Require(m.m_Grid.size() == static_cast<std::size_t>(m.m_nHeight) * static_cast<std::size_t>(m.m_nPitch),
          "world map: grid length");
  Require(m.m_nStartX >= 0 && m.m_nStartX < m.m_nWidth && m.m_nStartY >= 0 && m.m_nStartY < m.m_nHeight,
          "world map: start cell");
  for (const cWorldNode& node : m.m_Nodes) {
    Require(node.m_nX >= 0 && node.m_nX < m.m_nWidth && node.m_nY >= 0 && node.m_nY < m.m_nHeight,
            "world map: node position");
  }
}

void CheckSaveData(const cSaveData& s) {
  Require(AtLeast(s.m_CarryValid, kCarryItemCount), "save: carry flags");
  Require(AtLeast(s.m_HeroCarry, 1), "save: hero slot 0");
  Require(AtLeast(s.m_MapFlags, kMapFlagCount), "save: map flags");
  Require(AtLeast(s.m_Vars, kVarCount), "save: variables");
  Require(s.m_nRankTable >= 0 && s.m_nRankTable < kRankTableCount, "save: ranking table");
  Require(s.m_nSlot >= -1 && s.m_nSlot < kSaveSlotCount, "save: slot");
  const int32_t stages = s.Settings().m_nChallengeStages;
  Require(s.m_StageProgress.size() == static_cast<std::size_t>(stages), "save: challenge results");
  Require(s.m_nChallengeReached <= stages, "save: challenge reached");
  // Only the far edges are checked: a negative position is kept as stored.
  Require(s.m_nMapX < s.WorldMap().m_nWidth && s.m_nMapY < s.WorldMap().m_nHeight,
          "save: map position");
}

// The stage palettes hold at least the two parts the editor always shows, and
// the values the play indexes or scrolls by are inside the stage.
void CheckStage(const cStageData& st) {
  Require(AtLeast(st.m_BlockPalette, 2) && AtLeast(st.m_CharaPalette, 2) && AtLeast(st.m_ItemPalette, 2),
          "stage: palette lengths");
  const int64_t width = st.m_nWidth;
  const int64_t height = st.m_nHeight;
  Require(st.m_nScrollLimitLeft <= std::max<int64_t>(width - 20, INT32_MIN) &&
              st.m_nScrollLimitRight <= std::max<int64_t>(width - 1, INT32_MIN) &&
              st.m_nScrollLimitTop <= std::max<int64_t>(height - 15, INT32_MIN) &&
              st.m_nScrollLimitBottom <= std::max<int64_t>(height - 1, INT32_MIN),
          "stage: scroll limits");
  Require(st.m_nBgm == 0 || CurrentValidateContext().InRange(eDatabaseList::Bgm, st.m_nBgm), "stage: music");
}

// Entry 0 of a common palette list is the empty part (the reset keeps the
// position a part carries, meaningless in a palette), and no loaded part
// still asks to inherit from its template.
template <class Part>
void CheckCommonPaletteList(const cVector<Part>& list, const std::string& what) {
  Require(AtLeast(list, 2), (what + ": at least 2 entries").c_str());
  Part first = list.front();
  Part empty;
  empty.m_nX = first.m_nX;
  empty.m_nY = first.m_nY;
  Require(SaveRecordImage(first) == SaveRecordImage(empty), (what + ": entry 0 is the empty part").c_str());
  for (const Part& part : list) {
    for (int8_t flag : part.m_Inherit) Require(flag == 0, (what + ": no inherit flag set").c_str());
  }
}

void CheckCommonPalette(const cCommonPalette& p) {
  CheckCommonPaletteList(p.m_BlockPalette, "common palette: blocks");
  CheckCommonPaletteList(p.m_CharaPalette, "common palette: charas");
  CheckCommonPaletteList(p.m_ItemPalette, "common palette: items");
}

// Walks every record the file holds, checking those with rules.
class cInvariantVisitor : public cRecordVisitor {
 public:
  cInvariantVisitor(int32_t nVersion, bool bSaveDataLoaded)
      : m_nVersion(nVersion), m_bSaveDataLoaded(bSaveDataLoaded) {}

  void Check(cRecord& record) {
    if (const auto* s = dynamic_cast<const cSaveData*>(&record); s && m_bSaveDataLoaded) {
      CheckSaveData(*s);
    }
    if (const auto* s = dynamic_cast<const cSystemData*>(&record)) CheckSystemData(*s);
    if (const auto* o = dynamic_cast<const cOptionData*>(&record)) CheckOptionData(*o);
    if (const auto* m = dynamic_cast<const cWorldMap*>(&record)) CheckWorldMap(*m);
    if (const auto* st = dynamic_cast<const cStageData*>(&record)) CheckStage(*st);
    if (const auto* p = dynamic_cast<const cCommonPalette*>(&record)) CheckCommonPalette(*p);
    if (const auto* a = dynamic_cast<const cAnimeSet*>(&record)) {
      // Older files held exactly the base animations.
      Require(m_nVersion < kVersionFourBaseAnimes ? a->m_Animes.size() == cAnimeSet::kBaseAnimes
                                                  : AtLeast(a->m_Animes, cAnimeSet::kBaseAnimes),
              "anime set: base animes");
    }
    if (const auto* l = dynamic_cast<const cInputLog*>(&record)) {
      Require(l->IsConsistent(), "input log: consistent");
    }
    record.VisitAppended(*this);
  }

 protected:
  void OnValue(std::string_view, const cValueView&) override {}
  void OnValueList(std::string_view, const cValueView&) override {}
  void OnTextList(std::string_view, std::span<const std::string>) override {}
  void OnRecordList(std::string_view name, std::span<cRecord* const> records) override {
    if (name == "m_SwordTypes" && m_nVersion < kVersionManySwordTypes) {
      Require(records.size() <= kMaxOldSwordTypes, "sword types: older files hold at most 128");
    }
    for (cRecord* record : records) Check(*record);
  }
  void OnRecord(std::string_view, cRecord& record) override { Check(record); }
  void OnPart(std::string_view, cRecord* record) override {
    if (record != nullptr) Check(*record);
  }

 private:
  int32_t m_nVersion;
  bool m_bSaveDataLoaded;
};

}  // namespace

void CheckDataFileInvariants(cDataFile& file, int32_t nVersion, bool bSaveDataLoaded) {
  cInvariantVisitor visitor(nVersion, bSaveDataLoaded);
  file.VisitParts(visitor);
}
