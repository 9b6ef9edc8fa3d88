#include "platform/sound/mixer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/sound/sample_block.h"
#include "platform/sound/wave_reader.h"
#include "platform/sound/wave_fixtures.h"

namespace {

std::shared_ptr<const cSampleBlock> Block(const WaveShape& shape) {
  WAVEDATA wave;
  EXPECT_TRUE(ParseWaveImage(BuildWave(shape), "mixer.wav", &wave));
  return ConvertWaveToOutput(wave);
}

std::shared_ptr<const cSampleBlock> ConstantBlock(int16_t value, std::size_t frames) {
  WaveShape shape;
  shape.data = ConstantPcm16(value, frames);
  return Block(shape);
}

std::vector<int16_t> Render(cMixer& mixer, int frames) {
  std::vector<int16_t> out(2 * static_cast<std::size_t>(frames), 12345);
  mixer.Mix(out.data(), frames);
  return out;
}

TEST(MixerTest, MonoFeedsBothChannelsAtTheVolumesGain) {
  struct Case {
    int32_t volume;
    double expected;
  };
  const Case cases[] = {{0, 10000}, {-600, 10000 * std::pow(10.0, -0.3)}, {-2000, 1000}, {-10000, 0},
                        {-20000, 0}, {500, 10000}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.volume);
    cMixer mixer;
    cSoundBuffer* buffer = mixer.CreateBuffer(ConstantBlock(10000, 64));
    ASSERT_NE(buffer, nullptr);
    mixer.SetVolume(buffer, c.volume);
    mixer.PlayFromStart(buffer);
    const std::vector<int16_t> out = Render(mixer, 32);
    for (int i = 0; i < 64; ++i) EXPECT_NEAR(out[static_cast<std::size_t>(i)], c.expected, 1.0) << i;
  }
}

TEST(MixerTest, StereoKeepsItsChannelsAndTheSumSaturatesOnce) {
  cMixer mixer;
  WaveShape stereo;
  stereo.channels = 2;
  stereo.data = Pcm16({30000, -30000, 30000, -30000});
  cSoundBuffer* a = mixer.CreateBuffer(Block(stereo));
  cSoundBuffer* b = mixer.CreateBuffer(Block(stereo));
  mixer.PlayFromStart(a);
  std::vector<int16_t> out = Render(mixer, 2);
  EXPECT_EQ(out, (std::vector<int16_t>{30000, -30000, 30000, -30000}));

  mixer.PlayFromStart(a);
  mixer.PlayFromStart(b);
  out = Render(mixer, 2);
  EXPECT_EQ(out, (std::vector<int16_t>{32767, -32768, 32767, -32768}));

  // Saturating each voice on its own would lose this: 30000 + 30000 - 30000.
  cSoundBuffer* c = mixer.CreateBuffer(ConstantBlock(-30000, 2));
  mixer.PlayFromStart(a);
  mixer.PlayFromStart(b);
  mixer.PlayFromStart(c);
  out = Render(mixer, 1);
  EXPECT_EQ(out[0], 30000);
}

TEST(MixerTest, ASoundPlaysOnceAtTheOutputRate) {
  // 8-bit 22050 Hz: twice as many frames at 44100.
  WaveShape shape;
  shape.bits = 8;
  shape.rate = 22050;
  shape.data.assign(1000, 200);  // (200 - 128) x 256 in 16 bits
  cMixer mixer;
  cSoundBuffer* buffer = mixer.CreateBuffer(Block(shape));
  mixer.PlayFromStart(buffer);
  const std::vector<int16_t> out = Render(mixer, 2500);
  int sounding = 0;
  for (std::size_t i = 0; i < out.size(); i += 2) {
    if (out[i] != 0) ++sounding;
    EXPECT_EQ(out[i], out[i + 1]);
  }
  EXPECT_NEAR(sounding, 2000, 20);
  EXPECT_NEAR(out[1000], 72 * 256, 64);  // the resampler's filter is not exactly unity
  EXPECT_FALSE(mixer.IsPlaying(buffer));
  EXPECT_EQ(Render(mixer, 4), std::vector<int16_t>(8, 0));
}

TEST(MixerTest, DuplicatesShareSamplesAndPlayApart) {
  cMixer mixer;
  WaveShape shape;
  shape.data = Pcm16({1, 2, 3, 4, 5, 6, 7, 8});
  cSoundBuffer* first = mixer.CreateBuffer(Block(shape));
  cSoundBuffer* copy = mixer.DuplicateBuffer(first);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->block, first->block);
  mixer.SetVolume(copy, -10000);
  EXPECT_EQ(mixer.GetVolume(first), 0);
  mixer.PlayFromStart(first);
  Render(mixer, 4);
  mixer.PlayFromStart(copy);  // silent: only the first sounds, from where it is
  std::vector<int16_t> out = Render(mixer, 2);
  EXPECT_EQ(out, (std::vector<int16_t>{5, 5, 6, 6}));

  mixer.ReleaseBuffer(first);
  EXPECT_EQ(mixer.BufferCount(), 1);
  mixer.SetVolume(copy, 0);
  mixer.PlayFromStart(copy);
  out = Render(mixer, 1);
  EXPECT_EQ(out[0], 1);  // the shared samples outlive the buffer they came from
  EXPECT_EQ(mixer.CreateBuffer(nullptr), nullptr);
}

class ConstantSource : public cMixerSource {
 public:
  explicit ConstantSource(int32_t value) : value_(value) {}
  void MixInto(int32_t* acc, int frames) override {
    for (int i = 0; i < 2 * frames; ++i) acc[i] += value_;
  }

 private:
  int32_t value_;
};

TEST(MixerTest, MusicSourcesAddToTheSoundsUntilRemoved) {
  cMixer mixer;
  ConstantSource music(20000);
  mixer.AddSource(&music);
  mixer.AddSource(&music);  // once only
  cSoundBuffer* buffer = mixer.CreateBuffer(ConstantBlock(20000, 8));
  mixer.PlayFromStart(buffer);
  EXPECT_EQ(Render(mixer, 1), (std::vector<int16_t>{32767, 32767}));
  mixer.StopBuffer(buffer);
  EXPECT_EQ(Render(mixer, 1), (std::vector<int16_t>{20000, 20000}));
  mixer.RemoveSource(&music);
  EXPECT_EQ(Render(mixer, 1), (std::vector<int16_t>{0, 0}));
}

}  // namespace
