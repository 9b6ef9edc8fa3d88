#pragma once
// cStageServices: every request the stage simulation makes to the sound, the
// screen, the window and the clock.
//
// stage/ never includes SDL or a platform header. Where a step of the play
// asks for a sound, music, a frame rate or the window's closing, it calls a
// virtual of the services the play state holds; the stage-play scene answers
// with the real thing, tests and the stage runner with a null or a recording
// implementation:
//
//   cStagePlay play;
//   cRecordingStageServices services(play);
//   play.SetServices(&services);
//   play.Services().PlaySE(9);        // recorded as {frame, sub-step, "PlaySE", n: 9}
//
// A request only plays, shows or answers. It never draws random numbers and
// never changes simulation state: what the scene will read back later is
// written by stage/ before the call, so a run with null services steps exactly
// like the program.

#include <array>
#include <cstdint>
#include <string>

#include "core/timing/wait_data.h"
#include "stage/objects/drect.h"
#include "stage/services/effect_request.h"
#include "stage/services/message_setup.h"
#include "stage/services/picture_request.h"

// The eight parameters of a screen-colour change (colour, strength, timing).
inline constexpr int32_t kScreenColorParams = 8;

class cStageServices {
 public:
  virtual ~cStageServices() = default;

  // A system sound effect by number.
  virtual void PlaySE(int32_t n) = 0;
  // A sound effect of the project's sound list.
  virtual void PlayProjectSE(int32_t n) = 0;
  // The stage music: number n, with the value stored beside it in the save data.
  virtual void RequestStageBgm(int32_t n, int32_t value) = 0;
  // The frame rate the scene's pacer runs the play at.
  virtual void SetTargetFps(int32_t fps) = 0;
  // The stage has been cleared; the scene shows its clear presentation.
  virtual void OnStageClear() = 0;
  // The program should close at the end of this frame.
  virtual void RequestClose() = 0;
  // Milliseconds of the clock (SetStage seeds the random numbers from it).
  virtual uint32_t TickCount() = 0;
  // Refreshes g_InputList[0] from the keyboard and joystick (the play step's poll).
  virtual void PollInput() = 0;
  // A hit effect (Effect index nEffect) where boxes a and b overlap, at scale,
  // moved by the jitter the simulation drew for it (its random numbers are
  // the game's whether or not a scene shows the effect).
  virtual void AddHitEffect(int32_t nEffect, const DRECT& a, const DRECT& b, int32_t nScale, int32_t nJitterX,
                            int32_t nJitterY) = 0;
  // An error message box (caption "エラー"), text in CP932. The simulation goes
  // on as it would after the box was closed.
  virtual void ShowErrorMessage(const std::string& text) = 0;
  // The darkness overlay must be rebuilt (a player chara's light radius changed).
  virtual void RebuildDarkness() = 0;
  // The scene's screen colour from a 画面の色を変更 command's parameters.
  virtual void SetScreenColor(const std::array<int32_t, kScreenColorParams>& params) = 0;
  // A debugging message box, shown only while the debug log is on (CP932).
  virtual void ShowDebugMessage(const std::string& text) = 0;

  // Stage build: the scene manager forgets its last music request; the
  // scene's messages, effects, pictures, screen colour and screen effect
  // start afresh; the menu cursor too; in 256-colour mode the display takes
  // the program palette again; the virtual back buffer is switched (0 off).
  virtual void ClearLastBgmRequest() = 0;
  virtual void ResetPresentation() = 0;
  virtual void ResetMenuCursor() = 0;
  virtual void ResetDisplayPalette() = 0;
  virtual void SetVirBackBuffer(int32_t bOn) = 0;
  // Play step: 1 when the pause key is held (the scene plays its sound and
  // keeps the phase to resume); not 0 when F1/F2 saved a replay this frame
  // (the frame is then not stepped).
  virtual int32_t CheckPauseKey() = 0;
  virtual int32_t CheckReplaySaveKeys() = 0;
  // The hero's death presentation is over (outside replay playback): the
  // scene takes a life and restarts, continues or ends the game.
  virtual void OnDeathEnd() = 0;
  // The frame's play screen is drawn from the state as it stands.
  virtual void DrawPlayScreen(int32_t bNoHide, int32_t bFrozen, int32_t bTimeSound, int32_t bHint) = 0;
  // A message window (text, wait, taken-item icon or notice) is appended to
  // the scene's message list.
  virtual void ShowMessage(const cMessageSetup& setup) = 0;
  // The game stands still while the scene's pause loop redraws the frozen
  // screen: until lpWait ends (null: the scene's wait record as it stands).
  // 1 when a button ended it: the simulation then holds the buttons back
  // until they are released.
  virtual int32_t PauseWait(const WAITDATA* lpWait) = 0;
  // Message windows: the one with the message ID, and the one the last
  // ShowMessage updated, inserted or appended (after a wait for it).
  virtual void RemoveMessageById(int32_t id) = 0;
  virtual void RemoveShownMessage() = 0;
  // The scene's effects: all removed, or one more.
  virtual void ClearEffects() = 0;
  virtual void AddEffect(const EFFECTREQUEST& effect) = 0;
  // The scene's pictures: all removed, the one with an ID removed, one shown
  // (its handle names it for RemovePicture after a wait).
  virtual void ClearPictures() = 0;
  virtual void HidePicture(int32_t id) = 0;
  virtual int32_t ShowPicture(const PICTUREREQUEST& picture) = 0;
  virtual void RemovePicture(int32_t handle) = 0;
  // Screen effect n played in mode (0 forward, 1 reversed, 2 there and back), looped.
  virtual void StartScreenEffect(int32_t n, int32_t mode, int32_t loop) = 0;
};
