// The input log: run-length coding of the two input streams, playback, and the
// record with its four lists.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "records/replay/input_log.h"
#include "support/record_fixtures.h"

namespace {

using Frames = std::vector<INPUTWORDS>;

cInputLog LogOf(const Frames& frames) {
  cInputLog log;
  for (const INPUTWORDS& frame : frames) log.Append(frame);
  return log;
}

// Plays the whole log back; stops at the first 1 (or a bound, for a broken log).
Frames PlayAll(cInputLog& log) {
  Frames played;
  INPUTWORDS out;
  while (played.size() < 1000 && log.Playback(out) == 0) played.push_back(out);
  return played;
}

struct Streams {
  std::vector<int16_t> dirWords;
  std::vector<int32_t> dirRuns;
  std::vector<int16_t> buttonWords;
  std::vector<int32_t> buttonRuns;
};

Streams StreamsOf(const cInputLog& log) {
  return {{log.m_DirWords.begin(), log.m_DirWords.end()},
          {log.m_DirRuns.begin(), log.m_DirRuns.end()},
          {log.m_ButtonWords.begin(), log.m_ButtonWords.end()},
          {log.m_ButtonRuns.begin(), log.m_ButtonRuns.end()}};
}

void ExpectStreams(const cInputLog& log, const Streams& want) {
  const Streams got = StreamsOf(log);
  EXPECT_EQ(got.dirWords, want.dirWords);
  EXPECT_EQ(got.dirRuns, want.dirRuns);
  EXPECT_EQ(got.buttonWords, want.buttonWords);
  EXPECT_EQ(got.buttonRuns, want.buttonRuns);
}

// The record and lists of a log, written by hand from the format.
cRecordBytes& LogBytes(cRecordBytes& b, int32_t seed, const Streams& s) {
  b.Int32(1).Int32(seed).Int32(0);
  b.Int32(static_cast<int32_t>(s.dirWords.size()));
  for (int16_t w : s.dirWords) b.Int16(w);
  b.Int32(static_cast<int32_t>(s.buttonWords.size()));
  for (int16_t w : s.buttonWords) b.Int16(w);
  b.Int32(static_cast<int32_t>(s.dirRuns.size()));
  for (int32_t r : s.dirRuns) b.Int32(r);
  b.Int32(static_cast<int32_t>(s.buttonRuns.size()));
  for (int32_t r : s.buttonRuns) b.Int32(r);
  return b;
}

std::string LogFile(int32_t seed, const Streams& s) {
  cRecordBytes b;
  b.Int32(836);
  return LogBytes(b, seed, s).Bytes();
}

}  // namespace

