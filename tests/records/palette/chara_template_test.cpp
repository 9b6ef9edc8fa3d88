// Templates of chara parts: which members each inherit flag copies, how the
// part finds its template (and what happens when it cannot), and inherited
// flow lists.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "chara_test_fixtures.h"
#include "records/palette/chara_groups.h"

namespace {

using CharaTemplateTest = CharaTest;

std::string Show(int64_t value) { return std::to_string(value); }
std::string Show(const std::string& value) { return value; }
std::string Show(const cVector<int8_t>& flags) {
  std::string text;
  for (int8_t flag : flags) text += static_cast<char>('0' + flag);
  return text;
}
std::string Show(const cVector<cCondition>& list) {
  return Show(list.VectorSize()) + (list.empty() ? "" : ":" + Show(list.front().m_nValue));
}
std::string Show(const cVector<cFlow>& list) {
  return Show(list.VectorSize()) + (list.empty() ? "" : ":" + Show(list.front().m_nFlowId));
}

struct Member {
  const char* name;
  std::function<std::string(const cCharaDef&)> show;
};

#define CHARA_MEMBER(m) Member{#m, [](const cCharaDef& def) { return Show(def.m); }}

// Every member of a part, stored or not.
const std::vector<Member>& AllMembers() {
  static const std::vector<Member> members = {
      CHARA_MEMBER(m_nX), CHARA_MEMBER(m_nY), CHARA_MEMBER(m_nCarriedItem),
      CHARA_MEMBER(m_nTemplateKind), CHARA_MEMBER(m_nTemplateIndex), CHARA_MEMBER(m_Inherit),
      CHARA_MEMBER(m_strName), CHARA_MEMBER(m_Conditions), CHARA_MEMBER(m_nCondMode),
      CHARA_MEMBER(m_bCondOnce), CHARA_MEMBER(m_nFacing), CHARA_MEMBER(m_nCopies),
      CHARA_MEMBER(m_nOffsetX), CHARA_MEMBER(m_nOffsetXStep), CHARA_MEMBER(m_nOffsetY),
      CHARA_MEMBER(m_nOffsetYStep), CHARA_MEMBER(m_bMirrorOffsetX), CHARA_MEMBER(m_bMirrorOffsetY),
      CHARA_MEMBER(m_nGraphic), CHARA_MEMBER(m_nGraphicSource), CHARA_MEMBER(m_nGraphicCell),
      CHARA_MEMBER(m_nAnimeSet), CHARA_MEMBER(m_nZ), CHARA_MEMBER(m_bTransparent),
      CHARA_MEMBER(m_nStartEffect), CHARA_MEMBER(m_nStartEffectMode),
      CHARA_MEMBER(m_bStartEffectLoop), CHARA_MEMBER(m_nDeathEffect),
      CHARA_MEMBER(m_nDeathEffectMode), CHARA_MEMBER(m_nMarkShow), CHARA_MEMBER(m_nMark),
      CHARA_MEMBER(m_nControl), CHARA_MEMBER(m_nPlayerNo), CHARA_MEMBER(m_nGroup),
      CHARA_MEMBER(m_nCharaId), CHARA_MEMBER(m_nFly), CHARA_MEMBER(m_bFixedFacing),
      CHARA_MEMBER(m_nInvincible), CHARA_MEMBER(m_nInvincibleLook), CHARA_MEMBER(m_bBlockChara),
      CHARA_MEMBER(m_nGiant), CHARA_MEMBER(m_bAutoScrollSync), CHARA_MEMBER(m_nSightShape),
      CHARA_MEMBER(m_nSight), CHARA_MEMBER(m_nMaxHp), CHARA_MEMBER(m_nMaxSp),
      CHARA_MEMBER(m_nStop), CHARA_MEMBER(m_nHitRange), CHARA_MEMBER(m_nPower),
      CHARA_MEMBER(m_nImpact), CHARA_MEMBER(m_nAttackEffect), CHARA_MEMBER(m_nDefence),
      CHARA_MEMBER(m_nImpactResist), CHARA_MEMBER(m_nScore), CHARA_MEMBER(m_nExtra1),
      CHARA_MEMBER(m_bInActGroup), CHARA_MEMBER(m_nActGroup), CHARA_MEMBER(m_nActiveRange),
      CHARA_MEMBER(m_nActivation), CHARA_MEMBER(m_Flows),
  };
  return members;
}

#undef CHARA_MEMBER

// The names of the members in which a and b differ.
std::vector<std::string> Differences(const cCharaDef& a, const cCharaDef& b) {
  std::vector<std::string> names;
  for (const Member& member : AllMembers()) {
    if (member.show(a) != member.show(b)) names.push_back(member.name);
  }
  return names;
}

// A template differing from a new part in every member, its own template
// and flags included.
cCharaDef FullTemplate() {
  cCharaDef def = DistinctChara();
  def.m_nControl = cCharaDef::kControlPlayer;
  def.m_Inherit.assign(37, 1);
  cCondition condition;
  condition.m_nValue = 5;
  def.m_Conditions.push_back(condition);
  def.m_Flows.push_back(FlowWithId(3));
  return def;
}

// A new part naming common entry 1 as its template, with flags set.
cCharaDef Inheriting(std::initializer_list<int32_t> flags, int32_t flagCount = 37) {
  cCharaDef def;
  def.m_nTemplateKind = kTemplateCommon;
  def.m_nTemplateIndex = 1;
  def.m_Inherit.assign(static_cast<std::size_t>(flagCount), 0);
  for (int32_t flag : flags) def.m_Inherit.CheckedVectorAt(flag) = 1;
  return def;
}

}  // namespace

