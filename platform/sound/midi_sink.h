#pragma once
// cMidiSink: where the sequencer sends what it plays, each message at its frame
// offset inside the block being mixed. The synthesiser is one sink; a sink that
// drops everything stands in when there is no synthesiser, and tests record.

#include <cstdint>
#include <span>

class cMidiSink {
 public:
  virtual ~cMidiSink() = default;
  // A channel message: status and one or two data bytes (data2 0 for one).
  virtual void ShortMessage(int offset, uint8_t status, uint8_t data1, uint8_t data2) = 0;
  // A system-exclusive message: F0 or F7 and the data bytes as the file holds them.
  virtual void SysEx(int offset, uint8_t status, std::span<const uint8_t> data) = 0;
  // Every note of every channel ends (stop, pause, the end of a song).
  virtual void AllNotesOff(int offset) = 0;
  // General MIDI reset: a new song starts from the synthesiser's defaults.
  virtual void Reset(int offset) = 0;
};

// Drops everything.
class cNullMidiSink : public cMidiSink {
 public:
  void ShortMessage(int, uint8_t, uint8_t, uint8_t) override {}
  void SysEx(int, uint8_t, std::span<const uint8_t>) override {}
  void AllNotesOff(int) override {}
  void Reset(int) override {}
};
