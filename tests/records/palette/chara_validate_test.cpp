// Validation of chara parts: references repaired against the sizes of a
// context, the switches a player chara cannot have, empty and flagged flows,
// the flows' palette references, and the offsets of copies.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "chara_test_fixtures.h"
#include "records/script/cmd_kind_table.h"
#include "records/script/direction_codes.h"
#include "records/script/flow_cmd_fixtures.h"

namespace {

using CharaValidateTest = CharaTest;

cValidateContext SmallContext() {
  cValidateContext context = cValidateContext::Defaults();
  context.SetListSize(eDatabaseList::AnimeSet, 4);
  context.SetListSize(eDatabaseList::CharaEffect, 5);
  context.SetListSize(eDatabaseList::Effect, 6);
  context.SetListSize(eDatabaseList::BmpCharaExc, 7);
  context.commonPalette = {9, 3, 9};
  context.stagePalette = {9, 4, 9};
  return context;
}

std::vector<int8_t> FlowIds(const cCharaDef& def) {
  std::vector<int8_t> ids;
  for (const cFlow& flow : def.m_Flows) ids.push_back(flow.m_nFlowId);
  return ids;
}

}  // namespace

TEST(CharaValidateRefsTest, ReferencesPastTheirListsAreReset) {
  struct Case {
    const char* what;
    std::function<void(cCharaDef&)> set;
    std::function<int32_t(const cCharaDef&)> get;
    int32_t expected;
  } cases[] = {
      {"anime set in range", [](cCharaDef& d) { d.m_nAnimeSet = 3; },
       [](const cCharaDef& d) { return d.m_nAnimeSet; }, 3},
      {"anime set past the list", [](cCharaDef& d) { d.m_nAnimeSet = 4; },
       [](const cCharaDef& d) { return d.m_nAnimeSet; }, 0},
      {"negative anime set", [](cCharaDef& d) { d.m_nAnimeSet = -1; },
       [](const cCharaDef& d) { return d.m_nAnimeSet; }, 0},
      {"start effect", [](cCharaDef& d) { d.m_nStartEffect = 5; },
       [](const cCharaDef& d) { return d.m_nStartEffect; }, 0},
      {"death effect", [](cCharaDef& d) { d.m_nDeathEffect = 5; },
       [](const cCharaDef& d) { return d.m_nDeathEffect; }, 0},
      {"death effect in range", [](cCharaDef& d) { d.m_nDeathEffect = 4; },
       [](const cCharaDef& d) { return d.m_nDeathEffect; }, 4},
      {"attack effect", [](cCharaDef& d) { d.m_nAttackEffect = 6; },
       [](const cCharaDef& d) { return d.m_nAttackEffect; }, 0},
      {"own bitmap past its list",
       [](cCharaDef& d) { d.m_nGraphicSource = kPartGraphicExclusive; d.m_nGraphic = 7; },
       [](const cCharaDef& d) { return d.m_nGraphic; }, 1},
      {"own bitmap in range",
       [](cCharaDef& d) { d.m_nGraphicSource = kPartGraphicExclusive; d.m_nGraphic = 6; },
       [](const cCharaDef& d) { return d.m_nGraphic; }, 6},
      {"chara sheet graphic is not checked", [](cCharaDef& d) { d.m_nGraphic = 700; },
       [](const cCharaDef& d) { return d.m_nGraphic; }, 700},
      {"giant scale 0", [](cCharaDef& d) { d.m_nGiant = 0; },
       [](const cCharaDef& d) { return d.m_nGiant; }, 1},
      {"negative giant scale", [](cCharaDef& d) { d.m_nGiant = -3; },
       [](const cCharaDef& d) { return d.m_nGiant; }, 1},
      {"common template past the palette",
       [](cCharaDef& d) { d.m_nTemplateKind = kTemplateCommon; d.m_nTemplateIndex = 3; },
       [](const cCharaDef& d) { return d.m_nTemplateKind * 100 + d.m_nTemplateIndex; }, 0},
      {"stage template in range",
       [](cCharaDef& d) { d.m_nTemplateKind = kTemplateStage; d.m_nTemplateIndex = 3; },
       [](const cCharaDef& d) { return d.m_nTemplateKind * 100 + d.m_nTemplateIndex; }, 203},
      {"negative stage template",
       [](cCharaDef& d) { d.m_nTemplateKind = kTemplateStage; d.m_nTemplateIndex = -2; },
       [](const cCharaDef& d) { return d.m_nTemplateKind * 100 + d.m_nTemplateIndex; }, 0},
      {"unknown kind keeps its index",
       [](cCharaDef& d) { d.m_nTemplateKind = 5; d.m_nTemplateIndex = 40; },
       [](const cCharaDef& d) { return d.m_nTemplateKind * 100 + d.m_nTemplateIndex; }, 540},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    cCharaDef def;
    c.set(def);
    def.Validate(SmallContext());
    EXPECT_EQ(c.get(def), c.expected);
  }
}

