#include "platform/sound/sound_effects.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "core/log/log_fixture.h"
#include "core/thread/sound_request.h"
#include "core/thread/window_fixture.h"
#include "platform/sound/audio_output.h"
#include "platform/sound/wave_fixtures.h"

namespace {

// Sound slots over the program's mixer with the device switched off: the test
// mixes the blocks itself.
class SoundEffectsTest : public LogFixture {
 protected:
  void SetUp() override {
    LogFixture::SetUp();
    g_AudioOutput.SetDeviceless(true);
    ASSERT_TRUE(DS_Init(g_hWnd, 22050, 8, 1));
  }
  void TearDown() override {
    DS_Release();
    g_AudioOutput.SetDeviceless(false);
    LogFixture::TearDown();
  }

  // A WAV file in the test folder; returns its path.
  std::string WriteWave(const std::string& name, const WaveShape& shape) {
    const std::vector<uint8_t> bytes = BuildWave(shape);
    WriteFileBytes(dir_.path() / name, std::string(bytes.begin(), bytes.end()));
    return dir_.file(name);
  }
  std::string ConstantWave(const std::string& name, int16_t value, std::size_t frames) {
    WaveShape shape;
    shape.data = ConstantPcm16(value, frames);
    return WriteWave(name, shape);
  }

  SOUNDFILEDATA File(const std::string& path, int32_t count = 1, int32_t volume = 0) {
    SOUNDFILEDATA file;
    EXPECT_TRUE(CopySoundPath(file.szPath, path.c_str()));
    file.nCount = count;
    file.nVolume = volume;
    return file;
  }

  // The left channel of the next frames.
  std::vector<int16_t> Left(int frames) {
    std::vector<int16_t> out(2 * static_cast<std::size_t>(frames));
    g_AudioOutput.Mixer().Mix(out.data(), frames);
    std::vector<int16_t> left;
    for (std::size_t i = 0; i < out.size(); i += 2) left.push_back(out[i]);
    return left;
  }

