#include "tools/sample/data/sample_palette.h"

#include "records/database/database.h"
#include "records/stage/stage_data.h"
#include "tools/sample/data/sample_commands.h"
#include "tools/sample/data/sample_conditions.h"
#include "tools/sample/data/sample_database.h"
#include "tools/sample/sample_catalog.h"

namespace {

// Statuses and system values of "ステータスの操作".
constexpr int32_t kObjectSelf = 0;
constexpr int32_t kObjectSystem = 5;
constexpr int32_t kStatusHp = 1;
constexpr int32_t kSystemScore = 3;
constexpr int32_t kSystemLives = 4;

struct CharaDesc {
  const char* name;
  int8_t control;
  int8_t group;
  int16_t animeSet;
  int32_t hp;
  int32_t power;
  int32_t score;
};

cCharaDef CharaOf(int16_t graphic, const CharaDesc& desc) {
  cCharaDef chara;
  chara.m_strName = desc.name;
  chara.m_nGraphicSource = kPartGraphicChara;
  chara.m_nGraphic = graphic;
  chara.m_nAnimeSet = desc.animeSet;
  chara.m_nControl = desc.control;
  chara.m_nGroup = desc.group;
  chara.m_nZ = desc.control == cCharaDef::kControlPlayer ? 5 : 4;
  chara.m_nFacing = desc.control == cCharaDef::kControlPlayer ? kFacingRight : kFacingLeft;
  chara.m_nGiant = 1;
  chara.m_nMaxHp = desc.hp;
  chara.m_nPower = desc.power;
  chara.m_nImpact = 4;
  chara.m_nScore = desc.score;
  chara.m_nStop = 10;
  chara.m_nDeathEffect = 1;
  chara.m_nActiveRange = 0;
  return chara;
}

// The hero walks with the arrow keys, jumps with button 1 (higher the longer
// it is held) and throws a star with button 2. A jump of fixed height in a
// keyed flow would count its key as held for good: the command would never
// end and the hero would jump only once.
cCharaDef Hero() {
  cCharaDef hero = CharaOf(kCharaHero, {"ピコ", cCharaDef::kControlPlayer, kGroupHero, kAnimeSetHero, 3, 1, 0});
  hero.m_nSight = 0;
  hero.m_Flows = {
      FlowOf({MoveCmd(kFlowCmdLinearMove, kDirLeft, 30, 1)}, {kKeyLeft}),
      FlowOf({MoveCmd(kFlowCmdLinearMove, kDirRight, 30, 1)}, {kKeyRight}),
      FlowOf({JumpCmd(7, kSoundJump, kJumpByKey)}, {kKeyButton1}, false),
      FlowOf({ShotCmd({kShotHero, 60, 14, 1, kGroupHero, kSoundShot}), WaitCmd(3)}, {kKeyButton1 + 1}, false),
  };
  return hero;
}

// Walks along the ground and turns at walls and edges.
cCharaDef Walker() {
  cCharaDef walker = CharaOf(kCharaWalker, {"テクテク", cCharaDef::kControlComputer, kGroupEnemy, kAnimeSetWalker, 1, 1, 100});
  walker.m_Flows = {FlowOf({MoveCmd(kFlowCmdGroundMove, kDirFront, 10, 50)})};
  return walker;
}

// Waits, then hops.
cCharaDef Hopper() {
  cCharaDef hopper = CharaOf(kCharaHopper, {"ピョン", cCharaDef::kControlComputer, kGroupEnemy, kAnimeSetWalker, 1, 1, 150});
  hopper.m_Flows = {FlowOf({WaitCmd(12), JumpCmd(5, kSoundNone)})};
  return hopper;
}

// Stands still and shoots to the front every two seconds.
cCharaDef Shooter() {
  cCharaDef shooter = CharaOf(kCharaShooter, {"ドン", cCharaDef::kControlComputer, kGroupEnemy, kAnimeSetStill, 2, 1, 200});
  shooter.m_Flows = {FlowOf({WaitCmd(20), ShotCmd({kShotEnemy, 25, 20, 1, kGroupEnemy, kSoundShot})})};
  return shooter;
}

// A solid chara on the hero's side: it neither hurts nor is hurt, and the
// hero's shots pass it.
cCharaDef SolidChara(int16_t graphic, const char* name) {
  cCharaDef solid = CharaOf(graphic, {name, cCharaDef::kControlComputer, kGroupHero, kAnimeSetStill, 1, 0, 0});
  solid.m_bBlockChara = 1;
  solid.m_nInvincible = 2;
  solid.m_nDeathEffect = 0;
  return solid;
}

// Flies three seconds right, three seconds left, whatever the view: the
// hero rides it over what it cannot cross on foot.
cCharaDef Lift() {
  cCharaDef lift = SolidChara(kCharaLift, "リフト");
  lift.m_nFly = 1;
  lift.m_nActiveRange = 3;
  lift.m_Flows = {FlowOf({MoveCmd(kFlowCmdLinearMove, kDirRight, 10, 30), MoveCmd(kFlowCmdLinearMove, kDirLeft, 10, 30)})};
  return lift;
}

// Falls to the ground and stays: a step up to ledges too high to jump to.
cCharaDef Crate() { return SolidChara(kCharaCrate, "木箱"); }

// Wakes when it comes into view; walks and shoots while it has more than half
// its HP, then hops and shoots faster; a hit makes it flinch. Before the stage
// starts it calls its own music.
cCharaDef Boss() {
  constexpr int32_t kBossHp = 6;
  cCharaDef boss = CharaOf(kCharaBoss, {"ドンドン大王", cCharaDef::kControlComputer, kGroupEnemy, kAnimeSetWalker, kBossHp, 1, 5000});
  cFlow calm = FlowOf({MoveCmd(kFlowCmdGroundMove, kDirFront, 15, 15),
                       ShotCmd({kShotEnemy, 30, 20, 1, kGroupEnemy, kSoundShot}), WaitCmd(10)});
  calm.m_Conditions = {StatusCondition(kSubjectSelf, static_cast<int8_t>(kStatusHp), kCompareGreater, kBossHp / 2)};
  cFlow angry = FlowOf({JumpCmd(4, kSoundNone), ShotCmd({kShotEnemy, 45, 24, 1, kGroupEnemy, kSoundShot}), WaitCmd(5)});
  angry.m_Conditions = {StatusCondition(kSubjectSelf, static_cast<int8_t>(kStatusHp), kCompareAtMost, kBossHp / 2)};
  // Only parallel commands run before the stage starts.
  cFlowCmd music = BgmCmd(kBgmChallenge);
  music.m_bParallel = 1;
  boss.m_Flows = {calm, angry, TriggeredFlow(kTriggerDamaged, {JumpCmd(2, kSoundDamage)}),
                  TriggeredFlow(kTriggerBeforeStart, {music})};
  return boss;
}

// The hero carrying a light for dark stages; pressing down then up within a
// few frames springs a jump twice as high.
cCharaDef LanternHero() {
  cCharaDef hero = Hero();
  hero.m_nSightShape = 1;
  hero.m_nSight = 8;
  hero.m_Flows.push_back(KeySequenceFlow({JumpCmd(14, kSoundJump, kJumpByKey)}, {kKeyDown, kKeyUp}, 8));
  return hero;
}

struct BlockDesc {
  const char* name;
  int8_t hitClass;
  int8_t floorEffect;
  int32_t floorValue;
  int8_t layer;
};

constexpr BlockDesc kBlockDescs[] = {
    {"地面", kBlockSolid, kFloorNone, 0, kBlockBehindObjects},
    {"レンガ", kBlockSolid, kFloorNone, 0, kBlockBehindObjects},
    {"草", kBlockPassable, kFloorNone, 0, kBlockOverObjects},
    {"トゲ", kBlockDeadly, kFloorNone, 0, kBlockBehindObjects},
    {"バネ", kBlockSolid, kFloorJump, 8, kBlockBehindObjects},
    {"氷", kBlockSolid, kFloorSpeed, 150, kBlockBehindObjects},
    {"ベルト左", kBlockSolid, kFloorMoveLeft, 10, kBlockBehindObjects},
    {"ベルト右", kBlockSolid, kFloorMoveRight, 10, kBlockBehindObjects},
    {"コインブロック", kBlockSolid, kFloorNone, 0, kBlockBehindObjects},
    {"雲", kBlockPassable, kFloorNone, 0, kBlockBehindObjects},
};
static_assert(std::size(kBlockDescs) == kBlockCount - 1, "one desc per sample block");

cBlockDef BlockOf(int16_t graphic, const BlockDesc& desc) {
  cBlockDef block;
  block.m_strName = desc.name;
  block.m_nGraphicSource = kPartGraphicBlock;
  block.m_nGraphic = graphic;
  block.m_nHitClass = desc.hitClass;
  block.m_nFloorEffect = desc.floorEffect;
  block.m_nFloorValue = desc.floorValue;
  block.m_nLayer = desc.layer;
  return block;
}

cItemDef ItemOf(int16_t graphic, const char* name, int16_t sound, int8_t takeMessage, cFlowCmd command) {
  cItemDef item;
  item.m_strName = name;
  item.m_nGraphicSource = kPartGraphicItem;
  item.m_nGraphic = graphic;
  item.m_nTakeKind = kItemTakeOnce;
  item.m_bTakeMessage = takeMessage;
  item.m_nSound = sound;
  item.m_Commands = {command};
  return item;
}

}  // namespace