TEST_F(CharaValidateTest, PlayerPartIsSavedWithoutCopiesOrBlockCharaSwitch) {
  for (int8_t control : {cCharaDef::kControlPlayer, cCharaDef::kControlComputer}) {
    SCOPED_TRACE(control);
    cCharaDef def = DistinctChara();
    def.m_nControl = control;
    def.m_nCopies = 3;
    def.m_bBlockChara = 1;
    const std::string image = CharaImageAt(def);
    // Copies and the block chara switch as stored (bytes 6 and 44 of the
    // fields, which follow the version and the field count).
    const bool player = control == cCharaDef::kControlPlayer;
    EXPECT_EQ(image.at(8 + 6), player ? 0 : 3);
    EXPECT_EQ(image.at(8 + 44), player ? 0 : 1);
    const cCharaDef loaded = LoadChara(image);
    EXPECT_EQ(loaded.m_nCopies, player ? 0 : 3);
    EXPECT_EQ(loaded.m_bBlockChara, player ? 0 : 1);
  }
}

TEST_F(CharaValidateTest, EntirelyEmptyFlowsAreRemoved) {
  cCharaDef def = DistinctChara();
  def.m_Flows.push_back(cFlow());  // empty
  def.m_Flows.push_back(FlowWithId(1));
  cFlow triggered;
  triggered.m_nFlowId = 2;  // names it in the result; the trigger alone keeps it below
  triggered.m_nTrigger = kTriggerDied;
  def.m_Flows.push_back(triggered);
  cFlow slackOnly;  // key slack and hold do not count
  slackOnly.m_nKeySlack = 3;
  slackOnly.m_bKeyHold = 1;
  def.m_Flows.push_back(slackOnly);
  def.m_Flows.push_back(cFlow());
  EXPECT_EQ(FlowIds(ThroughFile(def)), (std::vector<int8_t>{1, 2}));

  // Any one of these keeps an otherwise empty flow.
  const std::vector<std::function<void(cFlow&)>> keepers = {
      [](cFlow& f) { f.m_nTrigger = kTriggerDied; },
      [](cFlow& f) { f.m_nFlagNo = 1; },
      [](cFlow& f) { f.m_Conditions.push_back(cCondition()); },
      [](cFlow& f) { f.m_KeyConds.push_back(cKeyCond()); },
      [](cFlow& f) { f.m_Commands.push_back(MakeCommand(kCmdSetFlow, kFlowCmdWait)); },
  };
  for (std::size_t i = 0; i < keepers.size(); ++i) {
    SCOPED_TRACE(i);
    cCharaDef one = DistinctChara();
    cFlow flow;
    keepers[i](flow);
    one.m_Flows.push_back(flow);
    EXPECT_EQ(ThroughFile(one).m_Flows.size(), 1u);
  }
}

TEST_F(CharaValidateTest, FlaggedFlowsAreDroppedUnlessTheEditorOrProjectKeepsThem) {
  struct Case {
    bool fromEditor;
    bool keepFlagged;
    std::vector<int8_t> ids;
  } cases[] = {
      {false, false, {2}},
      {true, false, {1, 2, 3}},
      {false, true, {1, 2, 3}},
  };
  cCharaDef def = DistinctChara();
  for (int8_t id : {1, 2, 3}) {
    cFlow flow = FlowWithId(id);
    flow.m_bDropAfterLoad = id != 2;
    def.m_Flows.push_back(flow);
  }
  const std::string image = CharaImageAt(def);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.fromEditor << c.keepFlagged);
    cValidateContext context = context_;
    context.bFromEditor = c.fromEditor;
    context.bKeepFlaggedFlows = c.keepFlagged;
    cValidateContextScope scope(context);
    EXPECT_EQ(FlowIds(LoadChara(image)), c.ids);
  }
}

TEST(CharaFlowRefsTest, FlowCommandsPointingPastThePalettesAreReset) {
  cCharaDef def;
  cFlow flow = FlowWithId(1);
  flow.m_Commands.push_back(MakeCommand(kCmdSetFlow, kFlowCmdGetItem, {kStagePalette, 9}));
  def.m_Flows.push_back(flow);
  def.ValidateFlowRefs(SmallContext());
  EXPECT_EQ(ParamsOf(def.m_Flows.front().m_Commands.front()),
            (std::vector<int32_t>{kStagePalette, 1}));
}

TEST(CharaOffsetTest, OffsetOfEachCopy) {
  // The y settings are the x ones, but never mirrored: each axis mirrors by its
  // own switch.
  struct Case {
    int16_t offset, step;
    int8_t mirrorX;
    int32_t i, facing;
    double x, y;
  } cases[] = {
      {4, -2, 1, 3, kFacingRight, 2.0, -2.0},
      {4, -2, 1, 3, kFacingLeft, -2.0, -2.0},
      {4, -2, 0, 3, kFacingRight, -2.0, -2.0},
      {-32768, -32768, 0, 100, kFacingLeft, -32768.0 * 101, -32768.0 * 101},  // no int16 overflow
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.offset << " " << c.step << " " << c.i << " " << c.facing);
    cCharaDef def;
    def.m_nOffsetX = def.m_nOffsetY = c.offset;
    def.m_nOffsetXStep = def.m_nOffsetYStep = c.step;
    def.m_bMirrorOffsetX = c.mirrorX;
    EXPECT_EQ(def.OffsetX(c.i, c.facing), c.x);
    EXPECT_EQ(def.OffsetY(c.i, c.facing), c.y);
  }
}