TEST(InputLogTest, AppendCodesEachStreamAndPlaybackGivesTheFramesBack) {
  struct Case {
    const char* what;
    Frames frames;
    Streams want;
  } cases[] = {
      {"nothing recorded", {}, {}},
      {"the streams change at different frames",
       {{0, 0}, {0, 0}, {2, 0}, {2, 1}},
       {{0, 2}, {2, 2}, {0, 1}, {3, 1}}},
      {"one frame held", {{5, 0}, {5, 0}, {5, 0}}, {{5}, {3}, {0}, {3}}},
      {"a word comes back after another", {{1, 4}, {2, 4}, {1, 4}}, {{1, 2, 1}, {1, 1, 1}, {4}, {3}}},
      {"high bits survive the int16 streams",
       {{0x8001, 0xFFFF}, {0x8001, 0x8000}},
       {{-32767}, {2}, {-1, -32768}, {1, 1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    cInputLog log = LogOf(c.frames);
    ExpectStreams(log, c.want);
    EXPECT_EQ(PlayAll(log), c.frames);
  }
}

TEST(InputLogTest, PlaybackAtTheEndLeavesTheOutputAlone) {
  cInputLog log = LogOf({{5, 0}, {5, 0}, {5, 0}});
  ASSERT_EQ(PlayAll(log).size(), 3u);
  INPUTWORDS out{7, 9};
  EXPECT_EQ(log.Playback(out), 1);
  EXPECT_EQ(out, (INPUTWORDS{7, 9}));
  EXPECT_EQ(log.Playback(out), 1);

  // Rewinding plays the same frames again.
  log.RewindPlayback();
  EXPECT_EQ(PlayAll(log), (Frames{{5, 0}, {5, 0}, {5, 0}}));
}

TEST(InputLogTest, PlaybackEndsWithTheShorterStream) {
  cInputLog log;
  log.m_DirWords = {1, 2};
  log.m_DirRuns = {2, 3};
  log.m_ButtonWords = {8};
  log.m_ButtonRuns = {3};
  EXPECT_EQ(PlayAll(log), (Frames{{1, 8}, {1, 8}, {2, 8}}));

  // A log put together out of step (runs shorter than words) ends instead of
  // reading past its runs.
  cInputLog broken;
  broken.m_DirWords = {1, 2};
  broken.m_DirRuns = {1};
  broken.m_ButtonWords = {0, 1};
  broken.m_ButtonRuns = {1, 1};
  EXPECT_EQ(PlayAll(broken), (Frames{{1, 0}}));
}

TEST(InputLogTest, ARunAtTheInt32LimitContinuesInANewEntry) {
  cInputLog log;
  log.m_DirWords = {3};
  log.m_DirRuns = {std::numeric_limits<int32_t>::max()};
  log.m_ButtonWords = {0};
  log.m_ButtonRuns = {1};
  log.Append({3, 0});
  ExpectStreams(log, {{3, 3}, {std::numeric_limits<int32_t>::max(), 1}, {0}, {2}});
}

TEST(InputLogTest, ClearEmptiesTheStreamsAndThePlayback) {
  cInputLog log = LogOf({{1, 1}, {2, 2}});
  log.m_nSeed = 99;
  INPUTWORDS out;
  log.Playback(out);
  log.Clear();
  ExpectStreams(log, {});
  EXPECT_EQ(log.m_nSeed, 0);
  EXPECT_EQ(log.m_nDirPos + log.m_nDirCount + log.m_nButtonPos + log.m_nButtonCount, 0);
  EXPECT_EQ(log.Playback(out), 1);
}

TEST(InputLogTest, RecordLayoutAndRoundTrip) {
  cInputLog log = LogOf({{0, 0}, {0, 0}, {2, 0}, {2, 1}});
  log.m_nSeed = 123456;
  const Streams streams = StreamsOf(log);
  const std::string image = RecordImageAt(log);
  EXPECT_EQ(image, LogFile(123456, streams));

  cInputLog loaded;
  ASSERT_EQ(LoadRecordImage(loaded, ToImage(image)), eRecordFile::Ok);
  ExpectStreams(loaded, streams);
  EXPECT_EQ(loaded.m_nSeed, 123456);
  EXPECT_EQ(PlayAll(loaded), (Frames{{0, 0}, {0, 0}, {2, 0}, {2, 1}}));
}

TEST(InputLogTest, BrokenStreamsAreRefusedAndTheLogKept) {
  const Streams good{{0, 2}, {2, 2}, {0, 1}, {3, 1}};
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"more direction words than runs", LogFile(1, {{0, 2, 4}, {2, 2}, {0, 1}, {3, 1}})},
      {"fewer button words than runs", LogFile(1, {{0, 2}, {2, 2}, {0}, {3, 1}})},
      {"a run of 0", LogFile(1, {{0, 2}, {2, 0}, {0, 1}, {3, 1}})},
      {"a negative run", LogFile(1, {{0, 2}, {2, 2}, {0, 1}, {3, -1}})},
      {"cut in the last list", LogFile(1, good).substr(0, LogFile(1, good).size() - 2)},
      {"a count past the end",
       cRecordBytes().Int32(836).Int32(1).Int32(1).Int32(0).Int32(1000000).Int16(0).Bytes()},
      {"a negative count", cRecordBytes().Int32(836).Int32(1).Int32(1).Int32(0).Int32(-1).Bytes()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    cInputLog log = LogOf({{7, 7}});
    log.m_nSeed = 5;
    EXPECT_EQ(LoadRecordImage(log, ToImage(c.bytes)), eRecordFile::Damaged);
    ExpectStreams(log, {{7}, {1}, {7}, {1}});
    EXPECT_EQ(log.m_nSeed, 5);
  }
}
