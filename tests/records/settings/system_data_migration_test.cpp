// Older settings files: what each version stored, and the values the migrations
// give the rest.

#include <gtest/gtest.h>

#include <string>

#include "settings_fixtures.h"

namespace {

using S = cSystemData;

// A member stored from version K on, and what a file below K leaves in it.
struct Gate {
  int32_t from;
  int32_t S::* member;
  int32_t older;
};

constexpr Gate kGates[] = {
    {113, &S::m_bKeepFlaggedFlows, 0},   {157, &S::m_bTitleMenuPicture, 0},
    {167, &S::m_bMapShowScore, 1},       {167, &S::m_bMapMenuShowTotal, 1},
    {167, &S::m_bSelectShowBest, 1},     {167, &S::m_bSelectShowTotal, 1},
    {170, &S::m_bCenterGlyphs, 0},       {184, &S::m_bReplay, 1},
    {185, &S::m_bExtraLives, 1},         {187, &S::m_nColourMode, 0},
    {188, &S::m_bStoryRestoreVars, 1},   {188, &S::m_bChallengeRestoreVars, 1},
    {188, &S::m_bFreeRestoreVars, 1},    {191, &S::m_bContinuePrompt, 0},
    {191, &S::m_bMapShowLives, 0},       {192, &S::m_bFreeStageRestoreVars, 1},
    {205, &S::m_nFontFace, 60},          {214, &S::m_bLegacy214, 1},
    {224, &S::m_bStoryPauseRetry, 0},    {224, &S::m_bChallengePauseRetry, 0},
    {261, &S::m_bLegacy261, 1},          {272, &S::m_bSwitch272, 0},
    {287, &S::m_bSwitch287, 0},          {515, &S::m_nColourCycleStep, 16},
    {525, &S::m_bLegacy525, 1},          {555, &S::m_bLegacy555, 1},
    {669, &S::m_bLegacy669, 1},          {670, &S::m_nFullScreenDepthD3D, 0},
    {670, &S::m_nFullScreenDepthDD, 2},  {677, &S::m_bLegacy677, 1},
    {695, &S::m_bLegacy695, 1},          {696, &S::m_bLegacy696, 1},
    {697, &S::m_bLegacy697, 1},          {721, &S::m_bLegacy721, 1},
    {728, &S::m_bLegacy728, 1},          {733, &S::m_bLegacy733, 1},
    {744, &S::m_bLegacy744, 1},          {749, &S::m_bLegacy749, 1},
    {752, &S::m_bLegacy752, 1},          {757, &S::m_bStoryPauseMap, 0},
    {763, &S::m_bLegacy763A, 1},         {763, &S::m_bLegacy763B, 1},
    {768, &S::m_bLegacy768, 1},          {773, &S::m_bLegacy773, 1},
    {781, &S::m_bLegacy781, 1},          {782, &S::m_bLegacy782, 1},
    {783, &S::m_bLegacy783, 1},          {793, &S::m_bLegacy793, 1},
    {805, &S::m_bLegacy805, 1},          {808, &S::m_bLegacy808, 1},
    {818, &S::m_bLegacy818A, 1},         {818, &S::m_bLegacy818B, 1},
    {819, &S::m_bLegacy819, 1},          {821, &S::m_bStorySlotList, 0},
    {822, &S::m_bLegacy822, 1},          {827, &S::m_bLegacy827, 1},
    {831, &S::m_bLegacy831, 1},
};

// Writes a settings record with member = value at a version, and loads it into a
// record whose member holds the same value beforehand (so a value that neither
// the file nor a migration set would show as that value).
int32_t LoadedAt(int32_t version, int32_t S::* member, int32_t value, S* out = nullptr) {
  S source;
  source.*member = value;
  S loaded;
  loaded.*member = value;
  EXPECT_EQ(LoadSettingsImage(loaded, RecordImageAt(source, version)), eRecordFile::Ok);
  if (out != nullptr) *out = loaded;
  return loaded.*member;
}

}  // namespace

TEST_F(SettingsTest, EachGatedMemberIsStoredFromItsVersionAndMigratedBelow) {
  for (const Gate& gate : kGates) {
    SCOPED_TRACE(gate.from);
    const int32_t stored = gate.older == 0 ? 7 : 0;
    EXPECT_EQ(LoadedAt(gate.from - 1, gate.member, stored), gate.older);
    EXPECT_EQ(LoadedAt(gate.from, gate.member, stored), stored);
  }
}

