#include "platform/sound/vox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/log/log_fixture.h"
#include "platform/sound/mixer.h"
#include "platform/sound/ogg_decoder.h"
#include "platform/sound/ogg_fixtures.h"

namespace {

class OggVoxTest : public LogFixture {
 protected:
  void SetUp() override {
    LogFixture::SetUp();
    vox_ = CreateVox(mixer_);
  }
  void TearDown() override {
    vox_->Delete();
    LogFixture::TearDown();
  }

  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    WriteFileBytes(dir_.path() / name, std::string(bytes.begin(), bytes.end()));
    return dir_.file(name);
  }
  std::vector<int16_t> Render(int frames) {
    std::vector<int16_t> out(2 * static_cast<std::size_t>(frames));
    for (int done = 0; done < frames; done += 512) {
      mixer_.Mix(out.data() + 2 * done, std::min(512, frames - done));
    }
    return out;
  }
  void Start(const std::string& path, int32_t loops, float volume = 1.0f) {
    vox_->Reset();
    ASSERT_EQ(vox_->Load(path.c_str()), 1);
    vox_->SetVolume(volume);
    vox_->SetLoop(loops);
    vox_->Play();
  }

  cMixer mixer_;
  IVox* vox_ = nullptr;
};

TEST_F(OggVoxTest, ASinePlaysAtItsLevelAndPitchAtEitherRate) {
  struct Case {
    int rate;
    int channels;
  };
  for (const Case c : {Case{44100, 1}, Case{22050, 1}, Case{44100, 2}}) {
    SCOPED_TRACE(testing::Message() << c.rate << " Hz, " << c.channels << " channels");
    Start(Write("sine.ogg", SineOgg(c.rate, c.channels, 441, 0.5, 1.0)), 0);
    const std::vector<int16_t> out = Render(22050);
    const std::vector<double> left = Channel(out, 0, 2048), right = Channel(out, 1, 2048);
    EXPECT_NEAR(Rms(left), 0.5 * 32767 / std::sqrt(2.0), 0.05 * 11585);
    EXPECT_NEAR(Rms(right), Rms(left), 1.0);  // mono feeds both sides at full level
    // 441 Hz: two crossings every 100 frames.
    EXPECT_NEAR(ZeroCrossings(left), 2.0 * (22050 - 2048) / 100, 4);
  }
}

TEST_F(OggVoxTest, HalfTheVolumeHalvesTheLevelAndResetRestoresIt) {
  const std::string path = Write("sine.ogg", SineOgg(44100, 1, 441, 0.5, 1.0));
  Start(path, 0);
  const double full = Rms(Channel(Render(8820), 0, 1000));
  Start(path, 0, 0.5f);
  const double half = Rms(Channel(Render(8820), 0, 1000));
  EXPECT_NEAR(half / full, 0.5, 0.01);
  Start(path, 0);  // Reset put the volume back to 1
  EXPECT_NEAR(Rms(Channel(Render(8820), 0, 1000)) / full, 1.0, 0.01);
}

// The largest level of each window of frames.
std::vector<double> WindowPeaks(const std::vector<double>& samples, std::size_t window) {
  std::vector<double> peaks;
  for (std::size_t at = 0; at + window <= samples.size(); at += window) {
    double peak = 0;
    for (std::size_t i = at; i < at + window; ++i) peak = std::max(peak, std::abs(samples[i]));
    peaks.push_back(peak);
  }
  return peaks;
}

TEST_F(OggVoxTest, LoopsWithoutAGapAndStopsWhenTheLoopsAreUsed) {
  // A quarter of a second at 22050 Hz: the loop point falls inside a mix block.
  const std::string path = Write("loop.ogg", SineOgg(22050, 1, 441, 0.5, 0.25));
  Start(path, kLoopForever);
  const std::vector<double> peaks = WindowPeaks(Channel(Render(44100), 0, 2048), 100);
  for (std::size_t i = 0; i < peaks.size(); ++i) ASSERT_GT(peaks[i], 0.3 * 16384) << "window " << i;
  EXPECT_TRUE(vox_->IsPlaying());

  // Once plus one more pass: about half a second, then silence for good.
  Start(path, 1);
  const std::vector<double> left = Channel(Render(44100), 0);
  std::size_t lastSound = 0;
  for (std::size_t i = 0; i < left.size(); ++i) {
    if (std::abs(left[i]) > 100) lastSound = i;
  }
  EXPECT_NEAR(static_cast<double>(lastSound), 22050, 600);
  EXPECT_FALSE(vox_->IsPlaying());

  Start(path, 0);
  Render(22050);
  EXPECT_FALSE(vox_->IsPlaying());
  vox_->Play();  // the file was let go at the end: nothing to play again
  EXPECT_FALSE(vox_->IsPlaying());
  EXPECT_EQ(Report(), "");
}

TEST_F(OggVoxTest, RefusesWhatItCannotPlay) {
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;  // empty: no file
    const char* line;            // nullptr: silent
  };
  std::vector<uint8_t> cut = SineOgg(44100, 1, 441, 0.5, 0.2);
  cut.resize(60);
  const Case cases[] = {
      {"missing", {}, nullptr},
      {"not Ogg", {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}, "Ogg Vorbisでない"},
      {"cut inside the headers", cut, "Ogg Vorbisでない"},
      {"three channels", SineOgg(44100, 3, 441, 0.5, 0.2), "チャンネル数が2を超えています"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(OpenReportLog(reportPath().c_str()), 1);
    const std::string path = c.bytes.empty() ? dir_.file("none.ogg") : Write("bad.ogg", c.bytes);
    vox_->Reset();
    EXPECT_EQ(vox_->Load(path.c_str()), 0);
    vox_->Play();
    EXPECT_FALSE(vox_->IsPlaying());
    if (c.line == nullptr) {
      EXPECT_EQ(Report(), "");
    } else {
      EXPECT_EQ(Report(), "Ogg " + path + " Load " + c.line + "\r\n");
    }
  }
}

// An empty image has no data pointer; the read callback must not hand it on.
TEST(OggDecoderTest, AnEmptyImageIsNotVorbis) {
  eOggOpen why = eOggOpen::Ok;
  EXPECT_EQ(cOggDecoder::Open({}, why), nullptr);
  EXPECT_EQ(why, eOggOpen::NotVorbis);
}

}  // namespace
