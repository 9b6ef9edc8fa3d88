#pragma once
// Standard MIDI files: the "MThd" header (format 0 or 1, ticks per quarter note)
// and one "MTrk" chunk per track. A track collects events at absolute tick times;
// encoding sorts them (stable, so events at one time keep the order they were
// added, with note-offs before note-ons) and writes variable-length deltas.

#include <cstdint>
#include <vector>

class cMidiTrack {
 public:
  // Meta events.
  void Tempo(uint32_t tick, uint32_t microsecondsPerQuarter);
  void TimeSignature(uint32_t tick, uint8_t numerator, uint8_t denominatorPower);
  void TrackName(uint32_t tick, const char* name);
  // Channel events; channels 0 to 15.
  void Program(uint32_t tick, uint8_t channel, uint8_t program);
  void Controller(uint32_t tick, uint8_t channel, uint8_t controller, uint8_t value);
  // A note on at tick and its note off length ticks later.
  void Note(uint32_t tick, uint32_t length, uint8_t channel, uint8_t key, uint8_t velocity);

  // The MTrk chunk, ended by end-of-track at the last event's time (or at
  // endTick when that is later, so a loop keeps its full length).
  std::vector<uint8_t> Encode(uint32_t endTick = 0) const;

 private:
  struct Event {
    uint32_t tick;
    int order;  // 0 note-offs and meta, 1 the rest: note-offs first at one tick
    std::vector<uint8_t> bytes;
  };
  void Add(uint32_t tick, int order, std::vector<uint8_t> bytes);
  std::vector<Event> m_Events;
};

// A whole file: format 0 takes exactly one track (empty result otherwise),
// format 1 any number.
std::vector<uint8_t> EncodeMidiFile(int format, uint16_t ticksPerQuarter, const std::vector<cMidiTrack>& tracks,
                                    uint32_t endTick = 0);
