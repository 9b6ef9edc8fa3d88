#pragma once
// cNullStageServices: plays nothing, shows nothing and answers the safe default
// (no key held, a wait already over, clock 0). The play state starts with one,
// so a step run outside a scene never reaches a missing service.

#include "stage/services/stage_services.h"

class cNullStageServices : public cStageServices {
 public:
  void PlaySE(int32_t) override {}
  void PlayProjectSE(int32_t) override {}
  void RequestStageBgm(int32_t, int32_t) override {}
  void SetTargetFps(int32_t) override {}
  void OnStageClear() override {}
  void RequestClose() override {}
  uint32_t TickCount() override { return 0; }
  void PollInput() override {}
  void AddHitEffect(int32_t, const DRECT&, const DRECT&, int32_t, int32_t, int32_t) override {}
  void ShowErrorMessage(const std::string&) override {}
  void RebuildDarkness() override {}
  void SetScreenColor(const std::array<int32_t, kScreenColorParams>&) override {}
  void ShowDebugMessage(const std::string&) override {}
  void ClearLastBgmRequest() override {}
  void ResetPresentation() override {}
  void ResetMenuCursor() override {}
  void ResetDisplayPalette() override {}
  void SetVirBackBuffer(int32_t) override {}
  int32_t CheckPauseKey() override { return 0; }
  int32_t CheckReplaySaveKeys() override { return 0; }
  void OnDeathEnd() override {}
  void DrawPlayScreen(int32_t, int32_t, int32_t, int32_t) override {}
  void ShowMessage(const cMessageSetup&) override {}
  int32_t PauseWait(const WAITDATA*) override { return 0; }
  void RemoveMessageById(int32_t) override {}
  void RemoveShownMessage() override {}
  void ClearEffects() override {}
  void AddEffect(const EFFECTREQUEST&) override {}
  void ClearPictures() override {}
  void HidePicture(int32_t) override {}
  int32_t ShowPicture(const PICTUREREQUEST&) override { return 0; }
  void RemovePicture(int32_t) override {}
  void StartScreenEffect(int32_t, int32_t, int32_t) override {}
};
