#include "platform/sound/wave_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/log/log_fixture.h"
#include "platform/sound/wave_fixtures.h"

namespace {

enum class WaveLine { None, NotRiff, Unsupported, NotPcm };

const char* LineText(WaveLine line) {
  switch (line) {
    case WaveLine::NotRiff: return "不正なファイルです。";
    case WaveLine::Unsupported: return "対応していない形式か、不正なwavファイルです。";
    case WaveLine::NotPcm: return "PCM形式以外の形式です。";
    case WaveLine::None: break;
  }
  return "";
}

struct WaveCase {
  const char* name;
  std::vector<uint8_t> image;
  bool loads;
  WaveLine line;
  uint32_t size;  // bytes of samples when it loads
};

WaveShape Shape16(std::size_t frames = 8) {
  WaveShape shape;
  shape.data = ConstantPcm16(1000, frames);
  return shape;
}

std::vector<uint8_t> Build(WaveShape shape, void (*change)(WaveShape&)) {
  change(shape);
  return BuildWave(shape);
}

std::vector<WaveCase> WaveCases() {
  std::vector<WaveCase> cases;
  auto add = [&](const char* name, void (*change)(WaveShape&), bool loads, WaveLine line, uint32_t size) {
    cases.push_back({name, Build(Shape16(), change), loads, line, size});
  };
  add("fmt of 16 bytes", [](WaveShape&) {}, true, WaveLine::None, 16);
  add("fmt of 18 bytes", [](WaveShape& s) { s.fmtSize = 18; }, true, WaveLine::None, 16);
  add("fmt of 20 bytes", [](WaveShape& s) { s.fmtSize = 20; }, false, WaveLine::Unsupported, 0);
  add("fmt of 14 bytes reads bits as 0", [](WaveShape& s) { s.fmtSize = 14; }, false, WaveLine::Unsupported, 0);
  add("float samples (tag 3)", [](WaveShape& s) { s.tag = 3; }, false, WaveLine::NotPcm, 0);
  add("no fmt chunk", [](WaveShape& s) { s.withFmt = false; }, false, WaveLine::None, 0);
  add("no data chunk", [](WaveShape& s) { s.withData = false; }, false, WaveLine::None, 0);
  add("data of size 0", [](WaveShape& s) { s.data.clear(); }, false, WaveLine::None, 0);
  add("data of half a frame", [](WaveShape& s) { s.data = {1}; }, false, WaveLine::None, 0);
  add("LIST chunk of odd size before data",
      [](WaveShape& s) { s.beforeData = WaveChunkBytes("LIST", "INFOabc"); }, true, WaveLine::None, 16);
  add("8-bit mono", [](WaveShape& s) { s.bits = 8; }, true, WaveLine::None, 16);
  add("16-bit stereo", [](WaveShape& s) { s.channels = 2; }, true, WaveLine::None, 16);
  add("8-bit stereo", [](WaveShape& s) { s.channels = 2, s.bits = 8; }, true, WaveLine::None, 16);
  add("3 channels", [](WaveShape& s) { s.channels = 3; }, false, WaveLine::Unsupported, 0);
  add("0 channels", [](WaveShape& s) { s.channels = 0, s.blockAlign = 2; }, false, WaveLine::Unsupported, 0);
  add("12 bits", [](WaveShape& s) { s.bits = 12, s.blockAlign = 2; }, false, WaveLine::Unsupported, 0);
  add("24 bits", [](WaveShape& s) { s.bits = 24; }, false, WaveLine::Unsupported, 0);
  add("rate 99", [](WaveShape& s) { s.rate = 99; }, false, WaveLine::Unsupported, 0);
  add("rate 100", [](WaveShape& s) { s.rate = 100; }, true, WaveLine::None, 16);
  add("rate 200000", [](WaveShape& s) { s.rate = 200000; }, true, WaveLine::None, 16);
  add("rate 200001", [](WaveShape& s) { s.rate = 200001; }, false, WaveLine::Unsupported, 0);
  add("block align 4 for 16-bit mono", [](WaveShape& s) { s.blockAlign = 4; }, false, WaveLine::Unsupported, 0);
  add("data size past the end plays what exists",
      [](WaveShape& s) { s.statedDataSize = 1000; }, true, WaveLine::None, 16);
  add("stated size near 4 GB", [](WaveShape& s) { s.statedDataSize = 0xFFFFFFF0; }, true, WaveLine::None, 16);
  add("odd byte after the last frame is left out",
      [](WaveShape& s) { s.data.push_back(7); s.statedDataSize = 17; }, true, WaveLine::None, 16);

  std::vector<uint8_t> riff = BuildWave(Shape16());
  riff[3] = 'X';
  cases.push_back({"RIFX instead of RIFF", riff, false, WaveLine::NotRiff, 0});
  std::vector<uint8_t> avi = BuildWave(Shape16());
  avi[8] = 'A', avi[9] = 'V', avi[10] = 'I', avi[11] = ' ';
  cases.push_back({"form AVI", avi, false, WaveLine::NotRiff, 0});
  cases.push_back({"eight bytes", {'R', 'I', 'F', 'F', 4, 0, 0, 0}, false, WaveLine::NotRiff, 0});
  // The "fmt " header promises 16 bytes the file no longer holds.
  std::vector<uint8_t> cut = BuildWave(Shape16());
  cut.resize(12 + 8 + 10);
  cases.push_back({"fmt chunk cut by the end of the file", cut, false, WaveLine::Unsupported, 0});
  return cases;
}

class WaveReaderTest : public LogFixture {};

TEST_F(WaveReaderTest, AcceptsPlayablePcmAndRefusesTheRestWithItsLine) {
  for (const WaveCase& c : WaveCases()) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(OpenReportLog(reportPath().c_str()), 1);
    WAVEDATA wave;
    ASSERT_EQ(ParseWaveImage(c.image, "se\\test.wav", &wave), c.loads);
    const std::string report = Report();
    if (c.line == WaveLine::None) {
      EXPECT_EQ(report, "");
    } else {
      EXPECT_EQ(report.find("se\\test.wav の読み込みに失敗しました…"), 0u) << report;
      EXPECT_NE(report.find(LineText(c.line)), std::string::npos) << report;
    }
    if (c.loads) {
      EXPECT_EQ(wave.dwSize, c.size);
      EXPECT_EQ(wave.lpData.size(), c.size);
    } else {
      EXPECT_TRUE(wave.lpData.empty());
    }
  }
}