TEST_F(CharaTemplateTest, EachFlagCopiesItsGroup) {
  const std::vector<std::vector<std::string>> groups = {
      {"m_strName"},
      {"m_nControl", "m_nPlayerNo"},
      {"m_nGroup"},
      {"m_nCharaId"},
      {"m_Conditions", "m_nCondMode", "m_bCondOnce"},
      {"m_nFacing"},
      {"m_nCopies"},
      {"m_nOffsetX", "m_nOffsetXStep", "m_bMirrorOffsetX"},
      {"m_nOffsetY", "m_nOffsetYStep", "m_bMirrorOffsetY"},
      {"m_nGraphic", "m_nGraphicSource", "m_nGraphicCell"},
      {"m_nAnimeSet"},
      {"m_nZ"},
      {"m_bTransparent"},
      {"m_nStartEffect", "m_nStartEffectMode", "m_bStartEffectLoop"},
      {"m_nDeathEffect", "m_nDeathEffectMode"},
      {"m_nMarkShow", "m_nMark"},
      {"m_bFixedFacing"},
      {"m_nFly"},
      {"m_nInvincible", "m_nInvincibleLook"},
      {"m_bBlockChara"},
      {"m_nGiant"},
      {"m_bAutoScrollSync"},
      {"m_nSightShape", "m_nSight"},
      {"m_nMaxHp"},
      {"m_nMaxSp"},
      {"m_nHitRange"},
      {"m_nPower"},
      {"m_nImpact"},
      {"m_nAttackEffect"},
      {"m_nDefence"},
      {"m_nImpactResist"},
      {"m_nStop"},
      {"m_nActiveRange", "m_nActivation"},
      {"m_bInActGroup", "m_nActGroup"},
      {"m_nScore"},
      {"m_nExtra1"},
      {"m_Flows"},
  };
  ASSERT_EQ(groups.size(), static_cast<std::size_t>(kCharaGroupCount));
  templates_.common.CheckedVectorAt(1) = FullTemplate();
  for (int32_t flag = 0; flag < kCharaGroupCount; ++flag) {
    SCOPED_TRACE(flag);
    const cCharaDef before = Inheriting({flag});
    cCharaDef after = before;
    after.ApplyTemplate(templates_);
    EXPECT_EQ(Differences(before, after), groups[static_cast<std::size_t>(flag)]);
  }
}

