#pragma once
// cRecordingStageServices: keeps every request as an event, tagged with the
// play frame and sub-step it was made in, for tests and the stage runner.
//
//   cRecordingStageServices services(play);
//   services.m_nTickCount = 1234;          // what TickCount answers
//   ... play ...
//   services.m_Events[0].strName == "TickCount", .Answer() == 1234
//
// A query's answer is recorded with the call, so a run's log shows what the
// simulation was told as well as what it asked.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "stage/services/stage_services.h"

class cStagePlay;

struct cStageEventArg {
  std::string strName;
  std::variant<int64_t, double, std::string> value;  // text in CP932
};

struct cStageEvent {
  int32_t nFrame = 0;    // m_nFrameCount when the request was made
  int32_t nSubStep = 0;  // m_nSubStep
  std::string strName;   // the request's function name
  std::vector<cStageEventArg> Args;
  std::optional<int64_t> answer;  // a query's answer
};

class cRecordingStageServices : public cStageServices {
 public:
  explicit cRecordingStageServices(const cStagePlay& play) : m_Play(play) {}

  void PlaySE(int32_t n) override;
  void PlayProjectSE(int32_t n) override;
  void RequestStageBgm(int32_t n, int32_t value) override;
  void SetTargetFps(int32_t fps) override;
  void OnStageClear() override;
  void RequestClose() override;
  uint32_t TickCount() override;
  void PollInput() override;
  void AddHitEffect(int32_t nEffect, const DRECT& a, const DRECT& b, int32_t nScale, int32_t nJitterX,
                    int32_t nJitterY) override;
  void ShowErrorMessage(const std::string& text) override;
  void RebuildDarkness() override;
  void SetScreenColor(const std::array<int32_t, kScreenColorParams>& params) override;
  void ShowDebugMessage(const std::string& text) override;
  void ClearLastBgmRequest() override;
  void ResetPresentation() override;
  void ResetMenuCursor() override;
  void ResetDisplayPalette() override;
  void SetVirBackBuffer(int32_t bOn) override;
  int32_t CheckPauseKey() override;
  int32_t CheckReplaySaveKeys() override;
  void OnDeathEnd() override;
  void DrawPlayScreen(int32_t bNoHide, int32_t bFrozen, int32_t bTimeSound, int32_t bHint) override;
  void ShowMessage(const cMessageSetup& setup) override;
  int32_t PauseWait(const WAITDATA* lpWait) override;
  void RemoveMessageById(int32_t id) override;
  void RemoveShownMessage() override;
  void ClearEffects() override;
  void AddEffect(const EFFECTREQUEST& effect) override;
  void ClearPictures() override;
  void HidePicture(int32_t id) override;
  int32_t ShowPicture(const PICTUREREQUEST& picture) override;
  void RemovePicture(int32_t handle) override;
  void StartScreenEffect(int32_t n, int32_t mode, int32_t loop) override;

  uint32_t m_nTickCount = 0;  // TickCount's answer
  int32_t m_bPauseKey = 0;    // CheckPauseKey's answer
  int32_t m_nReplayKeys = 0;  // CheckReplaySaveKeys' answer
  int32_t m_bPauseButton = 0; // PauseWait's answer: a button ended the wait
  int32_t m_nPictureHandles = 0;  // ShowPicture answers 1, 2, ...
  // Queries asked every frame and the draw request are left out of
  // m_Events unless set, so a run's log shows what changed.
  bool m_bRecordFrameQueries = false;
  std::vector<cStageEvent> m_Events;

 protected:
  // Appends an event for the current frame and sub-step and returns it.
  cStageEvent& Record(std::string strName, std::vector<cStageEventArg> args = {});

 private:
  const cStagePlay& m_Play;
};
