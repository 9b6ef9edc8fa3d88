// A new project's settings and what the scenes ask of them.

#include <gtest/gtest.h>

#include "settings_fixtures.h"

TEST(SystemDataDefaultsTest, NewProject) {
  const cSystemData s;
  EXPECT_EQ(s.m_TextList.VectorSize(), 29);
  EXPECT_EQ(s.m_TextList.CheckedVectorAt(21), "リトライ");
  EXPECT_EQ(s.m_TextList.CheckedVectorAt(22), "");
  EXPECT_EQ(s.m_TextList.CheckedVectorAt(23), "リトライ");
  EXPECT_EQ(s.m_CarryOver, (cVector<uint8_t>{1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1, 1, 0, 1, 1,
                                             1, 0, 0, 0}));
  EXPECT_EQ(s.m_ResetOnDeath.CheckedVectorAt(11) + s.m_ResetOnDeath.CheckedVectorAt(12), 2);
  EXPECT_EQ(s.m_TitleMenu.VectorSize(), 7);
  EXPECT_EQ(s.m_OptionMenu.CheckedVectorAt(5).strName, "");
  EXPECT_EQ(s.m_OptionMenu.CheckedVectorAt(5).bEnable, 1);
  EXPECT_EQ(s.m_IniKeys.CheckedVectorAt(0).m_nDefault, 2);
  EXPECT_EQ(s.m_IniKeys.CheckedVectorAt(8).m_nType, cIniKey::kText);
  EXPECT_EQ(s.m_GaugeList.CheckedVectorAt(0).m_nDigits, 4);
  EXPECT_EQ(s.m_nFontFace, 60);
  EXPECT_EQ(s.m_nChallengeStages, 40);
  EXPECT_EQ(s.m_nColourCycleStep, 16);
  EXPECT_EQ(s.m_bLegacy214 + s.m_bLegacy833 + s.m_bPaletteAnimation, 0);
  EXPECT_EQ(s.m_nFullScreenDepthD3D, 0);
  EXPECT_EQ(s.m_nFullScreenDepthDD, 2);
  EXPECT_EQ(s.m_StartLives, (cVector<int32_t>{5, 5, 5, 99}));
}

TEST(SystemDataQueriesTest, CountEnabled) {
  cSystemData s;
  s.m_ModeFlagList.CheckedVectorAt(1).m_Flags = {1, 0, 1, 0, 2};
  s.m_ModeFlagList.CheckedVectorAt(2).m_bEnabled = 0;  // all its flags stay 1
  EXPECT_EQ(s.CountEnabled(0), 5);
  EXPECT_EQ(s.CountEnabled(1), 3);
  EXPECT_EQ(s.CountEnabled(2), 0);
  EXPECT_EQ(s.CountEnabled(3), 0);
}

TEST(SystemDataQueriesTest, IsGaugeLow) {
  struct Case {
    int32_t warnAt, percent, value, maximum;
    bool low;
  } cases[] = {
      {33, 1, 33, 100, true},  {33, 1, 34, 100, false},
      {33, 1, 20, 50, false},  // 40 %: the raw value 20 would have been low
      {33, 1, 40, 200, true},  // 20 %: the raw value 40 would not
      {33, 1, 0, 0, false},    {33, 1, 5, -10, false},
      {10, 0, 10, 100, true},  {10, 0, 11, 100, false},
      {0, 0, 0, 0, false},     {0, 0, 0, 1, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.warnAt << " " << c.percent << " " << c.value << "/" << c.maximum);
    cSystemData s;
    cStatusGauge& hp = s.m_GaugeList.CheckedVectorAt(2);
    hp.m_nWarnAt = c.warnAt;
    hp.m_bWarnPercent = c.percent;
    EXPECT_EQ(s.IsGaugeLow(2, c.value, c.maximum), c.low);
  }
}

TEST(SystemDataQueriesTest, TextMenuLeft) {
  cSystemData s;
  s.m_TextList.CheckedVectorAt(2) = "Score!";
  EXPECT_EQ(s.TextMenuLeft(320, 0, 2, 1), 280);  // (1 + 4) * 16 / 2
  EXPECT_EQ(s.TextMenuLeft(320, 0, 2, 0), 288);
  EXPECT_EQ(s.TextMenuLeft(320, 0, 3, 0), 272);  // six single-byte characters
  EXPECT_EQ(s.TextMenuLeft(320, 22, 1, 1), 312); // an empty text
  EXPECT_EQ(s.TextMenuLeft(320, 5, 0, 0), 320);
}
