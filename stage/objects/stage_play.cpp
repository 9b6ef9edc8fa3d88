#include "stage/objects/stage_play.h"

#include "records/palette/grid_block.h"
#include "stage/objects/shot.h"
#include "stage/objects/state_visitor.h"
#include "stage/services/null_stage_services.h"

cStagePlay* g_lpSceneStagePlay = nullptr;

namespace stage_play {

cNullStageServices& NullServices() {
  static cNullStageServices services;
  return services;
}

}  // namespace stage_play

cStagePlay::cStagePlay()
    : m_StageVar(static_cast<std::size_t>(kStageVarCount), 0), m_lpServices(&stage_play::NullServices()) {}

cStagePlay::~cStagePlay() {
  if (g_lpSceneStagePlay == this) g_lpSceneStagePlay = nullptr;
}

void cStagePlay::SetServices(cStageServices* lpServices) {
  m_lpServices = lpServices != nullptr ? lpServices : &stage_play::NullServices();
}

void cStagePlay::VisitState(cStateVisitor& visitor) {
  visitor.Object("m_ScrollX", m_ScrollX);
  visitor.Object("m_ScrollY", m_ScrollY);
  visitor.Value("m_Random", m_Random.m_nState);
  visitor.Value("m_nSeed", m_nSeed);
  visitor.Value("m_nFrameCount", m_nFrameCount);
  visitor.Value("m_nSubStep", m_nSubStep);
  visitor.Value("m_nSubStepTotal", m_nSubStepTotal);
  visitor.Value("m_nStageClear", m_nStageClear);
  visitor.Value("m_nNextStage", m_nNextStage);
  visitor.Text("m_strNextStage", m_strNextStage);
  visitor.Value("m_nNextObjectId", m_nNextObjectId);
  visitor.Value("m_nNextItemId", m_nNextItemId);
  visitor.Value("m_nNextShotId", m_nNextShotId);
  visitor.Value("m_nTargetFps", m_nTargetFps);
  visitor.SparseInts("m_StageVar", m_StageVar);
  visitor.Value("m_bHoldButtons", m_bHoldButtons);
  visitor.Value("m_nFlowOwnerId", m_nFlowOwnerId);
  visitor.Value("m_nFlowIndex", m_nFlowIndex);
  visitor.Value("m_nFlowCmdIndex", m_nFlowCmdIndex);
  visitor.Value("m_bKill", m_bKill);
  visitor.Value("m_nRemainTime", m_nRemainTime);
  visitor.Value("m_bNoTimeLimit", m_bNoTimeLimit);
  visitor.Sequence("m_ObjGroup", m_ObjGroup.VectorSize(), [&] {
    for (cList<int32_t>& group : m_ObjGroup) visitor.List("", group);
  });
  visitor.Sequence("m_ShotLayers", m_ShotLayers.VectorSize(), [&] {
    for (cList<int32_t>& layer : m_ShotLayers) visitor.List("", layer);
  });
  visitor.List("m_SubStepMask", m_SubStepMask);
  visitor.List("m_ToggledCells", m_ToggledCells);
  visitor.List("m_ActGroups", m_ActGroups);
  visitor.List("m_EraseActive", m_EraseActive);
  visitor.Value("m_nPlayFrames", m_nPlayFrames);
  visitor.Value("m_nPlayTime", m_nPlayTime);
  visitor.Value("m_nTimeCycle", m_nTimeCycle);
  visitor.Value("m_nResultCount1", m_nResultCount1);
  visitor.Value("m_nResultCount2", m_nResultCount2);
  visitor.Value("m_nSceneSetting", m_nSceneSetting);
  visitor.Value("m_bItemMessage", m_bItemMessage);
  visitor.Value("m_bContactPass", m_bContactPass);
  visitor.Value("m_bQuit", m_bQuit);
  visitor.Value("m_bBuilt", m_bBuilt);
}

cCharaBase* FindCharaById(int32_t id) {
  return g_lpSceneStagePlay != nullptr ? g_lpSceneStagePlay->FindCharaById(id) : nullptr;
}
