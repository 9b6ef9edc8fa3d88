// Migrations of older settings files: each step brings what a file below its
// version lacks up to the layout and behaviour the current editor writes. They
// run in this order, each for files below its version.

#include <cstdint>
#include <string>

#include "records/settings/list_insert.h"
#include "records/settings/system_data.h"

namespace {

using S = cSystemData;

template <class T>
void ResizeList(cVector<T>& list, int32_t count) {
  list.resize(static_cast<std::size_t>(count));
}

template <auto Member, int32_t Value>
void Set(S& s, int32_t) {
  s.*Member = Value;
}

void InsertText(S& s, int32_t at, const char* text) {
  InsertListValue(s.m_TextList, at, std::string(text));
}

void InsertCarryOver(S& s, int32_t at, uint8_t value) {
  ResizeList(s.m_CarryOver, kCarryItemCount);
  InsertListValue(s.m_CarryOver, at, value);
}

void InsertIniKey(S& s, int32_t at, const char* key, int32_t numberDefault) {
  InsertListValue(s.m_IniKeys, at, NumberIniKey(key, numberDefault));
}

void ShowMapScores(S& s, int32_t) {
  s.m_bMapShowScore = s.m_bMapMenuShowTotal = s.m_bSelectShowBest = s.m_bSelectShowTotal = 1;
}

void AddCarryOverSlot16(S& s, int32_t) { InsertCarryOver(s, 16, 1); }
void AddCarryOverSlot14(S& s, int32_t) { InsertCarryOver(s, 14, 0); }
void AddCarryOverSlot9(S& s, int32_t) { InsertCarryOver(s, 9, 0); }

void AddAutoSave(S& s, int32_t) {
  ResizeList(s.m_MapMenu, kMapMenuCount);
  InsertListValue(s.m_MapMenu, 1, cCmd(1, "オートセーブ"));
  ResizeList(s.m_TextList, kSettingsTextCount);
  InsertText(s, 12, "保存先が不明です！一度は「セーブ」して下さい！");
  InsertText(s, 12, "オートセーブＯＦＦ");
  InsertText(s, 12, "オートセーブＯＮ");
}

void AddRankingTablesAndHpSpTexts(S& s, int32_t) {
  // Only the mode lists there are: a short list is padded after the migrations.
  for (int32_t mode = 0; mode < kPlayModeCount && mode < s.m_ModeFlagList.VectorSize(); ++mode) {
    cVector<uint8_t>& flags = s.m_ModeFlagList.CheckedVectorAt(mode).m_Flags;
    ResizeList(flags, kRankingTableCount);
    flags.CheckedVectorAt(3) = 0;
    flags.CheckedVectorAt(4) = 0;
  }
  ResizeList(s.m_TextList, kSettingsTextCount);
  InsertText(s, 8, "残りHP");
  InsertText(s, 9, "残りSP");
}

void OldTransparentColour(S& s, int32_t) {
  s.m_nColourMode = 0;
  s.m_byTransRed = 0;
  s.m_byTransGreen = 177;
  s.m_byTransBlue = 0;
}

void RestoreVarsOnRetry(S& s, int32_t) {
  s.m_bStoryRestoreVars = s.m_bChallengeRestoreVars = s.m_bFreeRestoreVars = 1;
}

void OldLives(S& s, int32_t) {
  s.m_InfiniteLives = cVector<int32_t>({0, 0, 0, 1});
  s.m_bContinuePrompt = 0;
  s.m_bMapShowLives = 0;
}

void AddRetryTexts(S& s, int32_t) {
  ResizeList(s.m_TextList, kSettingsTextCount);
  InsertText(s, 22, "リトライ");
  InsertText(s, 23, "マップへ戻る");
}

void KeepMenuBgm(S& s, int32_t) { s.m_MenuBgmKeep.assign(kMenuBgmCount, 1); }

void NoPauseRetry(S& s, int32_t) { s.m_bStoryPauseRetry = s.m_bChallengePauseRetry = 0; }

void AddDirect3DKey(S& s, int32_t) {
  ResizeList(s.m_IniKeys, kIniKeyCount);
  InsertIniKey(s, 0, "Direct3D", 1);
  // The vertical-sync key had more choices before.
  cIniKey& vsync = s.m_IniKeys.CheckedVectorAt(3);
  if (vsync.m_nDefault >= 3) vsync.m_nDefault = 2;
}

void PaletteAnimationInPaletteMode(S& s, int32_t) {
  s.m_bPaletteAnimation = s.m_nColourMode == 0 ? 1 : 0;
}

void NoResetOnDeath(S& s, int32_t) { s.m_ResetOnDeath.assign(kCarryItemCount, 0); }

void AddVideoStretchKey(S& s, int32_t) {
  ResizeList(s.m_IniKeys, kIniKeyCount);
  InsertIniKey(s, 4, "DD_VideoStretch", 0);
}

void AddFontCacheKeys(S& s, int32_t) {
  ResizeList(s.m_IniKeys, kIniKeyCount);
  InsertIniKey(s, 4, "D3D_FontCache", 0);
  InsertIniKey(s, 5, "DD_FontCache", 1);
}

void GaugeWarnings(S& s, int32_t) {
  ResizeList(s.m_GaugeList, kGaugeCount);
  for (int32_t gauge : {2, 3}) {
    cStatusGauge& g = s.m_GaugeList.CheckedVectorAt(gauge);
    g.m_nWarnAt = 33;
    g.m_bWarnPercent = 1;
  }
}

void OldBlockReplace(S& s, int32_t v) { s.m_bLegacy637 = v <= 616 ? 1 : 0; }

void DefaultDepths(S& s, int32_t) {
  s.m_nFullScreenDepthD3D = 0;
  s.m_nFullScreenDepthDD = 2;
}

void AddEnglishKey(S& s, int32_t) {
  ResizeList(s.m_IniKeys, kIniKeyCount);
  s.m_IniKeys.CheckedVectorAt(9) = NumberIniKey("English", 0);
}

void AddMapText(S& s, int32_t) {
  ResizeList(s.m_TextList, kSettingsTextCount);
  InsertText(s, 22, "マップへ戻る");
}

void OldPictureDrawing(S& s, int32_t v) { s.m_bLegacy833 = v >= 817 ? 1 : 0; }

struct Migration {
  int32_t below;
  void (*apply)(S&, int32_t fileVersion);
};

constexpr Migration kSystemMigrations[] = {
    {113, &Set<&S::m_bKeepFlaggedFlows, 0>},
    {157, &Set<&S::m_bTitleMenuPicture, 0>},
    {167, &ShowMapScores},
    {168, &AddCarryOverSlot16},
    {169, &AddAutoSave},
    {170, &Set<&S::m_bCenterGlyphs, 0>},
    {181, &AddRankingTablesAndHpSpTexts},
    {184, &Set<&S::m_bReplay, 1>},
    {185, &Set<&S::m_bExtraLives, 1>},
    {187, &OldTransparentColour},
    {188, &RestoreVarsOnRetry},
    {191, &OldLives},
    {192, &Set<&S::m_bFreeStageRestoreVars, 1>},
    {193, &AddRetryTexts},
    {201, &AddCarryOverSlot14},
    {202, &KeepMenuBgm},
    {205, &Set<&S::m_nFontFace, kDefaultFontFace>},
    {210, &AddCarryOverSlot9},
    {214, &Set<&S::m_bLegacy214, 1>},
    {224, &NoPauseRetry},
    {261, &Set<&S::m_bLegacy261, 1>},
    {272, &Set<&S::m_bSwitch272, 0>},
    {286, &AddDirect3DKey},
    {287, &Set<&S::m_bSwitch287, 0>},
    {289, &PaletteAnimationInPaletteMode},
    {501, &NoResetOnDeath},
    {515, &Set<&S::m_nColourCycleStep, 16>},
    {525, &Set<&S::m_bLegacy525, 1>},
    {555, &Set<&S::m_bLegacy555, 1>},
    {567, &AddVideoStretchKey},
    {568, &AddFontCacheKeys},
    {587, &GaugeWarnings},
    {637, &OldBlockReplace},
    {669, &Set<&S::m_bLegacy669, 1>},
    {670, &DefaultDepths},
    {672, &AddEnglishKey},
    {677, &Set<&S::m_bLegacy677, 1>},
    {695, &Set<&S::m_bLegacy695, 1>},
    {696, &Set<&S::m_bLegacy696, 1>},
    {697, &Set<&S::m_bLegacy697, 1>},
    {721, &Set<&S::m_bLegacy721, 1>},
    {728, &Set<&S::m_bLegacy728, 1>},
    {733, &Set<&S::m_bLegacy733, 1>},
    {744, &Set<&S::m_bLegacy744, 1>},
    {749, &Set<&S::m_bLegacy749, 1>},
    {752, &Set<&S::m_bLegacy752, 1>},
    {756, &AddMapText},
    {757, &Set<&S::m_bStoryPauseMap, 0>},
    {763, &Set<&S::m_bLegacy763A, 1>},
    {763, &Set<&S::m_bLegacy763B, 1>},
    {768, &Set<&S::m_bLegacy768, 1>},
    {773, &Set<&S::m_bLegacy773, 1>},
    {781, &Set<&S::m_bLegacy781, 1>},
    {782, &Set<&S::m_bLegacy782, 1>},
    {783, &Set<&S::m_bLegacy783, 1>},
    {793, &Set<&S::m_bLegacy793, 1>},
    {805, &Set<&S::m_bLegacy805, 1>},
    {808, &Set<&S::m_bLegacy808, 1>},
    {818, &Set<&S::m_bLegacy818A, 1>},
    {818, &Set<&S::m_bLegacy818B, 1>},
    {819, &Set<&S::m_bLegacy819, 1>},
    {821, &Set<&S::m_bStorySlotList, 0>},
    {822, &Set<&S::m_bLegacy822, 1>},
    {827, &Set<&S::m_bLegacy827, 1>},
    {831, &Set<&S::m_bLegacy831, 1>},
    // Files 817 to 832 drew pictures the old way; older ones never had the choice.
    {833, &OldPictureDrawing},
};

}  // namespace

void cSystemData::MigrateFrom(int32_t fileVersion) {
  for (const Migration& step : kSystemMigrations) {
    if (fileVersion < step.below) step.apply(*this, fileVersion);
  }
}
