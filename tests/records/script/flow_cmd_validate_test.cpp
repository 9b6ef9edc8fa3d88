// Command validation against the database and palette sizes of a context,
// and commands whose kind is outside the tables.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "flow_cmd_fixtures.h"
#include "records/record/record_test_env.h"
#include "records/script/cmd_kind_table.h"

namespace {

cValidateContext DatabaseContext() {
  cValidateContext context = cValidateContext::Defaults();
  context.SetListSize(eDatabaseList::AnimeSet, 2);
  context.SetListSize(eDatabaseList::Anime, 3);
  context.SetListSize(eDatabaseList::Effect, 4);
  context.SetListSize(eDatabaseList::CharaEffect, 5);
  context.SetListSize(eDatabaseList::ScrEffect, 6);
  context.SetListSize(eDatabaseList::Picture, 7);
  context.SetListSize(eDatabaseList::Sound, 8);
  context.SetListSize(eDatabaseList::Bgm, 9);
  context.SetListSize(eDatabaseList::BmpCharaExc, 10);
  context.swordStepDurations = {{1}, {3, 4}, {5000, 6000}};
  context.commonPalette = {3, 4, 5};
  context.stagePalette = {6, 7, 8};
  return context;
}

struct ValidateParamRow {
  const char* what;
  int8_t set;
  int8_t kind;
  std::vector<int32_t> params;
  std::vector<int32_t> expected;
};

}  // namespace

TEST(FlowCmdValidateTest, DatabaseReferencesAndParameterCounts) {
  const ValidateParamRow rows[] = {
      {"effect past the list", 0, kFlowCmdEffect, Params(8, {{0, 4}}), Params(8, {{0, 1}})},
      {"last effect", 0, kFlowCmdEffect, Params(8, {{0, 3}}), Params(8, {{0, 3}})},
      {"negative effect (unsigned)", 0, kFlowCmdEffect, Params(8, {{0, -1}}), Params(8, {{0, 1}})},
      {"anime set past the list := 0", 0, kFlowCmdAnimeSet, {2}, {0}},
      {"last anime set", 0, kFlowCmdAnimeSet, {1}, {1}},
      {"anime", 0, kFlowCmdAnime, {3}, {1}},
      {"chara effect", 0, kFlowCmdCharaEffect, {5, 9, 9}, {1, 9, 9}},
      {"screen effect", 0, kFlowCmdScrEffect, {6, 9, 9}, {1, 9, 9}},
      {"picture", 0, kFlowCmdPicture, Params(15, {{0, 7}}), Params(15, {{0, 1}})},
      {"sound", 0, kFlowCmdSound, {8}, {1}},
      {"bgm", 0, kFlowCmdBgm, {9, 0}, {1, 0}},
      {"graphic from Bmp_CharaExc past the list := 1", 0, kFlowCmdGraphic, {4, 10, 0}, {4, 1, 0}},
      {"last Bmp_CharaExc graphic", 0, kFlowCmdGraphic, {4, 9, 0}, {4, 9, 0}},
      {"other graphic sources are not checked", 0, kFlowCmdGraphic, {3, 10, 0}, {3, 10, 0}},
      {"screen colour holds no reference", 0, kFlowCmdScreenColor, Params(8, {{0, 99}}),
       Params(8, {{0, 99}})},
      {"item effect", 1, 14, Params(8, {{0, 4}}), Params(8, {{0, 1}})},
      {"item graphic", 1, 11, {4, 10, 0}, {4, 1, 0}},
      {"item anime set", 1, 12, {2}, {0}},
      {"item bgm", 1, 21, {9, 0}, {1, 0}},
      {"surplus parameters dropped", 0, kFlowCmdFacing, {1, 2, 3}, {1}},
      {"missing parameters are 0", 0, kFlowCmdSetTarget, {}, Params(16)},
      {"item flow change", 1, kItemCmdChangeFlows, {}, {0, 0}},
  };
  const cValidateContext context = DatabaseContext();
  for (const ValidateParamRow& row : rows) {
    SCOPED_TRACE(row.what);
    cFlowCmd cmd = MakeCommand(row.set, row.kind, row.params);
    cmd.Validate(context);
    EXPECT_EQ(ParamsOf(cmd), row.expected);
  }
}

TEST(FlowCmdValidateTest, StartSoundAndAnimeOutOfRangeBecomeNone) {
  struct Case {
    int16_t anime, sound, expectedAnime, expectedSound;
  } cases[] = {{2, 7, 2, 7}, {3, 8, 0, 0}, {-1, -1, 0, 0}};
  for (const Case& c : cases) {
    cFlowCmd cmd = MakeCommand(0, kFlowCmdWait);
    cmd.m_nAnime = c.anime;
    cmd.m_nSound = c.sound;
    cmd.Validate(DatabaseContext());
    EXPECT_EQ(cmd.m_nAnime, c.expectedAnime);
    EXPECT_EQ(cmd.m_nSound, c.expectedSound);
  }
}

