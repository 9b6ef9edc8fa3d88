// What the sample's stages hold, read back from the stage files the generator
// writes: every flow-command kind, shot formation, trajectory, condition kind
// and trigger appears in some stage, so the sample keeps showing all that the
// simulation does as it grows.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "records/palette/item_def.h"
#include "records/script/cmd_kind_table.h"
#include "records/script/condition.h"
#include "records/script/ed_shot.h"
#include "records/script/flow.h"
#include "records/stage/stage_data.h"
#include "support/temp_dir.h"
#include "tools/sample/sample_project.h"

namespace {

namespace fs = std::filesystem;

// What one category of the contents counts.
enum class eAspect { Command, Formation, Trajectory, Condition, Trigger, Feature };

// Features that are not a kind of their own but a way of using one.
enum eFeature : int32_t {
  kKeySequence,        // a flow started by two or more key steps
  kBlockToggle,        // a block summon that summons or erases
  kBlockErase,
  kNextStageClear,     // a stage clear that names the stage after it
  kExpression,         // a run-code command computing with operators
  kSummonedFromStage,  // a summon of a part of the stage's own palette
  kRiddenSolidChara,   // a block-like chara that answers being ridden
  kMovingPlatform,     // a block-like chara that moves
  kItemTakeOnce,
  kItemTakeAlways,
  kItemTakeNever,
  kTimeLimit,
  kAutoScroll,
  kLightRadius,        // a player chara whose sight lights the dark
  kBossWithPhases,     // a chara with two flows that test its own HP
};

struct cContents {
  std::map<eAspect, std::set<int32_t>> seen;
  void Add(eAspect aspect, int32_t value) { seen[aspect].insert(value); }
  bool Has(eAspect aspect, int32_t value) const {
    const auto found = seen.find(aspect);
    return found != seen.end() && found->second.count(value) > 0;
  }
};

void AddCommands(const cVector<cFlowCmd>& commands, cContents& contents);

void AddConditions(const cVector<cCondition>& conditions, cContents& contents) {
  for (const cCondition& condition : conditions) contents.Add(eAspect::Condition, condition.m_nKind);
}

void AddFlow(const cFlow& flow, cContents& contents) {
  contents.Add(eAspect::Trigger, flow.m_nTrigger);
  if (flow.m_KeyConds.size() >= 2) contents.Add(eAspect::Feature, kKeySequence);
  AddConditions(flow.m_Conditions, contents);
  AddCommands(flow.m_Commands, contents);
}

bool HasOperator(const std::string& code) {
  return code.find_first_of("+-*/%") != std::string::npos || code.find("rand(") != std::string::npos;
}

void AddShotSettings(int32_t kind, const cEdShot& shot, cContents& contents) {
  if (kind == kFlowCmdShot) {
    contents.Add(eAspect::Formation, shot.m_nFormation);
    contents.Add(eAspect::Trajectory, shot.m_nMoveType);
  }
  const bool summon = kind == kFlowCmdSummonBlock || kind == kFlowCmdSummonChara || kind == kFlowCmdSummonItem;
  if (summon && shot.m_nSummonPalette != 0) contents.Add(eAspect::Feature, kSummonedFromStage);
  if (kind == kFlowCmdSummonBlock && shot.m_nBlockMode == 1) contents.Add(eAspect::Feature, kBlockErase);
  if (kind == kFlowCmdSummonBlock && shot.m_nBlockMode == 2) contents.Add(eAspect::Feature, kBlockToggle);
}

void AddCommand(const cFlowCmd& command, cContents& contents) {
  const int32_t kind = SharedFlowKind(command.m_nSet, command.m_nKind);
  contents.Add(eAspect::Command, kind);
  if (command.m_Shot.get() != nullptr) AddShotSettings(kind, *command.m_Shot, contents);
  if (command.m_CondList.get() != nullptr) AddConditions(command.m_CondList->m_Conditions, contents);
  if (kind == kFlowCmdRunCode && HasOperator(command.m_strText)) contents.Add(eAspect::Feature, kExpression);
  // Parameter 0 = 3 names no next stage.
  if (kind == kFlowCmdStageClear && !command.m_Params.empty() && command.m_Params.CheckedVectorAt(0) != 3) {
    contents.Add(eAspect::Feature, kNextStageClear);
  }
  for (const cFlow& sub : command.m_SubFlows) AddFlow(sub, contents);
}

void AddCommands(const cVector<cFlowCmd>& commands, cContents& contents) {
  for (const cFlowCmd& command : commands) AddCommand(command, contents);
}

bool TestsOwnHp(const cFlow& flow) {
  for (const cCondition& condition : flow.m_Conditions) {
    if (condition.m_nKind == kCondStatus && condition.m_nSubject == kSubjectSelf && condition.m_nSelector == 1) return true;
  }
  return false;
}

bool Moves(const cFlow& flow) {
  for (const cFlowCmd& command : flow.m_Commands) {
    if (command.m_nSet == kCmdSetFlow && command.m_nKind >= kFlowCmdLinearMove && command.m_nKind <= kFlowCmdAvoidMove) {
      return true;
    }
  }
  return false;
}

void AddChara(const cCharaDef& chara, cContents& contents) {
  AddConditions(chara.m_Conditions, contents);
  int32_t hpPhases = 0;
  for (const cFlow& flow : chara.m_Flows) {
    AddFlow(flow, contents);
    if (chara.m_bBlockChara != 0 && flow.m_nTrigger == kTriggerRiddenByHero) contents.Add(eAspect::Feature, kRiddenSolidChara);
    if (chara.m_bBlockChara != 0 && Moves(flow)) contents.Add(eAspect::Feature, kMovingPlatform);
    if (TestsOwnHp(flow)) ++hpPhases;
  }
  if (hpPhases >= 2) contents.Add(eAspect::Feature, kBossWithPhases);
  if (chara.m_nControl == cCharaDef::kControlPlayer && chara.m_nSight > 0) contents.Add(eAspect::Feature, kLightRadius);
}

void AddItem(const cItemDef& item, cContents& contents) {
  AddCommands(item.m_Commands, contents);
  static constexpr eFeature kTakeKinds[] = {kItemTakeOnce, kItemTakeAlways, kItemTakeNever};
  if (item.m_nTakeKind >= 0 && item.m_nTakeKind < 3) contents.Add(eAspect::Feature, kTakeKinds[item.m_nTakeKind]);
}

void AddStage(const cStageData& stage, cContents& contents) {
  for (const cCharaDef& chara : stage.m_PlacedCharas) AddChara(chara, contents);
  for (const cCharaDef& chara : stage.m_CharaPalette) AddChara(chara, contents);
  for (const cItemDef& item : stage.m_PlacedItems) AddItem(item, contents);
  for (const cItemDef& item : stage.m_ItemPalette) AddItem(item, contents);
  if (stage.m_bTimeLimit != 0) contents.Add(eAspect::Feature, kTimeLimit);
  if (stage.m_bAutoScrollX != 0 || stage.m_bAutoScrollY != 0) contents.Add(eAspect::Feature, kAutoScroll);
}

struct cExpected {
  const char* label;
  eAspect aspect;
  int32_t value;
};

// Every kind of the tables: the flow kinds but the empty one, the
// formations, the trajectories, the conditions that can hold, the triggers.
std::vector<cExpected> EveryKind() {
  std::vector<cExpected> expected;
  for (int32_t kind = kFlowCmdWait; kind < kFlowCmdKindCount; ++kind) {
    expected.push_back({g_FlowCmdKinds[static_cast<std::size_t>(kind)].lpLabel, eAspect::Command, kind});
  }
  for (int32_t formation = 0; formation < kFormationCount; ++formation) {
    expected.push_back({"formation", eAspect::Formation, formation});
  }
  for (int32_t type = 0; type < kShotMoveTypeCount; ++type) expected.push_back({"trajectory", eAspect::Trajectory, type});
  for (int32_t kind = kCondCommonVar; kind <= kCondDistance; ++kind) {
    expected.push_back({"condition kind", eAspect::Condition, kind});
  }
  for (int32_t trigger = 0; trigger < kFlowTriggerCount; ++trigger) {
    expected.push_back({"trigger", eAspect::Trigger, trigger});
  }
  return expected;
}

// Ways of using the kinds that the sample's stages show.
const cExpected kFeatures[] = {
    {"key sequence", eAspect::Feature, kKeySequence},
    {"block toggling", eAspect::Feature, kBlockToggle},
    {"block erasing", eAspect::Feature, kBlockErase},
    {"stage clear with a next stage", eAspect::Feature, kNextStageClear},
    {"expression in run code", eAspect::Feature, kExpression},
    {"summon from the stage palette", eAspect::Feature, kSummonedFromStage},
    {"ridden solid chara", eAspect::Feature, kRiddenSolidChara},
    {"moving platform", eAspect::Feature, kMovingPlatform},
    {"item taken once", eAspect::Feature, kItemTakeOnce},
    {"time limit", eAspect::Feature, kTimeLimit},
    {"item taken any number of times", eAspect::Feature, kItemTakeAlways},
    {"item that cannot be taken", eAspect::Feature, kItemTakeNever},
    {"auto-scrolling stage", eAspect::Feature, kAutoScroll},
    {"light radius in the dark", eAspect::Feature, kLightRadius},
    {"boss with HP phases", eAspect::Feature, kBossWithPhases},
};

class SampleCoverage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    TempDir dir;
    std::string error;
    if (!WriteSampleProject(dir.path() / "sample", error)) {
      s_strError = error;
      return;
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(dir.path() / "sample" / "data" / "stg4")) {
      cStageData stage;
      if (stage.LoadFromFile(entry.path().string()) != 1) {
        s_strError = "cannot load " + entry.path().string();
        return;
      }
      AddStage(stage, s_Contents);
      ++s_nStages;
    }
  }
  void SetUp() override { ASSERT_TRUE(s_strError.empty()) << s_strError; }

  static std::vector<std::string> Missing(const std::vector<cExpected>& expected) {
    std::vector<std::string> missing;
    for (const cExpected& row : expected) {
      if (!s_Contents.Has(row.aspect, row.value)) missing.push_back(std::string(row.label) + " " + std::to_string(row.value));
    }
    return missing;
  }

  inline static cContents s_Contents;
  inline static int s_nStages = 0;
  inline static std::string s_strError;
};

TEST_F(SampleCoverage, EveryCommandFormationTrajectoryConditionAndTriggerAppearsInSomeStage) {
  EXPECT_GE(s_nStages, 8);
  EXPECT_EQ(Missing(EveryKind()), std::vector<std::string>{});
}

TEST_F(SampleCoverage, EveryWayOfUsingThemThatTheSampleShowsIsStillThere) {
  EXPECT_EQ(Missing(std::vector<cExpected>(std::begin(kFeatures), std::end(kFeatures))), std::vector<std::string>{});
}

}  // namespace
