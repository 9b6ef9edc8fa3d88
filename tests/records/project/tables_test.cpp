// The static name tables: sizes, terminators and entries that other code and
// stored data address by index.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <utility>

#include "records/project/font_face_names.h"
#include "records/project/path_table.h"
#include "records/project/vocabulary_tables.h"
#include "records/project/working_folders.h"

namespace {

TEST(PathTable, EntriesReadByIndexHoldTheirNames) {
  ASSERT_EQ(std::size(g_PathTable), 48u);
  const std::pair<int, const char*> cases[] = {
      {kPathData, "data\\"},
      {kPathDefault, "default\\"},
      {kPathWorldMap, "data\\WorldMap.dat"},
      {kPathSystemDat, "data\\System.dat"},
      {kPathChallengeStagePrefix, "data\\stg4\\c"},
      {kPathRankingFree, "user_data\\free\\"},
      {kPathWindow, "user_data\\Window.dat"},
  };
  for (const auto& [index, text] : cases) EXPECT_STREQ(g_PathTable[index], text) << index;
  // Data and default copies alternate through the database block.
  for (int i = kPathAnimeSet; i <= kPathBgm; i += 2) {
    const std::string data = g_PathTable[i];
    EXPECT_EQ(std::string("default") + data.substr(4), g_PathTable[i + 1]) << i;
  }
}

TEST(PathTable, ChallengeStageNameUsesSingleBackslashes) {
  char name[260];
  std::snprintf(name, sizeof name, "%s%02d-1.%s", g_PathTable[kPathChallengeStagePrefix], 5,
                g_ExtTable[kExtStage]);
  EXPECT_STREQ(name, "data\\stg4\\c05-1.stg4");
}

TEST(ExtTable, HoldsTheFourExtensions) {
  ASSERT_EQ(std::size(g_ExtTable), 4u);
  const char* const expected[] = {"cplt4", "stg4", "plt4", "rkg"};
  for (int i : {kExtCommonPalette, kExtStage, kExtPalette, kExtRanking}) {
    EXPECT_STREQ(g_ExtTable[i], expected[i]);
  }
}

TEST(WorkingFolders, ParentsComeFirstAndListEndsWithNull) {
  ASSERT_EQ(std::size(g_WorkingFolders), 23u);
  EXPECT_EQ(g_WorkingFolders[22], nullptr);
  EXPECT_STREQ(g_WorkingFolders[0], "user_data");
  EXPECT_STREQ(g_WorkingFolders[8], "data\\stg4\\old_ver");
  EXPECT_STREQ(g_WorkingFolders[21], "bgm");
  for (int i = 0; i < 22; ++i) {
    const std::string name = g_WorkingFolders[i];
    const auto cut = name.rfind('\\');
    if (cut == std::string::npos) continue;
    bool parentEarlier = false;
    for (int j = 0; j < i; ++j) parentEarlier |= name.substr(0, cut) == g_WorkingFolders[j];
    EXPECT_TRUE(parentEarlier) << name;
  }
}

TEST(FontFaceNames, IndicesMatchStoredSettings) {
  ASSERT_EQ(std::size(g_FontFaceNames), 123u);
  EXPECT_STREQ(g_FontFaceNames[0], "System");
  EXPECT_STREQ(g_FontFaceNames[121], "Sydnie");
  EXPECT_STREQ(g_FontFaceNames[122], "");
  // The settings' default face 60, as CP932 bytes: full-width M, S, space, full-width P, ゴシック.
  EXPECT_STREQ(g_FontFaceNames[60],
               "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e");
  // Half-width katakana are single bytes in CP932.
  EXPECT_STREQ(g_FontFaceNames[86], "HG\xba\xde\xbc\xaf\xb8" "E");
}

TEST(FontFaceNames, OutOfRangeIndexGivesTheEmptyFace) {
  EXPECT_STREQ(FontFaceName(0), "System");
  EXPECT_STREQ(FontFaceName(122), "");
  EXPECT_STREQ(FontFaceName(123), "");
  EXPECT_STREQ(FontFaceName(-1), "");
}

struct VocabularyCase {
  const char* name;
  const char* const* table;
  size_t size;
  const char* first;
  const char* last;
};

TEST(VocabularyTables, EachEndsWithOneEmptyLabel) {
  const VocabularyCase cases[] = {
      {"chara vars", g_CharaVarNames, std::size(g_CharaVarNames), "1 キャラ変数-1", "8 キャラ変数-8"},
      {"operators", g_VarOperatorNames, std::size(g_VarOperatorNames), "＝", "X ％"},
      {"comparisons", g_CompareNames, std::size(g_CompareNames), "である", "の倍数でない"},
      {"sense", g_CondSenseNames, std::size(g_CondSenseNames), "なら", "でないなら"},
      {"colours", g_ColorNames, std::size(g_ColorNames), "なし", "4色"},
      {"colour modes", g_ColourModeNames, std::size(g_ColourModeNames),
       "256色(8bit) カラーパレットあり", "1677万色(24bit) カラーパレットなし"},
      {"depths DD", g_FullScreenDepthNamesDD, std::size(g_FullScreenDepthNamesDD), "32bit(1677万色)",
       "8bit(256色)"},
      {"depths D3D", g_FullScreenDepthNamesD3D, std::size(g_FullScreenDepthNamesD3D),
       "32bit(1677万色)", "16bit(32768色)"},
  };
  const size_t labelCounts[] = {8, 7, 8, 2, 10, 2, 3, 2};
  for (size_t c = 0; c < std::size(cases); ++c) {
    const VocabularyCase& v = cases[c];
    SCOPED_TRACE(v.name);
    ASSERT_EQ(v.size, labelCounts[c] + 1);
    EXPECT_STREQ(v.table[0], v.first);
    EXPECT_STREQ(v.table[v.size - 2], v.last);
    EXPECT_STREQ(v.table[v.size - 1], "");
    for (size_t i = 0; i + 1 < v.size; ++i) EXPECT_GT(std::strlen(v.table[i]), 0u) << i;
  }
  // Full-width minus sign of the operators, as CP932 bytes.
  EXPECT_STREQ(g_VarOperatorNames[2], "\x81\x7c");
}

}  // namespace
