#include "stage/services/recording_stage_services.h"

#include <string>
#include <utility>

#include "stage/objects/stage_play.h"

cStageEvent& cRecordingStageServices::Record(std::string strName, std::vector<cStageEventArg> args) {
  cStageEvent& event = m_Events.emplace_back();
  event.nFrame = m_Play.m_nFrameCount;
  event.nSubStep = m_Play.m_nSubStep;
  event.strName = std::move(strName);
  event.Args = std::move(args);
  return event;
}

void cRecordingStageServices::PlaySE(int32_t n) { Record("PlaySE", {{"n", int64_t{n}}}); }

void cRecordingStageServices::PlayProjectSE(int32_t n) { Record("PlayProjectSE", {{"n", int64_t{n}}}); }

void cRecordingStageServices::RequestStageBgm(int32_t n, int32_t value) {
  Record("RequestStageBgm", {{"n", int64_t{n}}, {"value", int64_t{value}}});
}

void cRecordingStageServices::SetTargetFps(int32_t fps) { Record("SetTargetFps", {{"fps", int64_t{fps}}}); }

void cRecordingStageServices::OnStageClear() { Record("OnStageClear"); }

void cRecordingStageServices::RequestClose() { Record("RequestClose"); }

uint32_t cRecordingStageServices::TickCount() {
  Record("TickCount").answer = int64_t{m_nTickCount};
  return m_nTickCount;
}

void cRecordingStageServices::PollInput() { Record("PollInput"); }

void cRecordingStageServices::AddHitEffect(int32_t nEffect, const DRECT& a, const DRECT& b, int32_t nScale,
                                           int32_t nJitterX, int32_t nJitterY) {
  Record("AddHitEffect", {{"nEffect", int64_t{nEffect}},
                          {"aLeft", a.left},
                          {"aTop", a.top},
                          {"aRight", a.right},
                          {"aBottom", a.bottom},
                          {"bLeft", b.left},
                          {"bTop", b.top},
                          {"bRight", b.right},
                          {"bBottom", b.bottom},
                          {"nScale", int64_t{nScale}},
                          {"nJitterX", int64_t{nJitterX}},
                          {"nJitterY", int64_t{nJitterY}}});
}

void cRecordingStageServices::ShowErrorMessage(const std::string& text) {
  Record("ShowErrorMessage", {{"caption", std::string("エラー")}, {"text", text}});
}

void cRecordingStageServices::RebuildDarkness() { Record("RebuildDarkness"); }

void cRecordingStageServices::SetScreenColor(const std::array<int32_t, kScreenColorParams>& params) {
  std::vector<cStageEventArg> args;
  for (std::size_t i = 0; i < params.size(); ++i) args.push_back({"p" + std::to_string(i), int64_t{params[i]}});
  Record("SetScreenColor", std::move(args));
}

void cRecordingStageServices::ShowDebugMessage(const std::string& text) {
  Record("ShowDebugMessage", {{"text", text}});
}

void cRecordingStageServices::ClearLastBgmRequest() { Record("ClearLastBgmRequest"); }

void cRecordingStageServices::ResetPresentation() { Record("ResetPresentation"); }

void cRecordingStageServices::ResetMenuCursor() { Record("ResetMenuCursor"); }

void cRecordingStageServices::ResetDisplayPalette() { Record("ResetDisplayPalette"); }

void cRecordingStageServices::SetVirBackBuffer(int32_t bOn) { Record("SetVirBackBuffer", {{"bOn", int64_t{bOn}}}); }

int32_t cRecordingStageServices::CheckPauseKey() {
  if (m_bRecordFrameQueries || m_bPauseKey != 0) Record("CheckPauseKey").answer = int64_t{m_bPauseKey};
  return m_bPauseKey;
}

int32_t cRecordingStageServices::CheckReplaySaveKeys() {
  if (m_bRecordFrameQueries || m_nReplayKeys != 0) Record("CheckReplaySaveKeys").answer = int64_t{m_nReplayKeys};
  return m_nReplayKeys;
}

void cRecordingStageServices::OnDeathEnd() { Record("OnDeathEnd"); }

void cRecordingStageServices::DrawPlayScreen(int32_t bNoHide, int32_t bFrozen, int32_t bTimeSound, int32_t bHint) {
  if (!m_bRecordFrameQueries) return;
  Record("DrawPlayScreen", {{"bNoHide", int64_t{bNoHide}},
                            {"bFrozen", int64_t{bFrozen}},
                            {"bTimeSound", int64_t{bTimeSound}},
                            {"bHint", int64_t{bHint}}});
}

