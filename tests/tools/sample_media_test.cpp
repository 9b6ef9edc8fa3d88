// The sample generator's file writers, checked against the formats' layouts
// byte by byte (not against a reader of our own).
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tools/sample/media/bmp_writer.h"
#include "tools/sample/media/midi_writer.h"
#include "tools/sample/media/wav_writer.h"

namespace {

uint32_t Le32(const std::vector<uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint32_t Le16(const std::vector<uint8_t>& b, std::size_t at) { return b[at] | b[at + 1] << 8; }
uint32_t Be32(const std::vector<uint8_t>& b, std::size_t at) {
  return static_cast<uint32_t>(b[at]) << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3];
}
std::string Tag(const std::vector<uint8_t>& b, std::size_t at, std::size_t n) {
  return std::string(b.begin() + static_cast<std::ptrdiff_t>(at), b.begin() + static_cast<std::ptrdiff_t>(at + n));
}

TEST(SampleBmpWriter, EightBitRowsAreBottomUpPaddedAndIndexTheColourTable) {
  // 3 x 2: rows of 3 bytes padded to 4.
  cIndexedImage image(3, 2);
  image.Set(0, 0, 7);  // top-left
  image.Set(2, 1, 9);  // bottom-right
  cPalette256 palette{};
  palette[7] = {10, 20, 30};
  const std::vector<uint8_t> bmp = EncodeBmp8(image, palette);
  ASSERT_EQ(bmp.size(), 14u + 40u + 1024u + 8u);
  EXPECT_EQ(Tag(bmp, 0, 2), "BM");
  EXPECT_EQ(Le32(bmp, 2), bmp.size());
  EXPECT_EQ(Le32(bmp, 10), 14u + 40u + 1024u);
  EXPECT_EQ(Le32(bmp, 18), 3u);
  EXPECT_EQ(Le32(bmp, 22), 2u);
  EXPECT_EQ(Le16(bmp, 28), 8u);
  EXPECT_EQ(Le32(bmp, 30), 0u);  // uncompressed
  EXPECT_EQ(Le32(bmp, 46), 256u);
  // Colour 7 as blue, green, red, 0.
  EXPECT_EQ(bmp[54 + 28], 30);
  EXPECT_EQ(bmp[54 + 29], 20);
  EXPECT_EQ(bmp[54 + 30], 10);
  const std::size_t pixels = 14 + 40 + 1024;
  // The bottom row comes first.
  EXPECT_EQ((std::vector<uint8_t>(bmp.begin() + pixels, bmp.end())),
            (std::vector<uint8_t>{0, 0, 9, 0, 7, 0, 0, 0}));
}

TEST(SampleBmpWriter, TwentyFourBitPixelsAreBlueGreenRedWithRowPadding) {
  cRgbImage image(1, 2);
  image.Set(0, 0, {1, 2, 3});
  image.Set(0, 1, {4, 5, 6});
  const std::vector<uint8_t> bmp = EncodeBmp24(image);
  ASSERT_EQ(bmp.size(), 54u + 8u);
  EXPECT_EQ(Le16(bmp, 28), 24u);
  EXPECT_EQ(Le32(bmp, 10), 54u);
  EXPECT_EQ(Le32(bmp, 34), 8u);  // image size
  EXPECT_EQ((std::vector<uint8_t>(bmp.begin() + 54, bmp.end())),
            (std::vector<uint8_t>{6, 5, 4, 0, 3, 2, 1, 0}));
}

TEST(SampleWavWriter, HeaderSizesAndSampleEncodingPerDepth) {
  const std::vector<int16_t> samples = {0, 32767, -32768};
  struct Case {
    int bits;
    std::vector<uint8_t> data;  // the data chunk's bytes, pad byte included
  };
  const Case cases[] = {
      {16, {0x00, 0x00, 0xFF, 0x7F, 0x00, 0x80}},
      // 8-bit PCM is unsigned around 128; 3 bytes get one pad byte.
      {8, {0x80, 0xFF, 0x00, 0x00}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bits);
    const std::vector<uint8_t> wav = EncodeWavMono(samples, 11025, c.bits);
    ASSERT_EQ(wav.size(), 44u + c.data.size());
    EXPECT_EQ(Tag(wav, 0, 4), "RIFF");
    EXPECT_EQ(Le32(wav, 4), wav.size() - 8);
    EXPECT_EQ(Tag(wav, 8, 8), "WAVEfmt ");
    EXPECT_EQ(Le32(wav, 16), 16u);
    EXPECT_EQ(Le16(wav, 20), 1u);  // PCM
    EXPECT_EQ(Le16(wav, 22), 1u);  // mono
    EXPECT_EQ(Le32(wav, 24), 11025u);
    EXPECT_EQ(Le32(wav, 28), 11025u * static_cast<uint32_t>(c.bits / 8));
    EXPECT_EQ(Le16(wav, 32), static_cast<uint32_t>(c.bits / 8));
    EXPECT_EQ(Le16(wav, 34), static_cast<uint32_t>(c.bits));
    EXPECT_EQ(Tag(wav, 36, 4), "data");
    EXPECT_EQ(Le32(wav, 40), 3u * static_cast<uint32_t>(c.bits / 8));  // the pad is not counted
    EXPECT_EQ((std::vector<uint8_t>(wav.begin() + 44, wav.end())), c.data);
  }
}

TEST(SampleMidiWriter, DeltaTimesUseVariableLengthQuantities) {
  const struct {
    uint32_t delta;
    std::vector<uint8_t> bytes;
  } cases[] = {{0, {0x00}}, {0x40, {0x40}}, {0x7F, {0x7F}}, {0x80, {0x81, 0x00}}, {0x3FFF, {0xFF, 0x7F}},
               {0x4000, {0x81, 0x80, 0x00}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.delta);
    cMidiTrack track;
    track.Program(c.delta, 0, 5);
    const std::vector<uint8_t> chunk = track.Encode();
    ASSERT_EQ(Tag(chunk, 0, 4), "MTrk");
    std::vector<uint8_t> expected = c.bytes;
    expected.insert(expected.end(), {0xC0, 0x05, 0x00, 0xFF, 0x2F, 0x00});
    EXPECT_EQ(Be32(chunk, 4), expected.size());
    EXPECT_EQ((std::vector<uint8_t>(chunk.begin() + 8, chunk.end())), expected);
  }
}

TEST(SampleMidiWriter, NoteOffComesBeforeANoteOnAtTheSameTickAndTheTrackLastsToItsEnd) {
  cMidiTrack track;
  track.Note(0, 10, 1, 60, 100);
  track.Note(10, 10, 1, 62, 90);
  const std::vector<uint8_t> chunk = track.Encode(40);
  const std::vector<uint8_t> expected = {0x00, 0x91, 60, 100, 0x0A, 0x81, 60, 0,    0x00, 0x91, 62, 90,
                                         0x0A, 0x81, 62, 0,   0x14, 0xFF, 0x2F, 0x00};
  EXPECT_EQ((std::vector<uint8_t>(chunk.begin() + 8, chunk.end())), expected);
}

TEST(SampleMidiWriter, FileHeaderAndFormatZeroTakesExactlyOneTrack) {
  cMidiTrack track;
  const std::vector<uint8_t> file = EncodeMidiFile(1, 96, {track, track});
  ASSERT_GE(file.size(), 14u);
  EXPECT_EQ(Tag(file, 0, 4), "MThd");
  EXPECT_EQ(Be32(file, 4), 6u);
  EXPECT_EQ((std::vector<uint8_t>(file.begin() + 8, file.begin() + 14)),
            (std::vector<uint8_t>{0, 1, 0, 2, 0, 96}));
  EXPECT_EQ(Tag(file, 14, 4), "MTrk");
  EXPECT_TRUE(EncodeMidiFile(0, 96, {track, track}).empty());
  EXPECT_TRUE(EncodeMidiFile(0, 96, {}).empty());
  EXPECT_FALSE(EncodeMidiFile(0, 96, {track}).empty());
}

}  // namespace
