// F1/F2 replay save keys and the file-dialog requests they send. The test's
// thread is the window thread, so every send runs the procedure directly.

#include <gtest/gtest.h>

#include <vector>

#include "core/thread/messages.h"
#include "records/replay/file_dialog_request.h"
#include "records/replay/input_log.h"
#include "records/replay/replay_request.h"
#include "records/replay/replay_save_keys.h"
#include "records/settings/system_data.h"

namespace {

struct Sent {
  UINT message;
  WPARAM wParam;
  bool operator==(const Sent&) const = default;
};

class ReplaySaveKeysTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedReplaySwitch_ = g_SystemData.m_bReplay;
    g_SystemData.m_bReplay = 1;
    g_InputLog.Clear();
    g_InputLogPrev.Clear();
    ResetWindowQueue();
    SetWindowThread();
    SetWindowProc([this](HWND, UINT msg, WPARAM wParam, LPARAM) -> LRESULT {
      sent_.push_back({msg, wParam});
      if (msg != WM_APP_PLAY_SOUND) {
        // The dialog: a name is chosen (dialogOk_) and the request is done.
        g_bFileDialogOk = dialogOk_;
        g_bFileDialogDone = 1;
      }
      return 0;
    });
  }
  void TearDown() override {
    ResetWindowQueue();
    g_SystemData.m_bReplay = savedReplaySwitch_;
    g_InputLog.Clear();
    g_InputLogPrev.Clear();
  }

  int CountSounds(int slot) const {
    int n = 0;
    for (const Sent& s : sent_) n += s.message == WM_APP_PLAY_SOUND && s.wParam == WPARAM(slot);
    return n;
  }

  std::vector<Sent> sent_;
  int dialogOk_ = 1;
  int32_t savedReplaySwitch_ = 0;
};

constexpr UINT kSound = WM_APP_PLAY_SOUND;

}  // namespace

TEST_F(ReplaySaveKeysTest, KeysSaveTheirAttemptOrDoNothing) {
  struct Case {
    const char* what;
    REPLAYKEYSTATE keys;
    int32_t replaySwitch;
    bool currentHasFrames, previousHasFrames;
    int result;
    std::vector<Sent> sent;
  } cases[] = {
      {"no key", {false, false, false}, 1, true, true, 0, {}},
      {"F1 saves the current attempt", {false, true, false}, 1, true, false, 1,
       {{kSound, 1}, {WM_APP_SAVE_REPLAY, 0}}},
      {"F2 saves the previous attempt", {false, false, true}, 1, false, true, 1,
       {{kSound, 1}, {WM_APP_SAVE_REPLAY, 1}}},
      {"F1 wins over F2", {false, true, true}, 1, true, true, 1,
       {{kSound, 1}, {WM_APP_SAVE_REPLAY, 0}}},
      {"F1 on an empty log is refused even with F2 held", {false, true, true}, 1, false, true, 0,
       {{kSound, 3}}},
      {"during replay playback", {true, true, false}, 1, true, true, 0, {}},
      {"replays switched off", {false, true, false}, 0, true, true, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    sent_.clear();
    g_SystemData.m_bReplay = c.replaySwitch;
    g_InputLog.Clear();
    g_InputLogPrev.Clear();
    if (c.currentHasFrames) g_InputLog.Append({1, 0});
    if (c.previousHasFrames) g_InputLogPrev.Append({2, 0});
    cReplaySaveKeys keys;
    EXPECT_EQ(keys.Check(c.keys), c.result);
    EXPECT_EQ(sent_, c.sent);
  }
}

TEST_F(ReplaySaveKeysTest, RefusalSoundsAtMostOnceEvery60Calls) {
  cReplaySaveKeys keys;
  const REPLAYKEYSTATE f1{false, true, false};
  for (int call = 1; call <= 120; ++call) keys.Check(f1);
  EXPECT_EQ(CountSounds(kReplayRefuseSound), 2);  // calls 1 and 61
  keys.Check(f1);
  EXPECT_EQ(CountSounds(kReplayRefuseSound), 3);  // call 121

  // The cool-down runs out while no key is held, too.
  for (int call = 0; call < 60; ++call) keys.Check({});
  EXPECT_EQ(keys.RefuseCooldown(), 0);
  keys.Check(f1);
  EXPECT_EQ(CountSounds(kReplayRefuseSound), 4);
}

TEST_F(ReplaySaveKeysTest, OpenReplayGivesTheDialogResult) {
  dialogOk_ = 1;
  EXPECT_EQ(RequestOpenReplay(), 1);
  dialogOk_ = 0;
  EXPECT_EQ(RequestOpenReplay(), 0);
  EXPECT_EQ(sent_, (std::vector<Sent>{{WM_APP_OPEN_REPLAY, 0}, {WM_APP_OPEN_REPLAY, 0}}));
}

TEST_F(ReplaySaveKeysTest, RequestWithoutAWindowThreadEndsAtOnce) {
  ResetWindowQueue();  // nobody serves sends now
  g_bFileDialogOk = 1;
  EXPECT_EQ(RequestOpenReplay(), 0);
  EXPECT_EQ(RequestFileDialog(WM_APP_SAVE_REPLAY, 1), 0);
  EXPECT_TRUE(sent_.empty());
}