  cVector<DSSOUNDDATA> slots_;
  cVector<SOUNDFILEDATA> files_;
};

TEST_F(SoundEffectsTest, PlayingAOneBufferSlotAgainRestartsIt) {
  WaveShape ramp;
  std::vector<int16_t> values;
  for (int16_t i = 1; i <= 100; ++i) values.push_back(i);
  ramp.data = Pcm16(values);
  files_.push_back(File(WriteWave("ramp.wav", ramp)));
  slots_.resize(1);
  EXPECT_EQ(DSCreateSounds(&slots_, &files_, 0), 1);
  DSSOUNDDATA& slot = slots_.CheckedVectorAt(0);
  EXPECT_EQ(slot.nCount, 1);
  EXPECT_STREQ(slot.szName, files_.CheckedVectorAt(0).szPath);

  DSPlay(&slot, 0);
  EXPECT_EQ(Left(3), (std::vector<int16_t>{1, 2, 3}));
  DSPlay(&slot, 0);
  EXPECT_EQ(Left(3), (std::vector<int16_t>{1, 2, 3}));
}

TEST_F(SoundEffectsTest, ThreeBuffersOverlapAndAFourthPlayCutsTheOldest) {
  files_.push_back(File(ConstantWave("hit.wav", 1000, 100), 3));
  slots_.resize(1);
  DSCreateSounds(&slots_, &files_, 0);
  DSSOUNDDATA& slot = slots_.CheckedVectorAt(0);
  ASSERT_EQ(slot.nCount, 3);
  for (int16_t voices = 1; voices <= 3; ++voices) {
    DSPlay(&slot, 0);
    EXPECT_EQ(Left(10).front(), 1000 * voices);
  }
  // Positions now 30, 20, 10; the fourth play restarts the first buffer at 0, so
  // the second ends after 80 frames, the third after 90, the first after 100.
  DSPlay(&slot, 0);
  const std::vector<int16_t> left = Left(110);
  EXPECT_EQ(left[79], 3000);
  EXPECT_EQ(left[85], 2000);
  EXPECT_EQ(left[95], 1000);
  EXPECT_EQ(left[105], 0);
}

TEST_F(SoundEffectsTest, ANonZeroVolumeReplacesTheDefinitionsVolumes) {
  const std::string path = ConstantWave("a.wav", 1000, 10);
  struct Case {
    int32_t option;
    int32_t expected[2];
  };
  const Case cases[] = {{0, {-1000, 0}}, {-500, {-500, -500}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.option);
    for (DSSOUNDDATA& slot : slots_) DSReleaseSound(&slot);
    slots_.assign(2, DSSOUNDDATA{});
    files_.clear();
    files_.push_back(File(path, 2, -1000));
    files_.push_back(File(path, 2, 0));
    DSCreateSounds(&slots_, &files_, c.option);
    for (int32_t s = 0; s < 2; ++s) {
      for (int32_t b = 0; b < 2; ++b) EXPECT_EQ(DSGetVolume(&slots_.CheckedVectorAt(s), b), c.expected[s]);
    }
  }
}

TEST_F(SoundEffectsTest, SetVolumeAddsRelativeVolumesWideAndClamps) {
  files_.push_back(File(ConstantWave("a.wav", 10000, 100)));
  slots_.resize(1);
  DSCreateSounds(&slots_, &files_, 0);
  DSSOUNDDATA* slot = &slots_.CheckedVectorAt(0);
  struct Case {
    int32_t start, change, relative, expected;
  };
  const Case cases[] = {
      {-9500, -1000, 1, -10000}, {-200, 500, 1, 0},   {-3000, -500, 1, -3500},
      {-3000, -500, 0, -500},    {-5000, INT32_MIN, 1, -10000}, {0, 20000, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.start << " " << c.change << " " << c.relative);
    DSSetVolume(slot, 0, c.start, 0);
    EXPECT_EQ(DSSetVolume(slot, 0, c.change, c.relative), c.expected);
    EXPECT_EQ(DSGetVolume(slot, 0), c.expected);
  }
  EXPECT_EQ(DSSetVolume(slot, 1, -100, 0), 0);
  EXPECT_EQ(DSSetVolume(slot, -1, -100, 0), 0);
  EXPECT_EQ(DSGetVolume(slot, 1), 0);

  DSSetVolume(slot, 0, -600, 0);
  DSPlay(slot, 0);
  EXPECT_NEAR(Left(1).front(), 10000 * std::pow(10.0, -0.3), 1.0);
}

TEST_F(SoundEffectsTest, AMissingFileLeavesASilentSlotThatIsNotTriedAgain) {
  files_.push_back(File(dir_.file("missing.wav")));
  files_.push_back(File(ConstantWave("b.wav", 500, 10), 0));  // count 0 makes one buffer
  slots_.resize(3);  // one slot more than definitions: left alone
  DSCreateSounds(&slots_, &files_, 0);
  DSSOUNDDATA& missing = slots_.CheckedVectorAt(0);
  EXPECT_FALSE(missing.lpBuffers.empty());
  EXPECT_EQ(missing.nCount, 0);
  EXPECT_NE(Report().find("missing.wav の読み込みに失敗しました！"), std::string::npos) << Report();
  EXPECT_EQ(slots_.CheckedVectorAt(1).nCount, 1);
  EXPECT_TRUE(slots_.CheckedVectorAt(2).lpBuffers.empty());

  for (DSSOUNDDATA& slot : slots_) DSPlay(&slot, 0);
  DSPlay(&slots_.CheckedVectorAt(1), 0);
  EXPECT_EQ(Left(1).front(), 500);

  const std::string before = Report();
  DSCreateSounds(&slots_, &files_, 0);
  EXPECT_EQ(Report(), before);
}

TEST_F(SoundEffectsTest, ReleaseFreesEveryBufferAndLetsTheOutputGo) {
  files_.push_back(File(ConstantWave("a.wav", 500, 10), 4));
  slots_.resize(1);
  DSCreateSounds(&slots_, &files_, 0);
  EXPECT_EQ(g_AudioOutput.Mixer().BufferCount(), 4);
  DS_Release();
  EXPECT_EQ(g_lpDS, nullptr);
  EXPECT_EQ(g_AudioOutput.Users(), 0);
  EXPECT_EQ(g_AudioOutput.Mixer().BufferCount(), 0);
  EXPECT_TRUE(slots_.CheckedVectorAt(0).lpBuffers.empty());

  // Without the output every call returns at once; the creators report success.
  EXPECT_TRUE(DSCreateSound(&slots_.CheckedVectorAt(0), "nothing.wav", 1, 0));
  DSPlay(&slots_.CheckedVectorAt(0), 0);
  EXPECT_EQ(DSSetVolume(&slots_.CheckedVectorAt(0), 0, -100, 0), 0);
  EXPECT_EQ(g_AudioOutput.Mixer().BufferCount(), 0);

  // Start-up can fail between DS_Init and DSCreateSounds.
  ASSERT_TRUE(DS_Init(g_hWnd, 22050, 8, 1));
  DS_Release();
  EXPECT_EQ(g_AudioOutput.Users(), 0);
}

TEST_F(SoundEffectsTest, PlaysFromTwoThreadsWhileAThirdMixes) {
  files_.push_back(File(ConstantWave("a.wav", 100, 300), 3));
  files_.push_back(File(ConstantWave("b.wav", 100, 300), 1));
  slots_.resize(2);
  DSCreateSounds(&slots_, &files_, 0);
  std::atomic<bool> playing{true};
  std::thread mixer([&] {
    std::vector<int16_t> out(2 * 512);
    while (playing) g_AudioOutput.Mixer().Mix(out.data(), 512);
  });
  auto player = [&](int first) {
    for (int i = 0; i < 2000; ++i) {
      DSPlay(&slots_.CheckedVectorAt((first + i) % 2), 0);
      DSSetVolume(&slots_.CheckedVectorAt(i % 2), 0, -10, 1);
    }
  };
  std::thread a(player, 0), b(player, 1);
  a.join();
  b.join();
  playing = false;
  mixer.join();
  for (const DSSOUNDDATA& slot : slots_) {
    EXPECT_GE(slot.nNext, 0);
    EXPECT_LT(slot.nNext, slot.nCount);
  }
}

// The game thread's request reaches DSPlay through the window procedure.
class SoundRequestToSlotTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    SetEcLog(0, "");
    g_AudioOutput.SetDeviceless(true);
    ASSERT_TRUE(DS_Init(g_hWnd, 22050, 8, 1));
  }
  void TearDown() override {
    DS_Release();
    g_AudioOutput.SetDeviceless(false);
    WindowFixture::TearDown();
  }
  TempDir dir_;
  cVector<DSSOUNDDATA> slots_;  // outlives DS_Release in TearDown
};

