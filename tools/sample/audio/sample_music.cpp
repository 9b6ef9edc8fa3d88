#include "tools/sample/audio/sample_music.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>
#include <string>

#include "tools/sample/media/midi_writer.h"
#include "tools/sample/media/ogg_writer.h"

namespace {

constexpr uint16_t kTicksPerQuarter = 96;
constexpr uint32_t kStep = kTicksPerQuarter / 2;  // the tunes are written in eighth notes
constexpr uint8_t kMelodyChannel = 0;
constexpr uint8_t kBassChannel = 1;
constexpr uint8_t kDrumChannel = 9;

// A tune in eighth-note steps: a note name with its octave ("C5", "F#4",
// "Bb3"), "-" holding the note before one step longer, "." a rest; "|" only
// separates bars for the reader.
struct Song {
  eSong id;
  uint32_t bpm;
  uint8_t melodyProgram;  // General MIDI program
  uint8_t bassProgram;
  const char* melody;
  const char* bass;
  const char* drums;  // per step: k kick, s snare, h hat, . nothing
  int format;
};

const Song kSongTable[] = {
    {eSong::Title, 120, 80, 38,
     "E5 . G5 . C6 - B5 A5 | G5 - E5 . C5 . D5 E5 | F5 . A5 . D6 - C6 B5 | C6 - - - G5 . . . |"
     "E5 . G5 . C6 - B5 A5 | G5 - E5 . C5 . E5 G5 | F5 . D5 . B4 - D5 . | C5 - - - . . . .",
     "C3 - C3 - C3 - C3 - | C3 - C3 - G2 - G2 - | F2 - F2 - F2 - F2 - | G2 - G2 - G2 - G2 - |"
     "C3 - C3 - C3 - C3 - | C3 - C3 - A2 - A2 - | F2 - F2 - G2 - G2 - | C3 - C3 - C3 - . .",
     "k.h.s.h.k.h.s.h.k.h.s.h.k.h.s.hhk.h.s.h.k.h.s.h.k.h.s.h.k.k.s.s.", 1},
    {eSong::WorldMap, 100, 74, 33,
     "F4 . A4 . C5 . A4 . | G4 . Bb4 . D5 . C5 . | A4 . C5 . F5 - E5 D5 | C5 - - - . . . . |"
     "D5 . C5 . Bb4 . A4 . | G4 . A4 . Bb4 . G4 . | A4 . G4 . F4 . E4 . | F4 - - - . . . .",
     "F2 - - - C3 - - - | G2 - - - C3 - - - | F2 - - - A2 - - - | C3 - - - C3 - - - |"
     "Bb2 - - - F2 - - - | G2 - - - C3 - - - | F2 - - - C3 - - - | F2 - - - . . . .",
     "k...h...s...h...k...h...s...h...k...h...s...h...k...h...s.s.h...", 0},
    {eSong::Stage, 140, 80, 38,
     "G4 B4 D5 B4 G4 . D5 . | E5 D5 C5 B4 A4 . . . | F#4 A4 C5 A4 F#4 . D5 . | G4 . B4 . G4 . . . |"
     "B4 D5 G5 D5 B4 . G5 . | A5 G5 F#5 E5 D5 . . . | C5 E5 A5 E5 D5 F#5 A5 F#5 | G5 - D5 - G4 . . .",
     "G2 . G2 . D3 . D3 . | C3 . C3 . A2 . A2 . | D3 . D3 . D3 . D3 . | G2 . G2 . G2 . . . |"
     "G2 . G2 . B2 . B2 . | C3 . C3 . D3 . D3 . | A2 . A2 . D3 . D3 . | G2 . D3 . G2 . . .",
     "k.h.s.h.k.k.s.h.k.h.s.h.k.k.s.s.k.h.s.h.k.k.s.h.k.h.s.h.k.s.k.s.", 0},
    {eSong::Challenge, 150, 81, 39,
     "A4 . C5 E5 A5 . G5 E5 | F5 . E5 D5 E5 . . . | D5 . F5 A5 D6 . C6 A5 | B5 . G#5 . A5 . . .",
     "A2 A2 A2 A2 A2 A2 A2 A2 | F2 F2 F2 F2 E2 E2 E2 E2 | D2 D2 D2 D2 D2 D2 D2 D2 | E2 E2 E2 E2 A2 A2 A2 A2",
     "k.hhs.hhk.hhs.hhk.hhs.hhk.hhs.s.", 0},
    {eSong::Option, 90, 0, 32,
     "C5 . . E5 D5 . . C5 | A4 . . . G4 . . . | F4 . A4 . C5 . F5 . | E5 - - - . . . .",
     "C3 - - - - - - - | F2 - - - - - - - | F2 - - - A2 - - - | C3 - - - - - - -",
     "k.......h.......k.......h.......", 0},
};

const Song* FindSong(eSong id) {
  for (const Song& song : kSongTable) {
    if (song.id == id) return &song;
  }
  return nullptr;
}

// The MIDI key of a note name; -1 for anything else.
int32_t KeyOf(const std::string& token) {
  static const int32_t kSemitones[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (token.size() < 2 || token[0] < 'A' || token[0] > 'G') return -1;
  int32_t key = kSemitones[token[0] - 'A'];
  std::size_t i = 1;
  if (token[i] == '#') ++key, ++i;
  else if (token[i] == 'b') --key, ++i;
  if (i >= token.size() || token[i] < '0' || token[i] > '9') return -1;
  return key + 12 * (token[i] - '0' + 1);
}

// Calls note(start, end, key) for every note of a part, in ticks; returns the
// part's length in ticks.
template <class NoteFn>
uint32_t ForEachNote(const char* part, NoteFn note) {
  std::istringstream in(part);
  std::string token;
  uint32_t tick = 0;
  int32_t key = -1;
  uint32_t start = 0;
  const auto flush = [&] {
    if (key >= 0) note(start, tick, key);
    key = -1;
  };
  while (in >> token) {
    if (token == "|") continue;
    if (token == "-") {
      tick += kStep;
      continue;
    }
    flush();
    key = KeyOf(token);
    start = tick;
    tick += kStep;
  }
  flush();
  return tick;
}

// Adds the notes of a part to track; returns the part's length in ticks.
uint32_t AddPart(cMidiTrack& track, const char* part, uint8_t channel, uint8_t velocity) {
  return ForEachNote(part, [&](uint32_t start, uint32_t end, int32_t key) {
    track.Note(start, end - start - 4, channel, static_cast<uint8_t>(key), velocity);
  });
}

uint32_t AddDrums(cMidiTrack& track, const char* pattern, uint32_t length) {
  const std::string steps = pattern;
  uint32_t tick = 0;
  for (std::size_t i = 0; tick < length; ++i, tick += kStep) {
    const char hit = steps[i % steps.size()];
    const uint8_t key = hit == 'k' ? 36 : hit == 's' ? 38 : hit == 'h' ? 42 : 0;
    if (key != 0) track.Note(tick, kStep / 2, kDrumChannel, key, hit == 'h' ? 60 : 96);
  }
  return length;
}

void AddSetup(cMidiTrack& track, uint8_t channel, uint8_t program, uint8_t volume) {
  track.Program(0, channel, program);
  track.Controller(0, channel, 7, volume);
}

}  // namespace

std::vector<uint8_t> SongFile(eSong id) {
  const Song* song = FindSong(id);
  if (song == nullptr) return {};
  const uint32_t tempo = 60000000u / song->bpm;
  if (song->format == 0) {
    cMidiTrack track;
    track.Tempo(0, tempo);
    track.TimeSignature(0, 4, 2);
    AddSetup(track, kMelodyChannel, song->melodyProgram, 100);
    AddSetup(track, kBassChannel, song->bassProgram, 90);
    const uint32_t length = AddPart(track, song->melody, kMelodyChannel, 100);
    AddPart(track, song->bass, kBassChannel, 90);
    AddDrums(track, song->drums, length);
    return EncodeMidiFile(0, kTicksPerQuarter, {track}, length);
  }
  cMidiTrack conductor;
  conductor.TrackName(0, "Pico");
  conductor.Tempo(0, tempo);
  conductor.TimeSignature(0, 4, 2);
  cMidiTrack melody;
  AddSetup(melody, kMelodyChannel, song->melodyProgram, 100);
  const uint32_t length = AddPart(melody, song->melody, kMelodyChannel, 100);
  cMidiTrack bass;
  AddSetup(bass, kBassChannel, song->bassProgram, 90);
  AddPart(bass, song->bass, kBassChannel, 90);
  cMidiTrack drums;
  AddDrums(drums, song->drums, length);
  return EncodeMidiFile(1, kTicksPerQuarter, {conductor, melody, bass, drums}, length);
}

namespace {

constexpr int kOggRate = 22050;

// Adds one part to samples: each note a tone of a few odd harmonics (or a plain
// sine for the bass) with a decaying envelope.
void SynthesisePart(std::vector<float>& samples, const char* part, double secondsPerTick, bool bass) {
  ForEachNote(part, [&](uint32_t start, uint32_t end, int32_t key) {
    const double hz = 440.0 * std::pow(2.0, (key - 69) / 12.0);
    const std::size_t first = static_cast<std::size_t>(start * secondsPerTick * kOggRate);
    const std::size_t last = std::min(samples.size(), static_cast<std::size_t>(end * secondsPerTick * kOggRate));
    for (std::size_t i = first; i < last; ++i) {
      const double t = static_cast<double>(i - first) / kOggRate;
      const double phase = 2 * std::numbers::pi * hz * t;
      const double tone = bass ? std::sin(phase) : std::sin(phase) + std::sin(3 * phase) / 3 + std::sin(5 * phase) / 5;
      const double release = std::min(1.0, static_cast<double>(last - i) / (0.01 * kOggRate));
      samples[i] += static_cast<float>((bass ? 0.3 : 0.2) * tone * std::exp(-3.0 * t) * release);
    }
  });
}

}  // namespace

std::vector<uint8_t> SongOggFile(eSong id) {
  const Song* song = FindSong(id);
  if (song == nullptr) return {};
  const double secondsPerTick = 60.0 / song->bpm / kTicksPerQuarter;
  const uint32_t length = ForEachNote(song->melody, [](uint32_t, uint32_t, int32_t) {});
  std::vector<float> samples(static_cast<std::size_t>(length * secondsPerTick * kOggRate), 0.0f);
  SynthesisePart(samples, song->melody, secondsPerTick, false);
  SynthesisePart(samples, song->bass, secondsPerTick, true);
  return EncodeOggVorbis(samples, 1, kOggRate);
}

bool WriteSampleMusic(cProjectFiles& files) {
  for (const cSongEntry& entry : kSongs) {
    if (entry.lpFile[0] == '\0') continue;
    const std::string path = entry.lpFile;
    const bool ogg = path.size() > 4 && path.substr(path.size() - 4) == ".ogg";
    if (!files.Write(entry.lpFile, ogg ? SongOggFile(entry.song) : SongFile(entry.song))) return false;
  }
  return true;
}