TEST_F(WaveReaderTest, KeepsTheFormatFieldsAndSamplesOfTheFile) {
  WaveShape shape;
  shape.channels = 2;
  shape.rate = 22050;
  shape.fmtSize = 18;
  shape.data = Pcm16({100, -100, 200, -200});
  WAVEDATA wave;
  ASSERT_TRUE(ParseWaveImage(BuildWave(shape), "x.wav", &wave));
  EXPECT_EQ(wave.wfx.wFormatTag, 1);
  EXPECT_EQ(wave.wfx.nChannels, 2);
  EXPECT_EQ(wave.wfx.nSamplesPerSec, 22050u);
  EXPECT_EQ(wave.wfx.nBlockAlign, 4);
  EXPECT_EQ(wave.wfx.wBitsPerSample, 16);
  EXPECT_EQ(wave.lpData, shape.data);
  DSFreeWaveData(&wave);
  EXPECT_EQ(wave.dwSize, 0u);
  EXPECT_TRUE(wave.lpData.empty());
}

TEST_F(WaveReaderTest, ReadsFilesByDataPathAndMissingOnesSilently) {
  const std::vector<uint8_t> bytes = BuildWave(Shape16(4));
  WriteFileBytes(dir_.path() / "Jump.WAV", std::string(bytes.begin(), bytes.end()));
  WAVEDATA wave;
  const std::string folder = dir_.path().string();
  EXPECT_TRUE(DSReadWaveFile((folder + "\\jump.wav").c_str(), &wave));
  EXPECT_EQ(wave.dwSize, 8u);
  EXPECT_FALSE(DSReadWaveFile((folder + "\\missing.wav").c_str(), &wave));
  EXPECT_EQ(Report(), "");
}

}  // namespace
