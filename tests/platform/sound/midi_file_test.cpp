#include "platform/sound/midi_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/log/log_fixture.h"
#include "platform/sound/midi_fixtures.h"

namespace {

TEST(MidiVarLenTest, ReadsAndWritesUpToFourBytes) {
  struct ReadCase {
    Bytes bytes;
    uint32_t value;
    int count;
  };
  const ReadCase reads[] = {
      {{0x00}, 0, 1},
      {{0x7F}, 0x7F, 1},
      {{0x81, 0x00}, 0x80, 2},
      {{0x81, 0x80, 0x80, 0x00}, 0x200000, 4},
      {{0xFF, 0xFF, 0xFF, 0x7F}, 0x0FFFFFFF, 4},
      {{0x80, 0x80, 0x80, 0x80}, 0, 0},
      {{0x81, 0x80}, 0, 0},  // the file ends inside the quantity
      {{}, 0, 0},
  };
  for (const ReadCase& c : reads) {
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    uint32_t value = 0;
    EXPECT_EQ(cMidiFile::ReadVarLen(c.bytes, value), c.count);
    if (c.count > 0) EXPECT_EQ(value, c.value);
  }
  struct WriteCase {
    uint32_t value;
    Bytes bytes;
  };
  const WriteCase writes[] = {
      {0, {0x00}}, {0x3FFF, {0xFF, 0x7F}}, {0x80, {0x81, 0x00}},
      {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}}, {0x10000000, {}},
  };
  for (const WriteCase& c : writes) {
    SCOPED_TRACE(c.value);
    Bytes out = {0xAA};
    EXPECT_EQ(cMidiFile::WriteVarLen(c.value, out), static_cast<int>(c.bytes.size()));
    Bytes expected = {0xAA};
    expected.insert(expected.end(), c.bytes.begin(), c.bytes.end());
    EXPECT_EQ(out, expected);
  }
}

class MidiFileTest : public LogFixture {
 protected:
  Bytes Convert(const Bytes& file) {
    cMidiFile midi;
    midi.m_strName = "bgm\\song.mid";
    return midi.Convert(file);
  }
};

const Bytes kEnd = {0x00, 0xFF, 0x2F, 0x00};

TEST_F(MidiFileTest, RefusesWhatItCannotReadWithItsLine) {
  const Bytes note = {0x00, 0x90, 0x3C, 0x40};
  const Bytes good = Cat({note, kEnd});
  Bytes longHeader = Smf(0, 480, {good});
  longHeader[7] = 7;
  Bytes noTrackTag = Smf(0, 480, {good});
  noTrackTag[14] = 'X';
  struct Case {
    const char* name;
    Bytes file;
    const char* line;
  };
  const Case cases[] = {
      {"not MThd", Cat({{'R', 'I', 'F', 'F'}, Smf(0, 480, {good})}), "標準MIDIでない(4)"},
      {"three bytes", {'M', 'T', 'h'}, "標準MIDIでない(4)"},
      {"header length 7", longHeader, "標準MIDIでない(6)"},
      {"header cut short", {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0}, "標準MIDIでない(6)"},
      {"format 2", Smf(2, 480, {good}), "対応フォーマットが2でない"},
      {"format 3", Smf(3, 480, {good}), "対応フォーマットが0または1でない"},
      {"no MTrk at 14", noTrackTag, "標準MIDIでない(4)"},
      {"track count 0", Cat({SmfHeader(1, 0, 480), SmfChunk("MTrk", good)}), "標準MIDIでない(4)"},
      {"division 0", Smf(0, 0, {good}), "標準MIDIでない(4)"},
      {"more tracks stated than present", Cat({SmfHeader(1, 2, 480), SmfChunk("MTrk", good)}),
       "標準MIDIでない(4)"},
      {"track without its end", Smf(0, 480, {note}), "標準MIDIでない(4)"},
      {"sysex longer than the file", Smf(0, 480, {Cat({{0x00, 0xF0, 0x8F, 0x7F, 0x01}, kEnd})}),
       "標準MIDIでない(4)"},
      {"meta longer than the file", Smf(0, 480, {Cat({{0x00, 0xFF, 0x01, 0x40, 'a'}, kEnd})}),
       "標準MIDIでない(4)"},
      {"note cut by the end", Smf(0, 480, {{0x00, 0x90, 0x3C}}), "標準MIDIでない(4)"},
      {"delta of five bytes", Smf(0, 480, {Cat({{0x81, 0x81, 0x81, 0x81, 0x01, 0x90, 0x3C, 0x40}, kEnd})}),
       "標準MIDIでない(4)"},
      {"data before any status", Smf(0, 480, {Cat({{0x00, 0x3C, 0x40}, kEnd})}), "標準MIDIでない(4)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(OpenReportLog(reportPath().c_str()), 1);
    EXPECT_TRUE(Convert(c.file).empty());
    EXPECT_EQ(Report(), std::string("Midi bgm\\song.mid Init ") + c.line + "\r\n");
  }
}

TEST_F(MidiFileTest, MergesTracksByTimeThenTrackAndEndsOnceAtTheLatestEnd) {
  const Bytes track0 = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,  // tempo at 0
                        0x60, 0xFF, 0x2F, 0x00};                    // ends at 96
  const Bytes track1 = {0x10, 0x90, 0x3C, 0x40,  // 16: on
                        0x10, 0x80, 0x3C, 0x00,  // 32: off
                        0x00, 0xFF, 0x2F, 0x00};
  const Bytes track2 = {0x10, 0x91, 0x40, 0x40,              // 16: on
                        0x00, 0xF0, 0x02, 0x7E, 0xF7,        // 16: sysex
                        0x81, 0x00, 0xFF, 0x2F, 0x00};       // ends at 144
  const Bytes image = Convert(Smf(1, 96, {track0, track1, track2}));
  const Bytes events = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,  // 0
                        0x10, 0x90, 0x3C, 0x40,                    // 16, track 1 first
                        0x00, 0x91, 0x40, 0x40,                    // 16, track 2
                        0x00, 0xF0, 0x02, 0x7E, 0xF7,              // 16, track 2 in its order
                        0x10, 0x80, 0x3C, 0x00,                    // 32
                        0x70, 0xFF, 0x2F, 0x00};                   // 144, once
  EXPECT_EQ(image, ImageOf(96, events));
  EXPECT_EQ(Report(), "");
}

