#include "platform/sound/midi_sequencer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/sound/midi_fixtures.h"

namespace {

struct Heard {
  int64_t frame;
  std::string what;  // "on 3C", "off", "reset", "sysex 3"
  bool operator==(const Heard&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Heard& h) { return os << h.frame << " " << h.what; }

// Records what arrives, at absolute frames.
class RecordingSink : public cMidiSink {
 public:
  void ShortMessage(int offset, uint8_t status, uint8_t data1, uint8_t) override {
    char text[16];
    std::snprintf(text, sizeof text, "%02X %02X", status, data1);
    heard.push_back({blockStart + offset, text});
  }
  void SysEx(int offset, uint8_t, std::span<const uint8_t> data) override {
    heard.push_back({blockStart + offset, "sysex " + std::to_string(data.size())});
  }
  void AllNotesOff(int offset) override { heard.push_back({blockStart + offset, "off"}); }
  void Reset(int offset) override { heard.push_back({blockStart + offset, "reset"}); }

  int64_t blockStart = 0;
  std::vector<Heard> heard;
};

// Advances in blocks until frames have passed.
void Play(cMidiSequencer& seq, RecordingSink& sink, int64_t frames, int block = 512) {
  for (int64_t done = 0; done < frames; done += block) {
    const int now = static_cast<int>(std::min<int64_t>(block, frames - done));
    seq.Advance(now, sink);
    sink.blockStart += now;
  }
}

// The events after the reset and notes off a new image starts with.
std::vector<Heard> Played(const RecordingSink& sink) {
  return std::vector<Heard>(sink.heard.begin() + 2, sink.heard.end());
}

cMidiSequencer Playing(const Bytes& events, uint16_t division, int loop) {
  cMidiSequencer seq;
  seq.SetImage(ImageOf(division, events));
  seq.Restart(loop);
  return seq;
}

TEST(MidiSequencerTest, TicksBecomeFramesAtTheTempoOrTheSmpteRate) {
  struct Case {
    const char* name;
    uint16_t division;
    Bytes events;
    std::vector<Heard> expected;
  };
  const Case cases[] = {
      {"tick 480 of 480 at the default tempo", 480,
       {0x83, 0x60, 0x90, 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00},
       {{22050, "90 3C"}, {22050, "off"}}},
      {"tempo 250000 from tick 480", 480,
       {0x83, 0x60, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90, 0x83, 0x60, 0x90, 0x3E, 0x40, 0x00, 0xFF, 0x2F, 0x00},
       {{33075, "90 3E"}, {33075, "off"}}},
      {"a tempo meta of length 4 is no tempo", 480,
       {0x00, 0xFF, 0x51, 0x04, 0x03, 0xD0, 0x90, 0x00, 0x83, 0x60, 0x90, 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00},
       {{22050, "90 3C"}, {22050, "off"}}},
      {"SMPTE 25 frames of 40 ticks", static_cast<uint16_t>((0x100 - 25) << 8 | 40),
       {0x83, 0x74, 0x90, 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00},  // tick 500: half a second
       {{22050, "90 3C"}, {22050, "off"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cMidiSequencer seq = Playing(c.events, c.division, 0);
    RecordingSink sink;
    Play(seq, sink, 50000);
    EXPECT_EQ(Played(sink), c.expected);
    EXPECT_EQ(seq.m_nState, 0);
    EXPECT_EQ(seq.m_nPos, 22);
  }
}

// Notes at ticks 0, 480 and 960 (frames 0, 22050, 44100); the end at 1440.
const Bytes kThreeNotes = {0x00, 0x90, 0x3C, 0x40, 0x83, 0x60, 0x90, 0x3E, 0x40, 0x83, 0x60, 0x90, 0x40, 0x40,
                           0x83, 0x60, 0xFF, 0x2F, 0x00};

TEST(MidiSequencerTest, ANewSongStartsWithAResetAndLoopsWithoutAGap) {
  cMidiSequencer seq = Playing(kThreeNotes, 480, 1);
  RecordingSink sink;
  Play(seq, sink, 66150 + 22050 + 1);
  const std::vector<Heard> expected = {{0, "reset"},        {0, "off"},         {0, "90 3C"},
                                       {22050, "90 3E"},    {44100, "90 40"},   {66150, "off"},
                                       {66150, "90 3C"},    {88200, "90 3E"}};
  EXPECT_EQ(sink.heard, expected);
  EXPECT_EQ(seq.m_nState, 1);
}

TEST(MidiSequencerTest, PauseResumesAtTheSameEventAndStopRewinds) {
  cMidiSequencer seq = Playing(kThreeNotes, 480, 0);
  RecordingSink sink;
  Play(seq, sink, 30000, 100);
  const int32_t pos = seq.m_nPos;
  seq.Stop(1);
  EXPECT_EQ(seq.m_nState, 2);
  Play(seq, sink, 10000, 100);
  EXPECT_EQ(seq.m_nPos, pos);
  seq.Restart(0);
  Play(seq, sink, 20000, 100);
  // 14100 frames were left before the third note when the pause came.
  std::vector<Heard> expected = {{0, "90 3C"}, {22050, "90 3E"}, {30000, "off"}, {54100, "90 40"}};
  EXPECT_EQ(Played(sink), expected);

  seq.Stop(0);
  EXPECT_EQ(seq.m_nState, 0);
  EXPECT_EQ(seq.m_nPos, 22);
  seq.Stop(1);  // pausing a stopped song does nothing
  EXPECT_EQ(seq.m_nState, 0);
  seq.Restart(0);
  Play(seq, sink, 100, 100);
  expected.push_back({60000, "off"});
  expected.push_back({60000, "90 3C"});
  EXPECT_EQ(Played(sink), expected);
}

TEST(MidiSequencerTest, ALoopingSongOfLengthZeroRestartsOnceABlock) {
  cMidiSequencer seq = Playing({0x00, 0xFF, 0x2F, 0x00}, 480, 1);
  RecordingSink sink;
  Play(seq, sink, 512 * 3);
  EXPECT_EQ(Played(sink), (std::vector<Heard>{{0, "off"}, {512, "off"}, {1024, "off"}}));
  EXPECT_EQ(seq.m_nState, 1);
}

TEST(MidiSequencerTest, SysExIsSentUnlessLongerThanTheOldStreamBuffer) {
  Bytes events = {0x00, 0xF0, 0x03, 0x7E, 0x7F, 0xF7};
  // 23988 bytes of data: a length of 81 BB 34.
  events.insert(events.end(), {0x00, 0xF0, 0x81, 0xBB, 0x34});
  events.insert(events.end(), 23988, 0x01);
  events.insert(events.end(), {0x00, 0x90, 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00});
  cMidiSequencer seq = Playing(events, 480, 0);
  RecordingSink sink;
  Play(seq, sink, 512);
  EXPECT_EQ(Played(sink), (std::vector<Heard>{{0, "sysex 3"}, {0, "90 3C"}, {0, "off"}}));
}

TEST(MidiSequencerTest, WithoutAnImageNothingPlays) {
  cMidiSequencer seq;
  seq.Restart(1);
  EXPECT_EQ(seq.m_nState, 0);
  RecordingSink sink;
  Play(seq, sink, 1024);
  EXPECT_TRUE(sink.heard.empty());
}

}  // namespace
