#include "platform/sound/bgm_manager.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/log/log_fixture.h"
#include "platform/sound/audio_output.h"
#include "platform/sound/ggs4_api.h"
#include "platform/sound/midi_fixtures.h"
#include "platform/sound/ogg_fixtures.h"
#include "platform/sound/soundfont_fixture.h"

namespace {

class BgmManagerTest : public LogFixture {
 protected:
  void SetUp() override {
    LogFixture::SetUp();
    g_AudioOutput.SetDeviceless(true);
    Write("sine.sf2", SineSoundFont());
    cGgs4Api::SetSoundFontCandidates({dir_.file("sine.sf2")});
    std::memcpy(ogg_, g_BgmOggTable, sizeof ogg_);
    std::memcpy(mid_, g_BgmMidTable, sizeof mid_);
    // 0.1 s of sine, then 0.9 s of silence: a restart is heard.
    std::vector<float> samples(44100, 0.0f);
    for (int i = 0; i < 4410; ++i) samples[static_cast<std::size_t>(i)] = (i / 50) % 2 ? 0.5f : -0.5f;
    Write("start.ogg", EncodeOggVorbis(samples, 1, 44100));
    Write("sine.ogg", SineOgg(44100, 1, 441, 0.5, 1.0));
    Write("song.mid", Smf(0, 480, {{0x00, 0x90, 0x45, 0x64, 0x87, 0x40, 0x80, 0x45, 0x00, 0x00, 0xFF, 0x2F,
                                    0x00}}));
  }
  void TearDown() override {
    bgm_.Release();
    cGgs4Api::SetSoundFontCandidates({});
    g_AudioOutput.SetDeviceless(false);
    LogFixture::TearDown();
  }

  void Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    WriteFileBytes(dir_.path() / name, std::string(bytes.begin(), bytes.end()));
  }
  std::string Path(const std::string& name) const { return dir_.file(name); }
  int32_t Init() { return bgm_.Init(1, ogg_, mid_, kBgmTableSize); }
  double Level(int frames = 2205) {
    std::vector<int16_t> out(2 * static_cast<std::size_t>(frames));
    for (int done = 0; done < frames; done += 441) mixer_.Mix(out.data() + 2 * done, std::min(441, frames - done));
    return Rms(Channel(out, 0));
  }
  bool OggSounds() { return bgm_.m_OggPlayer.m_nCurrent == 0; }
  bool MidiSounds() { return bgm_.m_GgsMidi.IsPlaying(); }

  cMixer mixer_;
  cBgmManager bgm_{mixer_};
  BGMOGGDATA ogg_[kBgmTableSize];
  BGMMIDDATA mid_[kBgmTableSize];
};

