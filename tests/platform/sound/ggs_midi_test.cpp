#include "platform/sound/ggs_midi.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/log/log_fixture.h"
#include "platform/sound/ggs4_api.h"
#include "platform/sound/midi_fixtures.h"
#include "platform/sound/midi_stream.h"
#include "platform/sound/mixer.h"
#include "platform/sound/ogg_fixtures.h"
#include "platform/sound/soundfont_fixture.h"

namespace {

TEST(GgsMidiVolumeTest, MasterVolumeIsTruncatedAndClamped) {
  const std::pair<int32_t, int32_t> cases[] = {{100, 0}, {50, -64}, {1, -126}, {0, -127}, {150, 0}, {-5, -127}};
  for (const auto& [volume, master] : cases) {
    SCOPED_TRACE(volume);
    EXPECT_EQ(cGgsMidi::MasterVolume(volume), master);
  }
}

// A note held for two seconds on channel 0.
Bytes HeldNote() {
  return Smf(0, 480, {{0x00, 0x90, 0x45, 0x64, 0x87, 0x40, 0x80, 0x45, 0x00, 0x00, 0xFF, 0x2F, 0x00}});
}

class GgsMidiTest : public LogFixture {
 protected:
  void SetUp() override {
    LogFixture::SetUp();
    const std::vector<uint8_t> font = SineSoundFont();
    WriteFileBytes(dir_.path() / "sine.sf2", std::string(font.begin(), font.end()));
    cGgs4Api::SetSoundFontCandidates({dir_.file("sine.sf2")});
    const Bytes song = HeldNote();
    WriteFileBytes(dir_.path() / "song.mid", std::string(song.begin(), song.end()));
  }
  void TearDown() override {
    cGgs4Api::Unload();
    cGgs4Api::SetSoundFontCandidates({});
    LogFixture::TearDown();
  }
  std::vector<int16_t> Render(int frames) {
    std::vector<int16_t> out(2 * static_cast<std::size_t>(frames));
    for (int done = 0; done < frames; done += 512) mixer_.Mix(out.data() + 2 * done, std::min(512, frames - done));
    return out;
  }
  // The level of 0.1 s after the note's attack.
  double LevelAt(int32_t volume) {
    cGgsMidi midi(mixer_);
    EXPECT_EQ(midi.Open(), 1);
    EXPECT_EQ(midi.Play(0, dir_.file("song.mid").c_str(), 0, volume), 1);
    Render(4410);
    const double level = Rms(Channel(Render(4410), 0));
    midi.Close();
    return level;
  }

  cMixer mixer_;
};

TEST_F(GgsMidiTest, ANoteSoundsAtTheMasterVolume) {
  const double full = LevelAt(100);
  EXPECT_GT(full, 500);
  EXPECT_NEAR(LevelAt(50) / full, 63.0 / 127.0, 0.01);
  EXPECT_EQ(LevelAt(0), 0);
}

TEST_F(GgsMidiTest, PlayTakesOnlyMidFilesThatConvert) {
  cGgsMidi midi(mixer_);
  ASSERT_EQ(midi.Open(), 1);
  ASSERT_EQ(midi.Play(3, dir_.file("song.mid").c_str(), 1, 100), 1);
  EXPECT_EQ(midi.m_nListId, 3);
  EXPECT_TRUE(midi.IsPlaying());
  struct Case {
    const char* name;
    std::string path;
  };
  const Bytes song = HeldNote();
  WriteFileBytes(dir_.path() / "song.MID", std::string(song.begin(), song.end()));
  const Case cases[] = {{"upper-case extension", dir_.file("song.MID")},
                        {"missing", dir_.file("none.mid")},
                        {"no extension", dir_.file("song")}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(midi.Play(0, dir_.file("song.mid").c_str(), 1, 100), 1);
    EXPECT_EQ(midi.Play(0, c.path.c_str(), 1, 100), 0);
    EXPECT_FALSE(midi.IsPlaying());  // what played was paused first
  }
}

TEST_F(GgsMidiTest, WithoutASoundFontOpenFailsAndTheStreamPlaysSilently) {
  cGgs4Api::SetSoundFontCandidates({dir_.file("none.sf2")});
  cGgsMidi midi(mixer_);
  EXPECT_EQ(midi.Open(), 0);
  EXPECT_NE(Report().find("none.sf2"), std::string::npos) << Report();
  EXPECT_EQ(midi.Play(0, dir_.file("song.mid").c_str(), 1, 100), 0);

  cMidiStreamList list(mixer_);
  list.Reset(1);
  EXPECT_EQ(list.Play(0, dir_.file("song.mid").c_str(), 1), 1);
  ASSERT_NE(list.m_vPlayers.CheckedVectorAt(0), nullptr);
  EXPECT_EQ(list.m_vPlayers.CheckedVectorAt(0)->State().m_nState, 1);
  EXPECT_NE(Report().find("Midi " + dir_.file("song.mid") + " Open "), std::string::npos) << Report();
  EXPECT_EQ(Rms(Channel(Render(4410), 0)), 0);

  list.Stop(1);
  EXPECT_EQ(list.m_vPlayers.CheckedVectorAt(0)->State().m_nState, 2);
  // Another extension stops and deletes the player and plays nothing.
  EXPECT_EQ(list.Play(0, dir_.file("song.ogg").c_str(), 1), 0);
  EXPECT_EQ(list.m_vPlayers.CheckedVectorAt(0), nullptr);
  // A file that does not convert leaves its player in the slot.
  EXPECT_EQ(list.Play(0, dir_.file("none.mid").c_str(), 1), 0);
  EXPECT_NE(list.m_vPlayers.CheckedVectorAt(0), nullptr);
  EXPECT_EQ(list.Play(1, dir_.file("song.mid").c_str(), 1), 0);  // no such channel
}

TEST(GgsMidiSmokeTest, TheInstalledGeneralMidiSoundFontSounds) {
  const char* fonts[] = {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
                         "/usr/share/sounds/sf2/FluidR3_GM.sf2"};
  bool any = false;
  for (const char* font : fonts) any = any || std::filesystem::exists(font);
  if (!any) GTEST_SKIP() << "no General MIDI soundfont installed";
  TempDir dir;
  const Bytes song = HeldNote();
  WriteFileBytes(dir.path() / "song.mid", std::string(song.begin(), song.end()));
  cMixer mixer;
  cGgsMidi midi(mixer);
  ASSERT_EQ(midi.Open(), 1);
  ASSERT_EQ(midi.Play(0, dir.file("song.mid").c_str(), 0, 100), 1);
  std::vector<int16_t> out(2 * 8820);
  for (int done = 0; done < 8820; done += 441) mixer.Mix(out.data() + 2 * done, 441);
  EXPECT_GT(Rms(Channel(out, 0, 2205)), 100);
  midi.Close();
  cGgs4Api::Unload();
}

}  // namespace
