// A taken item on the hero: the list of its commands, the icon and sound of
// the taking, and the items that give nothing.

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "chara_world.h"
#include "records/script/cmd_kind_table.h"
#include "stage/objects/chara_flow_calls.h"
#include "stage/objects/hero.h"
#include "stage/objects/item.h"

class HeroItemCommandsTest : public CharaWorld {
 protected:
  void SetUp() override {
    CharaWorld::SetUp();
    hero_ = &AddTestHero(1);
    hero_->m_Def.m_nMaxHp = 100;
    hero_->m_nHp = 100;
    hero_->m_bOnScreen = 1;
    services_.m_Events.clear();
  }

  static cFlowCmd ItemCmd(int8_t kind, std::vector<int32_t> params = {}) {
    cFlowCmd cmd;
    cmd.m_nSet = kCmdSetItem;
    cmd.m_nKind = kind;
    const auto count = static_cast<std::size_t>(g_ItemCmdKinds[static_cast<std::size_t>(kind)].nParams);
    if (params.size() < count) params.resize(count, 0);
    cmd.m_Params.assign(params.begin(), params.end());
    return cmd;
  }
  static cFlowCmd Sound(int32_t n) { return ItemCmd(20, {n}); }
  // ステータスの操作: the hero's HP := value.
  static cFlowCmd SetHp(int32_t value) { return ItemCmd(7, {0, 0, 0, 0, 1, 0, 0, value}); }

  int64_t IntArg(const cStageEvent& event, const std::string& name) const {
    for (const cStageEventArg& arg : event.Args) {
      if (arg.strName == name) return std::get<int64_t>(arg.value);
    }
    ADD_FAILURE() << "no argument " << name;
    return 0;
  }

  cHero* hero_ = nullptr;
};

TEST_F(HeroItemCommandsTest, HpRunningOutEndsTheListWithTheHerosDeath) {
  cVector<cFlowCmd> cmds;
  cmds.assign({Sound(3), SetHp(0), Sound(4)});
  EXPECT_EQ(hero_->ApplyItemCommands(cmds), kPlayDeath);
  EXPECT_EQ(EventNames(), (std::vector<std::string>{"PlayProjectSE"}));
}

TEST_F(HeroItemCommandsTest, ArrangeLinksWaitForTheNextOtherCommand) {
  cVector<cFlowCmd> cmds;
  cmds.assign({ItemCmd(kItemCmdArrange), ItemCmd(kItemCmdArrange)});
  EXPECT_EQ(hero_->ApplyItemCommands(cmds), 0);
  EXPECT_EQ(hero_->m_VarLinks.size(), 2U);
  cmds.assign({ItemCmd(kItemCmdNone)});
  hero_->ApplyItemCommands(cmds);
  EXPECT_TRUE(hero_->m_VarLinks.empty());
}

TEST_F(HeroItemCommandsTest, TheItemMessageFlagStartsClearForEveryItem) {
  cVector<cFlowCmd> cmds;
  cmds.assign({ItemCmd(4)});
  play_.m_bItemMessage = 0;
  hero_->ApplyItemCommands(cmds);
  EXPECT_EQ(play_.m_bItemMessage, 1);
  cmds.assign({Sound(1)});
  hero_->ApplyItemCommands(cmds);
  EXPECT_EQ(play_.m_bItemMessage, 0);
}

TEST_F(HeroItemCommandsTest, GivenItemShowsItsIconPlaysItsSoundAndRunsItsCommands) {
  cItemDef def;
  def.m_nGraphic = 17;
  def.m_nGraphicCell = 2;
  def.m_nSound = 6;
  def.m_Commands.assign({Sound(9)});
  cItem item;
  item.InitFromDef(3, &def, 0);
  item.m_bEnabled = 1;
  EXPECT_EQ(GiveItemToHero(&item, hero_), 0);
  ASSERT_EQ(EventNames(), (std::vector<std::string>{"ShowMessage", "PlayProjectSE", "PlayProjectSE"}));
  const cStageEvent& icon = services_.m_Events[0];
  EXPECT_EQ(IntArg(icon, "nKind"), 2);
  EXPECT_EQ(IntArg(icon, "nIconSource"), 2);
  EXPECT_EQ(IntArg(icon, "nIconIndex"), 17);
  EXPECT_EQ(IntArg(icon, "nIconCell"), 2);
  EXPECT_EQ(IntArg(icon, "nPosMode"), 4);
  EXPECT_EQ(IntArg(icon, "nCharaId"), hero_->m_nId);
  EXPECT_EQ(IntArg(services_.m_Events[1], "n"), 6);
  EXPECT_EQ(IntArg(services_.m_Events[2], "n"), 9);
}

TEST_F(HeroItemCommandsTest, ItemsThatGiveNothing) {
  struct Case {
    const char* name;
    int16_t graphic;
    int8_t takeKind;
    int32_t enabled;
  };
  const Case cases[] = {
      {"the empty part", 0, kItemTakeOnce, 1},
      {"取れない", 4, kItemTakeNever, 1},
      {"disabled", 4, kItemTakeAlways, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    services_.m_Events.clear();
    cItemDef def;
    def.m_nGraphic = c.graphic;
    def.m_nTakeKind = c.takeKind;
    def.m_Commands.assign({SetHp(0)});
    cItem item;
    item.InitFromDef(3, &def, 0);
    item.m_bEnabled = c.enabled;
    EXPECT_EQ(GiveItemToHero(&item, hero_), 0);
    EXPECT_TRUE(services_.m_Events.empty());
    EXPECT_EQ(hero_->m_nHp, 100);
  }
  EXPECT_EQ(GiveItemToHero(nullptr, hero_), 0);
}

TEST_F(HeroItemCommandsTest, ADefeatedCharasItemGoesToTheHeroThroughTheFlowEngine) {
  cItemDef def;
  def.m_nGraphic = 4;
  def.m_bTakeMessage = 0;
  def.m_Commands.assign({Sound(5)});
  cItem item;
  item.InitFromDef(0, &def, 1);
  EXPECT_EQ(GiveItemToHero(item), 0);
  EXPECT_EQ(EventNames(), (std::vector<std::string>{"PlayProjectSE", "PlayProjectSE"}));
}