void cRecordingStageServices::ShowMessage(const cMessageSetup& m) {
  Record("ShowMessage", {{"nKind", int64_t{m.m_nKind}},
                         {"text", m.m_strText},
                         {"nIconSource", int64_t{m.m_nIconSource}},
                         {"nIconIndex", int64_t{m.m_nIconIndex}},
                         {"nIconCell", int64_t{m.m_nIconCell}},
                         {"nPosMode", int64_t{m.m_nPosMode}},
                         {"nBlockX", int64_t{m.m_nBlockX}},
                         {"nBlockY", int64_t{m.m_nBlockY}},
                         {"nOffsetX", int64_t{m.m_nOffsetX}},
                         {"nOffsetY", int64_t{m.m_nOffsetY}},
                         {"nKeepInside", int64_t{m.m_nKeepInside}},
                         {"nStay", int64_t{m.m_nStay}},
                         {"nDurationMode", int64_t{m.m_nDurationMode}},
                         {"nDurationFrames", int64_t{m.m_nDurationFrames}},
                         {"nCountWhileFrozen", int64_t{m.m_nCountWhileFrozen}},
                         {"nCharaId", int64_t{m.m_nCharaId}},
                         {"nNoOpening", int64_t{m.m_nNoOpening}},
                         {"nExpand", int64_t{m.m_nExpand}},
                         {"nReEvaluate", int64_t{m.m_nReEvaluate}},
                         {"nPeriod", int64_t{m.m_nPeriod}},
                         {"nWindow", int64_t{m.m_nWindow}},
                         {"nCmdValue1", int64_t{m.m_nCmdValue1}},
                         {"nCmdValue2", int64_t{m.m_nCmdValue2}}});
}

int32_t cRecordingStageServices::PauseWait(const WAITDATA* lpWait) {
  std::vector<cStageEventArg> args;
  if (lpWait != nullptr) {
    args = {{"nMode", int64_t{lpWait->nMode}},
            {"nKeyDelay", int64_t{lpWait->nKeyDelay}},
            {"bKeyWait", int64_t{lpWait->bKeyWait}},
            {"nFrames", int64_t{lpWait->nFrames}},
            {"nCount", int64_t{lpWait->nCount}}};
  }
  Record("PauseWait", std::move(args)).answer = int64_t{m_bPauseButton};
  return m_bPauseButton;
}

void cRecordingStageServices::RemoveMessageById(int32_t id) { Record("RemoveMessageById", {{"id", int64_t{id}}}); }

void cRecordingStageServices::RemoveShownMessage() { Record("RemoveShownMessage"); }

void cRecordingStageServices::ClearEffects() { Record("ClearEffects"); }

void cRecordingStageServices::AddEffect(const EFFECTREQUEST& e) {
  Record("AddEffect", {{"nEffect", int64_t{e.nEffect}},
                       {"dX", e.dX},
                       {"dY", e.dY},
                       {"nWidth", int64_t{e.nWidth}},
                       {"nHeight", int64_t{e.nHeight}},
                       {"bWait", int64_t{e.bWait}}});
}

void cRecordingStageServices::ClearPictures() { Record("ClearPictures"); }

void cRecordingStageServices::HidePicture(int32_t id) { Record("HidePicture", {{"id", int64_t{id}}}); }

int32_t cRecordingStageServices::ShowPicture(const PICTUREREQUEST& p) {
  const int32_t handle = ++m_nPictureHandles;
  Record("ShowPicture", {{"nPicture", int64_t{p.nPicture}},
                         {"nPosMode", int64_t{p.nPosMode}},
                         {"nBlockX", int64_t{p.nBlockX}},
                         {"nBlockY", int64_t{p.nBlockY}},
                         {"nDotX", int64_t{p.nDotX}},
                         {"nDotY", int64_t{p.nDotY}},
                         {"nStay", int64_t{p.nStay}},
                         {"nLevel", int64_t{p.nLevel}},
                         {"nPercent", int64_t{p.nPercent}},
                         {"nDurationMode", int64_t{p.nDurationMode}},
                         {"nFrames", int64_t{p.nFrames}},
                         {"bStopGame", int64_t{p.bStopGame}},
                         {"nCharaId", int64_t{p.nCharaId}},
                         {"bUseId", int64_t{p.bUseId}},
                         {"nId", int64_t{p.nId}},
                         {"bCharaPresent", int64_t{p.bCharaPresent}},
                         {"nCharaCenterX", int64_t{p.nCharaCenterX}},
                         {"nCharaCenterY", int64_t{p.nCharaCenterY}},
                         {"bPlaceNow", int64_t{p.bPlaceNow}}})
      .answer = int64_t{handle};
  return handle;
}

void cRecordingStageServices::RemovePicture(int32_t handle) {
  Record("RemovePicture", {{"handle", int64_t{handle}}});
}

void cRecordingStageServices::StartScreenEffect(int32_t n, int32_t mode, int32_t loop) {
  Record("StartScreenEffect", {{"n", int64_t{n}}, {"mode", int64_t{mode}}, {"loop", int64_t{loop}}});
}