TEST_F(SettingsTest, RangeMigrations) {
  struct Case {
    int32_t version;
    int32_t S::* member;
    int32_t stored, expected;
  } cases[] = {
      {616, &S::m_bLegacy637, 0, 1}, {617, &S::m_bLegacy637, 1, 0}, {636, &S::m_bLegacy637, 1, 0},
      {637, &S::m_bLegacy637, 1, 1}, {637, &S::m_bLegacy637, 0, 0},
      {816, &S::m_bLegacy833, 1, 0}, {817, &S::m_bLegacy833, 0, 1}, {832, &S::m_bLegacy833, 0, 1},
      {833, &S::m_bLegacy833, 0, 0}, {833, &S::m_bLegacy833, 1, 1}, {100, &S::m_bLegacy833, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    EXPECT_EQ(LoadedAt(c.version, c.member, c.stored), c.expected);
  }
}

TEST_F(SettingsTest, PaletteAnimationAndTransparentColourOfOldFiles) {
  // Below 289 the animation follows the colour mode, which files from 187 store.
  S source;
  source.m_nColourMode = 1;
  source.m_byTransRed = 5;
  S loaded;
  ASSERT_EQ(LoadSettingsImage(loaded, RecordImageAt(source, 288)), eRecordFile::Ok);
  EXPECT_EQ(loaded.m_bPaletteAnimation, 0);
  EXPECT_EQ(loaded.m_byTransRed, 5);
  ASSERT_EQ(LoadSettingsImage(loaded, RecordImageAt(source, 186)), eRecordFile::Ok);
  EXPECT_EQ(loaded.m_nColourMode, 0);
  EXPECT_EQ(loaded.m_bPaletteAnimation, 1);
  EXPECT_EQ(loaded.m_byTransRed, 0);
  EXPECT_EQ(loaded.m_byTransGreen, 177);
  EXPECT_EQ(loaded.m_byTransBlue, 0);
}

TEST_F(SettingsTest, ListsOfOlderVersions) {
  S source;
  source.m_ResetOnDeath.assign(25, 1);
  source.m_InfiniteLives = {1, 0, 1, 0};
  source.m_ModeFlagList.CheckedVectorAt(0).m_bEnabled = 0;
  source.m_MenuBgmKeep = {0, 0, 0, 0};
  source.m_RankingEntryModes.CheckedVectorAt(0) = "file";

  struct Case {
    int32_t version;
    uint8_t resetOnDeath;      // entry 0
    int32_t infiniteStory;     // m_InfiniteLives[0]
    int32_t storyRankings;     // m_ModeFlagList[0].m_bEnabled
    uint8_t keepTitleBgm;      // m_MenuBgmKeep[0]
    const char* rankingMode0;  // m_RankingEntryModes[0]
  } cases[] = {
      {673, 1, 1, 0, 0, "手動登録（登録名入力）"},
      {674, 1, 1, 0, 0, "file"},
      {500, 0, 1, 0, 0, "手動登録（登録名入力）"},
      {501, 1, 1, 0, 0, "手動登録（登録名入力）"},
      {201, 0, 1, 0, 1, "手動登録（登録名入力）"},
      {202, 0, 1, 0, 0, "手動登録（登録名入力）"},
      {190, 0, 0, 0, 1, "手動登録（登録名入力）"},
      {191, 0, 1, 0, 1, "手動登録（登録名入力）"},
      {185, 0, 0, 1, 1, "手動登録（登録名入力）"},
      {186, 0, 0, 0, 1, "手動登録（登録名入力）"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    S loaded;
    ASSERT_EQ(LoadSettingsImage(loaded, RecordImageAt(source, c.version)), eRecordFile::Ok);
    EXPECT_EQ(loaded.m_ResetOnDeath.CheckedVectorAt(0), c.resetOnDeath);
    EXPECT_EQ(loaded.m_ResetOnDeath.VectorSize(), 25);
    EXPECT_EQ(loaded.m_InfiniteLives.CheckedVectorAt(0), c.infiniteStory);
    EXPECT_EQ(loaded.m_ModeFlagList.CheckedVectorAt(0).m_bEnabled, c.storyRankings);
    EXPECT_EQ(loaded.m_MenuBgmKeep.CheckedVectorAt(0), c.keepTitleBgm);
    EXPECT_EQ(loaded.m_RankingEntryModes.CheckedVectorAt(0), c.rankingMode0);
  }
}

TEST_F(SettingsTest, DroppedFieldOfVersions221To259) {
  // The base record of version 230 ends with m_bLegacy214 and the extra int;
  // the lists follow it.
  S source;
  source.m_bLegacy214 = 0;
  source.m_nDroppedField = 0x55667788;
  source.m_SystemSounds.CheckedVectorAt(16) = "last.wav";
  source.m_MenuBgm = {4, 3, 2, 1};
  const std::string image = RecordImageAt(source, 230);
  // version, field count, 26 ints, the 3 colour bytes, the extra int
  const std::size_t fieldsEnd = 4 + 4 + 26 * 4 + 3 + 4;
  ASSERT_GT(image.size(), fieldsEnd);
  EXPECT_EQ(image.substr(fieldsEnd - 8, 8), cRecordBytes().Int32(0).Int32(0x55667788).Bytes());

  S loaded;
  ASSERT_EQ(LoadSettingsImage(loaded, image), eRecordFile::Ok);
  EXPECT_EQ(loaded.m_bLegacy214, 0);
  EXPECT_EQ(loaded.m_bLegacy261, 1);
  // The lists that no migration of 230 touches come through as written.
  EXPECT_EQ(loaded.m_SystemSounds, source.m_SystemSounds);
  EXPECT_EQ(loaded.m_MenuBgm, source.m_MenuBgm);
  EXPECT_EQ(loaded.m_OptionMenu.CheckedVectorAt(4).strName, "もどる");
}