TEST(FlowCmdValidateTest, SwordLastsItsSwing) {
  struct Case {
    const char* what;
    int8_t swordType;
    int8_t expectedType;
    int16_t expectedDuration;
  } cases[] = {
      {"two steps", 1, 1, 7},
      {"capped", 2, 2, 9999},
      {"type past the list", 3, 0, 1},
      {"negative type", -1, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    cFlowCmd cmd = MakeCommand(0, kFlowCmdSword);
    cmd.m_nDuration = 50;
    NewEdShot(cmd.m_Shot.Shared());
    cmd.m_Shot->m_nMoveType = c.swordType;
    cmd.Validate(DatabaseContext());
    EXPECT_EQ(cmd.m_Shot->m_nMoveType, c.expectedType);
    EXPECT_EQ(cmd.m_nDuration, c.expectedDuration);
  }

  // Without settings there is no swing to measure: the length stays.
  cFlowCmd bare = MakeCommand(0, kFlowCmdSword);
  bare.m_nDuration = 50;
  bare.Validate(DatabaseContext());
  EXPECT_EQ(bare.m_nDuration, 50);
  EXPECT_FALSE(bare.m_Shot);
}

TEST(FlowCmdValidateTest, SubFlowsAreValidated) {
  cFlow flow;
  flow.m_Commands.push_back(MakeCommand(0, kFlowCmdEffect, {4}));
  cFlowCmd item = MakeCommand(1, kItemCmdChangeFlows, {0, 0});
  item.m_SubFlows.push_back(flow);
  item.Validate(DatabaseContext());
  EXPECT_EQ(ParamsOf(item.m_SubFlows.CheckedVectorAt(0).m_Commands.CheckedVectorAt(0)),
            Params(8, {{0, 1}}));
}

namespace {

// -1: no shot settings.
struct PaletteRow {
  const char* what;
  int8_t set;
  int8_t kind;
  int32_t itemPalette, itemIndex, summonPalette, summonIndex;
  std::vector<int32_t> params;
  int32_t expectedItemPalette, expectedItemIndex, expectedSummonIndex;
  std::vector<int32_t> expectedParams;
};

}  // namespace

TEST(FlowCmdValidateTest, PaletteReferences) {
  // Common palette: 3 blocks, 4 charas, 5 items; stage: 6, 7, 8.
  const PaletteRow rows[] = {
      {"shot item past the common items", 0, kFlowCmdShot, 1, 5, 0, 0, {}, 0, 0, 0, {}},
      {"last common item", 0, kFlowCmdShot, 1, 4, 0, 0, {}, 1, 4, 0, {}},
      {"sword item past the stage items", 0, kFlowCmdSword, 2, 8, 0, 0, {}, 0, 0, 0, {}},
      {"last stage item", 0, kFlowCmdSword, 2, 7, 0, 0, {}, 2, 7, 0, {}},
      {"no item", 0, kFlowCmdShot, 0, 99, 0, 0, {}, 0, 99, 0, {}},
      {"unknown item palette", 0, kFlowCmdShot, 3, 99, 0, 0, {}, 3, 99, 0, {}},
      {"shot summon index is not a reference", 0, kFlowCmdShot, 0, 0, 0, 99, {}, 0, 0, 99, {}},
      {"block past the common blocks := 1", 0, kFlowCmdSummonBlock, 0, 0, 0, 3, {}, 0, 0, 1, {}},
      {"last common block", 0, kFlowCmdSummonBlock, 0, 0, 0, 2, {}, 0, 0, 2, {}},
      {"chara past the stage charas", 0, kFlowCmdSummonChara, 0, 0, 1, 7, {}, 0, 0, 1, {}},
      {"last stage chara", 0, kFlowCmdSummonChara, 0, 0, 1, 6, {}, 0, 0, 6, {}},
      {"item past the common items", 0, kFlowCmdSummonItem, 0, 0, 0, 5, {}, 0, 0, 1, {}},
      {"summon item from the stage", 0, kFlowCmdSummonItem, 0, 0, 1, 7, {}, 0, 0, 7, {}},
      {"negative summon index", 0, kFlowCmdSummonBlock, 0, 0, 0, -1, {}, 0, 0, 1, {}},
      {"other summon palette", 0, kFlowCmdSummonBlock, 0, 0, 2, 99, {}, 0, 0, 99, {}},
      {"get item past the common items := 1", 0, kFlowCmdGetItem, -1, 0, 0, 0, {0, 5}, -1, 0, 0,
       {0, 1}},
      {"get last stage item", 0, kFlowCmdGetItem, -1, 0, 0, 0, {1, 7}, -1, 0, 0, {1, 7}},
      {"get item past the stage items", 0, kFlowCmdGetItem, -1, 0, 0, 0, {1, 8}, -1, 0, 0, {1, 1}},
      {"get item of another palette", 0, kFlowCmdGetItem, -1, 0, 0, 0, {2, 99}, -1, 0, 0, {2, 99}},
      {"item form of get item", 1, 10, -1, 0, 0, 0, {0, 5}, -1, 0, 0, {0, 1}},
      {"shot without settings", 0, kFlowCmdShot, -1, 0, 0, 0, {}, -1, 0, 0, {}},
  };
  const cValidateContext context = DatabaseContext();
  for (const PaletteRow& row : rows) {
    SCOPED_TRACE(row.what);
    cFlowCmd cmd = MakeCommand(row.set, row.kind, row.params);
    if (row.itemPalette >= 0) {
      NewEdShot(cmd.m_Shot.Shared());
      cmd.m_Shot->m_nItemPalette = static_cast<int8_t>(row.itemPalette);
      cmd.m_Shot->m_nItemIndex = static_cast<int16_t>(row.itemIndex);
      cmd.m_Shot->m_nSummonPalette = static_cast<int8_t>(row.summonPalette);
      cmd.m_Shot->m_nSummonIndex = static_cast<int16_t>(row.summonIndex);
    }
    cmd.ValidatePaletteRefs(context);
    EXPECT_EQ(ParamsOf(cmd), row.expectedParams);
    ASSERT_EQ(static_cast<bool>(cmd.m_Shot), row.expectedItemPalette >= 0);
    if (!cmd.m_Shot) continue;
    EXPECT_EQ(cmd.m_Shot->m_nItemPalette, row.expectedItemPalette);
    EXPECT_EQ(cmd.m_Shot->m_nItemIndex, row.expectedItemIndex);
    EXPECT_EQ(cmd.m_Shot->m_nSummonIndex, row.expectedSummonIndex);
  }

  // Sub-flows too.
  cFlow flow;
  flow.m_Commands.push_back(MakeCommand(0, kFlowCmdGetItem, {0, 5}));
  cFlowCmd item = MakeCommand(1, kItemCmdChangeFlows, {0, 0});
  item.m_SubFlows.push_back(flow);
  item.ValidatePaletteRefs(context);
  EXPECT_EQ(ParamsOf(item.m_SubFlows.CheckedVectorAt(0).m_Commands.CheckedVectorAt(0)),
            (std::vector<int32_t>{0, 1}));
}

class FlowCmdUnknownKindTest : public RecordTest {
 protected:
  int LoggedUnknownKinds() const {
    int count = 0;
    for (const std::string& line : ReportLines()) {
      if (line.find("not in the command tables") != std::string::npos) ++count;
    }
    return count;
  }
};

TEST_F(FlowCmdUnknownKindTest, LoadsAsTheEmptyCommandAndLogsOnce) {
  struct Case {
    const char* what;
    int32_t version;
    int8_t set;
    int8_t kind;
    const char* logged;  // set and kind as the line names them
  } cases[] = {
      {"flow kind past the table", 836, 0, 40, "set 0 kind 40"},
      {"item kind past the table", 836, 1, 25, "set 1 kind 25"},
      {"negative kind", 836, 0, -3, "set 0 kind -3"},
      {"unknown set", 836, 2, 1, "set 2 kind 1"},
      {"renumbered past the table", 733, 0, 39, "set 0 kind 40"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const int before = LoggedUnknownKinds();
    cFlowCmd loaded;
    ASSERT_TRUE(LoadCommandImage(loaded, CommandImageAt(c.version, MakeCommand(c.set, c.kind, {1, 2, 3}))));
    EXPECT_EQ(loaded.m_nSet, kCmdSetFlow);
    EXPECT_EQ(loaded.m_nKind, kFlowCmdNone);
    EXPECT_TRUE(loaded.m_Params.empty());
    EXPECT_EQ(LoggedUnknownKinds(), before + 1);
    EXPECT_NE(ReportLines().back().find(c.logged), std::string::npos) << ReportLines().back();

    // Saved and loaded again it is an ordinary empty command.
    cFlowCmd again;
    ASSERT_TRUE(LoadCommandImage(again, RecordImageAt(loaded)));
    EXPECT_EQ(again, loaded);
    EXPECT_EQ(LoggedUnknownKinds(), before + 1);
  }
  EXPECT_FALSE(ClosePosted());
}

TEST(FlowCmdUnknownKindInMemoryTest, ValidateEmptiesIt) {
  cFlowCmd cmd = MakeCommand(1, 30, {5, 6});
  cmd.Validate(cValidateContext::Defaults());
  EXPECT_EQ(cmd.m_nSet, kCmdSetFlow);
  EXPECT_EQ(cmd.m_nKind, kFlowCmdNone);
  EXPECT_TRUE(cmd.m_Params.empty());
}
