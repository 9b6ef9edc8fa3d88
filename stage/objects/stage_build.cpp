// SetStage: the running stage built from g_Stage.

#include <algorithm>

#include "core/input/input_state.h"
#include "core/log/ec_log.h"
#include "core/log/report_log.h"
#include "core/mesbox/error_mesbox.h"
#include "records/replay/input_log.h"
#include "records/save/save_data.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/grid/block_grid.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/object_walk.h"
#include "stage/objects/stage_play.h"
#include "stage/objects/sub_step_mask.h"
#include "stage/services/stage_services.h"

namespace stage_build {

// Sizes come from data: the axis values are worked out in 64 bits and held
// in range, so a stage the grid refuses still sets the axes without overflow.
int32_t ClampToInt(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

void FillAxis(cScroll& axis, int32_t nAxis, int32_t nView, int32_t nBlocks, int32_t nStride, int32_t nShift,
              int32_t nExtra) {
  axis = cScroll{};
  axis.m_nAxis = nAxis;
  axis.m_nView = nView;
  axis.m_nMarginCells = kBlockGridMargin;
  axis.m_nCells = ClampToInt(int64_t{nBlocks} + 2 * kBlockGridMargin);
  axis.m_nStride = nStride;
  axis.m_nShift = nShift;
  axis.m_nMargin = kBlockGridMargin * 32;
  axis.m_nFurthest = ClampToInt(std::max<int64_t>(0, (int64_t{nBlocks} + kBlockGridMargin) * 32));
  axis.m_nProbeBound = ClampToInt(int64_t{nExtra} + 640);
}

template <class T>
void ResetGroups(cVector<cList<T>>& groups) {
  groups.clear();
  groups.resize(kObjGroupCount);
}

}  // namespace stage_build

bool cStagePlay::SetStage(int32_t bLoadStage, int32_t bRestartBgm) {
  m_bBuilt = BuildStage(bLoadStage, bRestartBgm) ? 1 : 0;
  // A stage that failed to build is left empty, so nothing half made can be
  // stepped or drawn; PhasePlay does nothing until the next build.
  if (m_bBuilt == 0) ClearRunningStage();
  return m_bBuilt != 0;
}

bool cStagePlay::BuildStage(int32_t bLoadStage, int32_t bRestartBgm) {
  EcLog("In SetStage bLoadStage = %d", bLoadStage);
  m_nFrameCount = 0;
  ClearShots(*this);
  stage_build::ResetGroups(m_ShotLayers);
  ClearCharas(*this);
  stage_build::ResetGroups(m_ObjGroup);
  ClearItems(*this);
  if (bLoadStage != 0 && !RestoreStageHeader(bLoadStage)) return false;
  if (!g_Stage.HasHero()) {
    // A replay can bring a stage without a hero; nothing could be played.
    ErrMesBoxF("主人公が配置されていないのでプレイできません！");
    RequestClose();
    return false;
  }
  ChooseSeed();
  if (g_Stage.m_bCarryHeroStatus != 0) {
    g_SaveData.RestoreHeroStatus(0, g_Stage.m_PlacedCharas.CheckedVectorAt(g_Stage.FindHero()),
                                 g_Stage.m_nTimeLimit, g_Stage.m_nBgm);
  }
  RequestStageMusic(bRestartBgm);
  Services().ClearLastBgmRequest();
  m_nNextObjectId = 0;
  m_nNextItemId = 0;
  m_nNextShotId = 0;
  g_Stage.SetCollisionLevel(g_Stage.m_nCollisionLevel);
  SetupScrollAxes();
  if (!BuildBlockGrid()) return false;
  PlaceHero();
  m_StageVar.assign(static_cast<std::size_t>(kStageVarCount), 0);
  SpawnPlacedObjects();
  FillObjectGroups();
  for (int32_t area = 0; area < kObjectEraseAreas; ++area) {
    const cEraseArea& erase = g_Stage.m_EraseAreas.CheckedVectorAt(area);
    m_EraseActive[area] = erase.m_bLeft != 0 || erase.m_bRight != 0 || erase.m_bTop != 0 || erase.m_bBottom != 0;
  }
  Services().ResetPresentation();
  m_SubStepMask = BuildSubStepMask(g_Stage.m_nContactSteps, g_Stage.m_nSubSteps);
  ResetRunCounters();
  g_SaveData.m_nScore = 0;
  if (m_Run.IsReplayPlayback() || (m_Run.bFromEditor != 0 && m_Run.bFreeStage != 0)) {
    g_SaveData.ClearStageScore();
  }
  g_SaveData.SnapshotVariables();
  for (cInput& input : g_InputList) input.Reset();
  Services().ResetMenuCursor();
  m_nTimeCycle = 0;
  for (cBackLayer& layer : g_Stage.m_BackLayers) layer.m_dOffsetX = layer.m_dOffsetY = 0;
  Services().ResetDisplayPalette();
  m_nTargetFps = g_Stage.m_nFps;
  Services().SetTargetFps(m_nTargetFps);
  g_Heroes.front().LinkHeroAndParent(kNoLink);
  for (cChara& chara : g_CharaList) chara.LinkHeroAndParent(kNoLink);
  FireStageStartTriggers();
  UpdateObjectStates();
  m_nSceneSetting = g_Stage.m_nSceneSetting;
  Services().SetVirBackBuffer(0);
  EcLog("Out SetStage");
  return true;
}

bool cStagePlay::RestoreStageHeader(int32_t bLoadStage) {
  (void)bLoadStage;
  if (m_Run.IsReplayPlayback()) {
    cStageData header;
    if (g_InputLog.LoadReplay(g_Stage.m_strPath, g_Stage, header, g_SaveData) == 0) {
      // Going on would play the old log against whatever g_Stage holds.
      ReportLog("SetStage: the replay %s could not be read again", g_Stage.m_strPath.c_str());
      RequestClose();
      return false;
    }
  }
  g_Stage.CopyFields(g_StageInitial);
  g_Stage.m_BackLayers = g_StageInitial.m_BackLayers;
  g_Stage.m_VarNames = g_StageInitial.m_VarNames;
  g_Stage.m_EraseAreas = g_StageInitial.m_EraseAreas;
  g_Stage.m_ResultSwitches = g_StageInitial.m_ResultSwitches;
  if (!m_Run.IsReplayPlayback() && g_SystemData.m_bLegacy827 == 0 && g_Stage.HasHero()) {
    g_Stage.m_PlacedCharas.CheckedVectorAt(g_Stage.FindHero()) = g_HeroDef;
  }
  return true;
}

void cStagePlay::ChooseSeed() {
  uint32_t seed = 0;
  if (m_Run.IsReplayPlayback()) {
    seed = static_cast<uint32_t>(g_InputLog.m_nSeed);
    g_InputLog.RewindPlayback();
    // The replay was the last file opened (by the player's choice, or again
    // just now); later opens change g_nFileVersion, the replay's rules may not.
    m_Replay = cReplayPlayback{1, g_nFileVersion};
  } else {
    seed = Services().TickCount();
    m_Replay = cReplayPlayback{0, g_nDataVersion};
    if (g_SystemData.m_bReplay != 0) {
      g_SaveDataAtStartPrev = g_SaveDataAtStart;
      g_SaveDataAtStart = g_SaveData;
      g_InputLogPrev = g_InputLog;
      g_InputLog.Clear();
      g_InputLog.m_nSeed = static_cast<int32_t>(seed);
    }
  }
  m_nSeed = seed;
  m_Random.Seed(seed);
}

void cStagePlay::RequestStageMusic(int32_t bRestartBgm) {
  const int32_t n = g_Stage.m_nBgm;
  const int32_t v = g_Stage.m_nBgmOption;
  const int32_t current = g_SaveData.m_nBgmPlaying;
  if (bRestartBgm != 0) {
    if (g_Stage.m_bBgmContinue == 0 || n != current) {
      RequestStageBgm(n, v);
    } else if (n == 0) {
      RequestStageBgm(0, v);
    }
  } else if (n != current) {
    RequestStageBgm(n, v);
  }
}

void cStagePlay::RequestStageBgm(int32_t n, int32_t value) {
  // The save data holds what plays: a restart compares against it, and a
  // replay must see the same whether or not a window answered the request.
  g_SaveData.m_nBgmOption = value;
  g_SaveData.m_nBgmPlaying = n;
  Services().RequestStageBgm(n, value);
}

void cStagePlay::SetupScrollAxes() {
  const cStageData& stage = g_Stage;
  const int32_t shift = stage.m_nWidth >= 0 ? BlockGridShift(stage.m_nWidth) : 0;
  const int32_t stride = shift < 31 ? int32_t{1} << shift : 0;
  stage_build::FillAxis(m_ScrollX, 0, 640, stage.m_nWidth, stride, shift, stage.m_nScrollExtraX);
  m_ScrollX.SetAutoScroll(stage.m_bAutoScrollX, stage.m_nAutoScrollSpeedX);
  m_ScrollX.SetLimits(stage.m_nScrollLimitLeft, stage.m_nScrollLimitRight, stage.m_bScrollLimitLeft,
                      stage.m_bScrollLimitRight);
  const int32_t rows = stage_build::ClampToInt(int64_t{stage.m_nHeight} + 2 * kBlockGridMargin);
  stage_build::FillAxis(m_ScrollY, 1, 480, stage.m_nHeight, rows, 0, stage.m_nScrollExtraY);
  m_ScrollY.SetAutoScroll(stage.m_bAutoScrollY, stage.m_nAutoScrollSpeedY);
  m_ScrollY.SetLimits(stage.m_nScrollLimitTop, stage.m_nScrollLimitBottom, stage.m_bScrollLimitTop,
                      stage.m_bScrollLimitBottom);
}

bool cStagePlay::BuildBlockGrid() {
  if (!g_BlockGrid.Build(g_Stage.m_nWidth, g_Stage.m_nHeight)) {
    ErrMesBoxF("メモリ不足により、ステージの初期設定に失敗しました！");
    RequestClose();
    return false;
  }
  for (const cBlockDef& placed : g_Stage.m_PlacedBlocks) {
    const int32_t column = int32_t{placed.m_nX} + kBlockGridMargin;
    const int32_t row = int32_t{placed.m_nY} + kBlockGridMargin;
    const int32_t cell = g_BlockGrid.CellIndex(column, row);
    if (cell < 0) {
      // Written into the grid it would land in another row or in cell 0.
      ReportLog("SetStage: placed block (%d, %d) lies outside the %d x %d stage; skipped", placed.m_nX,
                placed.m_nY, g_Stage.m_nWidth, g_Stage.m_nHeight);
      continue;
    }
    g_BlockGrid.CheckedVectorAt(cell).Def() = placed;
    g_BlockGrid.RefreshCell(cell);
  }
  return true;
}

void cStagePlay::FillObjectGroups() {
  const cHero& hero = g_Heroes.front();
  m_ObjGroup.CheckedVectorAt(hero.m_nBlockKey).push_back(hero.m_nId);
  for (const cChara& chara : g_CharaList) m_ObjGroup.CheckedVectorAt(chara.m_nBlockKey).push_back(chara.m_nId);
}

void cStagePlay::ResetRunCounters() {
  m_nStageClear = 0;
  m_nResultCount1 = 0;
  m_nResultCount2 = 0;
  if (g_Stage.m_bTimeLimit != 0) {
    m_nRemainTime = g_Stage.m_nTimeLimit;
    m_bNoTimeLimit = 0;
  } else {
    m_nRemainTime = 999;
    m_bNoTimeLimit = 1;
  }
  m_nFrameCount = 0;
  m_nPlayFrames = 0;
  m_nPlayTime = 0;
  m_ActGroups.assign(static_cast<std::size_t>(kActGroupCount), 0);
  m_nNextStage = 0;
  m_nSubStep = 0;
  m_nSubStepTotal = 0;
}

void cStagePlay::FireStageStartTriggers() {
  constexpr int32_t kBeforeStageStart = 21;
  const bool oldRule = g_SystemData.m_bLegacy697 != 0;
  if (!oldRule) UpdateObjectStates();
  g_Heroes.front().FireTrigger(kBeforeStageStart);
  cCharaWalk walk(*this);
  for (cChara& chara : g_CharaList) {
    if (!IsLive(*this, chara)) continue;
    if (!oldRule && chara.m_bEnabled == 0) continue;
    chara.FireTrigger(kBeforeStageStart);
    if (!IsLive(*this, chara)) continue;
    if (chara.m_bVanish != 0) {
      EraseStageChara(chara);
    } else if (chara.m_nHp <= 0) {
      DefeatChara(chara);
      EraseStageChara(chara);
    }
  }
}

void cStagePlay::ClearRunningStage() {
  ClearShots(*this);
  ClearCharas(*this);
  ClearItems(*this);
  ClearHeroes(*this);
  stage_build::ResetGroups(m_ShotLayers);
  stage_build::ResetGroups(m_ObjGroup);
  g_BlockGrid.Release();
  m_SubStepMask.clear();
}

void cStagePlay::RequestClose() {
  m_bCloseAsked = 1;
  Services().RequestClose();
}