TEST_F(CharaTemplateTest, TemplateNotFoundClearsTheKindAndKeepsTheIndex) {
  templates_.common.CheckedVectorAt(1) = FullTemplate();
  struct Case {
    const char* what;
    int8_t kind;
    int16_t index;
    int8_t kindAfter;
  } cases[] = {
      {"index past the common palette", kTemplateCommon, 3, kTemplateNone},
      {"negative index", kTemplateStage, -1, kTemplateNone},
      {"unknown kind: the part is its own template", 3, 1, 3},
      {"negative kind", -1, 1, -1},
      {"index 0 means none", kTemplateCommon, 0, kTemplateCommon},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    cCharaDef def = Inheriting({0, 23, 36});
    def.m_nTemplateKind = c.kind;
    def.m_nTemplateIndex = c.index;
    def.ApplyTemplate(templates_);
    EXPECT_EQ(def.m_nTemplateKind, c.kindAfter);
    EXPECT_EQ(def.m_nTemplateIndex, c.index);
    EXPECT_EQ(def.m_strName, "");
    EXPECT_EQ(def.m_nMaxHp, 10);
    EXPECT_TRUE(def.m_Flows.empty());
  }
}

TEST_F(CharaTemplateTest, LoadResolvesAgainstTheInstalledSource) {
  // Kind 2 is the stage the source stands for, not any global stage.
  templates_.stage.CheckedVectorAt(2).m_nMaxHp = 77;
  cCharaDef def = Inheriting({23});
  def.m_nTemplateKind = kTemplateStage;
  def.m_nTemplateIndex = 2;
  EXPECT_EQ(ThroughFile(def).m_nMaxHp, 77);

  // Without a source, a common template past the (empty) palette: kind 0, the
  // index unchanged and the part's own values.
  cTemplateSource none;
  cTemplateSourceScope scope(none);
  def.m_nTemplateKind = kTemplateCommon;
  def.m_nMaxHp = 5;
  const cCharaDef loaded = ThroughFile(def);
  EXPECT_EQ(loaded.m_nTemplateKind, kTemplateNone);
  EXPECT_EQ(loaded.m_nTemplateIndex, 2);
  EXPECT_EQ(loaded.m_nMaxHp, 5);
}

TEST_F(CharaTemplateTest, FlagsPastTheLastGroupSelectNothing) {
  templates_.common.CheckedVectorAt(1) = FullTemplate();
  const cCharaDef before = Inheriting({37, 39}, 40);
  cCharaDef after = before;
  after.ApplyTemplate(templates_);
  EXPECT_EQ(after, before);
}

TEST_F(CharaTemplateTest, PartThatIsItsOwnTemplateStaysAsItIs) {
  // A stage palette entry naming itself while it loads in place.
  cCharaDef& self = templates_.stage.CheckedVectorAt(1);
  self = Inheriting({0, 4, 36});
  self.m_nTemplateKind = kTemplateStage;
  self.m_strName = "self";
  self.m_Flows.push_back(FlowWithId(2));
  const cCharaDef before = self;
  self.ApplyTemplate(templates_);
  EXPECT_EQ(self, before);
}

TEST_F(CharaTemplateTest, InheritedEmptyFlowListLeavesNoFlows) {
  cCharaDef def = Inheriting({36});
  def.m_Flows.push_back(FlowWithId(4));

  // The copy itself leaves one empty flow in place of the list ...
  cCharaDef applied = def;
  applied.ApplyTemplate(templates_);
  ASSERT_EQ(applied.m_Flows.size(), 1u);
  EXPECT_EQ(applied.m_Flows.front().m_nKeySlack, 3);
  EXPECT_EQ(applied.m_Flows.front().m_nFlowId, 0);

  // ... which the load's validation removes.
  EXPECT_TRUE(ThroughFile(def).m_Flows.empty());
}
