#include "tools/sample/data/sample_stages.h"

#include <vector>

#include "tools/sample/data/sample_palette.h"
#include "tools/sample/data/sample_world_map.h"
#include "tools/sample/sample_catalog.h"

namespace {

// What a map character places.
enum class ePlace { Nothing, Block, Chara, Item };
struct Legend {
  char c;
  ePlace place;
  int16_t part;  // index in the common palette's list
};

constexpr Legend kLegend[] = {
    {'#', ePlace::Block, kBlockGround},    {'B', ePlace::Block, kBlockBrick},     {'"', ePlace::Block, kBlockGrass},
    {'^', ePlace::Block, kBlockSpikes},    {'S', ePlace::Block, kBlockSpring},    {'I', ePlace::Block, kBlockIce},
    {'<', ePlace::Block, kBlockBeltLeft},  {'>', ePlace::Block, kBlockBeltRight}, {'?', ePlace::Block, kBlockCoinBox},
    {'~', ePlace::Block, kBlockCloud},     {'P', ePlace::Chara, kCharaHero},      {'w', ePlace::Chara, kCharaWalker},
    {'h', ePlace::Chara, kCharaHopper},    {'s', ePlace::Chara, kCharaShooter},   {'o', ePlace::Item, kItemCoin},
    {'v', ePlace::Item, kItemHeart},       {'1', ePlace::Item, kItemOneUp},       {'G', ePlace::Item, kItemGoal},
    {'L', ePlace::Chara, kCharaLanternHero}, {'=', ePlace::Chara, kCharaLift},   {'x', ePlace::Chara, kCharaCrate},
    {'K', ePlace::Chara, kCharaBoss},      {'f', ePlace::Item, kItemFountain},   {'i', ePlace::Item, kItemSign},
};

bool IsHero(const Legend& legend) {
  return legend.place == ePlace::Chara && (legend.part == kCharaHero || legend.part == kCharaLanternHero);
}

const Legend* Find(char c) {
  for (const Legend& legend : kLegend) {
    if (legend.c == c) return &legend;
  }
  return nullptr;
}

enum class eMode { Story, Challenge, Free };

// What a stage sets beyond its mode's defaults.
struct StageRules {
  int32_t autoScrollSpeed = 0;  // tenths of a dot per frame to the right; 0 none
  bool gauges = false;          // status gauges shown (a boss's HP)
};

struct StageDesc {
  const char* path;
  const char* title;
  eMode mode;
  int32_t bgm;
  std::vector<std::string> map;
  StageRules rules = {};
};

// 15 rows each (one screen high); the hero needs at most three blocks of gap
// and three of height to cross, or a ride on a solid chara.
const std::vector<StageDesc>& Descs() {
  static const std::vector<StageDesc> kDescs = {
      {"data\\stg4\\w01-1.stg4_000", "はじまりの草原", eMode::Story, kBgmStage,
       {
           "                                                            ",
           "                                                            ",
           "                                                            ",
           "                                                            ",
           "                                  o o o                     ",
           "                  ?  ?           BBBBBBB                    ",
           "                                                            ",
           "                            o                               ",
           "           o o             BBB                              ",
           "          BBBBB                     1       o o             ",
           "                                  BBBBB    BBBBB            ",
           "  P  i         \"      w        \"        w    \"          G   ",
           "########################   ########################  #######",
           "########################   ########################  #######",
           "########################   ########################  #######",
       }},
      {"data\\stg4\\w02-1.stg4_000", "レンガの洞くつ", eMode::Story, kBgmStage,
       {
           "BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB",
           "B                                                          B",
           "B                                                          B",
           "B                                                          B",
           "B                    o o o                                 B",
           "B                   BBBBBBB      v     ?    ?              B",
           "B                              BBBBB                       B",
           "B         o                                                B",
           "B        BBB                                         BBBB  B",
           "B                                          o o o           B",
           "B                  h               s      >>>>>>    w      B",
           "B L       w                      BBBB                   G  B",
           "BBBBBBBBBBBBBBBBBBBBBB^^^BBBBB^^^BBBBBBBBBBBBBBBBBBBBBBBBBBB",
           "BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB",
           "BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB",
       }},
      {"data\\stg4\\w03-1.stg4_000", "雲の上のお城", eMode::Story, kBgmStage,
       {
           "                                                            ",
           "                                                            ",
           "                                                            ",
           "                       o o o                                ",
           "                      ~~~~~~~                               ",
           "                                                    BBBBBBBB",
           "               o                                    B      B",
           "              ~~~                           1       B      B",
           "                                           BB       B      B",
           "         S                                 BB              B",
           "      o                   o o o  h         BB              B",
           "  P         w                             xBB  w        G  B",
           "#######   #######=       #########################  ########",
           "#######^^^#######^^^^^^^^#########################^^########",
           "############################################################",
       }},
      {"data\\stg4\\c01-1.stg4_000", "チャレンジ1", eMode::Challenge, kBgmChallenge,
       {
           "                                        ",
           "                                        ",
           "                                        ",
           "                                        ",
           "                                        ",
           "                o o o                   ",
           "               BBBBBBB                  ",
           "                                        ",
           "                                        ",
           "          o                             ",
           "         BBB                 w          ",
           "  P                w       BBBB      G  ",
           "##################    ##################",
           "##################    ##################",
           "##################    ##################",
       }},
      {"data\\stg4\\c02-1.stg4_000", "チャレンジ2", eMode::Challenge, kBgmChallenge,
       {
           "                                        ",
           "                                        ",
           "                                        ",
           "                                        ",
           "                                        ",
           "                                        ",
           "                                        ",
           "                    o o                 ",
           "                   ~~~~~                ",
           "           S                            ",
           "                           s            ",
           "  P             h        BBBB        G  ",
           "#####   ######<<<<<<   ###########  ####",
           "#####^^^######<<<<<<^^^###########^^####",
           "########################################",
       }},
      {"data\\stg4\\c03-1.stg4_000", "チャレンジ3", eMode::Challenge, kBgmChallenge,
       {
           "                                        ",
           "                                        ",
           "                                        ",
           "                                        ",
           "                                        ",
           "               ?                        ",
           "                                        ",
           "                          o o o         ",
           "                         IIIIIII        ",
           "                 w                      ",
           "            o   BBBB        h           ",
           "  P   >>>>>>               w         G  ",
           "##############   #######################",
           "##############^^^#######################",
           "########################################",
       }},
      {"data\\stg4\\f01-1.stg4_000", "フリーの広場", eMode::Free, kBgmStage,
       {
           "                                        ",
           "                                        ",
           "                                        ",
           "                                        ",
           "              ?   ?   ?                 ",
           "                                        ",
           "                                        ",
           "        o o o          o   v   1        ",
           "       BBBBBBB        ~~~~~~~~~~~~      ",
           "                                        ",
           "    S          w    h    s              ",
           "  P      \"    >>>>>       IIIIII     G  ",
           "########################################",
           "########################################",
           "########################################",
       }},
      {"data\\stg4\\w04-1.stg4_000", "お城の王座", eMode::Story, kBgmStage,
       {
           "BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB",
           "B                                      B",
           "B                                      B",
           "B                                      B",
           "B                                      B",
           "B                                      B",
           "B                                      B",
           "B                                      B",
           "B                                      B",
           "B      BBB        BBB        BBB       B",
           "B                                      B",
           "B P  f       i                K    G   B",
           "BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB",
           "BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB",
           "BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB",
       },
       {.gauges = true}},
      {"data\\stg4\\c04-1.stg4_000", "チャレンジ4", eMode::Challenge, kBgmChallenge,
       {
           "                                                                                                    ",
           "                                                                                                    ",
           "                                                                                                    ",
           "                                                                                                    ",
           "                                                                                                    ",
           "                                                                                                    ",
           "                                    o o o                           o o o                           ",
           "                                   BBBBBBB                         ~~~~~~~                          ",
           "                                                                                                    ",
           "                   o o                        o                                     1               ",
           "                  BBBBB                      BBB          S                        BBB              ",
           "  P                                        h             s                                       G  ",
           "##########################   #########   ##########   #########   ###########   ##########   #######",
           "##########################^^^#########^^^##########^^^#########^^^###########^^^##########^^^#######",
           "####################################################################################################",
       },
       {.autoScrollSpeed = 10}},
  };
  return kDescs;
}

template <class Part>
Part PlacedCopy(const Part& source, int32_t x, int32_t y) {
  Part part = source;
  part.m_nX = static_cast<int16_t>(x);
  part.m_nY = static_cast<int16_t>(y);
  return part;
}

void Place(cStageData& stage, const cCommonPalette& palette, const Legend& legend, int32_t x, int32_t y) {
  switch (legend.place) {
    case ePlace::Block:
      stage.m_PlacedBlocks.push_back(PlacedCopy(palette.m_BlockPalette.CheckedVectorAt(legend.part), x, y));
      break;
    case ePlace::Chara: {
      cCharaDef chara = PlacedCopy(palette.m_CharaPalette.CheckedVectorAt(legend.part), x, y);
      chara.m_nCarriedItem = -1;
      stage.m_PlacedCharas.push_back(chara);
      break;
    }
    case ePlace::Item:
      stage.m_PlacedItems.push_back(PlacedCopy(palette.m_ItemPalette.CheckedVectorAt(legend.part), x, y));
      break;
    case ePlace::Nothing:
      break;
  }
}

// A boss holds the stage's goal and drops it when beaten: the stage clears
// only past the boss.
void GiveGoalToBoss(cStageData& stage) {
  int32_t goal = -1;
  for (int32_t i = 0; i < stage.m_PlacedItems.VectorSize(); ++i) {
    if (stage.m_PlacedItems.CheckedVectorAt(i).m_nGraphic == kItemGoal) goal = i;
  }
  if (goal < 0) return;
  for (cCharaDef& chara : stage.m_PlacedCharas) {
    if (chara.m_nGraphic == kCharaBoss) chara.m_nCarriedItem = goal;
  }
}

cStageData BuildStage(const StageDesc& desc, const cCommonPalette& palette) {
  cStageData stage;
  stage.m_strText = desc.title;
  stage.m_nHeight = static_cast<int32_t>(desc.map.size());
  stage.m_nWidth = static_cast<int32_t>(desc.map.front().size());
  // The grid probes reach this far beyond the view: the whole stage, so
  // blocks anywhere meet the objects that move there.
  stage.m_nScrollExtraX = stage.m_nWidth * 32;
  stage.m_nScrollExtraY = stage.m_nHeight * 32;
  stage.m_nBgm = desc.bgm;
  stage.m_nBgmOption = 1;
  stage.m_bBgmContinue = 1;
  stage.m_bStartBanner1 = desc.mode == eMode::Story ? 1 : 0;
  stage.m_bStartBanner2 = 1;
  if (desc.mode == eMode::Challenge) {
    stage.m_bTimeLimit = 1;
    stage.m_nTimeLimit = 120;
    stage.m_nTimeWarning = 20;
  }
  if (desc.rules.autoScrollSpeed != 0) {
    stage.m_bAutoScrollX = 1;
    stage.m_nAutoScrollSpeedX = desc.rules.autoScrollSpeed;
  }
  stage.m_nSceneSetting = desc.rules.gauges ? 1 : 0;
  cBackLayer sky;
  sky.m_strImage = kStageBackFile;
  sky.m_dSpeedX = 0.25;
  sky.m_dSpeedY = 0.0;
  stage.m_BackLayers = {sky};
  stage.m_VarNames.assign(kStageVarNames, cVarName());
  // The hero first, so that it is the stage's hero whatever else is placed.
  for (int pass = 0; pass < 2; ++pass) {
    for (int32_t y = 0; y < stage.m_nHeight; ++y) {
      const std::string& row = desc.map[static_cast<std::size_t>(y)];
      for (int32_t x = 0; x < static_cast<int32_t>(row.size()); ++x) {
        const Legend* legend = Find(row[static_cast<std::size_t>(x)]);
        if (legend == nullptr) continue;
        if (IsHero(*legend) == (pass == 0)) Place(stage, palette, *legend, x, y);
      }
    }
  }
  GiveGoalToBoss(stage);
  return stage;
}

}  // namespace

std::vector<cSampleStage> BuildSampleStages(const cCommonPalette& palette) {
  std::vector<cSampleStage> stages;
  for (const StageDesc& desc : Descs()) stages.push_back({desc.path, BuildStage(desc, palette)});
  return stages;
}

const std::vector<std::string>& SampleStageMap(std::size_t index) { return Descs().at(index).map; }