TEST_F(SoundRequestToSlotTest, PlaySEFromAWorkerSoundsTheSlot) {
  WaveShape shape;
  shape.data = ConstantPcm16(700, 50);
  const std::vector<uint8_t> bytes = BuildWave(shape);
  WriteFileBytes(dir_.path() / "se.wav", std::string(bytes.begin(), bytes.end()));
  slots_.resize(8);
  cVector<SOUNDFILEDATA> files(8);
  ASSERT_TRUE(CopySoundPath(files.CheckedVectorAt(5).szPath, dir_.file("se.wav").c_str()));
  DSCreateSounds(&slots_, &files, 0);
  onMessage_ = [&](UINT msg, WPARAM wParam, LPARAM) -> LRESULT {
    if (msg == WM_APP_PLAY_SOUND) DSPlay(&slots_.CheckedVectorAt(static_cast<int32_t>(wParam)), 0);
    return 0;
  };
  std::atomic<bool> sent{false};
  std::thread worker([&] {
    PlaySE(5);
    sent = true;
  });
  EXPECT_TRUE(WaitUntil([&] { return sent.load(); }));
  worker.join();
  int16_t out[2];
  g_AudioOutput.Mixer().Mix(out, 1);
  EXPECT_EQ(out[0], 700);
  EXPECT_EQ(out[1], 700);
}

// Sets SDL_AUDIODRIVER for one test and puts the old value back.
class AudioDeviceTest : public LogFixture {
 protected:
  void UseDriver(const char* driver) { setenv("SDL_AUDIODRIVER", driver, 1); }
  void TearDown() override {
    if (had_) {
      setenv("SDL_AUDIODRIVER", saved_.c_str(), 1);
    } else {
      unsetenv("SDL_AUDIODRIVER");
    }
    LogFixture::TearDown();
  }

 private:
  const bool had_ = std::getenv("SDL_AUDIODRIVER") != nullptr;
  const std::string saved_ = had_ ? std::getenv("SDL_AUDIODRIVER") : "";
};

TEST_F(AudioDeviceTest, InitAndReleaseOpenAndCloseTheDevice) {
  UseDriver("dummy");
  ASSERT_TRUE(DS_Init(g_hWnd, 22050, 8, 1));
  EXPECT_EQ(g_lpDS, &g_AudioOutput.Mixer());
  EXPECT_EQ(g_AudioOutput.Users(), 1);
  DS_Release();
  EXPECT_EQ(g_lpDS, nullptr);
  EXPECT_EQ(g_AudioOutput.Users(), 0);
}

TEST_F(AudioDeviceTest, AFailedInitLogsSdlsReasonAndHoldsNothing) {
  UseDriver("no-such-driver");
  EXPECT_FALSE(DS_Init(g_hWnd, 22050, 8, 1));
  EXPECT_EQ(g_lpDS, nullptr);
  EXPECT_EQ(g_AudioOutput.Users(), 0);
  EXPECT_EQ(Report().rfind("DS_Init: ", 0), 0u) << Report();
  EXPECT_GT(Report().size(), std::string("DS_Init: \r\n").size());
}

}  // namespace
