// A settings file of version 166, written byte by byte: the oldest layout the
// migrations reach all the way from.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings_fixtures.h"

namespace {

cRecordBytes& Cmd(cRecordBytes& b, int32_t shown, const char* label) {
  return b.Int32(1).Int32(shown).Int32(1).Text(label);
}

cRecordBytes& NumberKey(cRecordBytes& b, const char* key, int32_t value) {
  return b.Int32(2).Int32(cIniKey::kNumber).Int32(value).Int32(2).Text(key).Text("");
}

std::string Version166File() {
  cRecordBytes b;
  b.Int32(166);
  // Base record: m_nExtraLifeScore, m_bPauseHideStage, m_bFastFont,
  // m_bKeepFlaggedFlows, m_bTitleMenuPicture, m_bStoryKeepLives,
  // m_nChallengeStages, m_bChallengeAllOpen; then the title.
  b.Int32(8).Int32(250).Int32(0).Int32(1).Int32(1).Int32(0).Int32(0).Int32(12).Int32(0);
  b.Int32(1).Text("昔のゲーム");
  b.Int32(22);  // m_CarryOver: 1 .. 22
  for (int i = 1; i <= 22; ++i) b.Int8(int8_t(i));
  b.Int32(5);   // m_GaugeList: show, icon, digits; name
  for (int i = 0; i < 5; ++i) b.Int32(3).Int32(1).Int32(0).Int32(i).Int32(1).Text("g" + std::to_string(i));
  b.Int32(4).Int32(3).Int32(3).Int32(3).Int32(9);  // m_StartLives
  b.Int32(21);  // m_TextList: t0 .. t20
  for (int i = 0; i < 21; ++i) b.Text("t" + std::to_string(i));
  b.Int32(17);  // m_SystemSounds
  for (int i = 0; i < 17; ++i) b.Text(i == 4 ? "pause.wav" : "");
  b.Int32(4).Int32(1).Int32(2).Int32(3).Int32(12);  // m_MenuBgm
  b.Int32(7);   // m_TitleMenu
  for (int i = 0; i < 7; ++i) Cmd(b, i % 2, ("m" + std::to_string(i)).c_str());
  b.Int32(3);   // m_MapMenu
  Cmd(b, 1, "save");
  Cmd(b, 0, "back");
  Cmd(b, 1, "title");
  b.Int32(6);   // m_OptionMenu
  for (int i = 0; i < 6; ++i) Cmd(b, 1, ("o" + std::to_string(i)).c_str());
  b.Int32(6);   // m_IniKeys
  NumberKey(b, "WindowMode", 1);
  NumberKey(b, "Bpp", 16);
  NumberKey(b, "VSync", 3);
  NumberKey(b, "ShowFps", 0);
  b.Int32(2).Int32(cIniKey::kText).Int32(0).Int32(2).Text("FreeStage").Text("stage.stg4_001");
  NumberKey(b, "Old", 5);
  return b.Bytes();
}

std::vector<std::string> Texts(const cVector<std::string>& list) { return {list.begin(), list.end()}; }

}  // namespace