cCommonPalette BuildSamplePalette() {
  cCommonPalette palette;
  palette.m_CharaPalette.resize(1);
  palette.m_CharaPalette.push_back(Hero());
  palette.m_CharaPalette.push_back(Walker());
  palette.m_CharaPalette.push_back(Hopper());
  palette.m_CharaPalette.push_back(Shooter());

  palette.m_BlockPalette.resize(1);
  for (int16_t i = 1; i < kBlockCount; ++i) palette.m_BlockPalette.push_back(BlockOf(i, kBlockDescs[i - 1]));
  cBlockDef& coinBox = palette.m_BlockPalette.CheckedVectorAt(kBlockCoinBox);
  coinBox.m_nItemPalette = kTemplateCommon;
  coinBox.m_nItemIndex = kItemCoin;

  palette.m_ItemPalette.resize(1);
  palette.m_ItemPalette.push_back(
      ItemOf(kItemCoin, "コイン", kSoundCoin, 0, AddStatusItemCmd(kObjectSystem, kSystemScore, 10)));
  palette.m_ItemPalette.push_back(ItemOf(kItemHeart, "ハート", kSoundHeal, 1, AddStatusItemCmd(kObjectSelf, kStatusHp, 1)));
  palette.m_ItemPalette.push_back(
      ItemOf(kItemOneUp, "1UPキノコ", kSoundOneUp, 1, AddStatusItemCmd(kObjectSystem, kSystemLives, 1)));
  palette.m_ItemPalette.push_back(ItemOf(kItemGoal, "ゴールの旗", kSoundGoal, 0, StageClearItemCmd()));

  palette.m_CharaPalette.push_back(Lift());
  palette.m_CharaPalette.push_back(Crate());
  palette.m_CharaPalette.push_back(Boss());
  palette.m_CharaPalette.push_back(LanternHero());
  cItemDef fountain = ItemOf(kItemFountain, "回復の泉", kSoundHeal, 0, AddStatusItemCmd(kObjectSelf, kStatusHp, 1));
  fountain.m_nTakeKind = kItemTakeAlways;
  palette.m_ItemPalette.push_back(fountain);
  cItemDef sign = ItemOf(kItemSign, "看板", kSoundNone, 0, {});
  sign.m_Commands.clear();
  sign.m_nTakeKind = kItemTakeNever;
  palette.m_ItemPalette.push_back(sign);
  return palette;
}

void PlaceBlock(cStageData& stage, const cCommonPalette& palette, int16_t part, int32_t x, int32_t y) {
  cBlockDef block = palette.m_BlockPalette.CheckedVectorAt(part);
  block.m_nX = static_cast<int16_t>(x);
  block.m_nY = static_cast<int16_t>(y);
  stage.m_PlacedBlocks.push_back(block);
}