TEST_F(MidiFileTest, WritesAnExplicitStatusOnEveryEvent) {
  const Bytes track = {0x00, 0x90, 0x3C, 0x40,  // on
                       0x10, 0x3E, 0x40,        // running status: on
                       0x10, 0xC0, 0x05,        // program (one data byte)
                       0x00, 0x07,              // running program
                       0x00, 0xFF, 0x2F, 0x00};
  const Bytes events = {0x00, 0x90, 0x3C, 0x40, 0x10, 0x90, 0x3E, 0x40, 0x10, 0xC0, 0x05,
                        0x00, 0xC0, 0x07, 0x00, 0xFF, 0x2F, 0x00};
  EXPECT_EQ(Convert(Smf(0, 480, {track})), ImageOf(480, events));
}

TEST_F(MidiFileTest, KeepsOddMetasAndPassesOverOtherChunks) {
  // A tempo meta of length 4 is copied as it stands; the note after it is read.
  const Bytes track0 = {0x00, 0xFF, 0x51, 0x04, 0x07, 0xA1, 0x20, 0x00, 0x00, 0x90, 0x3C, 0x40,
                        0x00, 0xFF, 0x2F, 0x00};
  const Bytes track1 = {0x05, 0x91, 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00};
  // A track chunk longer than its events, then a chunk of another kind.
  Bytes padded = track0;
  padded.insert(padded.end(), {0, 0, 0});
  const Bytes file = Cat({SmfHeader(1, 2, 480), SmfChunk("MTrk", padded), SmfChunk("XFIH", {1, 2, 3}),
                          SmfChunk("MTrk", track1)});
  const Bytes events = {0x00, 0xFF, 0x51, 0x04, 0x07, 0xA1, 0x20, 0x00, 0x00, 0x90, 0x3C, 0x40,
                        0x05, 0x91, 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00};
  EXPECT_EQ(Convert(file), ImageOf(480, events));
  EXPECT_EQ(Report(), "");
}

TEST_F(MidiFileTest, TimesPastThirtyTwoBitsKeepTheirOrder) {
  // Seventeen deltas of 0x0FFFFFFF pass 2^32 ticks; track 1's last note comes one
  // tick before track 0's.
  const Bytes longest = {0xFF, 0xFF, 0xFF, 0x7F};
  const Bytes oneLess = {0xFF, 0xFF, 0xFF, 0x7E};
  Bytes track0, track1;
  for (int k = 1; k <= 17; ++k) {
    track0 = Cat({track0, longest, {0x90, 0x3C, 0x40}});
    track1 = Cat({track1, k < 17 ? longest : oneLess, {0x91, 0x3C, 0x40}});
  }
  track0 = Cat({track0, kEnd});
  track1 = Cat({track1, kEnd});
  Bytes events;
  for (int k = 1; k <= 16; ++k) events = Cat({events, longest, {0x90, 0x3C, 0x40, 0x00, 0x91, 0x3C, 0x40}});
  events = Cat({events, oneLess, {0x91, 0x3C, 0x40, 0x01, 0x90, 0x3C, 0x40}, kEnd});
  EXPECT_EQ(Convert(Smf(1, 480, {track0, track1})), ImageOf(480, events));
}

TEST_F(MidiFileTest, AcceptsThreeHundredTracks) {
  std::vector<Bytes> tracks;
  for (int t = 0; t < 300; ++t) {
    tracks.push_back({static_cast<uint8_t>(t % 100), static_cast<uint8_t>(0x90 | (t % 16)), 0x3C, 0x40, 0x00,
                      0xFF, 0x2F, 0x00});
  }
  const Bytes image = Convert(Smf(1, 480, tracks));
  ASSERT_FALSE(image.empty());
  // 300 notes of 4 bytes and the end; the last note is at 99, as is the end.
  EXPECT_EQ(image.size(), kMidiImageHeader + 300 * 4 + 4);
  EXPECT_EQ(Bytes(image.end() - 4, image.end()), (Bytes{0x00, 0xFF, 0x2F, 0x00}));
  // Time 0 holds tracks 0, 100, 200 in that order.
  EXPECT_EQ(image[23], 0x90);
  EXPECT_EQ(image[27], 0x94);  // track 100: channel 100 % 16
  EXPECT_EQ(image[31], 0x98);  // track 200
}

TEST_F(MidiFileTest, LoadReadsByDataPathAndLogsAMissingFile) {
  const Bytes file = Smf(0, 480, {Cat({{0x00, 0x90, 0x3C, 0x40}, kEnd})});
  WriteFileBytes(dir_.path() / "Song.MID", std::string(file.begin(), file.end()));
  cMidiFile midi;
  midi.Load((dir_.path().string() + "\\song.mid").c_str());
  EXPECT_FALSE(midi.m_lpImage.empty());
  const std::string missing = dir_.file("none.mid");
  midi.Load(missing.c_str());
  EXPECT_TRUE(midi.m_lpImage.empty());
  EXPECT_EQ(midi.m_strName, missing);
  EXPECT_EQ(Report(), "Midi " + missing + " Create ファイルが開けません\r\n");
}

}  // namespace
