// build/soundcheck's renderer: the sample's own WAV, Ogg and MIDI files come out
// as 44100 Hz stereo of the length they play, and what cannot be played says why.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "tools/sample/audio/sample_music.h"
#include "tools/sample/audio/sample_sounds.h"
#include "tools/soundcheck/sound_render.h"

namespace {

std::string WriteSound(const TempDir& dir, const std::string& name, const std::vector<uint8_t>& bytes) {
  const std::string path = dir.file(name);
  WriteFileBytes(path, std::string(bytes.begin(), bytes.end()));
  return path;
}

bool RenderedSomething(const std::vector<int16_t>& samples) {
  for (int16_t s : samples) {
    if (s != 0) return true;
  }
  return false;
}

uint32_t WavField32(const std::vector<uint8_t>& bytes, size_t at) {
  uint32_t value = 0;
  std::memcpy(&value, bytes.data() + at, 4);
  return value;
}

TEST(SoundcheckRender, AWavLastsItsFramesAtTheOutputRate) {
  TempDir dir;
  uint32_t rate = 0;
  int bits = 0;
  const size_t frames = SynthesiseSound(eSoundRecipe::Coin, rate, bits).size();
  const cRenderedSound sound = RenderSoundFile(WriteSound(dir, "coin.WAV", SoundFile(eSoundRecipe::Coin)));
  ASSERT_EQ(sound.error, "");
  const double expected = static_cast<double>(frames) * 44100 / rate;
  EXPECT_NEAR(static_cast<double>(sound.samples.size()) / 2, expected, expected * 0.02 + 64);
  EXPECT_TRUE(RenderedSomething(sound.samples));
}

TEST(SoundcheckRender, OggAndMidiRender) {
  TempDir dir;
  const cRenderedSound ogg = RenderSoundFile(WriteSound(dir, "option.ogg", SongOggFile(eSong::Option)), 5);
  ASSERT_EQ(ogg.error, "");
  EXPECT_TRUE(RenderedSomething(ogg.samples));
  // MIDI needs a soundfont; without one it renders silence or says why, never crashes.
  const cRenderedSound midi = RenderSoundFile(WriteSound(dir, "title.mid", SongFile(eSong::Title)), 2);
  EXPECT_LE(midi.samples.size(), size_t{2} * 44100 * 2 + 2 * 4096);
}

TEST(SoundcheckRender, WhatCannotBePlayedSaysWhy) {
  TempDir dir;
  const std::string cases[] = {
      dir.file("missing.wav"),
      WriteSound(dir, "noise.wav", {'n', 'o', 't', ' ', 'R', 'I', 'F', 'F'}),
      WriteSound(dir, "sound.xyz", SoundFile(eSoundRecipe::Coin)),
  };
  for (const std::string& path : cases) {
    SCOPED_TRACE(path);
    const cRenderedSound sound = RenderSoundFile(path);
    EXPECT_NE(sound.error, "");
    EXPECT_TRUE(sound.samples.empty());
  }
}

TEST(SoundcheckRender, TheOutputIsAStereoPcmWav) {
  const std::vector<int16_t> samples = {1, -1, 300, -300};
  const std::vector<uint8_t> wav = EncodeStereoWav(samples);
  ASSERT_EQ(wav.size(), 44u + 8);
  EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
  EXPECT_EQ(WavField32(wav, 4), wav.size() - 8);
  EXPECT_EQ(std::string(wav.begin() + 8, wav.begin() + 12), "WAVE");
  EXPECT_EQ(WavField32(wav, 24), 44100u);
  EXPECT_EQ(WavField32(wav, 40), 8u);
  int16_t third = 0;
  std::memcpy(&third, wav.data() + 44 + 4, 2);
  EXPECT_EQ(third, 300);
}

}  // namespace
