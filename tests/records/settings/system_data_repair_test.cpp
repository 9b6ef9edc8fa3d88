// Repairs after a load: short lists take a new project's entries, sizes and
// indexes are brought into range, menu music is checked against the Bgm count.

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "settings_fixtures.h"

TEST_F(SettingsTest, ShortListsArePaddedWithNewProjectEntries) {
  cSystemData source;
  source.m_CarryOver = {0, 0};
  source.m_GaugeList.resize(2);
  source.m_StartLives = {8};
  source.m_InfiniteLives.clear();
  source.m_ModeFlagList.resize(2);
  source.m_ModeFlagList.CheckedVectorAt(1).m_Flags = {1, 1};
  source.m_TextList = {"a", "b", "c"};
  source.m_SystemSounds.clear();
  source.m_MenuBgm = {0};
  source.m_MenuBgmKeep.clear();
  source.m_TitleMenu.clear();
  source.m_MapMenu.resize(1);
  source.m_OptionMenu.clear();
  source.m_RankingEntryModes.clear();
  source.m_IniKeys.resize(3);

  cSystemData s;
  ASSERT_EQ(LoadSettingsImage(s, RecordImageAt(source)), eRecordFile::Ok);
  const cSystemData fresh;
  EXPECT_EQ(s.m_CarryOver.VectorSize(), 25);
  EXPECT_EQ(s.m_CarryOver.CheckedVectorAt(0), 0);   // from the file
  EXPECT_EQ(s.m_CarryOver.CheckedVectorAt(13), 1);  // a new project's
  EXPECT_EQ(s.m_GaugeList.VectorSize(), 5);
  EXPECT_EQ(s.m_GaugeList.CheckedVectorAt(4).m_strName, "人");
  EXPECT_EQ(s.m_StartLives, (cVector<int32_t>{8, 5, 5, 99}));
  EXPECT_EQ(s.m_InfiniteLives, fresh.m_InfiniteLives);
  ASSERT_EQ(s.m_ModeFlagList.VectorSize(), 4);
  // Flags the file does not hold are tables that do not exist.
  EXPECT_EQ(s.m_ModeFlagList.CheckedVectorAt(1).m_Flags, (cVector<uint8_t>{1, 1, 0, 0, 0}));
  EXPECT_EQ(s.m_ModeFlagList.CheckedVectorAt(2).m_bEnabled, 1);
  EXPECT_EQ(s.m_TextList.VectorSize(), 29);
  EXPECT_EQ(s.m_TextList.CheckedVectorAt(2), "c");
  EXPECT_EQ(s.m_TextList.CheckedVectorAt(28), "F3キーでランキングへ登録");
  EXPECT_EQ(s.m_SystemSounds.VectorSize(), 17);
  EXPECT_EQ(s.m_MenuBgm.VectorSize(), 4);
  EXPECT_EQ(s.m_MenuBgmKeep, fresh.m_MenuBgmKeep);
  EXPECT_EQ(s.m_TitleMenu.CheckedVectorAt(6).strName, "しゅうりょう");
  EXPECT_EQ(s.m_MapMenu.VectorSize(), 4);
  EXPECT_EQ(s.m_OptionMenu.VectorSize(), 6);
  EXPECT_EQ(s.m_RankingEntryModes.VectorSize(), 4);
  EXPECT_EQ(s.m_IniKeys.CheckedVectorAt(9).m_strKey, "English");

  // The program's fixed indexes now stay inside the lists.
  EXPECT_EQ(s.CountEnabled(3), 0);
  EXPECT_FALSE(s.IsGaugeLow(3, 50, 100));
  EXPECT_FALSE(ClosePosted());
}

TEST_F(SettingsTest, SizesAndIndexesAreBroughtIntoRange) {
  struct Case {
    int32_t fontFace, challengeStages;
    int32_t expectedFace, expectedStages;
  } cases[] = {
      {0, 0, 0, 0},           {122, 40, 122, 40},    {123, -1, 60, 0},
      {-1, -40, 60, 0},       {INT_MIN, INT_MIN, 60, 0}, {INT_MAX, INT_MAX, 60, INT_MAX},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fontFace);
    cSystemData source;
    source.m_nFontFace = c.fontFace;
    source.m_nChallengeStages = c.challengeStages;
    cSystemData s;
    ASSERT_EQ(LoadSettingsImage(s, RecordImageAt(source)), eRecordFile::Ok);
    EXPECT_EQ(s.m_nFontFace, c.expectedFace);
    EXPECT_EQ(s.m_nChallengeStages, c.expectedStages);
  }
}

TEST_F(SettingsTest, MenuBgmIsCheckedAgainstTheBgmCount) {
  struct Case {
    int32_t bgmCount;
    cVector<int32_t> expected;
  } cases[] = {
      {3, {0, 2, 0, 0}},
      {0, {0, 0, 0, 0}},
      {-1, {0, 2, 3, -1}},  // count not known: as stored
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bgmCount);
    cSystemData source;
    source.m_MenuBgm = {0, 2, 3, -1};
    cSystemData s;
    s.SetBgmCount(c.bgmCount);
    ASSERT_EQ(LoadSettingsImage(s, RecordImageAt(source)), eRecordFile::Ok);
    EXPECT_EQ(s.m_MenuBgm, c.expected);

    // A save checks them as well, before it writes them.
    source.SetBgmCount(c.bgmCount);
    cSystemData saved;
    ASSERT_EQ(LoadSettingsImage(saved, RecordImageAt(source)), eRecordFile::Ok);
    EXPECT_EQ(saved.m_MenuBgm, c.expected);
  }
}