TEST_F(SettingsTest, Version166FileComesUpToDate) {
  cSystemData s;
  s.SetBgmCount(10);
  ASSERT_EQ(LoadSettingsImage(s, Version166File()), eRecordFile::Ok);

  // Stored.
  EXPECT_EQ(s.m_strTitle, "昔のゲーム");
  EXPECT_EQ(s.m_nExtraLifeScore, 250);
  EXPECT_EQ(s.m_bPauseHideStage, 0);
  EXPECT_EQ(s.m_bFastFont, 1);
  EXPECT_EQ(s.m_bKeepFlaggedFlows, 1);
  EXPECT_EQ(s.m_bTitleMenuPicture, 0);
  EXPECT_EQ(s.m_bStoryKeepLives, 0);
  EXPECT_EQ(s.m_nChallengeStages, 12);
  EXPECT_EQ(s.m_bChallengeAllOpen, 0);
  EXPECT_EQ(s.m_StartLives, (cVector<int32_t>{3, 3, 3, 9}));
  EXPECT_EQ(s.m_SystemSounds.CheckedVectorAt(4), "pause.wav");
  EXPECT_EQ(s.m_TitleMenu.CheckedVectorAt(3).bEnable, 1);
  EXPECT_EQ(s.m_TitleMenu.CheckedVectorAt(3).strName, "m3");

  // Scalars every migration from 167 on set.
  struct Scalar {
    const char* name;
    int32_t value, expected;
  } scalars[] = {
      {"MapShowScore", s.m_bMapShowScore, 1},      {"SelectShowTotal", s.m_bSelectShowTotal, 1},
      {"CenterGlyphs", s.m_bCenterGlyphs, 0},      {"Replay", s.m_bReplay, 1},
      {"ExtraLives", s.m_bExtraLives, 1},          {"ColourMode", s.m_nColourMode, 0},
      {"TransGreen", s.m_byTransGreen, 177},       {"StoryRestoreVars", s.m_bStoryRestoreVars, 1},
      {"ContinuePrompt", s.m_bContinuePrompt, 0},  {"MapShowLives", s.m_bMapShowLives, 0},
      {"FreeStageRestore", s.m_bFreeStageRestoreVars, 1}, {"FontFace", s.m_nFontFace, 60},
      {"Legacy214", s.m_bLegacy214, 1},            {"StoryPauseRetry", s.m_bStoryPauseRetry, 0},
      {"Switch272", s.m_bSwitch272, 0},            {"PaletteAnimation", s.m_bPaletteAnimation, 1},
      {"ColourCycleStep", s.m_nColourCycleStep, 16}, {"Legacy637", s.m_bLegacy637, 1},
      {"DepthDD", s.m_nFullScreenDepthDD, 2},      {"StoryPauseMap", s.m_bStoryPauseMap, 0},
      {"StorySlotList", s.m_bStorySlotList, 0},    {"Legacy831", s.m_bLegacy831, 1},
      {"Legacy833", s.m_bLegacy833, 0},
  };
  for (const Scalar& scalar : scalars) EXPECT_EQ(scalar.value, scalar.expected) << scalar.name;

  // The carry-over switches got slots 16 (1), 14 (0) and 9 (0), in that order.
  EXPECT_EQ(s.m_CarryOver, (cVector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 10, 11, 12, 13, 14, 0, 15, 16,
                                             1, 17, 18, 19, 20, 21, 22}));
  EXPECT_EQ(s.m_ResetOnDeath, cVector<uint8_t>(25, 0));
  EXPECT_EQ(s.m_InfiniteLives, (cVector<int32_t>{0, 0, 0, 1}));
  EXPECT_EQ(s.m_MenuBgm, (cVector<int32_t>{1, 2, 3, 0}));  // 12 is no Bgm entry of 10
  EXPECT_EQ(s.m_MenuBgmKeep, (cVector<uint8_t>{1, 1, 1, 1}));
  for (int32_t mode = 0; mode < 4; ++mode) {
    SCOPED_TRACE(mode);
    const uint8_t on = mode < 3 ? 1 : 0;
    EXPECT_EQ(s.m_ModeFlagList.CheckedVectorAt(mode).m_Flags, (cVector<uint8_t>{on, on, on, 0, 0}));
  }

  for (int32_t i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    const cStatusGauge& g = s.m_GaugeList.CheckedVectorAt(i);
    EXPECT_EQ(g.m_nDigits, i);
    EXPECT_EQ(g.m_bShowValue, 1);
    EXPECT_EQ(g.m_nWarnAt, (i == 2 || i == 3) ? 33 : 0);
    EXPECT_EQ(g.m_bWarnPercent, (i == 2 || i == 3) ? 1 : 0);
  }

  EXPECT_EQ(Texts(s.m_TextList),
            (std::vector<std::string>{"t0", "t1", "t2", "t3", "t4", "t5", "t6", "t7", "残りHP", "残りSP", "t8",
                                      "t9", "t10", "t11", "オートセーブＯＮ", "オートセーブＯＦＦ",
                                      "保存先が不明です！一度は「セーブ」して下さい！", "t12", "t13", "t14",
                                      "t15", "t16", "マップへ戻る", "リトライ", "マップへ戻る", "t17", "t18",
                                      "t19", "t20"}));

  ASSERT_EQ(s.m_MapMenu.VectorSize(), 4);
  const char* mapLabels[] = {"save", "オートセーブ", "back", "title"};
  const int32_t mapShown[] = {1, 1, 0, 1};
  for (int32_t i = 0; i < 4; ++i) {
    EXPECT_EQ(s.m_MapMenu.CheckedVectorAt(i).strName, mapLabels[i]);
    EXPECT_EQ(s.m_MapMenu.CheckedVectorAt(i).bEnable, mapShown[i]);
  }

  struct Key {
    const char* key;
    int32_t type, number;
    const char* text;
  } keys[] = {
      {"Direct3D", 0, 1, ""},      {"WindowMode", 0, 1, ""},   {"Bpp", 0, 16, ""},
      {"VSync", 0, 2, ""},         {"D3D_FontCache", 0, 0, ""}, {"DD_FontCache", 0, 1, ""},
      {"DD_VideoStretch", 0, 0, ""}, {"ShowFps", 0, 0, ""},    {"FreeStage", 1, 0, "stage.stg4_001"},
      {"English", 0, 0, ""},
  };
  ASSERT_EQ(s.m_IniKeys.VectorSize(), 10);
  for (int32_t i = 0; i < 10; ++i) {
    SCOPED_TRACE(i);
    const cIniKey& key = s.m_IniKeys.CheckedVectorAt(i);
    EXPECT_EQ(key.m_strKey, keys[i].key);
    EXPECT_EQ(key.m_nType, keys[i].type);
    EXPECT_EQ(key.m_nDefault, keys[i].number);
    EXPECT_EQ(key.m_strDefault, keys[i].text);
  }
}