TEST_F(BgmManagerTest, SetFileSortsPathsByTheTextAfterTheLastDot) {
  ASSERT_EQ(Init(), 1);
  struct Case {
    const char* path;
    int32_t result;
    int32_t kind;
    const char* oggPath;  // what the entries hold afterwards
    const char* midPath;
    int32_t oggVolume, midVolume;
  };
  const Case cases[] = {
      {"bgm\\a.MID", 1, 2, "bgm\\Title.ogg", "bgm\\a.mid", 0, 70},
      {"bgm\\a.mid", 1, 2, "bgm\\Title.ogg", "bgm\\a.mid", 0, 70},
      {"bgm\\a.Mid", 0, 0, "bgm\\a.Mid", "bgm\\a.Mid", 70, 70},
      {"bgm\\a.ogg", 1, 1, "bgm\\a.ogg", "bgm\\Title.mid", 70, 0},
      {"bgm\\a.OGG", 1, 1, "bgm\\a.OGG", "bgm\\Title.mid", 70, 0},
      {"bgm\\x.amid", 0, 0, "bgm\\x.amid", "bgm\\x.amid", 70, 70},
      {"bgm\\none", 0, 0, "", "", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    std::memcpy(ogg_, g_BgmOggTable, sizeof ogg_);
    std::memcpy(mid_, g_BgmMidTable, sizeof mid_);
    EXPECT_EQ(bgm_.SetFile(0, c.path, 70), c.result);
    EXPECT_EQ(bgm_.m_vKind.CheckedVectorAt(0), c.kind);
    EXPECT_STREQ(ogg_[0].szPath, c.oggPath);
    EXPECT_STREQ(mid_[0].szPath, c.midPath);
    EXPECT_EQ(ogg_[0].nVolume, c.oggVolume);
    EXPECT_EQ(mid_[0].nVolume, c.midVolume);
  }
  // Out of range, or too long for the tables: refused, nothing changes.
  std::memcpy(ogg_, g_BgmOggTable, sizeof ogg_);
  EXPECT_EQ(bgm_.SetFile(5, "a.ogg", 100), 0);
  EXPECT_EQ(bgm_.SetFile(-1, "a.ogg", 100), 0);
  EXPECT_EQ(bgm_.SetFile(1, (std::string(256, 'a') + ".ogg").c_str(), 100), 0);
  EXPECT_STREQ(ogg_[1].szPath, "bgm\\WorldMap.ogg");
  EXPECT_EQ(bgm_.m_vKind.CheckedVectorAt(1), 0);
}

TEST_F(BgmManagerTest, AnUndecidedIndexTriesOggThenMidi) {
  ASSERT_EQ(Init(), 1);
  std::strcpy(ogg_[2].szPath, Path("tune.ogg").c_str());  // missing
  std::strcpy(mid_[2].szPath, Path("song.mid").c_str());
  mid_[2].nVolume = 100;
  EXPECT_EQ(bgm_.Play(0, 2, 1, 0, 1), 1);
  EXPECT_EQ(bgm_.m_vPlaying.CheckedVectorAt(0), 2);
  EXPECT_TRUE(MidiSounds());
  EXPECT_GT(Level(), 100);
  EXPECT_EQ(Report(), "");  // a missing Ogg is the usual case: no line

  // A ".Mid" path stays undecided: the MIDI player refuses it after Ogg.
  EXPECT_EQ(bgm_.SetFile(3, Path("song.Mid").c_str(), 100), 0);
  EXPECT_EQ(bgm_.Play(0, 3, 1, 0, 1), 0);
  EXPECT_EQ(bgm_.m_nCurrent, -1);
  EXPECT_FALSE(MidiSounds());
}

TEST_F(BgmManagerTest, OneKindSoundsAtATime) {
  ASSERT_EQ(Init(), 1);
  ASSERT_EQ(bgm_.SetFile(0, Path("song.mid").c_str(), 100), 1);
  ASSERT_EQ(bgm_.SetFile(1, Path("sine.ogg").c_str(), 100), 1);
  EXPECT_EQ(bgm_.Play(0, 0, 1, 0, 1), 1);
  EXPECT_TRUE(MidiSounds());
  EXPECT_EQ(bgm_.Play(0, 1, 1, 0, 1), 1);
  EXPECT_TRUE(OggSounds());
  EXPECT_FALSE(MidiSounds());
  EXPECT_EQ(bgm_.m_vPlaying.CheckedVectorAt(0), 1);
  EXPECT_EQ(bgm_.Play(0, 0, 1, 0, 1), 1);
  EXPECT_TRUE(MidiSounds());
  EXPECT_FALSE(OggSounds());
  EXPECT_EQ(bgm_.m_vPlaying.CheckedVectorAt(0), 2);
}

TEST_F(BgmManagerTest, TheCurrentMusicRestartsOnlyWhenForced) {
  ASSERT_EQ(Init(), 1);
  ASSERT_EQ(bgm_.SetFile(0, Path("start.ogg").c_str(), 100), 1);
  ASSERT_EQ(bgm_.Play(0, 0, 0, 0, 1), 1);
  EXPECT_GT(Level(), 1000);
  Level(8820);
  EXPECT_LT(Level(), 50);                    // past the loud start
  EXPECT_EQ(bgm_.Play(0, 0, 0, 0, 0), 1);    // current, not forced: nothing
  EXPECT_LT(Level(), 50);
  EXPECT_EQ(bgm_.Play(0, 0, 0, 0, 1), 1);    // forced: from the beginning
  EXPECT_GT(Level(), 1000);

  bgm_.Stop();
  EXPECT_EQ(bgm_.m_nCurrent, 0);
  EXPECT_EQ(bgm_.Play(0, 0, 0, 0, 0), 1);    // stopped, same index: still nothing
  EXPECT_EQ(Level(), 0);
  EXPECT_FALSE(OggSounds());
}

TEST_F(BgmManagerTest, AFailedPlayLetsTheSameIndexPlayAgain) {
  ASSERT_EQ(Init(), 1);
  ASSERT_EQ(bgm_.SetFile(0, Path("late.ogg").c_str(), 100), 1);
  EXPECT_EQ(bgm_.Play(0, 0, 1, 0, 0), 0);
  EXPECT_EQ(bgm_.m_nCurrent, -1);
  EXPECT_EQ(bgm_.m_vPlaying.CheckedVectorAt(0), 0);
  Write("late.ogg", SineOgg(44100, 1, 441, 0.5, 1.0));
  EXPECT_EQ(bgm_.Play(0, 0, 1, 0, 0), 1);
  EXPECT_GT(Level(), 1000);
}

TEST_F(BgmManagerTest, EveryVolumeIsSetOnTheOggPlayer) {
  ASSERT_EQ(Init(), 1);
  ASSERT_EQ(bgm_.SetFile(0, Path("sine.ogg").c_str(), 100), 1);
  ASSERT_EQ(bgm_.Play(0, 0, 1, 0, 1), 1);
  const double full = Level();
  ASSERT_EQ(bgm_.SetFile(0, Path("sine.ogg").c_str(), 50), 1);
  ASSERT_EQ(bgm_.Play(0, 0, 1, 0, 1), 1);
  EXPECT_NEAR(Level() / full, 0.5, 0.02);
  ASSERT_EQ(bgm_.SetFile(0, Path("sine.ogg").c_str(), 100), 1);
  ASSERT_EQ(bgm_.Play(0, 0, 1, 0, 1), 1);
  EXPECT_NEAR(Level() / full, 1.0, 0.02);
}

TEST_F(BgmManagerTest, RequestsOutOfRangeDoNothing) {
  ASSERT_EQ(Init(), 1);
  ASSERT_EQ(bgm_.SetFile(0, Path("sine.ogg").c_str(), 100), 1);
  struct Case {
    int32_t channel, index;
  };
  for (const Case c : {Case{1, 0}, Case{-1, 0}, Case{0, 5}, Case{0, -2}}) {
    SCOPED_TRACE(testing::Message() << c.channel << " " << c.index);
    EXPECT_EQ(bgm_.Play(c.channel, c.index, 1, 0, 1), 0);
    EXPECT_EQ(bgm_.m_nCurrent, -1);
  }
  EXPECT_EQ(Level(), 0);
}

TEST_F(BgmManagerTest, AfterReleaseRequestsDoNothingUntilInitAgain) {
  ASSERT_EQ(Init(), 1);
  EXPECT_EQ(g_AudioOutput.Users(), 1);
  ASSERT_EQ(bgm_.SetFile(0, Path("sine.ogg").c_str(), 100), 1);
  ASSERT_EQ(bgm_.Play(0, 0, 1, 0, 1), 1);
  EXPECT_EQ(bgm_.Release(), 1);
  EXPECT_EQ(g_AudioOutput.Users(), 0);
  EXPECT_EQ(Level(), 0);
  EXPECT_EQ(bgm_.SetFile(1, Path("song.mid").c_str(), 100), 1);
  EXPECT_EQ(bgm_.m_vKind.CheckedVectorAt(1), 0);  // untouched: it would be 2
  EXPECT_EQ(bgm_.Play(0, 1, 1, 0, 1), 1);
  bgm_.Stop();
  EXPECT_EQ(Level(), 0);
  EXPECT_EQ(bgm_.Release(), 0);

  ASSERT_EQ(Init(), 1);
  ASSERT_EQ(bgm_.SetFile(1, Path("song.mid").c_str(), 100), 1);
  EXPECT_EQ(bgm_.Play(0, 1, 1, 0, 1), 1);
  EXPECT_TRUE(MidiSounds());
  EXPECT_GT(Level(), 100);
}

TEST_F(BgmManagerTest, InitAgainDeletesTheSoundingPlayers) {
  ASSERT_EQ(Init(), 1);
  ASSERT_EQ(bgm_.SetFile(0, Path("sine.ogg").c_str(), 100), 1);
  ASSERT_EQ(bgm_.Play(0, 0, 1, 0, 1), 1);
  EXPECT_GT(Level(), 1000);
  ASSERT_EQ(Init(), 1);
  EXPECT_EQ(Level(), 0);  // the old player is gone, not orphaned while sounding
  EXPECT_EQ(g_AudioOutput.Users(), 1);
  EXPECT_EQ(bgm_.Play(0, 0, 1, 0, 1), 1);
  EXPECT_GT(Level(), 1000);
}

TEST_F(BgmManagerTest, WithoutAnOggSideMidiPlaysAlone) {
  bgm_.m_OggPlayer.m_bAvailable = false;
  EXPECT_EQ(Init(), 0);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "oggの初期化に失敗！");
  EXPECT_EQ(bgm_.m_bInit, 1);
  ASSERT_EQ(bgm_.m_vKind.VectorSize(), kBgmTableSize);
  ASSERT_EQ(bgm_.SetFile(0, Path("sine.ogg").c_str(), 100), 1);
  EXPECT_EQ(bgm_.Play(0, 0, 1, 0, 1), 0);
  std::strcpy(ogg_[1].szPath, Path("sine.ogg").c_str());
  std::strcpy(mid_[1].szPath, Path("song.mid").c_str());
  mid_[1].nVolume = 100;
  EXPECT_EQ(bgm_.Play(0, 1, 1, 0, 1), 1);
  EXPECT_EQ(bgm_.m_vPlaying.CheckedVectorAt(0), 2);
}

TEST_F(BgmManagerTest, WithoutASoundFontMidiPlaysSilentlyWithThePlayersResults) {
  cGgs4Api::SetSoundFontCandidates({Path("none.sf2")});
  ASSERT_EQ(Init(), 1);
  EXPECT_EQ(bgm_.m_bGgs, 0);
  ASSERT_EQ(bgm_.SetFile(0, Path("song.mid").c_str(), 100), 1);
  EXPECT_EQ(bgm_.Play(0, 0, 1, 0, 1), 1);
  EXPECT_EQ(bgm_.m_vPlaying.CheckedVectorAt(0), 2);
  ASSERT_NE(bgm_.m_MidiStreams.m_vPlayers.CheckedVectorAt(0), nullptr);
  EXPECT_EQ(bgm_.m_MidiStreams.m_vPlayers.CheckedVectorAt(0)->State().m_nState, 1);
  EXPECT_EQ(Level(), 0);
  bgm_.Stop();
  EXPECT_EQ(bgm_.m_MidiStreams.m_vPlayers.CheckedVectorAt(0)->State().m_nState, 0);
}

}  // namespace
